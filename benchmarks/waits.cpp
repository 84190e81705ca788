#include "waits.h"

#include <QAbstractEventDispatcher>
#include <QAbstractItemModel>
#include <QApplication>
#include <QDeadlineTimer>
#include <QWidget>
#include <map>

namespace {
std::map<std::string, Waits::Goal>& goals()
{
    static std::map<std::string, Waits::Goal> byName;
    return byName;
}
}

benchmark::internal::Benchmark* Waits::add(const std::string& name, std::function<void(benchmark::State&)> run, Goal goal)
{
    goals()[name] = goal;
    return benchmark::RegisterBenchmark(name.c_str(), [run = std::move(run)](benchmark::State& state) { run(state); })
        ->UseManualTime()
        ->Iterations(1)
        ->Repetitions(Repetitions)
        ->ReportAggregatesOnly(true)
        ->Unit(benchmark::kMillisecond);
}

Waits::Goal Waits::goalOf(const std::string& name)
{
    const auto found = goals().find(name);
    return found == goals().end() ? Goal() : found->second;
}

void Waits::settle(QWidget* window)
{
    // At rest when the event loop has nothing left to do: delayed layouts,
    // posted updates and the paints of what changed have run.
    QAbstractEventDispatcher* loop = QAbstractEventDispatcher::instance(window->thread());
    for (int pass = 0; pass < 100 && loop->processEvents(QEventLoop::AllEvents); ++pass) {
    }
}

void Waits::untilHeld(benchmark::State& state, const std::function<bool()>& held)
{
    const QDeadlineTimer limit(10000);
    while (!held()) {
        if (limit.hasExpired()) {
            state.SkipWithError("the window never held its result");
            return;
        }
        QCoreApplication::processEvents();
    }
}

void Waits::untilListed(benchmark::State& state, const QAbstractItemModel& model, long long rows)
{
    untilHeld(state, [&] { return model.rowCount() == rows; });
}
