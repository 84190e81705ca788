#include "fixture.h"
#include "inifile.h"

#include <QDir>
#include <QFile>
#include <cstdio>
#include <cstdlib>
#include <sys/mount.h>

namespace {
// A 64 KiB disk of its own, unmounted again at the end of the scope.
struct SmallDisk {
    explicit SmallDisk(const QString& folder)
        : path(QFile::encodeName(folder))
    {
        mounted = QDir().mkpath(folder) && ::mount("tmpfs", path.constData(), "tmpfs", 0, "size=64k") == 0;
    }
    ~SmallDisk()
    {
        if (mounted)
            ::umount(path.constData());
    }
    QByteArray path;
    bool mounted = false;
};

// What CTest counts as a skip for this case.
constexpr int SkipCode = 77;
}

// Settings written onto a really full disk. Needs a tmpfs mount; where the
// machine refuses one the whole case exits with CTest's skip code.
class TestFullDisk : public VarnholtTestCase {
    Q_OBJECT
private slots:
    void aFullDiskKeepsTheOldSettings()
    {
        const QString disk = root() + QStringLiteral("/disk");
        const SmallDisk small(disk);
        if (!small.mounted) {
            std::perror("cannot mount a tmpfs; skipping");
            std::exit(SkipCode);
        }
        const IniFile ini(disk + QStringLiteral("/config.ini"));
        QVERIFY(ini.write(QStringLiteral("option1"), QStringLiteral("name"), QStringLiteral("True")));
        QFile file(ini.path());
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray before = file.readAll();
        file.close();

        QFile filler(disk + QStringLiteral("/filler"));
        QVERIFY(filler.open(QIODevice::WriteOnly));
        const QByteArray block(4096, 'x');
        while (filler.write(block) == block.size() && filler.flush()) {
        }
        filler.close();

        QString reason;
        QVERIFY(!ini.write(QStringLiteral("option2"), QStringLiteral("name"), QString(8192, QLatin1Char('y')), &reason));
        QVERIFY(!reason.isEmpty());
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), before);
    }
};

VARNHOLT_TEST(TestFullDisk)
#include "tst_fulldisk.moc"
