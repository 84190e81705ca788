#include "trayavailability.h"
#include "TuoPan.h"
#include "appstate.h"
#include "clock.h"
#include "clssystray.h"
#include "environment.h"
#include "fixture.h"
#include "inifile.h"
#include "messagebox.h"
#include "uidriver.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>

using namespace UiDriver;

namespace {
QAction* trayItem(const QString& name)
{
    auto* tray = qobject_cast<TuoPan*>(appState().trayForm.data());
    return tray ? tray->menu1()->findChild<QAction*>(name) : nullptr;
}

QString backupFolder() { return QDir::homePath() + QStringLiteral("/Morvane数据备份"); }

// Acts on the countdown once its exec() has started; closes it if the check fails.
void whenCountdownOpens(const std::function<void(QWidget*)>& act)
{
    QTimer::singleShot(0, [act] {
        QWidget* countdown = window(QStringLiteral("frm_backup2"));
        if (!countdown) {
            QTest::qFail("no countdown open", __FILE__, __LINE__);
            return;
        }
        act(countdown);
    });
}
}

class TestTuoPan : public VarnholtTestCase {
    Q_OBJECT
private slots:
    void iconComesWithTheFirstLoginAndGoesWithExit()
    {
        QVERIFY(!TrayRecord::isIconShown());
        QVERIFY(logIn(QStringLiteral("管理员"), QStringLiteral("admin")));
        QVERIFY(TrayRecord::isIconShown());
        QCOMPARE(TrayRecord::tip(), QStringLiteral("Varnholt"));
        QVERIFY(QFileInfo(backupFolder()).isDir());
        QCOMPARE(EndRequest::count(), 0);

        trayItem(QStringLiteral("tuichu"))->trigger();
        QVERIFY(!TrayRecord::isIconShown());
        QCOMPARE(EndRequest::count(), 1);
        QVERIFY(!window(QStringLiteral("MDIF_main")));
    }

    void logOffKeepsTheIconAndCancelThenEnds()
    {
        QVERIFY(logIn(QStringLiteral("管理员"), QStringLiteral("admin")));
        trayItem(QStringLiteral("zhuxiao"))->trigger();
        QVERIFY(!window(QStringLiteral("MDIF_main")));
        QWidget* login = window(QStringLiteral("frm_xtdl"));
        QVERIFY(login);
        QVERIFY(TrayRecord::isIconShown());
        QCOMPARE(EndRequest::count(), 0);

        MessageBox::setNextAnswer(QMessageBox::Ok);
        trayItem(QStringLiteral("zhujiemian"))->trigger();
        QCOMPARE(MessageBox::shownTexts(), QStringList{QStringLiteral("请先登录！")});

        child<QPushButton>(login, QStringLiteral("Command2"))->click();
        QCOMPARE(EndRequest::count(), 1);
        QVERIFY(!TrayRecord::isIconShown());
    }

    void afterLogOffNoPathLeadsInWithoutALogin()
    {
        QVERIFY(logIn(QStringLiteral("管理员"), QStringLiteral("admin")));
        trayItem(QStringLiteral("SJGL"))->trigger();
        QVERIFY(window(QStringLiteral("frm_backup")));
        trayItem(QStringLiteral("zhuxiao"))->trigger();
        QVERIFY(appState().currentOperator.isEmpty());
        // The administrator's backup window goes with him.
        QVERIFY(!window(QStringLiteral("frm_backup")));
        QWidget* login = window(QStringLiteral("frm_xtdl"));
        QVERIFY(login);

        // A second log-off raises the login form that is open.
        trayItem(QStringLiteral("zhuxiao"))->trigger();
        QCOMPARE(window(QStringLiteral("frm_xtdl")), login);
        QCOMPARE(openWindows(QStringLiteral("frm_xtdl")), 1);

        // With the login form closed, the menu and the icon bring it back.
        login->close();
        trayItem(QStringLiteral("zhujiemian"))->trigger();
        QVERIFY(window(QStringLiteral("frm_xtdl")));
        QVERIFY(!window(QStringLiteral("MDIF_main")));
        window(QStringLiteral("frm_xtdl"))->close();
        auto* tray = qobject_cast<TuoPan*>(appState().trayForm.data());
        tray->cSysTray()->deliverActivation(QSystemTrayIcon::DoubleClick);
        QVERIFY(window(QStringLiteral("frm_xtdl")));
        QVERIFY(!window(QStringLiteral("MDIF_main")));
        QVERIFY(MessageBox::shown().isEmpty());

        // The backup window grants nobody the administrator's buttons.
        trayItem(QStringLiteral("SJGL"))->trigger();
        QWidget* backup = window(QStringLiteral("frm_backup"));
        QVERIFY(backup);
        for (const char* adminOnly : {"Command5", "Command2", "ComDel"})
            QVERIFY2(!child<QPushButton>(backup, QString::fromLatin1(adminOnly))->isEnabled(), adminOnly);
        QVERIFY(child<QPushButton>(backup, QStringLiteral("Command4"))->isEnabled());
    }

    void logOffThenLogInOpensAFreshMainWindow()
    {
        QVERIFY(logIn(QStringLiteral("管理员"), QStringLiteral("admin")));
        trayItem(QStringLiteral("zhuxiao"))->trigger();
        // The closed main window may still wait for its deletion here.
        QWidget* login = window(QStringLiteral("frm_xtdl"));
        typeLogin(login, QStringLiteral("管理员"), QStringLiteral("admin"));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(window(QStringLiteral("MDIF_main")));
        QCOMPARE(TrayRecord::timesShown(), 1);
    }

    void closingTheMainWindowLeavesTheProgramInTheTray()
    {
        QWidget* main = logIn(QStringLiteral("管理员"), QStringLiteral("admin"));
        QVERIFY(main);
        main->close();
        QCOMPARE(EndRequest::count(), 0);
        QVERIFY(TrayRecord::isIconShown());
        // A double click on the icon brings the main window back.
        auto* tray = qobject_cast<TuoPan*>(appState().trayForm.data());
        tray->cSysTray()->deliverActivation(QSystemTrayIcon::Trigger);
        tray->cSysTray()->deliverActivation(QSystemTrayIcon::DoubleClick);
        QVERIFY(window(QStringLiteral("MDIF_main")));
    }

    void withoutATrayClosingTheMainWindowEnds()
    {
        MachineState::setSystemTrayOverride(false);
        QWidget* main = logIn(QStringLiteral("管理员"), QStringLiteral("admin"));
        QVERIFY(main);
        QVERIFY(!TrayRecord::isIconShown());
        main->close();
        QCOMPARE(EndRequest::count(), 1);
    }

    void withoutATrayTheMenuBarCarriesTheTrayItems()
    {
        MachineState::setSystemTrayOverride(false);
        QWidget* main = logIn(QStringLiteral("管理员"), QStringLiteral("admin"));
        QVERIFY(main);
        QMenu* items = nullptr;
        for (QAction* top : main->findChild<QMenuBar*>()->actions()) {
            if (top->menu() && top->menu()->actions().value(0)
                && top->menu()->actions().value(0)->text() == QStringLiteral("数据管理"))
                items = top->menu();
        }
        QVERIFY(items);
        const QList<QAction*> actions = items->actions();
        QCOMPARE(actions.size(), 3);
        QCOMPARE(actions[1]->text(), QStringLiteral("注销"));
        QCOMPARE(actions[2]->text(), QStringLiteral("退出"));

        actions[0]->trigger();
        QVERIFY(window(QStringLiteral("frm_backup")));
        actions[1]->trigger();
        QVERIFY(!window(QStringLiteral("MDIF_main")));
        QVERIFY(window(QStringLiteral("frm_xtdl")));
        QCOMPARE(EndRequest::count(), 0);
    }

    void theTrayMenuIsTheIconsContextMenu()
    {
        QVERIFY(logIn(QStringLiteral("管理员"), QStringLiteral("admin")));
        auto* tray = qobject_cast<TuoPan*>(appState().trayForm.data());
        auto* icon = tray->cSysTray()->findChild<QSystemTrayIcon*>();
        QVERIFY(icon);
        QCOMPARE(icon->contextMenu(), tray->menu1());
    }

    void countdownOpensAtTheDefaultTimeOnlyOnce()
    {
        Clock::setNow(QDateTime(QDate(2024, 3, 5), QTime(16, 50, 0)));
        QVERIFY(logIn(QStringLiteral("管理员"), QStringLiteral("admin")));
        Clock::setNow(QDateTime(QDate(2024, 3, 5), QTime(16, 54, 59)));
        QVERIFY(!window(QStringLiteral("frm_backup2")));

        int opened = 0;
        whenCountdownOpens([&](QWidget* countdown) {
            ++opened;
            Clock::advance(3000); // the tray keeps ticking while the countdown waits
            child<QPushButton>(countdown, QStringLiteral("Command2"))->click();
        });
        Clock::setNow(QDateTime(QDate(2024, 3, 5), QTime(16, 55, 0)));
        QCOMPARE(opened, 1);
        Clock::setNow(QDateTime(QDate(2024, 3, 5), QTime(16, 55, 30)));
        QVERIFY(!window(QStringLiteral("frm_backup2")));
        QVERIFY(QDir(backupFolder()).entryList(QDir::Files).isEmpty());
    }

    void countdownRunningOutBacksUpOnce()
    {
        QVERIFY(
            UserSettings::save(QStringLiteral("database"), QStringLiteral("time"), QStringLiteral("hour"), QStringLiteral("09")));
        QVERIFY(UserSettings::save(QStringLiteral("database"), QStringLiteral("time"), QStringLiteral("minute"),
                                   QStringLiteral("5")));
        QVERIFY(logIn(QStringLiteral("管理员"), QStringLiteral("admin")));
        MessageBox::setNextAnswer(QMessageBox::Ok);
        whenCountdownOpens([](QWidget*) { Clock::advance(61000); });
        Clock::setNow(QDateTime(QDate(2024, 3, 5), QTime(9, 5, 0)));
        QCOMPARE(MessageBox::shownTexts(), QStringList{QStringLiteral("成功备份数据")});
        QCOMPARE(QDir(backupFolder()).entryList(QDir::Files).size(), 1);
        Clock::setNow(QDateTime(QDate(2024, 3, 6), QTime(9, 5, 0)));
        QVERIFY(!window(QStringLiteral("frm_backup2")));
    }

    void backupButtonOfTheToolbarBacksUp()
    {
        Clock::setNow(QDateTime(QDate(2024, 3, 5), QTime(9, 5, 0)));
        QWidget* main = logIn(QStringLiteral("管理员"), QStringLiteral("admin"));
        MessageBox::setNextAnswer(QMessageBox::Ok);
        main->findChild<QAction*>(QStringLiteral("Toolbar1_15"))->trigger();
        QCOMPARE(MessageBox::shownTexts(), QStringList{QStringLiteral("成功备份数据")});
        QFile backup(backupFolder() + QStringLiteral("/2024-03-05-0905.mdb"));
        QFile live(dbPath());
        QVERIFY(backup.open(QIODevice::ReadOnly) && live.open(QIODevice::ReadOnly));
        QCOMPARE(backup.readAll(), live.readAll());
    }
};

VARNHOLT_TEST(TestTuoPan)
#include "tst_TuoPan.moc"
