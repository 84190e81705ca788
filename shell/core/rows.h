#pragma once
#include <QHash>
#include <QList>
#include <QStringList>
#include <QVariant>

// The rows a statement returned, read whole: the count is known at once and
// fields are read by column name (NULL reads as an invalid QVariant).
class Rows {
public:
    Rows() = default;
    Rows(QStringList columns, QList<QVariantList> data);

    int count() const { return int(m_data.size()); }
    bool isEmpty() const { return m_data.isEmpty(); }
    const QStringList& columns() const { return m_columns; }
    const QList<QVariantList>& data() const { return m_data; }
    int columnIndex(const QString& column) const;

    QVariant value(int row, const QString& column) const;
    // A number reads as its plain text ("3", "12.5"), NULL as "".
    QString text(int row, const QString& column) const;
    double number(int row, const QString& column) const;

private:
    QStringList m_columns;
    QHash<QString, int> m_index;
    QList<QVariantList> m_data;
};
