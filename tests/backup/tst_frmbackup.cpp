#include "backupworld.h"
#include "elidedlabel.h"
#include "fixture.h"
#include "inifile.h"

#include <QComboBox>
#include <QDateEdit>
#include <QFontMetricsF>
#include <QLabel>

#include <utility>

using namespace BackupWorld;

class TestFrmBackup : public VarnholtTestCase {
    Q_OBJECT
private slots:
    void opensWithTheStoredTime_data()
    {
        QTest::addColumn<QString>("storedHour");
        QTest::addColumn<QString>("storedMinute");
        QTest::addColumn<QString>("hour");
        QTest::addColumn<QString>("minute");
        QTest::newRow("nothing stored") << QString() << QString() << QStringLiteral("16") << QStringLiteral("55");
        QTest::newRow("stored") << QStringLiteral("9") << QStringLiteral("5") << QStringLiteral("9") << QStringLiteral("5");
        QTest::newRow("no number") << QStringLiteral("abc") << QStringLiteral("07") << QStringLiteral("abc")
                                   << QStringLiteral("07");
    }

    void opensWithTheStoredTime()
    {
        QFETCH(QString, storedHour);
        QFETCH(QString, storedMinute);
        QFETCH(QString, hour);
        QFETCH(QString, minute);
        if (!storedHour.isEmpty()) {
            QVERIFY(UserSettings::save(QStringLiteral("database"), QStringLiteral("time"), QStringLiteral("hour"), storedHour));
            QVERIFY(
                UserSettings::save(QStringLiteral("database"), QStringLiteral("time"), QStringLiteral("minute"), storedMinute));
        }
        frm_backup* form = openWindow();
        QCOMPARE(form->windowTitle(), QStringLiteral("数据恢复与备份（部分操作需管理员权限）"));
        auto* cboHour = control<QComboBox>(form, "cboHour");
        auto* cboMinute = control<QComboBox>(form, "cboMinute");
        QVERIFY(cboHour && cboMinute);
        QCOMPARE(cboHour->currentText(), hour);
        QCOMPARE(cboMinute->currentText(), minute);
        QCOMPARE(cboHour->count(), 24);
        QCOMPARE(cboHour->itemText(23), QStringLiteral("23"));
        QCOMPARE(cboMinute->count(), 60);
        QCOMPARE(cboMinute->itemText(5), QStringLiteral("5"));
        QCOMPARE(control<QDateEdit>(form, "DTPicker1")->date(), QDate(2013, 7, 26));
    }

    // "时" follows the hour box and "分" the minute box, each a few pixels
    // away, whatever the font spreads the label's blanks to.
    void theTimeUnitsStandBesideTheirBoxes()
    {
        frm_backup* form = openWindow();
        auto* cboHour = control<QComboBox>(form, "cboHour");
        auto* cboMinute = control<QComboBox>(form, "cboMinute");
        auto* units = control<QLabel>(form, "Label12");
        QVERIFY(cboHour && cboMinute && units);
        const QFontMetricsF metrics(units->font());
        const QString text = units->text();
        const qreal hourUnit = units->x();
        const qreal minuteUnit = units->x() + metrics.horizontalAdvance(text.chopped(1));
        for (const auto& [box, unit] : {std::pair{cboHour, hourUnit}, std::pair{cboMinute, minuteUnit}}) {
            const qreal gap = unit - (box->geometry().right() + 1);
            QVERIFY2(gap >= 0 && gap <= 6, qPrintable(QStringLiteral("%1: %2").arg(box->objectName()).arg(gap)));
        }
    }

    void administratorButtons_data()
    {
        QTest::addColumn<QString>("operatorName");
        QTest::addColumn<bool>("administrator");
        QTest::newRow("administrator") << QStringLiteral("管理员") << true;
        QTest::newRow("other operator") << QStringLiteral("张三") << false;
    }

    void administratorButtons()
    {
        QFETCH(QString, operatorName);
        QFETCH(bool, administrator);
        frm_backup* form = openWindow(operatorName);
        for (const char* name : {"Command5", "Command2", "ComDel", "ComDown"})
            QVERIFY2(control<QPushButton>(form, name)->isEnabled() == administrator, name);
        for (const char* name : {"Command4", "Command1", "ComCompress"})
            QVERIFY2(control<QPushButton>(form, name)->isEnabled(), name);
        QVERIFY(control<QPushButton>(form, "ComDown")->isHidden());
    }

    void showsOneWindowAtATime()
    {
        QPointer<frm_backup> first = openWindow();
        QCOMPARE(openWindow(), first.data());
        const auto windows = QApplication::topLevelWidgets();
        QCOMPARE(std::count_if(windows.begin(), windows.end(), [](QWidget* w) { return qobject_cast<frm_backup*>(w); }), 1);
        first->close();
        frm_backup* second = openWindow();
        QVERIFY(second != first.data());
        settle();
        QVERIFY(!first);
        QVERIFY(second->isVisible());
    }

    // The download names its file in the progress label: a long path is
    // shortened in its middle and the window keeps its width.
    void aLongProgressPathKeepsTheWindowsWidth()
    {
        frm_backup* form = openWindow();
        settle();
        const int width = form->width();
        const int hinted = form->sizeHint().width();
        auto* progress = control<ElidedLabel>(form, "Label1");
        const QString path = QStringLiteral("开始下载：/home/shop/") + QString(300, QLatin1Char('d'))
                             + QStringLiteral("/update.dat");
        progress->setWholeText(path);
        settle();
        QCOMPARE(form->width(), width);
        QCOMPARE(form->sizeHint().width(), hinted);
        const QString shown = progress->text();
        QVERIFY2(shown.startsWith(QStringLiteral("开始下载：")) && shown.endsWith(QStringLiteral("update.dat")),
                 qPrintable(shown));
        QVERIFY2(shown.contains(QChar(0x2026)), qPrintable(shown));
        QVERIFY(progress->fontMetrics().horizontalAdvance(shown) <= progress->contentsRect().width());
        QCOMPARE(progress->toolTip(), path);
    }
};

VARNHOLT_TEST(TestFrmBackup)
#include "tst_frmbackup.moc"
