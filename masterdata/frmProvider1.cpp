#include "frmProvider1.h"

namespace {
EditorDesign providerEditorDesign()
{
    EditorDesign design;
    design.number = NumberSchemes::Suppliers;
    auto field = [](const char* name, const char* label, const char* column, FieldRule rule, int listColumn) {
        return EditorField{QString::fromLatin1(name), QString::fromUtf8(label), QString::fromUtf8(column),
                           QString::fromUtf8(column), rule, listColumn};
    };
    design.fields = {
        field("Text1", "编    号", "编号", FieldRule::Required, 0),
        field("Text2", "名    称", "名称", FieldRule::Required, 1),
        field("Text3", "电    话", "电话", FieldRule::Optional, 2),
        field("Text4", "传    真", "传真", FieldRule::Optional, 3),
        field("Text5", "地    址", "地址", FieldRule::Optional, 4),
        field("Text7", "联 系 人", "联系人", FieldRule::Optional, 5),
        field("Text8", "开户银行", "开户银行", FieldRule::Optional, 6),
        field("Text9", "帐    号", "帐号", FieldRule::Optional, 7),
        field("Text10", "备    注", "备注", FieldRule::Optional, 8),
        field("Text11", "拼 音 码", "拼音码", FieldRule::Required, 9),
        field("Text12", "五 笔 码", "五笔码", FieldRule::Required, 10),
    };
    design.fields[8].kind = FieldKind::MultiLine;
    design.fields[10].sameRow = true;
    design.nameField = QStringLiteral("Text2");
    design.pinyinField = QStringLiteral("Text11");
    design.wubiField = QStringLiteral("Text12");
    return design;
}
}

frmProvider1::frmProvider1(MasterListPanel& list, EditorMode mode, QWidget* parent)
    : MasterEditor(providerEditorDesign(), list, mode, parent)
{
}
