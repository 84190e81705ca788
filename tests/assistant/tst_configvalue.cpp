#include "configvalue.h"
#include "fixture.h"

#include <QDir>
#include <QFile>
#include <QStringEncoder>

using Teskarn::ReadConfigValue;
using Teskarn::WriteConfigValue;

namespace {
QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
}

class TestConfigValue : public VarnholtTestCase {
    Q_OBJECT
public:
    TestConfigValue()
        : VarnholtTestCase(TestedProgram::Teskarn)
    {
    }

private slots:
    void withoutAFileEveryKeyReadsEmpty()
    {
        QList<QPair<QString, QString>> keys{{"shi", "name"}, {"fen", "name"}, {"sel", "name"}};
        for (int slot = 1; slot <= 8; ++slot)
            keys.append({QStringLiteral("soft%1").arg(slot), QStringLiteral("soft")});
        for (int slot : {1, 2, 3, 5, 6, 7}) {
            keys.append({QStringLiteral("file%1").arg(slot), QStringLiteral("file")});
            keys.append({QStringLiteral("name%1").arg(slot), QStringLiteral("name")});
        }
        for (const auto& [section, key] : keys)
            QCOMPARE(ReadConfigValue(section, key), QString());
        QVERIFY(!QFile::exists(Teskarn::configFilePath()));
    }

    void valuesReadBackWithoutOuterBlanks_data()
    {
        QTest::addColumn<QString>("written");
        QTest::addColumn<QString>("read");
        QTest::newRow("blanks around") << QStringLiteral("  x  ") << QStringLiteral("x");
        QTest::newRow("chinese with a blank") << QStringLiteral("财务 报表") << QStringLiteral("财务 报表");
        QTest::newRow("separators") << QStringLiteral("a=b;c,d") << QStringLiteral("a=b;c,d");
        const QString longPath = QStringLiteral("/srv/") + QString(395, QLatin1Char('p'));
        QTest::newRow("400 bytes") << longPath << longPath;
        QTest::newRow("empty") << QString() << QString();
    }
    void valuesReadBackWithoutOuterBlanks()
    {
        QFETCH(QString, written);
        QFETCH(QString, read);
        QVERIFY(WriteConfigValue(QStringLiteral("soft3"), QStringLiteral("soft"), written));
        QCOMPARE(ReadConfigValue(QStringLiteral("soft3"), QStringLiteral("soft")), read);
        // Stored as given, blanks and all.
        QVERIFY(fileBytes(Teskarn::configFilePath()).contains(("soft=" + written + "\n").toUtf8()));
        QCOMPARE(Teskarn::configFilePath(), root() + QStringLiteral("/config/Teskarn/config.ini"));
    }

    void fileOfTheOldCodePageReadsAndKeepsItsLines()
    {
        QVERIFY(QDir().mkpath(QFileInfo(Teskarn::configFilePath()).absolutePath()));
        QFile file(Teskarn::configFilePath());
        QVERIFY(file.open(QIODevice::WriteOnly));
        QStringEncoder gbk("GBK");
        file.write(gbk.encode(QStringLiteral("[name1]\r\nname=报表\r\n; 手写的说明\r\n[sel]\r\nname=1\r\n")));
        file.close();

        QCOMPARE(ReadConfigValue(QStringLiteral("name1"), QStringLiteral("name")), QStringLiteral("报表"));
        QVERIFY(WriteConfigValue(QStringLiteral("shi"), QStringLiteral("name"), QStringLiteral("22")));
        QCOMPARE(ReadConfigValue(QStringLiteral("name1"), QStringLiteral("name")), QStringLiteral("报表"));
        QCOMPARE(ReadConfigValue(QStringLiteral("sel"), QStringLiteral("name")), QStringLiteral("1"));
        QCOMPARE(ReadConfigValue(QStringLiteral("shi"), QStringLiteral("name")), QStringLiteral("22"));
        QVERIFY(QString::fromUtf8(fileBytes(Teskarn::configFilePath())).contains(QStringLiteral("; 手写的说明\n")));
    }

    void folderInThePlaceOfTheFileReadsEmptyAndRefusesWrites()
    {
        QVERIFY(QDir().mkpath(Teskarn::configFilePath()));
        QCOMPARE(ReadConfigValue(QStringLiteral("shi"), QStringLiteral("name")), QString());
        QVERIFY(!WriteConfigValue(QStringLiteral("shi"), QStringLiteral("name"), QStringLiteral("22")));
        QVERIFY(QFileInfo(Teskarn::configFilePath()).isDir());
    }
};

VARNHOLT_TEST(TestConfigValue)
#include "tst_configvalue.moc"
