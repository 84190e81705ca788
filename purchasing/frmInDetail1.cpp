#include "frmInDetail1.h"

frmInDetail1::frmInDetail1(SlipRecordsForm& records)
    : RepaymentDialog({.formName = QStringLiteral("frmInDetail1"),
                       .caption = QStringLiteral("入库还款操作及记录"),
                       .frameCaption = QStringLiteral("还款操作"),
                       .confirmCaption = QStringLiteral("确认还款 ENTER"),
                       .partnerLabel = QStringLiteral("[该欠款的名称]"),
                       .historyLabel = QStringLiteral("还款历史记录："),
                       .partnerColumn = QStringLiteral("供应商")},
                      records)
{
}
