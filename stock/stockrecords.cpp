#include "stockrecords.h"

SlipRecordsDesign StockRecordsDesign(const QString& formName, const QString& caption, const SlipDesign& slip,
                                     QList<ListColumn> lineColumns, const QString& inputDialog)
{
    SlipRecordsDesign design;
    design.formName = formName;
    design.caption = caption;
    design.currentCaption = caption + QStringLiteral("--当前单：");
    design.slip = &slip;
    design.slipColumns = {textColumn("单据编号", 1941).from("单号"),
                          figureColumn("合计数量", 2117),
                          figureColumn("合计金额", 2117),
                          textColumn("操作员", 1764),
                          textColumn("日期", 1764),
                          textColumn("时间", 1587),
                          textColumn("备注", 4233)};
    design.lineColumns = std::move(lineColumns);
    design.totals = {RecordsTotal{.label = QStringLiteral("[合计数量]"), .column = QStringLiteral("合计数量")},
                     RecordsTotal{.label = QStringLiteral("[合计金额]"), .column = QStringLiteral("合计金额")}};
    design.todayLabel = QStringLiteral("今日单据：");
    design.keepsQuery = false;
    design.inputDialog = inputDialog;
    design.queries = {
        RecordsQuery::byNumber(),
        RecordsQuery::byOperator(),
    };
    return design;
}
