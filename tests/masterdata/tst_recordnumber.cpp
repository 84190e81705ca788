#include "dbsession.h"
#include "fixture.h"
#include "recordnumber.h"

Q_DECLARE_METATYPE(NumberScheme)

class TestRecordNumber : public VarnholtTestCase {
    Q_OBJECT
private slots:
    void nextNumber_data()
    {
        QTest::addColumn<NumberScheme>("scheme");
        QTest::addColumn<QStringList>("existing");
        QTest::addColumn<QString>("expected");

        QTest::newRow("empty goods") << NumberSchemes::Goods << QStringList{} << "SP000001";
        QTest::newRow("empty suppliers") << NumberSchemes::Suppliers << QStringList{} << "CJ000001";
        QTest::newRow("empty customers") << NumberSchemes::Customers << QStringList{} << "KH000001";
        QTest::newRow("empty salesmen") << NumberSchemes::Salesmen << QStringList{} << "YW000001";
        QTest::newRow("empty categories") << NumberSchemes::Categories << QStringList{} << "LB001";
        QTest::newRow("empty units") << NumberSchemes::Units << QStringList{} << "DW001";
        QTest::newRow("goods counted on") << NumberSchemes::Goods << QStringList{"SP000123"} << "SP000124";
        QTest::newRow("goods carry") << NumberSchemes::Goods << QStringList{"SP000999"} << "SP001000";
        QTest::newRow("category carry") << NumberSchemes::Categories << QStringList{"LB009"} << "LB010";
        QTest::newRow("unit carry") << NumberSchemes::Units << QStringList{"DW099"} << "DW100";
        QTest::newRow("goods past width") << NumberSchemes::Goods << QStringList{"SP999999"} << "SP1000000";
        QTest::newRow("goods past width again") << NumberSchemes::Goods << QStringList{"SP999999", "SP1000000"} << "SP1000001";
        QTest::newRow("category past width") << NumberSchemes::Categories << QStringList{"LB999"} << "LB1000";
        QTest::newRow("category past width again") << NumberSchemes::Categories << QStringList{"LB1000", "LB999"} << "LB1001";
        QTest::newRow("largest, not last") << NumberSchemes::Suppliers << QStringList{"CJ000005", "CJ000002"} << "CJ000006";
        QTest::newRow("tail without digits") << NumberSchemes::Goods << QStringList{"SPABCDEF"} << "SP000001";
        QTest::newRow("digits then letters") << NumberSchemes::Goods << QStringList{"SP00012X"} << "SP000013";
        QTest::newRow("other prefix ignored") << NumberSchemes::Units << QStringList{"LB500", "DW002"} << "DW003";
        QTest::newRow("lower case and blanks") << NumberSchemes::Categories << QStringList{"lb007", " LB003 "} << "LB008";
    }

    void nextNumber()
    {
        QFETCH(NumberScheme, scheme);
        QFETCH(QStringList, existing);
        QFETCH(QString, expected);
        auto conn = Mod1::OpenConn();
        QVERIFY(conn);
        for (const QString& number : existing)
            QVERIFY(conn->insert(scheme.table, {{scheme.column, number}}));
        auto next = NextRecordNumber(*conn, scheme);
        QVERIFY(next);
        QCOMPARE(*next, expected);
    }

    void failureIsAnErrorValue()
    {
        Database::setFailureHook([](const QString&) { return std::optional<DbError>(DbError{10, "disk I/O error"}); });
        auto conn = Mod1::OpenConn();
        QVERIFY(conn);
        auto next = NextRecordNumber(*conn, NumberSchemes::Suppliers);
        QVERIFY(!next);
        QCOMPARE(next.error().text(), QStringLiteral("Error 10: disk I/O error"));
    }
};

VARNHOLT_TEST(TestRecordNumber)
#include "tst_recordnumber.moc"
