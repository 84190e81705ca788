#include "fixture.h"
#include "messagebox.h"
#include "stockindrive.h"

using namespace SlipEntryDrive;

class TestLineChange : public VarnholtTestCase {
    Q_OBJECT
private slots:
    void f7AndF8ChangeTheSelectedLineWithoutTheDiscount()
    {
        putGoods(QStringLiteral("SP000001"), QStringLiteral("可乐"), QStringLiteral("KL"));
        auto* form = open();
        // No line: no dialog.
        press(form, Qt::Key_F7);

        fill(control(form, "TextDiscount"), QStringLiteral("90"));
        enterLine(form, QStringLiteral("SP000001"), QStringLiteral("2"), QStringLiteral("4.00"));
        QCOMPARE(lineFigures(form), QStringList{QStringLiteral("2.00 / 4.00 / 7.20")});
        QCOMPARE(totals(form), QStringLiteral("2.00 / 7.20"));
        clickRow(form, "ListView1", 0);

        answerLineDialog(form, Qt::Key_F7, {}, QStringLiteral("修改数量"));
        QCOMPARE(lineFigures(form), QStringList{QStringLiteral("2.00 / 4.00 / 7.20")});
        answerLineDialog(form, Qt::Key_F7, QStringLiteral("0"), QStringLiteral("修改数量"));
        QCOMPARE(lineFigures(form), QStringList{QStringLiteral("2.00 / 4.00 / 7.20")});

        answerLineDialog(form, Qt::Key_F7, QStringLiteral("3"), QStringLiteral("修改数量"));
        QCOMPARE(lineFigures(form), QStringList{QStringLiteral("3.00 / 4.00 / 12.00")});
        QCOMPARE(totals(form), QStringLiteral("3.00 / 12.00"));
        // The cash stays as it was: the slip asks for it again.
        QCOMPARE(text(form, "Text3"), QStringLiteral("7.20"));
        MessageBox::setNextAnswer(QMessageBox::Ok);
        press(form, Qt::Key_PageDown);
        QCOMPARE(MessageBox::shownTexts(), QStringList{QStringLiteral("请先确认金额。 ")});

        answerLineDialog(form, Qt::Key_F8, QStringLiteral("5"), QStringLiteral("修改单价"));
        QCOMPARE(lineFigures(form), QStringList{QStringLiteral("3.00 / 5.00 / 15.00")});
        QCOMPARE(totals(form), QStringLiteral("3.00 / 15.00"));
    }

    void anEntryMergesIntoTheFirstLineOfItsPriceOnly()
    {
        putGoods(QStringLiteral("SP000001"), QStringLiteral("可乐"), QStringLiteral("KL"));
        auto* form = open();
        enterLine(form, QStringLiteral("SP000001"), QStringLiteral("1"), QStringLiteral("12.50"));
        enterLine(form, QStringLiteral("SP000001"), QStringLiteral("1"), QStringLiteral("4"));
        clickRow(form, "ListView1", 1);
        answerLineDialog(form, Qt::Key_F8, QStringLiteral("12.5"), QStringLiteral("修改单价"));
        QCOMPARE(lineFigures(form),
                 (QStringList{QStringLiteral("1.00 / 12.50 / 12.50"), QStringLiteral("1.00 / 12.50 / 12.50")}));

        enterLine(form, QStringLiteral("SP000001"), QStringLiteral("2"), QStringLiteral("12.50"));
        QCOMPARE(lineFigures(form),
                 (QStringList{QStringLiteral("3.00 / 12.50 / 37.50"), QStringLiteral("1.00 / 12.50 / 12.50")}));
        QCOMPARE(totals(form), QStringLiteral("4.00 / 50.00"));
    }
};

VARNHOLT_TEST(TestLineChange)
#include "tst_linechange.moc"
