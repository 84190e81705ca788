#pragma once
// A read-only grid of records: a view over a RecordTableModel whose columns
// are sized in twips (width 0 hides a column, which is still filled), with
// uniform rows and one selected row. Filled by a statement with bound values;
// lists, pickers, lookup lists and records windows are made of it.
#include "dbresult.h"
#include "recordtablemodel.h"
#include "textwidths.h"

#include <QTreeView>

// Makes a view a grid of records: uniform rows, whole rows selected one at a
// time, nothing edited in place, each column as wide as its twips (0 hides it).
// The twips are where a list starts: a fit replaces them.
void SetUpRecordView(QTreeView* view, const QList<int>& widthsTwips);

class RecordView;

// Sets each shown column of a view to what its header and the widest text it
// lists need in the view's font, reading every row: for short lists such as a
// slip's lines. Then again at every change of the model, widening the window
// as far as the screen allows.
void FitColumnsEachChange(RecordView* view);

// A grid of records that asks for the width its shown columns take, so its
// window opens showing every column. Its cells are drawn on one line and
// never elided: its columns are fitted to what they show.
class RecordView : public QTreeView {
    Q_OBJECT
public:
    explicit RecordView(QWidget* parent = nullptr);

    // The width the shown columns take, in pixels.
    int columnsWidth() const;
    // Widens the view's window (a child window in its area, or a window of
    // its own on its screen) to show every column, as far as that room allows.
    void widenWindow();
    // The rows the view asks room for when its window opens (0: Qt's default height).
    void setShownRows(int rows) { m_shownRows = rows; }
    QSize sizeHint() const override;

private:
    int m_shownRows = 0;
};

class RecordGrid : public RecordView {
    Q_OBJECT
public:
    explicit RecordGrid(QList<ListColumn> columns, QWidget* parent = nullptr);

    RecordTableModel* records() const { return m_records; }
    int rowCount() const { return m_records->rowCount(); }
    // A cell as shown.
    QString text(int row, int column) const { return m_records->index(row, column).data().toString(); }

    // Each fill sets every shown column to what its header and the widest
    // value of the whole result need (the longest text, measured once), and a
    // row written later widens them; the window widens to show them, as far
    // as the screen allows. The list starts at its twips where they leave its
    // window on the screen, else at what its headers need.
    void fitEachFill();
    // The Part's widths stay whatever a fill holds: a longer text ends in
    // "…", whole in its tool tip, while figure columns widen at each fill to
    // their widest figure, so no figure is cut.
    void keepTextWidths();

    // Whether a fill leaves its first row selected.
    void setSelectsFirstRow(bool on) { m_selectsFirstRow = on; }
    // The rows of a statement with its values bound, each column showing the
    // result's column of its name; the session is closed before the result
    // is handed back. A failure leaves the grid empty.
    DbStatus fill(const QString& sql, const QVariantList& params = {});
    void fill(Rows rows);
    // Shows the first row of a result in a row, as fill() would.
    void refillRow(int row, const Rows& read);
    void clear();

    // The row marked selected, -1 when none.
    int selectedRow() const;
    void selectRow(int row);

signals:
    // A double-click on a row, or Enter in the grid.
    void chosen();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void fitColumns();
    void fitFigures();
    int headerWidth(int column) const;
    QList<int> shownColumns() const;
    // What the widest of each shown column's candidates needs, in their order.
    QList<int> widestCells(const QList<QStringList>& candidates) const;
    const CharAdvances& advances() const;
    void widenColumn(int column, int width);
    void widenRows(int firstRow, int lastRow);

    RecordTableModel* m_records = nullptr;
    bool m_selectsFirstRow = false;
    bool m_fitsEachFill = false;
    mutable QList<int> m_headerWidths; // by column, measured once; empty: not yet
};
