#include "goodsanalysiswaits.h"
#include "benchshop.h"
#include "frmGoodsSum.h"
#include "goodsanalysis.h"
#include "listwaits.h"
#include "waits.h"

#include <QDateEdit>
#include <QPushButton>
#include <memory>

namespace {
constexpr Waits::Goal AnalysisGoal{200, 1.3};

struct Analysis {
    const char* name;
    const char* button;
    QDate first;
    QDate last;
    ReportStatement (*statement)(const SalesFilter&);
};

// The last year of the books, and the last two for the trend.
const Analysis Analyses[] = {
    {"GoodsAnalysis/ProfitByGoods",
     "ComOK",
     {2024, 1, 1},
     {2024, 12, 31},
     [](const SalesFilter& filter) {
         return SalesGroupsStatement({SalesGroupBy::Goods, SalesOrder::ByProfit, true}, filter);
     }},
    {"GoodsAnalysis/SalesByCustomer",
     "ComOK5",
     {2024, 1, 1},
     {2024, 12, 31},
     [](const SalesFilter& filter) {
         return SalesGroupsStatement({SalesGroupBy::Customer, SalesOrder::BySales, true}, filter);
     }},
    {"GoodsAnalysis/MonthTrend", "ComOK3", {2023, 1, 1}, {2024, 12, 31}, MonthTrendStatement},
    {"GoodsAnalysis/SalesCount", "CommOK9", {2024, 1, 1}, {2024, 12, 31}, GoodsCountsStatement},
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
        const std::string name = analysis.name;
        Waits::add(
            name,
            [analysis](benchmark::State& state) {
                auto form = std::make_unique<frmGoodsSum>();
                form->resize(1200, 700);
                form->show();
                form->findChild<QDateEdit*>(QStringLiteral("DTPicker1"))->setDate(analysis.first);
                form->findChild<QDateEdit*>(QStringLiteral("DTPicker2"))->setDate(analysis.last);
                auto* button = form->findChild<QPushButton*>(QString::fromLatin1(analysis.button));
                Waits::settle(form.get());
                for (auto _ : state) {
                    Waits::timeOnce(state, [&] {
                        button->click();
                        Waits::settle(form.get());
                    });
                }
            },
            AnalysisGoal);
        const ReportStatement statement = analysis.statement(
            {{analysis.first.toString(Qt::ISODate), analysis.last.toString(Qt::ISODate)}, {}, {}, {}, {}});
        Waits::add(
            name + "/DbShare",
            [statement](benchmark::State& state) { ListWaits::databaseShare(state, statement.sql, statement.params); },
            AnalysisGoal);
        Waits::add(
            name + "/PlainSqlite",
            [path, statement](benchmark::State& state) {
                ListWaits::plainSqlite(state, path, statement.sql, texts(statement.params));
            },
            AnalysisGoal);
    }
}
