#include "benchshop.h"
#include "goodsanalysiswaits.h"
#include "goodslistwaits.h"
#include "longworkwaits.h"
#include "messagebox.h"
#include "personlinewaits.h"
#include "recordswaits.h"
#include "slipentrywaits.h"
#include "slipwaits.h"
#include "stockquerywaits.h"
#include "summary.h"
#include "summarywaits.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <cstdio>
#include <cstring>

namespace {
// The offscreen platform warns at each window shown; the figures are what matters.
void quietOffscreen(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (!message.contains(QLatin1String("propagateSizeHints")))
        std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
}

// The book's size from --lines=N and --years=N, taken out of the arguments
// before the benchmark library reads them.
bool takeSize(int& argc, char** argv, BenchShop::Size& size)
{
    int years = 3;
    int kept = 1;
    for (int i = 1; i < argc; ++i) {
        const char* arg = argv[i];
        int* target = std::strncmp(arg, "--lines=", 8) == 0   ? &size.books.salesLines
                      : std::strncmp(arg, "--years=", 8) == 0 ? &years
                                                              : nullptr;
        if (!target) {
            argv[kept++] = argv[i];
            continue;
        }
        bool ok = false;
        *target = QByteArray(arg + 8).toInt(&ok);
        if (!ok || *target < 1) {
            std::fprintf(stderr, "not a size: %s\n", arg);
            return false;
        }
    }
    argc = kept;
    size.books.days = int(size.books.firstDay.daysTo(size.books.firstDay.addYears(years)));
    return true;
}
}

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    BenchShop::Size size;
    if (!takeSize(argc, argv, size))
        return 1;
    QApplication app(argc, argv);
    qInstallMessageHandler(quietOffscreen);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;

    // A box would wait for an answer nobody gives: a failure ends the run.
    MessageBox::setScripted(true);
    MessageBox::setUnqueuedAction([](const MessageBoxRecord& box) {
        std::fprintf(stderr, "message box during the benchmark: %s\n", qPrintable(box.text));
        std::exit(1);
    });

    QElapsedTimer writing;
    writing.start();
    QString error;
    const auto shop = BenchShop::create(size, &error);
    if (!shop) {
        std::fprintf(stderr, "the shop could not be written: %s\n", qPrintable(error));
        return 1;
    }
    std::printf("shop of %d goods (%d with a stock row), %d days of books with %d sales lines, written in %.1f s, "
                "%.0f MB\n",
                size.goods, size.goodsWithStock, size.books.days, size.books.salesLines, double(writing.elapsed()) / 1000.0,
                double(QFileInfo(shop->databasePath()).size()) / 1e6);

    addGoodsListWaits(*shop);
    addSlipWaits(*shop);
    addSlipEntryWaits(*shop);
    addRecordsWaits(*shop);
    addSummaryWaits(*shop);
    addGoodsAnalysisWaits(*shop);
    addPersonLineWaits(*shop);
    addStockQueryWaits(*shop);
    addLongWorkWaits(*shop);

    SummaryReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.printSummary();
    benchmark::Shutdown();
    return 0;
}
