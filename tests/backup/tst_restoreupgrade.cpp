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
// A backup of a book made before its version existed: version 0, without
// indexes added since.
bool writeOlderBackup(const QString& live, const QString& backup)
{
    if (!ImmediateBackup::copy(live, backup))
        return false;
    sqlite3* db = nullptr;
    const bool ok = sqlite3_open(backup.toUtf8().constData(), &db) == SQLITE_OK
                    && sqlite3_exec(db,
                                    "DROP INDEX ix_out_lines_customer_date; DROP INDEX ix_in_kind_no;"
                                    "INSERT INTO 商品类别 (编号, 名称) VALUES ('LB001', '饮料');"
                                    "PRAGMA user_version = 0;",
                                    nullptr, nullptr, nullptr)
                           == SQLITE_OK;
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
    void restoredOlderBookIsUpgraded_data()
    {
        QTest::addColumn<bool>("fromServer");
        QTest::addColumn<QString>("failing");
        QTest::addColumn<QString>("told");
        QTest::addColumn<int>("version");
        QTest::addColumn<QStringList>("indexes");
        const QStringList both{QStringLiteral("ix_in_kind_no"), QStringLiteral("ix_out_lines_customer_date")};
        const QString fails = QStringLiteral("CREATE INDEX ix_out_lines_customer_date");
        const QString reason = QStringLiteral("数据库升级失败：Error 13: database or disk is full");
        const QString done = QStringLiteral("成功恢复数据！");
        const int current = SchemaUpgrade::currentVersion();
        QTest::newRow("from a file") << false << QString() << done << current << both;
        QTest::newRow("from the server") << true << QString() << done << current << both;
        QTest::newRow("from a file, the upgrade fails") << false << fails << reason << 0 << QStringList();
        QTest::newRow("from the server, the upgrade fails") << true << fails << reason << 0 << QStringList();
    }

    void restoredOlderBookIsUpgraded()
    {
        QFETCH(bool, fromServer);
        QFETCH(QString, failing);
        QFETCH(QString, told);
        QFETCH(int, version);
        QFETCH(QStringList, indexes);
        const QString backup = makeBackupFolder() + QStringLiteral("/2024-03-01-1200.mdb");
        QVERIFY(writeOlderBackup(dbPath(), backup));
        Database::setFailureHook([failing](const QString& sql) -> std::optional<DbError> {
            if (!failing.isEmpty() && sql.startsWith(failing))
                return DbError{SQLITE_FULL, QStringLiteral("database or disk is full")};
            return std::nullopt;
        });

        MessageBox::setNextAnswer(QMessageBox::Ok);
        if (fromServer)
            restoreFromServer(backup);
        else
            restoreFromFile(backup);
        Database::setFailureHook({});

        QCOMPARE(MessageBox::shownTexts(), QStringList{told});
        QCOMPARE(categories(), QStringList{QStringLiteral("饮料")});
        QCOMPARE(rowsOf(QStringLiteral("PRAGMA user_version")).value(0).value(0).toInt(), version);
        QCOMPARE(addedIndexes(), indexes);
    }
};

VARNHOLT_TEST(TestRestoreUpgrade)
#include "tst_restoreupgrade.moc"
