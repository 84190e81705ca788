#pragma once
// A read-only grid of records: a view over a RecordTableModel whose columns
// are sized in twips (width 0 hides a column, which is still filled), with
// uniform rows and one selected row. Filled by a statement with bound values;
// lists, pickers, lookup lists and records windows are made of it.
#include "dbresult.h"
#include "recordtablemodel.h"

#include <QTreeView>
#include <optional>

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

    // What a fit gives a figure column beside its header and listed figures.
    enum class FigureRoom {
        Widest, // the widest figure the books hold
        Listed, // only the figures listed
    };
    // Widens each shown column to what it needs: its header, the figures
    // as told, and the text of its first rows (a sample: a long list costs
    // no more than a short one). The designed twips, or the width a column
    // has, are a floor.
    void fitColumnsToContents(FigureRoom figures = FigureRoom::Widest);
    // Sets each shown column to what it needs with room for the widest
    // figure, narrower than its designed twips where they ask more, for a
    // design whose twips pass the screen.
    void sizeColumnsToContents();
    // Each fill widens the columns to the rows it lists.
    void fitEachFill(FigureRoom figures) { m_fillFit = figures; }

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
    int neededWidth(int column, FigureRoom figures) const;

    RecordTableModel* m_records = nullptr;
    bool m_selectsFirstRow = false;
    std::optional<FigureRoom> m_fillFit;
};
