#include "appstate.h"
#include "fixture.h"
#include "startup.h"

#include <QDir>
#include <QFile>

class TestStartup : public VarnholtTestCase {
    Q_OBJECT
private slots:
    void startupPreparesAnEmptyAppPath()
    {
        QVERIFY(QDir(appPath()).removeRecursively());
        const StartupResult result = prepareVarnholt();
        QCOMPARE(result.exitCode, 0);
        QCOMPARE(AppState::instance().appPath, appPath());
        QVERIFY(QFile::exists(dbPath()));
    }
};

VARNHOLT_TEST(TestStartup)
#include "tst_startup.moc"
