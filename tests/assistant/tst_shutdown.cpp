#include "commandqueue.h"
#include "configvalue.h"
#include "fixture.h"
#include "forms.h"
#include "inifile.h"
#include "messagebox.h"
#include "shutdown.h"
#include "standins.h"
#include "startteskarn.h"
#include "teskarndriver.h"
#include "typing.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

using namespace TeskarnDriver;

namespace {
QWidget* shutdownForm()
{
    QWidget* found = nullptr;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->objectName() == QLatin1String("shutdown") && window->isVisible())
            found = window;
    }
    return found;
}

// Settings of 21:00, not daily, as the file holds them.
QByteArray storedAt2100()
{
    storeShutdown(QStringLiteral("21"), QStringLiteral("00"), QStringLiteral("0"));
    return fileBytes(Teskarn::configFilePath());
}

// Starts the assistant and opens the form through the menu's 定时关机.
QWidget* openForm()
{
    if (!Teskarn::start().runEventLoop || !chooseFromMenu(QStringLiteral("GJ")))
        return nullptr;
    return shutdownForm();
}

QLineEdit* box(QWidget* form, const char* name) { return form->findChild<QLineEdit*>(QString::fromLatin1(name)); }
QCheckBox* chk(QWidget* form) { return form->findChild<QCheckBox*>(QStringLiteral("chk")); }

void fill(QWidget* form, const QString& hour, const QString& minute, bool daily)
{
    for (QLineEdit* target : {box(form, "Text1"), box(form, "Text2")}) {
        target->selectAll();
        QTest::keyClick(target, Qt::Key_Delete);
    }
    typeText(box(form, "Text1"), hour);
    typeText(box(form, "Text2"), minute);
    if (chk(form)->isChecked() != daily)
        QTest::mouseClick(chk(form), Qt::LeftButton, {}, QPoint(5, chk(form)->height() / 2));
}

void click(QWidget* form, const char* button)
{
    QTest::mouseClick(form->findChild<QPushButton*>(QString::fromLatin1(button)), Qt::LeftButton);
}

// 设置定时 with that time, its one message answered.
void setTime(QWidget* form, const QString& hour, const QString& minute)
{
    fill(form, hour, minute, false);
    MessageBox::setNextAnswer(QMessageBox::Ok);
    click(form, "Command1");
}

// The settings as the file holds them, blanks and all.
QByteArray storedShutdown(const QString& hour, const QString& minute, const QString& daily)
{
    return ("[shi]\nname=" + hour + "\n[fen]\nname=" + minute + "\n[sel]\nname=" + daily + "\n").toUtf8();
}

// What the stand-in shutdown was asked, one line a run.
QString commandLog() { return QDir::tempPath() + QStringLiteral("/shutdown.log"); }
QStringList loggedCommands()
{
    return QString::fromLocal8Bit(fileBytes(commandLog())).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

// A failed save: the file, then the reason.
QString notSaved(const QString& reason)
{
    return QStringLiteral("设置未能保存：") + Teskarn::configFilePath() + QLatin1Char('\n') + reason;
}

// 取消关机 from the menu, once its commands have ended: the stand-in was
// asked to set 22:30 and to cancel, and the cancel was told.
bool cancelledThroughTheStandIn()
{
    MessageBox::setNextAnswer(QMessageBox::Ok);
    return chooseFromMenu(QStringLiteral("QXGJ")) && QTest::qWaitFor([] { return !CommandQueue::busy(); }, 5000)
           && loggedCommands() == QStringList{QStringLiteral("-P 22:30"), QStringLiteral("-c")}
           && MessageBox::shownTexts() == QStringList{QStringLiteral("定时关机已取消")} && disarmedShown();
}

QString armedMessage(const QString& hour, const QString& minute)
{
    return QStringLiteral("关机时间是 ") + hour + QLatin1Char(':') + minute
           + QStringLiteral(" 请注意保存资料！可通过【菜单】或【清空设置】取消关机！");
}
}

class TestShutdown : public VarnholtTestCase {
    Q_OBJECT
public:
    TestShutdown()
        : VarnholtTestCase(TestedProgram::Teskarn)
    {
    }

private slots:
    void formShowsTheStoredSettings_data()
    {
        QTest::addColumn<QString>("daily");
        QTest::addColumn<bool>("ticked");
        QTest::newRow("1") << "1" << true;
        QTest::newRow("1 and text") << "1x" << true;
        QTest::newRow("0") << "0" << false;
        QTest::newRow("12") << "12" << false;
        QTest::newRow("text") << "yes" << false;
        QTest::newRow("missing") << QString() << false;
    }
    void formShowsTheStoredSettings()
    {
        QFETCH(QString, daily);
        QFETCH(bool, ticked);
        storeShutdown(QStringLiteral("21"), QStringLiteral("05"), daily);
        // A stored daily shutdown that the start does not arm must not look ticked.
        QVERIFY(Teskarn::start().runEventLoop);
        QWidget* form = Teskarn::Forms::showModeless<Teskarn::shutdown>();
        QCOMPARE(form->windowTitle(), QStringLiteral("设置定时关机"));
        QCOMPARE(box(form, "Text1")->text(), QStringLiteral("21"));
        QCOMPARE(box(form, "Text2")->text(), QStringLiteral("05"));
        QCOMPARE(chk(form)->isChecked(), ticked);
        QCOMPARE(commandsRun().size(), ticked ? 1 : 0);
        for (const char* name : {"lbl1", "lbl2", "lbl3", "lbl4", "Command1", "cmdDel", "cmdExit"})
            QVERIFY2(form->findChild<QWidget*>(QString::fromLatin1(name)), name);
    }

    void formIsShownOnceAtATime()
    {
        QWidget* form = openForm();
        QVERIFY(form);
        QVERIFY(chooseFromMenu(QStringLiteral("GJ")));
        QCOMPARE(shutdownForm(), form);
        int open = 0;
        for (QWidget* window : QApplication::topLevelWidgets())
            open += window->objectName() == QLatin1String("shutdown") ? 1 : 0;
        QCOMPARE(open, 1);
    }

    void setArmsTheTimeAndStoresTheBoxes_data()
    {
        QTest::addColumn<QString>("hour");
        QTest::addColumn<QString>("minute");
        QTest::addColumn<bool>("daily");
        QTest::addColumn<QString>("command");
        QTest::newRow("22:30 daily") << "22"
                                     << "30" << true << "shutdown -P 22:30";
        // Already past at 09:00: the shutdown command takes it for tomorrow.
        QTest::newRow("8 and 5") << "8"
                                 << "5" << false << "shutdown -P 08:05";
        QTest::newRow("midnight") << "0"
                                  << "00" << false << "shutdown -P 00:00";
        QTest::newRow("blanks around") << " 23 "
                                       << "59" << true << "shutdown -P 23:59";
    }
    void setArmsTheTimeAndStoresTheBoxes()
    {
        QFETCH(QString, hour);
        QFETCH(QString, minute);
        QFETCH(bool, daily);
        QFETCH(QString, command);
        QWidget* form = openForm();
        QVERIFY(form);
        fill(form, hour, minute, daily);
        MessageBox::setNextAnswer(QMessageBox::Ok);
        click(form, "Command1");
        QCOMPARE(commandsRun(), QStringList{command});
        QCOMPARE(MessageBox::shownTexts(), QStringList{armedMessage(hour, minute)});
        QCOMPARE(MessageBox::shown().first().icon, QMessageBox::NoIcon);
        QCOMPARE(MessageBox::shown().first().title, QStringLiteral("Teskarn"));
        QCOMPARE(fileBytes(Teskarn::configFilePath()),
                 storedShutdown(hour, minute, daily ? QStringLiteral("1") : QStringLiteral("0")));
        QVERIFY(shutdownForm());
        QVERIFY(armedShown());
    }

    void aBlankBoxClearsTheSettingAndArmsNothing()
    {
        QWidget* form = openForm();
        QVERIFY(form);
        fill(form, QStringLiteral("22"), QStringLiteral("  "), true);
        MessageBox::setNextAnswer(QMessageBox::Ok);
        click(form, "Command1");
        QCOMPARE(MessageBox::shownTexts(), QStringList{QStringLiteral("关机设置已清空！")});
        QCOMPARE(commandsRun(), QStringList());
        QCOMPARE(fileBytes(Teskarn::configFilePath()),
                 storedShutdown(QStringLiteral("22"), QStringLiteral("  "), QStringLiteral("1")));
        QVERIFY(disarmedShown());

        QVERIFY(restart());
        QCOMPARE(commandsRun(), QStringList());
        QVERIFY(disarmedShown());
    }

    void invalidTimeIsRefusedAndNothingChanges_data()
    {
        QTest::addColumn<QString>("hour");
        QTest::addColumn<QString>("minute");
        QTest::newRow("25 and 00") << "25"
                                   << "00";
        QTest::newRow("minute 60") << "12"
                                   << "60";
        QTest::newRow("three digits") << "12"
                                      << "005";
        QTest::newRow("colon typed") << "12:"
                                     << "30";
        QTest::newRow("decimal") << "1.5"
                                 << "30";
    }
    void invalidTimeIsRefusedAndNothingChanges()
    {
        QFETCH(QString, hour);
        QFETCH(QString, minute);
        const QByteArray settings = storedAt2100();
        QWidget* form = openForm();
        QVERIFY(form);
        fill(form, hour, minute, true);
        MessageBox::setNextAnswer(QMessageBox::Ok);
        click(form, "Command1");
        QCOMPARE(MessageBox::shownTexts(), QStringList{QStringLiteral("关机时间无效，请按24小时格式填写！")});
        QCOMPARE(commandsRun(), QStringList());
        QCOMPARE(fileBytes(Teskarn::configFilePath()), settings);
        QCOMPARE(box(form, "Text1")->text(), hour);
        QCOMPARE(box(form, "Text2")->text(), minute);
        QVERIFY(chk(form)->isChecked());
        QVERIFY(disarmedShown());
    }

    void failedArmIsReportedAndStoresNothing()
    {
        QWidget* form = openForm();
        QVERIFY(form);
        fill(form, QStringLiteral("22"), QStringLiteral("30"), true);
        CommandRunner::setNextResult({true, 1, {}, QStringLiteral("Access denied")});
        MessageBox::setNextAnswer(QMessageBox::Ok);
        click(form, "Command1");
        QCOMPARE(MessageBox::shownTexts(), QStringList{QStringLiteral("定时关机设置失败：Access denied")});
        QVERIFY(!QFile::exists(Teskarn::configFilePath()));
        QVERIFY(disarmedShown());
        // Recorded before the command ran, and taken back when it was refused.
        QVERIFY(restart());
        QVERIFY(disarmedShown());
    }

    // logind keeps the earlier power-off when a new time is refused: it is
    // still known as ours and cancelled.
    void aRefusedArmKeepsTheEarlierOneCancellable()
    {
        QWidget* form = openForm();
        QVERIFY(form);
        setTime(form, QStringLiteral("22"), QStringLiteral("30"));
        CommandRunner::setNextResult({true, 1, {}, QStringLiteral("Access denied")});
        setTime(form, QStringLiteral("21"), QStringLiteral("15"));
        QVERIFY(armedShown());
        MessageBox::clear();
        CommandRunner::setNextResult(pendingShutdown(QStringLiteral("poweroff"), today(22, 30)));
        MessageBox::setNextAnswer(QMessageBox::Ok);
        QVERIFY(chooseFromMenu(QStringLiteral("QXGJ")));
        QCOMPARE(commandsRun().last(), QStringLiteral("shutdown -c"));
        QCOMPARE(MessageBox::shownTexts(), QStringList{QStringLiteral("定时关机已取消")});
    }

    void failedSettingsWriteIsReportedWithThePath()
    {
        // A folder where the settings file belongs.
        QVERIFY(QDir().mkpath(Teskarn::configFilePath()));
        QWidget* form = openForm();
        QVERIFY(form);
        fill(form, QStringLiteral("22"), QStringLiteral("30"), false);
        MessageBox::setNextAnswer(QMessageBox::Ok);
        MessageBox::setNextAnswer(QMessageBox::Ok);
        click(form, "Command1");
        QCOMPARE(MessageBox::shownTexts(), (QStringList{armedMessage(QStringLiteral("22"), QStringLiteral("30")),
                                                        notSaved(QStringLiteral("Filename refers to a directory"))}));
        QCOMPARE(commandsRun(), QStringList{QStringLiteral("shutdown -P 22:30")});
        QVERIFY(armedShown());
    }

    // The new hour with the old minute would arm a time nobody chose.
    void aSaveThatFailsPartWayLeavesTheFileAsItWas()
    {
        const QByteArray settings = storedAt2100();
        QWidget* form = openForm();
        QVERIFY(form);
        IniFile::setWriteFailure(QStringLiteral("No space left on device"), QStringLiteral("fen"));
        MessageBox::setNextAnswer(QMessageBox::Ok); // after the time's own message
        setTime(form, QStringLiteral("07"), QStringLiteral("30"));
        QCOMPARE(MessageBox::shownTexts(), (QStringList{armedMessage(QStringLiteral("07"), QStringLiteral("30")),
                                                        notSaved(QStringLiteral("No space left on device"))}));
        QCOMPARE(MessageBox::shown().last().icon, QMessageBox::Warning);
        QCOMPARE(fileBytes(Teskarn::configFilePath()), settings);
    }

    // A line break would forge lines of its own, as [sel] name=1.
    void aLineBreakIsRefusedBeforeAnythingHappens_data()
    {
        QTest::addColumn<QString>("hour");
        QTest::addColumn<QString>("minute");
        QTest::addColumn<QString>("caption");
        QTest::newRow("hour, minute blank") << QStringLiteral("22\n[sel]\nname=1") << QString() << QStringLiteral("时");
        QTest::newRow("minute") << QStringLiteral("22") << QStringLiteral("30\r\n[shi]") << QStringLiteral("分");
    }
    void aLineBreakIsRefusedBeforeAnythingHappens()
    {
        QFETCH(QString, hour);
        QFETCH(QString, minute);
        QFETCH(QString, caption);
        const QByteArray settings = storedAt2100();
        QWidget* form = openForm();
        QVERIFY(form);
        // A paste can bring what typing cannot.
        box(form, "Text1")->setText(hour);
        box(form, "Text2")->setText(minute);
        MessageBox::setNextAnswer(QMessageBox::Ok);
        click(form, "Command1");
        QCOMPARE(MessageBox::shownTexts(), QStringList{caption + QStringLiteral("不能包含换行符。")});
        QCOMPARE(MessageBox::shown().first().title, QStringLiteral("提示"));
        QCOMPARE(commandsRun(), QStringList());
        QCOMPARE(fileBytes(Teskarn::configFilePath()), settings);
        QVERIFY(disarmedShown());
    }

    void clearCancelsOurShutdownAndEmptiesTheSettings_data()
    {
        QTest::addColumn<bool>("armedInTheForm");
        QTest::newRow("armed in the form") << true;
        QTest::newRow("armed by an earlier run") << false;
    }
    void clearCancelsOurShutdownAndEmptiesTheSettings()
    {
        QFETCH(bool, armedInTheForm);
        if (!armedInTheForm)
            storeShutdown(QStringLiteral("22"), QStringLiteral("30"), QStringLiteral("0"));
        QWidget* form = openForm();
        QVERIFY(form);
        if (armedInTheForm) {
            fill(form, QStringLiteral("22"), QStringLiteral("30"), true);
            MessageBox::setNextAnswer(QMessageBox::Ok);
            click(form, "Command1");
            QVERIFY(armedShown());
            MessageBox::clear();
        }
        const qsizetype before = commandsRun().size();
        CommandRunner::setNextResult(pendingShutdown(QStringLiteral("poweroff"), today(22, 30)));
        MessageBox::setNextAnswer(QMessageBox::Ok);
        click(form, "cmdDel");
        QCOMPARE(commandsRun().mid(before).size(), 2);
        QCOMPARE(commandsRun().last(), QStringLiteral("shutdown -c"));
        QCOMPARE(MessageBox::shownTexts(), QStringList{QStringLiteral("定时关机已取消")});
        QCOMPARE(box(form, "Text1")->text(), QString());
        QCOMPARE(box(form, "Text2")->text(), QString());
        QVERIFY(!chk(form)->isChecked());
        QCOMPARE(fileBytes(Teskarn::configFilePath()), storedShutdown({}, {}, QStringLiteral("0")));
        QVERIFY(disarmedShown());
    }

    void theTimeArmedThisRunIsTheOneCancelled()
    {
        storeShutdown(QStringLiteral("22"), QStringLiteral("30"), QStringLiteral("0"));
        QWidget* form = openForm();
        QVERIFY(form);
        setTime(form, QStringLiteral("21"), QStringLiteral("15"));
        // logind holds one shutdown: a 22:30 pending now was set by another
        // hand after ours replaced it.
        CommandRunner::setNextResult(pendingShutdown(QStringLiteral("poweroff"), today(22, 30)));
        MessageBox::setNextAnswer(QMessageBox::Ok);
        click(form, "cmdDel");
        QCOMPARE(commandsRun().size(), 2);
        QCOMPARE(MessageBox::shownTexts().last(),
                 QStringLiteral("Teskarn没有设置定时关机；系统另有定时关机将在 22:30 执行（不是Teskarn设置的，未取消）。"));
        setTime(form, QStringLiteral("21"), QStringLiteral("15"));
        CommandRunner::setNextResult(pendingShutdown(QStringLiteral("poweroff"), today(21, 15)));
        MessageBox::setNextAnswer(QMessageBox::Ok);
        click(form, "cmdDel");
        QCOMPARE(commandsRun().last(), QStringLiteral("shutdown -c"));
        QCOMPARE(MessageBox::shownTexts().last(), QStringLiteral("定时关机已取消"));
    }

    void failedClearIsReportedAndStillClearsTheSettings()
    {
        QWidget* form = openForm();
        QVERIFY(form);
        fill(form, QStringLiteral("22"), QStringLiteral("30"), true);
        MessageBox::setNextAnswer(QMessageBox::Ok);
        click(form, "Command1");
        MessageBox::clear();
        CommandRunner::setNextResult({true, 1, {}, QStringLiteral("Failed to connect to bus")});
        CommandRunner::setNextResult({true, 1, {}, QStringLiteral("Access denied")});
        MessageBox::setNextAnswer(QMessageBox::Ok);
        click(form, "cmdDel");
        QCOMPARE(commandsRun().last(), QStringLiteral("shutdown -c"));
        QCOMPARE(MessageBox::shownTexts().size(), 1);
        QVERIFY(MessageBox::shownTexts().first().startsWith(
            QStringLiteral("取消定时关机失败：Failed to connect to bus；shutdown -c：Access denied\n")));
        QCOMPARE(box(form, "Text1")->text(), QString());
        QVERIFY(!chk(form)->isChecked());
        // The next start arms nothing, whatever the system said.
        QCOMPARE(fileBytes(Teskarn::configFilePath()), storedShutdown({}, {}, QStringLiteral("0")));
        QVERIFY(disarmedShown());
    }

    void clearAfterARestartWithABlankMinuteCancelsByOurRecord_data()
    {
        QTest::addColumn<CommandResult>("answer");
        QTest::newRow("pending at our time") << pendingShutdown(QStringLiteral("poweroff"), today(22, 30));
    }
    void clearAfterARestartWithABlankMinuteCancelsByOurRecord()
    {
        QFETCH(CommandResult, answer);
        QWidget* form = openForm();
        QVERIFY(form);
        fill(form, QStringLiteral("22"), QStringLiteral("30"), false);
        MessageBox::setNextAnswer(QMessageBox::Ok);
        click(form, "Command1");
        // A blank minute stores no time, but our 22:30 stays pending.
        fill(form, QStringLiteral("22"), QString(), false);
        MessageBox::setNextAnswer(QMessageBox::Ok);
        click(form, "Command1");
        QVERIFY(restart());
        MessageBox::clear();
        form = Teskarn::Forms::showModeless<Teskarn::shutdown>();
        CommandRunner::setNextResult(answer);
        MessageBox::setNextAnswer(QMessageBox::Ok);
        click(form, "cmdDel");
        QCOMPARE(commandsRun().last(), QStringLiteral("shutdown -c"));
        QCOMPARE(MessageBox::shownTexts(), QStringList{QStringLiteral("定时关机已取消")});
        QVERIFY(disarmedShown());
    }

    void clearWithNothingOfOursRunsNothingAndClaimsNoCancel()
    {
        QWidget* form = openForm();
        QVERIFY(form);
        MessageBox::setNextAnswer(QMessageBox::Ok);
        click(form, "cmdDel");
        QCOMPARE(commandsRun(), QStringList());
        QCOMPARE(MessageBox::shownTexts(), QStringList{QStringLiteral("没有要取消的定时关机")});
        QCOMPARE(fileBytes(Teskarn::configFilePath()), storedShutdown({}, {}, QStringLiteral("0")));
    }

    // The stand-in shutdown sets the time only after the timeout (as one
    // asking for a password late would), then cancels at once.
    void hangingShutdownFailsAtItsTimeoutAndCanStillBeCancelled()
    {
        const StandInCommands standIns(root() + QStringLiteral("/bin"));
        QVERIFY(standIns.add(QStringLiteral("shutdown"),
                             "echo \"$*\" >> " + commandLog().toLocal8Bit() + "\ncase \"$1\" in -P) exec /bin/sleep 30;; esac"));
        CommandRunner::installReal();
        CommandQueue::setTimeout(200);
        QWidget* form = openForm();
        QVERIFY(form);
        fill(form, QStringLiteral("22"), QStringLiteral("30"), true);
        MessageBox::setNextAnswer(QMessageBox::Ok);
        click(form, "Command1");
        bool answeredWhilePending = false;
        QTimer::singleShot(0, form, [&answeredWhilePending] { answeredWhilePending = CommandQueue::busy(); });
        QTRY_VERIFY(answeredWhilePending);
        // One command at a time: the shutdown's entries wait for it.
        QVERIFY(!offered(QStringLiteral("GJ")) && !offered(QStringLiteral("QXGJ")));
        QVERIFY(!form->findChild<QPushButton*>(QStringLiteral("Command1"))->isEnabled());

        QTRY_VERIFY_WITH_TIMEOUT(!CommandQueue::busy(), 5000);
        QCOMPARE(MessageBox::shownTexts(),
                 QStringList{QStringLiteral("定时关机设置失败：命令 shutdown 在 200 毫秒内没有结束，已终止\n"
                                            "22:30 的关机可能已经设置，可通过【菜单】的“取消关机”取消。")});
        QVERIFY(!QFile::exists(Teskarn::configFilePath()));
        // Possibly pending, so offered to be cancelled; busctl is missing.
        QVERIFY(armedShown());
        MessageBox::clear();
        QVERIFY(cancelledThroughTheStandIn());
    }

    // 退出程序 while the arm's command still runs (a password asked late may
    // still set the time): the next run knows the power-off may be ours.
    void aQuitWhileTheArmRunsLeavesARecordThatCancels()
    {
        const StandInCommands standIns(root() + QStringLiteral("/bin"));
        QVERIFY(standIns.add(QStringLiteral("shutdown"),
                             "echo \"$*\" >> " + commandLog().toLocal8Bit() + "\ncase \"$1\" in -P) exec /bin/sleep 3;; esac"));
        CommandRunner::installReal();
        QWidget* form = openForm();
        QVERIFY(form);
        fill(form, QStringLiteral("22"), QStringLiteral("30"), false);
        click(form, "Command1");
        QTRY_COMPARE_WITH_TIMEOUT(loggedCommands(), QStringList{QStringLiteral("-P 22:30")}, 5000);
        QVERIFY(CommandQueue::busy());
        QVERIFY(restart());
        QVERIFY(armedShown());
        QVERIFY(cancelledThroughTheStandIn());
    }

    // Whatever busctl does, the daily shutdown armed at start can be
    // cancelled, 清空设置 stays within reach, and nothing re-arms unasked.
    void withoutLogindsAnswerTheShutdownCanBeLeft_data()
    {
        QTest::addColumn<QByteArray>("busctl");
        QTest::newRow("busctl missing") << QByteArray();
        QTest::newRow("busctl silent") << QByteArray("exit 0");
        QTest::newRow("busctl failing") << QByteArray("echo 'Failed to connect to bus' >&2\nexit 1");
    }
    void withoutLogindsAnswerTheShutdownCanBeLeft()
    {
        QFETCH(QByteArray, busctl);
        const StandInCommands standIns(root() + QStringLiteral("/bin"));
        QVERIFY(standIns.add(QStringLiteral("shutdown"), "echo \"$*\" >> " + commandLog().toLocal8Bit()));
        if (!busctl.isEmpty())
            QVERIFY(standIns.add(QStringLiteral("busctl"), busctl));
        CommandRunner::installReal();
        storeShutdown(QStringLiteral("22"), QStringLiteral("30"), QStringLiteral("1"));
        QVERIFY(Teskarn::start().runEventLoop);
        QTRY_VERIFY_WITH_TIMEOUT(!CommandQueue::busy(), 5000);
        QVERIFY(armedShown());
        MessageBox::setNextAnswer(QMessageBox::Ok);
        QVERIFY(chooseFromMenu(QStringLiteral("QXGJ")));
        QTRY_VERIFY_WITH_TIMEOUT(!CommandQueue::busy(), 5000);
        QCOMPARE(MessageBox::shownTexts(), QStringList{QStringLiteral("定时关机已取消")});
        QCOMPARE(loggedCommands(), (QStringList{QStringLiteral("-P 22:30"), QStringLiteral("-c")}));

        QWidget* form = openForm();
        QVERIFY(form);
        MessageBox::setNextAnswer(QMessageBox::Ok);
        click(form, "cmdDel");
        QTRY_VERIFY_WITH_TIMEOUT(!CommandQueue::busy(), 5000);
        QCOMPARE(MessageBox::shownTexts().last(), QStringLiteral("没有要取消的定时关机"));
        QCOMPARE(fileBytes(Teskarn::configFilePath()), storedShutdown({}, {}, QStringLiteral("0")));
        QVERIFY(restart());
        QTRY_VERIFY_WITH_TIMEOUT(!CommandQueue::busy(), 5000);
        QCOMPARE(loggedCommands().size(), 2);
    }

    // A settings folder that takes no file: what this run armed is still
    // known, and cancelled.
    void aShutdownArmedWhereNothingCanBeSavedIsCancelledByWhatThisRunKnows()
    {
        const StandInCommands standIns(root() + QStringLiteral("/bin"));
        QVERIFY(standIns.add(QStringLiteral("shutdown"), "echo \"$*\" >> " + commandLog().toLocal8Bit()));
        CommandRunner::installReal();
        IniFile::setWriteFailure(QStringLiteral("Read-only file system"));
        // Told once, at start.
        const QString folderNotWritable = QStringLiteral("设置文件夹无法写入：") + root()
                                          + QStringLiteral("/config/Teskarn\nRead-only file system\n"
                                                           "工具条位置和定时关机记录不会保存。");
        MessageBox::setNextAnswer(QMessageBox::Ok);
        QWidget* form = openForm();
        QVERIFY(form);
        fill(form, QStringLiteral("22"), QStringLiteral("30"), false);
        MessageBox::setNextAnswer(QMessageBox::Ok);
        MessageBox::setNextAnswer(QMessageBox::Ok);
        click(form, "Command1");
        QTRY_VERIFY_WITH_TIMEOUT(!CommandQueue::busy(), 5000);
        const QString notSavedHere = notSaved(QStringLiteral("Read-only file system"));
        QCOMPARE(MessageBox::shownTexts(),
                 (QStringList{folderNotWritable, armedMessage(QStringLiteral("22"), QStringLiteral("30")), notSavedHere}));
        QVERIFY(!QFile::exists(UserSettings::filePath(QStringLiteral("timedshutdown"))));
        MessageBox::clear();
        MessageBox::setNextAnswer(QMessageBox::Ok);
        MessageBox::setNextAnswer(QMessageBox::Ok);
        click(form, "cmdDel");
        QTRY_VERIFY_WITH_TIMEOUT(!CommandQueue::busy(), 5000);
        QCOMPARE(loggedCommands(), (QStringList{QStringLiteral("-P 22:30"), QStringLiteral("-c")}));
        QCOMPARE(MessageBox::shownTexts(), (QStringList{notSavedHere, QStringLiteral("定时关机已取消")}));
        QVERIFY(disarmedShown());
    }

    void exitWritesNothing()
    {
        storeShutdown(QStringLiteral("22"), QStringLiteral("30"), QStringLiteral("0"));
        const QByteArray settings = fileBytes(Teskarn::configFilePath());
        QWidget* form = openForm();
        QVERIFY(form);
        fill(form, QStringLiteral("6"), QStringLiteral("45"), true);
        click(form, "cmdExit");
        QVERIFY(!shutdownForm());
        QCOMPARE(fileBytes(Teskarn::configFilePath()), settings);
        QCOMPARE(commandsRun(), QStringList());
    }
};

VARNHOLT_TEST(TestShutdown)
#include "tst_shutdown.moc"
