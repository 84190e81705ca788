#include "frmOperation.h"
#include "frmOperation1.h"

namespace {
ListDesign salesmanListDesign()
{
    return {
        .table = "业务员",
        .columns =
            {
                {.header = "编号", .column = "编号", .widthTwips = 1100},
                {.header = "姓名", .column = "姓名", .widthTwips = 1000},
                {.header = "性别", .column = "性别", .widthTwips = 700},
                {.header = "部门", .column = "部门", .widthTwips = 1200},
                {.header = "职务", .column = "职务", .widthTwips = 900},
                {.header = "身份证号", .column = "身份证号", .widthTwips = 1800},
                {.header = "电话", .column = "电话", .widthTwips = 1500},
                {.header = "地址", .column = "地址", .widthTwips = 1500},
                {.header = "入职日期", .column = "入职日期", .widthTwips = 1500},
                {.header = "备注", .column = "备注", .widthTwips = 2000},
                {.header = "拼音码", .column = "拼音码", .widthTwips = 1000},
                {.header = "五笔码", .column = "五笔码", .widthTwips = 1000},
            },
        // The choice of option is not kept: the list always starts by pinyin.
        .filters =
            {
                {.objectName = "Option1", .caption = "按拼音码", .column = "拼音码", .hint = "输入拼音码筛选"},
                {.objectName = "Option2", .caption = "按五笔码", .column = "五笔码", .hint = "输入五笔码筛选"},
            },
        .deleteForAdministratorOnly = true,
        .doubleClickViews = true,
        .openEditor = showModally<frmOperation1>(),
    };
}
}

frmOperation::frmOperation(QWidget* parent)
    : MasterListForm("frmOperation", "业务员资料(双击表格可以修改)", {salesmanListDesign()}, parent)
{
}
