#include "appstate.h"
#include "dbsession.h"
#include "environment.h"
#include "fixture.h"
#include "instancelock.h"
#include "messagebox.h"
#include "operatorbook.h"
#include "startvarnholt.h"
#include "typing.h"
#include "uidriver.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

using namespace UiDriver;

class TestLogin : public VarnholtTestCase {
    Q_OBJECT
private slots:
    void secondStartEndsBeforeAnyLoginForm()
    {
        InstanceLock firstCopy(QStringLiteral("Varnholt"));
        QVERIFY(firstCopy.acquire());
        MessageBox::setNextAnswer(QMessageBox::Ok);
        const StartupResult result = startVarnholt();
        QVERIFY(!result.runEventLoop);
        QCOMPARE(MessageBox::shown().size(), 1);
        QCOMPARE(MessageBox::shown()[0].text, QStringLiteral("程序已经运行，请查看右下角图标！"));
        QCOMPARE(MessageBox::shown()[0].title, QStringLiteral("系统提示"));
        QCOMPARE(MessageBox::shown()[0].icon, QMessageBox::Information);
        for (QWidget* widget : QApplication::topLevelWidgets())
            QVERIFY(widget->objectName() != QStringLiteral("frm_xtdl"));
    }

    void listShowsOperatorsAndTheirPost()
    {
        OperatorBook::addOperator(2, QStringLiteral("Clerk"), QStringLiteral("收银员"), QStringLiteral("pw"),
                                  QStringLiteral("1"));
        QWidget* login = startLoginForm();
        QVERIFY(login);
        QCOMPARE(login->windowTitle(), QStringLiteral("系统登录"));
        auto* list = child<QListWidget>(login, QStringLiteral("ListView1"));
        auto* label3 = child<QLabel>(login, QStringLiteral("Label3"));
        QVERIFY(list->isEnabled());
        QCOMPARE(list->count(), 2);
        QCOMPARE(list->item(0)->text(), QStringLiteral("管理员"));
        QCOMPARE(list->item(1)->text(), QStringLiteral("Clerk"));
        QVERIFY(label3->text().isEmpty());

        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(1)).center());
        QCOMPARE(child<QLineEdit>(login, QStringLiteral("Text2"))->text(), QStringLiteral("Clerk"));
        QCOMPARE(label3->text(), QStringLiteral("所选操作员职务： 收银员"));
        QCOMPARE(login->focusWidget(), child<QLineEdit>(login, QStringLiteral("Text1")));
    }

    void keysChooseAndPressAsTheMouseDoes()
    {
        OperatorBook::addOperator(2, QStringLiteral("Clerk"), QStringLiteral("收银员"), QStringLiteral("pw"),
                                  QStringLiteral("1"));
        QWidget* login = startLoginForm();
        QVERIFY(login);
        auto* list = child<QListWidget>(login, QStringLiteral("ListView1"));
        list->setCurrentRow(0);
        // The operators stand side by side.
        QTest::keyClick(list, Qt::Key_Right);
        QCOMPARE(list->currentItem()->text(), QStringLiteral("Clerk"));
        QCOMPARE(child<QLineEdit>(login, QStringLiteral("Text2"))->text(), QStringLiteral("Clerk"));
        QCOMPARE(child<QLabel>(login, QStringLiteral("Label3"))->text(), QStringLiteral("所选操作员职务： 收银员"));
        QTest::keyClick(list, Qt::Key_Left);
        QCOMPARE(child<QLineEdit>(login, QStringLiteral("Text2"))->text(), QStringLiteral("管理员"));
        QCOMPARE(child<QLabel>(login, QStringLiteral("Label3"))->text(), QStringLiteral("所选操作员职务： 管理员"));

        typeText(child<QLineEdit>(login, QStringLiteral("Text1")), QStringLiteral("admin"));
        auto* ok = child<QPushButton>(login, QStringLiteral("Command1"));
        ok->setFocus();
        QTest::keyClick(ok, Qt::Key_Return);
        QVERIFY(window(QStringLiteral("MDIF_main")));
        QCOMPARE(appState().currentOperator, QStringLiteral("管理员"));
    }

    void enterOnCancelEndsTheProgram()
    {
        QWidget* login = startLoginForm();
        QVERIFY(login);
        auto* cancel = child<QPushButton>(login, QStringLiteral("Command2"));
        cancel->setFocus();
        QTest::keyClick(cancel, Qt::Key_Return);
        QCOMPARE(EndRequest::count(), 1);
    }

    void emptyOperatorTableDisablesTheList()
    {
        {
            auto conn = Mod1::OpenConn();
            QVERIFY(conn->exec(QStringLiteral("delete from tb_enter")));
        }
        QWidget* login = startLoginForm();
        QVERIFY(login);
        auto* list = child<QListWidget>(login, QStringLiteral("ListView1"));
        QVERIFY(!list->isEnabled());
        QCOMPARE(list->count(), 0);
        MessageBox::setNextAnswer(QMessageBox::Ok);
        typeLogin(login, QStringLiteral("管理员"), QStringLiteral("admin"));
        QCOMPARE(MessageBox::shownTexts(), QStringList{QStringLiteral("对不起 没有此用户的信息")});
    }

    void refusedLogins_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("password");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("nameLeft");
        QTest::newRow("unknown name") << "nobody"
                                      << "admin"
                                      << "对不起 没有此用户的信息"
                                      << "";
        QTest::newRow("empty name") << ""
                                    << ""
                                    << "对不起 没有此用户的信息"
                                    << "";
        QTest::newRow("quote in the name") << "' or '1'='1"
                                           << "' or '1'='1"
                                           << "对不起 没有此用户的信息"
                                           << "";
        QTest::newRow("password in another case") << "管理员"
                                                  << "Admin"
                                                  << "密码不正确,请您确认后重新输入"
                                                  << "管理员";
        QTest::newRow("trailing blank counts") << "管理员"
                                               << "admin "
                                               << "密码不正确,请您确认后重新输入"
                                               << "管理员";
    }

    void refusedLogins()
    {
        QFETCH(QString, name);
        QFETCH(QString, password);
        QFETCH(QString, message);
        QFETCH(QString, nameLeft);
        QWidget* login = startLoginForm();
        QVERIFY(login);
        MessageBox::setNextAnswer(QMessageBox::Ok);
        typeLogin(login, name, password);
        QCOMPARE(MessageBox::shown().size(), 1);
        QCOMPARE(MessageBox::shown()[0].text, message);
        QCOMPARE(MessageBox::shown()[0].title, QStringLiteral("库存管理系统"));
        QCOMPARE(MessageBox::shown()[0].icon, QMessageBox::NoIcon);
        QVERIFY(login->isVisible());
        QCOMPARE(child<QLineEdit>(login, QStringLiteral("Text2"))->text(), nameLeft);
        QVERIFY(child<QLineEdit>(login, QStringLiteral("Text1"))->text().isEmpty());
        QVERIFY(!window(QStringLiteral("MDIF_main")));
        QVERIFY(appState().currentOperator.isEmpty());
        if (!nameLeft.isEmpty())
            QCOMPARE(login->focusWidget(), child<QLineEdit>(login, QStringLiteral("Text1")));
    }

    void rightPasswordOpensTheMainWindow()
    {
        QWidget* login = startLoginForm();
        QVERIFY(login);
        typeLogin(login, QStringLiteral("管理员"), QStringLiteral("admin"));
        QVERIFY(MessageBox::shown().isEmpty());
        QWidget* main = window(QStringLiteral("MDIF_main"));
        QVERIFY(main);
        QCOMPARE(child<QLabel>(main, QStringLiteral("StatusBar1_2"))->text(), QStringLiteral("当前操作员：管理员"));
        QCOMPARE(appState().currentOperator, QStringLiteral("管理员"));
        QVERIFY(!window(QStringLiteral("frm_xtdl")));
    }

    void nameMatchesInAnyCaseAndAMissingPasswordIsEmpty()
    {
        OperatorBook::addOperator(2, QStringLiteral("Clerk"), QStringLiteral("收银员"), QVariant(), QStringLiteral("1"));
        QWidget* login = startLoginForm();
        QVERIFY(login);
        typeLogin(login, QStringLiteral("cLERK"), QString());
        QWidget* main = window(QStringLiteral("MDIF_main"));
        QVERIFY(main);
        QCOMPARE(appState().currentOperator, QStringLiteral("cLERK"));
        QCOMPARE(child<QLabel>(main, QStringLiteral("StatusBar1_2"))->text(), QStringLiteral("当前操作员：cLERK"));
    }

    void escapeDoesNothingAndCancelEndsTheProgram()
    {
        QWidget* login = startLoginForm();
        QVERIFY(login);
        QTest::keyClick(child<QLineEdit>(login, QStringLiteral("Text2")), Qt::Key_Escape);
        QTest::keyClick(child<QLineEdit>(login, QStringLiteral("Text1")), Qt::Key_Escape);
        QVERIFY(login->isVisible());
        QCOMPARE(EndRequest::count(), 0);

        QTest::mouseClick(child<QPushButton>(login, QStringLiteral("Command2")), Qt::LeftButton);
        QCOMPARE(EndRequest::count(), 1);
        QVERIFY(!window(QStringLiteral("frm_xtdl")));
        QVERIFY(!window(QStringLiteral("MDIF_main")));
    }

    void unreadableDatabaseIsReportedAndLogsNobodyIn()
    {
        {
            QFile file(dbPath());
            QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
            file.write(QByteArray(4096, 'x'));
        }
        MessageBox::setNextAnswer(QMessageBox::Ok);
        QWidget* login = startLoginForm();
        QVERIFY(login);
        QCOMPARE(MessageBox::shown().size(), 1);
        QVERIFY(MessageBox::shown()[0].text.startsWith(QStringLiteral("Error ")));
        QVERIFY(!child<QListWidget>(login, QStringLiteral("ListView1"))->isEnabled());

        QVERIFY(QFile::remove(dbPath()));
        MessageBox::setNextAnswer(QMessageBox::Ok);
        typeLogin(login, QStringLiteral("管理员"), QStringLiteral("admin"));
        QCOMPARE(MessageBox::shown().size(), 2);
        QVERIFY(MessageBox::shown()[1].text.startsWith(QStringLiteral("Error ")));
        QVERIFY(login->isVisible());
        QVERIFY(!window(QStringLiteral("MDIF_main")));
        QVERIFY(appState().currentOperator.isEmpty());
    }
};

VARNHOLT_TEST(TestLogin)
#include "tst_frm_xtdl.moc"
