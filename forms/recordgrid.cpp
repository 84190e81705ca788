#include "recordgrid.h"
#include "dbsession.h"
#include "formparts.h"

#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMdiSubWindow>
#include <QHelpEvent>
#include <QPainter>
#include <QScreen>
#include <QSignalBlocker>
#include <QStyle>
#include <QStyledItemDelegate>
#include <QToolTip>
#include <algorithm>
#include <utility>

using FormParts::pixels;

namespace {
// Paints a cell as the style does, its text on one line without the layout
// the style makes for wrapping and eliding: a fitted column never elides, and
// a list repaints a page at each keystroke.
class CellDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        QStyleOptionViewItem cell = option;
        initStyleOption(&cell, index);
        const QString text = std::exchange(cell.text, QString());
        const QWidget* view = cell.widget;
        QStyle* style = view ? view->style() : QApplication::style();
        style->drawControl(QStyle::CE_ItemViewItem, &cell, painter, view);
        if (text.isEmpty())
            return;
        const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, view) + 1;
        const QRect room = style->subElementRect(QStyle::SE_ItemViewItemText, &cell, view).adjusted(margin, 0, -margin, 0);
        const QPalette::ColorGroup group = !(cell.state & QStyle::State_Enabled) ? QPalette::Disabled
                                           : (cell.state & QStyle::State_Active) ? QPalette::Normal
                                                                                 : QPalette::Inactive;
        painter->save();
        // A column the user narrowed cuts its text at its edge.
        painter->setClipRect(room, Qt::IntersectClip);
        painter->setPen(
            cell.palette.color(group, (cell.state & QStyle::State_Selected) ? QPalette::HighlightedText : QPalette::Text));
        painter->setFont(cell.font);
        painter->drawText(room, int(cell.displayAlignment) | Qt::TextSingleLine, text);
        painter->restore();
    }
};

// Paints a cell as the style does, eliding a text longer than its column,
// and shows such a text whole in a tool tip.
class ElidingDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    bool helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                   const QModelIndex& index) override
    {
        if (event->type() != QEvent::ToolTip)
            return QStyledItemDelegate::helpEvent(event, view, option, index);
        const QString text = index.data().toString();
        if (CellTextWidth(view, text) > option.rect.width())
            QToolTip::showText(event->globalPos(), text, view, option.rect);
        else
            QToolTip::hideText();
        return true;
    }
};

// What a window takes beside its list's columns: frames, margins, a scroll bar.
constexpr int WindowChrome = 64;

// What a column's header needs; an empty one, such as a selector column's, nothing.
int headerNeed(const QTreeView* view, int column)
{
    return view->model()->headerData(column, Qt::Horizontal).toString().isEmpty() ? 0 : view->header()->sectionSizeHint(column);
}

void fitEveryColumn(QTreeView* view)
{
    const QAbstractItemModel* model = view->model();
    for (int c = 0; c < model->columnCount(); ++c) {
        if (view->isColumnHidden(c))
            continue;
        int needed = headerNeed(view, c);
        for (int r = 0; r < model->rowCount(); ++r)
            needed = std::max(needed, CellTextWidth(view, model->index(r, c).data().toString()));
        if (view->columnWidth(c) != needed)
            view->setColumnWidth(c, needed);
    }
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

void FitColumnsEachChange(RecordView* view)
{
    QAbstractItemModel* model = view->model();
    const auto fit = [view] {
        fitEveryColumn(view);
        view->widenWindow();
    };
    fit();
    QObject::connect(model, &QAbstractItemModel::modelReset, view, fit);
    QObject::connect(model, &QAbstractItemModel::rowsInserted, view, fit);
    QObject::connect(model, &QAbstractItemModel::rowsRemoved, view, fit);
    QObject::connect(model, &QAbstractItemModel::dataChanged, view, fit);
}

RecordView::RecordView(QWidget* parent)
    : QTreeView(parent)
{
    setItemDelegate(new CellDelegate(this));
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

void RecordGrid::fitEachFill()
{
    if (std::exchange(m_fitsEachFill, true))
        return;
    // A list starts at its twips where they leave its window on the screen,
    // else at what its headers need.
    if (const QScreen* shown = screen(); shown && columnsWidth() + WindowChrome > shown->availableGeometry().width())
        fitColumns();
    connect(m_records, &QAbstractItemModel::rowsInserted, this,
            [this](const QModelIndex&, int first, int last) { widenRows(first, last); });
    connect(m_records, &QAbstractItemModel::dataChanged, this,
            [this](const QModelIndex& from, const QModelIndex& to) { widenRows(from.row(), to.row()); });
    connect(m_records, &QAbstractItemModel::headerDataChanged, this, [this] {
        m_headerWidths.clear();
        fitColumns();
    });
}

int RecordGrid::headerWidth(int column) const
{
    if (m_headerWidths.isEmpty()) {
        for (int c = 0; c < m_records->columnCount(); ++c)
            m_headerWidths << headerNeed(this, c);
    }
    return m_headerWidths.value(column);
}

QList<int> RecordGrid::shownColumns() const
{
    QList<int> shown;
    for (int c = 0; c < m_records->columnCount(); ++c) {
        if (!isColumnHidden(c))
            shown << c;
    }
    return shown;
}

void RecordGrid::widenColumn(int column, int width)
{
    if (!isColumnHidden(column) && width > columnWidth(column))
        setColumnWidth(column, width);
}

void RecordGrid::fitColumns()
{
    const QList<int> shown = shownColumns();
    const QList<int> widest = widestCells(m_records->widestTexts(shown, advances()));
    QList<int> widths(m_records->columnCount(), 0);
    for (qsizetype i = 0; i < shown.size(); ++i)
        widths[shown[i]] = std::max(headerWidth(shown[i]), widest[i]);
    bool changed = false;
    {
        // Each resized column would repaint on its own after the view's
        // repaint of the rows; the view is repainted once, below.
        const QSignalBlocker quiet(header());
        for (int c = 0; c < widths.size(); ++c) {
            if (!isColumnHidden(c) && widths[c] != columnWidth(c)) {
                setColumnWidth(c, widths[c]);
                changed = true;
            }
        }
    }
    if (changed) {
        updateGeometries();
        viewport()->update();
    }
    widenWindow();
}

void RecordGrid::widenRows(int firstRow, int lastRow)
{
    const QList<int> shown = shownColumns();
    const QList<int> widest = widestCells(m_records->widestTexts(shown, advances(), firstRow, lastRow));
    for (qsizetype i = 0; i < shown.size(); ++i)
        widenColumn(shown[i], widest[i]);
    widenWindow();
}

QList<int> RecordGrid::widestCells(const QList<QStringList>& candidates) const
{
    QList<int> widths;
    widths.reserve(candidates.size());
    for (const QStringList& texts : candidates)
        widths << CellTextWidth(this, texts);
    return widths;
}

const CharAdvances& RecordGrid::advances() const { return CharAdvances::of(font()); }

void RecordGrid::keepTextWidths()
{
    setItemDelegate(new ElidingDelegate(this));
    connect(m_records, &QAbstractItemModel::modelReset, this, &RecordGrid::fitFigures);
}

void RecordGrid::fitFigures()
{
    QList<int> figures;
    for (int c : shownColumns()) {
        if (m_records->columns()[c].format != CellFormat::Text)
            figures << c;
    }
    const QList<int> widest = widestCells(m_records->widestTexts(figures, advances()));
    for (qsizetype i = 0; i < figures.size(); ++i)
        setColumnWidth(figures[i], std::max(pixels(m_records->columns()[figures[i]].widthTwips), widest[i]));
    widenWindow();
}

void RecordView::widenWindow()
{
    if (!isVisible())
        return;
    // The room the columns and a vertical scroll bar take beside what the view has.
    const int scrollBar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
    const int missing = columnsWidth() + scrollBar + 2 * frameWidth() - width();
    if (missing <= 0)
        return;
    // A child window of the main window's area, or a window of its own.
    QWidget* frame = this;
    while (!frame->isWindow() && !qobject_cast<QMdiSubWindow*>(frame))
        frame = frame->parentWidget();
    const QRect room = frame->isWindow() ? frame->screen()->availableGeometry() : frame->parentWidget()->rect();
    const QRect now = frame->frameGeometry();
    const int wider = std::min(now.width() + missing, room.width());
    if (wider <= now.width())
        return;
    frame->resize(frame->width() + wider - now.width(), frame->height());
    // Shifted left as far as the right edge would pass the room.
    const int left = std::max(room.left(), std::min(now.left(), room.right() + 1 - wider));
    if (left != now.left())
        frame->move(frame->pos() + QPoint(left - now.left(), 0));
}

void RecordGrid::changeEvent(QEvent* event)
{
    // Another font or style measures the headers again.
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange)
        m_headerWidths.clear();
    RecordView::changeEvent(event);
}

DbStatus RecordGrid::fill(const QString& sql, const QVariantList& params)
{
    // The list is reset once, by the rows read: a failure leaves it empty.
    auto read = Database::read([&](DbSession& s) { return s.query(sql, params); });
    if (!read) {
        clear();
        return read.error();
    }
    fill(std::move(*read));
    return {};
}

void RecordGrid::fill(Rows rows)
{
    QList<int> sources;
    for (const ListColumn& column : m_records->columns())
        sources << rows.columnIndex(column.column);
    m_records->setRows(std::move(rows), sources);
    if (m_fitsEachFill)
        fitColumns();
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
