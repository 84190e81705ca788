#include "reportdrive.h"
#include "fixture.h"
#include "frmDataSum.h"
#include "messagebox.h"
#include "periodsummary.h"
#include "slipbooks.h"
#include "slippayment.h"
#include "slipsave.h"

#include <QDateEdit>
#include <QPointer>
#include <QPushButton>

using namespace ReportDrive;

namespace {
const char* const Boxes[] = {"TextA1", "TextA2", "TextA4", "TextA5", "TextB1", "TextB2", "TextB4",    "TextB5",
                             "TextC1", "TextC2", "TextC4", "TextC5", "TextC6", "TextC7", "TextD1",    "TextD2",
                             "TextD4", "TextD5", "TextD6", "TextD7", "TextF1", "TextF2", "TextG1",    "Text4",
                             "Text5",  "Text6",  "Text8",  "Text9",  "Text10", "Text11", "TextMoneys"};

// A sales header: its amount is its cost and profit.
void putSale(const QString& date, const QString& kind, double profit, double quantity = 0, double cost = 0)
{
    insertRow(QStringLiteral("出库单"),
              {"单号", "日期", "类别", "合计数量", "合计金额", "合计成本", "合计利润", "欠款金额", "还款金额"},
              {QStringLiteral("C") + date, date, kind, quantity, cost + profit, cost, profit, 0, 0});
}

void putLoss(const QString& date, const QString& kind, double quantity, double amount)
{
    insertRow(QStringLiteral("调失单"), {"单号", "日期", "类别", "合计数量", "合计金额"},
              {"L0000001", date, kind, quantity, amount});
}

void putExpense(const QString& date, const QVariantList& amounts)
{
    insertRow(QStringLiteral("日常支出"),
              {"单号", "日期", "铺租", "水费", "电费", "物品价格", "人员工资", "业务提成", "税费", "费用总额"},
              QVariantList{"Z0000001", date} + amounts);
}

// The statement over the days, run by 统计.
frmDataSum* statement(const QDate& first, const QDate& last)
{
    auto* form = open<frmDataSum>();
    childOf<QDateEdit>(form, "DTPicker1")->setDate(first);
    childOf<QDateEdit>(form, "DTPicker2")->setDate(last);
    QTest::mouseClick(childOf<QPushButton>(form, "ComOK"), Qt::LeftButton);
    return form;
}

QHash<QString, QString> shown(const frmDataSum* form)
{
    QHash<QString, QString> texts;
    for (const char* name : Boxes)
        texts.insert(QString::fromLatin1(name), text(form, name));
    texts.insert(QStringLiteral("TextProfit"), text(form, "TextProfit"));
    return texts;
}

// Every box at zero but those given.
QHash<QString, QString> zeroBut(const QHash<QString, QString>& given)
{
    QHash<QString, QString> texts;
    for (const char* name : Boxes)
        texts.insert(QString::fromLatin1(name), QStringLiteral("0.00"));
    texts.insert(QStringLiteral("TextProfit"), QStringLiteral("0"));
    texts.insert(given);
    return texts;
}

const QDate Day(2024, 3, 5);
using BoxTexts = QHash<QString, QString>;
}

class TestFrmDataSum : public VarnholtTestCase {
    Q_OBJECT
private slots:
    void opensOnTodayWithTheRowTitles()
    {
        auto* form = open<frmDataSum>();
        QCOMPARE(form->windowTitle(), QStringLiteral("数据汇总及利润盘点统计"));
        QCOMPARE(childOf<QDateEdit>(form, "DTPicker1")->date(), Day);
        QCOMPARE(childOf<QDateEdit>(form, "DTPicker2")->date(), Day);
        QStringList titles;
        for (const char* name : {"TextC", "TextD", "TextF", "TextA", "TextB"})
            titles << text(form, name);
        QCOMPARE(titles, (QStringList{"商品销售", "销售退货", "商品报废", "商品入库", "入库退货"}));
        QCOMPARE(childOf<QPushButton>(form, "ComOK")->text(), QStringLiteral("统计 ENTER"));
        QCOMPARE(childOf<QPushButton>(form, "ComRtn")->text(), QStringLiteral("关闭 ESC"));
        QCOMPARE(text(form, "TextG1"), QString());
    }

    void theFiguresReadFromTheRightAndTheTitlesFromTheLeft()
    {
        auto* form = open<frmDataSum>();
        for (const char* name : Boxes)
            QCOMPARE(boxLooks(box(form, name)), QStringLiteral("read-only, right"));
        QCOMPARE(boxLooks(box(form, "TextProfit")), QStringLiteral("read-only, right"));
        for (const char* name : {"TextA", "TextB", "TextC", "TextD", "TextF"})
            QCOMPARE(boxLooks(box(form, name)), QStringLiteral("read-only, left"));
    }

    void theProfitStatement()
    {
        putSale("2024-03-05", "出库", 100, 10, 200);
        putSale("2024-03-05", "退货", 20, 1, 30);
        putLoss("2024-03-05", "报损", 1, 5);
        putExpense("2024-03-05", {10, 5, 5, 3, 4, 2, 1, 30});
        auto* form = statement(Day, Day);
        QVERIFY(MessageBox::shownTexts().isEmpty());
        QCOMPARE(shown(form),
                 zeroBut({{"TextC1", "10.00"}, {"TextC2", "300.00"}, {"TextC6", "200.00"},     {"TextC7", "100.00"},
                          {"TextD1", "1.00"},  {"TextD2", "50.00"},  {"TextD6", "30.00"},      {"TextD7", "-20.00"},
                          {"TextF1", "1.00"},  {"TextF2", "-5.00"},  {"TextG1", "75.00"},      {"Text4", "10.00"},
                          {"Text5", "5.00"},   {"Text6", "5.00"},    {"Text8", "3.00"},        {"Text9", "4.00"},
                          {"Text10", "2.00"},  {"Text11", "1.00"},   {"TextMoneys", "-30.00"}, {"TextProfit", "45"}}));
    }

    void stockInsWithTheirDebtsAndReturns()
    {
        using namespace SlipBooks;
        SlipHeader in = header(QStringLiteral("R0000001"));
        in.totalQuantity = amount("10");
        in.totalAmount = amount("100");
        in.difference = amount("-50");
        QVERIFY(write([&](DbSession& s) { return SaveSlip(s, SlipDesigns::StockIn, in, {line("SP000001", "10", "10")}); }));
        QVERIFY(write([](DbSession& s) {
            return PaySlip(s, SlipDesigns::StockIn, QStringLiteral("R0000001"), amount("20"), QStringLiteral("管理员"),
                           QDateTime(Day, QTime(10, 0)));
        }));
        SlipHeader back = header(QStringLiteral("T0000001"));
        back.totalQuantity = amount("2");
        back.totalAmount = amount("20");
        QVERIFY(
            write([&](DbSession& s) { return SaveSlip(s, SlipDesigns::PurchaseReturn, back, {line("SP000001", "2", "10")}); }));

        auto* form = statement(Day, Day);
        QCOMPARE(shown(form), zeroBut({{"TextA1", "10.00"},
                                       {"TextA2", "100.00"},
                                       {"TextA4", "-50.00"},
                                       {"TextA5", "20.00"},
                                       {"TextB1", "2.00"},
                                       {"TextB2", "20.00"}}));
    }

    // The days of the range count, both ends included; a transfer is no
    // loss; any 类别 but 出库 is a return; NULLs add nothing.
    void whatTheRangeAndTheKindsTakeIn()
    {
        putSale("2024-03-01", "出库", 0.30);
        putSale("2024-03-31", "X", 1);
        putSale("2024-04-01", "出库", 1000);
        putSale("2024-02-29", "退货", 1000);
        putLoss("2024-03-10", "调拔", 7, 70);
        putExpense("2024-03-31", {0.1, QVariant(), QVariant(), QVariant(), QVariant(), QVariant(), QVariant(), 0.1});
        insertRow(QStringLiteral("出库单"), {"日期", "类别"}, {"2024-03-15", "出库"});
        auto* form = statement(QDate(2024, 3, 1), QDate(2024, 3, 31));
        QCOMPARE(shown(form), zeroBut({{"TextC2", "0.30"},
                                       {"TextC7", "0.30"},
                                       {"TextD2", "1.00"},
                                       {"TextD7", "-1.00"},
                                       {"TextG1", "-0.70"},
                                       {"Text4", "0.10"},
                                       {"TextMoneys", "-0.10"},
                                       {"TextProfit", "-0.8"}}));
    }

    void aSmallProfitAddsExactly()
    {
        putSale("2024-03-05", "出库", 0.30);
        putExpense("2024-03-05", {0.1, 0, 0, 0, 0, 0, 0, 0.1});
        auto* form = statement(Day, Day);
        QCOMPARE(text(form, "TextProfit"), QStringLiteral("0.2"));
    }

    // Sales on consecutive days from the 5th: a sum past the book limit is
    // told in its box and in what adds it up, never shown as a figure.
    void sumsPastTheBookLimit_data()
    {
        QTest::addColumn<QList<double>>("profits");
        QTest::addColumn<BoxTexts>("boxes");
        const QString past = QStringLiteral("合计超出范围");
        const QString limit = QStringLiteral("99999999999.99");
        QTest::newRow("at the limit") << QList<double>{99999999999.99}
                                      << BoxTexts{{"TextC2", limit}, {"TextC7", limit}, {"TextG1", limit}, {"TextProfit", limit}};
        QTest::newRow("a stored sale of 1e15")
            << QList<double>{1e15} << BoxTexts{{"TextC2", past}, {"TextC7", past}, {"TextG1", past}, {"TextProfit", past}};
        QTest::newRow("rows summing past") << QList<double>{
            60000000000, 60000000000} << BoxTexts{{"TextC2", past}, {"TextC7", past}, {"TextG1", past}, {"TextProfit", past}};
        // The engine names no column of a sum past 64 bits: the whole pass is past.
        QTest::newRow("sums past 64 bits") << QList<double>{1e15, 1e15}
                                           << BoxTexts{{"TextC1", past}, {"TextC2", past},    {"TextC4", past}, {"TextC5", past},
                                                       {"TextC6", past}, {"TextC7", past},    {"TextD1", past}, {"TextD2", past},
                                                       {"TextD4", past}, {"TextD5", past},    {"TextD6", past}, {"TextD7", past},
                                                       {"TextG1", past}, {"TextProfit", past}};
    }
    void sumsPastTheBookLimit()
    {
        QFETCH(QList<double>, profits);
        QFETCH(BoxTexts, boxes);
        for (int i = 0; i < profits.size(); ++i)
            putSale(Day.addDays(i).toString(Qt::ISODate), "出库", profits[i]);
        auto* form = statement(Day, Day.addDays(1));
        QVERIFY(MessageBox::shownTexts().isEmpty());
        QCOMPARE(shown(form), zeroBut(boxes));
    }

    void reversedDatesFindNothing()
    {
        putSale("2024-03-05", "出库", 100, 10, 200);
        putExpense("2024-03-05", {30, 0, 0, 0, 0, 0, 0, 30});
        auto* form = statement(Day.addDays(1), Day);
        QCOMPARE(shown(form), zeroBut({}));
    }

    void enterAnywhereRunsTheStatementAndEscCloses()
    {
        putSale("2024-03-05", "出库", 100);
        QPointer<frmDataSum> form = open<frmDataSum>();
        childOf<QDateEdit>(form, "DTPicker1")->setFocus();
        press(form, Qt::Key_Return);
        QCOMPARE(text(form, "TextC7"), QStringLiteral("100.00"));
        putSale("2024-03-05", "出库", 1);
        childOf<QPushButton>(form, "ComRtn")->setFocus();
        press(form, Qt::Key_Enter);
        QCOMPARE(text(form, "TextC7"), QStringLiteral("101.00"));
        QVERIFY(form->isVisible());
        press(form, Qt::Key_Escape);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!form);
    }

    void aFailedPassIsReportedAndEndsTheStatement()
    {
        putSale("2024-03-05", "出库", 100);
        Database::setFailureHook([](const QString& sql) -> std::optional<DbError> {
            if (sql.contains(u"from 调失单"))
                return DbError{11, QStringLiteral("database disk image is malformed")};
            return std::nullopt;
        });
        MessageBox::setNextAnswer(QMessageBox::Ok);
        auto* form = statement(Day, Day);
        Database::setFailureHook({});
        QCOMPARE(MessageBox::shownTexts(), QStringList{"Error 11: database disk image is malformed"});
        QCOMPARE(text(form, "TextC7"), QString());
        QCOMPARE(text(form, "TextF2"), QString());
        QCOMPARE(text(form, "TextProfit"), QString());
    }

    // A statement that fails after one that succeeded shows no figure of
    // either: the old ones would read as the new period's.
    void aFailedStatementLeavesNoOldFigures()
    {
        putSale("2024-03-05", "出库", 100, 10, 200);
        putExpense("2024-03-05", {30, 0, 0, 0, 0, 0, 0, 30});
        auto* form = statement(Day, Day);
        QCOMPARE(text(form, "TextProfit"), QStringLiteral("70"));

        QVERIFY(Database::runInTransaction([](DbSession& s) { return s.exec(QStringLiteral("drop table 日常支出")).status(); }));
        MessageBox::setNextAnswer(QMessageBox::Ok);
        QTest::mouseClick(childOf<QPushButton>(form, "ComOK"), Qt::LeftButton);

        QCOMPARE(MessageBox::shownTexts(), QStringList{"Error 1: no such table: 日常支出"});
        BoxTexts empty;
        for (const char* name : Boxes)
            empty.insert(QString::fromLatin1(name), QString());
        empty.insert(QStringLiteral("TextProfit"), QString());
        QCOMPARE(shown(form), empty);
        QCOMPARE(text(form, "TextC"), QStringLiteral("商品销售"));
    }

    // Each pass reads its period from a covering index, without sorting.
    void eachPassReadsOneIndexInDateOrder()
    {
        for (const SummaryPass* pass :
             {&SummaryPasses::StockIn, &SummaryPasses::Sales, &SummaryPasses::Loss, &SummaryPasses::Expenses}) {
            const QString plan = storedTexts(QStringLiteral("explain query plan ") + PassStatement(*pass)).value(0).value(3);
            QVERIFY2(plan.contains(u"USING COVERING INDEX") && plan.contains(u"(日期>? AND 日期<?)"), qPrintable(plan));
        }
    }

    // The sales slips of a period are read from their day totals, not slip by slip.
    void salesPassReadsTheDayTotals()
    {
        const QString plan =
            storedTexts(QStringLiteral("explain query plan ") + PassStatement(SummaryPasses::Sales)).value(0).value(3);
        QVERIFY2(plan.contains(u"出库单日计"), qPrintable(plan));
    }
};

VARNHOLT_TEST(TestFrmDataSum)
#include "tst_frmdatasum.moc"
