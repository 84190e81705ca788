#include "../backup/backupworld.h"
#include "dbsession.h"
#include "fixture.h"
#include "instancelock.h"
#include "messagebox.h"
#include "schemaupgrade.h"
#include "startvarnholt.h"
#include "uidriver.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <sqlite3.h>

using namespace UiDriver;

namespace {
// The live book taken back to version 0, without an index added since.
bool makeOlder(const QString& path)
{
    sqlite3* db = nullptr;
    const bool ok = sqlite3_open(path.toUtf8().constData(), &db) == SQLITE_OK
                    && sqlite3_exec(db, "DROP INDEX ix_out_lines_customer_date; PRAGMA user_version = 0;", nullptr, nullptr,
                                    nullptr)
                           == SQLITE_OK;
    sqlite3_close(db);
    return ok;
}

QVariant firstValue(const QString& sql)
{
    auto conn = Database::open();
    auto rows = conn ? conn->query(sql) : DbResult<Rows>(conn.error());
    return rows && !rows->isEmpty() ? rows->value(0, 0) : QVariant();
}
}

class TestStartUpgrade : public VarnholtTestCase {
    Q_OBJECT
private slots:
    void olderBookIsUpgradedBeforeTheLogin()
    {
        QVERIFY(makeOlder(dbPath()));
        const StartupResult result = startVarnholt();
        QVERIFY(result.runEventLoop);
        QVERIFY(MessageBox::shown().isEmpty());
        QVERIFY(window(QStringLiteral("frm_xtdl")));
        QCOMPARE(firstValue(QStringLiteral("PRAGMA user_version")).toInt(), SchemaUpgrade::currentVersion());
        QCOMPARE(
            firstValue(QStringLiteral("select count(*) from sqlite_master where name = 'ix_out_lines_customer_date'")).toInt(),
            1);
    }

    // An unpacking that a kill cut off leaves its hidden work folder; the next start removes it.
    void leftoverUnpackingGoesAtStart()
    {
        const QString leftover = appPath() + QStringLiteral("/.restore-a1B2c3");
        QVERIFY(QDir().mkpath(leftover + QStringLiteral("/data")));
        QFile books(leftover + QStringLiteral("/db_kcgl.mdb"));
        QVERIFY(books.open(QIODevice::WriteOnly));
        books.write(QByteArray(4096, 'x'));
        books.close();
        QVERIFY(startVarnholt().runEventLoop);
        QVERIFY(window(QStringLiteral("frm_xtdl")));
        QVERIFY(!QFileInfo::exists(leftover));
        QVERIFY(QFileInfo(dbPath()).isFile());
    }

    // The work file of a restore or compaction cut off, with its journals,
    // goes at start, but only from the copy holding the instance lock: a
    // second copy must not delete a running copy's work.
    void leftoverWorkFilesGoOnlyOnceTheLockIsHeld_data()
    {
        QTest::addColumn<bool>("anotherCopyRuns");
        QTest::newRow("the only copy") << false;
        QTest::newRow("a second copy") << true;
    }

    void leftoverWorkFilesGoOnlyOnceTheLockIsHeld()
    {
        QFETCH(bool, anotherCopyRuns);
        const QString work = appPath() + QStringLiteral("/db_kcgl_temp.mdb");
        QVERIFY(BackupWorld::leaveWorkFiles(work, tempFolder() + QStringLiteral("/other.mdb")));
        InstanceLock firstCopy(QStringLiteral("Varnholt"));
        if (anotherCopyRuns) {
            QVERIFY(firstCopy.acquire());
            MessageBox::setNextAnswer(QMessageBox::Ok);
        }
        QCOMPARE(startVarnholt().runEventLoop, !anotherCopyRuns);
        for (const char* suffix : {"", "-journal", "-wal", "-shm"})
            QCOMPARE(QFile::exists(work + QLatin1String(suffix)), anotherCopyRuns);
        QVERIFY(QFileInfo(dbPath()).isFile());
    }

    void secondCopyLeavesTheBookToTheFirst()
    {
        QVERIFY(makeOlder(dbPath()));
        InstanceLock firstCopy(QStringLiteral("Varnholt"));
        QVERIFY(firstCopy.acquire());
        MessageBox::setNextAnswer(QMessageBox::Ok);
        QVERIFY(!startVarnholt().runEventLoop);
        QCOMPARE(MessageBox::shownTexts(), QStringList{QStringLiteral("程序已经运行，请查看右下角图标！")});
        QCOMPARE(firstValue(QStringLiteral("PRAGMA user_version")).toInt(), 0);
    }

    void failedUpgradeIsToldAndEndsTheStart()
    {
        QVERIFY(makeOlder(dbPath()));
        Database::setFailureHook([](const QString& sql) -> std::optional<DbError> {
            if (sql.startsWith(QStringLiteral("CREATE INDEX")))
                return DbError{SQLITE_FULL, QStringLiteral("database or disk is full")};
            return std::nullopt;
        });
        MessageBox::setNextAnswer(QMessageBox::Ok);
        const StartupResult result = startVarnholt();
        Database::setFailureHook({});
        QVERIFY(!result.runEventLoop);
        QCOMPARE(result.exitCode, 1);
        QCOMPARE(MessageBox::shownTexts(),
                 QStringList{QStringLiteral("数据库升级失败：磁盘空间不足（Error 13: database or disk is full）")});
        QVERIFY(!window(QStringLiteral("frm_xtdl")));
        QCOMPARE(firstValue(QStringLiteral("PRAGMA user_version")).toInt(), 0);
    }
};

VARNHOLT_TEST(TestStartUpgrade)
#include "tst_startupgrade.moc"
