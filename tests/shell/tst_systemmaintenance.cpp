#include "TuoPan.h"
#include "appstate.h"
#include "dbsession.h"
#include "fixture.h"
#include "messagebox.h"
#include "operatorbook.h"
#include "typing.h"
#include "uidriver.h"

#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>

using namespace UiDriver;

namespace {
// Gated items as the rights table lists them: shown or hidden, enabled or disabled.
const QStringList hiddenWhenRefused{"GYSXXWH", "KHXXWH", "Toolbar1_13", "YWYSZ", "Toolbar1_11", "Toolbar1_14", "Toolbar1_12"};
const QStringList disabledWhenRefused{"HPXXWH", "S61", "Toolbar1_1", "FKGL",       "S23",        "S24",        "Toolbar1_3",
                                      "S12",    "S13", "S14",        "Toolbar1_5", "Toolbar1_7", "Toolbar1_9", "S35",
                                      "S36",    "S33", "S34",        "CZYXXWH",    "MMXG",       "CZYQXSZ",    "SJQL"};
const QStringList ungated{"DPXX", "Toolbar1_15", "Toolbar1_17"};

QAction* action(QWidget* main, const QString& name) { return main->findChild<QAction*>(name); }

bool reactivate(QWidget* main)
{
    QWidget other;
    return activate(&other) && activate(main);
}

void logOff()
{
    auto* tray = qobject_cast<TuoPan*>(appState().trayForm.data());
    QVERIFY(tray);
    tray->menu1()->findChild<QAction*>(QStringLiteral("zhuxiao"))->trigger();
    QVERIFY(!window(QStringLiteral("MDIF_main")));
    // The closed main window goes, as the event loop would let it before the next login.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

QWidget* logInAgain(const QString& name, const QString& password)
{
    QWidget* login = window(QStringLiteral("frm_xtdl"));
    if (!login)
        return nullptr;
    login->findChild<QLineEdit*>(QStringLiteral("Text2"))->clear();
    typeLogin(login, name, password);
    return window(QStringLiteral("MDIF_main"));
}

void type(QWidget* form, const char* box, const QString& text)
{
    auto* edit = form->findChild<QLineEdit*>(QString::fromLatin1(box));
    QVERIFY2(edit, box);
    typeText(edit, text);
}

void click(QWidget* form, const char* button) { form->findChild<QPushButton*>(QString::fromLatin1(button))->click(); }
}

class TestSystemMaintenance : public VarnholtTestCase {
    Q_OBJECT
private slots:
    void itemsOpenTheirDialogsOnce_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("form");
        QTest::addColumn<QString>("caption");
        QTest::newRow("operators") << "CZYXXWH"
                                   << "frm_systemer"
                                   << "用户管理";
        QTest::newRow("password") << "MMXG"
                                  << "frm_Edit_Password"
                                  << "密码修改";
        QTest::newRow("rights") << "CZYQXSZ"
                                << "frm_setoperator"
                                << "操作员设置";
        QTest::newRow("initialisation") << "SJQL"
                                        << "frm_sfyz"
                                        << "初始化数据身份验证";
    }
    void itemsOpenTheirDialogsOnce()
    {
        QFETCH(QString, item);
        QFETCH(QString, form);
        QFETCH(QString, caption);
        QWidget* main = logIn(QStringLiteral("管理员"), QStringLiteral("admin"));
        QVERIFY(main);
        action(main, item)->trigger();
        QWidget* dialog = window(form);
        QVERIFY(dialog);
        QCOMPARE(dialog->windowTitle(), caption);
        QCOMPARE(dialog->parentWidget(), main);
        action(main, item)->trigger();
        QCOMPARE(openWindows(form), 1);
    }

    void operatorListsThatCannotBeReadAreReported_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("form");
        QTest::newRow("operators") << "CZYXXWH"
                                   << "frm_systemer";
        QTest::newRow("rights") << "CZYQXSZ"
                                << "frm_setoperator";
    }
    void operatorListsThatCannotBeReadAreReported()
    {
        QFETCH(QString, item);
        QFETCH(QString, form);
        QWidget* main = logIn(QStringLiteral("管理员"), QStringLiteral("admin"));
        QVERIFY(main);
        Database::setFailureHook([](const QString& sql) -> std::optional<DbError> {
            if (sql.startsWith(QStringLiteral("select M_Name from tb_enter")))
                return DbError{10, QStringLiteral("disk I/O error")};
            return std::nullopt;
        });
        MessageBox::setNextAnswer(QMessageBox::Ok);
        action(main, item)->trigger();
        QCOMPARE(MessageBox::shownTexts(), QStringList{QStringLiteral("Error 10: disk I/O error")});
        QVERIFY(window(form));
    }

    void aRegisteredOperatorLogsInWithoutRights()
    {
        OperatorBook::addOperator(2, "李四", "店员", "l");
        OperatorBook::addOperator(5, "王五", "店员", "w");
        QWidget* main = logIn(QStringLiteral("管理员"), QStringLiteral("admin"));
        QVERIFY(main);
        action(main, "CZYXXWH")->trigger();
        QWidget* dialog = window(QStringLiteral("frm_systemer"));
        QVERIFY(dialog);
        type(dialog, "Text1", "张三");
        type(dialog, "Text2", "收银员");
        type(dialog, "Text3", "pw");
        type(dialog, "Text4", "pw");
        MessageBox::setNextAnswer(QMessageBox::Ok);
        click(dialog, "Command1");
        QCOMPARE(MessageBox::shownTexts(), QStringList{"注册成功!!"});
        QCOMPARE(OperatorBook::select("select M_ID from tb_enter where M_Name = '张三'").value(0, "M_ID").toInt(), 6);

        logOff();
        main = logInAgain(QStringLiteral("张三"), QStringLiteral("pw"));
        QVERIFY(main);
        QVERIFY(reactivate(main));
        for (const QString& item : hiddenWhenRefused)
            QVERIFY2(!action(main, item)->isVisible(), qPrintable(item));
        for (const QString& item : disabledWhenRefused) {
            QVERIFY2(action(main, item)->isVisible(), qPrintable(item));
            QVERIFY2(!action(main, item)->isEnabled(), qPrintable(item));
        }
        for (const QString& item : ungated)
            QVERIFY2(action(main, item)->isVisible() && action(main, item)->isEnabled(), qPrintable(item));
    }

    void grantedRightsShowAtTheNextActivation()
    {
        QWidget* main = logIn(QStringLiteral("管理员"), QStringLiteral("admin"));
        QVERIFY(main);
        action(main, "CZYQXSZ")->trigger();
        QWidget* editor = window(QStringLiteral("frm_setoperator"));
        QVERIFY(editor);
        auto* list = editor->findChild<QListWidget*>(QStringLiteral("ListView1"));
        QListWidgetItem* administrator = list->findItems(QStringLiteral("管理员"), Qt::MatchExactly).value(0);
        QVERIFY(administrator);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(administrator).center());
        // 供应商信息维护 (shown or hidden) and 货品信息维护 (enabled or not) taken away.
        editor->findChild<QCheckBox*>(QStringLiteral("Check1"))->click();
        editor->findChild<QCheckBox*>(QStringLiteral("Check4"))->click();
        MessageBox::setNextAnswer(QMessageBox::Yes);
        click(editor, "Cmd_sq");
        QVERIFY(action(main, "GYSXXWH")->isVisible());
        QVERIFY(action(main, "HPXXWH")->isEnabled());

        QVERIFY(reactivate(main));
        QVERIFY(!action(main, "GYSXXWH")->isVisible());
        QVERIFY(!action(main, "HPXXWH")->isEnabled());
        QVERIFY(action(main, "CZYQXSZ")->isEnabled());
    }

    void onlyTheNewPasswordLogsIn()
    {
        QWidget* main = logIn(QStringLiteral("管理员"), QStringLiteral("admin"));
        QVERIFY(main);
        action(main, "MMXG")->trigger();
        QWidget* dialog = window(QStringLiteral("frm_Edit_Password"));
        QVERIFY(dialog);
        type(dialog, "Text5", "管理员");
        type(dialog, "Text1", "admin");
        type(dialog, "Text2", "Neu7");
        type(dialog, "Text3", "Neu7");
        MessageBox::setNextAnswer(QMessageBox::Ok);
        click(dialog, "Command1");
        QCOMPARE(MessageBox::shownTexts(), QStringList{"密码修改成功,请您记住新密码"});
        // Still logged in.
        QVERIFY(window(QStringLiteral("MDIF_main")));

        logOff();
        MessageBox::setNextAnswer(QMessageBox::Ok);
        QVERIFY(!logInAgain(QStringLiteral("管理员"), QStringLiteral("admin")));
        QCOMPARE(MessageBox::shownTexts().last(), QStringLiteral("密码不正确,请您确认后重新输入"));
        QVERIFY(logInAgain(QStringLiteral("管理员"), QStringLiteral("Neu7")));
    }

    void theIdentityCheckOpensTheInitialisationOverTheMainWindow()
    {
        QWidget* main = logIn(QStringLiteral("管理员"), QStringLiteral("admin"));
        QVERIFY(main);
        action(main, "SJQL")->trigger();
        QWidget* check = window(QStringLiteral("frm_sfyz"));
        QVERIFY(check);
        QCOMPARE(check->findChild<QLineEdit*>(QStringLiteral("Text1"))->text(), QStringLiteral("管理员"));
        type(check, "Text2", "admin");
        click(check, "Command1");
        QTRY_VERIFY(!window(QStringLiteral("frm_sfyz")));
        QWidget* initialisation = window(QStringLiteral("frm_del_Data"));
        QVERIFY(initialisation);
        QCOMPARE(initialisation->parentWidget(), main);
        QCOMPARE(initialisation->findChild<QListWidget*>(QStringLiteral("List1"))->count(), 19);
    }
};

VARNHOLT_TEST(TestSystemMaintenance)
#include "tst_systemmaintenance.moc"
