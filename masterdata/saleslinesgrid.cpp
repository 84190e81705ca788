#include "saleslinesgrid.h"
#include "formparts.h"

using FormParts::pixels;

SalesLinesGrid::SalesLinesGrid(QWidget* parent)
    : RecordGrid(
        {{.header = QStringLiteral("日期"), .widthTwips = 1100},
         {.header = QStringLiteral("商品名称"), .widthTwips = 1400},
         {.header = QStringLiteral("销售额"), .widthTwips = 1200, .alignment = Qt::AlignRight, .format = CellFormat::Whole},
         {.header = QStringLiteral("利润额"), .widthTwips = 1100, .alignment = Qt::AlignRight, .format = CellFormat::Whole}},
        parent)
{
    // A whole date, whatever the font.
    setColumnWidth(0, qMax(columnWidth(0), fontMetrics().horizontalAdvance(QStringLiteral("0000-00-00")) + 12));
    setMinimumSize(pixels(5070), pixels(2115));
    keepTextWidths();
}

void SalesLinesGrid::setLines(const SalesLines& lines)
{
    QList<QVariantList> rows;
    rows.reserve(lines.lines.size());
    for (const SalesLine& line : lines.lines)
        rows.append({line.date, line.goods, line.amount, line.profit});
    records()->setRows(std::move(rows));
}
