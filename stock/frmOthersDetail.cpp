#include "frmOthersDetail.h"
#include "frmOthersDetail2.h"
#include "recordscolumns.h"
#include "stockrecords.h"

namespace {
SlipRecordsDesign lossRecordsDesign()
{
    SlipRecordsDesign design = StockRecordsDesign(QStringLiteral("frmOthersDetail"), QStringLiteral("报损记录"),
                                                  SlipDesigns::Loss, RecordsColumns::goodsLines(), QStringLiteral("frmOther151"));
    design.editDialog = QStringLiteral("frmOthersDetail2");
    design.createEditDialog = [](SlipRecordsForm& records) -> QWidget* { return new frmOthersDetail2(records); };
    design.deletion = RecordsDeletion{.question = QStringLiteral("确认删除[%1]吗?删除后对应的金额和数量将会返回到【库存】！"),
                                      .administratorOnly = true,
                                      .selectsFirstAfter = true};
    return design;
}
}

frmOthersDetail::frmOthersDetail(QWidget* parent)
    : SlipRecordsForm(lossRecordsDesign(), parent)
{
    // Present as the window always had it, and doing nothing.
    addButton(QStringLiteral("ComF10"), QStringLiteral("导出到Excel"));
}
