#include "fixture.h"
#include "frmCheckDetail.h"
#include "messagebox.h"
#include "stockrecordsdrive.h"

using namespace StockRecordsDrive;

namespace {
const QString ByNumber = QStringLiteral("请输入单据编号：(留空显示日期内全部)");

// Stocktakes of early March and one of February; P0000012 counts two goods.
void saveCounts()
{
    saveStockSlip(SlipDesigns::Stocktake, QStringLiteral("P0000012"), QStringLiteral("2024-03-01"),
                  {countLine(QStringLiteral("SP000001"), QStringLiteral("10"), QStringLiteral("7"), QStringLiteral("2")),
                   countLine(QStringLiteral("SP000002"), QStringLiteral("0"), QStringLiteral("1.5"), QStringLiteral("4"))});
    saveStockSlip(SlipDesigns::Stocktake, QStringLiteral("P0000020"), QStringLiteral("2024-03-02"),
                  {countLine(QStringLiteral("SP000001"), QStringLiteral("7"), QStringLiteral("8"), QStringLiteral("2"))},
                  QStringLiteral("小王"));
    saveStockSlip(SlipDesigns::Stocktake, QStringLiteral("P0000021"), QStringLiteral("2024-02-01"),
                  {countLine(QStringLiteral("SP000001"), QStringLiteral("8"), QStringLiteral("8"), QStringLiteral("2"))});
}

frmCheckDetail* openCountRecords() { return open<frmCheckDetail>(); }
}

class TestFrmCheckDetail : public VarnholtTestCase {
    Q_OBJECT
private slots:
    void opensOnTodaysSlipsAloneEachTime()
    {
        saveStockSlip(SlipDesigns::Stocktake, QStringLiteral("P0000001"), QStringLiteral("2024-03-04"),
                      {countLine(QStringLiteral("SP000001"), QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"))});
        saveStockSlip(SlipDesigns::Stocktake, QStringLiteral("P0000002"), QStringLiteral("2024-03-05"),
                      {countLine(QStringLiteral("SP000001"), QStringLiteral("10"), QStringLiteral("7"), QStringLiteral("2"))});
        auto* form = openCountRecords();
        QCOMPARE(form->windowTitle(), QStringLiteral("盘点记录"));
        QCOMPARE(label7(form), QStringLiteral("今日单据："));
        QCOMPARE(shownHeaders(control<QTreeView>(form, "ListView1")),
                 (QStringList{"单据编号", "合计数量", "合计金额", "操作员", "日期", "时间", "备注"}));
        QCOMPARE(shownHeaders(control<QTreeView>(form, "ListView2")),
                 (QStringList{"商品编号", "商品名称", "规格", "单位", "盘前数量", "盘后数量", "盈亏", "单价", "金额"}));
        QCOMPARE(rows(form, "ListView1"), QStringList{"P0000002 | -3.00 | -6.00 | 管理员 | 2024-03-05 | 09:30:00 | -"});
        QCOMPARE(listTotals(form), QStringLiteral("-3.00 / -6.00"));
        // Neither deletion, edit nor export.
        for (const char* absent : {"ComDel", "ComExcel", "ComF9", "ComF10", "ComF3", "Text1"})
            QVERIFY2(!form->findChild<QWidget*>(QString::fromLatin1(absent)), absent);

        // A reopened window applies no earlier query.
        setDates(form, QStringLiteral("2024-03-04"), QStringLiteral("2024-03-04"));
        ask(form, "ComF2", QString());
        QCOMPARE(numbers(form), QStringList{"P0000001"});
        form->close();
        form = openCountRecords();
        QCOMPARE(numbers(form), QStringList{"P0000002"});
        QCOMPARE(label7(form), QStringLiteral("今日单据："));
    }

    void queriesListWhatTheyAsk_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("typed"); // null: the dialog cancelled
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("prompt");
        QTest::addColumn<QStringList>("listed");
        QTest::addColumn<QString>("totals");
        const QString march = QStringLiteral("2024-03-01");
        QTest::newRow("part of a number") << "ComF2"
                                          << "00001" << march << ByNumber << QStringList{"P0000012"} << "-1.50 / 0.00";
        QTest::newRow("cancelled: every slip of the dates")
            << "ComF2" << QString() << march << ByNumber << QStringList{"P0000012", "P0000020"} << "-0.50 / 2.00";
        QTest::newRow("dates reversed") << "ComF2"
                                        << ""
                                        << "2024-03-06" << ByNumber << QStringList() << "0.00 / 0.00";
        QTest::newRow("a quote is a character") << "ComF2"
                                                << "0'" << march << ByNumber << QStringList() << "0.00 / 0.00";
        QTest::newRow("operator") << "ComF6"
                                  << "王"
                                  << "2024-02-01" << QStringLiteral("请输入操作员：(留空显示日期内全部)")
                                  << QStringList{"P0000020"} << "1.00 / 2.00";
    }
    void queriesListWhatTheyAsk()
    {
        QFETCH(QString, button);
        QFETCH(QString, typed);
        QFETCH(QString, from);
        QFETCH(QString, prompt);
        QFETCH(QStringList, listed);
        QFETCH(QString, totals);
        saveCounts();
        auto* form = openCountRecords();
        QCOMPARE(numbers(form), QStringList());
        setDates(form, from, QStringLiteral("2024-03-05"));
        QString shown;
        ask(form, qPrintable(button), typed, &shown);
        QCOMPARE(shown, QStringLiteral("查询条件|") + prompt);
        QCOMPARE(label7(form), QStringLiteral("所查询单据："));
        QCOMPARE(numbers(form), listed);
        QCOMPARE(listTotals(form), totals);
        QVERIFY(rows(form, "ListView2").isEmpty());
        QVERIFY(MessageBox::shown().isEmpty());
    }

    void choosingASlipListsItsCounts()
    {
        saveCounts();
        auto* form = openCountRecords();
        setDates(form, QStringLiteral("2024-03-01"), QStringLiteral("2024-03-05"));
        ask(form, "ComF2", QString());
        clickRow(form, "ListView1", 0);
        QCOMPARE(form->windowTitle(), QStringLiteral("盘点记录--当前单：P0000012"));
        QCOMPARE(rows(form, "ListView2"),
                 (QStringList{"SP000001 | 商品SP000001 | 500ml | 瓶 | 10.00 | 7.00 | -3.00 | 2.00 | -6.00",
                              "SP000002 | 商品SP000002 | 500ml | 瓶 | 0.00 | 1.50 | 1.50 | 4.00 | 6.00"}));
        // A double-click opens nothing, whoever asks.
        doubleClickRow(control<QTreeView>(form, "ListView1"), 1);
        QVERIFY(MessageBox::shown().isEmpty());
        QCOMPARE(form->findChildren<QDialog*>().size(), 0);
        // A new query lists no lines until a slip is chosen again; the caption stays.
        ask(form, "ComF6", QString());
        QVERIFY(rows(form, "ListView2").isEmpty());
        QCOMPARE(form->windowTitle(), QStringLiteral("盘点记录--当前单：P0000020"));
    }
};

VARNHOLT_TEST(TestFrmCheckDetail)
#include "tst_frmcheckdetail.moc"
