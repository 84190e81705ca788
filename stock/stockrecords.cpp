#include "stockrecords.h"

ListColumn TextColumn(const char* column, int widthTwips)
{
    return {QString::fromUtf8(column), QString::fromUtf8(column), widthTwips};
}

ListColumn FigureColumn(const char* column, int widthTwips, CellFormat format)
{
    return {QString::fromUtf8(column), QString::fromUtf8(column), widthTwips, Qt::AlignRight, format};
}

SlipRecordsDesign StockRecordsDesign(const QString& formName, const QString& caption, const SlipDesign& slip,
                                     QList<ListColumn> lineColumns, const QString& inputDialog)
{
    SlipRecordsDesign design;
    design.formName = formName;
    design.caption = caption;
    design.currentCaption = caption + QStringLiteral("--当前单：");
    design.slip = &slip;
    design.slipColumns = {{QStringLiteral("单据编号"), QStringLiteral("单号"), 1941},
                          FigureColumn("合计数量", 2117),
                          FigureColumn("合计金额", 2117),
                          TextColumn("操作员", 1764),
                          TextColumn("日期", 1764),
                          TextColumn("时间", 1587),
                          TextColumn("备注", 4233)};
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
