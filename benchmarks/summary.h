#pragma once
#include <benchmark/benchmark.h>

#include <map>
#include <string>

// The console report, followed by one line per measured wait: its median,
// the median of its database share, of plain SQLite running the same
// statement, their ratio, and the window's share: the whole wait, which ends
// when the window holds its result, over its database share. A wait named
// "A/B" has its share in "A/B/DbShare" and its yardstick in "A/B/PlainSqlite".
class SummaryReporter : public benchmark::ConsoleReporter {
public:
    // Colours only on a terminal.
    SummaryReporter();
    void ReportRuns(const std::vector<Run>& reports) override;
    // Each wait against the goal it was added with (Waits::add).
    void printSummary() const;

private:
    std::map<std::string, double> m_medians; // by name, in milliseconds
};
