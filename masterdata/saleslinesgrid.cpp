#include "saleslinesgrid.h"
#include "mastertablemodel.h"
#include "saleslines.h"

#include <QHeaderView>

namespace {
constexpr int TwipsPerPixel = 15;
}

SalesLinesGrid::SalesLinesGrid(const QString& objectName, QWidget* parent)
    : QTableView(parent)
{
    setObjectName(objectName);
    const QList<ListColumn> columns{
        {QStringLiteral("日期"), QStringLiteral("日期"), 1100},
        {QStringLiteral("商品名称"), QStringLiteral("商品名称"), 1400},
        {QStringLiteral("销售额"), QStringLiteral("销售额"), 1200, Qt::AlignRight, CellFormat::Whole},
        {QStringLiteral("利润额"), QStringLiteral("利润额"), 1100, Qt::AlignRight, CellFormat::Whole},
    };
    m_model = new MasterTableModel(columns, this);
    setModel(m_model);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    for (int c = 0; c < columns.size(); ++c)
        setColumnWidth(c, columns[c].widthTwips / TwipsPerPixel);
    // A date is never cut short, whatever the font.
    setColumnWidth(0, qMax(columnWidth(0), fontMetrics().horizontalAdvance(QStringLiteral("0000-00-00")) + 12));
    setFixedHeight(2115 / TwipsPerPixel);
}

void SalesLinesGrid::setLines(const SalesLines& lines) { m_model->setRows(lines.rows); }
