#include "frmOutDetail1.h"

frmOutDetail1::frmOutDetail1(SlipRecordsForm& records)
    : RepaymentDialog({.formName = QStringLiteral("frmOutDetail1"),
                       .caption = QStringLiteral("销售还款操作及记录"),
                       .frameCaption = QStringLiteral("收款操作"),
                       .confirmCaption = QStringLiteral("确认收款 ENTER"),
                       .partnerLabel = QStringLiteral("[应收款项名称]"),
                       .historyLabel = QStringLiteral("收款历史记录："),
                       .partnerColumn = QStringLiteral("客户")},
                      records)
{
}
