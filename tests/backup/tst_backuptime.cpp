#include "backuptime.h"
#include "backupworld.h"
#include "clock.h"
#include "fixture.h"
#include "inifile.h"
#include "messagebox.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

using namespace BackupWorld;

namespace {
void typeInto(QComboBox* box, const QString& text)
{
    box->lineEdit()->selectAll();
    QTest::keyClick(box->lineEdit(), Qt::Key_Delete);
    QTest::keyClicks(box->lineEdit(), text);
}

QString storedTime(const char* key)
{
    return UserSettings::get(QStringLiteral("database"), QStringLiteral("time"), QLatin1String(key));
}

QDateTime at(int hour, int minute, int second = 0) { return QDateTime(QDate(2024, 3, 5), QTime(hour, minute, second)); }
}

class TestBackupTime : public VarnholtTestCase {
    Q_OBJECT
private slots:
    void settingTheTimeStoresAndArmsIt_data()
    {
        QTest::addColumn<QString>("hour");
        QTest::addColumn<QString>("minute");
        QTest::addColumn<int>("triggerHour");
        QTest::addColumn<int>("triggerMinute");
        QTest::newRow("9 and 5") << QStringLiteral("9") << QStringLiteral("5") << 9 << 5;
        QTest::newRow("leading zero") << QStringLiteral("08") << QStringLiteral("30") << 8 << 30;
        QTest::newRow("no number") << QStringLiteral("abc") << QStringLiteral("5") << 0 << 5;
    }

    void settingTheTimeStoresAndArmsIt()
    {
        QFETCH(QString, hour);
        QFETCH(QString, minute);
        QFETCH(int, triggerHour);
        QFETCH(int, triggerMinute);
        frm_backup* form = openWindow();
        typeInto(control<QComboBox>(form, "cboHour"), hour);
        typeInto(control<QComboBox>(form, "cboMinute"), minute);
        MessageBox::setNextAnswer(QMessageBox::Ok);
        click(form, "Command2");
        QCOMPARE(MessageBox::shownTexts(), QStringList{QStringLiteral("每天自动备份时间是") + hour + QStringLiteral("时") + minute
                                                       + QStringLiteral("分,更换电脑需重新设置!")});
        QCOMPARE(storedTime("hour"), hour);
        QCOMPARE(storedTime("minute"), minute);
        const BackupTrigger& trigger = appState().backupTrigger;
        QVERIFY(trigger.armed);
        QCOMPARE(trigger.hour, triggerHour);
        QCOMPARE(trigger.minute, triggerMinute);
        QVERIFY(form->isVisible());
    }

    void aTimeNotSavedIsNeitherToldNorArmed()
    {
        frm_backup* form = openWindow();
        typeInto(control<QComboBox>(form, "cboHour"), QStringLiteral("9"));
        typeInto(control<QComboBox>(form, "cboMinute"), QStringLiteral("5"));
        IniFile::setWriteFailure(QStringLiteral("No space left on device"));
        MessageBox::setNextAnswer(QMessageBox::Ok);
        click(form, "Command2");
        QCOMPARE(MessageBox::shownTexts().size(), 1);
        QVERIFY(MessageBox::shownTexts().first().startsWith(QStringLiteral("设置未能保存：")));
        QVERIFY(!appState().backupTrigger.armed);
        QCOMPARE(storedTime("hour"), QString());
    }

    // The hour and the minute are one rewrite: never a new hour with the old minute.
    void aTimeSavedHalfWayKeepsTheOldTime()
    {
        QVERIFY(UserSettings::save(QStringLiteral("database"),
                                   {{QStringLiteral("time"), QStringLiteral("hour"), QStringLiteral("16")},
                                    {QStringLiteral("time"), QStringLiteral("minute"), QStringLiteral("55")}}));
        frm_backup* form = openWindow();
        typeInto(control<QComboBox>(form, "cboHour"), QStringLiteral("9"));
        typeInto(control<QComboBox>(form, "cboMinute"), QStringLiteral("5"));
        IniFile::setWriteFailure(QStringLiteral("No space left on device"), QStringLiteral("time"), QStringLiteral("minute"));
        MessageBox::setNextAnswer(QMessageBox::Ok);
        click(form, "Command2");
        QCOMPARE(MessageBox::shownTexts(),
                 QStringList{QStringLiteral("设置未能保存：") + UserSettings::filePath(QStringLiteral("database"))
                             + QStringLiteral("\nNo space left on device")});
        QCOMPARE(storedTime("hour"), QStringLiteral("16"));
        QCOMPARE(storedTime("minute"), QStringLiteral("55"));
        QVERIFY(!appState().backupTrigger.armed);
    }

    void countdownOpensAtTheSetTime()
    {
        const auto tray = trayCheck();
        frm_backup* form = openWindow();
        typeInto(control<QComboBox>(form, "cboHour"), QStringLiteral("9"));
        typeInto(control<QComboBox>(form, "cboMinute"), QStringLiteral("5"));
        MessageBox::setNextAnswer(QMessageBox::Ok);
        click(form, "Command2");
        QCOMPARE(MessageBox::shownTexts(), QStringList{QStringLiteral("每天自动备份时间是9时5分,更换电脑需重新设置!")});

        QCOMPARE(countdownsOpenedBy([] { Clock::setNow(at(9, 4, 59)); }), 0);
        QString seconds;
        QCOMPARE(countdownsOpenedBy([] { Clock::setNow(at(9, 5)); },
                                    [&](frm_backup2* countdown) { seconds = control<QLabel>(countdown, "Label1")->text(); }),
                 1);
        QCOMPARE(seconds, QStringLiteral("60"));
    }

    void withNothingStoredTheTrayWaitsForFiveToFive()
    {
        const auto tray = trayCheck();
        BackupTime::arm(appState().backupTrigger, BackupTime::storedOrDefault());
        QCOMPARE(countdownsOpenedBy([] { Clock::setNow(at(16, 54, 59)); }), 0);
        QCOMPARE(countdownsOpenedBy([] { Clock::setNow(at(16, 55)); }), 1);
    }
};

VARNHOLT_TEST(TestBackupTime)
#include "tst_backuptime.moc"
