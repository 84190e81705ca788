#include "clock.h"
#include "fixture.h"
#include "frmOther1.h"
#include "messagebox.h"
#include "recordgrid.h"
#include "slipentrydrive.h"

#include <QDateEdit>
#include <QPointer>
#include <QRadioButton>

using namespace SlipEntryDrive;
using SlipBooks::rowsOf;

namespace {
const QString Cola = QStringLiteral("SP000001");
const QString Sprite = QStringLiteral("SP000002");
const QString Loss = QStringLiteral("报损");
}

class TestFrmOther1 : public VarnholtTestCase {
    Q_OBJECT

    // Two goods at a purchase price of 10, the first one in stock as given,
    // and the loss slip opened as the main window opens it.
    frmOther1* openLoss(const QString& stock, const QString& operatorName = QStringLiteral("管理员"))
    {
        putGoods(Cola, QStringLiteral("可乐"), QStringLiteral("KL"), {}, QStringLiteral("10"));
        putGoods(Sprite, QStringLiteral("雪碧"), QStringLiteral("XB"), {}, QStringLiteral("10"));
        if (!stock.isEmpty())
            SlipBooks::putStock(Cola, stock, QStringLiteral("25"), QStringLiteral("2.5"));
        auto* form = open<frmOther1>(Loss, operatorName);
        control<QRadioButton>(form, "Option1")->click();
        return form;
    }

private slots:
    void aPricePastTheBoxAddsNoLine()
    {
        auto* form = openLoss(QStringLiteral("10"));
        const QStringList before = SlipBooks::wholeBooks();
        fillAndEnter(form, "TextName", Cola);
        fillAndEnter(form, "TextQty", QStringLiteral("1"));
        fill(control(form, "TextPrice"), QStringLiteral("99999999999999999999"));
        MessageBox::setNextAnswer(QMessageBox::Ok);
        press(form, Qt::Key_Tab);
        checkRefused(form, "TextPrice", QStringLiteral("99999999999999999999"), QStringLiteral("单价不能大于[999999999.99]。"));
        QCOMPARE(form->lines()->rowCount(), 0);
        QCOMPARE(SlipBooks::wholeBooks(), before);
    }

    void opensOnTheNextLossNumber()
    {
        SlipBooks::execute(QStringLiteral("insert into 调失单 (单号, 类别) values ('L0000003', '报损'), ('L0000050', '调拔')"));
        Clock::setNow(QDateTime(QDate(2024, 3, 5), QTime(9, 0)));
        QPointer<frmOther1> form = openLoss(QStringLiteral("10"), QStringLiteral("小王"));
        QCOMPARE(form->windowTitle(), QStringLiteral("商品报损"));
        QCOMPARE(text(form, "Textid"), QStringLiteral("L0000004"));
        QCOMPARE(text(form, "TextOperator"), QStringLiteral("小王"));
        QVERIFY(!control<QDateEdit>(form, "DTPicker0")->isEnabled());
        QCOMPARE(text(form, "TextDiscount") + text(form, "TextQty") + text(form, "TextPrice"), QStringLiteral("1000.000.00"));
        for (const char* absent : {"TextProvider", "ComEnd", "TextQty1", "Text3", "TextName3"})
            QVERIFY2(!form->findChild<QWidget*>(QString::fromLatin1(absent)), absent);
        // Enter in the discount goes on to the goods input.
        fillAndEnter(form, "TextDiscount", QStringLiteral("95"));
        QCOMPARE(focusedName(form), QStringLiteral("TextName2"));

        press(form, Qt::Key_Escape);
        QVERIFY(MessageBox::shown().isEmpty());
        QTRY_VERIFY(!form);
        QCOMPARE(appState().slipMode, QString());
    }

    void goodsWithoutStockAreRefused()
    {
        auto* form = openLoss({});
        SlipBooks::putStock(Sprite, QStringLiteral("0.004"), QStringLiteral("0"));
        for (const QString& code : {Cola, Sprite}) {
            MessageBox::setNextAnswer(QMessageBox::Ok);
            fillAndEnter(form, "TextName", code);
            QCOMPARE(MessageBox::shown().last().text, QStringLiteral("库存中无此商品，不能报损"));
            QCOMPARE(MessageBox::shown().last().title, QStringLiteral("Varnholt"));
            QCOMPARE(text(form, "TextName") + text(form, "TextQty") + text(form, "TextPrice"), QStringLiteral("0.000.00"));
            // No goods is held: the price box takes no line.
            fillAndEnter(form, "TextPrice", QStringLiteral("10"));
            QCOMPARE(form->lines()->rowCount(), 0);
        }

        // An unknown code forgets the goods held before.
        SlipBooks::putStock(QStringLiteral("SP009999"), QStringLiteral("8"), QStringLiteral("8"));
        SlipBooks::execute(QStringLiteral("update 库存 set 库存量 = 5 where 商品编号 = ?"), {Sprite});
        fillAndEnter(form, "TextName", Sprite);
        MessageBox::setNextAnswer(QMessageBox::Ok);
        fillAndEnter(form, "TextName", QStringLiteral("SP009999"));
        QCOMPARE(MessageBox::shown().last().text, QStringLiteral("该商品不存在。"));
        QCOMPARE(MessageBox::shown().last().title, QStringLiteral("提示"));
        QCOMPARE(text(form, "TextPrice"), QStringLiteral("0"));
        fillAndEnter(form, "TextQty", QStringLiteral("1"));
        fillAndEnter(form, "TextPrice", QStringLiteral("10"));
        QCOMPARE(form->lines()->rowCount(), 0);
    }

    void aQuantityBeyondTheStockStartsAgain()
    {
        auto* form = openLoss(QStringLiteral("-2"));
        fillAndEnter(form, "TextName", Cola);
        QVERIFY(MessageBox::shown().isEmpty());
        MessageBox::setNextAnswer(QMessageBox::Ok);
        MessageBox::setNextAnswer(QMessageBox::Ok);
        fill(control(form, "TextQty"), QStringLiteral("1"));
        // The reset to 0.00 is checked again.
        QCOMPARE(MessageBox::shownTexts(), QStringList(2, QStringLiteral("报损数量不能大于库存量[-2.00]。")));
        QCOMPARE(MessageBox::shown().last().title, QStringLiteral("提示"));
        QCOMPARE(text(form, "TextQty"), QStringLiteral("0.00"));
    }

    void theLinesOfTheGoodsCountAgainstItsStock()
    {
        auto* form = openLoss(QStringLiteral("5"));
        enterLine(form, Cola, QStringLiteral("3"), QStringLiteral("10"));
        fillAndEnter(form, "TextName", Cola);
        MessageBox::setNextAnswer(QMessageBox::Ok);
        fill(control(form, "TextQty"), QStringLiteral("3"));
        QCOMPARE(MessageBox::shownTexts(), QStringList{QStringLiteral("报损数量不能大于库存量[5.00]。")});
        QCOMPARE(text(form, "TextQty"), QStringLiteral("0.00"));
        fillAndEnter(form, "TextQty", QStringLiteral("2"));
        fillAndEnter(form, "TextPrice", QStringLiteral("10"));
        QCOMPARE(lineFigures(form), QStringList{QStringLiteral("5.00 / 10 / 50.00")});
        QCOMPARE(totals(form), QStringLiteral("5.00 / 50.00"));
        QCOMPARE(MessageBox::shown().size(), 1);
    }

    void theDiscountPricesEnteredLinesOnly()
    {
        auto* form = openLoss(QStringLiteral("2"));
        fill(control(form, "TextDiscount"), QStringLiteral("90"));
        enterLine(form, Cola, QStringLiteral("2"), QStringLiteral("10"));
        QCOMPARE(lineFigures(form), QStringList{QStringLiteral("2.00 / 10 / 18.00")});
        clickRow(form, "ListView1", 0);
        answerLineDialog(form, Qt::Key_F8, {}, QStringLiteral("修改单价"), QStringLiteral("frmOther15"));
        QCOMPARE(lineFigures(form), QStringList{QStringLiteral("2.00 / 10 / 18.00")});
        answerLineDialog(form, Qt::Key_F8, QStringLiteral("10"), QStringLiteral("修改单价"), QStringLiteral("frmOther15"));
        QCOMPARE(lineFigures(form), QStringList{QStringLiteral("2.00 / 10.00 / 20.00")});
        QCOMPARE(totals(form), QStringLiteral("2.00 / 20.00"));
        // F7 goes beyond the stock unchecked.
        answerLineDialog(form, Qt::Key_F7, QStringLiteral("3"), QStringLiteral("修改数量"), QStringLiteral("frmOther15"));
        QCOMPARE(lineFigures(form), QStringList{QStringLiteral("3.00 / 10.00 / 30.00")});
        QCOMPARE(totals(form), QStringLiteral("3.00 / 30.00"));
        QVERIFY(MessageBox::shown().isEmpty());
    }

    void aDiscountOfNothingIsRefused()
    {
        auto* form = openLoss(QStringLiteral("10"));
        fill(control(form, "TextDiscount"), QString());
        fillAndEnter(form, "TextName", Cola);
        QCOMPARE(text(form, "TextDiscount"), QStringLiteral("0"));
        fillAndEnter(form, "TextQty", QStringLiteral("1"));
        MessageBox::setNextAnswer(QMessageBox::Ok);
        QTest::keyClick(control(form, "TextPrice"), '5');
        QCOMPARE(MessageBox::shown().last().text, QStringLiteral("请填上折扣。"));
        QCOMPARE(text(form, "TextPrice"), QStringLiteral("10"));

        // Even an empty slip is not confirmed without a discount.
        MessageBox::setNextAnswer(QMessageBox::Ok);
        press(form, Qt::Key_PageDown);
        QCOMPARE(MessageBox::shownTexts(), QStringList(2, QStringLiteral("请填上折扣。")));
        QCOMPARE(focusedName(form), QStringLiteral("TextDiscount"));
        QCOMPARE(text(form, "TextBZ"), QStringLiteral("-"));
    }

    void aNumberTakenMeanwhileMovesToTheNextFree()
    {
        auto* form = openLoss(QStringLiteral("10"));
        fill(control(form, "TextDiscount"), QStringLiteral("90"));
        enterLine(form, Cola, QStringLiteral("4"), QStringLiteral("2.00"));
        saveAfterANumberClash(form, QStringLiteral("调失单"), Loss, QStringLiteral("L0000002"));
    }

    void confirmedLossLowersTheStock()
    {
        SlipBooks::execute(QStringLiteral("insert into 调失单 (单号, 类别) values ('L0000003', '报损'), ('L0000050', '调拔')"));
        Clock::setNow(QDateTime(QDate(2024, 3, 5), QTime(18, 30, 5)));
        auto* form = openLoss(QStringLiteral("10"));
        fill(control(form, "TextDiscount"), QStringLiteral("90"));
        enterLine(form, Cola, QStringLiteral("4"), QStringLiteral("2.00"));
        const QStringList books = SlipBooks::wholeBooks();
        MessageBox::setNextAnswer(QMessageBox::Cancel);
        press(form, Qt::Key_PageDown);
        QCOMPARE(MessageBox::shown().last().text, QStringLiteral("确认要把这些商品报废吗？"));
        QCOMPARE(MessageBox::shown().last().buttons, QMessageBox::Ok | QMessageBox::Cancel);
        QCOMPARE(SlipBooks::wholeBooks(), books);
        QCOMPARE(form->lines()->rowCount(), 1);

        MessageBox::setNextAnswer(QMessageBox::Ok);
        press(form, Qt::Key_PageDown);
        QCOMPARE(rowsOf(QStringLiteral("select * from 调失单 where 单号 = 'L0000004'")),
                 QStringList{QStringLiteral("L0000004 | 2024-03-05 | 18:30:05 | 管理员 | 90 | 4 | 7.2 | 报损 | -")});
        QCOMPARE(rowsOf(QStringLiteral("select * from 调失单明细")),
                 QStringList{QStringLiteral("L0000004 | 2024-03-05 | SP000001 | 可乐 | 500ml | 瓶 | 4 | 2 | 90 | 7.2 | 饮料")});
        QCOMPARE(SlipBooks::stockOf(Cola), QStringLiteral("6.00 / 17.00 / 2.50"));

        QCOMPARE(text(form, "Textid"), QStringLiteral("L0000005"));
        QCOMPARE(form->lines()->rowCount(), 0);
        QCOMPARE(totals(form), QStringLiteral("0.00 / 0.00"));
        QCOMPARE(text(form, "TextDiscount"), QStringLiteral("90"));
        QCOMPARE(text(form, "TextBZ"), QString());
        QCOMPARE(form->lookup()->list()->text(0, 2), QStringLiteral("6"));
        QCOMPARE(focusedName(form), QStringLiteral("TextName2"));
        QCOMPARE(appState().slipMode, Loss);
    }
};

VARNHOLT_TEST(TestFrmOther1)
#include "tst_frmother1.moc"
