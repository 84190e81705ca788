#pragma once
#include "exporttoexcel.h"
#include "recordtablemodel.h"

#include <memory>

// A list as the operator sees it, into the first sheet of a template: the
// headers of its shown columns (a column of width 0 is left out) in row 1,
// their cells below, figures as numbers; what stood in those columns before
// is cleared. The rows are read from the list as the sheet is written, so the
// list must outlive the export.
ExcelExport ShownListExport(const QString& templateName, const RecordTableModel& list);

// The same for a list the export keeps until it is written.
ExcelExport ShownListExport(const QString& templateName, std::shared_ptr<const RecordTableModel> list);

// The same for a result read apart from a list of those columns: each column
// shows the result's column it names.
ExcelExport ShownListExport(const QString& templateName, const QList<ListColumn>& columns, Rows rows);

// The columns with their whole figures written in full as "0.00": points,
// which a list rounds but the books keep with decimals.
QList<ListColumn> WholeFiguresInFull(QList<ListColumn> columns);
