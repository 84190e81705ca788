#include "summary.h"
#include "waits.h"

#include <cstdio>
#include <unistd.h>

namespace {
const std::string ShareSuffix = "/DbShare";
const std::string PlainSuffix = "/PlainSqlite";

bool endsWith(const std::string& text, const std::string& suffix)
{
    return text.size() >= suffix.size() && text.compare(text.size() - suffix.size(), suffix.size(), suffix) == 0;
}

double milliseconds(const benchmark::BenchmarkReporter::Run& run)
{
    // The multiplier takes seconds to the unit.
    return run.GetAdjustedRealTime() / benchmark::GetTimeUnitMultiplier(run.time_unit) * 1e3;
}
}

SummaryReporter::SummaryReporter()
    : benchmark::ConsoleReporter(isatty(fileno(stdout)) ? OO_Defaults : OO_Tabular)
{
}

void SummaryReporter::ReportRuns(const std::vector<Run>& reports)
{
    for (const Run& run : reports) {
        if (run.aggregate_name == "median")
            m_medians[run.run_name.function_name] = milliseconds(run);
    }
    ConsoleReporter::ReportRuns(reports);
}

void SummaryReporter::printSummary() const
{
    std::printf("\n%-28s %10s %10s %13s %7s %7s %18s\n", "wait (median)", "total", "DB share", "plain SQLite", "ratio", "window",
                "goal");
    for (const auto& [name, total] : m_medians) {
        if (endsWith(name, ShareSuffix) || endsWith(name, PlainSuffix))
            continue;
        const Waits::Goal goal = Waits::goalOf(name);
        const char* late = total < goal.milliseconds ? "" : "  total over the goal";
        const auto share = m_medians.find(name + ShareSuffix);
        const auto plain = m_medians.find(name + PlainSuffix);
        if (share == m_medians.end() || plain == m_medians.end()) {
            std::printf("%-28s %7.2f ms %41s   < %3.0f ms%s\n", name.c_str(), total, "", goal.milliseconds, late);
            continue;
        }
        const double ratio = share->second / plain->second;
        // The window's share: the whole wait over the statement it runs.
        const double window = total / share->second;
        std::string goals = " <= " + std::to_string(goal.ratio).substr(0, 3);
        if (goal.windowShare > 0)
            goals += ", window <= " + std::to_string(goal.windowShare).substr(0, 3);
        std::printf("%-28s %7.2f ms %7.2f ms %10.2f ms %7.2f %7.2f   < %3.0f ms,%s%s%s%s\n", name.c_str(), total, share->second,
                    plain->second, ratio, window, goal.milliseconds, goals.c_str(), late,
                    ratio <= goal.ratio ? "" : "  ratio over the goal",
                    goal.windowShare == 0 || window <= goal.windowShare ? "" : "  window over the goal");
    }
}
