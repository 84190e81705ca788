#include "frmOthersDetail2.h"

frmOthersDetail2::frmOthersDetail2(SlipRecordsForm& records)
    : SlipEditDialog({.formName = QStringLiteral("frmOthersDetail2"),
                      .caption = QStringLiteral("备注修改"),
                      .numberEditable = true,
                      .fields = {{QStringLiteral("Text3"), QStringLiteral("Label12"), QStringLiteral("备      注"), QStringLiteral("备注")}},
                      .focusBox = QStringLiteral("Text3")},
                     records)
{
}
