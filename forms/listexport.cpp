#include "listexport.h"
#include "cellrange.h"

#include <memory>

namespace {
// The rows are read from list as the sheet is written; held, when given,
// keeps a list the caller does not.
ExcelExport shownColumnsOf(const QString& templateName, const RecordTableModel& list,
                           std::shared_ptr<const RecordTableModel> held)
{
    ExcelExport request;
    request.templateName = templateName;
    QList<int> shown;
    ExportCells cells{QStringLiteral("A2"), {}};
    for (int column = 0; column < list.columns().size(); ++column) {
        const ListColumn& each = list.columns()[column];
        if (each.widthTwips <= 0)
            continue;
        shown << column;
        request.headers << each.header;
        cells.formats << each.format;
    }
    cells.source = {list.rowCount(), int(shown.size()), [&list, held = std::move(held), shown](int row) {
                        QVariantList values;
                        values.reserve(shown.size());
                        for (int column : shown)
                            values << list.index(row, column).data();
                        return values;
                    }};
    if (!shown.isEmpty())
        request.clearRanges = {QStringLiteral("A1:") + CellRange::cellName(65536, int(shown.size()))};
    request.data = {cells};
    return request;
}
}

ExcelExport ShownListExport(const QString& templateName, const RecordTableModel& list)
{
    return shownColumnsOf(templateName, list, nullptr);
}

ExcelExport ShownListExport(const QString& templateName, std::shared_ptr<const RecordTableModel> list)
{
    const RecordTableModel& rows = *list;
    return shownColumnsOf(templateName, rows, std::move(list));
}

ExcelExport ShownListExport(const QString& templateName, const QList<ListColumn>& columns, Rows rows)
{
    QList<int> sources;
    for (const ListColumn& column : columns)
        sources << rows.columnIndex(column.column);
    auto list = std::make_shared<RecordTableModel>(columns);
    list->setRows(std::move(rows), sources);
    return ShownListExport(templateName, std::move(list));
}

QList<ListColumn> WholeFiguresInFull(QList<ListColumn> columns)
{
    for (ListColumn& column : columns) {
        if (column.format == CellFormat::Whole)
            column.format = CellFormat::Money;
    }
    return columns;
}
