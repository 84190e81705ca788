#include "appstate.h"
#include "dbsession.h"
#include "fixture.h"
#include "formregistry.h"
#include "frm_del_Data.h"
#include "frm_sfyz.h"
#include "messagebox.h"
#include "operatorbook.h"
#include "typing.h"
#include "uidriver.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QWindow>

namespace {
const QStringList keptTables{"业务员", "供应商", "商品信息", "商品类别", "客户", "店铺信息", "计量单位"};
const QStringList emptiedTables{"库存",        "入库单", "入库单明细", "入库单明细1", "出库单",     "出库单明细",
                                "出库单明细1", "盘点单", "盘点单明细", "调失单",      "调失单明细", "日常支出"};

QStringList sorted(QStringList list)
{
    list.sort();
    return list;
}
}

class TestSystemInit : public VarnholtTestCase {
    Q_OBJECT

    QPointer<frm_sfyz> check;
    QPointer<frm_del_Data> form;

    void openCheck(const QString& operatorName)
    {
        appState().currentOperator = operatorName;
        check = new frm_sfyz;
        check->show();
        QVERIFY(QTest::qWaitForWindowExposed(check));
    }

    void confirm(const QString& password)
    {
        auto* box = check->findChild<QLineEdit*>("Text2");
        box->clear();
        typeText(box, password);
        QTest::mouseClick(check->findChild<QPushButton*>("Command1"), Qt::LeftButton);
    }

    void openInitialisation()
    {
        form = new frm_del_Data;
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form));
    }

    QListWidget* list() { return form->findChild<QListWidget*>("List1"); }
    void click(const char* button) { QTest::mouseClick(form->findChild<QPushButton*>(button), Qt::LeftButton); }

    QStringList entries(Qt::CheckState state)
    {
        QStringList names;
        for (int i = 0; i < list()->count(); ++i) {
            if (list()->item(i)->checkState() == state)
                names << list()->item(i)->text();
        }
        return names;
    }

    // The user moves to an entry and presses Space on it.
    void toggle(const QString& table)
    {
        const auto items = list()->findItems(table, Qt::MatchExactly);
        QCOMPARE(items.size(), 1);
        list()->setCurrentItem(items[0]);
        QTest::keyClick(list(), Qt::Key_Space);
    }

    // One row in every table, so emptied and kept tables tell apart.
    void fillEveryTable()
    {
        for (const QString& table : keptTables + emptiedTables)
            OperatorBook::exec(QStringLiteral("insert into \"%1\" default values").arg(table));
    }

    struct Progress {
        bool visible;
        int maximum;
        int value;
    };
    QList<Progress> progressSeen;
    // Records what the progress bar shows as each table's deletion starts.
    void watchProgress()
    {
        progressSeen.clear();
        QPointer<QProgressBar> bar = form->findChild<QProgressBar*>("ProgressBar1");
        Database::setFailureHook([this, bar](const QString& sql) -> std::optional<DbError> {
            if (bar && sql.startsWith(QStringLiteral("delete from")))
                progressSeen.append({bar->isVisible(), bar->maximum(), bar->value()});
            return std::nullopt;
        });
    }

private slots:
    void identityCheckShowsTheLoggedInOperator()
    {
        openCheck("张三");
        QCOMPARE(check->windowTitle(), QStringLiteral("初始化数据身份验证"));
        auto* name = check->findChild<QLineEdit*>("Text1");
        QCOMPARE(name->text(), QStringLiteral("张三"));
        QVERIFY(name->isReadOnly());
        QCOMPARE(check->findChild<QLineEdit*>("Text2")->echoMode(), QLineEdit::Password);
    }

    void nameFollowsTheOperatorAtEachActivation()
    {
        openCheck("张三");
        QWidget other;
        other.show();
        other.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&other));
        appState().currentOperator = QStringLiteral("李四");
        check->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(check));
        QCOMPARE(check->findChild<QLineEdit*>("Text1")->text(), QStringLiteral("李四"));
    }

    void enterInThePasswordBoxChecksIt()
    {
        openCheck("管理员");
        QVERIFY(check->windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint));
        auto* box = check->findChild<QLineEdit*>("Text2");
        QCOMPARE(check->focusWidget(), box);
        bool topmostAtTheBox = true;
        MessageBox::setUnqueuedAction([&](const MessageBoxRecord&) {
            topmostAtTheBox = check->windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint);
        });
        typeText(box, "wrong");
        QTest::keyClick(box, Qt::Key_Return);
        QCOMPARE(MessageBox::shownTexts(), QStringList{"您输入的密码不正确,请您确认后重新输入"});
        QVERIFY(!topmostAtTheBox);
        typeText(box, "admin");
        QTest::keyClick(box, Qt::Key_Return);
        QTRY_VERIFY(!check);
        QVERIFY(FormRegistry::openForm("frm_del_Data"));
        QVERIFY(!FormRegistry::openForm("frm_del_Data")->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    }

    void aWrongPasswordIsRefused_data()
    {
        QTest::addColumn<QString>("operatorName");
        QTest::addColumn<QString>("password");
        QTest::newRow("wrong") << "Bob"
                               << "nimda";
        QTest::newRow("other letter case") << "Bob"
                                           << "ADMIN";
        QTest::newRow("the administrator's, not his own") << "张三"
                                                          << "admin";
    }
    void aWrongPasswordIsRefused()
    {
        QFETCH(QString, operatorName);
        QFETCH(QString, password);
        OperatorBook::addOperator(2, "张三", "店员", "secret");
        OperatorBook::addOperator(3, "Bob", "店员", "admin");
        openCheck(operatorName);
        MessageBox::setNextAnswer(QMessageBox::Ok);
        confirm(password);
        QCOMPARE(MessageBox::shownTexts(), QStringList{"您输入的密码不正确,请您确认后重新输入"});
        QCOMPARE(MessageBox::shown().at(0).title, QStringLiteral("提示信息"));
        QCOMPARE(MessageBox::shown().at(0).icon, QMessageBox::Warning);
        QVERIFY(check->findChild<QLineEdit*>("Text2")->text().isEmpty());
        QCOMPARE(check->focusWidget(), check->findChild<QLineEdit*>("Text2"));
        QVERIFY(check->isVisible());
        QVERIFY(!FormRegistry::openForm("frm_del_Data"));
    }

    void anOperatorNoLongerOnTheBooksGetsNoAnswer()
    {
        openCheck("没有的人");
        confirm("admin");
        QVERIFY(MessageBox::shown().isEmpty());
        QVERIFY(check->isVisible());
        QVERIFY(!FormRegistry::openForm("frm_del_Data"));
    }

    void hisOwnPasswordOpensTheInitialisation()
    {
        OperatorBook::addOperator(2, "张三", "店员", "secret");
        openCheck("张三");
        confirm("secret");
        QTRY_VERIFY(!check);
        form = qobject_cast<frm_del_Data*>(FormRegistry::openForm("frm_del_Data"));
        QVERIFY(form);
        QVERIFY(form->isVisible());
        QCOMPARE(form->windowTitle(), QStringLiteral("系统初始化"));
        QVERIFY(!Database::isOpen());
        QCOMPARE(list()->count(), 19);
        QCOMPARE(sorted(entries(Qt::Unchecked)), sorted(keptTables + emptiedTables));
        QVERIFY(!form->findChild<QProgressBar*>("ProgressBar1")->isVisible());
    }

    void keepingTheOpeningDataEmptiesTheTwelveOthers()
    {
        fillEveryTable();
        openInitialisation();
        click("cmdSel");
        QCOMPARE(sorted(entries(Qt::Checked)), sorted(emptiedTables));
        watchProgress();
        MessageBox::setNextAnswer(QMessageBox::Ok);
        click("cmdDel");
        QCOMPARE(MessageBox::shownTexts(), QStringList{"初始化完成"});
        QCOMPARE(MessageBox::shown().at(0).title, QStringLiteral("Varnholt"));
        for (const QString& table : emptiedTables)
            QVERIFY2(OperatorBook::count(table) == 0, qPrintable(table));
        for (const QString& table : keptTables)
            QVERIFY2(OperatorBook::count(table) == 1, qPrintable(table));
        QCOMPARE(OperatorBook::count("tb_enter"), 1);
        QVERIFY(OperatorBook::count("sysdepe") > 0);
        QCOMPARE(progressSeen.size(), 12);
        for (int i = 0; i < progressSeen.size(); ++i) {
            QVERIFY(progressSeen.at(i).visible);
            QCOMPARE(progressSeen.at(i).maximum, 12);
            QCOMPARE(progressSeen.at(i).value, i);
        }
        QTRY_VERIFY(!form);
    }

    void checkButtonsAndTheCountOfCheckedTables()
    {
        fillEveryTable();
        openInitialisation();
        click("cmdAllSel");
        QCOMPARE(entries(Qt::Checked).size(), 19);
        click("cmdNotAllSel");
        QCOMPARE(entries(Qt::Checked).size(), 0);
        for (const char* table : {"库存", "客户", "日常支出"})
            toggle(table);
        toggle("客户");
        QCOMPARE(sorted(entries(Qt::Checked)), sorted({"库存", "日常支出"}));
        watchProgress();
        MessageBox::setNextAnswer(QMessageBox::Ok);
        click("cmdDel");
        QCOMPARE(progressSeen.size(), 2);
        QCOMPARE(progressSeen.at(0).maximum, 2);
        QCOMPARE(OperatorBook::count("库存"), 0);
        QCOMPARE(OperatorBook::count("日常支出"), 0);
        QCOMPARE(OperatorBook::count("客户"), 1);
    }

    void nothingCheckedDeletesNothing()
    {
        fillEveryTable();
        openInitialisation();
        click("cmdAllSel");
        click("cmdNotAllSel");
        MessageBox::setNextAnswer(QMessageBox::Ok);
        click("cmdDel");
        QCOMPARE(MessageBox::shownTexts(), QStringList{"请选择需要初始化的数据表"});
        QCOMPARE(MessageBox::shown().at(0).title, QStringLiteral("Varnholt"));
        QCOMPARE(MessageBox::shown().at(0).icon, QMessageBox::NoIcon);
        for (const QString& table : keptTables + emptiedTables)
            QCOMPARE(OperatorBook::count(table), 1);
        QVERIFY(form->isVisible());
    }

    void aFailureEmptiesNothing()
    {
        fillEveryTable();
        OperatorBook::exec(QStringLiteral("create trigger refuse before delete on 日常支出 "
                                          "begin select raise(abort, 'refused'); end"));
        openInitialisation();
        click("cmdAllSel");
        MessageBox::setNextAnswer(QMessageBox::Ok);
        click("cmdDel");
        QCOMPARE(MessageBox::shown().size(), 1);
        QVERIFY(MessageBox::shownTexts().at(0).startsWith(QStringLiteral("Error ")));
        QVERIFY(MessageBox::shownTexts().at(0).contains(QStringLiteral("refused")));
        for (const QString& table : keptTables + emptiedTables)
            QVERIFY2(OperatorBook::count(table) == 1, qPrintable(table));
        QVERIFY(form->isVisible());
        QVERIFY(!form->findChild<QProgressBar*>("ProgressBar1")->isVisible());
        QCOMPARE(entries(Qt::Checked).size(), 19);
    }
};

VARNHOLT_TEST(TestSystemInit)
#include "tst_systeminit.moc"
