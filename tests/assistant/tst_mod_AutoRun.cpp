#include "fixture.h"
#include "mod_AutoRun.h"

#include <QDir>
#include <QFile>

using namespace Teskarn;

class TestModAutoRun : public VarnholtTestCase {
    Q_OBJECT
public:
    TestModAutoRun()
        : VarnholtTestCase(TestedProgram::Teskarn)
    {
    }

private slots:
    void execQuotesThePathAsOneArgument_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("exec");
        QTest::newRow("plain") << "/opt/Teskarn/bin/Teskarn"
                               << "\"/opt/Teskarn/bin/Teskarn\"";
        QTest::newRow("blank and chinese") << "/home/店主/我的 程序/Teskarn"
                                           << "\"/home/店主/我的 程序/Teskarn\"";
        QTest::newRow("quote, dollar, backtick") << "/a\"b/$c/`d`"
                                                 << "\"/a\\\\\"b/\\\\$c/\\\\`d\\\\`\"";
        // A backslash is escaped for the quoting, then each for the string value.
        QTest::newRow("backslash") << "/a\\b"
                                   << "\"/a\\\\\\\\b\"";
        QTest::newRow("percent") << "/100%/Teskarn"
                                 << "\"/100%%/Teskarn\"";
        QTest::newRow("newline") << "/a\nb"
                                 << "\"/a\\nb\"";
    }
    void execQuotesThePathAsOneArgument()
    {
        QFETCH(QString, path);
        QFETCH(QString, exec);
        QCOMPARE(mod_AutoRun::execValue(path), exec);
    }

    void onWritesTheEntryAndOffRemovesIt()
    {
        const QString entry = qEnvironmentVariable("XDG_CONFIG_HOME") + QStringLiteral("/autostart/teskarn.desktop");
        QCOMPARE(mod_AutoRun::entryPath(), entry);
        QCOMPARE(mod_AutoRun::SetAutoRun(false), std::nullopt); // nothing to remove
        QCOMPARE(mod_AutoRun::SetAutoRun(true), std::nullopt);
        QCOMPARE(mod_AutoRun::SetAutoRun(true), std::nullopt);
        QFile file(entry);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.readAll().startsWith("[Desktop Entry]\nType=Application\nName=Teskarn\nExec="));
        file.close();
        QCOMPARE(mod_AutoRun::SetAutoRun(false), std::nullopt);
        QVERIFY(!QFile::exists(entry));
    }

    void failuresNameWhatCouldNotBeDone()
    {
        // A folder in the entry's place cannot be replaced or removed.
        QVERIFY(QDir().mkpath(mod_AutoRun::entryPath() + QStringLiteral("/inside")));
        const std::optional<QString> on = mod_AutoRun::SetAutoRun(true);
        QVERIFY(on && on->endsWith(mod_AutoRun::entryPath()));
        const std::optional<QString> off = mod_AutoRun::SetAutoRun(false);
        QVERIFY(off && off->endsWith(mod_AutoRun::entryPath()));
    }
};

VARNHOLT_TEST(TestModAutoRun)
#include "tst_mod_AutoRun.moc"
