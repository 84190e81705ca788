#include "dbsession.h"
#include "fixture.h"
#include "salestotals.h"
#include "schemaupgrade.h"

#include <QFile>
#include <QRegularExpression>
#include <sqlite3.h>

namespace {
QString schemaFile(const char* name) { return QStringLiteral(VARNHOLT_SCHEMA_DIR "/") + QLatin1String(name); }

// A new book at path made by running the statements of the file.
bool makeBook(const QString& path, const QString& statements)
{
    QFile file(statements);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    sqlite3* db = nullptr;
    const bool ok = sqlite3_open(path.toUtf8().constData(), &db) == SQLITE_OK
                    && sqlite3_exec(db, file.readAll().constData(), nullptr, nullptr, nullptr) == SQLITE_OK;
    sqlite3_close(db);
    return ok;
}

// The text of a statement without the blanks that do not change it.
QString normalised(QString sql)
{
    static const QRegularExpression blanks(QStringLiteral("\\s+"));
    static const QRegularExpression aroundPunctuation(QStringLiteral(" ?([(),;]) ?"));
    return sql.replace(blanks, QStringLiteral(" ")).replace(aroundPunctuation, QStringLiteral("\\1")).trimmed();
}

QStringList linesOf(DbSession& session, const QString& sql)
{
    QStringList lines;
    auto rows = session.query(sql);
    if (!rows)
        return {rows.error().text()};
    for (int r = 0; r < rows->count(); ++r) {
        QStringList values;
        for (const QVariant& value : rows->data()[r])
            values << (value.isNull() ? QStringLiteral("NULL") : value.toString());
        lines << values.join(QStringLiteral(" | "));
    }
    return lines;
}

// The version, every table with its columns, every index and trigger with
// its table and its statement's normalised text.
QStringList schemaOf(const QString& path)
{
    auto session = Database::openFile(path);
    if (!session)
        return {session.error().text()};
    QStringList schema = linesOf(*session, QStringLiteral("PRAGMA user_version"));
    schema << linesOf(*session, QStringLiteral("select m.name, p.cid, p.name, p.type, p.\"notnull\", p.dflt_value, p.pk "
                                               "from sqlite_master m, pragma_table_xinfo(m.name) p where m.type = 'table' "
                                               "order by m.name, p.cid"));
    auto objects = session->query(QStringLiteral("select type, name, tbl_name, sql from sqlite_master order by type, name"));
    if (!objects)
        return {objects.error().text()};
    for (int r = 0; r < objects->count(); ++r)
        schema << QStringList{objects->text(r, QStringLiteral("type")), objects->text(r, QStringLiteral("name")),
                              objects->text(r, QStringLiteral("tbl_name")), normalised(objects->text(r, QStringLiteral("sql")))}
                      .join(QStringLiteral(" | "));
    return schema;
}
}

// data/schema.sql says what a new book holds; the upgrade steps are the
// history that brings a book of version 0 there.
class TestSchemaFile : public VarnholtTestCase {
    Q_OBJECT

    QString upgradedBook()
    {
        const QString path = tempFolder() + QStringLiteral("/stepped.mdb");
        if (!makeBook(path, schemaFile("schema-v0.sql")))
            return {};
        auto session = Database::openFile(path);
        return session && SchemaUpgrade::upgrade(*session) ? path : QString();
    }

    QString newBook()
    {
        const QString path = tempFolder() + QStringLiteral("/new.mdb");
        return makeBook(path, schemaFile("schema.sql")) ? path : QString();
    }

private slots:
    void everyStepEndsInTheSchemaFile()
    {
        const QString stepped = upgradedBook();
        const QString made = newBook();
        QVERIFY(!stepped.isEmpty() && !made.isEmpty());
        const QStringList schema = schemaOf(made);
        QCOMPARE(schema.value(0), QString::number(SchemaUpgrade::currentVersion()));
        QCOMPARE(schemaOf(stepped), schema);
    }

    // The live conditions pick the rows the triggers count, in a book made
    // either way: every line and slip below is written, changed and deleted
    // raw, so only the triggers move the totals.
    void liveConditionsSelectWhatTheTriggersCount_data()
    {
        QTest::addColumn<bool>("throughTheSteps");
        QTest::newRow("through the steps") << true;
        QTest::newRow("from the schema file") << false;
    }
    void liveConditionsSelectWhatTheTriggersCount()
    {
        QFETCH(bool, throughTheSteps);
        const QString path = throughTheSteps ? upgradedBook() : newBook();
        QVERIFY(!path.isEmpty());
        auto session = Database::openFile(path);
        QVERIFY(session);
        const QStringList writes{
            // A sale line; a return; one without each filtered column; one without 年月.
            QStringLiteral(
                "insert into 出库单明细 (日期, 年月, 商品名称, 类别, 客户, 业务员, 金额, 利润金额, 数量, 类别2) values "
                "('2024-02-10', '2024-02', '可乐', '饮料', '王五', '小李', 3, 1, 1, '出库'), "
                "('2024-02-10', '2024-02', '可乐', '饮料', '王五', '小李', 5, 2, 1, '退货'), "
                "('2024-02-11', '2024-02', null, '饮料', '王五', '小李', 7, 1, 1, '出库'), "
                "('2024-02-11', '2024-02', '可乐', null, '王五', '小李', 11, 1, 1, '出库'), "
                "('2024-02-11', '2024-02', '可乐', '饮料', null, '小李', 13, 1, 1, '出库'), "
                "('2024-02-11', '2024-02', '可乐', '饮料', '王五', null, 17, 1, 1, '出库'), "
                "(null, '2024-02', '可乐', '饮料', '王五', '小李', 19, 1, 1, '出库'), "
                "('2024-02-12', null, '雪碧', '饮料', '赵六', '小王', 23, 4, 2, '出库'), "
                "('2024-02-12', '2024-02', '雪碧', '饮料', '赵六', '小王', 29, 4, 2, null)"),
            // A sales slip, a return slip, one without a kind, one of another kind,
            // one without a date.
            QStringLiteral(
                "insert into 出库单 (单号, 日期, 类别, 合计数量, 合计金额, 欠款金额, 还款金额, 合计成本, 合计利润) values "
                "('C1', '2024-02-10', '出库', 1, 3, 1, 0, 2, 1), ('T1', '2024-02-10', '退货', 1, 5, 0, 0, 3, 2), "
                "('N1', '2024-02-10', null, 1, 7, 0, 0, 4, 3), ('X1', '2024-02-10', 'Out', 1, 11, 0, 0, 5, 6), "
                "('D1', null, '出库', 1, 13, 0, 0, 6, 7)"),
            QStringLiteral("update 出库单明细 set 客户 = '赵六' where 金额 = 13"),
            QStringLiteral("update 出库单明细 set 类别2 = '出库' where 金额 = 5"),
            QStringLiteral("update 出库单 set 类别 = '出库', 还款金额 = 1 where 单号 = 'N1'"),
            QStringLiteral("delete from 出库单明细 where 金额 = 3"),
            QStringLiteral("delete from 出库单 where 单号 = 'T1'"),
        };
        for (const QString& write : writes) {
            QVERIFY2(session->exec(write), qPrintable(write));
            const auto differences = SalesTotals::verify(*session);
            QVERIFY(differences);
            QCOMPARE(*differences, QStringList());
        }
        QCOMPARE(linesOf(*session, QStringLiteral("select 客户, 行数, 金额 from 客户月计 order by 客户")),
                 (QStringList{QStringLiteral("王五 | 1 | 50000"), QStringLiteral("赵六 | 2 | 360000")}));
        QCOMPARE(linesOf(*session, QStringLiteral("select 日期, 出库, 行数, 合计金额 from 出库单日计 order by 出库")),
                 (QStringList{QStringLiteral("2024-02-10 | 0 | 1 | 110000"), QStringLiteral("2024-02-10 | 1 | 2 | 100000")}));
    }
};

VARNHOLT_TEST(TestSchemaFile)
#include "tst_schemafile.moc"
