#include "frmProvider.h"
#include "frmProvider1.h"

namespace {
ListDesign providerListDesign()
{
    return {
        .table = "供应商",
        .columns =
            {
                {.header = "编号", .column = "编号", .widthTwips = 1100},
                {.header = "名称", .column = "名称", .widthTwips = 1800},
                {.header = "电话", .column = "电话", .widthTwips = 1600},
                {.header = "传真", .column = "传真", .widthTwips = 1600},
                {.header = "地址", .column = "地址", .widthTwips = 1200},
                {.header = "联系人", .column = "联系人", .widthTwips = 1200},
                {.header = "开户银行", .column = "开户银行", .widthTwips = 1500},
                {.header = "银行帐号", .column = "帐号", .widthTwips = 1500},
                {.header = "备注", .column = "备注", .widthTwips = 1500},
                {.header = "拼音码", .column = "拼音码", .widthTwips = 900},
                {.header = "五笔码", .column = "五笔码", .widthTwips = 900},
            },
        // The choice of option is not kept.
        .filters =
            {
                {.objectName = "Option1", .caption = "按拼音码", .column = "拼音码", .hint = "输入拼音码筛选"},
                {.objectName = "Option2", .caption = "按五笔码", .column = "五笔码", .hint = "输入五笔码筛选"},
            },
        .openEditor = showModally<frmProvider1>(),
    };
}
}

frmProvider::frmProvider(QWidget* parent)
    : MasterListForm("frmProvider", "供应商资料(双击表格记录可以修改)", {providerListDesign()}, parent)
{
}
