#include "dbsession.h"
#include "fixture.h"
#include "salestotals.h"

#include <QFile>
#include <QStringDecoder>

namespace {
// Every table with its columns in order, as the books define them.
const QList<QPair<QString, QStringList>>& expectedTables()
{
    static const QList<QPair<QString, QStringList>> tables = [] {
        QStringList operators{"M_ID", "M_Name", "M_zw", "M_Password"};
        for (int i = 1; i <= 26; ++i)
            operators << QString::number(i);
        return QList<QPair<QString, QStringList>>{
            {"tb_enter", operators},
            {"sysdepe", {"k1", "k2"}},
            {"商品信息",
             {"商品编号", "商品名称", "规格", "单位", "类别", "进价", "批发价", "会员价", "零售价", "库存上限", "库存下限",
              "厂家", "拼音码", "五笔码", "自编码", "条形码"}},
            {"库存", {"类别", "商品编号", "商品名称", "规格", "单位", "均价", "金额", "库存上限", "库存下限", "库存量"}},
            {"供应商", {"编号", "名称", "电话", "传真", "地址", "联系人", "开户银行", "帐号", "备注", "拼音码", "五笔码"}},
            {"客户",
             {"编号", "积分", "名称", "电话", "传真", "地址", "联系人", "QQ号码", "开户银行", "帐号", "备注", "维护日期",
              "拼音码", "五笔码"}},
            {"业务员",
             {"编号", "姓名", "性别", "部门", "职务", "身份证号", "电话", "地址", "入职日期", "备注", "拼音码", "五笔码"}},
            {"商品类别", {"编号", "名称"}},
            {"计量单位", {"编号", "名称"}},
            {"店铺信息", {"名称", "地址", "联系人", "电话"}},
            {"入库单",
             {"单号", "日期", "时间", "操作员", "折扣", "供应商", "合计数量", "合计金额", "欠款金额", "尚欠金额", "类别", "备注",
              "还款金额"}},
            {"入库单明细",
             {"单号", "日期", "年月", "商品编号", "商品名称", "规格", "单位", "数量", "单价", "折扣", "金额", "类别", "类别2"}},
            {"入库单明细1", {"单号", "还款金额", "操作员", "日期", "时间"}},
            {"出库单",
             {"单号", "日期", "时间", "操作员", "客户", "介绍人", "合计数量", "合计金额", "合计成本", "合计利润", "类别", "折扣",
              "业务员", "备注", "欠款金额", "尚欠金额", "还款金额"}},
            {"出库单明细",
             {"单号", "日期", "年月", "商品编号", "商品名称", "规格", "单位", "数量", "单价", "折扣", "金额", "类别", "成本金额",
              "利润金额", "客户", "业务员", "介绍人", "类别2"}},
            {"出库单明细1", {"单号", "还款金额", "操作员", "日期", "时间"}},
            {"盘点单", {"单号", "日期", "时间", "操作员", "合计数量", "合计金额", "备注"}},
            {"盘点单明细",
             {"单号", "日期", "商品编号", "商品名称", "规格", "单位", "盘前数量", "盘后数量", "盈亏", "单价", "金额", "类别"}},
            {"调失单", {"单号", "日期", "时间", "操作员", "折扣", "合计数量", "合计金额", "类别", "备注"}},
            {"调失单明细", {"单号", "日期", "商品编号", "商品名称", "规格", "单位", "数量", "单价", "折扣", "金额", "类别"}},
            {"日常支出",
             {"单号", "日期", "操作员", "铺租", "水费", "电费", "物品价格", "人员工资", "业务提成", "税费", "费用总额",
              "物品购置"}},
        };
    }();
    return tables;
}
}

class TestDatabase : public VarnholtTestCase {
    Q_OBJECT
private slots:
    void deliveredFileHoldsEveryTableInOrder()
    {
        auto conn = Mod1::OpenConn();
        QVERIFY(conn);
        // The sales totals are the program's own, derived from the books.
        QVariantList totals;
        for (const QString& table : SalesTotals::tables())
            totals << table;
        auto tables = conn->query(QStringLiteral("select name from sqlite_master where type='table' and name not in (%1)")
                                      .arg(QStringList(totals.size(), QStringLiteral("?")).join(QLatin1Char(','))),
                                  totals);
        QVERIFY(tables);
        QCOMPARE(tables->count(), 21);
        for (const auto& [table, columns] : expectedTables()) {
            auto info = conn->query(QStringLiteral("select name from pragma_table_info(?)"), {table});
            QVERIFY(info);
            QStringList actual;
            for (int i = 0; i < info->count(); ++i)
                actual << info->text(i, QStringLiteral("name"));
            QCOMPARE(actual, columns);
        }
    }

    void administratorRowIsSeeded()
    {
        auto conn = Mod1::OpenConn();
        auto rows = conn->query(QStringLiteral("select * from tb_enter"));
        QVERIFY(rows);
        QCOMPARE(rows->count(), 1);
        QCOMPARE(rows->value(0, QStringLiteral("M_ID")).toInt(), 1);
        QCOMPARE(rows->text(0, QStringLiteral("M_Name")), QStringLiteral("管理员"));
        QCOMPARE(rows->text(0, QStringLiteral("M_Password")), QStringLiteral("admin"));
        for (int i = 1; i <= 25; ++i)
            QCOMPARE(rows->text(0, QString::number(i)), QStringLiteral("1"));
        QCOMPARE(rows->text(0, QStringLiteral("26")), QStringLiteral("0"));
        auto exact = conn->query(QStringLiteral("select count(*) as n from tb_enter where M_Password=?"),
                                 {QStringLiteral("Admin")});
        QCOMPARE(exact->value(0, QStringLiteral("n")).toInt(), 0);
    }

    void wubiCodesCoverTheFirstLevelCharacters()
    {
        auto conn = Mod1::OpenConn();
        for (const auto& [character, letter] : QList<QPair<QString, QString>>{{"张", "X"}, {"王", "G"}, {"李", "S"}}) {
            auto rows = conn->query(QStringLiteral("select k2 from sysdepe where k1=?"), {character});
            QCOMPARE(rows->count(), 1);
            QCOMPARE(rows->text(0, QStringLiteral("k2")).left(1).toUpper(), letter);
        }
        auto all = conn->query(QStringLiteral("select k1 from sysdepe"));
        QSet<QString> known;
        for (const QVariantList& row : all->data())
            known.insert(row[0].toString());
        QStringList missing;
        for (int high = 0xB0; high <= 0xD7; ++high) {
            for (int low = 0xA1; low <= 0xFE; ++low) {
                if (high == 0xD7 && low > 0xF9)
                    break;
                const char bytes[2] = {char(high), char(low)};
                const QString character = QStringDecoder("GBK").decode(QByteArrayView(bytes, 2));
                if (!known.contains(character))
                    missing << character;
            }
        }
        QVERIFY2(missing.isEmpty(), qPrintable(missing.join(QString())));
    }

    void emptyReadAndConnectionState()
    {
        QCOMPARE(Mod1::ConnState(), 0);
        {
            auto conn = Mod1::OpenConn();
            QVERIFY(conn);
            QCOMPARE(Mod1::ConnState(), 1);
            auto rows = conn->query(QStringLiteral("select * from 客户"));
            QVERIFY(rows);
            QCOMPARE(rows->count(), 0);
            QVERIFY(rows->isEmpty());
            auto second = Mod1::OpenConn();
            QVERIFY(!second);
        }
        QCOMPARE(Mod1::ConnState(), 0);
        {
            auto conn = Mod1::OpenConn();
            QVERIFY(conn->insert(QStringLiteral("商品类别"), {{QStringLiteral("编号"), QStringLiteral("LB001")},
                                                              {QStringLiteral("名称"), QStringLiteral("饮料")}}));
        }
        QCOMPARE(Mod1::ConnState(), 0);
    }

    void valuesAreBoundAndTextIgnoresLatinCase()
    {
        {
            auto conn = Mod1::OpenConn();
            QCOMPARE(*conn->exec(QStringLiteral("insert into 客户 (编号, 名称, 积分) values (?, ?, ?)"),
                                 {QStringLiteral("KH000001"), QStringLiteral("O'Brien"), 12.5}),
                     1);
            QVERIFY(conn->insert(QStringLiteral("客户"), {{QStringLiteral("编号"), QStringLiteral("KH000002")},
                                                          {QStringLiteral("名称"), QStringLiteral("Tom")}}));
        }
        auto conn = Mod1::OpenConn();
        auto quoted = conn->query(QStringLiteral("select 积分 from 客户 where 名称=?"), {QStringLiteral("O'Brien")});
        QCOMPARE(quoted->count(), 1);
        QCOMPARE(quoted->number(0, QStringLiteral("积分")), 12.5);
        QCOMPARE(quoted->text(0, QStringLiteral("积分")), QStringLiteral("12.5"));
        auto lower = conn->query(QStringLiteral("select 名称 from 客户 where 名称=?"), {QStringLiteral("tom")});
        QCOMPARE(lower->count(), 1);
        QCOMPARE(lower->text(0, QStringLiteral("名称")), QStringLiteral("Tom"));
        auto like = conn->query(QStringLiteral("select 名称 from 客户 where 名称 like '%'||?||'%'"), {QStringLiteral("'")});
        QCOMPARE(like->count(), 1);
    }

    void valuesReadBackInTheirOwnKinds()
    {
        auto conn = Mod1::OpenConn();
        auto rows = conn->query(QStringLiteral("select 7 as i, 2.5 as r, '可乐 ' as t, '' as e, x'00ff' as b, null as n "
                                               "union all select -1, 0.0, 'ab', '', x'', 'x'"));
        QVERIFY(rows);
        QCOMPARE(rows->count(), 2);
        const Rows copy = *rows;
        rows = DbError{};
        QCOMPARE(copy.value(0, 0).typeId(), QMetaType::LongLong);
        QCOMPARE(copy.value(0, 0).toLongLong(), 7);
        QCOMPARE(copy.value(0, QStringLiteral("R")).typeId(), QMetaType::Double);
        QCOMPARE(copy.value(0, 2), QVariant(QStringLiteral("可乐 ")));
        QCOMPARE(copy.value(0, 3), QVariant(QString()));
        QVERIFY(!copy.value(0, 3).isNull());
        QCOMPARE(copy.value(0, 4), QVariant(QByteArray("\x00\xff", 2)));
        QVERIFY(copy.value(0, 5).isNull());
        QCOMPARE(copy.value(1, 5), QVariant(QStringLiteral("x")));
        QVERIFY(copy.value(2, 0).isNull());
        QVERIFY(copy.value(0, 6).isNull());
        QCOMPARE(copy.text(1, QStringLiteral("r")), QStringLiteral("0"));
        // The rows as lists hold the same values.
        const QList<QVariantList>& data = copy.data();
        QCOMPARE(data.size(), 2);
        for (int r = 0; r < 2; ++r) {
            for (int c = 0; c < 6; ++c)
                QCOMPARE(data[r][c], copy.value(r, c));
        }
    }

    void failureInsideATransactionWritesNothing_data()
    {
        QTest::addColumn<bool>("byTrigger");
        QTest::newRow("trigger") << true;
        QTest::newRow("data layer") << false;
    }
    void failureInsideATransactionWritesNothing()
    {
        QFETCH(bool, byTrigger);
        if (byTrigger) {
            auto conn = Mod1::OpenConn();
            QVERIFY(conn->exec(QStringLiteral("create trigger refuse before insert on 库存 "
                                              "begin select raise(abort, 'refused'); end")));
        } else {
            Database::setFailureHook([](const QString& sql) -> std::optional<DbError> {
                if (sql.contains(QStringLiteral("库存")))
                    return DbError{5, QStringLiteral("injected")};
                return std::nullopt;
            });
        }
        {
            auto conn = Mod1::OpenConn();
            const DbStatus status = conn->transaction([](DbSession& s) -> DbStatus {
                if (auto r = s.exec(QStringLiteral("insert into 商品类别 (编号, 名称) values ('LB001', 'a')")); !r)
                    return r.error();
                if (auto r = s.exec(QStringLiteral("insert into 库存 (商品编号) values ('SP000001')")); !r)
                    return r.error();
                return {};
            });
            QVERIFY(!status);
            QVERIFY(status.error().text().startsWith(QStringLiteral("Error ")));
            QVERIFY(!conn->inTransaction());
        }
        Database::setFailureHook({});
        auto conn = Mod1::OpenConn();
        QVERIFY(conn);
        QCOMPARE(conn->query(QStringLiteral("select * from 商品类别"))->count(), 0);
        QCOMPARE(conn->query(QStringLiteral("select * from 库存"))->count(), 0);
    }

    void missingDatabaseIsAnErrorAndNoFile()
    {
        QVERIFY(QFile::remove(dbPath()));
        auto conn = Mod1::OpenConn();
        QVERIFY(!conn);
        QVERIFY(conn.error().text().startsWith(QStringLiteral("Error ")));
        QVERIFY(!QFile::exists(dbPath()));
        QCOMPARE(Mod1::ConnState(), 0);
    }
};

VARNHOLT_TEST(TestDatabase)
#include "tst_database.moc"
