#include "slipentrywaits.h"
#include "benchshop.h"
#include "frmIn1.h"
#include "goodslookup.h"
#include "goodslookuplist.h"
#include "listwaits.h"
#include "mdlini.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <memory>

namespace {
constexpr Waits::Goal KeystrokeGoal{30, 1.3};
constexpr Waits::Goal RefillGoal{50, 1.3};

// The slip searching by pinyin, as the shop left it.
std::unique_ptr<frmIn1> shownSlip()
{
    mdlINI::WriteIni(QStringLiteral("option1"), QStringLiteral("name"), QStringLiteral("True"));
    auto form = std::make_unique<frmIn1>();
    form->resize(1200, 700);
    form->show();
    Waits::settle(form.get());
    return form;
}

QLineEdit* box(const frmIn1& form, const char* name) { return form.findChild<QLineEdit*>(QString::fromLatin1(name)); }

void pressEnter(QLineEdit* box)
{
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(box, &press);
}
}

void addSlipEntryWaits(const BenchShop& shop)
{
    const QString path = shop.databasePath();
    long long listed = 0;
    const QString letter = ListWaits::busiestLetter(&listed);
    const QString statement = GoodsLookup::filterStatement(QStringLiteral("拼音码"));

    Waits::add(
        "SlipEntry/Keystroke",
        [letter](benchmark::State& state) {
            const auto form = shownSlip();
            ListWaits::timeKeystrokes(state, form.get(), form->lookup()->filterBox(), letter);
        },
        KeystrokeGoal);
    Waits::add(
        "SlipEntry/Keystroke/DbShare",
        [statement, letter](benchmark::State& state) { ListWaits::databaseShare(state, statement, {letter}); },
        KeystrokeGoal);
    Waits::add(
        "SlipEntry/Keystroke/PlainSqlite",
        [path, statement, letter](benchmark::State& state) { ListWaits::plainSqlite(state, path, statement, {letter}); },
        KeystrokeGoal);

    // Enter in the price box adds the line and empties the filter, which
    // lists every goods again.
    Waits::add(
        "SlipEntry/LineRefill",
        [letter](benchmark::State& state) {
            const auto form = shownSlip();
            for (auto _ : state) {
                ListWaits::typeKey(form->lookup()->filterBox(), letter);
                box(*form, "TextName")->setText(QStringLiteral("SP000001"));
                form->LoadGoods();
                box(*form, "TextQty")->setText(QStringLiteral("1.00"));
                Waits::settle(form.get());
                Waits::timeOnce(state, [&] {
                    pressEnter(box(*form, "TextPrice"));
                    Waits::settle(form.get());
                });
            }
            state.counters["lines"] = double(form->lines()->rowCount());
        },
        RefillGoal);
    Waits::add(
        "SlipEntry/LineRefill/DbShare",
        [statement](benchmark::State& state) { ListWaits::databaseShare(state, statement, {QString()}); }, RefillGoal);
    Waits::add(
        "SlipEntry/LineRefill/PlainSqlite",
        [path, statement](benchmark::State& state) { ListWaits::plainSqlite(state, path, statement, {QString()}); },
        RefillGoal);
}
