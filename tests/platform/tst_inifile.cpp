#include "fixture.h"
#include "inifile.h"

#include <QFile>

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

    void encodingIsToldByTheMarkOrTheText_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("value");
        // 陆路 in GBK is also valid UTF-8, where it reads "½·".
        QTest::newRow("GBK that is valid UTF-8") << QByteArray("[s]\r\nk=\xC2\xBD\xC2\xB7\r\n") << QStringLiteral("陆路");
        QTest::newRow("GBK") << QByteArray("[s]\nk=\xB1\xA8\xB1\xED\n") << QStringLiteral("报表");
        QTest::newRow("unmarked UTF-8") << QStringLiteral("[s]\nk=按拼音码\n").toUtf8() << QStringLiteral("按拼音码");
        QTest::newRow("marked UTF-8") << QByteArray("\xEF\xBB\xBF[s]\nk=\xC2\xBD\xC2\xB7\n") << QStringLiteral("½·");
        QTest::newRow("neither") << QByteArray("[s]\nk=\xC3\xA9\xFF\n") << QStringLiteral("é\uFFFD");
    }
    void encodingIsToldByTheMarkOrTheText()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, value);
        IniFile ini(root() + QStringLiteral("/config.ini"));
        QFile file(ini.path());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        file.close();
        QCOMPARE(ini.read(QStringLiteral("s"), QStringLiteral("k")), value);
        // A rewrite keeps the line and marks the file, so it reads the same.
        QVERIFY(ini.write(QStringLiteral("t"), QStringLiteral("k"), QStringLiteral("1")));
        QCOMPARE(ini.read(QStringLiteral("s"), QStringLiteral("k")), value);
        QVERIFY(ini.write(QStringLiteral("t"), QStringLiteral("k"), QStringLiteral("2")));
        QCOMPARE(ini.read(QStringLiteral("s"), QStringLiteral("k")), value);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.readAll().startsWith("\xEF\xBB\xBF[s]\n"));
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
