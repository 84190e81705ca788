#pragma once
#include <QString>
#include <optional>

// A rectangle of worksheet cells in A1 notation ("a1:m65536", "B12", "$A$2"),
// rows and columns counted from 1, within the sheet's limits (XFD1048576).
struct CellRange {
    int firstRow = 1;
    int firstColumn = 1;
    int lastRow = 1;
    int lastColumn = 1;

    static constexpr int maxRow = 1048576;
    static constexpr int maxColumn = 16384;

    static std::optional<CellRange> parse(const QString& text);
    // "A1" for row 1, column 1.
    static QString cellName(int row, int column);
    // "N" for column 14.
    static QString columnName(int column);

    QString toString() const;
};
