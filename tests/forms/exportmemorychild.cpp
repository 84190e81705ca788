// Run by the export's memory test in a process of its own: exports a
// generated list of the sales records' twelve columns and prints the
// process's peak memory (VmHWM, kB) before and after the export, then the
// workbook's path.
#include "appstate.h"
#include "listexport.h"

#include <QApplication>
#include <QFile>
#include <QTextStream>

namespace {
qint64 peakKb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toLongLong();
    }
    return -1;
}
}

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    appState().appPath = app.arguments().value(1);
    const int count = app.arguments().value(2).toInt();
    QList<ListColumn> columns{textColumn(QStringLiteral("单据编号"), 1000)};
    for (const char* header : {"合计金额", "欠款金额", "还款金额", "尚欠金额"})
        columns << figureColumn(QString::fromUtf8(header), 1000);
    for (const char* header : {"操作员", "日期", "时间", "客户", "业务员", "介绍人", "备注"})
        columns << textColumn(QString::fromUtf8(header), 1000);
    RecordTableModel list(columns);
    QList<QVariantList> rows;
    rows.reserve(count);
    for (int i = 0; i < count; ++i) {
        // 合计金额 of row i is i % 1000 + 0.25.
        rows << QVariantList{QStringLiteral("C%1").arg(i, 7, 10, QLatin1Char('0')),
                             i % 1000 + 0.25,
                             0.0,
                             0.0,
                             0.0,
                             QStringLiteral("管理员"),
                             QStringLiteral("2023-05-17"),
                             QStringLiteral("10:21:05"),
                             QStringLiteral("客户%1").arg(i % 500),
                             QStringLiteral("小李"),
                             QStringLiteral("-"),
                             QString()};
    }
    list.setRows(std::move(rows));
    const qint64 before = peakKb();
    const ExportOutcome outcome = ExportToExcel(ShownListExport(QStringLiteral("data2.xls"), list));
    const qint64 after = peakKb();
    QTextStream(stdout) << before << ' ' << after << ' ' << outcome.file << Qt::endl;
    return outcome.error.isEmpty() ? 0 : 1;
}
