#include "rows.h"
#include "module2.h"

Rows::Rows(QStringList columns)
    : m_columns(std::move(columns))
{
    for (int i = 0; i < m_columns.size(); ++i)
        m_index.insert(m_columns[i].toLower(), i);
}

void Rows::appendNull() { m_cells.append(Cell{}); }

void Rows::appendInteger(qint64 value)
{
    Cell cell;
    cell.kind = Kind::Integer;
    cell.integer = value;
    m_cells.append(cell);
}

void Rows::appendReal(double value)
{
    Cell cell;
    cell.kind = Kind::Real;
    cell.real = value;
    m_cells.append(cell);
}

void Rows::appendText(const char* utf8, int size)
{
    Cell cell;
    cell.kind = Kind::Text;
    cell.bytes = {quint32(m_bytes.size()), quint32(size)};
    m_bytes.append(utf8, size);
    m_cells.append(cell);
}

void Rows::appendBlob(const void* bytes, int size)
{
    Cell cell;
    cell.kind = Kind::Blob;
    cell.bytes = {quint32(m_bytes.size()), quint32(size)};
    m_bytes.append(static_cast<const char*>(bytes), size);
    m_cells.append(cell);
}

void Rows::appendColumn(const QString& column, const QList<double>& numbers)
{
    Q_ASSERT(numbers.size() == m_rowCount);
    const qsizetype width = m_columns.size();
    QList<Cell> cells;
    cells.reserve(m_rowCount * (width + 1));
    for (int r = 0; r < m_rowCount; ++r) {
        for (qsizetype c = 0; c < width; ++c)
            cells.append(m_cells[r * width + c]);
        Cell number;
        number.kind = Kind::Real;
        number.real = numbers[r];
        cells.append(number);
    }
    m_cells = std::move(cells);
    m_index.insert(column.toLower(), int(width));
    m_columns << column;
    m_data.reset();
}

const QList<QVariantList>& Rows::data() const
{
    if (!m_data) {
        QList<QVariantList> data;
        data.reserve(m_rowCount);
        for (int r = 0; r < m_rowCount; ++r) {
            QVariantList row;
            row.reserve(m_columns.size());
            for (int c = 0; c < m_columns.size(); ++c)
                row << value(r, c);
            data << std::move(row);
        }
        m_data = std::move(data);
    }
    return *m_data;
}

int Rows::columnIndex(const QString& column) const { return m_index.value(column.toLower(), -1); }

QVariant Rows::value(int row, int column) const
{
    if (row < 0 || row >= m_rowCount || column < 0 || column >= m_columns.size())
        return {};
    const Cell& cell = m_cells[qsizetype(row) * m_columns.size() + column];
    switch (cell.kind) {
    case Kind::Null:
        return {};
    case Kind::Integer:
        return cell.integer;
    case Kind::Real:
        return cell.real;
    case Kind::Text:
        return QString::fromUtf8(m_bytes.constData() + cell.bytes.offset, cell.bytes.size);
    case Kind::Blob:
        return m_bytes.mid(cell.bytes.offset, cell.bytes.size);
    }
    return {};
}

QByteArrayView Rows::utf8(int row, int column) const
{
    if (row < 0 || row >= m_rowCount || column < 0 || column >= m_columns.size())
        return {};
    const Cell& cell = m_cells[qsizetype(row) * m_columns.size() + column];
    if (cell.kind != Kind::Text)
        return {};
    return QByteArrayView(m_bytes.constData() + cell.bytes.offset, cell.bytes.size);
}

QVariant Rows::value(int row, const QString& column) const { return value(row, columnIndex(column)); }

QString Rows::text(int row, const QString& column) const { return Module2::NumberText(value(row, column)); }

double Rows::number(int row, const QString& column) const { return value(row, column).toDouble(); }
