#include "backupworld.h"
#include "filedialogs.h"
#include "fixture.h"
#include "immediatebackup.h"
#include "messagebox.h"
#include "netservers.h"
#include "networkbackup.h"
#include "networld.h"

#include <QDir>
#include <QFileInfo>
#include <cstdio>
#include <cstdlib>
#include <sqlite3.h>
#include <sys/mount.h>

using namespace BackupWorld;
using namespace NetWorld;

namespace {
// A disk of its own of the given size, unmounted again at the end of the scope.
struct SmallDisk {
    SmallDisk(const QString& folder, qint64 bytes)
        : path(QFile::encodeName(folder))
    {
        const QByteArray size = "size=" + QByteArray::number((bytes + 4095) / 4096 * 4096);
        mounted = QDir().mkpath(folder) && ::mount("tmpfs", path.constData(), "tmpfs", 0, size.constData()) == 0;
        if (!mounted) {
            std::perror("cannot mount a tmpfs; skipping");
            std::exit(SkipCode);
        }
    }
    ~SmallDisk()
    {
        if (mounted)
            ::umount(path.constData());
    }
    SmallDisk(const SmallDisk&) = delete;
    SmallDisk& operator=(const SmallDisk&) = delete;

    // What CTest counts as a skip for this case.
    static constexpr int SkipCode = 77;
    QByteArray path;
    bool mounted = false;
};

// A backup from before two indexes, holding enough sales lines that making
// them takes room; compacted, so no free page is left to make them in.
bool writeOlderBackupWithLines(const QString& live, const QString& backup)
{
    if (!ImmediateBackup::copy(live, backup))
        return false;
    sqlite3* db = nullptr;
    const bool ok =
        sqlite3_open(backup.toUtf8().constData(), &db) == SQLITE_OK
        && sqlite3_exec(db,
                        "WITH RECURSIVE n(i) AS (SELECT 0 UNION ALL SELECT i + 1 FROM n WHERE i < 2999) "
                        "INSERT INTO 出库单明细 (单号, 日期, 年月, 商品名称, 类别, 客户, 业务员, 金额, 利润金额, 数量, 类别2) "
                        "SELECT printf('C%07d', i), '2024-02-10', '2024-02', '可乐', '饮料', printf('客户%05d', i), "
                        "'小李', 3, 1, 1, '出库' FROM n;"
                        "INSERT INTO 商品类别 (编号, 名称) VALUES ('LB001', '饮料');"
                        "DROP INDEX ix_out_lines_customer_date; DROP INDEX ix_in_kind_no;"
                        "PRAGMA user_version = 0; VACUUM;",
                        nullptr, nullptr, nullptr)
               == SQLITE_OK;
    sqlite3_close(db);
    return ok;
}
}

// Restores onto a really full disk. Needs tmpfs mounts; where the machine
// refuses one the whole case exits with CTest's skip code.
class TestRestoreFullDisk : public VarnholtTestCase {
    Q_OBJECT
private slots:
    // The size the server announces is weighed against the room on the
    // backup folder's disk before a byte is written.
    void aDownloadPastTheRoomLeftIsRefused()
    {
        const SmallDisk disk(BackupFiles::folder(), 64 * 1024);
        const QByteArray file = noise(100000);
        NetServers::ScriptedHttpd server([&](const QByteArray& range) { return NetServers::rangeOf(file, range); });
        QVERIFY(runFromUsbStick(appPath()));
        QVERIFY(setServer("http", server.host()));
        const QByteArray before = bytesOf(dbPath());

        MessageBox::setNextAnswer(QMessageBox::Ok);
        click(openWindow(), "ComDown");
        QCOMPARE(MessageBox::shownTexts(), QStringList{QStringLiteral("数据恢复失败！\n磁盘空间不足")});
        QCOMPARE(server.ranges(), QList<QByteArray>{"bytes=0-20480"});
        QCOMPARE(QFileInfo(NetworkBackup::downloadFile()).size(), 0);
        QCOMPARE(bytesOf(dbPath()), before);
    }

    // The books on a disk with room for the backup's copy beside them, but
    // not for its upgrade: the books stay as they were, and the user reads why.
    void anUpgradePastTheRoomLeftIsRefused()
    {
        const QString backup = makeBackupFolder() + QStringLiteral("/2024-03-01-1200.mdb");
        QVERIFY(writeOlderBackupWithLines(dbPath(), backup));
        const QString books = root() + QStringLiteral("/books");
        const qint64 room = QFileInfo(dbPath()).size() + QFileInfo(backup).size() + 16 * 1024;
        const SmallDisk disk(books, room);
        QVERIFY(QFile::copy(dbPath(), books + QStringLiteral("/db_kcgl.mdb")));
        appState().appPath = books;
        const QByteArray before = bytesOf(appState().databasePath());

        frm_backup* form = openWindow();
        FileDialogs::setNextAnswer(backup);
        click(form, "Command1");
        MessageBox::setNextAnswer(QMessageBox::Ok);
        click(form, "Command5");
        QCOMPARE(MessageBox::shownTexts(), QStringList{QStringLiteral("数据恢复失败！\n磁盘空间不足")});
        QCOMPARE(bytesOf(appState().databasePath()), before);
        QVERIFY(categories().isEmpty());
        QCOMPARE(QDir(books).entryList(QDir::Files), QStringList{QStringLiteral("db_kcgl.mdb")});
    }
};

VARNHOLT_TEST(TestRestoreFullDisk)
#include "tst_restorefulldisk.moc"
