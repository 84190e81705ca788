#include "frmOutDetail2.h"

frmOutDetail2::frmOutDetail2(SlipRecordsForm& records)
    : SlipEditDialog({.formName = QStringLiteral("frmOutDetail2"),
                      .caption = QStringLiteral("非数据信息修改"),
                      .fields = {{.box = QStringLiteral("Text2"),
                                  .labelName = QStringLiteral("Label9"),
                                  .label = QStringLiteral("客      户"),
                                  .column = QStringLiteral("客户"),
                                  .part = SlipEditPart::Partner},
                                 {.box = QStringLiteral("Text3"),
                                  .labelName = QStringLiteral("Label1"),
                                  .label = QStringLiteral("业 务 员"),
                                  .column = QStringLiteral("业务员"),
                                  .part = SlipEditPart::Salesman},
                                 {.box = QStringLiteral("Text4"),
                                  .labelName = QStringLiteral("Label2"),
                                  .label = QStringLiteral("介 绍 人"),
                                  .column = QStringLiteral("介绍人"),
                                  .part = SlipEditPart::Introducer},
                                 {.box = QStringLiteral("Text5"),
                                  .labelName = QStringLiteral("Label12"),
                                  .label = QStringLiteral("备      注"),
                                  .column = QStringLiteral("备注"),
                                  .part = SlipEditPart::Remark,
                                  .multiLine = true}},
                      .focusBox = QStringLiteral("Text2")},
                     records)
{
}
