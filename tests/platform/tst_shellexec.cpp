#include "desktop.h"
#include "fixture.h"
#include "shellexec.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

namespace {
class RefusingOpener : public DesktopOpener {
public:
    bool openUrl(const QUrl&) override { return false; }
    bool startProgram(const QString&, const QStringList&) override { return false; }
};

bool makeFile(const QString& path, bool executable)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write("#!/bin/sh\n");
    file.close();
    return !executable || file.setPermissions(file.permissions() | QFileDevice::ExeOwner);
}
}

class TestShellExec : public VarnholtTestCase {
    Q_OBJECT
private slots:
    void opensTheTarget_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<bool>("split");
        QTest::addColumn<QString>("target");
        QTest::addColumn<QStringList>("arguments");
        // "@" stands for the test's AppPath (its name holds a blank), "^" for
        // its temporary folder (none): both exist only once the test runs.
        const QString doc = QStringLiteral("@/说明 1.txt");
        const QString tool = QStringLiteral("^/tool");
        QTest::newRow("address whole") << "https://example.com/a b" << false << "https://example.com/a b" << QStringList();
        QTest::newRow("bare www address") << "www.example.com" << false << "http://www.example.com" << QStringList();
        QTest::newRow("document with a blank") << doc << false << doc << QStringList();
        QTest::newRow("split without a blank") << tool << true << tool << QStringList();
        QTest::newRow("program with parameters") << tool + QStringLiteral(" -x \"two words\"") << true << tool
                                                 << QStringList({QStringLiteral("-x"), QStringLiteral("two words")});
        QTest::newRow("folder") << "@" << false << "@" << QStringList();
        // "~" for the home folder; "#" stands for the test's home.
        QTest::newRow("in the home folder") << "~/notes.txt" << false << "#/notes.txt" << QStringList();
        QTest::newRow("program on the path") << "sh -c exit" << true << QStandardPaths::findExecutable(QStringLiteral("sh"))
                                             << QStringList({QStringLiteral("-c"), QStringLiteral("exit")});
    }
    void opensTheTarget()
    {
        QFETCH(QString, command);
        QFETCH(bool, split);
        QFETCH(QString, target);
        QFETCH(QStringList, arguments);
        for (QString* text : {&command, &target})
            text->replace(QLatin1Char('@'), appPath())
                .replace(QLatin1Char('^'), tempFolder())
                .replace(QLatin1Char('#'), QDir::homePath());
        QVERIFY(makeFile(appPath() + QStringLiteral("/说明 1.txt"), false));
        QVERIFY(QDir().mkpath(QDir::homePath()) && makeFile(QDir::homePath() + QStringLiteral("/notes.txt"), false));
        QVERIFY(makeFile(tempFolder() + QStringLiteral("/tool"), true));
        QVERIFY(mdlShellExec::ShellOpen(command, split));
        QCOMPARE(DesktopOpener::recorded().size(), 1);
        const DesktopOpener::Request request = DesktopOpener::recorded().first();
        if (target.contains(QStringLiteral("://")))
            QCOMPARE(QUrl(request.target), QUrl(target));
        else
            QCOMPARE(request.target, target);
        QCOMPARE(request.arguments, arguments);
    }

    void whatCannotBeOpenedGivesFalse_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<bool>("split");
        QTest::newRow("empty") << "" << false;
        QTest::newRow("missing file") << "@/missing.txt" << false;
        // Split at the blank inside AppPath's name: the part before it is no file.
        QTest::newRow("split inside a path") << "@/db_kcgl.mdb" << true;
        QTest::newRow("unknown program") << "no-such-program-here --help" << true;
    }
    void whatCannotBeOpenedGivesFalse()
    {
        QFETCH(QString, command);
        QFETCH(bool, split);
        command.replace(QLatin1Char('@'), appPath());
        QVERIFY(!mdlShellExec::ShellOpen(command, split));
        QVERIFY(DesktopOpener::recorded().isEmpty());
    }

    void aRefusalOfTheDesktopGivesFalse()
    {
        DesktopOpener::install(std::make_unique<RefusingOpener>());
        QVERIFY(!mdlShellExec::ShellOpen(QStringLiteral("https://example.com/")));
        QVERIFY(!mdlShellExec::ShellOpen(dbPath()));
    }
};

VARNHOLT_TEST(TestShellExec)
#include "tst_shellexec.moc"
