#include "clock.h"
#include "fixture.h"
#include "messagebox.h"
#include "stockindrive.h"

#include <QDateEdit>

using namespace SlipEntryDrive;
using SlipBooks::rowsOf;

class TestSlipEntrySave : public VarnholtTestCase {
    Q_OBJECT

    // A slip of two lines, 2 @ 12.5 and 3 @ 4 at a discount of 90, from a supplier.
    frmIn1* enteredSlip()
    {
        putGoods(QStringLiteral("SP000001"), QStringLiteral("可乐"), QStringLiteral("KL"));
        putGoods(QStringLiteral("SP000002"), QStringLiteral("雪碧"), QStringLiteral("XB"));
        SlipBooks::putStock(QStringLiteral("SP000002"), QStringLiteral("10"), QStringLiteral("40"), QStringLiteral("4"));
        SlipBooks::execute(QStringLiteral("insert into 入库单 (单号, 类别) values ('R0000041', '入库')"));
        auto* form = open();
        fill(control(form, "TextDiscount"), QStringLiteral("90"));
        fill(control(form, "TextProvider"), QStringLiteral("长江商行"));
        fill(control(form, "TextBZ"), QStringLiteral("补货"));
        enterLine(form, QStringLiteral("SP000001"), QStringLiteral("2"), QStringLiteral("12.5"));
        enterLine(form, QStringLiteral("SP000002"), QStringLiteral("3"), QStringLiteral("4"));
        return form;
    }

private slots:
    void confirmedSlipIsSavedAndTheFormStartsTheNext()
    {
        auto* form = enteredSlip();
        control<QDateEdit>(form, "DTPicker0")->setDate(QDate(2024, 3, 1));
        fill(control(form, "Text3"), QStringLiteral("30"));
        QCOMPARE(text(form, "Text4"), QStringLiteral("-3.30"));
        Clock::setNow(QDateTime(QDate(2024, 3, 5), QTime(10, 15, 30)));
        MessageBox::setNextAnswer(QMessageBox::Ok);
        press(form, Qt::Key_PageDown);
        QCOMPARE(MessageBox::shown().last().text, QStringLiteral("确认要保存该信息吗？"));
        QCOMPARE(MessageBox::shown().last().buttons, QMessageBox::Ok | QMessageBox::Cancel);

        QCOMPARE(rowsOf(QStringLiteral("select * from 入库单 where 单号 = 'R0000042'")),
                 QStringList{QStringLiteral(
                     "R0000042 | 2024-03-01 | 10:15:30 | 管理员 | 90 | 长江商行 | 5 | 33.3 | -3.3 | -3.3 | 入库 | 补货 | 0")});
        QCOMPARE(rowsOf(QStringLiteral("select * from 入库单明细")),
                 (QStringList{
                     QStringLiteral(
                         "R0000042 | 2024-03-01 | 2024-03 | SP000001 | 可乐 | 500ml | 瓶 | 2 | 12.5 | 90 | 22.5 | 饮料 | 入库"),
                     QStringLiteral(
                         "R0000042 | 2024-03-01 | 2024-03 | SP000002 | 雪碧 | 500ml | 瓶 | 3 | 4 | 90 | 10.8 | 饮料 | 入库")}));
        QCOMPARE(SlipBooks::stockOf(QStringLiteral("SP000001")), QStringLiteral("2.00 / 22.50 / 12.50"));
        QCOMPARE(SlipBooks::stockOf(QStringLiteral("SP000002")), QStringLiteral("13.00 / 52.00 / 4.00"));

        QCOMPARE(text(form, "Textid"), QStringLiteral("R0000043"));
        QCOMPARE(form->lines()->rowCount(), 0);
        QCOMPARE(totals(form), QStringLiteral("0.00 / 0.00"));
        QCOMPARE(text(form, "Text3") + text(form, "Text4"), QStringLiteral("0.000.00"));
        QCOMPARE(text(form, "TextProvider") + text(form, "TextBZ"), QString());
        QCOMPARE(text(form, "TextDiscount"), QStringLiteral("90"));
        QCOMPARE(control<QDateEdit>(form, "DTPicker0")->date(), QDate(2024, 3, 1));
        QCOMPARE(focusedName(form), QStringLiteral("TextName3"));
        QCOMPARE(MessageBox::shown().size(), 1);
    }

    void aNumberTakenMeanwhileMovesToTheNextFree()
    {
        auto* form = enteredSlip();
        fill(control(form, "Text3"), QStringLiteral("30"));
        saveAfterANumberClash(form, QStringLiteral("入库单"), QStringLiteral("入库"), QStringLiteral("R0000043"));
    }

    void refusalsKeepTheSlip()
    {
        putGoods(QStringLiteral("SP000001"), QStringLiteral("可乐"), QStringLiteral("KL"));
        auto* form = open();
        // An empty slip with cash typed ends silently.
        fill(control(form, "Text3"), QStringLiteral("5"));
        press(form, Qt::Key_PageDown);
        QVERIFY(MessageBox::shown().isEmpty());
        // Empty boxes take "-" before any check.
        QCOMPARE(text(form, "TextProvider") + text(form, "TextBZ"), QStringLiteral("--"));

        fill(control(form, "Text3"), QStringLiteral("0"));
        MessageBox::setNextAnswer(QMessageBox::Ok);
        press(form, Qt::Key_PageDown);
        QCOMPARE(MessageBox::shown().last().text, QStringLiteral("请先确认金额。 "));
        QCOMPARE(focusedName(form), QStringLiteral("Text3"));

        fill(control(form, "TextDiscount"), QStringLiteral("0"));
        MessageBox::setNextAnswer(QMessageBox::Ok);
        press(form, Qt::Key_PageDown);
        QCOMPARE(MessageBox::shown().last().text, QStringLiteral("请填上折扣。"));
        QCOMPARE(focusedName(form), QStringLiteral("TextDiscount"));
        QCOMPARE(rowsOf(QStringLiteral("select count(*) from 入库单")), QStringList{QStringLiteral("0")});
    }

    void cancelOrAFailureWritesNothing()
    {
        auto* form = enteredSlip();
        const QStringList books = SlipBooks::wholeBooks();
        MessageBox::setNextAnswer(QMessageBox::Cancel);
        press(form, Qt::Key_PageDown);
        QCOMPARE(SlipBooks::wholeBooks(), books);
        QCOMPARE(form->lines()->rowCount(), 2);
        QCOMPARE(focusedName(form), QStringLiteral("TextName3"));

        const MessageBoxRecord error = confirmFailing(form, QStringLiteral("入库单明细"));
        QCOMPARE(error.text, QStringLiteral("Error 13: database or disk is full"));
        QCOMPARE(error.title, QStringLiteral("Varnholt"));
        QCOMPARE(SlipBooks::wholeBooks(), books);
        QCOMPARE(form->lines()->rowCount(), 2);
        QCOMPARE(text(form, "Textid"), QStringLiteral("R0000042"));
        QCOMPARE(text(form, "TextProvider"), QStringLiteral("长江商行"));
    }

    void aSavedSlipIsNeverSavedTwice()
    {
        auto* form = enteredSlip();
        // The next number cannot be read once the slip is in.
        bool saved = false;
        Database::setFailureHook([&saved](const QString& sql) -> std::optional<DbError> {
            if (sql == QStringLiteral("COMMIT"))
                saved = true;
            else if (saved && sql.startsWith(QStringLiteral("select 单号")))
                return DbError{10, QStringLiteral("disk I/O error")};
            return std::nullopt;
        });
        MessageBox::setNextAnswer(QMessageBox::Ok);
        MessageBox::setNextAnswer(QMessageBox::Ok);
        press(form, Qt::Key_PageDown);
        Database::setFailureHook({});
        QCOMPARE(MessageBox::shown().last().text, QStringLiteral("Error 10: disk I/O error"));
        QCOMPARE(rowsOf(QStringLiteral("select count(*) from 入库单明细")), QStringList{QStringLiteral("2")});
        QCOMPARE(form->lines()->rowCount(), 0);
        QCOMPARE(text(form, "Textid"), QString());
    }
};

VARNHOLT_TEST(TestSlipEntrySave)
#include "tst_slipentrysave.moc"
