#include "datainit.h"
#include "fixture.h"
#include "purge.h"
#include "salestotals.h"
#include "schemaupgrade.h"
#include "slipbooks.h"
#include "slipdelete.h"
#include "slipedit.h"
#include "slippayment.h"
#include "slipsave.h"

using namespace SlipBooks;

namespace {
// What differs between the totals and a scan of the lines, empty when they agree.
QStringList differences()
{
    auto found = Database::read([](DbSession& s) { return SalesTotals::verify(s); });
    return found ? *found : QStringList{found.error().text()};
}

void saveSale(const SlipDesign& design, const QString& number, const QDate& date, const QString& customer,
              const QString& salesman, const QList<SlipLine>& lines)
{
    SlipHeader h = header(number);
    h.date = date;
    h.partner = customer;
    h.salesman = salesman;
    h.difference = amount(QStringLiteral("-5"));
    QCOMPARE(outcomeText(write([&](DbSession& s) { return SaveSlip(s, design, h, lines); })), QStringLiteral("done"));
}
}

class TestSalesTotals : public VarnholtTestCase {
    Q_OBJECT

private slots:
    // Every way the books move keeps every total equal to its lines and slips.
    void totalsFollowEveryWrite()
    {
        const QString a = QStringLiteral("SP000001");
        const QString b = QStringLiteral("SP000002");
        putStock(a, QStringLiteral("100"), QStringLiteral("250"), QStringLiteral("2.5"));
        putStock(b, QStringLiteral("100"), QStringLiteral("100"), QStringLiteral("1"));
        putCustomer(QStringLiteral("王五"), QStringLiteral("0"));
        putCustomer(QStringLiteral("赵六"), QStringLiteral("0"));
        const SlipLine la = salesLine(a, QStringLiteral("2"), QStringLiteral("3.335"), QStringLiteral("6.67"),
                                      QStringLiteral("2.5"));
        const SlipLine lb = salesLine(b, QStringLiteral("1.5"), QStringLiteral("2"), QStringLiteral("2.70"), QStringLiteral("1"));
        saveSale(SlipDesigns::Sale, QStringLiteral("C0000001"), {2024, 1, 31}, QStringLiteral("王五"), QStringLiteral("小李"),
                 {la, lb, la});
        saveSale(SlipDesigns::Sale, QStringLiteral("C0000002"), {2024, 2, 1}, QStringLiteral("赵六"), QStringLiteral("小王"),
                 {lb});
        saveSale(SlipDesigns::SalesReturn, QStringLiteral("T0000001"), {2024, 2, 1}, QStringLiteral("王五"),
                 QStringLiteral("小李"), {la});
        // Raw lines: names differing in Latin case share a total; a line
        // without a customer is in none.
        execute(
            QStringLiteral("insert into 出库单明细 (单号, 日期, 年月, 商品名称, 类别, 客户, 业务员, 金额, 利润金额, 数量, 类别2) "
                           "values ('C0000009', '2024-02-10', '2024-02', 'Cola', '饮料', 'Ann', 'x', 1.25, 0.5, 1, '出库'), "
                           "('C0000009', '2024-02-11', '2024-02', 'COLA', '饮料', 'ANN', 'X', 2.5, 1, 2, '出库'), "
                           "('C0000009', '2024-02-11', '2024-02', 'cola', '饮料', null, 'x', 7, 7, 7, '出库')"));
        QCOMPARE(differences(), QStringList());
        QCOMPARE(rowsOf(QStringLiteral("select 年月, 行数, 金额, 利润金额, 数量 from 商品月计 where 商品名称 = 'cola'")),
                 QStringList{QStringLiteral("2024-02 | 2 | 37500 | 15000 | 30000")});
        QCOMPARE(rowsOf(QStringLiteral("select 出库, 行数 from 出库单日计 where 日期 = '2024-02-01' order by 出库")),
                 (QStringList{QStringLiteral("0 | 1"), QStringLiteral("1 | 1")}));

        const auto wrote = [](const std::function<SlipOutcome(DbSession&)>& work) {
            QCOMPARE(outcomeText(write(work)), QStringLiteral("done"));
            QCOMPARE(differences(), QStringList());
        };
        // The edit moves the names on every line, the repayment the slip's 还款金额.
        wrote([](DbSession& s) {
            return EditSlip(s, SlipDesigns::Sale, QStringLiteral("C0000001"),
                            {QStringLiteral("C0000001"), QStringLiteral("赵六"), QStringLiteral("小王"), {}, {}});
        });
        QCOMPARE(rowsOf(QStringLiteral("select 客户, 行数 from 客户月计 where 年月 = '2024-01'")),
                 QStringList{QStringLiteral("赵六 | 3")});
        wrote([](DbSession& s) {
            return PaySlip(s, SlipDesigns::Sale, QStringLiteral("C0000002"), amount(QStringLiteral("2.7")),
                           QStringLiteral("管理员"), VarnholtTestCase::defaultNow());
        });
        wrote([](DbSession& s) { return DeleteSlipWithRollback(s, SlipDesigns::SalesReturn, QStringLiteral("T0000001")); });
        // A line moved to another month leaves the old one's totals.
        execute(QStringLiteral("update 出库单明细 set 日期 = '2024-03-01', 年月 = '2024-03' where 单号 = 'C0000002'"));
        QCOMPARE(differences(), QStringList());

        QVERIFY(purgeSlips({2024, 1, 31}));
        QCOMPARE(differences(), QStringList());
        QCOMPARE(rowsOf(QStringLiteral("select count(*) from 商品月计 where 年月 = '2024-01'")),
                 QStringList{QStringLiteral("0")});

        // Data initialisation offers no totals; emptying the lines empties theirs.
        const auto offered = DataInit::tables();
        QVERIFY(offered);
        for (const QString& table : SalesTotals::tables())
            QVERIFY2(!offered->contains(table), qPrintable(table));
        QVERIFY(DataInit::emptyTables({QStringLiteral("出库单明细")}, [] {}));
        QCOMPARE(differences(), QStringList());
        QCOMPARE(rowsOf(QStringLiteral("select count(*) from 商品月计")), QStringList{QStringLiteral("0")});
        QCOMPARE(rowsOf(QStringLiteral("select count(*) from 出库单日计")), QStringList{QStringLiteral("1")});
    }

    // A book from before the totals gets them from its lines when it is upgraded.
    void olderBookIsSummedWhenUpgraded()
    {
        execute(QStringLiteral("insert into 出库单明细 (日期, 年月, 商品名称, 类别, 客户, 业务员, 金额, 利润金额, 数量, 类别2) "
                               "values ('2024-02-10', '2024-02', '可乐', '饮料', '王五', '小李', 3, 1, 1, '出库')"));
        execute(QStringLiteral("insert into 出库单 (单号, 日期, 类别, 合计金额) values ('C0000001', '2024-02-10', '出库', 3)"));
        for (const QString& table : SalesTotals::tables())
            execute(QStringLiteral("drop table ") + table);
        for (const char* trigger : {"totals_lines_insert", "totals_lines_delete", "totals_lines_update", "totals_slips_insert",
                                    "totals_slips_delete", "totals_slips_update"})
            execute(QStringLiteral("drop trigger ") + QLatin1String(trigger));
        execute(QStringLiteral("PRAGMA user_version = 1"));

        QVERIFY(Database::read([](DbSession& s) { return SchemaUpgrade::upgrade(s); }));
        QCOMPARE(differences(), QStringList());
        QCOMPARE(rowsOf(QStringLiteral("select 客户, 金额 from 客户月计")), QStringList{QStringLiteral("王五 | 30000")});
        QCOMPARE(rowsOf(QStringLiteral("select 出库, 合计金额 from 出库单日计")), QStringList{QStringLiteral("1 | 30000")});
    }

    // A statement that replaces a line or a slip takes the old one out of the
    // totals before the new one goes in.
    void replacingARowKeepsTheTotals()
    {
        execute(QStringLiteral("insert into 出库单明细 (日期, 年月, 商品名称, 类别, 客户, 业务员, 金额, 利润金额, 数量, 类别2) "
                               "values ('2024-02-10', '2024-02', '可乐', '饮料', '王五', '小李', 3, 1, 1, '出库')"));
        execute(QStringLiteral("insert into 出库单 (单号, 日期, 类别, 合计金额) values ('C0000001', '2024-02-10', '出库', 3)"));
        execute(QStringLiteral(
            "insert or replace into 出库单明细 (rowid, 日期, 年月, 商品名称, 类别, 客户, 业务员, 金额, 利润金额, "
            "数量, 类别2) select rowid, 日期, 年月, 商品名称, 类别, 客户, 业务员, 5, 2, 1, 类别2 from 出库单明细"));
        execute(QStringLiteral(
            "replace into 出库单 (rowid, 单号, 日期, 类别, 合计金额) select rowid, 单号, 日期, 类别, 5 from 出库单"));
        QCOMPARE(differences(), QStringList());
        QCOMPARE(rowsOf(QStringLiteral("select 客户, 行数, 金额 from 客户月计")),
                 QStringList{QStringLiteral("王五 | 1 | 50000")});
        QCOMPARE(rowsOf(QStringLiteral("select 出库, 合计金额 from 出库单日计")), QStringList{QStringLiteral("1 | 50000")});
    }

    // The check tells a total that no longer equals its lines, both ways.
    void verifyTellsAStrayTotal()
    {
        execute(QStringLiteral("insert into 出库单明细 (日期, 年月, 商品名称, 类别, 客户, 业务员, 金额, 利润金额, 数量, 类别2) "
                               "values ('2024-02-10', '2024-02', '可乐', '饮料', '王五', '小李', 3, 1, 1, '出库')"));
        execute(QStringLiteral("update 客户月计 set 金额 = 金额 + 1"));
        execute(QStringLiteral("insert into 业务员月计 values ('2023-01', '小王', 1, 0, 0)"));
        QCOMPARE(differences(), (QStringList{QStringLiteral("客户月计: stored 2024-02 王五 1 30001 10000"),
                                             QStringLiteral("客户月计: scanned 2024-02 王五 1 30000 10000"),
                                             QStringLiteral("业务员月计: stored 2023-01 小王 1 0 0")}));
        QVERIFY(Database::runInTransaction([](DbSession& s) { return SalesTotals::rebuild(s); }));
        QCOMPARE(differences(), QStringList());
    }

    // A purge and data initialisation set the totals' triggers aside and put
    // back the texts the book holds, whichever step made them, never a newer one.
    void bulkChangesPutBackTheBooksOwnTriggers_data()
    {
        QTest::addColumn<bool>("purge");
        QTest::newRow("purge") << true;
        QTest::newRow("data initialisation") << false;
    }
    void bulkChangesPutBackTheBooksOwnTriggers()
    {
        QFETCH(bool, purge);
        const QString older = QStringLiteral("CREATE TRIGGER totals_slips_insert AFTER INSERT ON 出库单 BEGIN SELECT 1; END");
        execute(QStringLiteral("drop trigger totals_slips_insert"));
        execute(older);
        const QStringList before = rowsOf(
            QStringLiteral("select name, sql from sqlite_master where type = 'trigger' order by name"));
        QCOMPARE(before.size(), 6);

        QVERIFY(purge ? bool(purgeSlips({2024, 1, 31})) : bool(DataInit::emptyTables({QStringLiteral("出库单")}, [] {})));

        QCOMPARE(rowsOf(QStringLiteral("select name, sql from sqlite_master where type = 'trigger' order by name")), before);
    }
};

VARNHOLT_TEST(TestSalesTotals)
#include "tst_salestotals.moc"
