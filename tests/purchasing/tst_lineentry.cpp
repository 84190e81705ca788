#include "focushighlight.h"
#include "fixture.h"
#include "messagebox.h"
#include "stockindrive.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

using namespace SlipEntryDrive;

namespace {
bool isLit(const QLineEdit* box) { return box->palette().color(QPalette::Base) == FocusHighlight::lit(); }

// F5, then Enter in the cash box.
void cmdMoneyAndEnter(QWidget* form)
{
    press(form, Qt::Key_F5);
    QTest::keyClick(control(form, "Text3"), Qt::Key_Return);
}
}

class TestLineEntry : public VarnholtTestCase {
    Q_OBJECT

    frmIn1* openWithGoods(const QString& mode = {})
    {
        putGoods(QStringLiteral("SP000001"), QStringLiteral("可乐"), QStringLiteral("KL"));
        putGoods(QStringLiteral("SP000002"), QStringLiteral("雪碧"), QStringLiteral("XB"));
        return open(mode);
    }

private slots:
    void linesMergeByCodeAndExactPriceText()
    {
        auto* form = openWithGoods();
        // The loaded price stands as read, the quantity as formatted on leaving its box.
        fillAndEnter(form, "TextName", QStringLiteral("SP000001"));
        QCOMPARE(text(form, "TextPrice"), QStringLiteral("12.5"));
        fillAndEnter(form, "TextQty", QStringLiteral("2"));
        QCOMPARE(text(form, "TextQty"), QStringLiteral("2.00"));
        QTest::keyClick(control(form, "TextPrice"), Qt::Key_Return);
        QCOMPARE(rows(form, "ListView1"),
                 QStringList{QStringLiteral("SP000001 | 可乐 | 500ml | 瓶 | 2.00 | 12.5 | 25.00 | 饮料 | 100 | 5")});
        QCOMPARE(totals(form), QStringLiteral("2.00 / 25.00"));
        QCOMPARE(text(form, "Text3"), QStringLiteral("25.00"));
        QCOMPARE(difference(form, "lblDedt"), QStringLiteral("0.00 [全额结算] black"));
        // Ready for the next goods.
        QCOMPARE(text(form, "TextName"), QString());
        QCOMPARE(text(form, "TextQty"), QStringLiteral("0.00"));
        QCOMPARE(text(form, "TextPrice"), QStringLiteral("0.00"));
        QCOMPARE(focusedName(form), QStringLiteral("TextName3"));

        enterLine(form, QStringLiteral("SP000001"), QStringLiteral("3"), QStringLiteral("12.5"));
        QCOMPARE(lineFigures(form), QStringList{QStringLiteral("5.00 / 12.5 / 62.50")});
        QCOMPARE(totals(form), QStringLiteral("5.00 / 62.50"));
        enterLine(form, QStringLiteral("SP000001"), QStringLiteral("1"), QStringLiteral("12.50"));
        QCOMPARE(lineFigures(form), (QStringList{QStringLiteral("5.00 / 12.5 / 62.50"), QStringLiteral("1.00 / 12.50 / 12.50")}));
        QCOMPARE(totals(form), QStringLiteral("6.00 / 75.00"));
        QCOMPARE(text(form, "Text3"), QStringLiteral("75.00"));
    }

    void aLineTakesTheDiscountInItsBoxWhenEntered()
    {
        auto* form = openWithGoods();
        fill(control(form, "TextDiscount"), QStringLiteral("90"));
        enterLine(form, QStringLiteral("SP000002"), QStringLiteral("1"), QStringLiteral("10"));
        fill(control(form, "TextDiscount"), QStringLiteral("100"));
        QCOMPARE(lineFigures(form), QStringList{QStringLiteral("1.00 / 10 / 9.00")});
        QCOMPARE(totals(form), QStringLiteral("1.00 / 9.00"));
    }

    void theEnterChainRefusesEmptyBoxes()
    {
        auto* form = openWithGoods();
        MessageBox::setNextAnswer(QMessageBox::Ok);
        fillAndEnter(form, "TextDiscount", QString());
        QCOMPARE(MessageBox::shown().last().text, QStringLiteral("请输入折扣。"));
        QCOMPARE(focusedName(form), QStringLiteral("TextDiscount"));
        fillAndEnter(form, "TextDiscount", QStringLiteral("100"));
        QCOMPARE(focusedName(form), QStringLiteral("TextProvider"));
        fillAndEnter(form, "TextProvider", QStringLiteral("长江商行"));
        QCOMPARE(focusedName(form), QStringLiteral("TextName3"));

        fillAndEnter(form, "TextName", QStringLiteral("SP000001"));
        MessageBox::setNextAnswer(QMessageBox::Ok);
        fillAndEnter(form, "TextQty", QStringLiteral("0.00"));
        QCOMPARE(MessageBox::shown().last().text, QStringLiteral("请填上数量。"));
        QCOMPARE(focusedName(form), QStringLiteral("TextQty"));
        MessageBox::setNextAnswer(QMessageBox::Ok);
        fillAndEnter(form, "TextPrice", QStringLiteral("0.00"));
        QCOMPARE(MessageBox::shown().last().text, QStringLiteral("请填上单价。"));
        QCOMPARE(form->lines()->rowCount(), 0);

        // A discount of exactly 0 answers every key in the price box.
        fill(control(form, "TextDiscount"), QStringLiteral("0"));
        control(form, "TextPrice")->setFocus();
        MessageBox::setNextAnswer(QMessageBox::Ok);
        QTest::keyClick(control(form, "TextPrice"), '7');
        QCOMPARE(MessageBox::shown().last().text, QStringLiteral("请填上折扣。"));
        QCOMPARE(MessageBox::shown().last().title, QStringLiteral("提示"));
        QCOMPARE(text(form, "TextPrice"), QStringLiteral("0.00"));
        QCOMPARE(MessageBox::shown().size(), 4);
    }

    void theCashTellsTheDifference()
    {
        auto* form = openWithGoods();
        enterLine(form, QStringLiteral("SP000001"), QStringLiteral("5"), QStringLiteral("12.5"));
        QTest::keyClick(focused(form), Qt::Key_F5);
        QCOMPARE(focusedName(form), QStringLiteral("Text3"));
        QCOMPARE(control(form, "Text3")->selectedText(), QStringLiteral("62"));

        fill(control(form, "Text3"), QStringLiteral("100"));
        QCOMPARE(difference(form, "lblDedt"), QStringLiteral("37.50 [预付现金] blue"));
        QTest::keyClick(control(form, "Text3"), Qt::Key_Return);
        QCOMPARE(focusedName(form), QStringLiteral("ComPD"));
        QCOMPARE(text(form, "Text3"), QStringLiteral("100.00"));

        fill(control(form, "Text3"), QStringLiteral("50"));
        QCOMPARE(difference(form, "lblDedt"), QStringLiteral("-12.50 [现金差额] red"));
        MessageBox::setNextAnswer(QMessageBox::No);
        QTest::keyClick(control(form, "Text3"), Qt::Key_Return);
        QCOMPARE(MessageBox::shown().last().text, QStringLiteral("付款金额小于实付金额, 是否允许欠款？"));
        QCOMPARE(MessageBox::shown().last().buttons, QMessageBox::Yes | QMessageBox::No);
        QCOMPARE(focusedName(form), QStringLiteral("Text3"));
        MessageBox::setNextAnswer(QMessageBox::Yes);
        QTest::keyClick(control(form, "Text3"), Qt::Key_Return);
        QCOMPARE(focusedName(form), QStringLiteral("ComPD"));
        QCOMPARE(difference(form, "lblDedt"), QStringLiteral("-12.50 [现金差额] red"));
    }

    // The difference follows the total even when the cash box is set to the
    // text it holds: after a line is deleted, and after a slip on credit is saved.
    void theDifferenceFollowsTheTotal()
    {
        auto* form = openWithGoods();
        enterLine(form, QStringLiteral("SP000001"), QStringLiteral("1"), QStringLiteral("10"));
        enterLine(form, QStringLiteral("SP000002"), QStringLiteral("1"), QStringLiteral("7"));
        fill(control(form, "Text3"), QStringLiteral("10"));
        QCOMPARE(difference(form, "lblDedt"), QStringLiteral("-7.00 [现金差额] red"));
        clickRow(form, "ListView1", 1);
        MessageBox::setNextAnswer(QMessageBox::Yes);
        press(form, Qt::Key_F4);
        QCOMPARE(text(form, "TextMoneys"), QStringLiteral("10.00"));
        QCOMPARE(text(form, "Text3"), QStringLiteral("10.00"));
        QCOMPARE(difference(form, "lblDedt"), QStringLiteral("0.00 [全额结算] black"));
        MessageBox::setNextAnswer(QMessageBox::Ok);
        press(form, Qt::Key_PageDown);
        QCOMPARE(MessageBox::shownTexts().last(), QStringLiteral("确认要保存该信息吗？"));
        QCOMPARE(form->lines()->rowCount(), 0);

        enterLine(form, QStringLiteral("SP000001"), QStringLiteral("1"), QStringLiteral("10"));
        fill(control(form, "Text3"), QStringLiteral("0"));
        MessageBox::setNextAnswer(QMessageBox::Yes);
        QTest::keyClick(control(form, "Text3"), Qt::Key_Return);
        QCOMPARE(difference(form, "lblDedt"), QStringLiteral("-10.00 [现金差额] red"));
        MessageBox::setNextAnswer(QMessageBox::Ok);
        press(form, Qt::Key_PageDown);
        QCOMPARE(SlipBooks::rowsOf(QStringLiteral("select 欠款金额 from 入库单 order by 单号")), (QStringList{"0", "-10"}));
        QCOMPARE(text(form, "Text3"), QStringLiteral("0.00"));
        QCOMPARE(difference(form, "lblDedt"), QStringLiteral("0.00 [全额结算] black"));
    }

    // A figure past what a box takes, or a line amount past what the books
    // hold, adds no line, however the box is left.
    void figuresPastTheLimitsAddNoLine_data()
    {
        QTest::addColumn<QString>("quantity");
        QTest::addColumn<QString>("price");
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("message");
        const QString tooLargeQuantity = QStringLiteral("数量不能大于[999999999.99]。");
        const QString tooLargePrice = QStringLiteral("单价不能大于[999999999.99]。");
        const QString amount = QStringLiteral("金额不能大于[99999999999.99]。");
        QTest::newRow("quantity, Enter") << "2000000000000000"
                                         << "" << int(Qt::Key_Return) << "TextQty" << tooLargeQuantity;
        QTest::newRow("quantity, Tab") << "99999999999999999999"
                                       << "" << int(Qt::Key_Tab) << "TextQty" << tooLargeQuantity;
        QTest::newRow("just past the box") << "1000000000"
                                           << "" << int(Qt::Key_Return) << "TextQty" << tooLargeQuantity;
        QTest::newRow("price, Enter") << "1"
                                      << "1e300" << int(Qt::Key_Return) << "TextPrice" << tooLargePrice;
        QTest::newRow("price, Tab") << "1"
                                    << "2000000000000000" << int(Qt::Key_Tab) << "TextPrice" << tooLargePrice;
        QTest::newRow("amount") << "999999999"
                                << "1000000" << int(Qt::Key_Return) << "TextPrice" << amount;
    }
    void figuresPastTheLimitsAddNoLine()
    {
        QFETCH(QString, quantity);
        QFETCH(QString, price);
        QFETCH(int, key);
        QFETCH(QString, box);
        QFETCH(QString, message);
        auto* form = openWithGoods();
        const QStringList before = SlipBooks::wholeBooks();
        fillAndEnter(form, "TextName", QStringLiteral("SP000001"));
        fill(control(form, "TextQty"), quantity);
        QString typed = quantity;
        if (!price.isEmpty()) {
            QTest::keyClick(control(form, "TextQty"), Qt::Key_Return);
            fill(control(form, "TextPrice"), price);
            typed = price;
        }
        MessageBox::setNextAnswer(QMessageBox::Ok);
        press(form, Qt::Key(key));
        checkRefused(form, qPrintable(box), typed, message);
        QCOMPARE(form->lines()->rowCount(), 0);
        QCOMPARE(totals(form), QStringLiteral("0.00 / 0.00"));
        QCOMPARE(SlipBooks::wholeBooks(), before);
    }

    // The cash paid is a payment: the books' limit holds it, not the box limit.
    void aCashPastTheBooksLimitIsRefused()
    {
        auto* form = openWithGoods();
        enterLine(form, QStringLiteral("SP000001"), QStringLiteral("1"), QStringLiteral("10"));
        const QStringList before = SlipBooks::wholeBooks();
        fill(control(form, "Text3"), QStringLiteral("2000000000000000"));
        MessageBox::clear();
        MessageBox::setNextAnswer(QMessageBox::Ok);
        QTest::keyClick(control(form, "Text3"), Qt::Key_Return);
        checkRefused(form, "Text3", QStringLiteral("2000000000000000"), QStringLiteral("现金支付不能大于[99999999999.99]。"));
        MessageBox::clear();
        MessageBox::setNextAnswer(QMessageBox::Ok);
        press(form, Qt::Key_PageDown);
        checkRefused(form, "Text3", QStringLiteral("2000000000000000"), QStringLiteral("现金支付不能大于[99999999999.99]。"));
        QCOMPARE(SlipBooks::wholeBooks(), before);
    }

    // After a refused Enter the user works in another window and comes back:
    // the activation moving the focus is no leaving of the refused box, and
    // tells nothing again. Saving tells it once more.
    void aRefusalIsNotToldAgainAcrossAnotherWindow()
    {
        auto* form = openWithGoods();
        enterLine(form, QStringLiteral("SP000001"), QStringLiteral("1"), QStringLiteral("10"));
        const QString typed = QStringLiteral("2000000000000000");
        fill(control(form, "Text3"), typed);
        MessageBox::clear();
        MessageBox::setNextAnswer(QMessageBox::Ok);
        QTest::keyClick(control(form, "Text3"), Qt::Key_Return);
        QCOMPARE(MessageBox::shown().size(), 1);

        QWidget other;
        auto* elsewhere = new QLineEdit(&other);
        other.show();
        QApplication::setActiveWindow(&other);
        elsewhere->setFocus();
        QTest::keyClicks(elsewhere, QStringLiteral("x"));
        // Activating the slip puts the focus in the goods input.
        QApplication::setActiveWindow(form);
        QCOMPARE(focusedName(form), QStringLiteral("TextName3"));
        QCOMPARE(MessageBox::shown().size(), 1);
        QCOMPARE(text(form, "Text3"), typed);

        MessageBox::clear();
        MessageBox::setNextAnswer(QMessageBox::Ok);
        press(form, Qt::Key_PageDown);
        checkRefused(form, "Text3", typed, QStringLiteral("现金支付不能大于[99999999999.99]。"));
    }

    // A total past the box limit fills the cash paid, which takes it: the slip is saved as paid.
    void aTotalPastTheBoxIsPaidAndSaved()
    {
        auto* form = openWithGoods();
        enterLine(form, QStringLiteral("SP000001"), QStringLiteral("999999999"), QStringLiteral("2"));
        QCOMPARE(totals(form), QStringLiteral("999999999.00 / 1999999998.00"));
        QCOMPARE(text(form, "Text3"), QStringLiteral("1999999998.00"));
        cmdMoneyAndEnter(form);
        QVERIFY(MessageBox::shown().isEmpty());
        QCOMPARE(focusedName(form), QStringLiteral("ComPD"));
        MessageBox::setNextAnswer(QMessageBox::Ok);
        press(form, Qt::Key_PageDown);
        QCOMPARE(MessageBox::shownTexts(), QStringList{QStringLiteral("确认要保存该信息吗？")});
        QCOMPARE(SlipBooks::rowsOf(QStringLiteral("select 合计金额, 欠款金额, 尚欠金额 from 入库单")),
                 QStringList{QStringLiteral("1999999998 | 0 | 0")});
    }

    // Enter and PageDown each tell a discount past the box limit once; a line
    // is never priced at it (1 x 0.01 would be 10,000,000.00).
    void aDiscountPastTheBoxIsRefused()
    {
        auto* form = openWithGoods();
        const QStringList before = SlipBooks::wholeBooks();
        const QString discount = QStringLiteral("99999999999");
        MessageBox::setNextAnswer(QMessageBox::Ok);
        fillAndEnter(form, "TextDiscount", discount);
        checkRefused(form, "TextDiscount", discount, QStringLiteral("折扣不能大于[999999999.99]。"));
        MessageBox::clear();
        MessageBox::setNextAnswer(QMessageBox::Ok);
        press(form, Qt::Key_PageDown);
        checkRefused(form, "TextDiscount", discount, QStringLiteral("折扣不能大于[999999999.99]。"));

        // Put there by a paste the box was never left after.
        form->close();
        form = open();
        control(form, "TextDiscount")->setText(discount);
        fillAndEnter(form, "TextName", QStringLiteral("SP000001"));
        fillAndEnter(form, "TextQty", QStringLiteral("1"));
        MessageBox::clear();
        MessageBox::setNextAnswer(QMessageBox::Ok);
        fillAndEnter(form, "TextPrice", QStringLiteral("0.01"));
        checkRefused(form, "TextDiscount", discount, QStringLiteral("折扣不能大于[999999999.99]。"));
        QCOMPARE(form->lines()->rowCount(), 0);
        QCOMPARE(SlipBooks::wholeBooks(), before);
    }

    // A box kept as typed shows the figure it feeds: no digit past the
    // fourth decimal is taken, and the line and the book hold what it shows.
    void aFigureStandsAsTypedToTheFourthDecimal_data()
    {
        QTest::addColumn<QString>("discount");
        QTest::addColumn<QString>("quantity");
        QTest::addColumn<QString>("price");
        QTest::addColumn<QString>("shown"); // the box, as the line takes it
        QTest::addColumn<QString>("amount");
        QTest::addColumn<QString>("stored"); // 单价 | 折扣 | 金额
        QTest::newRow("decimals") << "100"
                                  << "1000"
                                  << "12.6"
                                  << "12.6"
                                  << "12600.00"
                                  << "12.6 | 100 | 12600";
        QTest::newRow("four decimals") << "100"
                                       << "1000"
                                       << "0.0049"
                                       << "0.0049"
                                       << "4.90"
                                       << "0.0049 | 100 | 4.9";
        QTest::newRow("half a cent") << "100"
                                     << "1000"
                                     << "0.005"
                                     << "0.005"
                                     << "5.00"
                                     << "0.005 | 100 | 5";
        QTest::newRow("a fifth decimal is not taken") << "100"
                                                      << "1000"
                                                      << "1.00005"
                                                      << "1.0000"
                                                      << "1000.00"
                                                      << "1 | 100 | 1000";
        QTest::newRow("grouped") << "100"
                                 << "1000"
                                 << "1,234.5"
                                 << "1,234.5"
                                 << "1234500.00"
                                 << "1234.5 | 100 | 1234500";
        QTest::newRow("under one") << "100"
                                   << "1000"
                                   << "0.4"
                                   << "0.4"
                                   << "400.00"
                                   << "0.4 | 100 | 400";
        QTest::newRow("at the box limit") << "100"
                                          << "1"
                                          << "999999999.99"
                                          << "999999999.99"
                                          << "999999999.99"
                                          << "999999999.99 | 100 | 999999999.99";
        QTest::newRow("a discount's fifth decimal is not taken") << "99.99999"
                                                                 << "1000"
                                                                 << "1000"
                                                                 << "1000"
                                                                 << "999999.00"
                                                                 << "1000 | 99.9999 | 999999";
    }
    void aFigureStandsAsTypedToTheFourthDecimal()
    {
        QFETCH(QString, discount);
        QFETCH(QString, quantity);
        QFETCH(QString, price);
        QFETCH(QString, shown);
        QFETCH(QString, amount);
        QFETCH(QString, stored);
        auto* form = openWithGoods();
        fill(control(form, "TextDiscount"), discount);
        fillAndEnter(form, "TextName", QStringLiteral("SP000001"));
        QCOMPARE(text(form, "TextDiscount"), discount == QLatin1String("99.99999") ? QStringLiteral("99.9999") : discount);
        fillAndEnter(form, "TextQty", quantity);
        fill(control(form, "TextPrice"), price);
        QCOMPARE(text(form, "TextPrice"), shown);
        QTest::keyClick(control(form, "TextPrice"), Qt::Key_Return);
        QVERIFY(MessageBox::shown().isEmpty());
        QCOMPARE(lineFigures(form), QStringList{quantity + QStringLiteral(".00 / ") + shown + QStringLiteral(" / ") + amount});
        cmdMoneyAndEnter(form);
        MessageBox::setNextAnswer(QMessageBox::Ok);
        press(form, Qt::Key_PageDown);
        QCOMPARE(MessageBox::shownTexts(), QStringList{QStringLiteral("确认要保存该信息吗？")});
        QCOMPARE(SlipBooks::rowsOf(QStringLiteral("select 单价, 折扣, 金额 from 入库单明细")), QStringList{stored});
    }

    // Full-width figures fold as they are typed; a minus over a box of zeros starts a negative figure.
    void figuresFoldAndTakeASign()
    {
        auto* form = openWithGoods();
        fillAndEnter(form, "TextName", QStringLiteral("SP000001"));
        fillAndEnter(form, "TextQty", QStringLiteral("２．５"));
        QCOMPARE(text(form, "TextQty"), QStringLiteral("2.50"));
        auto* price = control(form, "TextPrice");
        fill(price, QString());
        QCOMPARE(price->text(), QString());
        typeText(price, QStringLiteral("－４"));
        QCOMPARE(price->text(), QStringLiteral("-4"));
        QTest::keyClick(price, Qt::Key_Return);
        QCOMPARE(lineFigures(form), QStringList{QStringLiteral("2.50 / -4 / -10.00")});
    }

    void aReturnWarnsOfAQuantityBeyondTheStock()
    {
        SlipBooks::putStock(QStringLiteral("SP000001"), QStringLiteral("5"), QStringLiteral("50"));
        auto* form = openWithGoods(QStringLiteral("退货"));
        enterLine(form, QStringLiteral("SP000001"), QStringLiteral("3"), QStringLiteral("10"));
        fillAndEnter(form, "TextName", QStringLiteral("SP000001"));
        fill(control(form, "TextQty"), QStringLiteral("2"));
        QVERIFY(MessageBox::shown().isEmpty());
        MessageBox::setNextAnswer(QMessageBox::Ok);
        fill(control(form, "TextQty"), QStringLiteral("3"));
        QCOMPARE(MessageBox::shownTexts(), QStringList{QStringLiteral("退货数量不能大于库存量[5.00]。")});
        // A warning only: the quantity stands.
        QCOMPARE(text(form, "TextQty"), QStringLiteral("3"));
    }

    void boxesLightUpWhileFocused()
    {
        auto* form = openWithGoods();
        fillAndEnter(form, "TextName", QStringLiteral("SP000001"));
        auto* quantity = control(form, "TextQty");
        auto* price = control(form, "TextPrice");
        QVERIFY(isLit(quantity));
        QCOMPARE(quantity->selectedText(), QStringLiteral("0"));
        QTest::keyClicks(quantity, QStringLiteral("abc"));
        price->setFocus();
        QCOMPARE(quantity->text(), QStringLiteral("0.00"));
        QVERIFY(!isLit(quantity));
        QVERIFY(isLit(price));
        QCOMPARE(price->selectedText(), QStringLiteral("12"));

        // A message taking the activation leaves the box as it is.
        QTest::keyClicks(price, QStringLiteral("7"));
        QMessageBox message;
        message.show();
        QApplication::setActiveWindow(&message);
        QCOMPARE(price->text(), QStringLiteral("7.5"));
        QVERIFY(isLit(price));
        QApplication::setActiveWindow(form);
        QCOMPARE(price->text(), QStringLiteral("7.5"));

        // The cash box is formatted on leaving and stays lit.
        auto* cash = control(form, "Text3");
        fill(cash, QStringLiteral("50"));
        control(form, "TextProvider")->setFocus();
        QCOMPARE(cash->text(), QStringLiteral("50.00"));
        QVERIFY(isLit(cash));
        QVERIFY(isLit(control(form, "TextProvider")));
    }
};

VARNHOLT_TEST(TestLineEntry)
#include "tst_lineentry.moc"
