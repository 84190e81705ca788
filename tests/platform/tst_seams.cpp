#include "clock.h"
#include "commandqueue.h"
#include "desktop.h"
#include "environment.h"
#include "filedialogs.h"
#include "fixture.h"
#include "messagebox.h"
#include "trayavailability.h"

class TestSeams : public VarnholtTestCase {
    Q_OBJECT
private slots:
    void queuedAnswersReachTheAskerInOrder()
    {
        MessageBox::setNextAnswer(QMessageBox::No);
        MessageBox::setNextAnswer(QMessageBox::Yes);
        QVERIFY(!MessageBox::askYesNo(nullptr, QStringLiteral("一"), QStringLiteral("提示")));
        QVERIFY(MessageBox::askYesNo(nullptr, QStringLiteral("二")));
        QCOMPARE(MessageBox::shownTexts(), (QStringList{QStringLiteral("一"), QStringLiteral("二")}));
        QCOMPARE(MessageBox::shown().at(0).title, QStringLiteral("提示"));
        QCOMPARE(MessageBox::shown().at(1).title, QStringLiteral("Varnholt"));
    }

    void unqueuedBoxCallsTheFailureAction()
    {
        QString seen;
        MessageBox::setUnqueuedAction([&](const MessageBoxRecord& box) { seen = box.text; });
        const auto answer = MessageBox::show(nullptr, QStringLiteral("无人回答"), {}, QMessageBox::Question,
                                             QMessageBox::Ok | QMessageBox::Cancel);
        QCOMPARE(seen, QStringLiteral("无人回答"));
        QCOMPARE(answer, QMessageBox::Ok);

        QString caption;
        FileDialogs::setUnqueuedAction([&](const QString& c) { caption = c; });
        QVERIFY(FileDialogs::openFile(nullptr, QStringLiteral("选择")).isEmpty());
        QCOMPARE(caption, QStringLiteral("选择"));
    }

    void fileDialogAnswersComeFromTheQueue()
    {
        FileDialogs::setNextAnswer(QStringLiteral("/x/备份.mdb"));
        FileDialogs::setNextAnswer(QString());
        QCOMPARE(FileDialogs::openFile(nullptr, QStringLiteral("a")), QStringLiteral("/x/备份.mdb"));
        QVERIFY(FileDialogs::folder(nullptr, QStringLiteral("b")).isEmpty());
    }

    void jumpFiresEachDueTimerOnce()
    {
        ClockTimer fast;
        int ticks = 0;
        connect(&fast, &ClockTimer::timeout, [&] { ++ticks; });
        fast.start(60);
        Clock::setNow(Clock::now().addSecs(qint64(7) * 3600));
        QCOMPARE(ticks, 1);
        Clock::advance(59);
        QCOMPARE(ticks, 1);
        Clock::advance(1);
        QCOMPARE(ticks, 2);
    }

    void advanceFiresTicksInTimeOrder()
    {
        ClockTimer second, third;
        QStringList order;
        connect(&second, &ClockTimer::timeout,
                [&] { order << QStringLiteral("1s@") + Clock::now().toString(QStringLiteral("ss")); });
        connect(&third, &ClockTimer::timeout,
                [&] { order << QStringLiteral("3s@") + Clock::now().toString(QStringLiteral("ss")); });
        second.start(1000);
        third.start(3000);
        Clock::advance(3500);
        QCOMPARE(order, (QStringList{QStringLiteral("1s@01"), QStringLiteral("1s@02"), QStringLiteral("1s@03"),
                                     QStringLiteral("3s@03")}));
        QCOMPARE(Clock::now(), defaultNow().addMSecs(3500));
    }

    void advanceMayBeReenteredFromATick()
    {
        ClockTimer outer, inner;
        int innerTicks = 0;
        connect(&inner, &ClockTimer::timeout, [&] { ++innerTicks; });
        connect(&outer, &ClockTimer::timeout, [&] {
            outer.stop();
            inner.start(1000);
            Clock::advance(5000); // as a test does inside a countdown's exec()
        });
        outer.start(1000);
        Clock::advance(2000);
        QCOMPARE(innerTicks, 5);
        QCOMPARE(Clock::now(), defaultNow().addSecs(6));
    }

    void singleShotTimerFiresOnce()
    {
        ClockTimer once;
        once.setSingleShot(true);
        int ticks = 0;
        connect(&once, &ClockTimer::timeout, [&] { ++ticks; });
        once.start(100);
        Clock::advance(1000);
        QCOMPARE(ticks, 1);
        QVERIFY(!once.isActive());
    }

    void openerAndRunnerRecordAndStartNothing()
    {
        QVERIFY(DesktopOpener::instance().openUrl(QUrl(QStringLiteral("https://example.invalid/?q=1"))));
        QVERIFY(DesktopOpener::instance().startProgram(QStringLiteral("/no/such/program"), {QStringLiteral("-x")}));
        QCOMPARE(DesktopOpener::recorded().size(), 2);
        QCOMPARE(DesktopOpener::recorded().at(0).target, QStringLiteral("https://example.invalid/?q=1"));
        QCOMPARE(DesktopOpener::recorded().at(1).arguments, QStringList{QStringLiteral("-x")});

        CommandRunner::setNextResult(CommandResult{true, 3, {}, QStringLiteral("refused")});
        QList<CommandResult> results;
        const auto keep = [&results](const CommandResult& result) { results << result; };
        CommandQueue::run(QStringLiteral("shutdown"), {QStringLiteral("-c")}, nullptr, keep);
        CommandQueue::run(QStringLiteral("/no/such/program"), {}, nullptr, keep);
        QCOMPARE(results.size(), 2);
        const CommandResult first = results.at(0);
        QCOMPARE(first.exitCode, 3);
        QVERIFY(results.at(1).ok());
        QCOMPARE(CommandRunner::recorded().size(), 2);
        QCOMPARE(CommandRunner::recorded().at(0).program, QStringLiteral("shutdown"));
    }

    void endRequestIsRecorded()
    {
        EndRequest::request();
        EndRequest::request();
        QCOMPARE(EndRequest::count(), 2);
    }

    void machineFactsFollowTheirOverrides()
    {
        MachineState::setOnlineOverride(true);
        QVERIFY(MachineState::isOnline());
        MachineState::setSystemTrayOverride(false);
        QVERIFY(!MachineState::isSystemTrayAvailable());
        TrayRecord::iconShown(QStringLiteral("Varnholt"));
        QVERIFY(TrayRecord::isIconShown());
        TrayRecord::iconRemoved();
        QVERIFY(!TrayRecord::isIconShown());
        QCOMPARE(TrayRecord::timesShown(), 1);
    }
};

VARNHOLT_TEST(TestSeams)
#include "tst_seams.moc"
