#include "desktop.h"
#include "fixture.h"
#include "websearch.h"

#include <QUrl>

Q_DECLARE_METATYPE(WebSearch::Engine)

using Engine = WebSearch::Engine;

class TestWebSearch : public VarnholtTestCase {
    Q_OBJECT
private slots:
    void searchAddress_data()
    {
        QTest::addColumn<Engine>("engine");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("ending");
        const QString taobao = QStringLiteral(
            "/browse/search_auction.htm?commend=all&search_type=auction&user_action=initiative&f=D9_5_1&at_topsearch=1"
            "&sort=&spercent=0&q=");
        const QString amazon = QStringLiteral("/s/ref=nb_sb_noss/?_encoding=UTF-8&search-alias=aps&field-keywords=");
        QTest::newRow("baidu") << Engine::Baidu << "red apple"
                               << "/baidu?word=red+apple";
        QTest::newRow("taobao") << Engine::Taobao << "red apple" << taobao + QStringLiteral("red+apple");
        QTest::newRow("jd") << Engine::JD << "red apple"
                            << "/Search?keyword=red%20apple&enc=utf-8";
        QTest::newRow("amazon") << Engine::Amazon << "red apple" << amazon + QStringLiteral("red+apple");
        QTest::newRow("taobao empty") << Engine::Taobao << "" << taobao;
        QTest::newRow("a blank is not empty") << Engine::Baidu << " "
                                              << "/baidu?word=+";
        QTest::newRow("ampersand") << Engine::Baidu << "A&B"
                                   << "word=A%26B";
        QTest::newRow("hash") << Engine::JD << "C#"
                              << "keyword=C%23&enc=utf-8";
        QTest::newRow("plus") << Engine::Amazon << "C++ book"
                              << "field-keywords=C%2B%2B+book";
        QTest::newRow("percent") << Engine::Baidu << "100%"
                                 << "word=100%25";
        QTest::newRow("chinese") << Engine::JD << "红 苹果"
                                 << "keyword=%E7%BA%A2%20%E8%8B%B9%E6%9E%9C&enc=utf-8";
    }
    void searchAddress()
    {
        QFETCH(Engine, engine);
        QFETCH(QString, text);
        QFETCH(QString, ending);
        const QString address = WebSearch::address(engine, text);
        QVERIFY2(address.endsWith(ending), qPrintable(address));
        const QUrl url(address, QUrl::StrictMode);
        QVERIFY(url.isValid());
        QCOMPARE(url.scheme(), QStringLiteral("https"));
    }

    void emptyTextOpensTheHomePage_data()
    {
        QTest::addColumn<Engine>("engine");
        QTest::addColumn<QString>("query");
        QTest::newRow("baidu") << Engine::Baidu << "";
        QTest::newRow("jd keeps its suffix") << Engine::JD << "&enc=utf-8";
        QTest::newRow("amazon") << Engine::Amazon << "";
    }
    void emptyTextOpensTheHomePage()
    {
        QFETCH(Engine, engine);
        QFETCH(QString, query);
        const QString address = WebSearch::address(engine, QString());
        QVERIFY2(address.endsWith(query), qPrintable(address));
        const QUrl url(address, QUrl::StrictMode);
        QVERIFY(url.isValid());
        QCOMPARE(url.path(), QStringLiteral("/"));
        QCOMPARE(url.query(), query);
    }

    // The encoded text reaches the desktop as it was built.
    void openHandsTheAddressToTheDesktop()
    {
        QVERIFY(WebSearch::open(Engine::JD, QStringLiteral("红 apple&pie")));
        QCOMPARE(DesktopOpener::recorded().size(), 1);
        const QString sent = QUrl(DesktopOpener::recorded().first().target).toString(QUrl::FullyEncoded);
        QVERIFY2(sent.endsWith(QStringLiteral("keyword=%E7%BA%A2%20apple%26pie&enc=utf-8")), qPrintable(sent));
    }
};

VARNHOLT_TEST(TestWebSearch)
#include "tst_websearch.moc"
