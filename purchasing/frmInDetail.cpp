#include "frmInDetail.h"
#include "appstate.h"
#include "frmInDetail1.h"
#include "frmInDetail2.h"

namespace {
ListColumn text(const char* header, const char* column, int widthTwips)
{
    return {QString::fromUtf8(header), QString::fromUtf8(column), widthTwips};
}

ListColumn figure(const char* header, int widthTwips, CellFormat format = CellFormat::Money)
{
    return {QString::fromUtf8(header), QString::fromUtf8(header), widthTwips, Qt::AlignRight, format};
}

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
    design.slipColumns = {text("单据编号", "单号", 1941),
                          figure("合计金额", 2117),
                          figure("欠款金额", 2117),
                          figure("还款金额", 2117),
                          figure("尚欠金额", 2117),
                          text("操作员", "操作员", 1764),
                          text("日期", "日期", 1764),
                          text("时间", "时间", 1587),
                          text("供应商", "供应商", 2646),
                          text("备注", "备注", 4233)};
    design.lineColumns = {text("商品编号", "商品编号", 2646),
                          text("商品名称", "商品名称", 4939),
                          text("规格", "规格", 2646),
                          text("单位", "单位", 1235),
                          figure("数量", 2117),
                          figure("单价", 2117),
                          figure("折扣", 1235, CellFormat::Whole),
                          figure("金额", 2540)};
    design.totals = {RecordsTotal{QStringLiteral("[合计金额]"), QStringLiteral("合计金额")},
                     RecordsTotal{QStringLiteral("[合计尚欠金额]"), QStringLiteral("尚欠金额")}};
    design.todayLabel = QStringLiteral("今日单据：(双击记录可以修改)");
    design.inputDialog = QStringLiteral("frmIn15");
    design.queries = {
        {QStringLiteral("ComF2"), QStringLiteral("按单据号查询"), QStringLiteral("请输入单据编号：(留空显示日期内全部)"), QStringLiteral("单号")},
        {QStringLiteral("ComF3"), QStringLiteral("按供应商查询"), QStringLiteral("请输入供应商：(留空显示日期内全部)"), QStringLiteral("供应商")},
        {QStringLiteral("ComF6"), QStringLiteral("按操作员查询"), QStringLiteral("请输入操作员：(留空显示日期内全部)"), QStringLiteral("操作员")},
        {QStringLiteral("ComF8"), QStringLiteral("供应商差额款项"), QStringLiteral("请输入欠款供应商：(留空则显示所有）"), QStringLiteral("供应商"),
         Scope::OpenBalance},
    };
    design.agedBefore = QStringLiteral("有差额款项超过");
    design.agedAfter = QStringLiteral("天的单据");
    design.paymentCaption = QStringLiteral("还款操作及记录");
    design.openPayment = [](SlipRecordsForm& records) {
        frmInDetail1 dialog(records);
        dialog.exec();
    };
    design.editDialog = QStringLiteral("frmInDetail2");
    design.createEditDialog = [](SlipRecordsForm& records) -> QWidget* { return new frmInDetail2(records); };
    design.deletion = RecordsDeletion{QStringLiteral("确认删除[%1]吗?删除后对应的金额和数量将会从【库存】扣除！")};
    design.exportTo = RecordsExport{QStringLiteral("data3.xls"), QStringLiteral("A1:L65536")};
    return design;
}
}

frmInDetail::frmInDetail(QWidget* parent)
    : SlipRecordsForm(stockInRecordsDesign(), parent)
{
}
