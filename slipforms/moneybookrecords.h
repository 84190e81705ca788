#pragma once
// What the records of the two money books, purchases and sales, share: the
// totals of the listed slips' amounts and open balances, today's slips at
// opening, the aged-debt query, payments through a modal PaymentDialog, edits
// through a modeless EditDialog of that name, the deletion and the list's
// export.
#include "sliprecordsform.h"

template <typename PaymentDialog, typename EditDialog>
void SetMoneyBookParts(SlipRecordsDesign& design, const QString& agedBefore, const QString& paymentCaption,
                       const QString& editDialog, RecordsDeletion deletion, const QString& exportTemplate)
{
    design.totals = {RecordsTotal{.label = QStringLiteral("[合计金额]"), .column = QStringLiteral("合计金额")},
                     RecordsTotal{.label = QStringLiteral("[合计尚欠金额]"), .column = QStringLiteral("尚欠金额")}};
    design.todayLabel = QStringLiteral("今日单据：(双击记录可以修改)");
    design.agedBefore = agedBefore;
    design.agedAfter = QStringLiteral("天的单据");
    design.paymentCaption = paymentCaption;
    design.openPayment = [](SlipRecordsForm& records) {
        PaymentDialog dialog(records);
        dialog.exec();
    };
    design.editDialog = editDialog;
    design.createEditDialog = [](SlipRecordsForm& records) -> QWidget* { return new EditDialog(records); };
    design.deletion = std::move(deletion);
    design.exportTo = RecordsExport{.templateName = exportTemplate};
}
