#include "fixture.h"
#include "messagebox.h"
#include "stockindrive.h"

#include <QDateEdit>
#include <QRadioButton>

using namespace SlipEntryDrive;
using SlipBooks::execute;

class TestFrmIn1 : public VarnholtTestCase {
    Q_OBJECT
private slots:
    void opensOnTheNextNumberOfItsMode_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QString>("number");
        QTest::newRow("stock-in") << QString() << QStringLiteral("R0000042");
        QTest::newRow("purchase return") << QStringLiteral("退货") << QStringLiteral("T0000008");
    }
    void opensOnTheNextNumberOfItsMode()
    {
        QFETCH(QString, mode);
        QFETCH(QString, number);
        execute(QStringLiteral("insert into 入库单 (单号, 类别) values ('R0000041', '入库'), ('T0000007', '退货')"));
        auto* form = open(mode, QStringLiteral("小王"));
        QCOMPARE(form->windowTitle(), QStringLiteral("商品入库"));
        QCOMPARE(text(form, "Textid"), number);
        QCOMPARE(text(form, "TextOperator"), QStringLiteral("小王"));
        auto* date = control<QDateEdit>(form, "DTPicker0");
        QCOMPARE(date->date(), QDate(2024, 3, 5));
        QVERIFY(!date->isEnabled());
        // Closing it leaves the next form an ordinary one.
        form->close();
        QCOMPARE(appState().slipMode, QString());
    }

    void theAdministratorDatesTheSlip()
    {
        auto* form = open();
        QVERIFY(control<QDateEdit>(form, "DTPicker0")->isEnabled());
    }

    void eachActivationFocusesTheGoodsInput()
    {
        auto* form = open();
        QCOMPARE(focusedName(form), QStringLiteral("TextName3"));
        control<QRadioButton>(form, "Option1")->click();
        QTest::keyClick(focused(form), Qt::Key_F6);
        QCOMPARE(focusedName(form), QStringLiteral("TextName2"));
        control(form, "TextDiscount")->setFocus();
        QWidget other;
        other.show();
        QApplication::setActiveWindow(&other);
        QApplication::setActiveWindow(form);
        QCOMPARE(focusedName(form), QStringLiteral("TextName2"));
    }

    void escAsksOnlyWhenLinesWereEntered()
    {
        putGoods(QStringLiteral("SP000001"), QStringLiteral("可乐"), QStringLiteral("KL"));
        SlipBooks::putStock(QStringLiteral("SP000001"), QStringLiteral("5"), QStringLiteral("50"));
        QPointer<frmIn1> form = open(QStringLiteral("退货"));
        enterLine(form, QStringLiteral("SP000001"), QStringLiteral("1"), QStringLiteral("10"));
        QCOMPARE(form->lines()->rowCount(), 1);

        MessageBox::setNextAnswer(QMessageBox::No);
        press(form, Qt::Key_Escape);
        QCOMPARE(MessageBox::shown().last().text, QStringLiteral("还没保存，要退出吗？"));
        QCOMPARE(MessageBox::shown().last().title, QStringLiteral("提示"));
        QVERIFY(form && form->isVisible());
        QCOMPARE(form->lines()->rowCount(), 1);

        MessageBox::setNextAnswer(QMessageBox::Yes);
        press(form, Qt::Key_Escape);
        QVERIFY(!form || !form->isVisible());
        QCOMPARE(appState().slipMode, QString());

        MessageBox::clear();
        form = open();
        press(form, Qt::Key_Escape);
        QVERIFY(!form || !form->isVisible());
        QVERIFY(MessageBox::shown().isEmpty());
    }

    void f4TakesTheLineOffTheTotalsAndPutsTheTotalIntoTheCash()
    {
        putGoods(QStringLiteral("SP000001"), QStringLiteral("可乐"), QStringLiteral("KL"));
        putGoods(QStringLiteral("SP000002"), QStringLiteral("雪碧"), QStringLiteral("XB"));
        auto* form = open();
        enterLine(form, QStringLiteral("SP000001"), QStringLiteral("2.5"), QStringLiteral("5"));
        enterLine(form, QStringLiteral("SP000002"), QStringLiteral("7.5"), QStringLiteral("5"));
        QCOMPARE(totals(form), QStringLiteral("10.00 / 50.00"));
        fill(control(form, "Text3"), QStringLiteral("80"));

        // Answered No, or with no line selected, only the cash follows the total.
        clickRow(form, "ListView1", 0);
        MessageBox::setNextAnswer(QMessageBox::No);
        press(form, Qt::Key_F4);
        QCOMPARE(MessageBox::shown().last().text, QStringLiteral("确认要删除该记录吗？"));
        QCOMPARE(MessageBox::shown().last().icon, QMessageBox::Information);
        QCOMPARE(totals(form), QStringLiteral("10.00 / 50.00"));
        QCOMPARE(text(form, "Text3"), QStringLiteral("50.00"));

        MessageBox::setNextAnswer(QMessageBox::Yes);
        press(form, Qt::Key_F4);
        QCOMPARE(lineFigures(form), QStringList{QStringLiteral("7.50 / 5 / 37.50")});
        QCOMPARE(totals(form), QStringLiteral("7.50 / 37.50"));
        QCOMPARE(text(form, "Text3"), QStringLiteral("37.50"));
        QCOMPARE(text(form, "Text4"), QStringLiteral("0.00"));
    }
};

VARNHOLT_TEST(TestFrmIn1)
#include "tst_frmin1.moc"
