#include "frmInDetail.h"
#include "appstate.h"
#include "frmInDetail1.h"
#include "frmInDetail2.h"
#include "moneybookrecords.h"
#include "recordscolumns.h"

namespace {
SlipRecordsDesign stockInRecordsDesign()
{
    const SlipDesign& slip = SlipDesigns::purchase(appState().slipMode);
    const bool returns = slip.kind == SlipKind::PurchaseReturn;
    using Scope = RecordsQuery::Scope;
    SlipRecordsDesign design;
    design.formName = QStringLiteral("frmInDetail");
    design.caption = QStringLiteral("入库记录");
    design.currentCaption = returns ? QStringLiteral("入库退货记录--当前单：") : QStringLiteral("入库记录--当前单：");
    design.slip = &slip;
    design.slipColumns = RecordsColumns::slipFigures() << textColumn("供应商", 2646) << textColumn("备注", 4233);
    design.lineColumns = RecordsColumns::goodsLines();
    design.inputDialog = QStringLiteral("frmIn15");
    design.queries = {
        RecordsQuery::byNumber(),
        {.button = QStringLiteral("ComF3"),
         .caption = QStringLiteral("按供应商查询"),
         .prompt = QStringLiteral("请输入供应商：(留空显示日期内全部)"),
         .column = QStringLiteral("供应商")},
        RecordsQuery::byOperator(),
        {.button = QStringLiteral("ComF8"),
         .caption = QStringLiteral("供应商差额款项"),
         .prompt = QStringLiteral("请输入欠款供应商：(留空则显示所有）"),
         .column = QStringLiteral("供应商"),
         .scope = Scope::OpenBalance},
    };
    SetMoneyBookParts<frmInDetail1, frmInDetail2>(
        design, QStringLiteral("有差额款项超过"), QStringLiteral("还款操作及记录"), QStringLiteral("frmInDetail2"),
        RecordsDeletion{.question = QStringLiteral("确认删除[%1]吗?删除后对应的金额和数量将会从【库存】扣除！")},
        QStringLiteral("data3.xls"));
    return design;
}
}

frmInDetail::frmInDetail(QWidget* parent)
    : SlipRecordsForm(stockInRecordsDesign(), parent)
{
}
