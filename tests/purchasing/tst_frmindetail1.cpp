#include "fixture.h"
#include "messagebox.h"
#include "stockindrive.h"

#include <QGroupBox>

using namespace RecordsDrive;
using SlipBooks::execute;
using SlipBooks::wholeBooks;

namespace {
// A slip of 500.00 paid nothing: -500.00 open.
frmInDetail* openOnADebt()
{
    save({.number = QStringLiteral("R0000001"),
          .difference = QStringLiteral("-500"),
          .lines = {SlipBooks::line(QStringLiteral("SP000001"), QStringLiteral("5"), QStringLiteral("100"))}});
    auto* form = openRecords();
    clickRow(form, "ListView1", 0);
    return form;
}

// Opens the repayment dialog and acts on it.
void repay(frmInDetail* form, std::function<void(QDialog*)> act)
{
    whenModal(std::move(act));
    control<QPushButton>(form, "ComF9")->click();
}

// Types the amount and presses Enter, answering the confirmation.
void pay(QDialog* dialog, const QString& amount, QMessageBox::StandardButton answer = QMessageBox::Ok)
{
    MessageBox::setNextAnswer(answer);
    fillAndEnter(dialog, "Text3", amount);
}

QString boxes(const QDialog* dialog)
{
    return QStringList{text(dialog, "Text1"), text(dialog, "Text2"), text(dialog, "Text3"), text(dialog, "Text4")}.join(
        QLatin1Char('/'));
}
}

class TestFrmInDetail1 : public VarnholtTestCase {
    Q_OBJECT
private slots:
    // A payment is held to the books' limit.
    void anAmountPastTheBooksLimitBooksNothing()
    {
        auto* form = openOnADebt();
        const QStringList before = wholeBooks();
        repay(form, [](QDialog* dialog) {
            MessageBox::setNextAnswer(QMessageBox::Ok);
            fillAndEnter(dialog, "Text3", QStringLiteral("2000000000000000"));
            checkRefused(dialog, "Text3", QStringLiteral("2000000000000000"),
                         QStringLiteral("现在还款金额不能大于[99999999999.99]。"));
            QTest::keyClick(control(dialog, "Text3"), Qt::Key_Escape);
        });
        QCOMPARE(wholeBooks(), before);
    }

    void aPaymentIsBookedThenShown_data()
    {
        QTest::addColumn<QStringList>("payments");
        QTest::newRow("200") << QStringList{"200"};
        QTest::newRow("twice 100") << QStringList{"100", "100"};
    }
    void aPaymentIsBookedThenShown()
    {
        QFETCH(QStringList, payments);
        auto* form = openOnADebt();
        QCOMPARE(listTotals(form), QStringLiteral("500.00 / -500.00"));
        repay(form, [&](QDialog* dialog) {
            QCOMPARE(dialog->objectName(), QStringLiteral("frmInDetail1"));
            QCOMPARE(dialog->windowTitle(), QStringLiteral("入库还款操作及记录"));
            QCOMPARE(control<QGroupBox>(dialog, "Frame1")->title(), QStringLiteral("还款操作"));
            QCOMPARE(control<QPushButton>(dialog, "ComOK")->text(), QStringLiteral("确认还款 ENTER"));
            QCOMPARE(focusedName(dialog), QStringLiteral("Text3"));
            QCOMPARE(boxes(dialog), QStringLiteral("张三/-500.00/0.00/0.00"));
            fill(control(dialog, "Text3"), payments.first());
            QCOMPARE(text(dialog, "Text4"), payments.size() == 1 ? QStringLiteral("-300") : QStringLiteral("-400"));
            for (const QString& amount : payments) {
                pay(dialog, amount);
                QCOMPARE(MessageBox::shown().last().text, QStringLiteral("确认要还款吗？"));
                QCOMPARE(MessageBox::shown().last().title, QStringLiteral("提示"));
            }
            QCOMPARE(boxes(dialog), QStringLiteral("张三/-300.00/0.00/-300"));
            QCOMPARE(rows(dialog, "ListView1").size(), payments.size());
            QCOMPARE(rows(dialog, "ListView1").last(),
                     QStringLiteral("R0000001 | %1.00 | 管理员 | 2024-03-05 | 09:00:00").arg(payments.last()));
            QVERIFY(dialog->isVisible());
        });
        QCOMPARE(MessageBox::shown().size(), payments.size());
        QStringList history;
        for (const QString& amount : payments)
            history << QStringLiteral("R0000001 | %1 | 管理员 | 2024-03-05 | 09:00:00").arg(amount);
        QCOMPARE(SlipBooks::rowsOf(QStringLiteral("select * from 入库单明细1")), history);
        QCOMPARE(stored(QStringLiteral("R0000001"), QStringLiteral("还款金额, 尚欠金额, 欠款金额")),
                 QStringLiteral("200 | -300 | -500"));
        QCOMPARE(rows(form, "ListView1").first().section(QStringLiteral(" | "), 1, 4),
                 QStringLiteral("500.00 | -500.00 | 200.00 | -300.00"));
        QCOMPARE(listTotals(form), QStringLiteral("500.00 / -300.00"));
    }

    void theFiguresAreShownOnlyAndTheAmountIsTyped()
    {
        auto* form = openOnADebt();
        QCOMPARE(boxLooks(control(form, "TextSum1")), QStringLiteral("read-only, right"));
        QCOMPARE(boxLooks(control(form, "TextSum2")), QStringLiteral("read-only, right"));
        repay(form, [](QDialog* dialog) {
            QCOMPARE(boxLooks(control(dialog, "Text1")), QStringLiteral("read-only, left"));
            QCOMPARE(boxLooks(control(dialog, "Text2")), QStringLiteral("read-only, right"));
            QCOMPARE(boxLooks(control(dialog, "Text3")), QStringLiteral("typed, right"));
            QCOMPARE(boxLooks(control(dialog, "Text4")), QStringLiteral("read-only, right"));
        });
    }

    // After a payment the slip's row and the totals show the slip as the book
    // holds it, with what else changed it since the list was read.
    void thePaidSlipIsReadBackFromTheBook()
    {
        auto* form = openOnADebt();
        execute(QStringLiteral("update 入库单 set 合计金额 = 600, 欠款金额 = -600, 尚欠金额 = -600 where 单号 = 'R0000001'"));
        repay(form, [](QDialog* dialog) { pay(dialog, QStringLiteral("200")); });
        QCOMPARE(rows(form, "ListView1").first().section(QStringLiteral(" | "), 1, 4),
                 QStringLiteral("600.00 | -600.00 | 200.00 | -400.00"));
        QCOMPARE(listTotals(form), QStringLiteral("600.00 / -400.00"));
    }

    // The amount is read once at the cent, half away from zero, as typed and
    // paid with Enter; what rounds to nothing is no amount. The history, the
    // slip and the dialog's balance hold the same cent.
    void anAmountIsReadAtTheCent_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("whileTyped");
        QTest::addColumn<QString>("paid"); // empty: no amount
        QTest::addColumn<QString>("owed");
        QTest::newRow("half a cent") << "0.005"
                                     << "0.005"
                                     << "0.01"
                                     << "-499.99";
        QTest::newRow("below half a cent") << "0.0049"
                                           << "0.0049" << QString() << "-500.00";
        QTest::newRow("a fifth decimal is not taken") << "1.00005"
                                                      << "1.0000"
                                                      << "1.00"
                                                      << "-499.00";
        QTest::newRow("decimals") << "12.6"
                                  << "12.6"
                                  << "12.60"
                                  << "-487.40";
        QTest::newRow("grouped") << "1,234.5"
                                 << "1,234.5"
                                 << "1234.50"
                                 << "734.50";
        QTest::newRow("under one") << "0.4"
                                   << "0.4"
                                   << "0.40"
                                   << "-499.60";
    }
    void anAmountIsReadAtTheCent()
    {
        QFETCH(QString, typed);
        QFETCH(QString, whileTyped);
        QFETCH(QString, paid);
        QFETCH(QString, owed);
        auto* form = openOnADebt();
        const QStringList before = wholeBooks();
        repay(form, [&](QDialog* dialog) {
            fill(control(dialog, "Text3"), typed);
            QCOMPARE(text(dialog, "Text3"), whileTyped);
            MessageBox::setNextAnswer(QMessageBox::Ok);
            QTest::keyClick(control(dialog, "Text3"), Qt::Key_Return);
            QCOMPARE(MessageBox::shownTexts().value(0),
                     paid.isEmpty() ? QStringLiteral("请输入还款金额。") : QStringLiteral("确认要还款吗？"));
            QCOMPARE(text(dialog, "Text2"), owed);
        });
        if (paid.isEmpty()) {
            QCOMPARE(wholeBooks(), before);
            return;
        }
        QCOMPARE(SlipBooks::rowsOf(QStringLiteral("select 还款金额 from 入库单明细1")),
                 QStringList{QString::number(paid.toDouble())});
        QCOMPARE(stored(QStringLiteral("R0000001"), QStringLiteral("还款金额, 尚欠金额")),
                 QString::number(paid.toDouble()) + QStringLiteral(" | ") + QString::number(owed.toDouble()));
    }

    void anAmountThatIsNoNumberIsRefused()
    {
        auto* form = openOnADebt();
        const QStringList before = wholeBooks();
        repay(form, [](QDialog* dialog) {
            for (const QString& typed : {QStringLiteral("abc"), QStringLiteral("0.00")}) {
                MessageBox::setNextAnswer(QMessageBox::Ok);
                fillAndEnter(dialog, "Text3", typed);
                QCOMPARE(MessageBox::shown().last().text, QStringLiteral("请输入还款金额。"));
                QCOMPARE(MessageBox::shown().last().title, QStringLiteral("提示"));
            }
            // Cancelled at the question: the amount stays.
            pay(dialog, QStringLiteral("50"), QMessageBox::Cancel);
            QCOMPARE(text(dialog, "Text3"), QStringLiteral("50"));
            QVERIFY(rows(dialog, "ListView1").isEmpty());
        });
        QCOMPARE(MessageBox::shown().size(), 3);
        QCOMPARE(wholeBooks(), before);
        QCOMPARE(listTotals(form), QStringLiteral("500.00 / -500.00"));
    }

    void aSettledSlipShowsItsHistoryButTakesNoPayment()
    {
        save({.number = QStringLiteral("R0000001")});
        execute(QStringLiteral(
            "insert into 入库单明细1 values ('R0000001', 3, '小王', '2024-03-02', '10:00:00'), "
            "('R0000001', 2, '小王', '2024-03-01', '12:00:00'), ('R0000001', 1, '小王', '2024-03-01', '09:00:00')"));
        auto* form = openRecords();
        clickRow(form, "ListView1", 0);
        repay(form, [](QDialog* dialog) {
            QCOMPARE(boxes(dialog), QStringLiteral("张三/0.00/0.00/0.00"));
            QVERIFY(!control(dialog, "Text3")->isEnabled());
            QVERIFY(!control<QPushButton>(dialog, "ComOK")->isEnabled());
            QCOMPARE(rows(dialog, "ListView1"), (QStringList{"R0000001 | 1.00 | 小王 | 2024-03-01 | 09:00:00",
                                                             "R0000001 | 2.00 | 小王 | 2024-03-01 | 12:00:00",
                                                             "R0000001 | 3.00 | 小王 | 2024-03-02 | 10:00:00"}));
            MessageBox::setNextAnswer(QMessageBox::Ok);
            QTest::keyClick(dialog, Qt::Key_Return);
            QCOMPARE(MessageBox::shownTexts(), QStringList{"请输入还款金额。"});
        });
    }

    void withNoSlipChosenNothingIsPayable()
    {
        save({.number = QStringLiteral("R0000001"), .difference = QStringLiteral("-5")});
        auto* form = openRecords();
        repay(form, [](QDialog* dialog) {
            QCOMPARE(boxes(dialog), QStringLiteral("/0.00/0.00/0.00"));
            QVERIFY(!control<QPushButton>(dialog, "ComOK")->isEnabled());
            QVERIFY(rows(dialog, "ListView1").isEmpty());
        });
    }

    void aSlipDeletedMeanwhileTakesNoPayment()
    {
        auto* form = openOnADebt();
        repay(form, [](QDialog* dialog) {
            execute(QStringLiteral("delete from 入库单 where 单号 = 'R0000001'"));
            const QStringList before = wholeBooks();
            MessageBox::setNextAnswer(QMessageBox::Ok);
            pay(dialog, QStringLiteral("100"));
            QCOMPARE(MessageBox::shown().last().text, QStringLiteral("没有这条记录或该记录已删除！"));
            QCOMPARE(wholeBooks(), before);
            QVERIFY(rows(dialog, "ListView1").isEmpty());
            QCOMPARE(text(dialog, "Text2"), QStringLiteral("-500.00"));
        });
        QCOMPARE(listTotals(form), QStringLiteral("500.00 / -500.00"));
    }
};

VARNHOLT_TEST(TestFrmInDetail1)
#include "tst_frmindetail1.moc"
