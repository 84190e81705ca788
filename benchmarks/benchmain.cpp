#include "benchshop.h"
#include "goodsanalysiswaits.h"
#include "goodslistwaits.h"
#include "messagebox.h"
#include "recordswaits.h"
#include "slipentrywaits.h"
#include "slipwaits.h"
#include "stockquerywaits.h"
#include "summary.h"
#include "summarywaits.h"

#include <QApplication>
#include <QElapsedTimer>
#include <cstdio>

namespace {
// The offscreen platform warns at each window shown; the figures are what matters.
void quietOffscreen(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (!message.contains(QLatin1String("propagateSizeHints")))
        std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
}
}

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
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
    const BenchShop::Size size;
    const auto shop = BenchShop::create(size, &error);
    if (!shop) {
        std::fprintf(stderr, "the shop could not be written: %s\n", qPrintable(error));
        return 1;
    }
    std::printf("shop of %d goods (%d with a stock row), %d days of books with %d sales lines, written in %.1f s\n", size.goods,
                size.goodsWithStock, size.books.days, size.books.salesLines, double(writing.elapsed()) / 1000.0);

    addGoodsListWaits(*shop);
    addSlipWaits(*shop);
    addSlipEntryWaits(*shop);
    addRecordsWaits(*shop);
    addSummaryWaits(*shop);
    addGoodsAnalysisWaits(*shop);
    addStockQueryWaits(*shop);

    SummaryReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.printSummary();
    benchmark::Shutdown();
    return 0;
}
