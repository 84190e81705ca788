#include "frmGoods.h"
#include "frmGoods1.h"
#include "goodslist.h"

ListDesign goodsListDesign()
{
    using enum CellFormat;
    return {
        .table = "商品信息",
        .numberColumn = "商品编号",
        .select = GoodsListSelect(),
        .columns =
            {
                {.header = "商品编号", .column = "商品编号", .widthTwips = 1100},
                {.header = "商品名称", .column = "商品名称", .widthTwips = 1500},
                {.header = "规格", .column = "规格", .widthTwips = 1500},
                {.header = "单位", .column = "单位", .widthTwips = 700},
                {.header = "类别", .column = "类别", .widthTwips = 1000},
                {.header = "进价", .column = "进价", .widthTwips = 1000, .alignment = Qt::AlignRight, .format = Money},
                {.header = "批发价", .column = "批发价", .widthTwips = 0, .alignment = Qt::AlignRight, .format = Money},
                {.header = "会员价", .column = "会员价", .widthTwips = 0, .alignment = Qt::AlignRight, .format = Money},
                {.header = "零售价", .column = "零售价", .widthTwips = 1000, .alignment = Qt::AlignRight, .format = Money},
                {.header = "库存上限", .column = "库存上限", .widthTwips = 1100, .alignment = Qt::AlignRight, .format = Money},
                {.header = "库存下限", .column = "库存下限", .widthTwips = 1100, .alignment = Qt::AlignRight, .format = Money},
                {.header = "库存量", .column = "库存量", .widthTwips = 1000, .format = Number},
                {.header = "存放位置", .column = "厂家", .widthTwips = 2000},
                {.header = "拼音码", .column = "拼音码", .widthTwips = 900},
                {.header = "五笔码", .column = "五笔码", .widthTwips = 900},
                {.header = "自编码", .column = "自编码", .widthTwips = 1000},
                {.header = "条形码", .column = "条形码", .widthTwips = 1000},
            },
        .filters =
            {
                {.objectName = "Option9",
                 .caption = "按拼音码",
                 .column = "拼音码",
                 .hint = "输入拼音码筛选",
                 .iniSection = "option9"},
                {.objectName = "Option10",
                 .caption = "按五笔码",
                 .column = "五笔码",
                 .hint = "输入五笔码筛选",
                 .iniSection = "option10"},
                {.objectName = "Option11",
                 .caption = "按自编码",
                 .column = "自编码",
                 .hint = "输入自编码筛选",
                 .iniSection = "option11"},
                {.objectName = "Option12",
                 .caption = "按条形码",
                 .column = "条形码",
                 .hint = "输入条形码筛选",
                 .iniSection = "option12"},
            },
        .deleteQuestion = "库存中的信息将同步删除，确认删除[%1]吗?",
        .alsoDeleteFrom = {"库存"},
        .names = {.optionFrame = "Frame2"},
        .openEditor = showModally<frmGoods1>(),
    };
}

frmGoods::frmGoods(QWidget* parent)
    : MasterListForm("frmGoods", "商品资料(双击表格可以修改)", {goodsListDesign()}, parent)
{
}
