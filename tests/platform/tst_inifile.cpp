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
        // Written by an editor in UTF-8, without a mark: punctuation, symbols
        // and emoji of three or four bytes say UTF-8 without any Chinese.
        for (const char* text : {"Café 报表", "München", "naïve", "约翰·史密斯", "★①℃ 温度", "D:/资料/报表", "/home/u/“Notes”",
                                 "Rock—Pop", "€uro", "📁 Work"})
            QTest::newRow(qPrintable(QStringLiteral("UTF-8 ") + QString::fromUtf8(text)))
                << utf8(text) << QString::fromUtf8(text);
        // The old program's GBK, some of it valid UTF-8 too (陆路 is "½·",
        // 小叶 Cyrillic, 小石 an IPA letter, 谢 "л").
        for (const char* text : {"陆路", "小叶", "小石", "谢", "C:/Program Files/腾讯QQ", "报表"})
            QTest::newRow(qPrintable(QStringLiteral("GBK ") + QString::fromUtf8(text))) << gbk(text) << QString::fromUtf8(text);
        // GBK whose UTF-8 reading holds a four-byte private-use character.
        QTest::newRow("GBK 蟾帆虏") << gbk("蟾帆虏") << QStringLiteral("蟾帆虏");
        // The ambiguous cases. GBK whose UTF-8 reading is Latin letters reads as UTF-8.
        QTest::newRow("GBK 毛毛 stays ambiguous") << gbk("毛毛") << QStringLiteral("ëë");
        // UTF-8 two-byte characters whose GBK reading is Chinese read as GBK.
        QTest::newRow("UTF-8 a·b stays ambiguous") << utf8("a·b") << QStringLiteral("a路b");
        QTest::newRow("UTF-8 Москва stays ambiguous") << utf8("Москва") << QStringLiteral("袦芯褋泻胁邪");
        // Rare GBK whose bytes form assigned three-byte UTF-8 characters reads as UTF-8.
        QTest::newRow("GBK 洹颁爱 stays ambiguous") << gbk("洹颁爱") << QStringLiteral("䡰䰮");
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

    // What a Windows editor saves as "Unicode" and "Unicode big endian", and
    // marked ASCII: a rewrite is UTF-8 with its mark.
    void markedFilesKeepAMarkThroughARewrite_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("encoding");
        QTest::addColumn<QString>("value");
        QTest::newRow("UTF-16 LE") << QByteArray("\xFF\xFE[\0s\0]\0\r\0\n\0k\0=\0\xA5\x62\x68\x88\r\0\n\0", 24)
                                   << int(IniFile::Encoding::Utf8OrGbk) << QStringLiteral("报表");
        QTest::newRow("UTF-16 BE") << QByteArray("\xFE\xFF\0[\0s\0]\0\r\0\n\0k\0=\x62\xA5\x88\x68\0\r\0\n", 24)
                                   << int(IniFile::Encoding::Utf8OrGbk) << QStringLiteral("报表");
        QTest::newRow("ASCII with a UTF-8 mark")
            << QByteArray("\xEF\xBB\xBF[s]\r\nk=22\r\n") << int(IniFile::Encoding::Utf8OrGbk) << QStringLiteral("22");
        QTest::newRow("Varnholt's own, marked")
            << QByteArray("\xEF\xBB\xBF[s]\nk=22\n") << int(IniFile::Encoding::Utf8) << QStringLiteral("22");
    }
    void markedFilesKeepAMarkThroughARewrite()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, encoding);
        QFETCH(QString, value);
        IniFile ini(root() + QStringLiteral("/config.ini"), IniFile::Encoding(encoding));
        QVERIFY(TestFiles::writeFile(ini.path(), bytes));
        QCOMPARE(ini.read(QStringLiteral("s"), QStringLiteral("k")), value);
        QVERIFY(ini.write(QStringLiteral("t"), QStringLiteral("k"), QStringLiteral("1")));
        QCOMPARE(TestFiles::bytesOf(ini.path()), "\xEF\xBB\xBF[s]\nk=" + value.toUtf8() + "\n[t]\nk=1\n");
    }

    // A rewrite would turn what no reading decodes into replacement
    // characters for good: the file is left alone and the reason given.
    void fileNoReadingDecodesIsNotRewritten_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("value");
        QTest::newRow("neither UTF-8 nor GBK") << QByteArray("\xC3\xA9\xFF") << QStringLiteral("é\uFFFD");
        // 报表 in GBK without its last byte: a GBK reading would drop it.
        QTest::newRow("GBK cut in half a character") << QByteArray("\xB1\xA8\xB1") << QStringLiteral("\uFFFD\uFFFD\uFFFD");
        QTest::newRow("UTF-16 of an odd length")
            << QByteArray("\xFF\xFE[\0s\0]\0\n\0k\0=\0\x31\0\x32\0\x33", 19) << QStringLiteral("12\uFFFD");
    }
    void fileNoReadingDecodesIsNotRewritten()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, value);
        IniFile ini(root() + QStringLiteral("/config.ini"), IniFile::Encoding::Utf8OrGbk);
        const QByteArray file = bytes.startsWith("\xFF\xFE") ? bytes : "[s]\nk=" + bytes + '\n';
        QVERIFY(TestFiles::writeFile(ini.path(), file));
        QCOMPARE(ini.read(QStringLiteral("s"), QStringLiteral("k")), value);
        QString reason;
        QVERIFY(!ini.write(QStringLiteral("t"), QStringLiteral("k"), QStringLiteral("1"), &reason));
        QCOMPARE(reason, QStringLiteral("文件中有无法识别的字符（不是 UTF-8、UTF-16 或 GBK 文本），改写会损坏它，未写入"));
        QCOMPARE(TestFiles::bytesOf(ini.path()), file);
    }

    // A line break in a value would start lines of its own: [sel] name=1
    // ahead of the real one switches the daily shutdown on.
    void aValueThatBreaksALineIsRefused_data()
    {
        QTest::addColumn<QString>("value");
        QTest::newRow("line feed") << QStringLiteral("/home/u/evil\n[sel]\nname=1");
        QTest::newRow("carriage return") << QStringLiteral("/home/u/evil\r[sel]\rname=1");
        QTest::newRow("NUL") << QStringLiteral("/home/u/evil") + QChar(0) + QStringLiteral("x");
    }
    void aValueThatBreaksALineIsRefused()
    {
        QFETCH(QString, value);
        IniFile ini(root() + QStringLiteral("/config.ini"), IniFile::Encoding::Utf8OrGbk);
        const QByteArray before = "[soft1]\nsoft=/bin/true\n[sel]\nname=0\n";
        QVERIFY(TestFiles::writeFile(ini.path(), before));
        QString reason;
        QVERIFY(!ini.write({{QStringLiteral("soft2"), QStringLiteral("soft"), QStringLiteral("/bin/ls")},
                            {QStringLiteral("soft1"), QStringLiteral("soft"), value}},
                           &reason));
        QCOMPARE(reason, QStringLiteral("[soft1] soft 的值含有换行符，未写入"));
        QCOMPARE(TestFiles::bytesOf(ini.path()), before);
    }

    void severalKeysAreOneRewriteOrNone()
    {
        IniFile ini(root() + QStringLiteral("/config.ini"), IniFile::Encoding::Utf8OrGbk);
        const QByteArray before = "[shi]\nname=21\n[fen]\nname=00\n[sel]\nname=0\n";
        QVERIFY(TestFiles::writeFile(ini.path(), before));
        const QList<IniFile::Entry> entries{{QStringLiteral("shi"), QStringLiteral("name"), QStringLiteral("07")},
                                            {QStringLiteral("fen"), QStringLiteral("name"), QStringLiteral("30")},
                                            {QStringLiteral("sel"), QStringLiteral("name"), QStringLiteral("1")}};
        IniFile::setWriteFailure(QStringLiteral("No space left on device"), QStringLiteral("fen"));
        QString reason;
        QVERIFY(!ini.write(entries, &reason));
        QCOMPARE(reason, QStringLiteral("No space left on device"));
        QCOMPARE(TestFiles::bytesOf(ini.path()), before);

        IniFile::setWriteFailure({});
        QVERIFY(ini.write(entries));
        QCOMPARE(TestFiles::bytesOf(ini.path()), "[shi]\nname=07\n[fen]\nname=30\n[sel]\nname=1\n");
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
