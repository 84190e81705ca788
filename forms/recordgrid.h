#pragma once
// A read-only grid of records: a view over a RecordTableModel whose columns
// are sized in twips (width 0 hides a column, which is still filled), with
// uniform rows and one selected row. Filled by a statement with bound values;
// lists, pickers, lookup lists and records windows are made of it.
#include "dbresult.h"
#include "recordtablemodel.h"

#include <QTreeView>

// Makes a view a grid of records: uniform rows, whole rows selected one at a
// time, nothing edited in place, each column as wide as its twips (0 hides it).
void SetUpRecordView(QTreeView* view, const QList<int>& widthsTwips);

// Widens each shown column of a view that is narrower than its header, or,
// where figures says it shows money or quantities, than the widest figure
// the books hold: the designed twips are a floor.
void FitColumnsToContents(QTreeView* view, const QList<bool>& figures);

// A grid of records that asks for the width its shown columns take, so its
// window opens showing every column.
class RecordView : public QTreeView {
    Q_OBJECT
public:
    using QTreeView::QTreeView;

    // The width the shown columns take, in pixels.
    int columnsWidth() const;
    QSize sizeHint() const override;
};

class RecordGrid : public RecordView {
    Q_OBJECT
public:
    explicit RecordGrid(QList<ListColumn> columns, QWidget* parent = nullptr);

    RecordTableModel* records() const { return m_records; }
    int rowCount() const { return m_records->rowCount(); }
    // A cell as shown.
    QString text(int row, int column) const { return m_records->index(row, column).data().toString(); }

    // Fits the columns to their headers, and those showing "0.00" or plain
    // numbers to the widest figure.
    void fitColumnsToContents();

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

private:
    RecordTableModel* m_records = nullptr;
    bool m_selectsFirstRow = false;
};
