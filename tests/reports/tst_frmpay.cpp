#include "amount.h"
#include "dbsession.h"
#include "reportdrive.h"
#include "fixture.h"
#include "frmpay.h"
#include "recordgrid.h"
#include "messagebox.h"

#include <QApplication>
#include <QClipboard>
#include <QDateEdit>
#include <QHeaderView>
#include <QLabel>
#include <QPointer>
#include <QPushButton>

using namespace ReportDrive;

namespace {
const QStringList Columns{"单号",     "日期",     "操作员",   "铺租", "水费",     "电费",
                          "物品价格", "人员工资", "业务提成", "税费", "费用总额", "物品购置"};
const char* const AmountBoxes[] = {"Text4", "Text5", "Text6", "Text8", "Text9", "Text10", "Text11", "TextMoneys"};
const QString NoRecord = QStringLiteral("没有这条记录或该记录已删除！");

void putExpense(const QVariantList& values) { insertRow(QStringLiteral("日常支出"), Columns, values); }

QList<QStringList> stored()
{
    return storedTexts(QStringLiteral("select * from 日常支出 order by 单号"), QStringLiteral("NULL"));
}

QStringList amounts(const frmpay* form)
{
    QStringList texts;
    for (const char* name : AmountBoxes)
        texts << text(form, name);
    return texts;
}

RecordGrid* grid(const frmpay* form) { return childOf<RecordGrid>(form, "MSHFlexGrid1"); }
QPushButton* button(const frmpay* form, const char* name) { return childOf<QPushButton>(form, name); }
void click(const frmpay* form, const char* name) { QTest::mouseClick(button(form, name), Qt::LeftButton); }
}

class TestFrmpay : public VarnholtTestCase {
    Q_OBJECT
private slots:
    void opensWithEveryEntryNewestFirst()
    {
        putExpense({"Z0000001", "2024-01-02", "小王", 100, 0, 0, 0, 0, 0, 0, 100, "-"});
        putExpense({"Z0000002", "2024-02-03", "管理员", 0, 12.5, 0, 3, 0, 0, 0, 15.5, "灯泡"});
        auto* form = open<frmpay>();
        QCOMPARE(form->windowTitle(), QStringLiteral("日常支出"));
        QCOMPARE(childOf<QLabel>(form, "LabelTips")->text(), QStringLiteral("点击列表中的项目即可进行修改"));
        QCOMPARE(shownHeaders(grid(form)), QStringList{QString()} + Columns);
        QCOMPARE(shownRows(grid(form)), (QList<QStringList>{{"", "Z0000002", "2024-02-03", "管理员", "0.00", "12.50", "0.00",
                                                             "3.00", "0.00", "0.00", "0.00", "15.50", "灯泡"},
                                                            {"", "Z0000001", "2024-01-02", "小王", "100.00", "0.00", "0.00",
                                                             "0.00", "0.00", "0.00", "0.00", "100.00", "-"}}));
        // Every column shows its header and what it lists whole.
        for (int c = 1; c < 13; ++c)
            QVERIFY(showsColumnWhole(grid(form), c));

        QCOMPARE(amounts(form), QStringList(8, "0.00"));
        QCOMPARE(text(form, "Text7"), QString());
        QCOMPARE(text(form, "TextOperator"), QStringLiteral("管理员"));
        QCOMPARE(childOf<QDateEdit>(form, "DTPicker0")->date(), QDate(2024, 3, 5));
        QStringList captions;
        for (const char* name : {"ComPD", "ComAlter", "ComDel", "ComClear", "ComRtn"})
            captions << button(form, name)->text();
        QCOMPARE(captions, (QStringList{"新增 PageDown", "修 改 F5", "删除 F4", "清空F6", "返回 ESC"}));
        for (const char* name : {"ComAlter", "ComDel"})
            QVERIFY(button(form, name)->isEnabled());
        QVERIFY(childOf<QDateEdit>(form, "DTPicker0")->isEnabled());
    }

    // Amounts line up on their decimals; the texts around them stay left.
    void theAmountsStandRightAligned()
    {
        putExpense({"Z0000001", "2024-01-02", "小王", 100, 0, 0, 0, 0, 0, 0, 100, "-"});
        auto* form = open<frmpay>();
        const QAbstractItemModel* list = grid(form)->model();
        for (int c = 1; c < list->columnCount(); ++c) {
            const bool amount = c >= 4 && c <= 11;
            const auto alignment = list->index(0, c).data(Qt::TextAlignmentRole).value<Qt::Alignment>();
            QCOMPARE(bool(alignment & Qt::AlignRight), amount);
        }
    }

    // Every change rewrites the box as money; the caret stays where the
    // typing goes on ("⇤" Home, "⇥" End, "⌫" Backspace, "⌦" Delete).
    void amountTyping_data()
    {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("shown");
        QTest::newRow("digits") << "12"
                                << "12.00";
        QTest::newRow("decimals after the point") << "12.5"
                                                  << "12.50";
        QTest::newRow("a second point is passed over") << "5.5.5"
                                                       << "5.55";
        QTest::newRow("a point first") << ".5"
                                       << "0.50";
        QTest::newRow("letters") << "abc"
                                 << "0.00";
        QTest::newRow("a letter after digits") << "1a"
                                               << "0.00";
        QTest::newRow("a minus first") << "-30"
                                       << "-30.00";
        QTest::newRow("a minus at the start") << "100⇤-"
                                              << "-100.00";
        QTest::newRow("a second minus") << "100⇤--"
                                        << "100.00";
        QTest::newRow("backspace") << "12⌫"
                                   << "1.00";
        QTest::newRow("emptied, then typed") << "12⌫⌫7"
                                             << "7.00";
        QTest::newRow("decimals erased from the end") << "1200⇥⌫⌫⌫"
                                                      << "1200.00";
        QTest::newRow("then a whole digit") << "1200⇥⌫⌫⌫⌫"
                                            << "120.00";
        QTest::newRow("deleting at the point") << "12⌦⌦"
                                               << "12.00";
        QTest::newRow("grouping commas") << "1,234.5"
                                         << "1234.50";
    }
    void amountTyping()
    {
        QFETCH(QString, keys);
        QFETCH(QString, shown);
        auto* form = open<frmpay>();
        fill(form, "Text5", "1");
        fill(form, "Text9", keys);
        QCOMPARE(text(form, "Text9"), shown);
        QCOMPARE(text(form, "TextMoneys"), (Amount::fromText(shown) + Amount::whole(1)).toMoneyText());
    }

    // An item is read once at the cent: a digit typed past the second
    // decimal is not taken, so typing never rounds; what is stored is what
    // the box shows, and an item that shows nothing is no expense.
    void anItemIsReadAtTheCent_data()
    {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("stored"); // empty: refused as no expense
        QTest::newRow("decimals") << "12.6"
                                  << "12.60"
                                  << "12.6";
        QTest::newRow("four decimals") << "0.0049"
                                       << "0.00" << QString();
        QTest::newRow("half a cent") << "0.005"
                                     << "0.00" << QString();
        QTest::newRow("a fifth decimal") << "1.00005"
                                         << "1.00"
                                         << "1";
        QTest::newRow("grouped") << "1,234.5"
                                 << "1234.50"
                                 << "1234.5";
        QTest::newRow("under one") << "0.4"
                                   << "0.40"
                                   << "0.4";
        QTest::newRow("the box limit") << "999999999.99"
                                       << "999999999.99"
                                       << "999999999.99";
        // The last decimal is pushed out, never rounded (0.519 is not 0.52).
        QTest::newRow("a digit typed among the decimals") << "0.19⇤.5"
                                                          << "0.51"
                                                          << "0.51";
    }
    void anItemIsReadAtTheCent()
    {
        QFETCH(QString, keys);
        QFETCH(QString, shown);
        QFETCH(QString, stored);
        auto* form = open<frmpay>();
        fill(form, "Text4", keys);
        QCOMPARE(text(form, "Text4"), shown);
        QCOMPARE(text(form, "TextMoneys"), shown);
        MessageBox::setNextAnswer(stored.isEmpty() ? QMessageBox::Ok : QMessageBox::Yes);
        click(form, "ComPD");
        if (stored.isEmpty()) {
            QCOMPARE(MessageBox::shownTexts(), QStringList{"请填写项目费用"});
            QVERIFY(::stored().isEmpty());
            return;
        }
        QCOMPARE(MessageBox::shownTexts(), QStringList{"确定要添加该项记录？"});
        QCOMPARE(::stored().value(0).value(3), stored);
        QCOMPARE(::stored().value(0).value(10), stored);
    }

    // A selection across the point, erased or typed over, keeps the point
    // where decimals follow it.
    void aSelectionKeepsThePoint_data()
    {
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("length");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("shown");
        QTest::newRow("erased") << 3 << 3 << "⌫"
                                << "123.60";
        QTest::newRow("deleted") << 3 << 3 << "⌦"
                                 << "123.60";
        QTest::newRow("typed over") << 3 << 3 << "9"
                                    << "1239.60";
        QTest::newRow("to the end") << 3 << 4 << "⌫"
                                    << "123.00";
    }
    void aSelectionKeepsThePoint()
    {
        QFETCH(int, start);
        QFETCH(int, length);
        QFETCH(QString, keys);
        QFETCH(QString, shown);
        auto* form = open<frmpay>();
        fill(form, "Text4", "1234.56");
        box(form, "Text4")->setSelection(start, length);
        typeKeys(box(form, "Text4"), keys);
        QCOMPARE(text(form, "Text4"), shown);
        QCOMPARE(text(form, "TextMoneys"), shown);
    }

    // Leaving an amount past the box, or adding with it from the last box,
    // is refused and stores nothing.
    void anAmountPastTheBoxIsRefused()
    {
        auto* form = open<frmpay>();
        const QString typed = QStringLiteral("99999999999999999999");
        fill(form, "Text4", typed);
        MessageBox::setNextAnswer(QMessageBox::Ok);
        press(form, Qt::Key_Return);
        QCoreApplication::processEvents(); // Enter moves on; the box is told once the move is done
        QCOMPARE(MessageBox::shownTexts(), QStringList{"铺租不能大于[999999999.99]。"});
        QCOMPARE(MessageBox::shown().last().title, QStringLiteral("提示"));
        QCOMPARE(focused(form)->objectName(), QStringLiteral("Text4"));
        QCOMPARE(text(form, "Text4"), typed + ".00");
        fill(form, "Text4", QStringLiteral("5"));
        fill(form, "Text11", typed);
        MessageBox::clear();
        MessageBox::setNextAnswer(QMessageBox::Ok);
        press(form, Qt::Key_Return);
        QCoreApplication::processEvents();
        QCOMPARE(MessageBox::shownTexts(), QStringList{"税费不能大于[999999999.99]。"});
        QCOMPARE(focused(form)->objectName(), QStringLiteral("Text11"));
        QVERIFY(stored().isEmpty());
    }

    // What an input method or a paste brings is read as typed: a full-width
    // point, a minus over a selected or emptied box, a pasted figure whole.
    void typedAndPastedFigures()
    {
        auto* form = open<frmpay>();
        fill(form, "Text4", QStringLiteral("１２．５"));
        QCOMPARE(text(form, "Text4"), QStringLiteral("12.50"));
        fill(form, "Text5", "7");
        QTest::keyClick(box(form, "Text5"), Qt::Key_A, Qt::ControlModifier);
        typeKeys(box(form, "Text5"), "-5");
        QCOMPARE(text(form, "Text5"), QStringLiteral("-5.00"));
        fill(form, "Text6", "9");
        QTest::keyClick(box(form, "Text6"), Qt::Key_A, Qt::ControlModifier);
        typeKeys(box(form, "Text6"), QStringLiteral("⌦－５"));
        QCOMPARE(text(form, "Text6"), QStringLiteral("-5.00"));
        fill(form, "Text8", "3");
        QTest::keyClick(box(form, "Text8"), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(box(form, "Text8"), Qt::Key_Delete);
        QCOMPARE(text(form, "Text8"), QStringLiteral("0.00"));
        QApplication::clipboard()->setText(QStringLiteral("-1,234.5"));
        QTest::keySequence(box(form, "Text8"), QKeySequence::Paste);
        QCOMPARE(text(form, "Text8"), QStringLiteral("-1234.50"));
        QCOMPARE(text(form, "TextMoneys"), QStringLiteral("-1232.00"));
        QVERIFY(MessageBox::shown().isEmpty());
        MessageBox::setNextAnswer(QMessageBox::Yes);
        press(form, Qt::Key_PageDown);
        QCOMPARE(MessageBox::shownTexts(), QStringList{"确定要添加该项记录？"});
        QCOMPARE(stored(), (QList<QStringList>{{"Z0000001", "2024-03-05", "管理员", "12.5", "-5", "-5", "-1234.5", "0", "0", "0",
                                                "-1232", "-"}}));
    }

    // A figure written with an exponent is that figure, never the digits after it.
    void anExponentIsReadWhole()
    {
        auto* form = open<frmpay>();
        fill(form, "Text9", "1e20");
        QCOMPARE(text(form, "Text9"), QStringLiteral("1e20"));
        MessageBox::setNextAnswer(QMessageBox::Ok);
        press(form, Qt::Key_Return);
        QCoreApplication::processEvents();
        QCOMPARE(MessageBox::shownTexts(), QStringList{"人员工资不能大于[999999999.99]。"});
        QCOMPARE(focused(form)->objectName(), QStringLiteral("Text9"));
        QCOMPARE(text(form, "Text9"), QStringLiteral("1e20"));
        fill(form, "Text9", "2.5e3");
        press(form, Qt::Key_Return);
        QCOMPARE(text(form, "Text9"), QStringLiteral("2500.00"));
        QCOMPARE(text(form, "TextMoneys"), QStringLiteral("2500.00"));
        QCOMPARE(MessageBox::shown().size(), 1);
    }

    // Each item takes up to the box limit; their total is held to the books' limit.
    void twoLargeItemsAddUpPastTheBoxLimit()
    {
        auto* form = open<frmpay>();
        fill(form, "Text4", "600000000");
        fill(form, "Text5", "600000000");
        QCOMPARE(text(form, "TextMoneys"), QStringLiteral("1200000000.00"));
        MessageBox::setNextAnswer(QMessageBox::Yes);
        press(form, Qt::Key_PageDown);
        QCOMPARE(MessageBox::shownTexts(), QStringList{"确定要添加该项记录？"});
        QCOMPARE(stored(), (QList<QStringList>{{"Z0000001", "2024-03-05", "管理员", "600000000", "600000000", "0", "0", "0", "0",
                                                "0", "1200000000", "-"}}));
    }

    void theProgramsTextsAreRewrittenToo()
    {
        auto* form = open<frmpay>();
        for (const auto& [set, shown] : {std::pair{"abc", "0.00"}, std::pair{"-", "0.00"}, std::pair{"", "0.00"},
                                         std::pair{"2.675", "2.68"}, std::pair{"1,234.5", "1234.50"}}) {
            box(form, "Text4")->setText(QString::fromUtf8(set));
            QCOMPARE(text(form, "Text4"), QString::fromUtf8(shown));
            QCOMPARE(text(form, "TextMoneys"), QString::fromUtf8(shown));
        }
    }

    void addsTheFirstEntryAsZ0000001()
    {
        auto* form = open<frmpay>();
        fill(form, "Text4", "100");
        QCOMPARE(text(form, "TextMoneys"), QStringLiteral("100.00"));
        MessageBox::setNextAnswer(QMessageBox::Yes);
        click(form, "ComPD");
        const MessageBoxRecord question = MessageBox::shown().value(0);
        QCOMPARE(MessageBox::shownTexts(), QStringList{"确定要添加该项记录？"});
        QCOMPARE(question.title, QStringLiteral("提示"));
        QCOMPARE(question.icon, QMessageBox::Information);
        QCOMPARE(question.buttons, QMessageBox::Yes | QMessageBox::No);
        QCOMPARE(stored(),
                 (QList<QStringList>{{"Z0000001", "2024-03-05", "管理员", "100", "0", "0", "0", "0", "0", "0", "100", "-"}}));
        QCOMPARE(shownRows(grid(form)).value(0).value(1), QStringLiteral("Z0000001"));
        QCOMPARE(amounts(form), QStringList(8, "0.00"));
        QCOMPARE(text(form, "Text7"), QString());
        QCOMPARE(text(form, "Textid"), QStringLiteral("Z0000001"));
    }

    void aZeroTotalIsRefusedAndANegativeAmountCounts()
    {
        auto* form = open<frmpay>();
        fill(form, "Text4", "100");
        fill(form, "Text5", "-100");
        QCOMPARE(text(form, "TextMoneys"), QStringLiteral("0.00"));
        MessageBox::setNextAnswer(QMessageBox::Ok);
        click(form, "ComPD");
        QCOMPARE(MessageBox::shownTexts(), QStringList{"请填写项目费用"});
        QCOMPARE(MessageBox::shown().value(0).title, QStringLiteral("Varnholt"));
        QVERIFY(stored().isEmpty());
        QCOMPARE(text(form, "Text7"), QStringLiteral("-"));

        fill(form, "Text5", "-30");
        QCOMPARE(text(form, "TextMoneys"), QStringLiteral("70.00"));
        MessageBox::setNextAnswer(QMessageBox::Yes);
        press(form, Qt::Key_PageDown);
        QCOMPARE(stored(),
                 (QList<QStringList>{{"Z0000001", "2024-03-05", "管理员", "100", "-30", "0", "0", "0", "0", "0", "70", "-"}}));
    }

    void answeringNoStoresNothing()
    {
        putExpense({"Z0000007", "2024-01-02", "小王", 5, 0, 0, 0, 0, 0, 0, 5, "-"});
        auto* form = open<frmpay>();
        fill(form, "Text11", "8");
        MessageBox::setNextAnswer(QMessageBox::No);
        click(form, "ComPD");
        QCOMPARE(text(form, "Textid"), QStringLiteral("Z0000008"));
        QCOMPARE(stored().size(), 1);
        QCOMPARE(text(form, "Text11"), QStringLiteral("8.00"));
    }

    void enterMovesOnAndAddsFromTheLastBox()
    {
        auto* form = open<frmpay>();
        fill(form, "Text4", "9");
        const QStringList order{"Text5", "Text6", "Text7", "Text8", "Text9", "Text10", "Text11"};
        for (const QString& next : order) {
            press(form, Qt::Key_Return);
            QCOMPARE(focused(form)->objectName(), next);
        }
        MessageBox::setNextAnswer(QMessageBox::Yes);
        press(form, Qt::Key_Return);
        QCOMPARE(MessageBox::shownTexts(), QStringList{"确定要添加该项记录？"});
        QCOMPARE(stored().size(), 1);
    }

    void deletingTheHighestEntryLetsTheNextAddReuseItsNumber()
    {
        putExpense({"Z0000001", "2024-01-02", "小王", 100, 0, 0, 0, 0, 0, 0, 100, "-"});
        putExpense({"Z0000002", "2024-02-03", "小王", 0, 20, 0, 0, 0, 0, 0, 20, "-"});
        auto* form = open<frmpay>();
        clickRow(grid(form), 0);
        QCOMPARE(text(form, "Textid"), QStringLiteral("Z0000002"));
        MessageBox::setNextAnswer(QMessageBox::Yes);
        MessageBox::setNextAnswer(QMessageBox::Ok);
        click(form, "ComDel");
        QCOMPARE(MessageBox::shownTexts(), (QStringList{"确定要删除该项记录？", "删除成功"}));
        QCOMPARE(MessageBox::shown().value(0).title, QStringLiteral("提示"));
        QCOMPARE(stored().size(), 1);
        QCOMPARE(grid(form)->rowCount(), 1);
        // The boxes keep the deleted entry.
        QCOMPARE(text(form, "Text5"), QStringLiteral("20.00"));

        MessageBox::setNextAnswer(QMessageBox::Yes);
        click(form, "ComPD");
        QCOMPARE(stored().value(1).mid(0, 5), (QStringList{"Z0000002", "2024-02-03", "管理员", "0", "20"}));
    }

    // A modification writes the amounts and the description; the number,
    // date and operator stay, and a box left as clicked keeps its stored value.
    void modifyWritesTheAmountsAndDescriptionOnly()
    {
        putExpense({"Z0000001", "2024-01-02", "小王", 100, 0, 0.125, 0, 0, 0, 0, 100.125, "灯泡"});
        auto* form = open<frmpay>();
        clickRow(grid(form), 0);
        QCOMPARE(amounts(form), (QStringList{"100.00", "0.00", "0.13", "0.00", "0.00", "0.00", "0.00", "100.13"}));
        QCOMPARE(text(form, "Text7"), QStringLiteral("灯泡"));
        QCOMPARE(text(form, "TextOperator"), QStringLiteral("小王"));
        QCOMPARE(childOf<QDateEdit>(form, "DTPicker0")->date(), QDate(2024, 1, 2));

        childOf<QDateEdit>(form, "DTPicker0")->setDate(QDate(2024, 2, 2));
        fill(form, "Text5", "20");
        box(form, "Text7")->clear();
        MessageBox::setNextAnswer(QMessageBox::Yes);
        MessageBox::setNextAnswer(QMessageBox::Ok);
        press(form, Qt::Key_F5);
        QCOMPARE(MessageBox::shownTexts(), (QStringList{"确定要修改该项记录？", "修改成功"}));
        QCOMPARE(MessageBox::shown().value(0).icon, QMessageBox::Information);
        QCOMPARE(stored(), (QList<QStringList>{
                               {"Z0000001", "2024-01-02", "小王", "100", "20", "0.125", "0", "0", "0", "0", "120.13", ""}}));
        // Unchanged boxes: the stored values, and success all the same.
        MessageBox::setNextAnswer(QMessageBox::Yes);
        MessageBox::setNextAnswer(QMessageBox::Ok);
        click(form, "ComAlter");
        QCOMPARE(MessageBox::shownTexts().last(), QStringLiteral("修改成功"));
    }

    void modifyOrDeleteWithoutTheEntry_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("number");
        QTest::newRow("modify, unknown number") << "ComAlter"
                                                << "Z9999999";
        QTest::newRow("modify, no number") << "ComAlter"
                                           << "";
        QTest::newRow("delete, unknown number") << "ComDel"
                                                << "Z9999999";
    }
    void modifyOrDeleteWithoutTheEntry()
    {
        QFETCH(QString, action);
        QFETCH(QString, number);
        putExpense({"Z0000001", "2024-01-02", "小王", 100, 0, 0, 0, 0, 0, 0, 100, "-"});
        auto* form = open<frmpay>();
        clickRow(grid(form), 0);
        fill(form, "Text4", "1");
        box(form, "Textid")->setText(number);
        MessageBox::setNextAnswer(QMessageBox::Ok);
        click(form, action.toLatin1().constData());
        QCOMPARE(MessageBox::shownTexts(), QStringList{NoRecord});
        QCOMPARE(MessageBox::shown().value(0).title, QStringLiteral("Varnholt"));
        QCOMPARE(stored().value(0).value(3), QStringLiteral("100"));
    }

    void onlyTheAdministratorModifiesDeletesAndDates()
    {
        putExpense({"Z0000001", "2024-01-02", "管理员", 100, 0, 0, 0, 0, 0, 0, 100, "-"});
        auto* form = open<frmpay>(QStringLiteral("小王"));
        QVERIFY(!button(form, "ComAlter")->isEnabled());
        QVERIFY(!button(form, "ComDel")->isEnabled());
        QVERIFY(!childOf<QDateEdit>(form, "DTPicker0")->isEnabled());
        clickRow(grid(form), 0);
        box(form, "Text4")->setFocus();
        press(form, Qt::Key_F4);
        press(form, Qt::Key_F5);
        QVERIFY(MessageBox::shownTexts().isEmpty());
        QCOMPARE(stored().size(), 1);
    }

    // An add after a click takes the clicked amounts under a new number;
    // only the administrator books it on the clicked entry's date.
    void addAfterAClick_data()
    {
        QTest::addColumn<QString>("operatorName");
        QTest::addColumn<QString>("date");
        QTest::newRow("administrator") << "管理员"
                                       << "2024-01-02";
        QTest::newRow("another operator") << "小王"
                                          << "2024-03-05";
    }
    void addAfterAClick()
    {
        QFETCH(QString, operatorName);
        QFETCH(QString, date);
        putExpense({"Z0000001", "2024-01-02", "小李", 100, 0, 0, 0, 0, 0, 0, 100, "房租"});
        auto* form = open<frmpay>(operatorName);
        clickRow(grid(form), 0);
        MessageBox::setNextAnswer(QMessageBox::Yes);
        click(form, "ComPD");
        QCOMPARE(stored().value(1),
                 (QStringList{"Z0000002", date, operatorName, "100", "0", "0", "0", "0", "0", "0", "100", "房租"}));
    }

    void f6ClearsTheBoxesAndEscCloses()
    {
        QPointer<frmpay> form = open<frmpay>();
        fill(form, "Text4", "3");
        fill(form, "Text7", "灯");
        fill(form, "Text11", "4");
        press(form, Qt::Key_F6);
        QCOMPARE(amounts(form), QStringList(8, "0.00"));
        QCOMPARE(text(form, "Text7"), QStringLiteral("-"));
        // Enter on a focused button presses it.
        fill(form, "Text6", "5");
        button(form, "ComClear")->setFocus();
        press(form, Qt::Key_Return);
        QCOMPARE(text(form, "Text6"), QStringLiteral("0.00"));
        press(form, Qt::Key_Escape);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!form);
    }

    void aFailedAddStoresNothingAndKeepsTheBoxes()
    {
        auto* form = open<frmpay>();
        fill(form, "Text4", "100");
        Database::setFailureHook([](const QString& sql) -> std::optional<DbError> {
            if (sql.startsWith(QLatin1String("insert")))
                return DbError{5, QStringLiteral("database is locked")};
            return std::nullopt;
        });
        MessageBox::setNextAnswer(QMessageBox::Yes);
        MessageBox::setNextAnswer(QMessageBox::Ok);
        click(form, "ComPD");
        Database::setFailureHook({});
        QCOMPARE(MessageBox::shownTexts().last(), QStringLiteral("Error 5: database is locked"));
        QVERIFY(stored().isEmpty());
        QCOMPARE(text(form, "Text4"), QStringLiteral("100.00"));
    }
};

VARNHOLT_TEST(TestFrmpay)
#include "tst_frmpay.moc"
