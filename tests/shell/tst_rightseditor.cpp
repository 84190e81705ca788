#include "fixture.h"
#include "frm_setoperator.h"
#include "messagebox.h"
#include "operatorbook.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QTabWidget>
#include <QWindow>

class TestRightsEditor : public VarnholtTestCase {
    Q_OBJECT

    QPointer<frm_setoperator> form;

    template <typename T = QWidget>
    T* control(const QString& name)
    {
        T* widget = form->findChild<T*>(name);
        if (!widget)
            qFatal("no control %s", qPrintable(name));
        return widget;
    }
    QCheckBox* check(int right) { return control<QCheckBox>(QStringLiteral("Check%1").arg(right)); }

    void openForm()
    {
        form = new frm_setoperator;
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form));
    }

    void choose(const QString& name)
    {
        auto* list = control<QListWidget>("ListView1");
        const auto items = list->findItems(name, Qt::MatchExactly);
        QCOMPARE(items.size(), 1);
        list->scrollToItem(items[0]);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(items[0]).center());
        QCOMPARE(list->currentItem(), items[0]);
    }

    void click(const char* button) { QTest::mouseClick(control<QPushButton>(button), Qt::LeftButton); }

    QStringList checkStates()
    {
        QStringList states;
        for (int right = 1; right <= 25; ++right)
            states << (check(right)->isChecked() ? "1" : "0");
        return states;
    }

private slots:
    void showsTheRightsOnFiveTabs()
    {
        OperatorBook::addOperator(3, "张三", "店员", "z");
        openForm();
        QCOMPARE(form->windowTitle(), QStringLiteral("操作员设置"));
        QCOMPARE(control<QGroupBox>("Frame1")->title(), QStringLiteral("操作员信息"));
        QCOMPARE(control<QGroupBox>("Frame3")->title(), QStringLiteral("设置操作员权限"));
        QVERIFY(control<QLabel>("Label1")->text().isEmpty());
        QVERIFY(!control("Cmd_sq")->isEnabled());
        QCOMPARE(control<QPushButton>("Cmd_sq")->text(), QStringLiteral("授权"));
        QCOMPARE(control<QPushButton>("Cmd_Cancel")->text(), QStringLiteral("全不选"));
        QCOMPARE(control<QPushButton>("Cmd_exit")->text(), QStringLiteral("关闭"));

        auto* list = control<QListWidget>("ListView1");
        QCOMPARE(list->count(), 2);
        QCOMPARE(list->item(0)->text(), QStringLiteral("管理员"));
        QCOMPARE(list->item(1)->text(), QStringLiteral("张三"));

        const QList<QPair<QString, QStringList>> tabs{
            {"期初设置", {"供应商信息维护", "客户信息维护", "业务员设置", "货品信息维护", "商品类别与计量单位"}},
            {"货品管理",
             {"货品入库", "入库记录及资金往来", "入库退货", "退货记录及资金往来", "货品销售", "销售记录及资金往来", "销售退货",
              "退货记录及资金往来"}},
            {"查询统计", {"库存查询", "日常支出", "利润统计", "数据分析"}},
            {"库存管理", {"商品盘点", "盘点记录查询", "商品报损", "报损记录查询"}},
            {"系统维护", {"操作员管理", "密码修改", "权限设置", "数据清理"}},
        };
        auto* tabWidget = control<QTabWidget>("SSTab1");
        QCOMPARE(tabWidget->count(), tabs.size());
        int right = 1;
        for (int t = 0; t < tabs.size(); ++t) {
            QCOMPARE(tabWidget->tabText(t), tabs[t].first);
            for (const QString& caption : tabs[t].second) {
                QCOMPARE(check(right)->text(), caption);
                QCOMPARE(check(right)->parentWidget(), tabWidget->widget(t));
                ++right;
            }
        }
        QCOMPARE(right, 26);
    }

    void choosingAnOperatorShowsHisFlags()
    {
        OperatorBook::addOperator(3, "张三", "收银员", "z");
        OperatorBook::exec("update tb_enter set [2] = '1', [17] = '1', [24] = '1' where M_Name = '张三'");
        openForm();
        choose("张三");
        QCOMPARE(control<QLabel>("Label1")->text(), QStringLiteral("当前所选操作员 张三 的职务为： 收银员"));
        QCOMPARE(control<QGroupBox>("Frame3")->title(), QStringLiteral("操作员 张三 的权限设置"));
        QStringList expected(25, "0");
        expected[1] = expected[16] = expected[23] = "1";
        QCOMPARE(checkStates(), expected);
        QVERIFY(!check(24)->isHidden());
        QVERIFY(control("Cmd_sq")->isEnabled());

        choose("管理员");
        QCOMPARE(checkStates(), QStringList(25, "1"));
        QVERIFY(check(24)->isHidden());
        choose("张三");
        QVERIFY(!check(24)->isHidden());
    }

    void theOperatorChosenByKeyboardIsTheOneGranted()
    {
        OperatorBook::addOperator(3, "张三", "店员", "z");
        openForm();
        choose("管理员");
        auto* list = control<QListWidget>("ListView1");
        QTest::keyClick(list, Qt::Key_Down);
        QCOMPARE(list->currentItem()->text(), QStringLiteral("张三"));
        QCOMPARE(control<QLabel>("Label1")->text(), QStringLiteral("当前所选操作员 张三 的职务为： 店员"));
        QCOMPARE(control<QGroupBox>("Frame3")->title(), QStringLiteral("操作员 张三 的权限设置"));
        QCOMPARE(checkStates(), QStringList(25, "0"));
        QVERIFY(!check(24)->isHidden());
        check(6)->click();
        MessageBox::setNextAnswer(QMessageBox::Yes);
        click("Cmd_sq");
        QStringList expected(25, "0");
        expected[5] = "1";
        QCOMPARE(OperatorBook::rights("张三"), expected);
        QCOMPARE(OperatorBook::rights("管理员"), QStringList(25, "1"));
    }

    void grantingWritesAllTwentyFiveFlags()
    {
        OperatorBook::addOperator(3, "张三", "店员", "z");
        // A freshly registered operator: every box unchecked.
        openForm();
        choose("张三");
        QCOMPARE(checkStates(), QStringList(25, "0"));
        for (int right : {1, 9, 13, 25})
            check(right)->click();
        MessageBox::setNextAnswer(QMessageBox::Yes);
        click("Cmd_sq");
        QCOMPARE(MessageBox::shownTexts(), QStringList{"确认要将所选权限的信息赋给该操作员吗?"});
        QCOMPARE(MessageBox::shown().at(0).title, QStringLiteral("提示"));
        QCOMPARE(MessageBox::shown().at(0).icon, QMessageBox::Question);
        QCOMPARE(MessageBox::shown().at(0).buttons, QMessageBox::Yes | QMessageBox::No);
        QStringList expected(25, "0");
        expected[0] = expected[8] = expected[12] = expected[24] = "1";
        QCOMPARE(OperatorBook::rights("张三"), expected);
        QCOMPARE(OperatorBook::rights("管理员"), QStringList(25, "1"));
        QVERIFY(!control("Cmd_sq")->isEnabled());
        QVERIFY(form->isVisible());
    }

    void topmostUntilTheQuestion()
    {
        openForm();
        QVERIFY(form->windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint));
        choose("管理员");
        bool topmostAtTheBox = true;
        MessageBox::setUnqueuedAction(
            [&](const MessageBoxRecord&) { topmostAtTheBox = form->windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint); });
        click("Cmd_sq");
        QCOMPARE(MessageBox::shownTexts(), QStringList{"确认要将所选权限的信息赋给该操作员吗?"});
        QVERIFY(!topmostAtTheBox);
    }

    void answeringNoWritesNothing()
    {
        OperatorBook::addOperator(3, "张三", "店员", "z");
        openForm();
        choose("张三");
        check(5)->click();
        MessageBox::setNextAnswer(QMessageBox::No);
        click("Cmd_sq");
        QCOMPARE(OperatorBook::rights("张三"), QStringList(25, "0"));
        QVERIFY(check(5)->isChecked());
        QVERIFY(control("Cmd_sq")->isEnabled());
    }

    void clearingAllKeepsTheAdministratorsOwnAccess()
    {
        openForm();
        choose("管理员");
        click("Cmd_Cancel");
        QStringList expected(25, "0");
        expected[23] = "1";
        QCOMPARE(checkStates(), expected);
        MessageBox::setNextAnswer(QMessageBox::Yes);
        click("Cmd_sq");
        QCOMPARE(OperatorBook::rights("管理员"), expected);
    }

    void clearingAllClearsEveryBoxOfAnotherOperator()
    {
        OperatorBook::addOperator(3, "张三", "店员", "z", "1");
        openForm();
        choose("张三");
        click("Cmd_Cancel");
        QCOMPARE(checkStates(), QStringList(25, "0"));
        QVERIFY(MessageBox::shown().isEmpty());
        QCOMPARE(OperatorBook::rights("张三"), QStringList(25, "1"));
    }

    void grantingWithAnEmptyBookAsksNothing()
    {
        openForm();
        choose("管理员");
        OperatorBook::exec("delete from tb_enter");
        click("Cmd_sq");
        QVERIFY(MessageBox::shown().isEmpty());
        QCOMPARE(OperatorBook::count("tb_enter"), 0);
    }

    void closeButtonClosesTheDialog()
    {
        openForm();
        click("Cmd_exit");
        QTRY_VERIFY(!form);
    }
};

VARNHOLT_TEST(TestRightsEditor)
#include "tst_rightseditor.moc"
