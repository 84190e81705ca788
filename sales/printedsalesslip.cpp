#include "printedsalesslip.h"
#include "amount.h"
#include "slipbook.h"
#include "sliprecords.h"

namespace {
constexpr int LineArea = 26;

// A figure as the records list shows it, to the cent.
QVariant shownFigure(const QVariant& stored) { return Amount::fromValue(stored).rounded(2).toDouble(); }
}

DbResult<std::optional<PrintedSalesSlip>> ReadPrintedSalesSlip(DbSession& session, const SlipDesign& design,
                                                               const QString& number)
{
    auto header = SlipBook::header(session, design, number, QStringLiteral("单号, 日期, 业务员, 客户"));
    if (!header)
        return header.error();
    if (header->isEmpty())
        return std::optional<PrintedSalesSlip>();
    PrintedSalesSlip slip;
    slip.number = header->text(0, QStringLiteral("单号")).trimmed();
    slip.date = header->text(0, QStringLiteral("日期")).trimmed();
    slip.salesman = header->text(0, QStringLiteral("业务员")).trimmed();

    auto customer = session.query(QStringLiteral(
                                      "select 名称, 地址, 联系人, 电话 from 客户 where 名称 = ? order by rowid limit 1"),
                                  {header->text(0, QStringLiteral("客户")).trimmed()});
    if (!customer)
        return customer.error();
    if (!customer->isEmpty())
        slip.customer = customer->data().first();

    auto lines = SlipRecords::lines(session, design, number);
    if (!lines)
        return lines.error();
    for (int row = 0; row < lines->count(); ++row) {
        QVariantList line;
        for (const char* column : {"商品名称", "规格", "单位"})
            line << lines->text(row, QString::fromUtf8(column)).trimmed();
        for (const char* column : {"数量", "单价", "金额"})
            line << shownFigure(lines->value(row, QString::fromUtf8(column)));
        slip.lines << line;
    }
    return std::optional<PrintedSalesSlip>(std::move(slip));
}

ExcelExport PrintedSalesSlipExport(const PrintedSalesSlip& slip)
{
    ExcelExport request;
    request.templateName = QStringLiteral("销售单.xls");
    request.sheet = 4;
    request.clearRanges = {QStringLiteral("A21:F46"), QStringLiteral("B12:G18")};
    request.data = {ExportCells::cell(QStringLiteral("B18"), slip.number), ExportCells::cell(QStringLiteral("B17"), slip.date),
                    ExportCells::cell(QStringLiteral("B12"), slip.salesman)};
    QList<QVariantList> customer;
    for (const QVariant& detail : slip.customer)
        customer << QVariantList{detail};
    request.data << ExportCells{QStringLiteral("B13"), customer};
    request.data << ExportCells{QStringLiteral("A21"), slip.lines, LineArea};
    return request;
}
