#pragma once
#include "exporttoexcel.h"
#include "recordtablemodel.h"

// A list as the operator sees it, into the first sheet of a template: the
// headers of its shown columns (a column of width 0 is left out) in row 1,
// their cells below, figures as numbers; what stood in those columns before
// is cleared.
ExcelExport ShownListExport(const QString& templateName, const RecordTableModel& list);
