#include "fixture.h"
#include "inifile.h"
#include "testfiles.h"

#include <QFile>
#include <QStringEncoder>

class TestIniFile : public VarnholtTestCase {
    Q_OBJECT
private slots:
    void valuesReadBackAsWritten_data()
    {
        QTest::addColumn<QString>("value");
        QTest::newRow("comma") << QStringLiteral("a,b");
        QTest::newRow("equals") << QStringLiteral("x=y=z");
        QTest::newRow("semicolon") << QStringLiteral("; not a comment");
        QTest::newRow("chinese") << QStringLiteral("按拼音码");
        QTest::newRow("bool") << QStringLiteral("True");
    }
    void valuesReadBackAsWritten()
    {
        QFETCH(QString, value);
        IniFile ini(root() + QStringLiteral("/missing folder/config.ini"));
        QVERIFY(ini.write(QStringLiteral("option1"), QStringLiteral("name"), value));
        QCOMPARE(ini.read(QStringLiteral("option1"), QStringLiteral("name")), value);
    }

    void missingFileSectionOrKeyReadsEmpty()
    {
        IniFile ini(root() + QStringLiteral("/config.ini"));
        QCOMPARE(ini.read(QStringLiteral("s"), QStringLiteral("k")), QString());
        QVERIFY(ini.write(QStringLiteral("s"), QStringLiteral("k"), QStringLiteral("1")));
        QCOMPARE(ini.read(QStringLiteral("s"), QStringLiteral("other")), QString());
        QCOMPARE(ini.read(QStringLiteral("t"), QStringLiteral("k")), QString());
    }

    void rewritingKeepsOtherSectionsAndKeys()
    {
        IniFile ini(root() + QStringLiteral("/config.ini"));
        ini.write(QStringLiteral("option1"), QStringLiteral("name"), QStringLiteral("True"));
        ini.write(QStringLiteral("option2"), QStringLiteral("name"), QStringLiteral("False"));
        ini.write(QStringLiteral("option1"), QStringLiteral("extra"), QStringLiteral("x"));
        ini.write(QStringLiteral("OPTION1"), QStringLiteral("Name"), QStringLiteral("False"));
        QCOMPARE(ini.read(QStringLiteral("option1"), QStringLiteral("name")), QStringLiteral("False"));
        QCOMPARE(ini.read(QStringLiteral("option1"), QStringLiteral("extra")), QStringLiteral("x"));
        QCOMPARE(ini.read(QStringLiteral("option2"), QStringLiteral("name")), QStringLiteral("False"));
        QFile file(ini.path());
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll().count("[option1]"), 1);
    }

    // Files a user or the old program may have left, as Teskarn reads them.
    void unmarkedFilesReadInTheirEncoding_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("value");
        const auto utf8 = [](const char* text) { return QString::fromUtf8(text).toUtf8(); };
        const auto gbk = [](const char* text) { return QByteArray(QStringEncoder("GBK").encode(QString::fromUtf8(text))); };
        // Written by an editor in UTF-8, without a mark.
        for (const char* text : {"Café 报表", "München", "naïve", "约翰·史密斯", "★①℃ 温度", "D:/资料/报表"})
            QTest::newRow(qPrintable(QStringLiteral("UTF-8 ") + QString::fromUtf8(text)))
                << utf8(text) << QString::fromUtf8(text);
        // The old program's GBK, some of it valid UTF-8 too (陆路 is "½·",
        // 小叶 Cyrillic, 小石 an IPA letter, 谢 "л").
        for (const char* text : {"陆路", "小叶", "小石", "谢", "C:/Program Files/腾讯QQ", "报表"})
            QTest::newRow(qPrintable(QStringLiteral("GBK ") + QString::fromUtf8(text))) << gbk(text) << QString::fromUtf8(text);
        // The ambiguous case: GBK whose UTF-8 reading is Latin letters reads as UTF-8.
        QTest::newRow("GBK 毛毛 stays ambiguous") << gbk("毛毛") << QStringLiteral("ëë");
        QTest::newRow("neither") << QByteArray("\xC3\xA9\xFF") << QStringLiteral("é\uFFFD");
    }
    void unmarkedFilesReadInTheirEncoding()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, value);
        IniFile ini(root() + QStringLiteral("/config.ini"), IniFile::Encoding::Utf8OrGbk);
        const QByteArray file = "[s]\r\nk=" + bytes + "\r\n[t]\r\nk=1\r\n";
        QVERIFY(TestFiles::writeFile(ini.path(), file));
        QCOMPARE(ini.read(QStringLiteral("s"), QStringLiteral("k")), value);
        // A save that changes nothing leaves the file as it was.
        QVERIFY(ini.write(QStringLiteral("t"), QStringLiteral("k"), QStringLiteral("1")));
        QCOMPARE(TestFiles::bytesOf(ini.path()), file);
        // A rewrite keeps the characters read and marks the file, so it reads the same.
        QVERIFY(ini.write(QStringLiteral("t"), QStringLiteral("k"), QStringLiteral("2")));
        QCOMPARE(ini.read(QStringLiteral("s"), QStringLiteral("k")), value);
        QVERIFY(TestFiles::bytesOf(ini.path()).startsWith("\xEF\xBB\xBF[s]\nk=" + value.toUtf8() + '\n'));
    }

    void varnholtsOwnFilesAreUtf8()
    {
        // Each would read as GBK in a file of the old program's.
        for (const QByteArray& value : {QByteArray("\xC2\xBD\xC2\xB7"), QByteArray("\xD0\xA1\xD2\xB6")}) {
            IniFile ini(root() + QStringLiteral("/database.ini"));
            QVERIFY(TestFiles::writeFile(ini.path(), "[server]\npassword=" + value + '\n'));
            QCOMPARE(ini.read(QStringLiteral("server"), QStringLiteral("password")), QString::fromUtf8(value));
            QVERIFY(ini.write(QStringLiteral("server"), QStringLiteral("user"), QStringLiteral("shop")));
            QCOMPARE(TestFiles::bytesOf(ini.path()), "[server]\npassword=" + value + "\nuser=shop\n");
        }
    }

    void theMarkSaysUtf8()
    {
        IniFile ini(root() + QStringLiteral("/config.ini"), IniFile::Encoding::Utf8OrGbk);
        QVERIFY(TestFiles::writeFile(ini.path(), "\xEF\xBB\xBF[s]\nk=\xC2\xBD\xC2\xB7\n"));
        QCOMPARE(ini.read(QStringLiteral("s"), QStringLiteral("k")), QStringLiteral("½·"));
    }

    void userSettingsLiveUnderTheConfigFolder()
    {
        QCOMPARE(UserSettings::get(QStringLiteral("database"), QStringLiteral("time"), QStringLiteral("hour"),
                                   QStringLiteral("16")),
                 QStringLiteral("16"));
        QVERIFY(
            UserSettings::save(QStringLiteral("database"), QStringLiteral("time"), QStringLiteral("hour"), QStringLiteral("9")));
        QCOMPARE(UserSettings::get(QStringLiteral("database"), QStringLiteral("time"), QStringLiteral("hour")),
                 QStringLiteral("9"));
        QVERIFY(QFile::exists(root() + QStringLiteral("/config/Varnholt/database.ini")));
    }
};

VARNHOLT_TEST(TestIniFile)
#include "tst_inifile.moc"
