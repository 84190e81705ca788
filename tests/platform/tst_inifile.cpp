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
