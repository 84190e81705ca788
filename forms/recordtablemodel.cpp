#include "recordtablemodel.h"
#include "textwidths.h"
#include "amount.h"
#include "module2.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

namespace {
// A figure whose shown text grows with its size alone: money, whole numbers,
// percentages, and the plain text of a whole number.
bool growsWithSize(CellFormat format, double value)
{
    if (format == CellFormat::Money || format == CellFormat::Whole || format == CellFormat::Percent)
        return true;
    return std::abs(value) < 1e15 && value == std::trunc(value);
}
}

RecordTableModel::RecordTableModel(QList<ListColumn> columns, QObject* parent)
    : QAbstractTableModel(parent)
    , m_columns(std::move(columns))
{
}

int RecordTableModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : shownCount(); }

int RecordTableModel::shownCount() const { return m_edited ? int(m_rows.size()) : m_read.count(); }

void RecordTableModel::editRows()
{
    if (std::exchange(m_edited, true))
        return;
    m_rows.reserve(m_read.count() + 1);
    for (int r = 0; r < m_read.count(); ++r)
        m_rows.append(ShownRow{r, {}});
}
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
    if (!index.isValid() || index.row() >= shownCount())
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
    m_edited = true;
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
    // The result's rows are shown as they are; a list of them is made only
    // when an editor writes one.
    m_edited = false;
    m_rows.clear();
    endResetModel();
}

void RecordTableModel::appendRow(QVariantList row)
{
    row.resize(m_columns.size());
    editRows();
    const int at = int(m_rows.size());
    beginInsertRows({}, at, at);
    m_rows.append(ShownRow{-1, std::move(row)});
    endInsertRows();
}

void RecordTableModel::setRow(int row, QVariantList values)
{
    if (row < 0 || row >= shownCount())
        return;
    values.resize(m_columns.size());
    editRows();
    m_rows[row] = ShownRow{-1, std::move(values)};
    emit dataChanged(index(row, 0), index(row, columnCount() - 1));
}

void RecordTableModel::removeRow(int row)
{
    if (row < 0 || row >= shownCount())
        return;
    editRows();
    beginRemoveRows({}, row, row);
    m_rows.removeAt(row);
    endRemoveRows();
}

QVariant RecordTableModel::rawValue(int row, int column) const
{
    if (row < 0 || row >= shownCount() || column < 0 || column >= m_columns.size())
        return {};
    if (!m_edited)
        return m_read.value(row, m_sources.value(column, -1));
    const ShownRow& own = m_rows[row];
    return own.read < 0 ? own.values.value(column) : m_read.value(own.read, m_sources.value(column, -1));
}

QVariantList RecordTableModel::rawRow(int row) const
{
    if (row < 0 || row >= shownCount())
        return {};
    QVariantList values;
    values.reserve(m_columns.size());
    for (int c = 0; c < m_columns.size(); ++c)
        values << rawValue(row, c);
    return values;
}

QList<QStringList> RecordTableModel::widestTexts(const QList<int>& columns, const CharAdvances& advances) const
{
    return widestTexts(columns, advances, 0, shownCount() - 1);
}

QList<QStringList> RecordTableModel::widestTexts(const QList<int>& columns, const CharAdvances& advances, int firstRow,
                                                 int lastRow) const
{
    QList<Widest> widest(columns.size());
    // Row by row: a long result is read through once, not once a column.
    const int last = std::min(lastRow, shownCount() - 1);
    for (int row = std::max(firstRow, 0); row <= last; ++row) {
        for (qsizetype i = 0; i < columns.size(); ++i)
            lookAt(widest[i], row, columns[i], advances);
    }
    QList<QStringList> texts;
    texts.reserve(columns.size());
    for (qsizetype i = 0; i < columns.size(); ++i)
        texts << widestText(widest[i], columns[i]);
    return texts;
}

void RecordTableModel::Widest::consider(int row, double width)
{
    // Kerning takes a little off a text's characters, more in a longer one:
    // a text a little narrower by its characters may still be the widest
    // drawn (the floor's slack). Texts of the same advances (dates, numbers)
    // are measured once.
    if (width < floor() || std::any_of(rows.cbegin(), rows.cend(), [width](const auto& r) { return r.second == width; }))
        return;
    if (width > best) {
        best = width;
        rows.removeIf([least = floor()](const auto& r) { return r.second < least; });
    }
    rows.append({row, width});
    if (rows.size() > MaxRows)
        rows.erase(std::min_element(rows.begin(), rows.end(), [](const auto& a, const auto& b) { return a.second < b.second; }));
}

void RecordTableModel::lookAt(Widest& widest, int row, int column, const CharAdvances& advances) const
{
    if (column < 0 || column >= m_columns.size())
        return;
    const int read = m_edited ? m_rows[row].read : row;
    if (read < 0) {
        widest.consider(row, advances.estimate(text(row, column)));
        return;
    }
    const int source = m_sources.value(column, -1);
    if (source < 0)
        return;
    const CellFormat format = m_columns[column].format;
    // A text is measured on its stored bytes, without making a string of it.
    if (format == CellFormat::Text) {
        if (const QByteArrayView bytes = m_read.utf8(read, source); !bytes.isNull()) {
            // A text repeating the row before (a day, an operator) or too
            // short to reach the widest known needs no adding up.
            if (bytes != std::exchange(widest.previous, bytes)
                && double(bytes.size()) * advances.widestPerByte() >= widest.floor())
                widest.consider(row, advances.estimate(bytes));
            return;
        }
    }
    const QVariant value = m_read.value(read, source);
    const int type = value.typeId();
    if (type == QMetaType::QString) {
        // A figure stored as text.
        widest.consider(row, advances.estimate(text(row, column)));
        return;
    }
    if (type != QMetaType::Double && type != QMetaType::LongLong)
        return;
    const double number = value.toDouble();
    if (!growsWithSize(format, number)) {
        widest.consider(row, advances.estimate(text(row, column)));
        return;
    }
    if (number < widest.low) {
        widest.low = number;
        widest.lowest = row;
    }
    if (number > widest.high) {
        widest.high = number;
        widest.highest = row;
    }
}

QStringList RecordTableModel::widestText(const Widest& widest, int column) const
{
    QStringList texts;
    for (const auto& [row, width] : widest.rows)
        texts << text(row, column);
    for (int row : {widest.lowest, widest.highest}) {
        if (row >= 0)
            texts << text(row, column);
    }
    return texts;
}

QString RecordTableModel::text(int row, int column) const
{
    if (column < 0 || column >= m_columns.size())
        return {};
    return formatCell(rawValue(row, column), m_columns[column].format);
}
