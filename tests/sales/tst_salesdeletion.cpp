#include "fixture.h"
#include "messagebox.h"
#include "salesrecordsdrive.h"

using namespace SalesRecordsDrive;
using SlipBooks::execute;
using SlipBooks::pointsOf;
using SlipBooks::stockOf;
using SlipBooks::wholeBooks;

namespace {
const QString Cola = QStringLiteral("SP000001");

// A slip of 2 @ 5.30 (10.60) costing 20.00 for 张三, brought by 李四, beside
// a sale of another goods; the stock then stands at 3 / 30.00 for a sale, 7 /
// 70.00 for a return. The people's points are put in after the saves: 100 and 50.
frmOutDetail* openOnTwoSlips(const QString& mode = {})
{
    SlipBooks::putStock(Cola, QStringLiteral("5"), QStringLiteral("50"), QStringLiteral("10"));
    const QString number = mode.isEmpty() ? QStringLiteral("C0000001") : QStringLiteral("T0000001");
    saveSale({.number = number,
              .introducer = QStringLiteral("李四"),
              .difference = QStringLiteral("-10.6"),
              .lines = {SlipBooks::salesLine(Cola, QStringLiteral("2"), QStringLiteral("5.3"), QStringLiteral("10.60"),
                                             QStringLiteral("10"))}});
    saveSale({.number = mode.isEmpty() ? QStringLiteral("C0000002") : QStringLiteral("T0000002"),
              .lines = {SlipBooks::salesLine(QStringLiteral("SP000002"), QStringLiteral("1"), QStringLiteral("7"),
                                             QStringLiteral("7.00"), QStringLiteral("0"))}});
    SlipBooks::putCustomer(QStringLiteral("张三"), QStringLiteral("100"));
    SlipBooks::putCustomer(QStringLiteral("李四"), QStringLiteral("50"));
    execute(QStringLiteral("insert into 出库单明细1 (单号, 还款金额) values (?, 5)"), {number});
    return openSalesRecords(mode);
}
}

class TestSalesDeletion : public VarnholtTestCase {
    Q_OBJECT
private slots:
    void theAdministratorDeletesASaleWithItsStockAndPoints()
    {
        auto* form = openOnTwoSlips();
        QCOMPARE(stockOf(Cola), QStringLiteral("3.00 / 30.00 / 10.00"));
        clickRow(form, "ListView1", 1);
        const QStringList secondLines = rows(form, "ListView2");
        const QStringList before = wholeBooks();

        // No changes nothing and chooses the first slip, its lines not listed.
        pressDelete(form, QMessageBox::No);
        QCOMPARE(MessageBox::shown().last().text,
                 QStringLiteral("确认删除[C0000002]吗?删除后对应的金额和数量将会返回到【库存】！"));
        QCOMPARE(MessageBox::shown().last().title, QStringLiteral("Varnholt"));
        QCOMPARE(wholeBooks(), before);
        QCOMPARE(form->selectedNumber(), QStringLiteral("C0000001"));
        QCOMPARE(rows(form, "ListView2"), secondLines);

        // Yes deletes the chosen slip with its own lines.
        pressDelete(form, QMessageBox::Yes);
        QCOMPARE(MessageBox::shown().last().text,
                 QStringLiteral("确认删除[C0000001]吗?删除后对应的金额和数量将会返回到【库存】！"));
        QCOMPARE(stockOf(Cola), QStringLiteral("5.00 / 50.00 / 10.00"));
        QCOMPARE(stockOf(QStringLiteral("SP000002")), QStringLiteral("-1.00 / 0.00 / 0.00"));
        QCOMPARE(pointsOf(QStringLiteral("张三")), QStringLiteral("89"));
        QCOMPARE(pointsOf(QStringLiteral("李四")), QStringLiteral("39"));
        for (const char* table : {"出库单", "出库单明细", "出库单明细1"})
            QCOMPARE(SlipBooks::rowsOf(QStringLiteral("select * from %1 where 单号 = 'C0000001'").arg(QString::fromUtf8(table))),
                     QStringList());
        QCOMPARE(numbers(form), QStringList{"C0000002"});
        QCOMPARE(form->selectedNumber(), QStringLiteral("C0000002"));
        QVERIFY(rows(form, "ListView2").isEmpty());
        // The totals count it until the next query.
        QCOMPARE(listTotals(form), QStringLiteral("17.60 / -10.60"));
        QCOMPARE(MessageBox::shown().size(), 2);
    }

    void deletingAReturnGivesThePointsBackAndTakesTheStockOut()
    {
        auto* form = openOnTwoSlips(QStringLiteral("退货"));
        QCOMPARE(stockOf(Cola), QStringLiteral("7.00 / 70.00 / 10.00"));
        clickRow(form, "ListView1", 0);
        pressDelete(form, QMessageBox::Yes);
        QCOMPARE(stockOf(Cola), QStringLiteral("5.00 / 50.00 / 10.00"));
        QCOMPARE(pointsOf(QStringLiteral("张三")), QStringLiteral("111"));
        QCOMPARE(pointsOf(QStringLiteral("李四")), QStringLiteral("61"));
        QCOMPARE(numbers(form), QStringList{"T0000002"});
    }

    void aRefusedDeletionChangesNothing_data()
    {
        QTest::addColumn<QString>("meanwhile");
        QTest::addColumn<QString>("message");
        QTest::newRow("the goods stands at -5") << "update 库存 set 库存量 = -5 where 商品编号 = 'SP000001'"
                                                << "库存量与库存金额已小于该单号数值，不符合删除条件！";
        QTest::newRow("no stock row") << "delete from 库存 where 商品编号 = 'SP000001'"
                                      << "该商品库存已无记录,不符合删除条件！";
    }
    void aRefusedDeletionChangesNothing()
    {
        QFETCH(QString, meanwhile);
        QFETCH(QString, message);
        auto* form = openOnTwoSlips();
        clickRow(form, "ListView1", 0);
        execute(meanwhile);
        const QStringList before = wholeBooks();
        MessageBox::setNextAnswer(QMessageBox::Yes);
        MessageBox::setNextAnswer(QMessageBox::Ok);
        control<QPushButton>(form, "ComDel")->click();
        QCOMPARE(MessageBox::shown().last().text, message);
        QCOMPARE(MessageBox::shown().last().title, QStringLiteral("Varnholt"));
        QCOMPARE(wholeBooks(), before);
        QCOMPARE(pointsOf(QStringLiteral("张三")), QStringLiteral("100"));
        QCOMPARE(numbers(form), (QStringList{"C0000001", "C0000002"}));
        QCOMPARE(rows(form, "ListView2").size(), 1);
    }
};

VARNHOLT_TEST(TestSalesDeletion)
#include "tst_salesdeletion.moc"
