#pragma once
#include "cellrange.h"
#include "xmlpart.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QSet>
#include <QVariant>
#include <functional>
#include <map>
#include <memory>
#include <vector>

class QXmlStreamWriter;

// One worksheet part of a workbook, its cells held by row and column so that
// what is written lands in ascending order among the template's own cells.
// Every cell keeps its format (s) whatever happens to its value.
class Worksheet {
public:
    static std::unique_ptr<Worksheet> load(const QByteArray& data);

    // Values and formulas of the range go; formats stay.
    void clear(const CellRange& range);
    // Numbers become number cells, other values text cells; a null or empty
    // value clears the cell. A new cell takes its row's or column's format.
    void setValue(int row, int column, const QVariant& value);
    // The format a cell has, or the one it takes when first written.
    int formatOf(int row, int column) const;
    void setFormat(int row, int column, int format);
    // Inserts count copies of a row right below it (its height, formats,
    // values and formulas, moved to their rows), and the rows below move
    // down. The sheet's formulas and merged ranges follow; a range that holds
    // the row and more grows over the copies, so a sum of an area ending at
    // the row covers them too. sheetName: the sheet's own name, as its
    // formulas may write it. False, changing nothing, when rows would leave
    // the sheet.
    bool insertRowCopies(int row, int count, const QString& sheetName);

    // Rows written only as the sheet is saved, so that a list of any length
    // is never held as cells: row i (from 0) of count lands in firstRow + i,
    // its values from firstColumn on, over the cells the sheet holds there,
    // which keep their formats unless a value brings its own.
    struct RowStream {
        int firstRow = 1;
        int firstColumn = 1;
        int count = 0;
        int columns = 0; // the widest row, for the sheet's dimension
        // One row's values (a null or empty one clears its cell) and, for
        // each, the format it takes, -1 for the cell's own.
        std::function<void(int index, QVariantList& values, QList<int>& formats)> row;
        QSet<int> formats; // every format row() gives
    };
    // False, adding nothing, when the rows would leave the sheet or meet rows
    // already streamed. Formats replaced afterwards do not reach the rows.
    bool streamRows(RowStream stream);
    // The formats the cells of the range have or take when first written.
    QSet<int> formatsIn(const CellRange& range) const;

    // The cell formats (indexes into the workbook's cellXfs) that the sheet's
    // cells, rows and columns use, and their replacement by others.
    QSet<int> usedFormats() const;
    void replaceFormats(const QHash<int, int>& replacement);

    bool isChanged() const { return m_changed; }
    // Writes the part piece by piece; the streamed rows are made as they go.
    // A formula's stored result was computed over the template's values, so
    // it is left out: the spreadsheet program computes the formula anew.
    bool save(const std::function<bool(const char*, qsizetype)>& sink);

private:
    struct Row {
        XmlNode node; // the row element without its children
        std::map<int, XmlNode> cells;
        std::vector<XmlNode> rest; // anything after the cells (extLst)
        bool changed = false;
    };
    struct ColumnFormat {
        int first;
        int last;
        int format;
    };

    Worksheet() = default;
    bool read(XmlNode sheetData);
    Row& rowAt(int row);
    XmlNode& cellAt(int row, int column);
    int formatForNewCell(const Row& row, int column) const;
    void moveMergedRanges(int row, int count);
    void writeRow(QXmlStreamWriter& writer, int number, const Row& row) const;
    void writeStreamedRow(QXmlStreamWriter& writer, int number, const Row* row, const QVariantList& values,
                          const QList<int>& formats, int firstColumn) const;
    void writeSheetData(QXmlStreamWriter& writer) const;
    QString dimension() const;

    std::unique_ptr<XmlPart> m_part;
    QString m_prefix; // the main namespace's prefix as the part writes it
    std::map<int, Row> m_rows;
    std::vector<ColumnFormat> m_columnFormats;
    std::vector<RowStream> m_streams; // by first row
    bool m_changed = false;
};
