#pragma once
#include <QHash>
#include <QList>
#include <QStringList>
#include <QVariant>
#include <optional>

// The rows a statement returned, read whole: the count is known at once and
// fields are read by column name or index (NULL reads as an invalid QVariant).
// Values are kept as the engine gave them, texts as UTF-8 in one block, and
// become QVariants only when read: a list of thousands of rows costs two
// allocations, not one per cell.
class Rows {
public:
    Rows() = default;

    int count() const { return m_rowCount; }
    bool isEmpty() const { return m_rowCount == 0; }
    const QStringList& columns() const { return m_columns; }
    // Every row as values; made on the first call.
    const QList<QVariantList>& data() const;
    int columnIndex(const QString& column) const;

    QVariant value(int row, int column) const;
    QVariant value(int row, const QString& column) const;
    // A number reads as its plain text ("3", "12.5"), NULL as "".
    QString text(int row, const QString& column) const;
    double number(int row, const QString& column) const;
    // Adds a column of numbers to the rows read, one per row, so that a
    // figure worked out from them shows in the same list.
    void appendColumn(const QString& column, const QList<double>& numbers);

    // The stored bytes of a text (UTF-8), without making a QString of them;
    // a null view for any other value. Valid while the rows live.
    QByteArrayView utf8(int row, int column) const;

private:
    friend class DbSession;
    explicit Rows(QStringList columns);
    void appendNull();
    void appendInteger(qint64 value);
    void appendReal(double value);
    void appendText(const char* utf8, int size);
    void appendBlob(const void* bytes, int size);
    void endRow() { ++m_rowCount; }

    enum class Kind : quint8 { Null, Integer, Real, Text, Blob };
    struct Cell {
        Kind kind = Kind::Null;
        union {
            qint64 integer;
            double real;
            struct {
                quint32 offset;
                quint32 size;
            } bytes;
        };
    };

    QStringList m_columns;
    QHash<QString, int> m_index;
    int m_rowCount = 0;
    QList<Cell> m_cells; // row by row
    QByteArray m_bytes;  // the texts and blobs the cells point into
    mutable std::optional<QList<QVariantList>> m_data;
};
