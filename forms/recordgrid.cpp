#include "recordgrid.h"
#include "amount.h"
#include "dbsession.h"
#include "formparts.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QStyle>

using FormParts::pixels;

namespace {
// The rows whose text a fit measures.
constexpr int SampledRows = 100;

// The width a cell's text takes, with the margins the item delegate keeps each side.
int cellWidth(const QTreeView* view, const QString& text)
{
    const int margin = view->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, view) + 1;
    return view->fontMetrics().horizontalAdvance(text) + 2 * margin;
}

// The width a column needs to show its header, and a figure column the
// widest figure.
int neededWidth(const QTreeView* view, int column, bool figure)
{
    const int header = view->header()->sectionSizeHint(column);
    if (!figure)
        return header;
    return std::max(header, cellWidth(view, (-Amount::bookLimit()).toMoneyText()));
}
}

void SetUpRecordView(QTreeView* view, const QList<int>& widthsTwips)
{
    view->setRootIsDecorated(false);
    view->setItemsExpandable(false);
    view->setUniformRowHeights(true);
    view->setAllColumnsShowFocus(true);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->header()->setStretchLastSection(false);
    for (int c = 0; c < widthsTwips.size(); ++c) {
        const int width = pixels(widthsTwips[c]);
        view->setColumnHidden(c, width == 0);
        if (width > 0)
            view->setColumnWidth(c, width);
    }
}

void FitColumnsToContents(QTreeView* view, const QList<bool>& figures)
{
    for (int c = 0; c < figures.size(); ++c) {
        if (!view->isColumnHidden(c))
            view->setColumnWidth(c, std::max(view->columnWidth(c), neededWidth(view, c, figures[c])));
    }
}

int RecordView::columnsWidth() const { return header()->length(); }

QSize RecordView::sizeHint() const
{
    // Room for the columns, the frame and a vertical scroll bar once rows fill the view.
    const int scrollBar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
    const int rowHeight = fontMetrics().height() + 2 * (style()->pixelMetric(QStyle::PM_FocusFrameVMargin, nullptr, this) + 1);
    const int rows = m_shownRows == 0 ? QTreeView::sizeHint().height()
                                      : header()->sizeHint().height() + m_shownRows * rowHeight + 2 * frameWidth();
    return {columnsWidth() + 2 * frameWidth() + scrollBar, rows};
}

RecordGrid::RecordGrid(QList<ListColumn> columns, QWidget* parent)
    : RecordView(parent)
{
    m_records = new RecordTableModel(std::move(columns), this);
    setModel(m_records);
    QList<int> widths;
    for (const ListColumn& column : m_records->columns())
        widths << column.widthTwips;
    SetUpRecordView(this, widths);
    connect(this, &QTreeView::doubleClicked, this, &RecordGrid::chosen);
}

int RecordGrid::neededWidth(int column, FigureRoom figures) const
{
    const CellFormat format = m_records->columns()[column].format;
    const bool figure = format == CellFormat::Money || format == CellFormat::Number;
    int needed = ::neededWidth(this, column, figure && figures == FigureRoom::Widest);
    // Money never passes the widest figure.
    if (figures == FigureRoom::Widest && format == CellFormat::Money)
        return needed;
    const int rows = std::min(m_records->rowCount(), SampledRows);
    for (int row = 0; row < rows; ++row)
        needed = std::max(needed, cellWidth(this, text(row, column)));
    return needed;
}

void RecordGrid::fitColumnsToContents(FigureRoom figures)
{
    for (int c = 0; c < m_records->columnCount(); ++c) {
        if (!isColumnHidden(c))
            setColumnWidth(c, std::max(columnWidth(c), neededWidth(c, figures)));
    }
}

void RecordGrid::sizeColumnsToContents()
{
    for (int c = 0; c < m_records->columnCount(); ++c) {
        if (!isColumnHidden(c))
            setColumnWidth(c, neededWidth(c, FigureRoom::Widest));
    }
}

DbStatus RecordGrid::fill(const QString& sql, const QVariantList& params)
{
    clear();
    auto read = Database::read([&](DbSession& s) { return s.query(sql, params); });
    if (!read)
        return read.error();
    fill(std::move(*read));
    return {};
}

void RecordGrid::fill(Rows rows)
{
    QList<int> sources;
    for (const ListColumn& column : m_records->columns())
        sources << rows.columnIndex(column.column);
    m_records->setRows(std::move(rows), sources);
    if (m_fillFit)
        fitColumnsToContents(*m_fillFit);
    if (m_selectsFirstRow && m_records->rowCount() > 0)
        selectRow(0);
}

void RecordGrid::refillRow(int row, const Rows& read)
{
    QVariantList values;
    for (const ListColumn& column : m_records->columns())
        values << read.value(0, column.column);
    m_records->setRow(row, values);
}

void RecordGrid::clear() { m_records->setRows(QList<QVariantList>{}); }

int RecordGrid::selectedRow() const
{
    const QModelIndexList rows = selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}

void RecordGrid::selectRow(int row)
{
    const QModelIndex index = m_records->index(row, 0);
    selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    scrollTo(index);
}

void RecordGrid::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        emit chosen();
        return;
    }
    RecordView::keyPressEvent(event);
}
