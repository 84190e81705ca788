#include "fixture.h"
#include "focushighlight.h"
#include "mdlini.h"
#include "messagebox.h"
#include "salesdrive.h"

#include <QCheckBox>
#include <QPushButton>
#include <QMessageBox>

using namespace SalesDrive;
using SlipBooks::putStock;

namespace {
const QString Cola = QStringLiteral("SP000001");
const QString Soda = QStringLiteral("SP000002");

bool isLit(const QWidget* form, const char* name)
{
    return control(form, name)->palette().color(QPalette::Base) == FocusHighlight::lit();
}
}

class TestSalesEntry : public VarnholtTestCase {
    Q_OBJECT

    // 可乐 at a retail price of 12.5, with a stock of 10 at an average cost of 8.00.
    void putCola(const QString& stock = QStringLiteral("10"))
    {
        putSalesGoods(Cola, QStringLiteral("可乐"), QStringLiteral("KL"), QStringLiteral("690001"), QStringLiteral("12.5"));
        putStock(Cola, stock, QString::number(stock.toDouble() * 8), QStringLiteral("8"));
    }

private slots:
    void aLineTakesTheRetailPriceItsCostAndItsProfit()
    {
        putCola();
        auto* form = openSales();
        fill(control(form, "TextDiscount1"), QStringLiteral("90"));
        pickByFilter(form, QStringLiteral("KL"));
        QCOMPARE(text(form, "TextPrice"), QStringLiteral("12.5"));
        QCOMPARE(text(form, "TextPrice2"), QStringLiteral("8.00"));
        QCOMPARE(focusedName(form), QStringLiteral("TextQty"));
        fillAndEnter(form, "TextQty", QStringLiteral("2"));
        QTest::keyClick(control(form, "TextPrice"), Qt::Key_Return);
        QCOMPARE(rows(form, "ListView1"),
                 QStringList{QStringLiteral(
                     "SP000001 | 可乐 | 500ml | 瓶 | 2.00 | 12.5 | 22.50 | 饮料 | 100 | 5 | 8.00 | 16.00 | 6.50")});
        QCOMPARE(salesTotals(form), QStringLiteral("2.00 / 22.50 / 16.00 / 6.50"));
        QCOMPARE(difference(form, "lbl"), QStringLiteral("0.00 [无需找零] black"));
        QCOMPARE(text(form, "Text3"), QStringLiteral("22.50"));
        // Ready for the next goods.
        QCOMPARE(text(form, "TextQty") + text(form, "TextPrice") + text(form, "TextPrice2"), QStringLiteral("1.000.000.00"));
        QCOMPARE(focusedName(form), QStringLiteral("TextName2"));

        // The same price text merges, another one makes a line of its own.
        pickByFilter(form, QStringLiteral("KL"));
        fillAndEnter(form, "TextQty", QStringLiteral("1"));
        QTest::keyClick(control(form, "TextPrice"), Qt::Key_Return);
        pickByFilter(form, QStringLiteral("KL"));
        fillAndEnter(form, "TextQty", QStringLiteral("1"));
        fillAndEnter(form, "TextPrice", QStringLiteral("12.50"));
        QCOMPARE(salesFigures(form), (QStringList{QStringLiteral("3.00 / 12.5 / 33.75 / 8.00 / 24.00 / 9.75"),
                                                  QStringLiteral("1.00 / 12.50 / 11.25 / 8.00 / 8.00 / 3.25")}));
        QCOMPARE(salesTotals(form), QStringLiteral("4.00 / 45.00 / 32.00 / 13.00"));
    }

    void aSaleIsCheckedAgainstTheStockAtEveryQuantity()
    {
        putCola(QStringLiteral("5"));
        auto* form = openSales();
        enterLine(form, Cola, QStringLiteral("3"), QStringLiteral("12.5"));
        fillAndEnter(form, "TextName", Cola);
        MessageBox::setNextAnswer(QMessageBox::Ok);
        fill(control(form, "TextQty"), QStringLiteral("3"));
        QCOMPARE(MessageBox::shownTexts(), QStringList{QStringLiteral("销售数量大于库存量[5.00]。")});
        QCOMPARE(MessageBox::shown().last().title, QStringLiteral("提示"));
        QCOMPARE(text(form, "TextQty"), QStringLiteral("1.00"));
        // What is left passes.
        fillAndEnter(form, "TextQty", QStringLiteral("2"));
        QTest::keyClick(control(form, "TextPrice"), Qt::Key_Return);
        QCOMPARE(salesFigures(form), QStringList{QStringLiteral("5.00 / 12.5 / 62.50 / 8.00 / 40.00 / 22.50")});
        QCOMPARE(MessageBox::shown().size(), 1);

        // With nothing left, the quantity put back is refused once more.
        MessageBox::clear();
        fillAndEnter(form, "TextName", Cola);
        MessageBox::setNextAnswer(QMessageBox::Ok);
        MessageBox::setNextAnswer(QMessageBox::Ok);
        fill(control(form, "TextQty"), QStringLiteral("1"));
        QCOMPARE(MessageBox::shownTexts(), QStringList(2, QStringLiteral("销售数量大于库存量[5.00]。")));
        QCOMPARE(text(form, "TextQty"), QStringLiteral("1.00"));
    }

    void goodsWithoutStockAreRefusedForASaleOnly_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QString>("stock"); // empty: no stock row
        QTest::addColumn<QString>("line");  // empty: refused
        QTest::newRow("sale, no stock row") << QString() << QString() << QString();
        QTest::newRow("sale, stock 0") << QString() << QStringLiteral("0.004") << QString();
        QTest::newRow("return, no stock row")
            << QStringLiteral("退货") << QString() << QStringLiteral("2.00 / 3 / 6.00 / 0.00 / 0.00 / 6.00");
        QTest::newRow("return, stock 0") << QStringLiteral("退货") << QStringLiteral("0")
                                         << QStringLiteral("2.00 / 3 / 6.00 / 6.00 / 12.00 / -6.00");
    }
    void goodsWithoutStockAreRefusedForASaleOnly()
    {
        QFETCH(QString, mode);
        QFETCH(QString, stock);
        QFETCH(QString, line);
        putCola();
        putSalesGoods(Soda, QStringLiteral("雪碧"), QStringLiteral("XB"), {}, QStringLiteral("3"));
        if (!stock.isEmpty())
            putStock(Soda, stock, QStringLiteral("0"), QStringLiteral("6"));
        auto* form = openSales(mode);
        // A goods picked before and left unfinished lends nothing to the next.
        fillAndEnter(form, "TextName", Cola);
        QCOMPARE(text(form, "TextPrice2"), QStringLiteral("8.00"));

        if (line.isEmpty()) {
            MessageBox::setNextAnswer(QMessageBox::Ok);
            fillAndEnter(form, "TextName", Soda);
            QCOMPARE(MessageBox::shownTexts(), QStringList{QStringLiteral("库存中无此商品，不能进行销售。")});
            QCOMPARE(MessageBox::shown().last().title, QStringLiteral("提示"));
            QCOMPARE(text(form, "TextPrice"), QStringLiteral("0.00"));
            QCOMPARE(text(form, "TextName"), QString());
            // No goods is left to enter, whatever price is typed.
            fillAndEnter(form, "TextPrice", QStringLiteral("3"));
            QCOMPARE(form->lines()->rowCount(), 0);
            return;
        }
        fillAndEnter(form, "TextName", Soda);
        QVERIFY(MessageBox::shown().isEmpty());
        fillAndEnter(form, "TextQty", QStringLiteral("2"));
        QTest::keyClick(control(form, "TextPrice"), Qt::Key_Return);
        QCOMPARE(salesFigures(form), QStringList{line});
    }

    void anUnknownCodeOrAFailedReadLeavesNoGoodsToEnter()
    {
        putCola();
        auto* form = openSales();
        fillAndEnter(form, "TextName", Cola);
        MessageBox::setNextAnswer(QMessageBox::Ok);
        fillAndEnter(form, "TextName", QStringLiteral("SP999999"));
        QCOMPARE(MessageBox::shownTexts(), QStringList{QStringLiteral("该商品不存在。")});
        QCOMPARE(MessageBox::shown().last().title, QStringLiteral("提示"));
        QCOMPARE(text(form, "TextPrice"), QStringLiteral("12.5"));
        fillAndEnter(form, "TextPrice", QStringLiteral("12.5"));
        QCOMPARE(form->lines()->rowCount(), 0);

        fillAndEnter(form, "TextName", Cola);
        Database::setFailureHook([](const QString& sql) -> std::optional<DbError> {
            if (sql.contains(QStringLiteral("商品信息")))
                return DbError{10, QStringLiteral("disk I/O error")};
            return std::nullopt;
        });
        MessageBox::setNextAnswer(QMessageBox::Ok);
        fillAndEnter(form, "TextName", Cola);
        Database::setFailureHook({});
        QCOMPARE(MessageBox::shown().last().text, QStringLiteral("Error 10: disk I/O error"));
        fillAndEnter(form, "TextPrice", QStringLiteral("12.5"));
        QCOMPARE(form->lines()->rowCount(), 0);
    }

    void quickEntryAddsEachScanAtOnceUnchecked()
    {
        putCola(QStringLiteral("2"));
        QPointer<frmOut1> form = openSales();
        auto* quick = control<QCheckBox>(form, "Check1");
        QCOMPARE(quick->text(), QStringLiteral("快速录入模式"));
        QVERIFY(!quick->isChecked());
        quick->click();
        QCOMPARE(mdlINI::ReadIni(QStringLiteral("check1"), QStringLiteral("name")), QStringLiteral("1"));

        for (int i = 0; i < 3; ++i)
            scan(form, QStringLiteral("690001"));
        QVERIFY(MessageBox::shown().isEmpty());
        QCOMPARE(salesFigures(form), QStringList{QStringLiteral("3.00 / 12.5 / 37.50 / 8.00 / 24.00 / 13.50")});
        QCOMPARE(text(form, "Text3"), QStringLiteral("37.50"));
        QCOMPARE(text(form, "TextName3"), QString());
        QCOMPARE(focusedName(form), QStringLiteral("TextName3"));

        form->close();
        form = openSales();
        QVERIFY(control<QCheckBox>(form, "Check1")->isChecked());
        control<QCheckBox>(form, "Check1")->click();
        QCOMPARE(mdlINI::ReadIni(QStringLiteral("check1"), QStringLiteral("name")), QStringLiteral("0"));
    }

    // The discount keeps what is typed while it has the focus; once left it
    // shows the whole number that prices the line. A discount of 0 is asked
    // for at the save, from the discount box as from the button.
    void theDiscountIsAWholeNumber_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("whileTyped");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("amount"); // of 2 at 12.5
        QTest::newRow("decimals round") << "12.6"
                                        << "12.6"
                                        << "13"
                                        << "3.25";
        QTest::newRow("grouped") << "1,234.5"
                                 << "1,234.5"
                                 << "1235"
                                 << "308.75";
        QTest::newRow("a fifth decimal is not taken") << "1.00005"
                                                      << "1.0000"
                                                      << "1"
                                                      << "0.25";
        QTest::newRow("below a half") << "0.4"
                                      << "0.4"
                                      << "0"
                                      << "0.00";
        QTest::newRow("far below a half") << "0.0049"
                                          << "0.0049"
                                          << "0"
                                          << "0.00";
        QTest::newRow("half a cent") << "0.005"
                                     << "0.005"
                                     << "0"
                                     << "0.00";
    }
    void theDiscountIsAWholeNumber()
    {
        QFETCH(QString, typed);
        QFETCH(QString, whileTyped);
        QFETCH(QString, shown);
        QFETCH(QString, amount);
        putCola();
        auto* form = openSales();
        const QStringList before = SlipBooks::wholeBooks();
        fill(control(form, "TextDiscount1"), typed);
        QCOMPARE(text(form, "TextDiscount1"), whileTyped);
        pickByFilter(form, QStringLiteral("KL"));
        QCOMPARE(text(form, "TextDiscount1"), shown);
        fillAndEnter(form, "TextQty", QStringLiteral("2"));
        QTest::keyClick(control(form, "TextPrice"), Qt::Key_Return);
        QVERIFY(MessageBox::shown().isEmpty());
        QCOMPARE(salesFigures(form).value(0).section(QStringLiteral(" / "), 0, 2), QStringLiteral("2.00 / 12.5 / ") + amount);
        if (shown != QLatin1String("0"))
            return;
        // Saved from the discount box before it is left, then by the button.
        const QString noDiscount = QStringLiteral("请填上折扣。");
        fill(control(form, "TextDiscount1"), typed);
        MessageBox::setNextAnswer(QMessageBox::Ok);
        press(form, Qt::Key_PageDown);
        QCOMPARE(MessageBox::shownTexts(), QStringList{noDiscount});
        QCOMPARE(focusedName(form), QStringLiteral("TextDiscount1"));
        MessageBox::setNextAnswer(QMessageBox::Ok);
        control<QPushButton>(form, "ComPD")->click();
        QCOMPARE(MessageBox::shownTexts(), QStringList(2, noDiscount));
        QCOMPARE(SlipBooks::wholeBooks(), before);
    }

    void aDiscountPastTheWholeLimitIsRefused()
    {
        auto* form = openSales();
        fill(control(form, "TextDiscount1"), QStringLiteral("999999999.99"));
        MessageBox::setNextAnswer(QMessageBox::Ok);
        QTest::keyClick(control(form, "TextDiscount1"), Qt::Key_Tab);
        QCoreApplication::processEvents();
        QCOMPARE(MessageBox::shownTexts(), QStringList{QStringLiteral("折扣不能大于[999999999]。")});
        QCOMPARE(focusedName(form), QStringLiteral("TextDiscount1"));
        QCOMPARE(text(form, "TextDiscount1"), QStringLiteral("999999999.99"));
    }

    void enterWalksTheHeaderAndRefusesEmptyBoxes()
    {
        auto* form = openSales();
        fill(control(form, "TextDiscount1"), QStringLiteral("abc"));
        QCOMPARE(text(form, "TextDiscount1"), QStringLiteral("abc"));
        fillAndEnter(form, "TextDiscount1", QStringLiteral("95"));
        QCOMPARE(focusedName(form), QStringLiteral("TextOperation"));

        const struct {
            const char* box;
            const char* refusal;
            const char* text;
            const char* next;
        } chain[] = {{"TextOperation", "请填上业务员。", "小李", "TextProvider"},
                     {"TextProvider", "请填上客户。", "张三", "TextProvider2"},
                     {"TextProvider2", "请填上客户。", "李四", "TextName3"}};
        for (const auto& step : chain) {
            MessageBox::setNextAnswer(QMessageBox::Ok);
            fillAndEnter(form, step.box, QString());
            QCOMPARE(MessageBox::shown().last().text, QString::fromUtf8(step.refusal));
            QCOMPARE(MessageBox::shown().last().title, QStringLiteral("提示"));
            QCOMPARE(focusedName(form), QString::fromLatin1(step.box));
            QVERIFY(isLit(form, step.box));
            fillAndEnter(form, step.box, QString::fromUtf8(step.text));
            QCOMPARE(text(form, step.box), QString::fromUtf8(step.text));
            QCOMPARE(focusedName(form), QString::fromLatin1(step.next));
        }
        control<QRadioButton>(form, "Option1")->click();
        fillAndEnter(form, "TextProvider2", QStringLiteral("李四"));
        QCOMPARE(focusedName(form), QStringLiteral("TextName2"));
    }

    void theCashTellsTheChangeOrTheShortfall()
    {
        putSalesGoods(Soda, QStringLiteral("雪碧"), QStringLiteral("XB"), {}, QStringLiteral("85.5"));
        putStock(Soda, QStringLiteral("10"), QStringLiteral("600"), QStringLiteral("60"));
        auto* form = openSales();
        enterLine(form, Soda, QStringLiteral("1"), QStringLiteral("85.5"));
        fill(control(form, "Text3"), QStringLiteral("100"));
        QCOMPARE(difference(form, "lbl"), QStringLiteral("14.50 [现金找零] blue"));
        fill(control(form, "Text3"), QStringLiteral("80"));
        QCOMPARE(difference(form, "lbl"), QStringLiteral("-5.50 [现金差额] red"));
        QCOMPARE(control<QLabel>(form, "lbl2")->text(), QStringLiteral("[现金支付]"));
        MessageBox::setNextAnswer(QMessageBox::Yes);
        QTest::keyClick(control(form, "Text3"), Qt::Key_Return);
        QCOMPARE(MessageBox::shown().last().text, QStringLiteral("付款金额小于实付金额, 是否允许欠款？"));
        QCOMPARE(focusedName(form), QStringLiteral("ComPD"));
        QCOMPARE(difference(form, "lbl"), QStringLiteral("-5.50 [现金差额] red"));
    }

    void aPricePastTheBoxAddsNoLine()
    {
        putCola();
        auto* form = openSales();
        const QStringList before = SlipBooks::wholeBooks();
        fillAndEnter(form, "TextName", Cola);
        fillAndEnter(form, "TextQty", QStringLiteral("1"));
        fill(control(form, "TextPrice"), QStringLiteral("2000000000000000"));
        MessageBox::setNextAnswer(QMessageBox::Ok);
        press(form, Qt::Key_Return);
        checkRefused(form, "TextPrice", QStringLiteral("2000000000000000"), QStringLiteral("单价不能大于[999999999.99]。"));
        QCOMPARE(form->lines()->rowCount(), 0);
        QCOMPARE(SlipBooks::wholeBooks(), before);
    }

    void theTotalsAndCostsShowTheLargestFigureWhole()
    {
        auto* form = openSales();
        for (const char* name : {"TextQtys", "TextMoneys", "TextMoneys2", "TextMoneys3", "Text3", "Text4"})
            QVERIFY2(showsWhole(control(form, name), QStringLiteral("-99999999999.99")), name);
    }
};

VARNHOLT_TEST(TestSalesEntry)
#include "tst_salesentry.moc"
