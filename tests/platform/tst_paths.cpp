#include "fixture.h"
#include "paths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <sys/stat.h>

class TestPaths : public VarnholtTestCase {
    Q_OBJECT
private:
    QString makeSource(const QByteArray& content)
    {
        QString source = root() + QStringLiteral("/source");
        QDir().mkpath(source);
        QFile file(source + QStringLiteral("/db_kcgl.mdb"));
        file.open(QIODevice::WriteOnly);
        file.write(content);
        return source;
    }

    static QByteArray contentOf(const QString& path)
    {
        QFile file(path);
        file.open(QIODevice::ReadOnly);
        return file.readAll();
    }

private slots:
    void appPathComesFromTheEnvironment()
    {
        QCOMPARE(Paths::appPath(), appPath());
        qunsetenv("VARNHOLT_HOME");
        QCOMPARE(Paths::appPath(), root() + QStringLiteral("/data/Varnholt"));
    }

    void emptyAppPathReceivesTheDeliveredFileOwnerOnly()
    {
        const QString source = makeSource("delivered");
        const QString target = root() + QStringLiteral("/新 店/数据 文件夹");
        const mode_t previous = ::umask(022);
        const bool prepared = Paths::prepareAppPath(target, source, {QStringLiteral("db_kcgl.mdb")});
        ::umask(previous);
        QVERIFY(prepared);
        const QString copied = target + QStringLiteral("/db_kcgl.mdb");
        QCOMPARE(contentOf(copied), QByteArray("delivered"));
        QCOMPARE(QFileInfo(copied).permissions()
                     & (QFileDevice::ReadGroup | QFileDevice::ReadOther | QFileDevice::WriteGroup | QFileDevice::WriteOther),
                 QFileDevice::Permissions());
    }

    void aFileAlreadyThereIsNeverReplaced()
    {
        const QString source = makeSource("new build");
        QFile own(dbPath());
        QVERIFY(own.open(QIODevice::WriteOnly | QIODevice::Truncate));
        own.write("the shop's books");
        own.close();
        QVERIFY(Paths::prepareAppPath(appPath(), source, {QStringLiteral("db_kcgl.mdb")}));
        QCOMPARE(contentOf(dbPath()), QByteArray("the shop's books"));
    }

    void deliveredFilePrefersTheShopsOwnCopy()
    {
        Paths::setDeliveredDir(root() + QStringLiteral("/share"));
        QCOMPARE(Paths::deliveredFile(appPath(), QStringLiteral("data.xls")), root() + QStringLiteral("/share/data.xls"));
        QFile own(appPath() + QStringLiteral("/data.xls"));
        QVERIFY(own.open(QIODevice::WriteOnly));
        own.close();
        QCOMPARE(Paths::deliveredFile(appPath(), QStringLiteral("data.xls")), appPath() + QStringLiteral("/data.xls"));
    }
};

VARNHOLT_TEST(TestPaths)
#include "tst_paths.moc"
