#pragma once
#include "rows.h"

#include <QAbstractTableModel>
#include <QList>
#include <QString>
#include <QVariant>
#include <limits>
#include <utility>

class CharAdvances;

// How a cell shows its raw value; a missing value (NULL) shows nothing.
enum class CellFormat {
    Text,    // trimmed text
    Money,   // "0.00"
    Whole,   // "0"
    Number,  // the plain text of the number ("3", "12.5")
    Percent, // a number of hundredths, whole with "%" ("22.5" is "23%")
};

// The text of a raw value in a format.
QString formatCell(const QVariant& value, CellFormat format);

// What a table's header shows of its columns (any with a header and an
// alignment): each one's caption, aligned as its cells are.
template <typename Column>
QVariant columnHeaderData(const QList<Column>& columns, int section, Qt::Orientation orientation, int role)
{
    if (orientation != Qt::Horizontal || section < 0 || section >= columns.size())
        return {};
    if (role == Qt::DisplayRole)
        return columns[section].header;
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(columns[section].alignment | Qt::AlignVCenter);
    return {};
}

struct ListColumn {
    QString header = {};
    QString column = {}; // the column of the list's statement it shows
    int widthTwips = 0;  // 0 hides the column; it is still filled
    Qt::Alignment alignment = Qt::AlignLeft;
    CellFormat format = CellFormat::Text;

    // The same column filled from another column of the statement than the
    // one its header names.
    ListColumn from(const QString& source) const;
};

// A column filled from the statement's column of its header's name: a
// left-aligned text (or a figure when told its format), or a right-aligned
// figure shown "0.00" unless told.
ListColumn textColumn(const QString& header, int widthTwips, CellFormat format = CellFormat::Text);
ListColumn figureColumn(const QString& header, int widthTwips, CellFormat format = CellFormat::Money);

// The rows of a master list as read, one raw value per column; a cell is
// formatted only when the view asks for it. Rows read from the database stay
// as the data layer holds them; a row written by an editor holds its own values.
class RecordTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    // A cell's value as read or written, unformatted (NULL: an invalid QVariant).
    static constexpr int RawValueRole = Qt::UserRole + 1;

    explicit RecordTableModel(QList<ListColumn> columns, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    const QList<ListColumn>& columns() const { return m_columns; }
    // Renames a column, as a grid does that shows another query in it.
    void setHeader(int column, const QString& header);
    void setRows(QList<QVariantList> rows);
    // Every row of a result; sources gives the result's column of each list
    // column (-1: none, the cell stays empty).
    void setRows(Rows read, QList<int> sources);
    void appendRow(QVariantList row);
    void setRow(int row, QVariantList values);
    void removeRow(int row);

    // The raw values of a row, for an editor that rewrites it.
    QVariantList rawRow(int row) const;
    // The texts that may be the widest each of some columns shows over
    // every row, in their order, for the view to measure whole: found in one
    // pass over the raw values row by row, as a result stores them, texts by
    // their characters' advances, figures by their largest and smallest
    // value; only these few are formatted.
    QList<QStringList> widestTexts(const QList<int>& columns, const CharAdvances& advances) const;
    // The same among some rows, such as those an editor wrote.
    QList<QStringList> widestTexts(const QList<int>& columns, const CharAdvances& advances, int firstRow, int lastRow) const;

private:
    // What may be a column's widest text among the rows looked at so far.
    struct Widest {
        static constexpr qsizetype MaxRows = 4;
        // Texts near the widest by their characters' advances: row, advance.
        QList<std::pair<int, double>> rows;
        double best = -1;
        // Figures that grow with their size are widest at the largest or the smallest.
        int lowest = -1;
        int highest = -1;
        double low = std::numeric_limits<double>::infinity();
        double high = -std::numeric_limits<double>::infinity();
        QByteArrayView previous; // the text of the row before, already considered

        void consider(int row, double width);
        // Below this a text is no candidate.
        double floor() const { return best - best / 20 - 2; }
    };
    void lookAt(Widest& widest, int row, int column, const CharAdvances& advances) const;
    QStringList widestText(const Widest& widest, int column) const;

    QVariant rawValue(int row, int column) const;
    QString text(int row, int column) const;
    int shownCount() const;
    // Makes the list of shown rows, before an editor changes it.
    void editRows();

    // A row of the result by its index, or values of its own.
    struct ShownRow {
        int read = -1;
        QVariantList values;
    };

    QList<ListColumn> m_columns;
    Rows m_read;
    QList<int> m_sources;
    // The shown rows once an editor wrote one (or the rows were given as
    // values); until then the result's rows, in order.
    bool m_edited = true;
    QList<ShownRow> m_rows;
};
