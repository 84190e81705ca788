#pragma once
#include <QJsonObject>
#include <QString>
#include <QStringList>

// The independent reader and writer of workbooks in tests: Debian's openpyxl,
// run with /usr/bin/python3. A failure is printed and answered with false.
namespace Openpyxl {
// Runs the body after "wb = openpyxl.Workbook(); ws = wb.active" (openpyxl and
// its styles imported) and saves wb to path.
bool write(const QString& path, const QString& body);

// The whole workbook as JSON:
//   sheets: [{name, cells: {"A1": {v, t, fmt, bold, wrap}}, merged: ["A1:C1"],
//             heights: {"5": 30}, printArea: "$A$1:$G$49" or ""}] in tab order,
//   active: the index of the active sheet,
//   entries: {part name: CRC-32 of its content},
//   ordered: {worksheet part: rows and cells stand in ascending order},
//   dimensions: {worksheet part: the used range its dimension element states}.
// A cell is listed when it holds a value or a format; t is openpyxl's data
// type ("s" text, "n" number, "f" formula), wrap is null when not set. A
// formula cell also has stored: the result the file keeps for it, null for none.
bool read(const QString& path, QJsonObject* book);

// The first sheet read row by row (for long lists): the rows below row 1 and
// the sum of the numbers in one column (0-based) of them.
bool columnTotal(const QString& path, int column, int* rows, double* sum);

// A cell of a sheet in the read workbook (0-based sheet index); empty when absent.
QJsonObject cell(const QJsonObject& book, int sheet, const QString& reference);
}
