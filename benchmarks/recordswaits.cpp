#include "recordswaits.h"
#include "appstate.h"
#include "benchshop.h"
#include "clock.h"
#include "dbsession.h"
#include "frmInDetail.h"
#include "frmOutDetail.h"
#include "listwaits.h"
#include "plainsqlite.h"
#include "recordgrid.h"

#include <QDateEdit>
#include <functional>
#include <memory>
#include <string>

namespace {
constexpr Waits::Goal RecordsGoal{100, 1.3};
// A year of sales, tens of thousands of slips: the window adds little to its
// statement. A book of a few hundred slips waits mostly for its paint.
constexpr Waits::Goal BusyYearGoal{.milliseconds = 100, .ratio = 1.3, .windowShare = 1.3};

using Create = std::function<std::unique_ptr<SlipRecordsForm>()>;

// The window as the menu opens it, with no query kept from before.
std::unique_ptr<SlipRecordsForm> shownRecords(const Create& create)
{
    appState().recordsConditions.clear();
    auto form = create();
    form->resize(1200, 700);
    form->show();
    return form;
}

// A statement of the records read through the data layer, as it ran.
struct Statement {
    QString sql;
    QStringList params;
};

// The last statement that a step of a window ran, as it ran: the slips it listed.
Statement lastStatementOf(const std::function<void()>& step)
{
    Statement traced;
    Database::setStatementObserver([&traced](const QString& sql, const QVariantList& params) {
        traced = {sql, {}};
        for (const QVariant& value : params)
            traced.params << value.toString();
    });
    step();
    Database::setStatementObserver({});
    return traced;
}

void addWithShares(const std::string& name, const QString& path, const Statement& statement,
                   std::function<void(benchmark::State&)> run, Waits::Goal goal = RecordsGoal)
{
    Waits::add(name, std::move(run), goal);
    QVariantList params(statement.params.begin(), statement.params.end());
    Waits::add(
        name + "/DbShare",
        [statement, params](benchmark::State& state) { ListWaits::databaseShare(state, statement.sql, params); }, RecordsGoal);
    Waits::add(
        name + "/PlainSqlite",
        [path, statement](benchmark::State& state) { ListWaits::plainSqlite(state, path, statement.sql, statement.params); },
        RecordsGoal);
}

// The waits of one records window, named after it.
void addWindowWaits(const BenchShop& shop, const std::string& name, const Create& create, Waits::Goal yearGoal)
{
    const QString path = shop.databasePath();
    const QDate lastDay = shop.size().books.firstDay.addDays(shop.size().books.days - 1);
    const QDate yearBefore = lastDay.addYears(-1).addDays(1);
    // Today is the last day of the books.
    const auto onLastDay = [lastDay](std::function<void(benchmark::State&)> run) {
        return [lastDay, run = std::move(run)](benchmark::State& state) {
            Clock::useTestClock(QDateTime(lastDay, QTime(18, 0)));
            run(state);
            Clock::useRealClock();
        };
    };
    // The statements the window runs: today's slips, and every slip of the year.
    Clock::useTestClock(QDateTime(lastDay, QTime(18, 0)));
    std::unique_ptr<SlipRecordsForm> traced;
    const Statement opening = lastStatementOf([&] { traced = shownRecords(create); });
    traced->findChild<QDateEdit*>(QStringLiteral("DTPicker1"))->setDate(yearBefore);
    const Statement yearly = lastStatementOf([&] { traced->runQuery(traced->design().queries.first(), QString()); });
    traced.reset();
    Clock::useRealClock();

    const long long openingRows = PlainSqlite::run(path, opening.sql, opening.params);
    addWithShares(name + "/Open", path, opening, onLastDay([create, openingRows](benchmark::State& state) {
                      // The first window of a run also loads fonts and styles: not timed.
                      Waits::settle(shownRecords(create).get());
                      long long listed = 0;
                      for (auto _ : state) {
                          std::unique_ptr<SlipRecordsForm> form;
                          Waits::timeOnce(state, [&] {
                              form = shownRecords(create);
                              Waits::untilListed(state, *form->slipList()->records(), openingRows);
                          });
                          listed = form->slipList()->rowCount();
                          // Painted outside the time, so the next window opens beside one at rest.
                          Waits::settle(form.get());
                      }
                      state.counters["rows"] = double(listed);
                  }));

    const long long yearRows = PlainSqlite::run(path, yearly.sql, yearly.params);
    addWithShares(name + "/YearByNumber", path, yearly, onLastDay([create, yearBefore, yearRows](benchmark::State& state) {
                      const auto form = shownRecords(create);
                      form->findChild<QDateEdit*>(QStringLiteral("DTPicker1"))->setDate(yearBefore);
                      Waits::settle(form.get());
                      // What follows OK in the query dialog with nothing typed: every slip of the year.
                      const RecordsQuery& byNumber = form->design().queries.first();
                      for (auto _ : state) {
                          form->slipList()->clear();
                          Waits::settle(form.get());
                          Waits::timeOnce(state, [&] {
                              form->runQuery(byNumber, QString());
                              Waits::untilListed(state, *form->slipList()->records(), yearRows);
                          });
                      }
                      state.counters["rows"] = double(form->slipList()->rowCount());
                  }),
                  yearGoal);
}
}

void addRecordsWaits(const BenchShop& shop)
{
    addWindowWaits(
        shop, "Records", [] { return std::make_unique<frmInDetail>(); }, RecordsGoal);
    addWindowWaits(
        shop, "SalesRecords", [] { return std::make_unique<frmOutDetail>(); }, BusyYearGoal);
}
