#pragma once
#include <benchmark/benchmark.h>

#include <chrono>
#include <functional>
#include <string>

class QAbstractItemModel;
class QWidget;

// What a user waits for is timed by hand (the setting up around it is not),
// one sample per iteration, and reported as the median of the repetitions;
// each wait runs once untimed before.
namespace Waits {
constexpr int Repetitions = 31;

// What a wait must stay within: its median, its database share over plain
// SQLite running the same statements, and (where given) the whole wait over
// its database share: what the window adds to the statement.
struct Goal {
    double milliseconds = 50;
    double ratio = 1.5;
    double windowShare = 0; // 0: none
};

benchmark::internal::Benchmark* add(const std::string& name, std::function<void(benchmark::State&)> run, Goal goal = {});
// The goal a wait was added with.
Goal goalOf(const std::string& name);

// Times one call and hands the time to the state.
template <typename Work>
void timeOnce(benchmark::State& state, Work&& work)
{
    const auto start = std::chrono::steady_clock::now();
    work();
    state.SetIterationTime(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
}

// Lets a shown window lay out and paint, as the user sees it, before a
// timed wait: its paint is no part of the next one.
void settle(QWidget* window);

// Ends a timed wait when the window holds its result: the events of a fill
// that runs later are run until then, and the paint that follows is not
// waited for, as the statement's yardstick steps every row and stops. A
// result not held within seconds fails the benchmark.
void untilHeld(benchmark::State& state, const std::function<bool()>& held);
// A list's result: its model holds every row of the statement.
void untilListed(benchmark::State& state, const QAbstractItemModel& model, long long rows);
}
