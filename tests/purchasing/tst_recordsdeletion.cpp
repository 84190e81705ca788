#include "fixture.h"
#include "messagebox.h"
#include "stockindrive.h"

using namespace RecordsDrive;
using SlipBooks::execute;
using SlipBooks::stockOf;
using SlipBooks::wholeBooks;

namespace {
const QString Question = QStringLiteral("确认删除[R0000001]吗?删除后对应的金额和数量将会从【库存】扣除！");

// 5 @ 10 onto a stock of 3 worth 46.00, beside a second slip of today.
frmInDetail* openOnTwoSlips()
{
    SlipBooks::putStock(QStringLiteral("SP000001"), QStringLiteral("3"), QStringLiteral("46"), QStringLiteral("15.33"));
    save({.number = QStringLiteral("R0000001"),
          .difference = QStringLiteral("-50"),
          .lines = {SlipBooks::line(QStringLiteral("SP000001"), QStringLiteral("5"), QStringLiteral("10"))}});
    save({.number = QStringLiteral("R0000002"),
          .lines = {SlipBooks::line(QStringLiteral("SP000002"), QStringLiteral("1"), QStringLiteral("7"))}});
    auto* form = openRecords();
    clickRow(form, "ListView1", 0);
    return form;
}
}

class TestRecordsDeletion : public VarnholtTestCase {
    Q_OBJECT
private slots:
    void theAdministratorDeletesWithWhatTheSaveMoved()
    {
        auto* form = openOnTwoSlips();
        execute(QStringLiteral("insert into 入库单明细1 (单号, 还款金额) values ('R0000001', 20)"));
        QCOMPARE(stockOf(QStringLiteral("SP000001")), QStringLiteral("8.00 / 96.00 / 12.00"));
        const QStringList before = wholeBooks();

        pressDelete(form, QMessageBox::No);
        QCOMPARE(MessageBox::shown().last().text, Question);
        QCOMPARE(MessageBox::shown().last().title, QStringLiteral("Varnholt"));
        QCOMPARE(wholeBooks(), before);
        QCOMPARE(numbers(form), (QStringList{"R0000001", "R0000002"}));

        pressDelete(form, QMessageBox::Yes);
        QCOMPARE(stockOf(QStringLiteral("SP000001")), QStringLiteral("3.00 / 46.00 / 15.33"));
        for (const char* table : {"入库单", "入库单明细", "入库单明细1"})
            QCOMPARE(SlipBooks::rowsOf(QStringLiteral("select * from %1 where 单号 = 'R0000001'").arg(QString::fromUtf8(table))),
                     QStringList());
        QCOMPARE(numbers(form), QStringList{"R0000002"});
        QVERIFY(rows(form, "ListView2").isEmpty());
        QCOMPARE(form->selectedNumber(), QString());
        // The totals stay until the next query.
        QCOMPARE(listTotals(form), QStringLiteral("57.00 / -50.00"));
        QCOMPARE(MessageBox::shown().size(), 2);
    }

    void theSlipsOwnLinesAreTakenBackWhateverTheListShows()
    {
        auto* form = openOnTwoSlips();
        QCOMPARE(rows(form, "ListView2").size(), 1);
        // A line the list does not show.
        execute(
            QStringLiteral("insert into 入库单明细 (单号, 商品编号, 数量, 单价, 金额) values ('R0000001', 'SP000002', 1, 7, 7)"));
        pressDelete(form, QMessageBox::Yes);
        QCOMPARE(stockOf(QStringLiteral("SP000001")), QStringLiteral("3.00 / 46.00 / 15.33"));
        QCOMPARE(stockOf(QStringLiteral("SP000002")), QStringLiteral("0.00 / 0.00 / 0.00"));
        QCOMPARE(numbers(form), QStringList{"R0000002"});
    }

    void aRefusedOrVanishedSlipStays_data()
    {
        QTest::addColumn<QString>("meanwhile");
        QTest::addColumn<QString>("message");
        QTest::newRow("sold below the slip") << "update 库存 set 库存量 = 2 where 商品编号 = 'SP000001'"
                                             << "库存量与库存金额已小于该单号数值，不符合删除条件！";
        QTest::newRow("no stock row") << "delete from 库存 where 商品编号 = 'SP000001'"
                                      << "该商品已无库存";
        QTest::newRow("deleted meanwhile") << "delete from 入库单 where 单号 = 'R0000001'"
                                           << "没有这条记录或该记录已删除！";
    }
    void aRefusedOrVanishedSlipStays()
    {
        QFETCH(QString, meanwhile);
        QFETCH(QString, message);
        auto* form = openOnTwoSlips();
        execute(meanwhile);
        const QStringList before = wholeBooks();
        const QStringList lines = rows(form, "ListView2");
        MessageBox::setNextAnswer(QMessageBox::Yes);
        MessageBox::setNextAnswer(QMessageBox::Ok);
        control<QPushButton>(form, "ComDel")->click();
        QCOMPARE(MessageBox::shown().last().text, message);
        QCOMPARE(wholeBooks(), before);
        QCOMPARE(numbers(form), (QStringList{"R0000001", "R0000002"}));
        QCOMPARE(rows(form, "ListView2"), lines);
    }

    void nothingChosenDeletesNothing()
    {
        save({.number = QStringLiteral("R0000001")});
        auto* form = openRecords();
        control<QPushButton>(form, "ComDel")->click();
        QVERIFY(MessageBox::shown().isEmpty());
        QCOMPARE(numbers(form), QStringList{"R0000001"});
    }
};

VARNHOLT_TEST(TestRecordsDeletion)
#include "tst_recordsdeletion.moc"
