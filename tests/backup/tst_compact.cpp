#include "backupworld.h"
#include "fixture.h"
#include "messagebox.h"
#include "salestotals.h"

#include <QFileInfo>

using namespace BackupWorld;

namespace {
// Every table with its rows, to compare before and after.
QMap<QString, QList<QVariantList>> allRows()
{
    QMap<QString, QList<QVariantList>> tables;
    for (const QVariantList& table : rowsOf(QStringLiteral("select name from sqlite_master where type='table'"))) {
        const QString name = table.value(0).toString();
        tables.insert(name, rowsOf(QStringLiteral("select * from \"%1\" order by rowid").arg(name)));
    }
    return tables;
}

QString workFile(const QString& appPath) { return appPath + QStringLiteral("/db_kcgl_temp.mdb"); }
}

class TestCompact : public VarnholtTestCase {
    Q_OBJECT
private slots:
    void compactKeepsEveryRowAndLeavesNoWorkFile()
    {
        // Rows deleted again leave free pages that compaction gives back.
        QVERIFY(exec(QStringLiteral("with recursive n(i) as (select 0 union all select i + 1 from n where i < 399) "
                                    "insert into 日常支出 (单号, 日期, 操作员, 费用总额) "
                                    "select printf('Z%07d', i), '2024-03-01', '管理员', ? from n"),
                     {QString(200, QLatin1Char('x'))}));
        QVERIFY(exec(QStringLiteral("delete from 日常支出 where 单号 > 'Z0000010'")));
        const auto before = allRows();
        const qint64 sizeBefore = QFileInfo(dbPath()).size();
        // A compaction killed midway left its copy with a hot journal of another book.
        QVERIFY(leaveWorkFiles(workFile(appPath()), tempFolder() + QStringLiteral("/other.mdb")));

        QPointer<frm_backup> form = openWindow(QStringLiteral("张三"));
        MessageBox::setNextAnswer(QMessageBox::Ok);
        click(form, "ComCompress");
        QCOMPARE(MessageBox::shownTexts(), QStringList{QStringLiteral("压缩修复数据库完成")});
        QCOMPARE(allRows(), before);
        QCOMPARE(before.value(QStringLiteral("日常支出")).size(), 11);
        QVERIFY(QFileInfo(dbPath()).size() < sizeBefore);
        QVERIFY(!anyWorkFileLeft(workFile(appPath())));
        QCOMPARE(QFileInfo(dbPath()).permissions() & (QFileDevice::ReadGroup | QFileDevice::ReadOther),
                 QFileDevice::Permissions());
        settle();
        QVERIFY(!form);
    }

    // Totals gone astray (a book written by a program without the
    // triggers) are summed anew from the lines.
    void compactSumsTheTotalsAnew()
    {
        QVERIFY(
            exec(QStringLiteral("insert into 出库单明细 (日期, 年月, 商品名称, 类别, 客户, 业务员, 金额, 利润金额, 数量, 类别2) "
                                "values ('2024-02-10', '2024-02', '可乐', '饮料', '王五', '小李', 3, 1, 1, '出库')")));
        QVERIFY(exec(QStringLiteral("update 客户月计 set 金额 = 金额 + 1")));
        const auto differences = [] {
            auto found = Database::read([](DbSession& s) { return SalesTotals::verify(s); });
            return found ? *found : QStringList{found.error().text()};
        };
        QCOMPARE(differences().size(), 2);

        frm_backup* form = openWindow();
        MessageBox::setNextAnswer(QMessageBox::Ok);
        click(form, "ComCompress");
        QCOMPARE(MessageBox::shownTexts(), QStringList{QStringLiteral("压缩修复数据库完成")});
        QCOMPARE(differences(), QStringList());
        QCOMPARE(rowsOf(QStringLiteral("select 客户, 金额 from 客户月计")),
                 (QList<QVariantList>{{QStringLiteral("王五"), 30000}}));
    }

    // The compacted copy reaches the disk before it takes the books' name,
    // and the folder holding that name after.
    void theCompactedBooksAreOnDiskBeforeAndAfterTheRename()
    {
        const QString work = workFile(appPath());
        const SyncLog syncs([work] { return QFile::exists(work) ? QStringLiteral("beside") : QStringLiteral("in place"); });
        frm_backup* form = openWindow();
        MessageBox::setNextAnswer(QMessageBox::Ok);
        click(form, "ComCompress");
        QCOMPARE(MessageBox::shownTexts(), QStringList{QStringLiteral("压缩修复数据库完成")});
        QCOMPARE(syncs.calls(), (QStringList{QStringLiteral("file ") + work + QStringLiteral(" beside"),
                                             QStringLiteral("folder ") + appPath() + QStringLiteral(" in place")}));
    }

    void failedCompactLeavesTheDatabase()
    {
        const QByteArray before = bytesOf(dbPath());
        Database::setFailureHook([](const QString& sql) -> std::optional<DbError> {
            if (sql.startsWith(QStringLiteral("VACUUM")))
                return DbError{13, QStringLiteral("database or disk is full")};
            return std::nullopt;
        });
        frm_backup* form = openWindow();
        MessageBox::setNextAnswer(QMessageBox::Ok);
        click(form, "ComCompress");
        QCOMPARE(MessageBox::shownTexts(), QStringList{QStringLiteral("Error 13: database or disk is full")});
        QCOMPARE(bytesOf(dbPath()), before);
        QVERIFY(!QFile::exists(workFile(appPath())));
        QVERIFY(form->isVisible());
    }
};

VARNHOLT_TEST(TestCompact)
#include "tst_compact.moc"
