#include "frmGoods1.h"
#include "stockcopysync.h"

namespace {
// A new goods gets its stock row when it is first taken in or counted; a
// changed one rewrites the copies its stock row keeps.
DbStatus copyIntoStock(DbSession& session, const MasterRecord& goods, EditorMode mode)
{
    if (mode != EditorMode::Modify)
        return {};
    const auto text = [&goods](const char* column) { return goods.value(QString::fromUtf8(column)).toString(); };
    return StockCopySync(session, {text("商品编号"), text("商品名称"), text("规格"), text("单位"), text("类别"),
                                   goods.value(QStringLiteral("库存上限")).toDouble(),
                                   goods.value(QStringLiteral("库存下限")).toDouble()});
}

EditorDesign goodsEditorDesign()
{
    using enum FieldRule;
    using enum FieldKind;
    return {
        .number = NumberSchemes::Goods,
        .fields =
            {
                {.objectName = "Text1", .label = "商品编号", .column = "商品编号", .rule = Required},
                {.objectName = "Text2", .label = "商品名称", .column = "商品名称", .rule = Required},
                {.objectName = "Text3", .label = "规    格", .column = "规格"},
                {.objectName = "Text4",
                 .label = "单    位",
                 .column = "单位",
                 .rule = Required,
                 .kind = Combo,
                 .itemsFrom = "计量单位"},
                {.objectName = "Text5",
                 .label = "类    别",
                 .column = "类别",
                 .rule = Required,
                 .kind = Combo,
                 .itemsFrom = "商品类别"},
                {.objectName = "Text6",
                 .label = "进    价",
                 .column = "进价",
                 .rule = Untested,
                 .kind = Money,
                 .hint = "（入货调用）"},
                {.objectName = "Text7",
                 .label = "批 发 价",
                 .column = "批发价",
                 .rule = Untested,
                 .kind = Money,
                 .hint = "（参考用）"},
                {.objectName = "Text8",
                 .label = "会 员 价",
                 .column = "会员价",
                 .rule = Untested,
                 .kind = Money,
                 .hint = "（参考用）"},
                {.objectName = "Text9",
                 .label = "零 售 价",
                 .column = "零售价",
                 .rule = Untested,
                 .kind = Money,
                 .hint = "（销售调用）"},
                {.objectName = "Text10",
                 .label = "库存上限",
                 .column = "库存上限",
                 .rule = Untested,
                 .kind = Money,
                 .hint = "（库存过多提醒）"},
                {.objectName = "Text11",
                 .label = "库存下限",
                 .column = "库存下限",
                 .rule = Untested,
                 .kind = Money,
                 .hint = "（用于进货提醒）"},
                {.objectName = "Text12", .label = "存放位置", .column = "厂家"},
                {.objectName = "Text13", .label = "拼 音 码", .column = "拼音码", .rule = Required},
                {.objectName = "Text14", .label = "五 笔 码", .column = "五笔码", .rule = Required},
                {.objectName = "Text15", .label = "自 编 码", .column = "自编码"},
                {.objectName = "Text16", .label = "条 形 码", .column = "条形码"},
            },
        .nameField = "Text2",
        .pinyinField = "Text13",
        .wubiField = "Text14",
        .alsoWrite = copyIntoStock,
    };
}
}

frmGoods1::frmGoods1(MasterListPanel& list, EditorMode mode, QWidget* parent)
    : MasterEditor(goodsEditorDesign(), list, mode, parent)
{
}
