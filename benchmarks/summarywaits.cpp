#include "summarywaits.h"
#include "benchshop.h"
#include "frmDataSum.h"
#include "periodsummary.h"
#include "plainsqlite.h"
#include "waits.h"

#include <QDateEdit>
#include <QLineEdit>
#include <QPushButton>
#include <cstdio>
#include <memory>

namespace {
constexpr Waits::Goal SummaryGoal{10, 1.3};
const QDate First(2023, 1, 1);
const QDate Last(2023, 12, 31);

const SummaryPass* const Passes[] = {&SummaryPasses::StockIn, &SummaryPasses::Sales, &SummaryPasses::Loss,
                                     &SummaryPasses::Expenses};

std::unique_ptr<frmDataSum> shownSummary()
{
    auto form = std::make_unique<frmDataSum>();
    form->findChild<QDateEdit*>(QStringLiteral("DTPicker1"))->setDate(First);
    form->findChild<QDateEdit*>(QStringLiteral("DTPicker2"))->setDate(Last);
    form->show();
    Waits::settle(form.get());
    return form;
}

// The slips and expenses the year holds, as the passes count them.
void describeYear()
{
    auto conn = Mod1::OpenConn();
    if (!conn)
        return;
    for (const SummaryPass* pass : Passes) {
        auto rows = conn->query(QStringLiteral("select count(*) from %1 where 日期 >= ? and 日期 <= ?").arg(pass->table),
                                {First.toString(Qt::ISODate), Last.toString(Qt::ISODate)});
        if (rows)
            std::printf("summary: %s holds %lld rows in %d\n", qPrintable(pass->table), rows->value(0, 0).toLongLong(),
                        First.year());
    }
}
}

void addSummaryWaits(const BenchShop& shop)
{
    describeYear();
    Waits::add(
        "PeriodSummary/Statement",
        [](benchmark::State& state) {
            const auto form = shownSummary();
            auto* ok = form->findChild<QPushButton*>(QStringLiteral("ComOK"));
            // 统计 empties its boxes first and fills them from a whole result.
            const QLineEdit* profit = form->box(QStringLiteral("TextProfit"));
            for (auto _ : state) {
                Waits::timeOnce(state, [&] {
                    ok->click();
                    Waits::untilHeld(state, [profit] { return !profit->text().isEmpty(); });
                });
            }
            state.counters["profit"] = profit->text().toDouble();
        },
        SummaryGoal);
    Waits::add(
        "PeriodSummary/Statement/DbShare",
        [](benchmark::State& state) {
            bool ok = true;
            for (auto _ : state) {
                // Each pass on a session of its own, as 统计 runs them.
                Waits::timeOnce(state, [&] {
                    for (const SummaryPass* pass : Passes)
                        ok = bool(Database::read([&](DbSession& s) { return SumPass(s, *pass, First, Last); })) && ok;
                });
            }
            if (!ok)
                state.SkipWithError("a pass failed");
        },
        SummaryGoal);
    Waits::add(
        "PeriodSummary/Statement/PlainSqlite",
        [path = shop.databasePath()](benchmark::State& state) {
            bool ok = true;
            for (auto _ : state) {
                Waits::timeOnce(state, [&] {
                    for (const SummaryPass* pass : Passes) {
                        QStringList params;
                        for (const QVariant& value : PassParameters(*pass, First, Last))
                            params << value.toString();
                        ok = PlainSqlite::run(path, PassStatement(*pass), params) == 1 && ok;
                    }
                });
            }
            if (!ok)
                state.SkipWithError("a pass failed");
        },
        SummaryGoal);
}
