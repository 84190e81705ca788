#include "listexport.h"
#include "cellrange.h"

#include <memory>

namespace {
ExcelExport shownColumnsOf(const QString& templateName, const RecordTableModel& list,
                           const std::function<QVariantList(const QList<int>& shown, int row)>& read)
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
    cells.source = {list.rowCount(), int(shown.size()), [read, shown](int row) { return read(shown, row); }};
    if (!shown.isEmpty())
        request.clearRanges = {QStringLiteral("A1:") + CellRange::cellName(65536, int(shown.size()))};
    request.data = {cells};
    return request;
}

QVariantList shownRow(const RecordTableModel& list, const QList<int>& shown, int row)
{
    QVariantList values;
    values.reserve(shown.size());
    for (int column : shown)
        values << list.index(row, column).data();
    return values;
}
}

ExcelExport ShownListExport(const QString& templateName, const RecordTableModel& list)
{
    return shownColumnsOf(templateName, list, [&list](const QList<int>& shown, int row) { return shownRow(list, shown, row); });
}

ExcelExport ShownListExport(const QString& templateName, std::shared_ptr<const RecordTableModel> list)
{
    const RecordTableModel& held = *list;
    return shownColumnsOf(templateName, held,
                          [list = std::move(list)](const QList<int>& shown, int row) { return shownRow(*list, shown, row); });
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
