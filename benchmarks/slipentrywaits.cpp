#include "slipentrywaits.h"
#include "benchshop.h"
#include "frmIn1.h"
#include "frmOut1.h"
#include "goodslookup.h"
#include "goodslookuplist.h"
#include "listwaits.h"
#include "mdlini.h"
#include "plainsqlite.h"
#include "recordgrid.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <memory>

namespace {
constexpr Waits::Goal KeystrokeGoal{30, 1.3};
constexpr Waits::Goal RefillGoal{50, 1.3};
constexpr Waits::Goal ScanGoal{30, 1.3};

// A slip form shown as the shop left its settings.
template <typename Form>
std::unique_ptr<Form> shownForm()
{
    auto form = std::make_unique<Form>();
    form->resize(1200, 700);
    form->show();
    Waits::settle(form.get());
    return form;
}

// The stock-in slip searching by pinyin.
std::unique_ptr<frmIn1> shownSlip()
{
    mdlINI::WriteIni(QStringLiteral("option1"), QStringLiteral("name"), QStringLiteral("True"));
    return shownForm<frmIn1>();
}

QLineEdit* box(const QWidget& form, const char* name) { return form.findChild<QLineEdit*>(QString::fromLatin1(name)); }

// The barcode of a goods in stock.
QString stockedBarcode()
{
    auto rows = Database::read([](DbSession& s) {
        return s.query(QStringLiteral("select 条形码 from 商品信息 join 库存 on 库存.商品编号 = 商品信息.商品编号 "
                                      "where 库存.库存量 > 0 limit 1"));
    });
    return rows && !rows->isEmpty() ? rows->text(0, QStringLiteral("条形码")) : QString();
}

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
        [letter, filtered = PlainSqlite::run(path, statement, {letter})](benchmark::State& state) {
            const auto form = shownSlip();
            ListWaits::timeKeystrokes(state, form.get(), form->lookup()->filterBox(), letter, *form->lookup()->list()->records(),
                                      filtered);
        },
        KeystrokeGoal);
    Waits::add(
        "SlipEntry/Keystroke/DbShare",
        [statement, letter](benchmark::State& state) { ListWaits::databaseShare(state, statement, {letter}); }, KeystrokeGoal);
    Waits::add(
        "SlipEntry/Keystroke/PlainSqlite",
        [path, statement, letter](benchmark::State& state) { ListWaits::plainSqlite(state, path, statement, {letter}); },
        KeystrokeGoal);

    // Enter in the price box adds the line and empties the filter, which
    // lists every goods again.
    Waits::add(
        "SlipEntry/LineRefill",
        [letter, everyGoods = PlainSqlite::run(path, statement, {QString()})](benchmark::State& state) {
            const auto form = shownSlip();
            for (auto _ : state) {
                ListWaits::typeKey(form->lookup()->filterBox(), letter);
                box(*form, "TextName")->setText(QStringLiteral("SP000001"));
                form->LoadGoods();
                box(*form, "TextQty")->setText(QStringLiteral("1.00"));
                Waits::settle(form.get());
                Waits::timeOnce(state, [&] {
                    pressEnter(box(*form, "TextPrice"));
                    Waits::untilListed(state, *form->lookup()->list()->records(), everyGoods);
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
        [path, statement](benchmark::State& state) { ListWaits::plainSqlite(state, path, statement, {QString()}); }, RefillGoal);

    // At the till: a barcode scanned into the sales slip in quick entry becomes a line at once.
    const QString barcode = stockedBarcode();
    const QString scanStatement = GoodsLookup::barcodeStatement();
    Waits::add(
        "SalesSlip/Scan",
        [barcode](benchmark::State& state) {
            for (const char* section : {"option1", "option2", "option3"})
                mdlINI::WriteIni(QString::fromLatin1(section), QStringLiteral("name"), QStringLiteral("False"));
            mdlINI::WriteIni(QStringLiteral("option4"), QStringLiteral("name"), QStringLiteral("True"));
            mdlINI::WriteIni(QStringLiteral("check1"), QStringLiteral("name"), QStringLiteral("1"));
            const auto form = shownForm<frmOut1>();
            for (auto _ : state) {
                box(*form, "TextName3")->setText(barcode);
                Waits::timeOnce(state, [&] {
                    pressEnter(box(*form, "TextName3"));
                    Waits::untilListed(state, *form->lines(), 1);
                });
            }
            if (form->lines()->rowCount() != 1)
                state.SkipWithError("the scans made no line");
        },
        ScanGoal);
    Waits::add(
        "SalesSlip/Scan/DbShare",
        [scanStatement, barcode](benchmark::State& state) { ListWaits::databaseShare(state, scanStatement, {barcode}); },
        ScanGoal);
    Waits::add(
        "SalesSlip/Scan/PlainSqlite",
        [path, scanStatement, barcode](benchmark::State& state) {
            ListWaits::plainSqlite(state, path, scanStatement, {barcode});
        },
        ScanGoal);
}
