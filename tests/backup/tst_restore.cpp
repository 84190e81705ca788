#include "backupworld.h"
#include "filedialogs.h"
#include "fixture.h"
#include "immediatebackup.h"
#include "messagebox.h"

#include <QFileInfo>
#include <QLineEdit>
#include <sqlite3.h>

using namespace BackupWorld;

namespace {
// A sound SQLite file that holds none of the books' tables.
void writeForeignDatabase(const QString& path)
{
    sqlite3* db = nullptr;
    sqlite3_open(path.toUtf8().constData(), &db);
    sqlite3_exec(db, "create table notes (text TEXT); insert into notes values ('x');", nullptr, nullptr, nullptr);
    sqlite3_close(db);
}

void dropTable(const QString& path, const char* table)
{
    sqlite3* db = nullptr;
    sqlite3_open(path.toUtf8().constData(), &db);
    sqlite3_exec(db, QByteArray("drop table ").append(table).constData(), nullptr, nullptr, nullptr);
    sqlite3_close(db);
}
}

class TestRestore : public VarnholtTestCase {
    Q_OBJECT
private slots:
    void restoringABackupBringsBackItsContents()
    {
        QVERIFY(exec(QStringLiteral("insert into 商品类别 (编号, 名称) values ('LB001', '饮料')")));
        const QString backup = makeBackupFolder() + QStringLiteral("/2024-03-01-1200.mdb");
        QVERIFY(ImmediateBackup::copy(dbPath(), backup));
        QVERIFY(exec(QStringLiteral("delete from 商品类别")));
        QVERIFY(exec(QStringLiteral("insert into 商品类别 (编号, 名称) values ('LB002', '零食')")));

        QPointer<frm_backup> form = openWindow();
        auto* text1 = control<QLineEdit>(form, "Text1");
        FileDialogs::setNextAnswer(QString()); // cancelled: the box keeps its text
        click(form, "Command1");
        QCOMPARE(text1->text(), QString());
        FileDialogs::setNextAnswer(backup);
        click(form, "Command1");
        QCOMPARE(text1->text(), backup);

        MessageBox::setNextAnswer(QMessageBox::Ok);
        click(form, "Command5");
        QCOMPARE(MessageBox::shownTexts(), QStringList{QStringLiteral("成功恢复数据！")});
        QCOMPARE(categories(), QStringList{QStringLiteral("饮料")});
        QCOMPARE(bytesOf(dbPath()), bytesOf(backup));
        QCOMPARE(QFileInfo(dbPath()).permissions() & (QFileDevice::ReadGroup | QFileDevice::ReadOther),
                 QFileDevice::Permissions());
        QVERIFY(!QFile::exists(appPath() + QStringLiteral("/db_kcgl_temp.mdb")));
        settle();
        QVERIFY(!form);
    }

    void emptyPathAsksForOne_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::newRow("empty") << QString();
        QTest::newRow("blanks") << QStringLiteral("   ");
    }

    void emptyPathAsksForOne()
    {
        QFETCH(QString, typed);
        const QByteArray before = bytesOf(dbPath());
        frm_backup* form = openWindow();
        QTest::keyClicks(control<QLineEdit>(form, "Text1"), typed);
        MessageBox::setNextAnswer(QMessageBox::Ok);
        click(form, "Command5");
        QCOMPARE(MessageBox::shownTexts(), QStringList{QStringLiteral("请先选择备份数据库路径")});
        QCOMPARE(bytesOf(dbPath()), before);
        QVERIFY(form->isVisible());
    }

    // The reason follows on a line of its own.
    void badChoiceLeavesTheBooks_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("message");
        QTest::newRow("the live database") << QStringLiteral("live") << QStringLiteral("数据恢复失败！\n所选文件正被本程序使用");
        QTest::newRow("a missing file") << QStringLiteral("missing") << QStringLiteral("数据恢复失败！\n文件不存在");
        QTest::newRow("a text file") << QStringLiteral("text") << QStringLiteral("数据恢复失败！\n文件不是本店的数据库");
        QTest::newRow("another program's database")
            << QStringLiteral("foreign") << QStringLiteral("数据恢复失败！\n文件不是本店的数据库");
        QTest::newRow("a cut-off copy") << QStringLiteral("cut") << QStringLiteral("数据恢复失败！\n文件不完整");
        QTest::newRow("a copy without a table") << QStringLiteral("table") << QStringLiteral("数据恢复失败！\n缺少表 商品类别");
        QTest::newRow("a folder") << QStringLiteral("folder") << QStringLiteral("数据恢复失败！\n文件不是本店的数据库");
    }

    void badChoiceLeavesTheBooks()
    {
        QFETCH(QString, kind);
        QFETCH(QString, message);
        QVERIFY(exec(QStringLiteral("insert into 商品类别 (编号, 名称) values ('LB001', '饮料')")));
        const QByteArray before = bytesOf(dbPath());
        QString chosen = makeBackupFolder() + QStringLiteral("/chosen.mdb");
        if (kind == QStringLiteral("live")) {
            chosen = appPath() + QStringLiteral("/./db_kcgl.mdb");
        } else if (kind == QStringLiteral("text")) {
            QFile file(chosen);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("这不是数据库\n");
        } else if (kind == QStringLiteral("foreign")) {
            writeForeignDatabase(chosen);
        } else if (kind == QStringLiteral("cut")) {
            QFile file(chosen);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(before.left(before.size() / 2));
        } else if (kind == QStringLiteral("table")) {
            QVERIFY(ImmediateBackup::copy(dbPath(), chosen));
            dropTable(chosen, "商品类别");
        } else if (kind == QStringLiteral("folder")) {
            QVERIFY(QDir().mkpath(chosen));
        }

        frm_backup* form = openWindow();
        FileDialogs::setNextAnswer(chosen);
        click(form, "Command1");
        MessageBox::setNextAnswer(QMessageBox::Ok);
        click(form, "Command5");
        QCOMPARE(MessageBox::shownTexts(), QStringList{message});
        QCOMPARE(bytesOf(dbPath()), before);
        QCOMPARE(categories(), QStringList{QStringLiteral("饮料")});
        QVERIFY(!QFile::exists(appPath() + QStringLiteral("/db_kcgl_temp.mdb")));
    }

    // A restore or compaction killed midway leaves its work file with a hot
    // journal: nothing of them may find its way into the next restore.
    void aWorkFileLeftWithItsJournalSpoilsNoRestore()
    {
        QVERIFY(exec(QStringLiteral("insert into 商品类别 (编号, 名称) values ('LB001', '饮料')")));
        const QString backup = makeBackupFolder() + QStringLiteral("/2024-03-01-1200.mdb");
        QVERIFY(ImmediateBackup::copy(dbPath(), backup));
        QVERIFY(exec(QStringLiteral("delete from 商品类别")));
        const QString work = appPath() + QStringLiteral("/db_kcgl_temp.mdb");
        QVERIFY(leaveWorkFiles(work, tempFolder() + QStringLiteral("/other.mdb")));

        frm_backup* form = openWindow();
        FileDialogs::setNextAnswer(backup);
        click(form, "Command1");
        MessageBox::setNextAnswer(QMessageBox::Ok);
        click(form, "Command5");
        QCOMPARE(MessageBox::shownTexts(), QStringList{QStringLiteral("成功恢复数据！")});
        QCOMPARE(bytesOf(dbPath()), bytesOf(backup));
        QCOMPARE(categories(), QStringList{QStringLiteral("饮料")});
        QVERIFY(!anyWorkFileLeft(work));
    }

    // The candidate reaches the disk before it takes the books' name, and the
    // folder holding that name after.
    void theRestoredBooksAreOnDiskBeforeAndAfterTheRename()
    {
        const QString backup = makeBackupFolder() + QStringLiteral("/2024-03-01-1200.mdb");
        QVERIFY(ImmediateBackup::copy(dbPath(), backup));
        QVERIFY(exec(QStringLiteral("insert into 商品类别 (编号, 名称) values ('LB001', '饮料')")));
        const QString work = appPath() + QStringLiteral("/db_kcgl_temp.mdb");
        frm_backup* form = openWindow();
        FileDialogs::setNextAnswer(backup);
        click(form, "Command1");
        const SyncLog syncs(
            [this, backup] { return bytesOf(dbPath()) == bytesOf(backup) ? QStringLiteral("restored") : QStringLiteral("old"); });
        MessageBox::setNextAnswer(QMessageBox::Ok);
        click(form, "Command5");
        QCOMPARE(MessageBox::shownTexts(), QStringList{QStringLiteral("成功恢复数据！")});
        QCOMPARE(syncs.calls(), (QStringList{QStringLiteral("file ") + work + QStringLiteral(" old"),
                                             QStringLiteral("folder ") + appPath() + QStringLiteral(" restored")}));
    }
};

VARNHOLT_TEST(TestRestore)
#include "tst_restore.moc"
