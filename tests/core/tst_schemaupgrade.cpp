#include "dbsession.h"
#include "fixture.h"
#include "schemaupgrade.h"
#include "testfiles.h"

#include <QFile>
#include <QFileInfo>
#include <sqlite3.h>

namespace {
bool run(const QString& path, const char* sql)
{
    sqlite3* db = nullptr;
    const bool ok = sqlite3_open(path.toUtf8().constData(), &db) == SQLITE_OK
                    && sqlite3_exec(db, sql, nullptr, nullptr, nullptr) == SQLITE_OK;
    sqlite3_close(db);
    return ok;
}

// A book as the first delivery made it, version 0: a few single-column
// indexes, some under names today's schema gives wider ones, and two that
// are retired since.
const char* const firstDeliveryIndexes = R"(
    CREATE INDEX ix_goods_code ON 商品信息 (商品编号);
    CREATE INDEX ix_stock_code ON 库存 (商品编号);
    CREATE INDEX ix_out_date ON 出库单 (日期);
    CREATE INDEX ix_out_lines_no ON 出库单明细 (单号);
    CREATE INDEX ix_out_lines_customer ON 出库单明细 (客户);
    CREATE INDEX ix_out_lines_salesman ON 出库单明细 (业务员);
    PRAGMA user_version = 0;
)";

const char* const someSlips = R"(
    INSERT INTO 商品信息 (商品编号, 商品名称, 进价) VALUES ('SP001', '可乐', 2.5);
    INSERT INTO 库存 (商品编号, 商品名称, 均价, 金额, 库存量) VALUES ('SP001', '可乐', 2.5, 20, 8);
    INSERT INTO 入库单 (单号, 日期, 类别, 合计数量, 合计金额) VALUES ('JH0001', '2024-03-01', '进货', 10, 25);
    INSERT INTO 入库单明细 (单号, 日期, 年月, 商品编号, 数量, 金额, 类别2) VALUES ('JH0001', '2024-03-01', '2024-03', 'SP001', 10, 25, '进货');
    INSERT INTO 出库单 (单号, 日期, 客户, 类别, 合计数量, 合计金额) VALUES ('XS0001', '2024-03-02', '张三', '销售', 2, 7);
    INSERT INTO 出库单明细 (单号, 日期, 年月, 商品编号, 商品名称, 数量, 金额, 利润金额, 客户, 业务员, 类别2)
        VALUES ('XS0001', '2024-03-02', '2024-03', 'SP001', '可乐', 2, 7, 2, '张三', '李四', '销售');
)";

// Every table, index and trigger with its text, in a fixed order.
QStringList schemaOf(const QString& path)
{
    auto conn = Database::openFile(path);
    auto rows = conn ? conn->query(QStringLiteral("select type || ' ' || name || ' ' || tbl_name || ': ' || coalesce(sql, '') "
                                                  "from sqlite_master order by type, name"))
                     : DbResult<Rows>(conn.error());
    QStringList lines;
    for (int i = 0; rows && i < rows->count(); ++i)
        lines << rows->value(i, 0).toString();
    return lines;
}

int versionOf(const QString& path)
{
    auto conn = Database::openFile(path);
    auto rows = conn ? conn->query(QStringLiteral("PRAGMA user_version")) : DbResult<Rows>(conn.error());
    return rows ? rows->value(0, 0).toInt() : -1;
}

// The rows of the slip tables, as they stand.
QStringList slipRows(const QString& path)
{
    QStringList all;
    auto conn = Database::openFile(path);
    for (const char* table : {"商品信息", "库存", "入库单", "入库单明细", "出库单", "出库单明细"}) {
        auto rows = conn ? conn->query(QStringLiteral("select * from ") + QString::fromUtf8(table))
                         : DbResult<Rows>(conn.error());
        for (int i = 0; rows && i < rows->count(); ++i) {
            QStringList values;
            for (const QVariant& value : rows->data()[i])
                values << value.toString();
            all << QString::fromUtf8(table) + QLatin1Char(':') + values.join(QLatin1Char('|'));
        }
    }
    return all;
}

DbStatus upgradeFile(const QString& path)
{
    auto conn = Database::openFile(path);
    return conn ? SchemaUpgrade::upgrade(*conn) : conn.status();
}
}

class TestSchemaUpgrade : public VarnholtTestCase {
    Q_OBJECT

    // A copy of the delivered book taken back to version 0.
    QString olderBook(bool withSlips)
    {
        QString path = tempFolder() + QStringLiteral("/old.mdb");
        if (!QFile::copy(dbPath(), path) || !run(path, withSlips ? someSlips : ""))
            return {};
        QStringList drops;
        for (const QString& line : schemaOf(path)) {
            if (line.startsWith(QStringLiteral("index ")))
                drops << QStringLiteral("DROP INDEX ") + line.section(QLatin1Char(' '), 1, 1) + QLatin1Char(';');
        }
        if (!run(path, drops.join(QLatin1Char('\n')).toUtf8().constData()) || !run(path, firstDeliveryIndexes))
            return {};
        return path;
    }

private slots:
    void olderBookOpensWithTodaysSchema_data()
    {
        QTest::addColumn<bool>("withSlips");
        QTest::newRow("empty") << false;
        QTest::newRow("holding slips") << true;
    }

    void olderBookOpensWithTodaysSchema()
    {
        QFETCH(bool, withSlips);
        const QString old = olderBook(withSlips);
        QVERIFY(!old.isEmpty());
        QCOMPARE(versionOf(old), 0);
        QVERIFY(schemaOf(old) != schemaOf(dbPath()));
        const QStringList rows = slipRows(old);
        QCOMPARE(rows.isEmpty(), !withSlips);

        const DbStatus upgraded = upgradeFile(old);
        QVERIFY2(upgraded, upgraded ? "" : qPrintable(upgraded.error().text()));
        QCOMPARE(versionOf(old), SchemaUpgrade::currentVersion());
        QCOMPARE(schemaOf(old), schemaOf(dbPath()));
        QCOMPARE(slipRows(old), rows);
    }

    void deliveredBookIsCurrent()
    {
        QVERIFY(SchemaUpgrade::currentVersion() >= 1);
        QCOMPARE(versionOf(dbPath()), SchemaUpgrade::currentVersion());
    }

    void currentBookIsOnlyRead()
    {
        const QByteArray bytes = TestFiles::bytesOf(dbPath());
        const QDateTime modified = QFileInfo(dbPath()).lastModified();
        QStringList statements;
        Database::setFailureHook([&statements](const QString& sql) -> std::optional<DbError> {
            statements << sql;
            if (sql == QStringLiteral("PRAGMA user_version"))
                return std::nullopt;
            return DbError{SQLITE_IOERR, QStringLiteral("nothing may be written")};
        });
        QVERIFY(upgradeFile(dbPath()));
        QCOMPARE(statements, QStringList{QStringLiteral("PRAGMA user_version")});
        QCOMPARE(TestFiles::bytesOf(dbPath()), bytes);
        QCOMPARE(QFileInfo(dbPath()).lastModified(), modified);
    }

    void failedUpgradeLeavesTheBookAsItWas_data()
    {
        QTest::addColumn<int>("version");
        QTest::addColumn<QString>("failing");
        QTest::addColumn<QString>("reason");
        QTest::newRow("an index fails") << 0 << QStringLiteral("CREATE INDEX ix_out_lines_customer_date")
                                        << QStringLiteral("数据库升级失败：磁盘空间不足（Error 13: database or disk is full）");
        QTest::newRow("the new version fails")
            << 0 << QStringLiteral("PRAGMA user_version =")
            << QStringLiteral("数据库升级失败：磁盘空间不足（Error 13: database or disk is full）");
        QTest::newRow("a newer book")
            << 99 << QString()
            << QStringLiteral("数据库升级失败：数据库与本程序不符（Error 1: 数据库版本为 99，本程序只认识到版本 %1）")
                   .arg(SchemaUpgrade::currentVersion());
    }

    void failedUpgradeLeavesTheBookAsItWas()
    {
        QFETCH(int, version);
        QFETCH(QString, failing);
        QFETCH(QString, reason);
        const QString old = olderBook(true);
        QVERIFY(!old.isEmpty());
        QVERIFY(run(old, QByteArray("PRAGMA user_version = ").append(QByteArray::number(version)).constData()));
        const QStringList schema = schemaOf(old);
        const QStringList rows = slipRows(old);

        Database::setFailureHook([failing](const QString& sql) -> std::optional<DbError> {
            if (!failing.isEmpty() && sql.startsWith(failing))
                return DbError{SQLITE_FULL, QStringLiteral("database or disk is full")};
            return std::nullopt;
        });
        const DbStatus upgraded = upgradeFile(old);
        Database::setFailureHook({});
        QVERIFY(!upgraded);
        QCOMPARE(SchemaUpgrade::failureText(upgraded.error()), reason);
        QCOMPARE(versionOf(old), version);
        QCOMPARE(schemaOf(old), schema);
        QCOMPARE(slipRows(old), rows);
    }

    void fileThatIsNoDatabaseIsLeftAlone()
    {
        const QString path = tempFolder() + QStringLiteral("/garbage.mdb");
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray(4096, 'x'));
        file.close();
        QVERIFY(upgradeFile(path));
        QCOMPARE(TestFiles::bytesOf(path), QByteArray(4096, 'x'));
    }
};

VARNHOLT_TEST(TestSchemaUpgrade)
#include "tst_schemaupgrade.moc"
