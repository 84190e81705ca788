#include "rows.h"
#include "module2.h"

Rows::Rows(QStringList columns, QList<QVariantList> data)
    : m_columns(std::move(columns))
    , m_data(std::move(data))
{
    for (int i = 0; i < m_columns.size(); ++i)
        m_index.insert(m_columns[i].toLower(), i);
}

int Rows::columnIndex(const QString& column) const { return m_index.value(column.toLower(), -1); }

QVariant Rows::value(int row, const QString& column) const
{
    const int index = columnIndex(column);
    if (index < 0 || row < 0 || row >= m_data.size())
        return {};
    return m_data[row][index];
}

QString Rows::text(int row, const QString& column) const
{
    return Module2::NumberText(value(row, column));
}

double Rows::number(int row, const QString& column) const { return value(row, column).toDouble(); }
