#pragma once
#include "exporttoexcel.h"
#include "recordtablemodel.h"

// A list as the operator sees it, into the first sheet of a template: the
// headers of its shown columns (a column of width 0 is left out) in row 1,
// their cells below, figures as numbers; what stood in those columns before
// is cleared.
ExcelExport ShownListExport(const QString& templateName, const RecordTableModel& list);

// The same for a result read apart from a list of those columns: each column
// shows the result's column it names.
ExcelExport ShownListExport(const QString& templateName, const QList<ListColumn>& columns, Rows rows);

// The columns with their whole figures written in full as "0.00": points,
// which a list rounds but the books keep with decimals.
QList<ListColumn> WholeFiguresInFull(QList<ListColumn> columns);
