#pragma once
#include "recordtablemodel.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <functional>

// A query's result as the data layer read it: column names and rows of values.
struct ExportTable {
    QStringList columns;
    QList<QVariantList> rows;
};

// Rows read one at a time as the sheet is written, so that a list of any
// length is never copied: how many, the widest, and row i (from 0).
struct ExportRows {
    int count = 0;
    int columns = 0;
    std::function<QVariantList(int)> row;
};

// Values written from a top-left cell, row by row, left to right.
struct ExportCells {
    QString topLeft;
    QList<QVariantList> rows; // or, when it reads rows, source
    // The rows the template keeps for them, 0 for no bound: for each row
    // beyond, a copy of the area's last row is inserted below it, moving down
    // what stands under the area (totals, signatures), whose sums then cover
    // every row.
    int areaRows = 0;
    // Each column's format, as a list shows it: a figure column's values
    // (numbers or their shown texts) become number cells showing "0.00", "0"
    // or "0%". None: every value as it is, in its cell's own format.
    QList<CellFormat> formats = {};
    ExportRows source = {};

    // A query's whole result from "a2" on, every column (names not written).
    static ExportCells query(const ExportTable& table) { return {QStringLiteral("a2"), table.rows}; }
    static ExportCells cell(const QString& reference, const QVariant& value) { return {reference, {{value}}}; }
    // The rows, read from whichever of the two holds them.
    ExportRows rowSource() const;
};

// How one form hands a list to the spreadsheet program.
struct ExcelExport {
    QString templateName;    // "data.xls" … "data6.xls", "销售单.xls"
    int sheet = 1;           // worksheet number (4 for the printed sales slip)
    QStringList clearRanges; // cleared in order, formats kept; none to clear nothing
    // Row 1, columns 1 to n: a list's column headers. Empty when the template's
    // own row 1 stays, when a grid's header row comes with the data, or none.
    QStringList headers;
    QList<ExportCells> data; // a query at "a2", a list or grid, single cells
    // A failed step is passed over and the next one runs; when false the
    // first failure ends the export and nothing is opened.
    bool skipFailures = true;
};

struct ExportOutcome {
    QString file;  // the filled workbook handed to the desktop, "" when none
    QString error; // the first step that failed, "" when none did
};

// Fills a copy of the template (the shop's own in AppPath, else the delivered
// one) and hands it to the desktop under a new name in the temporary folder.
// The template is never written. The rows go into the sheet as it is written,
// under the window of long work, so what the export holds stays near what
// the list already holds, however long it is. A template that cannot be read as a workbook
// is told to the user; forms that pass other failures over silently ignore the
// outcome.
ExportOutcome ExportToExcel(const ExcelExport& request);
