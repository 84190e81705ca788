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

class RecordGrid : public QTreeView {
    Q_OBJECT
public:
    explicit RecordGrid(QList<ListColumn> columns, QWidget* parent = nullptr);

    RecordTableModel* records() const { return m_records; }
    int rowCount() const { return m_records->rowCount(); }
    // A cell as shown.
    QString text(int row, int column) const { return m_records->index(row, column).data().toString(); }

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

    // The width the shown columns take, in pixels.
    int columnsWidth() const;

signals:
    // A double-click on a row, or Enter in the grid.
    void chosen();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    RecordTableModel* m_records = nullptr;
    bool m_selectsFirstRow = false;
};
