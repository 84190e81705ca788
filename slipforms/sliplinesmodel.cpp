#include "sliplinesmodel.h"
#include "recordtablemodel.h"

#include <numeric>

QList<LineColumn> GoodsLineColumns()
{
    return {{.header = QStringLiteral("商品编号"), .field = LineField::GoodsCode, .widthTwips = 0},
            {.header = QStringLiteral("商品名称"), .field = LineField::GoodsName, .widthTwips = 4586},
            {.header = QStringLiteral("规格"), .field = LineField::Size, .widthTwips = 2117},
            {.header = QStringLiteral("单位"), .field = LineField::Unit, .widthTwips = 1411},
            {.header = QStringLiteral("数量"), .field = LineField::Quantity, .widthTwips = 2117, .alignment = Qt::AlignRight},
            {.header = QStringLiteral("单价"), .field = LineField::Price, .widthTwips = 2117, .alignment = Qt::AlignRight},
            {.header = QStringLiteral("金额"), .field = LineField::Amount, .widthTwips = 2469, .alignment = Qt::AlignRight},
            {.header = QStringLiteral("类别"), .field = LineField::Category, .widthTwips = 1799},
            {.header = QStringLiteral("库存上限"), .field = LineField::UpperLimit, .widthTwips = 0},
            {.header = QStringLiteral("库存下限"), .field = LineField::LowerLimit, .widthTwips = 0}};
}

SlipLinesModel::SlipLinesModel(QList<LineColumn> columns, LineRule rule, QObject* parent)
    : QAbstractTableModel(parent)
    , m_columns(std::move(columns))
    , m_rule(rule)
{
}

int SlipLinesModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : int(m_lines.size()); }
int SlipLinesModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : int(m_columns.size()); }

QString SlipLinesModel::text(int row, LineField field) const
{
    const EntryLine& line = m_lines.at(row);
    const SlipLine& v = line.values;
    switch (field) {
    case LineField::GoodsCode:
        return v.goodsCode;
    case LineField::GoodsName:
        return v.goodsName;
    case LineField::Size:
        return v.size;
    case LineField::Unit:
        return v.unit;
    case LineField::Quantity:
        return line.quantityText;
    case LineField::Price:
        return line.priceText;
    case LineField::Amount:
        return v.amount.toMoneyText();
    case LineField::Category:
        return v.category;
    case LineField::UpperLimit:
        return v.upperLimit.toPlainText();
    case LineField::LowerLimit:
        return v.lowerLimit.toPlainText();
    case LineField::UnitCost:
        return v.unitCost.toMoneyText();
    case LineField::CostAmount:
        return v.costAmount.toMoneyText();
    case LineField::Profit:
        return LineFiguresOf(m_rule, v, {}, false).profit.toMoneyText();
    case LineField::BookQuantity:
        return v.bookQuantity.toMoneyText();
    case LineField::Gain:
        return v.gain.toMoneyText();
    }
    return {};
}

QVariant SlipLinesModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= m_lines.size() || index.column() >= m_columns.size())
        return {};
    const LineColumn& column = m_columns[index.column()];
    if (role == Qt::DisplayRole)
        return text(index.row(), column.field);
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(column.alignment | Qt::AlignVCenter);
    return {};
}

QVariant SlipLinesModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    return columnHeaderData(m_columns, section, orientation, role);
}

QList<SlipLine> SlipLinesModel::slipLines() const
{
    QList<SlipLine> lines;
    lines.reserve(m_lines.size());
    for (const EntryLine& line : m_lines)
        lines << line.values;
    return lines;
}

// What the books take from a line is what it shows.
EntryLine SlipLinesModel::asShown(EntryLine line) const
{
    SlipLine& v = line.values;
    v.quantity = Amount::fromText(line.quantityText);
    v.price = Amount::fromText(line.priceText);
    const LineFigures figures = LineFiguresOf(m_rule, v, {}, false);
    v.amount = figures.amount;
    v.costAmount = figures.cost;
    v.gain = figures.gain;
    return line;
}

void SlipLinesModel::add(EntryLine line)
{
    const int at = int(m_lines.size());
    beginInsertRows({}, at, at);
    m_lines << asShown(std::move(line));
    endInsertRows();
}

void SlipLinesModel::change(int row, EntryLine line)
{
    if (row < 0 || row >= m_lines.size())
        return;
    m_lines[row] = asShown(std::move(line));
    emit dataChanged(index(row, 0), index(row, columnCount() - 1));
}

void SlipLinesModel::remove(int row)
{
    if (row < 0 || row >= m_lines.size())
        return;
    beginRemoveRows({}, row, row);
    m_lines.removeAt(row);
    endRemoveRows();
}

void SlipLinesModel::clear()
{
    beginResetModel();
    m_lines.clear();
    endResetModel();
}

int SlipLinesModel::find(const QString& goodsCode, const QString& priceText) const
{
    for (int row = 0; row < m_lines.size(); ++row) {
        if (m_lines[row].values.goodsCode == goodsCode && m_lines[row].priceText == priceText)
            return row;
    }
    return -1;
}

Amount SlipLinesModel::quantityOf(const QString& goodsCode) const
{
    Amount sum;
    for (const EntryLine& line : m_lines) {
        if (line.values.goodsCode == goodsCode)
            sum += line.values.quantity;
    }
    return sum;
}

void SlipLinesModel::fillTotals(SlipHeader& header) const { fillTotals(m_lines, header); }

void SlipLinesModel::fillTotals(const QList<EntryLine>& lines, SlipHeader& header) const
{
    const auto total = [&lines](Amount SlipLine::*field) {
        return std::accumulate(lines.begin(), lines.end(), Amount(),
                               [field](Amount sum, const EntryLine& line) { return sum + line.values.*field; })
            .rounded(2);
    };
    header.totalQuantity = total(m_rule == LineRule::Count ? &SlipLine::gain : &SlipLine::quantity);
    header.totalAmount = total(&SlipLine::amount);
    header.totalCost = total(&SlipLine::costAmount);
    header.totalProfit = header.totalAmount - header.totalCost;
}

bool SlipLinesModel::holds(const EntryLine& line, int row) const
{
    QList<EntryLine> lines = m_lines;
    const EntryLine shown = asShown(line);
    if (row >= 0 && row < lines.size())
        lines[row] = shown;
    else
        lines << shown;
    SlipHeader totals;
    fillTotals(lines, totals);
    const SlipLine& v = shown.values;
    if (!LineFiguresOf(m_rule, v, {}, false).inRange())
        return false;
    for (const Amount& figure :
         {v.quantity, v.price, totals.totalQuantity, totals.totalAmount, totals.totalCost, totals.totalProfit}) {
        if (figure.isOutOfRange())
            return false;
    }
    return true;
}
