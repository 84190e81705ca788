#include "stockquerywaits.h"
#include "benchshop.h"
#include "frmStock.h"
#include "listwaits.h"
#include "plainsqlite.h"
#include "stockquery.h"
#include "waits.h"

#include <QPushButton>
#include <QTreeView>
#include <memory>

namespace {
constexpr Waits::Goal StockQueryGoal{100, 1.3};

std::unique_ptr<frmStock> shownStockQuery()
{
    auto form = std::make_unique<frmStock>();
    form->resize(1200, 700);
    form->show();
    return form;
}

const QAbstractItemModel& listed(const frmStock& form)
{
    return *form.findChild<QTreeView*>(QStringLiteral("ListView1"))->model();
}

// A wait, its database share and plain SQLite running its statement.
void addWait(const std::string& name, const BenchShop& shop, std::function<void(benchmark::State&)> wait, StockQuery::View view,
             const QStringList& values)
{
    const QString sql = StockQuery::statement(view);
    const QString path = shop.databasePath();
    const QVariantList bound(values.begin(), values.end());
    Waits::add(name, std::move(wait), StockQueryGoal);
    Waits::add(
        name + "/DbShare", [sql, bound](benchmark::State& state) { ListWaits::databaseShare(state, sql, bound); },
        StockQueryGoal);
    Waits::add(
        name + "/PlainSqlite", [sql, path, values](benchmark::State& state) { ListWaits::plainSqlite(state, path, sql, values); },
        StockQueryGoal);
}
}

void addStockQueryWaits(const BenchShop& shop)
{
    const QString path = shop.databasePath();
    const long long openingRows = PlainSqlite::run(path, StockQuery::statement(StockQuery::View::Category), {QString()});
    addWait("StockQuery/Open", shop,
            [openingRows](benchmark::State& state) {
                Waits::settle(shownStockQuery().get());
                double rows = 0;
                for (auto _ : state) {
                    std::unique_ptr<frmStock> form;
                    Waits::timeOnce(state, [&] {
                        form = shownStockQuery();
                        Waits::untilListed(state, listed(*form), openingRows);
                    });
                    rows = listed(*form).rowCount();
                    // Painted outside the time, so the next window opens beside one at rest.
                    Waits::settle(form.get());
                }
                state.counters["rows"] = rows;
            },
            StockQuery::View::Category, {QString()});

    const long long alarmRows = PlainSqlite::run(path, StockQuery::statement(StockQuery::View::BelowLowerLimit));
    addWait("StockQuery/LowerLimit", shop,
            [alarmRows](benchmark::State& state) {
                double rows = 0;
                for (auto _ : state) {
                    // Each time on a form just opened, as the user turns to the alarm.
                    const auto form = shownStockQuery();
                    Waits::settle(form.get());
                    auto* lowerLimit = form->findChild<QPushButton*>(QStringLiteral("ComF6"));
                    Waits::timeOnce(state, [&] {
                        lowerLimit->click();
                        Waits::untilListed(state, listed(*form), alarmRows);
                    });
                    rows = listed(*form).rowCount();
                }
                state.counters["rows"] = rows;
            },
            StockQuery::View::BelowLowerLimit, {});
}
