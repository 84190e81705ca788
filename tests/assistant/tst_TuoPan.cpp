#include "TuoPan.h"
#include "commandqueue.h"
#include "configvalue.h"
#include "environment.h"
#include "fixture.h"
#include "forms.h"
#include "inifile.h"
#include "instancelock.h"
#include "messagebox.h"
#include "mod_AutoRun.h"
#include "search.h"
#include "standins.h"
#include "startteskarn.h"
#include "teskarndriver.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMenu>

using namespace TeskarnDriver;
using Teskarn::search;
using Teskarn::TuoPan;
namespace Forms = Teskarn::Forms;

namespace {
const QString busctlQuery = QStringLiteral(
    "busctl get-property org.freedesktop.login1 /org/freedesktop/login1 org.freedesktop.login1.Manager ScheduledShutdown");

QStringList visibleWindows()
{
    QStringList names;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->isVisible())
            names << window->objectName();
    }
    return names;
}
}

class TestTuoPan : public VarnholtTestCase {
    Q_OBJECT
public:
    TestTuoPan()
        : VarnholtTestCase(TestedProgram::Teskarn)
    {
    }

private slots:
    void startArmsTheDailyShutdownOnlyWhenSet_data()
    {
        QTest::addColumn<QString>("hour");
        QTest::addColumn<QString>("minute");
        QTest::addColumn<QString>("daily");
        QTest::addColumn<QStringList>("commands");
        const QStringList at2230{QStringLiteral("shutdown -P 22:30")};
        QTest::newRow("daily at 22:30") << "22"
                                        << "30"
                                        << "1" << at2230;
        QTest::newRow("leading number 1") << "22"
                                          << "30"
                                          << "1 每天" << at2230;
        QTest::newRow("one digit each") << "7"
                                        << "5"
                                        << "1" << QStringList{QStringLiteral("shutdown -P 07:05")};
        QTest::newRow("minute empty") << "22"
                                      << ""
                                      << "1" << QStringList();
        QTest::newRow("hour empty") << ""
                                    << "30"
                                    << "1" << QStringList();
        QTest::newRow("not daily") << "22"
                                   << "30"
                                   << "0" << QStringList();
        QTest::newRow("daily missing") << "22"
                                       << "30" << QString() << QStringList();
        QTest::newRow("daily 12") << "22"
                                  << "30"
                                  << "12" << QStringList();
        // As a Chinese input method types them.
        QTest::newRow("full-width digits") << "２２"
                                           << "３０"
                                           << "1" << at2230;
    }
    void startArmsTheDailyShutdownOnlyWhenSet()
    {
        QFETCH(QString, hour);
        QFETCH(QString, minute);
        QFETCH(QString, daily);
        QFETCH(QStringList, commands);
        storeShutdown(hour, minute, daily);
        QVERIFY(Teskarn::start().runEventLoop);
        QCOMPARE(visibleWindows(), QStringList{QStringLiteral("search")});
        QVERIFY(!Forms::loaded<TuoPan>()->isVisible());
        QCOMPARE(commandsRun(), commands);
        QVERIFY(commands.isEmpty() ? disarmedShown() : armedShown());
        QCOMPARE(MessageBox::shownTexts(), QStringList());
    }

    void everyStartArmsOnceMore()
    {
        storeShutdown(QStringLiteral("22"), QStringLiteral("30"), QStringLiteral("1"));
        QVERIFY(Teskarn::start().runEventLoop);
        QVERIFY(restart());
        QCOMPARE(commandsRun(), QStringList(2, QStringLiteral("shutdown -P 22:30")));
        QVERIFY(armedShown());
    }

    void storedInvalidTimeArmsNothingAndSaysSo_data()
    {
        QTest::addColumn<QString>("hour");
        QTest::addColumn<QString>("minute");
        QTest::newRow("hour 24") << "24"
                                 << "00";
        QTest::newRow("minute 60") << "23"
                                   << "60";
        QTest::newRow("three digits") << "022"
                                      << "30";
        QTest::newRow("letters") << "2a"
                                 << "30";
        QTest::newRow("sign") << "-1"
                              << "30";
    }
    void storedInvalidTimeArmsNothingAndSaysSo()
    {
        QFETCH(QString, hour);
        QFETCH(QString, minute);
        storeShutdown(hour, minute, QStringLiteral("1"));
        MessageBox::setNextAnswer(QMessageBox::Ok);
        QVERIFY(Teskarn::start().runEventLoop);
        QCOMPARE(MessageBox::shownTexts(), QStringList{QStringLiteral("config.ini 中的每天定时关机时间无效，未设置定时关机。")});
        QCOMPARE(commandsRun(), QStringList());
        QVERIFY(Forms::loaded<search>());
        QVERIFY(disarmedShown());
    }

    // The bar's position and the record of an armed shutdown are written
    // without asking: a folder that takes no file is told once, at start.
    void unwritableSettingsFolderIsToldOnceAtStart()
    {
        IniFile::setWriteFailure(QStringLiteral("Read-only file system"));
        MessageBox::setNextAnswer(QMessageBox::Ok);
        QVERIFY(Teskarn::start().runEventLoop);
        QCOMPARE(MessageBox::shownTexts(), QStringList{QStringLiteral("设置文件夹无法写入：") + root()
                                                       + QStringLiteral("/config/Teskarn\nRead-only file system\n"
                                                                        "工具条位置和定时关机记录不会保存。")});
        QCOMPARE(MessageBox::shown().first().icon, QMessageBox::Warning);
        // The bar's own saves say nothing more.
        QVERIFY(menuEntry(QStringLiteral("GJ")));
        Forms::loaded<TuoPan>()->TP()->hide();
        QCOMPARE(MessageBox::shown().size(), 1);
    }

    void failedArmAtStartIsReportedAndLeavesTheMenu()
    {
        storeShutdown(QStringLiteral("22"), QStringLiteral("30"), QStringLiteral("1"));
        CommandRunner::setNextResult({true, 1, {}, QStringLiteral("Failed to set wall message, ignoring: Access denied\n")});
        MessageBox::setNextAnswer(QMessageBox::Ok);
        QVERIFY(Teskarn::start().runEventLoop);
        QCOMPARE(MessageBox::shownTexts(),
                 QStringList{QStringLiteral("定时关机设置失败：Failed to set wall message, ignoring: Access denied")});
        QCOMPARE(MessageBox::shown().last().icon, QMessageBox::Warning);
        QVERIFY(disarmedShown());
    }

    void missingShutdownCommandIsNamed()
    {
        const StandInCommands none(root() + QStringLiteral("/bin"));
        CommandRunner::installReal();
        storeShutdown(QStringLiteral("22"), QStringLiteral("30"), QStringLiteral("1"));
        MessageBox::setNextAnswer(QMessageBox::Ok);
        QVERIFY(Teskarn::start().runEventLoop);
        QTRY_VERIFY_WITH_TIMEOUT(!CommandQueue::busy(), 5000);
        QCOMPARE(MessageBox::shownTexts(), QStringList{QStringLiteral("定时关机设置失败：找不到命令 shutdown")});
        QVERIFY(disarmedShown());
    }

    void secondCopySaysSoAndShowsNothing()
    {
        InstanceLock firstCopy(QStringLiteral("Teskarn"));
        QVERIFY(firstCopy.acquire());
        storeShutdown(QStringLiteral("22"), QStringLiteral("30"), QStringLiteral("1"));
        MessageBox::setNextAnswer(QMessageBox::Ok);
        const StartupResult start = Teskarn::start();
        QVERIFY(!start.runEventLoop);
        QCOMPARE(start.exitCode, 0);
        QCOMPARE(MessageBox::shown().size(), 1);
        QCOMPARE(MessageBox::shown().first().text, QStringLiteral("Teskarn已经运行！"));
        QCOMPARE(MessageBox::shown().first().title, QStringLiteral("系统提示"));
        QCOMPARE(MessageBox::shown().first().icon, QMessageBox::Information);
        QCOMPARE(visibleWindows(), QStringList());
        QVERIFY(!Forms::loaded<search>() && !Forms::loaded<TuoPan>());
        QCOMPARE(commandsRun(), QStringList());
    }

    void rightPressOnTheBarPopsTheMenuUpAtTheCursor()
    {
        // Away from the screen's edges, so the menu needs no moving to fit.
        UserSettings::save(QStringLiteral("searchtool"), QStringLiteral("pos"), QStringLiteral("top"), QStringLiteral("1500"));
        UserSettings::save(QStringLiteral("searchtool"), QStringLiteral("pos"), QStringLiteral("left"), QStringLiteral("1500"));
        QVERIFY(Teskarn::start().runEventLoop);
        QAction* first = menuEntry(QStringLiteral("GJ"));
        QVERIFY(first);
        QMenu* menu = Forms::loaded<TuoPan>()->TP();
        QCOMPARE(menu->title(), QStringLiteral("托盘"));
        QCOMPARE(menu->pos(), Forms::loaded<search>()->geometry().center());
        QStringList names;
        QStringList captions;
        for (const QAction* entry : menu->actions()) {
            names << entry->objectName();
            captions << (entry->isSeparator() ? QStringLiteral("-") : entry->text());
        }
        QCOMPARE(names, (QStringList{"GJ", "QXGJ", "FGX2", "KJ", "WJ", "ARun", "FGX", "JTF3", "TC"}));
        QCOMPARE(captions,
                 (QStringList{"定时关机", "取消关机", "-", "快捷软件", "快捷文件", "开机启动", "-", "截图-F3", "退出程序"}));
        QVERIFY(first->isVisible());
        QVERIFY(!menu->findChild<QAction*>(QStringLiteral("QXGJ"))->isVisible());
    }

    void cancelTouchesOnlyOurPowerOff_data()
    {
        QTest::addColumn<CommandResult>("answer");
        QTest::addColumn<bool>("cancelled");
        QTest::addColumn<QString>("message");
        const QString cancelledText = QStringLiteral("定时关机已取消");
        const auto another = [](const char* time) {
            return QStringLiteral("Teskarn没有设置定时关机；系统另有定时关机将在 %1 执行（不是Teskarn设置的，未取消）。")
                .arg(QLatin1String(time));
        };
        QTest::newRow("ours at 22:30 today")
            << pendingShutdown(QStringLiteral("poweroff"), today(22, 30)) << true << cancelledText;
        QTest::newRow("another at 23:00") << pendingShutdown(QStringLiteral("poweroff"), today(23, 0)) << false
                                          << another("23:00");
        QTest::newRow("22:30 two days on") << pendingShutdown(QStringLiteral("poweroff"), today(22, 30).addDays(2)) << false
                                           << another("22:30");
        QTest::newRow("a reboot at 22:30") << pendingShutdown(QStringLiteral("reboot"), today(22, 30)) << false
                                           << another("22:30");
        QTest::newRow("none") << pendingShutdown(QString(), QDateTime()) << false << cancelledText;
    }
    void cancelTouchesOnlyOurPowerOff()
    {
        QFETCH(CommandResult, answer);
        QFETCH(bool, cancelled);
        QFETCH(QString, message);
        storeShutdown(QStringLiteral("22"), QStringLiteral("30"), QStringLiteral("1"));
        const QByteArray settings = fileBytes(Teskarn::configFilePath());
        QVERIFY(Teskarn::start().runEventLoop);
        CommandRunner::setNextResult(answer);
        MessageBox::setNextAnswer(QMessageBox::Ok);
        QVERIFY(chooseFromMenu(QStringLiteral("QXGJ")));

        QStringList expected{QStringLiteral("shutdown -P 22:30"), busctlQuery};
        if (cancelled)
            expected << QStringLiteral("shutdown -c");
        QCOMPARE(commandsRun(), expected);
        QCOMPARE(MessageBox::shown().size(), 1);
        QCOMPARE(MessageBox::shown().first().text, message);
        // Nothing of ours is pending any more: the record goes.
        QCOMPARE(UserSettings::get(QStringLiteral("timedshutdown"), QStringLiteral("armed"), QStringLiteral("at")), QString());
        QCOMPARE(MessageBox::shown().first().icon, QMessageBox::NoIcon);
        QCOMPARE(MessageBox::shown().first().title, QStringLiteral("Teskarn"));
        QVERIFY(disarmedShown());
        QCOMPARE(fileBytes(Teskarn::configFilePath()), settings);
    }

    // A real query through a stand-in busctl: another program's power-off is
    // named and left alone.
    void anotherProgramsPowerOffIsNamedAndLeft()
    {
        const StandInCommands standIns(root() + QStringLiteral("/bin"));
        const QByteArray log = (root() + QStringLiteral("/shutdown.log")).toLocal8Bit();
        QVERIFY(standIns.add(QStringLiteral("shutdown"), "echo \"$*\" >> " + log));
        QVERIFY(
            standIns.add(QStringLiteral("busctl"),
                         "echo '" + pendingShutdown(QStringLiteral("poweroff"), today(23, 0)).output.trimmed().toUtf8() + "'"));
        CommandRunner::installReal();
        storeShutdown(QStringLiteral("22"), QStringLiteral("30"), QStringLiteral("1"));
        QVERIFY(Teskarn::start().runEventLoop);
        QTRY_VERIFY_WITH_TIMEOUT(!CommandQueue::busy(), 5000);
        MessageBox::setNextAnswer(QMessageBox::Ok);
        QVERIFY(chooseFromMenu(QStringLiteral("QXGJ")));
        QTRY_VERIFY_WITH_TIMEOUT(!CommandQueue::busy(), 5000);
        QCOMPARE(MessageBox::shownTexts(),
                 QStringList{
                     QStringLiteral("Teskarn没有设置定时关机；系统另有定时关机将在 23:00 执行（不是Teskarn设置的，未取消）。")});
        QCOMPARE(fileBytes(root() + QStringLiteral("/shutdown.log")), QByteArray("-P 22:30\n"));
        QVERIFY(disarmedShown());
    }

    // Without a readable answer from logind, the power-off this run armed is
    // still known to be ours and is cancelled.
    void cancelWithoutLogindsAnswerCancelsWhatThisRunArmed_data()
    {
        QTest::addColumn<CommandResult>("answer");
        QTest::newRow("query fails") << CommandResult{true, 1, {}, QStringLiteral("Failed to connect to bus")};
        QTest::newRow("query cannot start") << CommandResult{false, -1, {}, {}};
        QTest::newRow("unreadable answer") << CommandResult{true, 0, QStringLiteral("b true"), {}};
        QTest::newRow("no answer") << CommandResult{true, 0, {}, {}};
    }
    void cancelWithoutLogindsAnswerCancelsWhatThisRunArmed()
    {
        QFETCH(CommandResult, answer);
        storeShutdown(QStringLiteral("22"), QStringLiteral("30"), QStringLiteral("1"));
        const QByteArray settings = fileBytes(Teskarn::configFilePath());
        QVERIFY(Teskarn::start().runEventLoop);
        CommandRunner::setNextResult(answer);
        MessageBox::setNextAnswer(QMessageBox::Ok);
        QVERIFY(chooseFromMenu(QStringLiteral("QXGJ")));
        QCOMPARE(commandsRun(), (QStringList{QStringLiteral("shutdown -P 22:30"), busctlQuery, QStringLiteral("shutdown -c")}));
        QCOMPARE(MessageBox::shownTexts(), QStringList{QStringLiteral("定时关机已取消")});
        QVERIFY(disarmedShown());
        QCOMPARE(fileBytes(Teskarn::configFilePath()), settings);
    }

    // A cancel that cannot be made says what may still come and why, and
    // clears the daily setting so that no start arms it again.
    void cancelThatCannotBeMadeClearsTheDailySetting_data()
    {
        QTest::addColumn<QList<CommandResult>>("answers");
        QTest::addColumn<QString>("reason");
        const CommandResult ours = pendingShutdown(QStringLiteral("poweroff"), today(22, 30));
        const CommandResult refused{true, 1, {}, QStringLiteral("Access denied")};
        QTest::newRow("cancel refused") << QList<CommandResult>{ours, refused} << "Access denied";
        QTest::newRow("no answer, cancel refused")
            << QList<CommandResult>{{true, 1, {}, QStringLiteral("Failed to connect to bus")}, refused}
            << "Failed to connect to bus；shutdown -c：Access denied";
    }
    void cancelThatCannotBeMadeClearsTheDailySetting()
    {
        QFETCH(QList<CommandResult>, answers);
        QFETCH(QString, reason);
        storeShutdown(QStringLiteral("22"), QStringLiteral("30"), QStringLiteral("1"));
        QVERIFY(Teskarn::start().runEventLoop);
        for (const CommandResult& answer : answers)
            CommandRunner::setNextResult(answer);
        MessageBox::setNextAnswer(QMessageBox::Ok);
        QVERIFY(chooseFromMenu(QStringLiteral("QXGJ")));
        QCOMPARE(MessageBox::shownTexts().size(), 1);
        const QStringList lines = MessageBox::shownTexts().first().split(QLatin1Char('\n'));
        QCOMPARE(lines.size(), 3);
        QCOMPARE(lines[0], QStringLiteral("取消定时关机失败：") + reason);
        QVERIFY2(lines[1].contains(QStringLiteral("22:30 的关机可能仍在计划中")), qPrintable(lines[1]));
        QCOMPARE(lines[2], QStringLiteral("每天定时关机已清除，下次启动不会再设置。"));
        QCOMPARE(MessageBox::shown().first().icon, QMessageBox::Warning);
        QCOMPARE(Teskarn::ReadConfigValue(QStringLiteral("sel"), QStringLiteral("name")), QStringLiteral("0"));
        // 定时关机 and its 清空设置 stay within reach.
        QVERIFY(disarmedShown());
        const qsizetype run = commandsRun().size();
        QVERIFY(restart());
        QCOMPARE(commandsRun().size(), run);
    }

    void startAtLoginTogglesTheEntryAndTheCheckMark()
    {
        QVERIFY(Teskarn::start().runEventLoop);
        QAction* aRun = menuEntry(QStringLiteral("ARun"));
        QVERIFY(aRun && aRun->isCheckable() && !aRun->isChecked());
        const QString entry = QDir(qEnvironmentVariable("XDG_CONFIG_HOME")).filePath(QStringLiteral("autostart/teskarn.desktop"));

        MessageBox::setNextAnswer(QMessageBox::Ok);
        QVERIFY(chooseFromMenu(QStringLiteral("ARun")));
        QVERIFY(aRun->isChecked());
        QCOMPARE(fileBytes(entry), "[Desktop Entry]\nType=Application\nName=Teskarn\nExec=\""
                                       + QCoreApplication::applicationFilePath().toUtf8() + "\"\n");
        QCOMPARE(MessageBox::shown().last().text, QStringLiteral("成功设置开机启动/不启动！"));
        QCOMPARE(MessageBox::shown().last().title, QStringLiteral("切换提示"));
        QCOMPARE(MessageBox::shown().last().icon, QMessageBox::Information);

        MessageBox::setNextAnswer(QMessageBox::Ok);
        QVERIFY(chooseFromMenu(QStringLiteral("ARun")));
        QVERIFY(!aRun->isChecked());
        QVERIFY(!QFile::exists(entry));
        QCOMPARE(MessageBox::shownTexts(), QStringList(2, QStringLiteral("成功设置开机启动/不启动！")));
    }

    void checkMarkShowsWhetherStartAtLoginIsOn()
    {
        QVERIFY(!Teskarn::mod_AutoRun::SetAutoRun(true));
        QVERIFY(Teskarn::start().runEventLoop);
        QVERIFY(menuEntry(QStringLiteral("ARun"))->isChecked());
        MessageBox::setNextAnswer(QMessageBox::Ok);
        QVERIFY(chooseFromMenu(QStringLiteral("ARun")));
        QVERIFY(!QFile::exists(Teskarn::mod_AutoRun::entryPath()));
        QVERIFY(!menuEntry(QStringLiteral("ARun"))->isChecked());
    }

    void entryFromAnEarlierRunIsWrittenAgainByTheFirstClick()
    {
        const QString folder = QDir(qEnvironmentVariable("XDG_CONFIG_HOME")).filePath(QStringLiteral("autostart"));
        QVERIFY(QDir().mkpath(folder));
        QFile old(folder + QStringLiteral("/teskarn.desktop"));
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("[Desktop Entry]\nExec=/old/place/Teskarn\n");
        old.close();
        QVERIFY(Teskarn::start().runEventLoop);
        MessageBox::setNextAnswer(QMessageBox::Ok);
        QVERIFY(chooseFromMenu(QStringLiteral("ARun")));
        QVERIFY(menuEntry(QStringLiteral("ARun"))->isChecked());
        QVERIFY(fileBytes(old.fileName()).contains(QCoreApplication::applicationFilePath().toUtf8()));
    }

    void failedStartAtLoginIsReportedAndLeavesTheCheckMark()
    {
        // A file where the autostart folder belongs.
        QFile blocker(QDir(qEnvironmentVariable("XDG_CONFIG_HOME")).filePath(QStringLiteral("autostart")));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        QVERIFY(Teskarn::start().runEventLoop);
        MessageBox::setNextAnswer(QMessageBox::Ok);
        QVERIFY(chooseFromMenu(QStringLiteral("ARun")));
        QCOMPARE(MessageBox::shownTexts(), QStringList{QStringLiteral("开机启动设置失败：无法创建文件夹 ") + blocker.fileName()});
        QCOMPARE(MessageBox::shown().last().icon, QMessageBox::Warning);
        QVERIFY(!menuEntry(QStringLiteral("ARun"))->isChecked());

        // Once the way is clear, the next click still turns it on.
        QVERIFY(blocker.remove());
        MessageBox::setNextAnswer(QMessageBox::Ok);
        QVERIFY(chooseFromMenu(QStringLiteral("ARun")));
        QVERIFY(menuEntry(QStringLiteral("ARun"))->isChecked());
        QVERIFY(QFile::exists(Teskarn::mod_AutoRun::entryPath()));
    }

    void exitClosesEveryWindowAndEndsOnce()
    {
        QVERIFY(Teskarn::start().runEventLoop);
        QVERIFY(chooseFromMenu(QStringLiteral("GJ")));
        QCOMPARE(visibleWindows().size(), 2);
        QVERIFY(chooseFromMenu(QStringLiteral("TC")));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(visibleWindows(), QStringList());
        QVERIFY(!Forms::loaded<search>() && !Forms::loaded<TuoPan>());
        QCOMPARE(EndRequest::count(), 1);
    }
};

VARNHOLT_TEST(TestTuoPan)
#include "tst_TuoPan.moc"
