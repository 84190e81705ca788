#include "waits.h"

#include <QApplication>
#include <QWidget>

benchmark::internal::Benchmark* Waits::add(const char* name, std::function<void(benchmark::State&)> run)
{
    return benchmark::RegisterBenchmark(name, [run](benchmark::State& state) { run(state); })
        ->UseManualTime()
        ->Iterations(1)
        ->Repetitions(Repetitions)
        ->ReportAggregatesOnly(true)
        ->Unit(benchmark::kMillisecond);
}

void Waits::settle(QWidget* window)
{
    // Delayed layouts and posted updates first, then the paint itself.
    QCoreApplication::processEvents();
    window->repaint();
}
