#include "goodsanalysiswaits.h"
#include "benchshop.h"
#include "frmGoodsSum.h"
#include "goodsanalysis.h"
#include "listwaits.h"
#include "recordgrid.h"
#include "waits.h"

#include <QDateEdit>
#include <QList>
#include <QPushButton>
#include <memory>

namespace {
struct Period {
    const char* name;
    QDate first;
    QDate last;
    Waits::Goal goal;
};

// Inside the last year of the books (and of the first three, so that a
// longer book asks the same periods).
const Period Year{"Year", {2024, 1, 1}, {2024, 12, 31}, {100, 1.3}};
const Period Month{"Month", {2024, 6, 1}, {2024, 6, 30}, {30, 1.3}};
const Period Day{"Day", {2024, 6, 14}, {2024, 6, 14}, {10, 1.3}};
const Period YearOffMonths{"YearOffMonths", {2023, 7, 15}, {2024, 7, 14}, {100, 1.3}};
const Period TwoYears{"TwoYears", {2023, 1, 1}, {2024, 12, 31}, {100, 1.3}};

struct Analysis {
    const char* name;
    const char* button;
    const char* grid; // where the button lists its rows
    ReportStatement (*statement)(const SalesFilter&);
    QList<const Period*> periods;
};

const Analysis Analyses[] = {
    {"GoodsAnalysis/ProfitByGoods",
     "ComOK",
     "MSHFlexGrid1",
     [](const SalesFilter& filter) {
         return SalesGroupsStatement({SalesGroupBy::Goods, SalesOrder::ByProfit, true}, filter);
     },
     {&Year, &Month, &Day, &YearOffMonths}},
    {"GoodsAnalysis/SalesByCustomer",
     "ComOK5",
     "MSHFlexGrid1",
     [](const SalesFilter& filter) {
         return SalesGroupsStatement({SalesGroupBy::Customer, SalesOrder::BySales, true}, filter);
     },
     {&Year, &Month, &Day}},
    {"GoodsAnalysis/SalesBySalesman",
     "ComOK7",
     "MSHFlexGrid1",
     [](const SalesFilter& filter) {
         return SalesGroupsStatement({SalesGroupBy::Salesman, SalesOrder::BySales, true}, filter);
     },
     {&Year, &Month, &Day}},
    {"GoodsAnalysis/MonthTrend", "ComOK3", "MSHFlexGrid2", MonthTrendStatement, {&TwoYears}},
    {"GoodsAnalysis/SalesCount", "CommOK9", "MSHFlexGrid4", GoodsCountsStatement, {&Year, &Month, &Day}},
};

QStringList texts(const QVariantList& values)
{
    QStringList texts;
    for (const QVariant& value : values)
        texts << value.toString();
    return texts;
}
}

void addGoodsAnalysisWaits(const BenchShop& shop)
{
    const QString path = shop.databasePath();
    for (const Analysis& analysis : Analyses) {
        for (const Period* period : analysis.periods) {
            const std::string name = std::string(analysis.name) + '/' + period->name;
            const char* button = analysis.button;
            const char* grid = analysis.grid;
            Waits::add(
                name,
                [button, grid, period](benchmark::State& state) {
                    auto form = std::make_unique<frmGoodsSum>();
                    form->resize(1200, 700);
                    form->show();
                    form->findChild<QDateEdit*>(QStringLiteral("DTPicker1"))->setDate(period->first);
                    form->findChild<QDateEdit*>(QStringLiteral("DTPicker2"))->setDate(period->last);
                    auto* ok = form->findChild<QPushButton*>(QString::fromLatin1(button));
                    // The rows as a click lists them at rest: a report shows rows its
                    // statement does not give, such as the months without sales.
                    auto* listed = form->findChild<RecordGrid*>(QString::fromLatin1(grid));
                    ok->click();
                    Waits::settle(form.get());
                    const long long rows = listed->rowCount();
                    for (auto _ : state) {
                        listed->clear();
                        Waits::settle(form.get());
                        Waits::timeOnce(state, [&] {
                            ok->click();
                            Waits::untilListed(state, *listed->records(), rows);
                        });
                    }
                    state.counters["rows"] = double(rows);
                },
                period->goal);
            const ReportStatement statement = analysis.statement(
                {{period->first.toString(Qt::ISODate), period->last.toString(Qt::ISODate)}, {}, {}, {}, {}});
            Waits::add(
                name + "/DbShare",
                [statement](benchmark::State& state) { ListWaits::databaseShare(state, statement.sql, statement.params); },
                period->goal);
            Waits::add(
                name + "/PlainSqlite",
                [path, statement](benchmark::State& state) {
                    ListWaits::plainSqlite(state, path, statement.sql, texts(statement.params));
                },
                period->goal);
        }
    }
}
