#include "frmOthersDetail2.h"

frmOthersDetail2::frmOthersDetail2(SlipRecordsForm& records)
    : SlipEditDialog({.formName = QStringLiteral("frmOthersDetail2"),
                      .caption = QStringLiteral("备注修改"),
                      .numberEditable = true,
                      .fields = {{.box = QStringLiteral("Text3"),
                                  .labelName = QStringLiteral("Label12"),
                                  .label = QStringLiteral("备      注"),
                                  .column = QStringLiteral("备注"),
                                  .part = SlipEditPart::Remark}},
                      .focusBox = QStringLiteral("Text3")},
                     records)
{
}
