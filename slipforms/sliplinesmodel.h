#pragma once
// The goods lines of a slip under entry: one typed line per row, shown in the
// columns of the slip form's list. Quantity and price show their texts as
// entered (lines merge by goods code and exact price text); amounts show
// "0.00". Every slip-entry form keeps its lines here, and its totals are the
// sums of the shown values. A stocktake's lines are counts: each one's gain
// and amount always follow from its counted and book quantities and price.
#include "linefigures.h"

#include <QAbstractTableModel>
#include <QList>

// A line as the form entered it: the books' values, and the texts of its
// quantity and price as the list shows them; the model takes the line's
// quantity and price from those texts.
struct EntryLine {
    SlipLine values;
    QString quantityText;
    QString priceText;
};

// What a column of the line list shows.
enum class LineField {
    GoodsCode,
    GoodsName,
    Size,
    Unit,
    Quantity,
    Price,
    Amount,
    Category,
    UpperLimit,
    LowerLimit,
    UnitCost,
    CostAmount,
    Profit,
    BookQuantity,
    Gain,
};

struct LineColumn {
    QString header;
    LineField field;
    int widthTwips = 0; // 0 hides the column
    Qt::Alignment alignment = Qt::AlignLeft;
};

// The columns every goods line list starts with: 商品编号 (hidden), 商品名称,
// 规格, 单位, 数量, 单价, 金额, 类别, 库存上限 and 库存下限 (both hidden).
QList<LineColumn> GoodsLineColumns();

class SlipLinesModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit SlipLinesModel(QList<LineColumn> columns, LineRule rule = LineRule::Goods, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    const QList<LineColumn>& columns() const { return m_columns; }
    const EntryLine& line(int row) const { return m_lines.at(row); }
    QList<SlipLine> slipLines() const;
    bool isEmpty() const { return m_lines.isEmpty(); }

    void add(EntryLine line);
    void change(int row, EntryLine line);
    void remove(int row);
    void clear();

    // The first line of the goods whose price text is exactly priceText, -1 when none.
    int find(const QString& goodsCode, const QString& priceText) const;
    // The quantity of every line of the goods, at any price.
    Amount quantityOf(const QString& goodsCode) const;

    // Writes the slip's totals into its header, each to the cent as the form
    // shows them: 合计数量 (the quantities, or the gains of counted lines),
    // 合计金额, 合计成本, and 合计利润 as the amount less the cost.
    void fillTotals(SlipHeader& header) const;
    // Whether the line, put in at row (added when row is -1), keeps its
    // figures and the slip's totals within what the books hold.
    bool holds(const EntryLine& line, int row) const;

    QString text(int row, LineField field) const;

private:
    EntryLine asShown(EntryLine line) const;
    void fillTotals(const QList<EntryLine>& lines, SlipHeader& header) const;

    QList<LineColumn> m_columns;
    LineRule m_rule;
    QList<EntryLine> m_lines;
};
