#include "appstate.h"
#include "fixture.h"
#include "inifile.h"
#include "mdlini.h"
#include "messagebox.h"

#include <QDir>
#include <QFile>

class TestMdlIni : public VarnholtTestCase {
    Q_OBJECT
private slots:
    void missingFileReadsEmpty()
    {
        QVERIFY(!QFile::exists(appPath() + QStringLiteral("/config.ini")));
        QCOMPARE(mdlINI::ReadIni(QStringLiteral("option1"), QStringLiteral("name")), QString());
    }

    void firstWriteCreatesTheFileInAppPath()
    {
        QVERIFY(mdlINI::WriteIni(QStringLiteral("option2"), QStringLiteral("name"), QStringLiteral("True")));
        QFile file(appPath() + QStringLiteral("/config.ini"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QCOMPARE(lines, QStringList({QStringLiteral("[option2]"), QStringLiteral("name=True")}));
        QCOMPARE(mdlINI::ReadIni(QStringLiteral("option2"), QStringLiteral("name")), QStringLiteral("True"));
        QCOMPARE(mdlINI::ReadIni(QStringLiteral("option2"), QStringLiteral("nameC")), QString());
        QCOMPARE(mdlINI::ReadIni(QStringLiteral("option1"), QStringLiteral("name")), QString());
    }

    // The file follows AppPath as it stands at each call.
    void followsTheCurrentAppPath()
    {
        const QString other = root() + QStringLiteral("/other/");
        QVERIFY(QDir().mkpath(other));
        QVERIFY(mdlINI::WriteIni(QStringLiteral("check1"), QStringLiteral("name"), QStringLiteral("1")));
        AppState::instance().appPath = other;
        QCOMPARE(mdlINI::ReadIni(QStringLiteral("check1"), QStringLiteral("name")), QString());
        QVERIFY(mdlINI::WriteIni(QStringLiteral("check1"), QStringLiteral("name"), QStringLiteral("0")));
        QVERIFY(QFile::exists(other + QStringLiteral("config.ini")));
        AppState::instance().appPath = appPath();
        QCOMPARE(mdlINI::ReadIni(QStringLiteral("check1"), QStringLiteral("name")), QStringLiteral("1"));
    }

    // A write the disk refuses keeps the old bytes and names the file and the
    // reason to the user.
    void aFailedWriteKeepsTheFileAndTellsTheUser()
    {
        QVERIFY(mdlINI::WriteIni(QStringLiteral("option1"), QStringLiteral("name"), QStringLiteral("True")));
        const QString path = appPath() + QStringLiteral("/config.ini");
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray before = file.readAll();
        file.close();

        IniFile::setWriteFailure(QStringLiteral("No space left on device"));
        MessageBox::setNextAnswer(QMessageBox::Ok);
        QVERIFY(!mdlINI::WriteIni(QStringLiteral("option2"), QStringLiteral("name"), QStringLiteral("True")));

        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), before);
        QCOMPARE(MessageBox::shownTexts(), QStringList(QStringLiteral("设置未能保存：") + QDir::toNativeSeparators(path)
                                                       + QStringLiteral("\nNo space left on device")));
        QCOMPARE(mdlINI::ReadIni(QStringLiteral("option1"), QStringLiteral("name")), QStringLiteral("True"));
    }
};

VARNHOLT_TEST(TestMdlIni)
#include "tst_mdlini.moc"
