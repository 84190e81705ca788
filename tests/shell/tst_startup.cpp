#include "appstate.h"
#include "fixture.h"
#include "messagebox.h"
#include "paths.h"
#include "startvarnholt.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <sqlite3.h>

class TestStartup : public VarnholtTestCase {
    Q_OBJECT
private slots:
    void startupPreparesAnEmptyAppPath()
    {
        QVERIFY(QDir(appPath()).removeRecursively());
        const StartupResult result = startVarnholt();
        QCOMPARE(result.exitCode, 0);
        QCOMPARE(AppState::instance().appPath, appPath());
        QVERIFY(QFile::exists(dbPath()));
    }

    // The folder cannot be made, or the delivered file cannot be copied in:
    // the user reads the folder and the system's reason, and the program ends.
    void aFailedCopyNamesTheFolderAndEnds_data()
    {
        QTest::addColumn<bool>("folderUnderAFile");
        QTest::newRow("folder under a regular file") << true;
        QTest::newRow("nothing to copy") << false;
    }
    void aFailedCopyNamesTheFolderAndEnds()
    {
        QFETCH(bool, folderUnderAFile);
        const QString blocker = root() + QStringLiteral("/blocker");
        QString folder = appPath();
        if (folderUnderAFile) {
            QFile file(blocker);
            QVERIFY(file.open(QIODevice::WriteOnly));
            folder = blocker + QStringLiteral("/Varnholt");
            qputenv("VARNHOLT_HOME", folder.toUtf8());
        } else {
            QVERIFY(QFile::remove(dbPath()));
            Paths::setDeliveredDir(root() + QStringLiteral("/empty"));
        }
        MessageBox::setNextAnswer(QMessageBox::Ok);

        const StartupResult result = startVarnholt();

        QVERIFY(!result.runEventLoop);
        QVERIFY(result.exitCode != 0);
        const QString prefix = QStringLiteral("无法复制数据库到文件夹：") + folder + QLatin1Char('\n');
        QCOMPARE(MessageBox::shownTexts().size(), 1);
        const QString shown = MessageBox::shownTexts().first();
        QVERIFY2(shown.startsWith(prefix) && shown.size() > prefix.size(), qPrintable(shown));
    }

    void aFileThatIsNotTheShopsDatabaseEnds_data()
    {
        QTest::addColumn<bool>("foreign");
        QTest::newRow("empty file") << false;
        QTest::newRow("another program's database") << true;
    }
    void aFileThatIsNotTheShopsDatabaseEnds()
    {
        QFETCH(bool, foreign);
        QVERIFY(QFile::remove(dbPath()));
        if (foreign) {
            sqlite3* db = nullptr;
            QCOMPARE(sqlite3_open(QFile::encodeName(dbPath()).constData(), &db), SQLITE_OK);
            QCOMPARE(sqlite3_exec(db, "create table notes(text)", nullptr, nullptr, nullptr), SQLITE_OK);
            sqlite3_close(db);
        } else {
            QFile file(dbPath());
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        MessageBox::setNextAnswer(QMessageBox::Ok);

        const StartupResult result = startVarnholt();

        QVERIFY(!result.runEventLoop);
        QVERIFY(result.exitCode != 0);
        QCOMPARE(MessageBox::shownTexts(), QStringList(dbPath() + QStringLiteral(" 不是本店的数据库。")));
        QCOMPARE(QFileInfo(dbPath()).size() == 0, !foreign);
    }
};

VARNHOLT_TEST(TestStartup)
#include "tst_startup.moc"
