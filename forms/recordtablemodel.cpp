#include "recordtablemodel.h"
#include "amount.h"
#include "module2.h"

#include <cmath>

RecordTableModel::RecordTableModel(QList<ListColumn> columns, QObject* parent)
    : QAbstractTableModel(parent)
    , m_columns(std::move(columns))
{
}

int RecordTableModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : int(m_rows.size()); }
int RecordTableModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : int(m_columns.size()); }

ListColumn ListColumn::from(const QString& source) const
{
    ListColumn shown = *this;
    shown.column = source;
    return shown;
}

ListColumn textColumn(const QString& header, int widthTwips, CellFormat format)
{
    return {.header = header, .column = header, .widthTwips = widthTwips, .format = format};
}

ListColumn figureColumn(const QString& header, int widthTwips, CellFormat format)
{
    return {.header = header, .column = header, .widthTwips = widthTwips, .alignment = Qt::AlignRight, .format = format};
}

QString formatCell(const QVariant& value, CellFormat format)
{
    if (value.isNull())
        return {};
    // A figure past the limit (its text, or the NaN Amount::toDouble gives
    // for it) is told, never shown as 0.
    if (format != CellFormat::Text
        && ((value.typeId() == QMetaType::QString && value.toString() == Amount::outOfRangeText())
            || (value.typeId() == QMetaType::Double && std::isnan(value.toDouble()))))
        return Amount::outOfRangeText();
    switch (format) {
    case CellFormat::Text:
        return value.toString().trimmed();
    case CellFormat::Money:
        return value.typeId() == QMetaType::QString ? Module2::FormatMoney(value.toString())
                                                    : Module2::FormatMoney(value.toDouble());
    case CellFormat::Whole:
        return value.typeId() == QMetaType::QString ? Module2::FormatInt(value.toString()) : Module2::FormatInt(value.toDouble());
    case CellFormat::Number:
        return Module2::NumberText(value);
    case CellFormat::Percent:
        return formatCell(value, CellFormat::Whole) + QLatin1Char('%');
    }
    return {};
}

QVariant RecordTableModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= m_rows.size())
        return {};
    if (role == Qt::DisplayRole)
        return text(index.row(), index.column());
    if (role == RawValueRole)
        return rawValue(index.row(), index.column());
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(m_columns[index.column()].alignment | Qt::AlignVCenter);
    return {};
}

QVariant RecordTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    return columnHeaderData(m_columns, section, orientation, role);
}

void RecordTableModel::setHeader(int column, const QString& header)
{
    if (column < 0 || column >= m_columns.size() || m_columns[column].header == header)
        return;
    m_columns[column].header = header;
    emit headerDataChanged(Qt::Horizontal, column, column);
}

void RecordTableModel::setRows(QList<QVariantList> rows)
{
    beginResetModel();
    m_read = {};
    m_sources.clear();
    m_rows.clear();
    m_rows.reserve(rows.size());
    for (QVariantList& values : rows) {
        values.resize(m_columns.size());
        m_rows.append(ShownRow{-1, std::move(values)});
    }
    endResetModel();
}

void RecordTableModel::setRows(Rows read, QList<int> sources)
{
    beginResetModel();
    m_read = std::move(read);
    m_sources = std::move(sources);
    m_rows.clear();
    m_rows.reserve(m_read.count());
    for (int r = 0; r < m_read.count(); ++r)
        m_rows.append(ShownRow{r, {}});
    endResetModel();
}

void RecordTableModel::appendRow(QVariantList row)
{
    row.resize(m_columns.size());
    const int at = int(m_rows.size());
    beginInsertRows({}, at, at);
    m_rows.append(ShownRow{-1, std::move(row)});
    endInsertRows();
}

void RecordTableModel::setRow(int row, QVariantList values)
{
    if (row < 0 || row >= m_rows.size())
        return;
    values.resize(m_columns.size());
    m_rows[row] = ShownRow{-1, std::move(values)};
    emit dataChanged(index(row, 0), index(row, columnCount() - 1));
}

void RecordTableModel::removeRow(int row)
{
    if (row < 0 || row >= m_rows.size())
        return;
    beginRemoveRows({}, row, row);
    m_rows.removeAt(row);
    endRemoveRows();
}

QVariant RecordTableModel::rawValue(int row, int column) const
{
    if (row < 0 || row >= m_rows.size() || column < 0 || column >= m_columns.size())
        return {};
    const ShownRow& shown = m_rows[row];
    return shown.read < 0 ? shown.values.value(column) : m_read.value(shown.read, m_sources.value(column, -1));
}

QVariantList RecordTableModel::rawRow(int row) const
{
    if (row < 0 || row >= m_rows.size())
        return {};
    QVariantList values;
    values.reserve(m_columns.size());
    for (int c = 0; c < m_columns.size(); ++c)
        values << rawValue(row, c);
    return values;
}

QString RecordTableModel::text(int row, int column) const
{
    if (column < 0 || column >= m_columns.size())
        return {};
    return formatCell(rawValue(row, column), m_columns[column].format);
}
