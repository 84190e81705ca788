#include "frmGoods1.h"
#include "stockcopysync.h"

namespace {
EditorDesign goodsEditorDesign()
{
    EditorDesign design;
    design.number = NumberSchemes::Goods;
    // The label's name without its spacing is the field's name in the messages.
    auto field = [](const char* name, const char* label, const char* column, FieldRule rule, int listColumn,
                    FieldKind kind = FieldKind::Line) {
        const QString text = QString::fromUtf8(label);
        return EditorField{QString::fromLatin1(name), text, QString(text).remove(QLatin1Char(' ')),
                           QString::fromUtf8(column), rule, listColumn, kind};
    };
    auto money = [&field](const char* name, const char* label, const char* column, int listColumn, const char* hint) {
        EditorField box = field(name, label, column, FieldRule::Untested, listColumn, FieldKind::Money);
        box.hint = QString::fromUtf8(hint);
        return box;
    };
    design.fields = {
        field("Text1", "商品编号", "商品编号", FieldRule::Required, 0),
        field("Text2", "商品名称", "商品名称", FieldRule::Required, 1),
        field("Text3", "规    格", "规格", FieldRule::Optional, 2),
        field("Text4", "单    位", "单位", FieldRule::Required, 3, FieldKind::Combo),
        field("Text5", "类    别", "类别", FieldRule::Required, 4, FieldKind::Combo),
        money("Text6", "进    价", "进价", 5, "（入货调用）"),
        money("Text7", "批 发 价", "批发价", 6, "（参考用）"),
        money("Text8", "会 员 价", "会员价", 7, "（参考用）"),
        money("Text9", "零 售 价", "零售价", 8, "（销售调用）"),
        money("Text10", "库存上限", "库存上限", 9, "（库存过多提醒）"),
        money("Text11", "库存下限", "库存下限", 10, "（用于进货提醒）"),
        field("Text12", "存放位置", "厂家", FieldRule::Optional, 12),
        field("Text13", "拼 音 码", "拼音码", FieldRule::Required, 13),
        field("Text14", "五 笔 码", "五笔码", FieldRule::Required, 14),
        field("Text15", "自 编 码", "自编码", FieldRule::Optional, 15),
        field("Text16", "条 形 码", "条形码", FieldRule::Optional, 16),
    };
    design.fields[3].itemsFrom = QStringLiteral("计量单位");
    design.fields[4].itemsFrom = QStringLiteral("商品类别");
    design.nameField = QStringLiteral("Text2");
    design.pinyinField = QStringLiteral("Text13");
    design.wubiField = QStringLiteral("Text14");
    // A new goods gets its stock row when it is first taken in or counted.
    design.alsoWrite = [](DbSession& session, const MasterRecord& goods, EditorMode mode) -> DbStatus {
        if (mode != EditorMode::Modify)
            return {};
        return StockCopySync(session, {goods.value(QStringLiteral("商品编号")).toString(),
                                       goods.value(QStringLiteral("商品名称")).toString(),
                                       goods.value(QStringLiteral("规格")).toString(),
                                       goods.value(QStringLiteral("单位")).toString(),
                                       goods.value(QStringLiteral("类别")).toString(),
                                       goods.value(QStringLiteral("库存上限")).toDouble(),
                                       goods.value(QStringLiteral("库存下限")).toDouble()});
    };
    return design;
}
}

frmGoods1::frmGoods1(MasterListPanel& list, EditorMode mode, QWidget* parent)
    : MasterEditor(goodsEditorDesign(), list, mode, parent)
{
}
