#include "frmInDetail2.h"

frmInDetail2::frmInDetail2(SlipRecordsForm& records)
    : SlipEditDialog({.formName = QStringLiteral("frmInDetail2"),
                      .caption = QStringLiteral("修改供应商与备注"),
                      .fields = {{.box = QStringLiteral("Text2"),
                                  .labelName = QStringLiteral("Label9"),
                                  .label = QStringLiteral("供 应 商"),
                                  .column = QStringLiteral("供应商"),
                                  .part = SlipEditPart::Partner},
                                 {.box = QStringLiteral("Text3"),
                                  .labelName = QStringLiteral("Label12"),
                                  .label = QStringLiteral("备      注"),
                                  .column = QStringLiteral("备注"),
                                  .part = SlipEditPart::Remark,
                                  .multiLine = true}},
                      .focusBox = QStringLiteral("Text2")},
                     records)
{
}
