#include "backuptime.h"
#include "backupworld.h"
#include "clock.h"
#include "fixture.h"
#include "messagebox.h"

#include <QLabel>

using namespace BackupWorld;

namespace {
QDateTime at(int hour, int minute, int second = 0, int day = 5)
{
    return QDateTime(QDate(2024, 3, day), QTime(hour, minute, second));
}

int openCountdowns()
{
    const auto windows = QApplication::topLevelWidgets();
    return int(std::count_if(windows.begin(), windows.end(),
                             [](QWidget* w) { return qobject_cast<frm_backup2*>(w) && w->isVisible(); }));
}

// The countdown as the tray opens it: armed for 09:05, the tray checking
// once a second, the backup folder in place.
std::unique_ptr<ClockTimer> trayArmedForFivePastNine()
{
    makeBackupFolder();
    BackupTime::arm(appState().backupTrigger, {QStringLiteral("9"), QStringLiteral("5")});
    return trayCheck();
}
}

class TestCountdown : public VarnholtTestCase {
    Q_OBJECT
private slots:
    void runningToZeroBacksUpOnce()
    {
        const auto tray = trayArmedForFivePastNine();
        QPointer<frm_backup> form = openWindow();
        const int opened = countdownsOpenedBy(
            [] { Clock::setNow(at(9, 5)); },
            [](frm_backup2* countdown) {
                QCOMPARE(countdown->windowTitle(), QStringLiteral("定时备份"));
                QCOMPARE(control<QLabel>(countdown, "Label3")->text(), QStringLiteral("定时备份倒计时"));
                QCOMPARE(control<QLabel>(countdown, "Label1")->text(), QStringLiteral("60"));
                QCOMPARE(control<QLabel>(countdown, "Label2")->text(), QStringLiteral("秒后开始备份数据。。。"));
                QCOMPARE(control<QPushButton>(countdown, "Command1")->text(), QStringLiteral("马上备份"));
                QCOMPARE(control<QPushButton>(countdown, "Command2")->text(), QStringLiteral("取消备份"));
                Clock::advance(1000);
                QCOMPARE(control<QLabel>(countdown, "Label1")->text(), QStringLiteral("59"));
                Clock::advance(58000);
                QCOMPARE(control<QLabel>(countdown, "Label1")->text(), QStringLiteral("1"));
                QVERIFY(backupFiles().isEmpty());
                MessageBox::setNextAnswer(QMessageBox::Ok);
                Clock::advance(1000);
                QVERIFY(!countdown->isVisible());
            });
        QCOMPARE(opened, 1);
        QCOMPARE(backupFiles(), QStringList{QStringLiteral("2024-03-05-0906.mdb")});
        QCOMPARE(MessageBox::shownTexts(), QStringList{QStringLiteral("成功备份数据")});
        QVERIFY(!appState().backupTrigger.armed);
        settle();
        QVERIFY(!form);
        QCOMPARE(countdownsOpenedBy([] { Clock::setNow(at(9, 5, 0, 6)); }), 0);
    }

    void everyEndDisarms_data()
    {
        QTest::addColumn<QString>("end");
        QTest::addColumn<QStringList>("files");
        QTest::newRow("马上备份") << QStringLiteral("Command1") << QStringList{QStringLiteral("2024-03-05-0905.mdb")};
        QTest::newRow("取消备份") << QStringLiteral("Command2") << QStringList{};
        QTest::newRow("window closed") << QString() << QStringList{};
    }

    void everyEndDisarms()
    {
        const auto tray = trayArmedForFivePastNine();
        QFETCH(QString, end);
        QFETCH(QStringList, files);
        QPointer<frm_backup> form = openWindow();
        if (!files.isEmpty())
            MessageBox::setNextAnswer(QMessageBox::Ok);
        const int opened = countdownsOpenedBy([] { Clock::setNow(at(9, 5)); },
                                              [&](frm_backup2* countdown) {
                                                  if (end.isEmpty())
                                                      countdown->close();
                                                  else
                                                      click(countdown, end.toLatin1().constData());
                                                  QVERIFY(!countdown->isVisible());
                                              });
        QCOMPARE(opened, 1);
        QCOMPARE(backupFiles(), files);
        QVERIFY(!appState().backupTrigger.armed);
        settle();
        QCOMPARE(form.isNull(), !files.isEmpty());
        QCOMPARE(countdownsOpenedBy([] { Clock::advance(30000); }), 0);
    }

    void neverOpensTwiceAtOnce()
    {
        const auto tray = trayArmedForFivePastNine();
        int openDuring = 0;
        const int opened = countdownsOpenedBy([] { Clock::setNow(at(9, 5)); },
                                              [&](frm_backup2*) {
                                                  Clock::advance(5000);
                                                  openDuring = openCountdowns();
                                              });
        QCOMPARE(opened, 1);
        QCOMPARE(openDuring, 1);
    }
};

VARNHOLT_TEST(TestCountdown)
#include "tst_countdown.moc"
