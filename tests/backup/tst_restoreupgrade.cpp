#include "backuptime.h"
#include "backupworld.h"
#include "filedialogs.h"
#include "fixture.h"
#include "immediatebackup.h"
#include "messagebox.h"
#include "netservers.h"
#include "networld.h"
#include "schemaupgrade.h"
#include "zipfile.h"

#include <sqlite3.h>

using namespace BackupWorld;
using namespace NetWorld;

namespace {
// A backup of a book with a category the live one lacks, at the given version:
// 0 lacks two indexes added since; one above the program's was made by a
// newer program.
bool writeBackupOfVersion(const QString& live, const QString& backup, int version)
{
    if (!ImmediateBackup::copy(live, backup))
        return false;
    sqlite3* db = nullptr;
    const QByteArray older = version == 0 ? "DROP INDEX ix_out_lines_customer_date; DROP INDEX ix_in_kind_no;" : "";
    const QByteArray sql = older + "INSERT INTO 商品类别 (编号, 名称) VALUES ('LB001', '饮料');PRAGMA user_version = "
                           + QByteArray::number(version) + ';';
    const bool ok = sqlite3_open(backup.toUtf8().constData(), &db) == SQLITE_OK
                    && sqlite3_exec(db, sql.constData(), nullptr, nullptr, nullptr) == SQLITE_OK;
    sqlite3_close(db);
    return ok;
}

// Which of the two indexes the older backup lacks the live book holds.
QStringList addedIndexes()
{
    QStringList names;
    for (const QVariantList& row : rowsOf(QStringLiteral("select name from sqlite_master where type = 'index' and name in "
                                                         "('ix_out_lines_customer_date', 'ix_in_kind_no') order by name")))
        names << row.value(0).toString();
    return names;
}

int bookVersion() { return rowsOf(QStringLiteral("PRAGMA user_version")).value(0).value(0).toInt(); }

// Fails the statement that starts so with the given error, once armed.
void failStatement(const QString& start, const DbError& error)
{
    Database::setFailureHook([start, error](const QString& sql) -> std::optional<DbError> {
        if (!start.isEmpty() && sql.startsWith(start))
            return error;
        return std::nullopt;
    });
}

QList<QWidget*> upgradeWindows()
{
    QList<QWidget*> shown;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->objectName() == QLatin1String("LongWorkProgress") && window->isVisible())
            shown << window;
    }
    return shown;
}
}

class TestRestoreUpgrade : public VarnholtTestCase {
    Q_OBJECT

    void restoreFromFile(const QString& backup)
    {
        frm_backup* form = openWindow();
        FileDialogs::setNextAnswer(backup);
        click(form, "Command1");
        click(form, "Command5");
    }

    // The backup zipped on the server, fetched by the hidden network restore.
    void restoreFromServer(const QString& backup)
    {
        const QString served = tempFolder() + QStringLiteral("/www/") + remotePath;
        QVERIFY(QDir().mkpath(QFileInfo(served).path()));
        QVERIFY(ZipFile::write(served, {{"db_kcgl.mdb", bytesOf(backup)}}));
        NetServers::BusyboxHttpd server(tempFolder() + QStringLiteral("/www"));
        QVERIFY(server.isRunning());
        QVERIFY(runFromUsbStick(appPath()));
        QVERIFY(setServer("http", server.host()));
        click(openWindow(), "ComDown");
    }

private slots:
    // The copy is checked and brought up to date beside the books; only a
    // copy that got there takes their place. Otherwise the books stay whole
    // and the reason follows "数据恢复失败！".
    void restoredBookIsUpgradedBeforeItTakesThePlace_data()
    {
        QTest::addColumn<bool>("fromServer");
        QTest::addColumn<int>("version");
        QTest::addColumn<QString>("failing");
        QTest::addColumn<int>("errorCode");
        QTest::addColumn<QString>("told");
        const QString fails = QStringLiteral("CREATE INDEX ix_out_lines_customer_date");
        const QString done = QStringLiteral("成功恢复数据！");
        const QString noSpace = QStringLiteral("数据恢复失败！\n磁盘空间不足");
        const QString broken = QStringLiteral(
            "数据恢复失败！\n数据库升级失败：数据库与本程序不符（Error 1: no such column: 编号）");
        const QString readOnly = QStringLiteral(
            "数据恢复失败！\n数据库升级失败：文件只读（Error 8: attempt to write a readonly database）");
        const QString newer = QStringLiteral("数据恢复失败！\n备份文件来自较新版本的程序（数据库版本 99，本程序只认识到版本 %1）")
                                  .arg(SchemaUpgrade::currentVersion());
        for (const bool fromServer : {false, true}) {
            const char* where = fromServer ? "from the server" : "from a file";
            QTest::addRow("%s", where) << fromServer << 0 << QString() << 0 << done;
            QTest::addRow("%s, no room for the upgrade", where) << fromServer << 0 << fails << SQLITE_FULL << noSpace;
            QTest::addRow("%s, the upgrade fails", where) << fromServer << 0 << fails << SQLITE_ERROR << broken;
            QTest::addRow("%s, the upgrade meets a read-only file", where)
                << fromServer << 0 << fails << SQLITE_READONLY << readOnly;
            QTest::addRow("%s, made by a newer program", where) << fromServer << 99 << QString() << 0 << newer;
        }
    }

    void restoredBookIsUpgradedBeforeItTakesThePlace()
    {
        QFETCH(bool, fromServer);
        QFETCH(int, version);
        QFETCH(QString, failing);
        QFETCH(int, errorCode);
        QFETCH(QString, told);
        const QString backup = makeBackupFolder() + QStringLiteral("/2024-03-01-1200.mdb");
        QVERIFY(writeBackupOfVersion(dbPath(), backup, version));
        const QByteArray before = bytesOf(dbPath());
        const QHash<int, QString> engineTexts{{SQLITE_FULL, QStringLiteral("database or disk is full")},
                                              {SQLITE_READONLY, QStringLiteral("attempt to write a readonly database")},
                                              {SQLITE_ERROR, QStringLiteral("no such column: 编号")}};
        failStatement(failing, DbError{errorCode, engineTexts.value(errorCode)});

        MessageBox::setNextAnswer(QMessageBox::Ok);
        if (fromServer)
            restoreFromServer(backup);
        else
            restoreFromFile(backup);
        Database::setFailureHook({});

        QCOMPARE(MessageBox::shownTexts(), QStringList{told});
        const bool restored = told == QStringLiteral("成功恢复数据！");
        QCOMPARE(categories(), restored ? QStringList{QStringLiteral("饮料")} : QStringList());
        if (!restored)
            QCOMPARE(bytesOf(dbPath()), before);
        QCOMPARE(bookVersion(), SchemaUpgrade::currentVersion());
        QCOMPARE(addedIndexes(), (QStringList{QStringLiteral("ix_in_kind_no"), QStringLiteral("ix_out_lines_customer_date")}));
        QVERIFY(!QFile::exists(appPath() + QStringLiteral("/db_kcgl_temp.mdb")));
        QVERIFY(QDir(appPath()).entryList({QStringLiteral(".restore-*")}, QDir::AllEntries | QDir::Hidden).isEmpty());
    }

    // A backup on a CD or a read-only share: its work copy is the owner's and
    // writable as it is made, so the upgrade can write it. Tests run as root,
    // which a mode stops from nothing: the mode is read as the copy is opened.
    void aReadOnlyOldBackupIsBroughtUpToDate()
    {
        const QString backup = makeBackupFolder() + QStringLiteral("/2024-03-01-1200.mdb");
        QVERIFY(writeBackupOfVersion(dbPath(), backup, 0));
        QVERIFY(QFile::setPermissions(backup, QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther));
        const QString work = appPath() + QStringLiteral("/db_kcgl_temp.mdb");
        const QFileDevice::Permissions modeBits = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner
                                                  | QFileDevice::ReadGroup | QFileDevice::WriteGroup | QFileDevice::ExeGroup
                                                  | QFileDevice::ReadOther | QFileDevice::WriteOther | QFileDevice::ExeOther;
        std::optional<QFileDevice::Permissions> copyMode;
        Database::setFailureHook([&](const QString&) -> std::optional<DbError> {
            if (!copyMode && QFileInfo::exists(work))
                copyMode = QFileInfo(work).permissions() & modeBits;
            return std::nullopt;
        });
        MessageBox::setNextAnswer(QMessageBox::Ok);
        restoreFromFile(backup);
        Database::setFailureHook({});
        QCOMPARE(MessageBox::shownTexts(), QStringList{QStringLiteral("成功恢复数据！")});
        QVERIFY(copyMode);
        QCOMPARE(*copyMode, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        QCOMPARE(categories(), QStringList{QStringLiteral("饮料")});
        QCOMPARE(bookVersion(), SchemaUpgrade::currentVersion());
    }

    // An upgrade that takes long: the daily minute comes and goes inside it,
    // and the backup window is closed meanwhile, as the countdown would
    // close it. The countdown never opens inside the upgrade, the progress
    // window belongs to no form, and the restore ends whole.
    void nothingElseRunsInsideTheUpgrade()
    {
        makeBackupFolder();
        const QString backup = BackupFiles::folder() + QStringLiteral("/2024-03-01-1200.mdb");
        QVERIFY(writeBackupOfVersion(dbPath(), backup, 0));
        BackupTime::arm(appState().backupTrigger, {QStringLiteral("9"), QStringLiteral("5")});
        Clock::setNow(QDateTime(QDate(2024, 3, 5), QTime(9, 4, 30)));
        const auto tray = trayCheck();
        QPointer<frm_backup> form = openWindow();
        QList<QWidget*> progressParents;
        bool busyInside = false;
        Database::setFailureHook([&](const QString& sql) -> std::optional<DbError> {
            if (sql.startsWith(QStringLiteral("BEGIN IMMEDIATE")) && !busyInside) {
                busyInside = appState().isBusy();
                Clock::advance(120000); // past 09:05, a second at a time
            } else if (sql.startsWith(QStringLiteral("PRAGMA user_version ="))) {
                for (QWidget* window : upgradeWindows())
                    progressParents << window->parentWidget();
                if (form)
                    form->close();
                settle();
            }
            return std::nullopt;
        });

        MessageBox::setNextAnswer(QMessageBox::Ok);
        const int opened = countdownsOpenedBy([&] {
            FileDialogs::setNextAnswer(backup);
            click(form, "Command1");
            click(form, "Command5");
        });
        Database::setFailureHook({});

        QVERIFY(busyInside);
        QCOMPARE(opened, 0);
        QCOMPARE(progressParents, QList<QWidget*>{nullptr});
        QVERIFY(upgradeWindows().isEmpty());
        QCOMPARE(MessageBox::shownTexts(), QStringList{QStringLiteral("成功恢复数据！")});
        QCOMPARE(backupFiles(), QStringList{QStringLiteral("2024-03-01-1200.mdb")});
        QCOMPARE(categories(), QStringList{QStringLiteral("饮料")});
        QCOMPARE(bookVersion(), SchemaUpgrade::currentVersion());
        QVERIFY(!appState().isBusy());
        settle();
        QVERIFY(!form);
        // The minute passed inside the upgrade: no countdown after it either.
        QCOMPARE(countdownsOpenedBy([] { Clock::advance(5000); }), 0);
    }
};

VARNHOLT_TEST(TestRestoreUpgrade)
#include "tst_restoreupgrade.moc"
