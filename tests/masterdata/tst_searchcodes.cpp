#include "dbsession.h"
#include "fixture.h"
#include "module2.h"
#include "searchcodes.h"

class TestSearchCodes : public VarnholtTestCase {
    Q_OBJECT
private slots:
    void codesOfName_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("pinyin");
        QTest::addColumn<QString>("wubi");
        QTest::newRow("two characters") << "张三"
                                        << "ZS"
                                        << "XD";
        QTest::newRow("empty") << ""
                               << ""
                               << "";
        // Without sysdepe rows each character stands for itself, letters upper case.
        QTest::newRow("letters, blank, digit") << "ab 1"
                                               << "AB 1"
                                               << "AB 1";
        QTest::newRow("quote") << "O'K"
                               << "O'K"
                               << "O'K";
        QTest::newRow("mixed") << "张a三"
                               << "ZAS"
                               << "XAD";
    }

    void codesOfName()
    {
        QFETCH(QString, name);
        QFETCH(QString, pinyin);
        QFETCH(QString, wubi);
        auto conn = Mod1::OpenConn();
        QVERIFY(conn);
        auto codes = MakeSearchCodes(*conn, name);
        QVERIFY(codes);
        QCOMPARE(codes->pinyin, pinyin);
        QCOMPARE(codes->wubi, wubi);
    }

    void pinyinComesFromTheSharedInitial()
    {
        const QString name = QStringLiteral("啊＃");
        auto conn = Mod1::OpenConn();
        auto codes = MakeSearchCodes(*conn, name);
        QVERIFY(codes);
        QCOMPARE(codes->pinyin, Module2::GetPYInitial(name.left(1)) + Module2::GetPYInitial(name.mid(1)));
        QCOMPARE(codes->pinyin, QStringLiteral("A0"));
    }

    void onlyTheFirstLetterOfTheCodeCounts()
    {
        auto conn = Mod1::OpenConn();
        QVERIFY(conn->exec(QStringLiteral("delete from sysdepe where k1 = '张'")));
        QVERIFY(conn->insert(QStringLiteral("sysdepe"), {{"k1", QStringLiteral("张")}, {"k2", QStringLiteral("qwer")}}));
        auto codes = MakeSearchCodes(*conn, QStringLiteral("张"));
        QVERIFY(codes);
        QCOMPARE(codes->wubi, QStringLiteral("Q"));
    }
};

VARNHOLT_TEST(TestSearchCodes)
#include "tst_searchcodes.moc"
