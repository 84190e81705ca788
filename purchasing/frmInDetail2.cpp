#include "frmInDetail2.h"

frmInDetail2::frmInDetail2(SlipRecordsForm& records)
    : SlipEditDialog({.formName = QStringLiteral("frmInDetail2"),
                      .caption = QStringLiteral("修改供应商与备注"),
                      .fields = {{QStringLiteral("Text2"), QStringLiteral("Label9"), QStringLiteral("供 应 商"), QStringLiteral("供应商"),
                                  SlipEditPart::Partner},
                                 {QStringLiteral("Text3"), QStringLiteral("Label12"), QStringLiteral("备      注"), QStringLiteral("备注"),
                                  SlipEditPart::Remark, true}},
                      .focusBox = QStringLiteral("Text2")},
                     records)
{
}
