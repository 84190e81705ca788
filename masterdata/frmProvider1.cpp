#include "frmProvider1.h"

namespace {
// There is no box named Text6.
EditorDesign providerEditorDesign()
{
    using enum FieldRule;
    return {
        .number = NumberSchemes::Suppliers,
        .fields =
            {
                {.objectName = "Text1", .label = "编    号", .column = "编号", .rule = Required},
                {.objectName = "Text2", .label = "名    称", .column = "名称", .rule = Required},
                {.objectName = "Text3", .label = "电    话", .column = "电话"},
                {.objectName = "Text4", .label = "传    真", .column = "传真"},
                {.objectName = "Text5", .label = "地    址", .column = "地址"},
                {.objectName = "Text7", .label = "联 系 人", .column = "联系人"},
                {.objectName = "Text8", .label = "开户银行", .column = "开户银行"},
                {.objectName = "Text9", .label = "帐    号", .column = "帐号"},
                {.objectName = "Text10", .label = "备    注", .column = "备注", .kind = FieldKind::MultiLine},
                {.objectName = "Text11", .label = "拼 音 码", .column = "拼音码", .rule = Required},
                {.objectName = "Text12", .label = "五 笔 码", .column = "五笔码", .rule = Required, .sameRow = true},
            },
        .nameField = "Text2",
        .pinyinField = "Text11",
        .wubiField = "Text12",
    };
}
}

frmProvider1::frmProvider1(MasterListPanel& list, EditorMode mode, QWidget* parent)
    : MasterEditor(providerEditorDesign(), list, mode, parent)
{
}
