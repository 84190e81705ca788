#include "fixture.h"
#include "messagebox.h"
#include "salesrecordsdrive.h"

using namespace SalesRecordsDrive;

class TestFrmOutDetail : public VarnholtTestCase {
    Q_OBJECT

    // Sales around January 2024 and a return; today is 2024-03-05.
    static void saveQueriedSales()
    {
        saveSale({.number = QStringLiteral("C0000001"),
                  .date = QStringLiteral("2024-01-05"),
                  .customer = QStringLiteral("王五"),
                  .salesman = QStringLiteral("李明"),
                  .difference = QStringLiteral("-5")});
        saveSale({.number = QStringLiteral("C0000002"),
                  .date = QStringLiteral("2024-01-20"),
                  .salesman = QStringLiteral("小李"),
                  .operatorName = QStringLiteral("小王")});
        saveSale({.number = QStringLiteral("C0000003"),
                  .date = QStringLiteral("2024-02-10"),
                  .customer = QStringLiteral("王小二"),
                  .salesman = QStringLiteral("张"),
                  .difference = QStringLiteral("-3")});
        saveSale({.number = QStringLiteral("C0000004"),
                  .date = QStringLiteral("2023-12-01"),
                  .customer = QStringLiteral("赵六"),
                  .salesman = QStringLiteral("李四"),
                  .difference = QStringLiteral("-8")});
        saveSale({.number = QStringLiteral("T0000001"),
                  .date = QStringLiteral("2024-01-10"),
                  .customer = QStringLiteral("王五"),
                  .salesman = QStringLiteral("李明"),
                  .difference = QStringLiteral("-2")});
    }

private slots:
    void eachModeOpensOnTodaysSlipsOfItsKind()
    {
        saveSale({.number = QStringLiteral("C0000001"), .date = QStringLiteral("2024-03-04")});
        saveSale({.number = QStringLiteral("C0000002"),
                  .introducer = QStringLiteral("李四"),
                  .salesman = QStringLiteral("小李"),
                  .difference = QStringLiteral("-5"),
                  .remark = QStringLiteral("月初")});
        saveSale({.number = QStringLiteral("T0000003")});
        auto* form = openSalesRecords();
        QCOMPARE(form->windowTitle(), QStringLiteral("销售记录"));
        QCOMPARE(label7(form), QStringLiteral("今日单据：(双击记录可以修改)"));
        QCOMPARE(shownHeaders(control<QTreeView>(form, "ListView1")),
                 (QStringList{"单据编号", "合计金额", "欠款金额", "还款金额", "尚欠金额", "操作员", "日期", "时间", "客户",
                              "业务员", "介绍人", "备注"}));
        QCOMPARE(shownHeaders(control<QTreeView>(form, "ListView2")),
                 (QStringList{"商品编号", "商品名称", "规格", "单位", "数量", "单价", "折扣", "金额", "成本金额"}));
        QCOMPARE(rows(form, "ListView1"),
                 QStringList{
                     "C0000002 | 10.60 | -5.00 | 0.00 | -5.00 | 管理员 | 2024-03-05 | 09:30:00 | 张三 | 小李 | 李四 | 月初"});
        QCOMPARE(listTotals(form), QStringLiteral("10.60 / -5.00"));
        clickRow(form, "ListView1", 0);
        QCOMPARE(form->windowTitle(), QStringLiteral("销售记录--当前单：C0000002"));
        form->close();

        form = openSalesRecords(QStringLiteral("退货"));
        QCOMPARE(numbers(form), QStringList{"T0000003"});
        clickRow(form, "ListView1", 0);
        QCOMPARE(form->windowTitle(), QStringLiteral("销售退货记录--当前单：T0000003"));
        form->close();
        QCOMPARE(appState().slipMode, QString());
    }

    void queriesListWhatTheyAsk_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("typed"); // null: the dialog cancelled
        QTest::addColumn<QString>("prompt");
        QTest::addColumn<QStringList>("listed");
        const QString byCustomer = QStringLiteral("请输入客户：(留空显示日期内全部)");
        const QString byDebtor = QStringLiteral("请输入欠款客户：(留空则显示所有）");
        const QString bySalesman = QStringLiteral("请输入业务员：(留空则显示所有）");
        // The dates are January 2024.
        QTest::newRow("number") << QString() << "ComF2"
                                << "0002" << QStringLiteral("请输入单据编号：(留空显示日期内全部)") << QStringList{"C0000002"};
        QTest::newRow("customer within the dates") << QString() << "ComF3"
                                                   << "王" << byCustomer << QStringList{"C0000001"};
        QTest::newRow("cancelled: every sale of the dates")
            << QString() << "ComF3" << QString() << byCustomer << QStringList{"C0000001", "C0000002"};
        QTest::newRow("operator") << QString() << "ComF6"
                                  << "小王" << QStringLiteral("请输入操作员：(留空显示日期内全部)") << QStringList{"C0000002"};
        QTest::newRow("open debts of customers holding 王, any date") << QString() << "ComF8"
                                                                      << "王" << byDebtor << QStringList{"C0000001", "C0000003"};
        QTest::newRow("open debts of salesmen holding 李, any date") << QString() << "ComF11"
                                                                     << "李" << bySalesman << QStringList{"C0000001", "C0000004"};
        QTest::newRow("cancelled: every open sale")
            << QString() << "ComF11" << QString() << bySalesman << QStringList{"C0000001", "C0000003", "C0000004"};
        QTest::newRow("returns: open debts of a salesman") << QStringLiteral("退货") << "ComF11"
                                                           << "李" << bySalesman << QStringList{"T0000001"};
        QTest::newRow("returns: customer within the dates") << QStringLiteral("退货") << "ComF3"
                                                            << "王" << byCustomer << QStringList{"T0000001"};
    }
    void queriesListWhatTheyAsk()
    {
        QFETCH(QString, mode);
        QFETCH(QString, button);
        QFETCH(QString, typed);
        QFETCH(QString, prompt);
        QFETCH(QStringList, listed);
        saveQueriedSales();
        auto* form = openSalesRecords(mode);
        setDates(form, QStringLiteral("2024-01-01"), QStringLiteral("2024-01-31"));
        checkQuery(form, button, typed, prompt, listed);
    }

    void theQueriesAskThroughTheSalesQueryDialog()
    {
        auto* form = openSalesRecords();
        QString asked;
        whenModal([&asked](QDialog* dialog) {
            asked = dialog->objectName();
            QVERIFY(!control(dialog, "Text1")->isVisible());
            QTest::keyClick(control(dialog, "Text2"), Qt::Key_Escape);
        });
        control<QPushButton>(form, "ComF11")->click();
        QCOMPARE(asked, QStringLiteral("frmOut15"));
        QCOMPARE(control<QPushButton>(form, "ComF11")->text(), QStringLiteral("业务员负责款项"));
        QCOMPARE(control<QPushButton>(form, "ComF8")->text(), QStringLiteral("欠款客户查询"));
        QCOMPARE(control<QPushButton>(form, "ComF9")->text(), QStringLiteral("收款操作及记录"));
        QCOMPARE(control<QPushButton>(form, "ComSell")->text(), QStringLiteral("生成销售单"));
    }

    void agedDebtsAreThoseOlderThanTheDays()
    {
        saveQueriedSales();
        auto* form = openSalesRecords();
        // Up to 2024-02-04.
        fillAndEnter(form, "Text1", QStringLiteral("30"));
        QCOMPARE(numbers(form), (QStringList{"C0000001", "C0000004"}));
        QCOMPARE(listTotals(form), QStringLiteral("21.20 / -13.00"));
    }

    void onlyTheAdministratorSeesTheCostAndDeletes_data()
    {
        QTest::addColumn<QString>("operatorName");
        QTest::addColumn<bool>("administrator");
        QTest::newRow("administrator") << QStringLiteral("管理员") << true;
        QTest::newRow("another operator") << QStringLiteral("小王") << false;
    }
    void onlyTheAdministratorSeesTheCostAndDeletes()
    {
        QFETCH(QString, operatorName);
        QFETCH(bool, administrator);
        saveSale({.number = QStringLiteral("C0000001"),
                  .lines = {SlipBooks::salesLine(QStringLiteral("SP000001"), QStringLiteral("2"), QStringLiteral("10"),
                                                 QStringLiteral("20.00"), QStringLiteral("8"))}});
        auto* form = openSalesRecords({}, operatorName);
        clickRow(form, "ListView1", 0);
        QCOMPARE(rows(form, "ListView2"),
                 QStringList{"SP000001 | 商品SP000001 | 500ml | 瓶 | 2.00 | 10.00 | 100 | 20.00 | 16.00"});
        QCOMPARE(control<QTreeView>(form, "ListView2")->isColumnHidden(8), !administrator);
        QCOMPARE(control<QPushButton>(form, "ComDel")->isEnabled(), administrator);
    }
};

VARNHOLT_TEST(TestFrmOutDetail)
#include "tst_frmoutdetail.moc"
