#include "saleslinesgrid.h"
#include "formparts.h"
#include "mastertablemodel.h"

#include <QHeaderView>

using FormParts::pixels;

SalesLinesGrid::SalesLinesGrid(QWidget* parent)
    : QTableView(parent)
{
    const Qt::Alignment right = Qt::AlignRight;
    m_model = new MasterTableModel({{QStringLiteral("日期"), {}, 1100},
                                    {QStringLiteral("商品名称"), {}, 1400},
                                    {QStringLiteral("销售额"), {}, 1200, right, CellFormat::Whole},
                                    {QStringLiteral("利润额"), {}, 1100, right, CellFormat::Whole}},
                                   this);
    setModel(m_model);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    horizontalHeader()->setStretchLastSection(false);
    const QList<ListColumn>& columns = m_model->columns();
    for (int c = 0; c < columns.size(); ++c)
        setColumnWidth(c, pixels(columns[c].widthTwips));
    // A whole date, whatever the font.
    setColumnWidth(0, qMax(columnWidth(0), fontMetrics().horizontalAdvance(QStringLiteral("0000-00-00")) + 12));
    setMinimumSize(pixels(5070), pixels(2115));
}

void SalesLinesGrid::setLines(const SalesLines& lines)
{
    QList<QVariantList> rows;
    rows.reserve(lines.lines.size());
    for (const SalesLine& line : lines.lines)
        rows.append({line.date, line.goods, line.amount, line.profit});
    m_model->setRows(std::move(rows));
}
