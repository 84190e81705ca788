#include "frmOutDetail2.h"

frmOutDetail2::frmOutDetail2(SlipRecordsForm& records)
    : SlipEditDialog({.formName = QStringLiteral("frmOutDetail2"),
                      .caption = QStringLiteral("非数据信息修改"),
                      .fields = {{QStringLiteral("Text2"), QStringLiteral("Label9"), QStringLiteral("客      户"), QStringLiteral("客户"),
                                  SlipEditPart::Partner},
                                 {QStringLiteral("Text3"), QStringLiteral("Label1"), QStringLiteral("业 务 员"), QStringLiteral("业务员"),
                                  SlipEditPart::Salesman},
                                 {QStringLiteral("Text4"), QStringLiteral("Label2"), QStringLiteral("介 绍 人"), QStringLiteral("介绍人"),
                                  SlipEditPart::Introducer},
                                 {QStringLiteral("Text5"), QStringLiteral("Label12"), QStringLiteral("备      注"), QStringLiteral("备注"),
                                  SlipEditPart::Remark, true}},
                      .focusBox = QStringLiteral("Text2")},
                     records)
{
}
