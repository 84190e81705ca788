#include "backupworld.h"
#include "clock.h"
#include "fixture.h"
#include "messagebox.h"

#include <QFileInfo>

using namespace BackupWorld;

class TestImmediateBackup : public VarnholtTestCase {
    Q_OBJECT
private slots:
    void backupFileIsNamedByDateAndMinute_data()
    {
        QTest::addColumn<QDateTime>("moment");
        QTest::addColumn<QString>("name");
        QTest::newRow("morning") << QDateTime(QDate(2024, 3, 5), QTime(9, 5, 59)) << QStringLiteral("2024-03-05-0905.mdb");
        QTest::newRow("late evening") << QDateTime(QDate(2024, 12, 31), QTime(23, 59)) << QStringLiteral("2024-12-31-2359.mdb");
        QTest::newRow("midnight") << QDateTime(QDate(2025, 1, 1), QTime(0, 0)) << QStringLiteral("2025-01-01-0000.mdb");
    }

    void backupFileIsNamedByDateAndMinute()
    {
        QFETCH(QDateTime, moment);
        QFETCH(QString, name);
        QCOMPARE(BackupFiles::fileName(moment), name);
        QCOMPARE(BackupFiles::pathFor(moment), homeFolder() + QStringLiteral("/Morvane数据备份/") + name);
    }

    void backupButtonCopiesTheDatabaseOncePerMinute()
    {
        makeBackupFolder();
        Clock::setNow(QDateTime(QDate(2024, 3, 5), QTime(9, 5)));
        frm_backup* form = openWindow(QStringLiteral("张三"));
        const QByteArray before = bytesOf(dbPath());

        MessageBox::setNextAnswer(QMessageBox::Ok);
        click(form, "Command4");
        const QString backup = homeFolder() + QStringLiteral("/Morvane数据备份/2024-03-05-0905.mdb");
        QCOMPARE(MessageBox::shownTexts(), QStringList{QStringLiteral("成功备份数据")});
        QCOMPARE(bytesOf(backup), before);
        QCOMPARE(QFileInfo(backup).permissions() & (QFileDevice::ReadGroup | QFileDevice::ReadOther), QFileDevice::Permissions());

        // Later in the same minute, with the books changed: the first copy stays.
        QVERIFY(exec(QStringLiteral("insert into 商品类别 (编号, 名称) values ('LB001', '饮料')")));
        Clock::setNow(QDateTime(QDate(2024, 3, 5), QTime(9, 5, 40)));
        MessageBox::setNextAnswer(QMessageBox::Ok);
        click(form, "Command4");
        QCOMPARE(MessageBox::shownTexts().last(), QStringLiteral("成功备份数据"));
        QCOMPARE(bytesOf(backup), before);
        QCOMPARE(backupFiles(), QStringList{QStringLiteral("2024-03-05-0905.mdb")});
        QVERIFY(form->isVisible());
    }

    // The copy reaches the disk under a name of its own before it takes the
    // backup's name, and the folder holding that name after.
    void theBackupIsOnDiskBeforeAndAfterItTakesItsName()
    {
        const QString folder = makeBackupFolder();
        Clock::setNow(QDateTime(QDate(2024, 3, 5), QTime(9, 5)));
        const QString backup = folder + QStringLiteral("/2024-03-05-0905.mdb");
        const SyncLog syncs([backup] { return QFile::exists(backup) ? QStringLiteral("named") : QStringLiteral("unnamed"); });
        frm_backup* form = openWindow();
        MessageBox::setNextAnswer(QMessageBox::Ok);
        click(form, "Command4");
        QCOMPARE(MessageBox::shownTexts(), QStringList{QStringLiteral("成功备份数据")});
        const QStringList calls = syncs.calls();
        QCOMPARE(calls.size(), 2);
        QVERIFY2(calls[0].startsWith(QStringLiteral("file ") + backup + QLatin1Char('.')), qPrintable(calls[0]));
        QVERIFY2(calls[0].endsWith(QStringLiteral(" unnamed")), qPrintable(calls[0]));
        QCOMPARE(calls[1], QStringLiteral("folder ") + folder + QStringLiteral(" named"));
        QCOMPARE(backupFiles(), QStringList{QStringLiteral("2024-03-05-0905.mdb")});
    }

    void backupFailsWithoutItsFolder_data()
    {
        QTest::addColumn<bool>("fileInTheWay");
        QTest::newRow("folder missing") << false;
        QTest::newRow("a file where the folder should be") << true;
    }

    void backupFailsWithoutItsFolder()
    {
        QFETCH(bool, fileInTheWay);
        if (fileInTheWay) {
            QFile blocker(BackupFiles::folder());
            QVERIFY(blocker.open(QIODevice::WriteOnly));
        }
        frm_backup* form = openWindow();
        MessageBox::setNextAnswer(QMessageBox::Ok);
        click(form, "Command4");
        QCOMPARE(MessageBox::shownTexts(), QStringList{QStringLiteral("数据备份失败，请重新登陆后重试！")});
        QCOMPARE(QFileInfo(BackupFiles::folder()).isFile(), fileInTheWay);
        QVERIFY(QDir(tempFolder()).isEmpty());
    }

    void backupFromOutsideClosesTheOpenWindow()
    {
        makeBackupFolder();
        MessageBox::setNextAnswer(QMessageBox::Ok);
        frm_backup::backUpAndClose(nullptr);
        QCOMPARE(backupFiles(), QStringList{QStringLiteral("2024-03-05-0900.mdb")});

        QPointer<frm_backup> form = openWindow();
        Clock::setNow(QDateTime(QDate(2024, 3, 5), QTime(9, 1)));
        MessageBox::setNextAnswer(QMessageBox::Ok);
        frm_backup::backUpAndClose(nullptr);
        settle();
        QVERIFY(!form);
        QCOMPARE(MessageBox::shownTexts(), (QStringList{QStringLiteral("成功备份数据"), QStringLiteral("成功备份数据")}));
        QCOMPARE(backupFiles(), (QStringList{QStringLiteral("2024-03-05-0900.mdb"), QStringLiteral("2024-03-05-0901.mdb")}));
        QVERIFY(openWindow() != nullptr);
    }
};

VARNHOLT_TEST(TestImmediateBackup)
#include "tst_immediatebackup.moc"
