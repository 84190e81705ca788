#include "listwaits.h"
#include "dbsession.h"
#include "plainsqlite.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <optional>

namespace ListWaits {

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

void timeKeystrokes(benchmark::State& state, QWidget* window, QLineEdit* filterBox, const QString& key,
                    const QAbstractItemModel& list, long long rows)
{
    for (auto _ : state) {
        filterBox->clear();
        Waits::settle(window);
        Waits::timeOnce(state, [&] {
            typeKey(filterBox, key);
            Waits::untilListed(state, list, rows);
        });
    }
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
