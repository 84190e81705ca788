#include "recordgrid.h"
#include "dbsession.h"
#include "formparts.h"

#include <QHeaderView>
#include <QKeyEvent>

using FormParts::pixels;

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

RecordGrid::RecordGrid(QList<ListColumn> columns, QWidget* parent)
    : QTreeView(parent)
{
    m_records = new RecordTableModel(std::move(columns), this);
    setModel(m_records);
    QList<int> widths;
    for (const ListColumn& column : m_records->columns())
        widths << column.widthTwips;
    SetUpRecordView(this, widths);
    connect(this, &QTreeView::doubleClicked, this, &RecordGrid::chosen);
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

int RecordGrid::columnsWidth() const
{
    int width = 0;
    for (const ListColumn& column : m_records->columns())
        width += pixels(column.widthTwips);
    return width;
}

void RecordGrid::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        emit chosen();
        return;
    }
    QTreeView::keyPressEvent(event);
}
