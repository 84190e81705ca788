#include "listexport.h"
#include "cellrange.h"

ExcelExport ShownListExport(const QString& templateName, const RecordTableModel& list)
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
    for (int row = 0; row < list.rowCount(); ++row) {
        QVariantList values;
        for (int column : std::as_const(shown))
            values << list.index(row, column).data();
        cells.rows << values;
    }
    if (!shown.isEmpty())
        request.clearRanges = {QStringLiteral("A1:") + CellRange::cellName(65536, int(shown.size()))};
    request.data = {cells};
    return request;
}

ExcelExport ShownListExport(const QString& templateName, const QList<ListColumn>& columns, Rows rows)
{
    QList<int> sources;
    for (const ListColumn& column : columns)
        sources << rows.columnIndex(column.column);
    RecordTableModel list(columns);
    list.setRows(std::move(rows), sources);
    return ShownListExport(templateName, list);
}

QList<ListColumn> WholeFiguresInFull(QList<ListColumn> columns)
{
    for (ListColumn& column : columns) {
        if (column.format == CellFormat::Whole)
            column.format = CellFormat::Money;
    }
    return columns;
}
