#include "fixture.h"
#include "messagebox.h"
#include "stockindrive.h"

using namespace RecordsDrive;

class TestFrmInDetail : public VarnholtTestCase {
    Q_OBJECT

    // Slips over two months around today, 2024-03-05.
    static void saveQueriedSlips()
    {
        save({.number = QStringLiteral("R0000001"), .date = QStringLiteral("2024-01-05"), .difference = QStringLiteral("-20")});
        save({.number = QStringLiteral("R0000002"),
              .date = QStringLiteral("2024-01-20"),
              .supplier = QStringLiteral("李四"),
              .operatorName = QStringLiteral("小王")});
        save({.number = QStringLiteral("R0000003"),
              .date = QStringLiteral("2024-01-31"),
              .supplier = QStringLiteral("小张"),
              .difference = QStringLiteral("20")});
        save({.number = QStringLiteral("R0000004"), .date = QStringLiteral("2024-02-10"), .difference = QStringLiteral("-50")});
        save({.number = QStringLiteral("T0000001"), .date = QStringLiteral("2024-01-10"), .difference = QStringLiteral("-5")});
    }

private slots:
    void opensOnTodaysSlipsOfItsMode_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<bool>("slipsToday");
        QTest::addColumn<QStringList>("listed");
        QTest::addColumn<QString>("totals");
        QTest::newRow("stock-in") << QString() << true
                                  << QStringList{QStringLiteral(
                                         "R0000002 | 10.00 | -20.00 | 0.00 | -20.00 | 管理员 | 2024-03-05 | 09:30:00 | 张三 | -")}
                                  << QStringLiteral("10.00 / -20.00");
        QTest::newRow("purchase return")
            << QStringLiteral("退货") << true
            << QStringList{QStringLiteral("T0000001 | 10.00 | 0.00 | 0.00 | 0.00 | 管理员 | 2024-03-05 | 09:30:00 | 李四 | -")}
            << QStringLiteral("10.00 / 0.00");
        QTest::newRow("none today") << QString() << false << QStringList() << QStringLiteral("0.00 / 0.00");
    }
    void opensOnTodaysSlipsOfItsMode()
    {
        QFETCH(QString, mode);
        QFETCH(bool, slipsToday);
        QFETCH(QStringList, listed);
        QFETCH(QString, totals);
        save({.number = QStringLiteral("R0000001"), .date = QStringLiteral("2024-03-04")});
        if (slipsToday) {
            save({.number = QStringLiteral("R0000002"), .difference = QStringLiteral("-20")});
            save({.number = QStringLiteral("T0000001"), .supplier = QStringLiteral("李四")});
        }
        auto* form = openRecords(mode);
        QCOMPARE(form->windowTitle(), QStringLiteral("入库记录"));
        QCOMPARE(label7(form), QStringLiteral("今日单据：(双击记录可以修改)"));
        QCOMPARE(shownHeaders(control<QTreeView>(form, "ListView1")),
                 (QStringList{"单据编号", "合计金额", "欠款金额", "还款金额", "尚欠金额", "操作员", "日期", "时间", "供应商",
                              "备注"}));
        QCOMPARE(shownHeaders(control<QTreeView>(form, "ListView2")),
                 (QStringList{"商品编号", "商品名称", "规格", "单位", "数量", "单价", "折扣", "金额"}));
        QCOMPARE(rows(form, "ListView1"), listed);
        QCOMPARE(listTotals(form), totals);
        QCOMPARE(form->selectedNumber(), QString());
        QVERIFY(rows(form, "ListView2").isEmpty());
        QCOMPARE(control<QDateEdit>(form, "DTPicker1")->date(), QDate(2024, 3, 5));
        QVERIFY(control<QPushButton>(form, "ComDel")->isEnabled());
    }

    void queriesListWhatTheyAsk_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("typed"); // null: the dialog cancelled
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        QTest::addColumn<QString>("prompt");
        QTest::addColumn<QStringList>("listed");
        const QString january = QStringLiteral("2024-01-01");
        const QString end = QStringLiteral("2024-01-31");
        const QString bySupplier = QStringLiteral("请输入供应商：(留空显示日期内全部)");
        const QString byDebt = QStringLiteral("请输入欠款供应商：(留空则显示所有）");
        QTest::newRow("supplier within the dates") << "ComF3"
                                                   << "张" << january << end << bySupplier << QStringList{"R0000001", "R0000003"};
        QTest::newRow("cancelled: every slip of the dates")
            << "ComF3" << QString() << january << end << bySupplier << QStringList{"R0000001", "R0000002", "R0000003"};
        QTest::newRow("dates reversed") << "ComF3"
                                        << "张" << end << january << bySupplier << QStringList();
        QTest::newRow("a quote is a character") << "ComF3"
                                                << "张'" << january << end << bySupplier << QStringList();
        QTest::newRow("number") << "ComF2"
                                << "0002" << january << end << QStringLiteral("请输入单据编号：(留空显示日期内全部)")
                                << QStringList{"R0000002"};
        QTest::newRow("operator") << "ComF6"
                                  << "小王" << january << end << QStringLiteral("请输入操作员：(留空显示日期内全部)")
                                  << QStringList{"R0000002"};
        QTest::newRow("open balances of anyone, any date")
            << "ComF8"
            << "" << end << end << byDebt << QStringList{"R0000001", "R0000003", "R0000004"};
        QTest::newRow("open balances of a supplier") << "ComF8"
                                                     << "张三" << end << end << byDebt << QStringList{"R0000001", "R0000004"};
    }
    void queriesListWhatTheyAsk()
    {
        QFETCH(QString, button);
        QFETCH(QString, typed);
        QFETCH(QString, from);
        QFETCH(QString, to);
        QFETCH(QString, prompt);
        QFETCH(QStringList, listed);
        saveQueriedSlips();
        auto* form = openRecords();
        setDates(form, from, to);
        checkQuery(form, button, typed, prompt, listed);
    }

    void agedDebtsAreThoseOlderThanTheDays_data()
    {
        QTest::addColumn<QString>("days");
        QTest::addColumn<QStringList>("listed");
        QTest::addColumn<QString>("totals");
        // Up to 2024-02-04: the open balances of January alone, paid beyond the total or not.
        QTest::newRow("30 days") << "30" << QStringList{"R0000001", "R0000003"} << "20.00 / 0.00";
        QTest::newRow("no days: up to today") << "" << QStringList{"R0000001", "R0000003", "R0000004"} << "30.00 / -50.00";
    }
    void agedDebtsAreThoseOlderThanTheDays()
    {
        QFETCH(QString, days);
        QFETCH(QStringList, listed);
        QFETCH(QString, totals);
        saveQueriedSlips();
        auto* form = openRecords();
        fillAndEnter(form, "Text1", days);
        QCOMPARE(label7(form), QStringLiteral("所查询单据："));
        QCOMPARE(numbers(form), listed);
        QCOMPARE(listTotals(form), totals);
        // The button runs the same query.
        control<QPushButton>(form, "ComF10")->click();
        QCOMPARE(numbers(form), listed);
    }

    void aReopenedWindowKeepsItsModesLastQuery()
    {
        save({.number = QStringLiteral("R0000001"), .date = QStringLiteral("2024-01-05")});
        save({.number = QStringLiteral("R0000002")});
        save({.number = QStringLiteral("T0000001")});
        auto* form = openRecords();
        QCOMPARE(numbers(form), QStringList{"R0000002"});
        setDates(form, QStringLiteral("2024-01-01"), QStringLiteral("2024-01-31"));
        ask(form, "ComF3", QStringLiteral("张"));
        QCOMPARE(numbers(form), QStringList{"R0000001"});
        form->close();

        // Today is outside the last query's dates.
        form = openRecords();
        QCOMPARE(numbers(form), QStringList());
        form->close();
        // The purchase returns keep a query of their own.
        form = openRecords(QStringLiteral("退货"));
        QCOMPARE(numbers(form), QStringList{"T0000001"});
        ask(form, "ComF3", QString());
        form->close();
        form = openRecords();
        QCOMPARE(numbers(form), QStringList());
    }

    void choosingASlipListsItsLines()
    {
        save({.number = QStringLiteral("R0000001"),
              .discount = QStringLiteral("90"),
              .lines = {SlipBooks::line(QStringLiteral("SP000001"), QStringLiteral("5"), QStringLiteral("10"),
                                        QStringLiteral("45")),
                        SlipBooks::line(QStringLiteral("SP000002"), QStringLiteral("2"), QStringLiteral("3.5"),
                                        QStringLiteral("6.30"))}});
        save({.number = QStringLiteral("R0000002")});
        save({.number = QStringLiteral("T0000001")});
        auto* form = openRecords();
        clickRow(form, "ListView1", 0);
        QCOMPARE(form->windowTitle(), QStringLiteral("入库记录--当前单：R0000001"));
        QCOMPARE(rows(form, "ListView2"), (QStringList{"SP000001 | 商品SP000001 | 500ml | 瓶 | 5.00 | 10.00 | 90 | 45.00",
                                                       "SP000002 | 商品SP000002 | 500ml | 瓶 | 2.00 | 3.50 | 90 | 6.30"}));
        // The arrow key onto a row chooses it as a click does.
        QTest::keyClick(control<QTreeView>(form, "ListView1"), Qt::Key_Down);
        QCOMPARE(form->windowTitle(), QStringLiteral("入库记录--当前单：R0000002"));
        QCOMPARE(rows(form, "ListView2"), QStringList{"SP000001 | 商品SP000001 | 500ml | 瓶 | 1.00 | 10.00 | 100 | 10.00"});
        // A new query lists no lines until a slip is chosen again.
        ask(form, "ComF2", QString());
        QVERIFY(rows(form, "ListView2").isEmpty());
        QCOMPARE(form->selectedNumber(), QString());

        form->close();
        form = openRecords(QStringLiteral("退货"));
        clickRow(form, "ListView1", 0);
        QCOMPARE(form->windowTitle(), QStringLiteral("入库退货记录--当前单：T0000001"));
    }

    void onlyTheAdministratorDeletesOrEdits()
    {
        save({.number = QStringLiteral("R0000001")});
        auto* form = openRecords({}, QStringLiteral("小王"));
        QVERIFY(!control<QPushButton>(form, "ComDel")->isEnabled());
        MessageBox::setNextAnswer(QMessageBox::Ok);
        doubleClickRow(control<QTreeView>(form, "ListView1"), 0);
        QCOMPARE(MessageBox::shown().size(), 1);
        QCOMPARE(MessageBox::shown().last().text, QStringLiteral("<管理员>账户才有权限修改!"));
        QCOMPARE(MessageBox::shown().last().title, QStringLiteral("Varnholt"));
        QVERIFY(!form->findChild<QDialog*>(QStringLiteral("frmInDetail2")));
        form->close();

        // The administrator's edit dialog is modeless and opens once at a time.
        form = openRecords();
        auto* list = control<QTreeView>(form, "ListView1");
        doubleClickRow(list, 0);
        doubleClickRow(list, 0);
        const auto dialogs = form->findChildren<QDialog*>(QStringLiteral("frmInDetail2"));
        QCOMPARE(dialogs.size(), 1);
        QVERIFY(dialogs.first()->isVisible() && !dialogs.first()->isModal());
    }

    void escClosesItAndEndsTheReturnMode()
    {
        QPointer<frmInDetail> form = openRecords(QStringLiteral("退货"));
        QTest::keyClick(control<QLineEdit>(form, "Text1"), Qt::Key_Escape);
        QVERIFY(!form || !form->isVisible());
        QCOMPARE(appState().slipMode, QString());
    }
};

VARNHOLT_TEST(TestFrmInDetail)
#include "tst_frmindetail.moc"
