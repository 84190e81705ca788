#include "goodslistwaits.h"
#include "benchshop.h"
#include "dbsession.h"
#include "frmGoods.h"
#include "listwaits.h"
#include "plainsqlite.h"
#include "waits.h"

#include <QLineEdit>
#include <cstdio>
#include <memory>

namespace {
// The window adds little to its statement.
constexpr Waits::Goal ListGoal{.milliseconds = 50, .ratio = 1.5, .windowShare = 1.3};

std::unique_ptr<frmGoods> shownGoodsList()
{
    auto form = std::make_unique<frmGoods>();
    form->resize(1200, 700);
    form->show();
    return form;
}
}

void addGoodsListWaits(const BenchShop& shop)
{
    const QString path = shop.databasePath();
    const QString openStatement = goodsListDesign().select;

    const long long goodsListed = PlainSqlite::run(path, openStatement);
    Waits::add(
        "GoodsList/Open",
        [goodsListed](benchmark::State& state) {
            // The first window of a run also loads fonts and styles: not timed.
            Waits::settle(shownGoodsList().get());
            long long listed = 0;
            for (auto _ : state) {
                std::unique_ptr<frmGoods> form;
                Waits::timeOnce(state, [&] {
                    form = shownGoodsList();
                    Waits::untilListed(state, *form->list()->model(), goodsListed);
                });
                listed = form->list()->model()->rowCount();
                // Painted outside the time, so the next window opens beside one at rest.
                Waits::settle(form.get());
            }
            state.counters["rows"] = double(listed);
        },
        ListGoal);
    Waits::add("GoodsList/Open/DbShare",
               [openStatement](benchmark::State& state) { ListWaits::databaseShare(state, openStatement, {}); });
    Waits::add("GoodsList/Open/PlainSqlite",
               [path, openStatement](benchmark::State& state) { ListWaits::plainSqlite(state, path, openStatement, {}); });

    long long listed = 0;
    const QString letter = ListWaits::busiestLetter(&listed);
    std::printf("keystroke: \"%s\" typed into the empty filter lists %lld of %d goods\n", qPrintable(letter), listed,
                shop.size().goods);
    const QString filterStatement = [] {
        const auto form = std::make_unique<frmGoods>();
        return form->list()->statement(form->list()->filterCondition());
    }();

    Waits::add(
        "GoodsList/Keystroke",
        [letter, filtered = PlainSqlite::run(path, filterStatement, {letter})](benchmark::State& state) {
            const auto form = shownGoodsList();
            ListWaits::timeKeystrokes(state, form.get(), form->list()->filterBox(), letter, *form->list()->model(), filtered);
            state.counters["rows"] = double(form->list()->model()->rowCount());
        },
        ListGoal);
    Waits::add("GoodsList/Keystroke/DbShare", [filterStatement, letter](benchmark::State& state) {
        ListWaits::databaseShare(state, filterStatement, {letter});
    });
    Waits::add("GoodsList/Keystroke/PlainSqlite", [path, filterStatement, letter](benchmark::State& state) {
        ListWaits::plainSqlite(state, path, filterStatement, {letter});
    });
}
