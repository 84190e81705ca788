#include "frmOutDetail.h"
#include "appstate.h"
#include "frmOutDetail1.h"
#include "frmOutDetail2.h"
#include "moneybookrecords.h"
#include "printedsalesslip.h"
#include "recordscolumns.h"

#include <QPushButton>

namespace {
SlipRecordsDesign salesRecordsDesign()
{
    const SlipDesign& slip = SlipDesigns::sales(appState().slipMode);
    const bool returns = slip.kind == SlipKind::SalesReturn;
    using Scope = RecordsQuery::Scope;
    SlipRecordsDesign design;
    design.formName = QStringLiteral("frmOutDetail");
    design.caption = QStringLiteral("销售记录");
    design.currentCaption = returns ? QStringLiteral("销售退货记录--当前单：") : QStringLiteral("销售记录--当前单：");
    design.slip = &slip;
    design.slipColumns = RecordsColumns::slipFigures() << textColumn("客户", 1764) << textColumn("业务员", 1587)
                                                       << textColumn("介绍人", 1587) << textColumn("备注", 4233);
    design.lineColumns = RecordsColumns::goodsLines()
                         << textColumn("成本金额", appState().isAdministrator() ? 2540 : 0, CellFormat::Money);
    design.inputDialog = QStringLiteral("frmOut15");
    design.queries = {
        RecordsQuery::byNumber(),
        {.button = QStringLiteral("ComF3"),
         .caption = QStringLiteral("按客户查询"),
         .prompt = QStringLiteral("请输入客户：(留空显示日期内全部)"),
         .column = QStringLiteral("客户")},
        RecordsQuery::byOperator(),
        {.button = QStringLiteral("ComF8"),
         .caption = QStringLiteral("欠款客户查询"),
         .prompt = QStringLiteral("请输入欠款客户：(留空则显示所有）"),
         .column = QStringLiteral("客户"),
         .scope = Scope::OpenBalance},
        {.button = QStringLiteral("ComF11"),
         .caption = QStringLiteral("业务员负责款项"),
         .prompt = QStringLiteral("请输入业务员：(留空则显示所有）"),
         .column = QStringLiteral("业务员"),
         .scope = Scope::OpenBalance},
    };
    // After a deletion, and after No, the first slip is chosen.
    SetMoneyBookParts<frmOutDetail1, frmOutDetail2>(
        design, QStringLiteral("欠款超过"), QStringLiteral("收款操作及记录"), QStringLiteral("frmOutDetail2"),
        RecordsDeletion{.question = QStringLiteral("确认删除[%1]吗?删除后对应的金额和数量将会返回到【库存】！"),
                        .administratorOnly = true,
                        .selectsFirstAfter = true},
        QStringLiteral("data2.xls"));
    return design;
}
}

frmOutDetail::frmOutDetail(QWidget* parent)
    : SlipRecordsForm(salesRecordsDesign(), parent)
{
    connect(addButton(QStringLiteral("ComSell"), QStringLiteral("生成销售单")), &QPushButton::clicked, this,
            &frmOutDetail::ComSell_Click);
}

void frmOutDetail::ComSell_Click()
{
    const QString number = selectedNumber();
    if (number.isEmpty())
        return;
    const auto read = Database::read([&](DbSession& s) { return ReadPrintedSalesSlip(s, slipDesign(), number); });
    // Failures pass silently, as the printed slip always did.
    if (read && *read)
        ExportToExcel(PrintedSalesSlipExport(**read));
}
