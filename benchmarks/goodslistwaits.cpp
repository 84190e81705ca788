#include "goodslistwaits.h"
#include "benchshop.h"
#include "dbsession.h"
#include "frmGoods.h"
#include "plainsqlite.h"
#include "waits.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <cstdio>
#include <memory>
#include <optional>

namespace {
// The letter found in the most pinyin codes: the first keystroke that leaves the longest list.
QString busiestLetter(long long* goodsListed)
{
    QString busiest = QStringLiteral("A");
    *goodsListed = -1;
    auto conn = Mod1::OpenConn();
    if (!conn)
        return busiest;
    for (char letter = 'A'; letter <= 'Z'; ++letter) {
        auto count = conn->query(QStringLiteral("select count(*) as n from 商品信息 where 拼音码 like '%'||?||'%'"),
                                 {QString(QLatin1Char(letter))});
        if (count && count->value(0, QStringLiteral("n")).toLongLong() > *goodsListed) {
            *goodsListed = count->value(0, QStringLiteral("n")).toLongLong();
            busiest = QString(QLatin1Char(letter));
        }
    }
    return busiest;
}

void typeKey(QLineEdit* box, const QString& text)
{
    QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, text);
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, text);
    QApplication::sendEvent(box, &press);
    QApplication::sendEvent(box, &release);
}

std::unique_ptr<frmGoods> shownGoodsList()
{
    auto form = std::make_unique<frmGoods>();
    form->resize(1200, 700);
    form->show();
    return form;
}

void databaseShare(benchmark::State& state, const QString& sql, const QVariantList& params)
{
    long long rows = 0;
    if (auto conn = Mod1::OpenConn())
        (void)conn->query(sql, params);
    for (auto _ : state) {
        // The rows are let go outside the time, as the list keeps its own.
        std::optional<DbResult<Rows>> result;
        Waits::timeOnce(state, [&] {
            auto conn = Mod1::OpenConn();
            result.emplace(conn ? conn->query(sql, params) : DbResult<Rows>(conn.error()));
        });
        rows = *result ? (*result)->count() : -1;
    }
    if (rows < 0)
        state.SkipWithError("the statement failed");
    state.counters["rows"] = double(rows);
}

void plainSqlite(benchmark::State& state, const QString& path, const QString& sql, const QStringList& params)
{
    long long rows = PlainSqlite::run(path, sql, params);
    for (auto _ : state)
        Waits::timeOnce(state, [&] { rows = PlainSqlite::run(path, sql, params); });
    if (rows < 0)
        state.SkipWithError("the statement failed");
    state.counters["rows"] = double(rows);
}
}

void addGoodsListWaits(const BenchShop& shop)
{
    const QString path = shop.databasePath();
    const QString openStatement = goodsListDesign().select;

    Waits::add("GoodsList/Open", [](benchmark::State& state) {
        // The first window of a run also loads fonts and styles: not timed.
        Waits::settle(shownGoodsList().get());
        for (auto _ : state) {
            std::unique_ptr<frmGoods> form;
            Waits::timeOnce(state, [&] {
                form = shownGoodsList();
                Waits::settle(form.get());
            });
        }
    });
    Waits::add("GoodsList/Open/DbShare",
               [openStatement](benchmark::State& state) { databaseShare(state, openStatement, {}); });
    Waits::add("GoodsList/Open/PlainSqlite",
               [path, openStatement](benchmark::State& state) { plainSqlite(state, path, openStatement, {}); });

    long long listed = 0;
    const QString letter = busiestLetter(&listed);
    std::printf("keystroke: \"%s\" typed into the empty filter lists %lld of %d goods\n", qPrintable(letter), listed,
                shop.size().goods);
    const QString filterStatement = [] {
        const auto form = std::make_unique<frmGoods>();
        return form->list()->statement(form->list()->filterCondition());
    }();

    Waits::add("GoodsList/Keystroke", [letter](benchmark::State& state) {
        const auto form = shownGoodsList();
        QLineEdit* box = form->list()->filterBox();
        for (auto _ : state) {
            box->clear();
            Waits::settle(form.get());
            Waits::timeOnce(state, [&] {
                typeKey(box, letter);
                Waits::settle(form.get());
            });
        }
        state.counters["rows"] = double(form->list()->model()->rowCount());
    });
    Waits::add("GoodsList/Keystroke/DbShare",
               [filterStatement, letter](benchmark::State& state) { databaseShare(state, filterStatement, {letter}); });
    Waits::add("GoodsList/Keystroke/PlainSqlite", [path, filterStatement, letter](benchmark::State& state) {
        plainSqlite(state, path, filterStatement, {letter});
    });
}
