#include "waits.h"

#include <QApplication>
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
    // Delayed layouts and posted updates first, then the paint itself.
    QCoreApplication::processEvents();
    window->repaint();
}
