#include "longworkwaits.h"
#include "appstate.h"
#include "benchshop.h"
#include "clock.h"
#include "compact.h"
#include "frmOutDetail.h"
#include "recordgrid.h"
#include "waits.h"

#include <QDateEdit>
#include <QFile>
#include <QPushButton>

namespace {
// Long work is timed a few times only: each takes seconds on the bench shop.
constexpr int LongRepetitions = 3;
constexpr Waits::Goal LongGoal{.milliseconds = 30000, .ratio = 0};

// The peak resident memory (VmHWM) starts again from what the process holds now.
void resetPeak()
{
    QFile clear(QStringLiteral("/proc/self/clear_refs"));
    if (clear.open(QIODevice::WriteOnly))
        clear.write("5");
}

double peakMegabytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toDouble() / 1024;
    }
    return -1;
}

// Times the work with the peak memory it reached, above what the process held before.
template <typename Work>
void timeWithPeak(benchmark::State& state, Work&& work)
{
    resetPeak();
    const double before = peakMegabytes();
    Waits::timeOnce(state, work);
    state.counters["peakMB"] = peakMegabytes();
    state.counters["addedMB"] = peakMegabytes() - before;
}
}

void addLongWorkWaits(const BenchShop& shop)
{
    const QDate lastDay = shop.size().books.firstDay.addDays(shop.size().books.days - 1);
    const QDate yearBefore = lastDay.addYears(-1).addDays(1);
    Waits::add(
        "SalesRecords/ExportYear",
        [lastDay, yearBefore](benchmark::State& state) {
            Clock::useTestClock(QDateTime(lastDay, QTime(18, 0)));
            appState().recordsConditions.clear();
            frmOutDetail form;
            form.show();
            form.findChild<QDateEdit*>(QStringLiteral("DTPicker1"))->setDate(yearBefore);
            form.runQuery(form.design().queries.first(), QString());
            Waits::settle(&form);
            for (auto _ : state)
                timeWithPeak(state, [&] { form.findChild<QPushButton*>(QStringLiteral("ComExcel"))->click(); });
            state.counters["rows"] = double(form.slipList()->rowCount());
            Clock::useRealClock();
        },
        LongGoal)
        ->Repetitions(LongRepetitions);
    const QString path = shop.databasePath();
    Waits::add(
        "Backup/Compact",
        [path](benchmark::State& state) {
            for (auto _ : state)
                timeWithPeak(state, [&] {
                    if (!compactDatabase(path))
                        state.SkipWithError("the compaction failed");
                });
        },
        LongGoal)
        ->Repetitions(LongRepetitions);
}
