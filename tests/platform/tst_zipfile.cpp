#include "fixture.h"
#include "testfiles.h"
#include "zipfile.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

using namespace TestFiles;

Q_DECLARE_METATYPE(ZipFile::Limits)

namespace {
QStringList filesBelow(const QString& folder)
{
    QStringList files;
    QDirIterator it(folder, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext())
        files << QDir(folder).relativeFilePath(it.next());
    files.sort();
    return files;
}
}

class TestZipFile : public VarnholtTestCase {
    Q_OBJECT

    QString file(const QString& name) const { return tempFolder() + QLatin1Char('/') + name; }

private slots:
    void packsFilesAndUnpacksThem()
    {
        const QByteArray large = noise(200000);
        QVERIFY(writeFile(file(QStringLiteral("books")), large));
        QVERIFY(writeFile(file(QStringLiteral("empty")), {}));
        const QString archive = file(QStringLiteral("up.Vdat"));
        QVERIFY(writeFile(archive, noise(300000))); // an older, longer archive
        QVERIFY(ZipFile::pack(archive, {{"db_kcgl.mdb", file(QStringLiteral("books"))},
                                        {"子目录/空.txt", file(QStringLiteral("empty"))}}));

        const auto entries = ZipFile::read(archive);
        QVERIFY(entries);
        QCOMPARE(entries->size(), 2);
        QCOMPARE(entries->at(0).name, QByteArray("db_kcgl.mdb"));
        QCOMPARE(entries->at(0).data, large);
        QCOMPARE(entries->at(1).name, QByteArray("子目录/空.txt"));
        QCOMPARE(entries->at(1).data, QByteArray());

        const QString target = file(QStringLiteral("out"));
        QVERIFY(ZipFile::unpack(archive, target));
        QCOMPARE(filesBelow(target),
                 (QStringList{QStringLiteral("db_kcgl.mdb"), QStringLiteral("子目录"), QStringLiteral("子目录/空.txt")}));
        QCOMPARE(bytesOf(target + QStringLiteral("/db_kcgl.mdb")), large);
    }

    void unpacksFolderEntriesAndBackslashes()
    {
        const QString archive = file(QStringLiteral("a.zip"));
        QVERIFY(ZipFile::write(archive, {{"data/", {}}, {"data/empty/", {}}, {"data\\sub\\a.txt", "甲"}, {"./b.txt", "乙"}}));
        const QString target = file(QStringLiteral("out"));
        QVERIFY(writeFile(file(QStringLiteral("b.txt")), "outside, untouched"));
        QVERIFY(QDir().mkpath(target));
        QVERIFY(writeFile(target + QStringLiteral("/b.txt"), "an older b, longer than the new one"));
        QVERIFY(ZipFile::unpack(archive, target));
        QCOMPARE(filesBelow(target), (QStringList{QStringLiteral("b.txt"), QStringLiteral("data"), QStringLiteral("data/empty"),
                                                  QStringLiteral("data/sub"), QStringLiteral("data/sub/a.txt")}));
        QCOMPARE(bytesOf(target + QStringLiteral("/data/sub/a.txt")), QByteArray("甲"));
        QCOMPARE(bytesOf(target + QStringLiteral("/b.txt")), QByteArray("乙"));
    }

    void refusesAnArchiveReachingOutside_data()
    {
        QTest::addColumn<QByteArray>("name");
        QTest::newRow("parent") << QByteArray("../x");
        QTest::newRow("parent inside a path") << QByteArray("a/../../x");
        QTest::newRow("parent with backslashes") << QByteArray("a\\..\\..\\x");
        QTest::newRow("absolute") << QByteArray("/x");
        QTest::newRow("the folder itself, as a file") << QByteArray(".");
    }

    void refusesAnArchiveReachingOutside()
    {
        QFETCH(QByteArray, name);
        const QString archive = file(QStringLiteral("a.zip"));
        QVERIFY(ZipFile::write(archive, {{"first.txt", "written before the bad entry"}, {name, "x"}, {"last.txt", "z"}}));
        const QString target = file(QStringLiteral("out/in"));
        QVERIFY(QDir().mkpath(target));
        const ZipFile::Unpacked unpacked = ZipFile::unpack(archive, target);
        QVERIFY(!unpacked);
        QVERIFY2(unpacked.error.contains(QString::fromUtf8(name)), qPrintable(unpacked.error));
        QCOMPARE(filesBelow(file(QStringLiteral("out"))), QStringList{QStringLiteral("in")});
    }

    void stopsWhereItCannotGoOn_data()
    {
        QTest::addColumn<QString>("damage");
        QTest::newRow("a folder where a file stands") << QStringLiteral("folder");
        QTest::newRow("a damaged entry") << QStringLiteral("entry");
        QTest::newRow("a cut-off archive") << QStringLiteral("cut");
        QTest::newRow("no archive") << QStringLiteral("none");
    }

    void stopsWhereItCannotGoOn()
    {
        QFETCH(QString, damage);
        const QString archive = file(QStringLiteral("a.zip"));
        const QByteArray content = noise(5000);
        if (damage == QStringLiteral("folder")) {
            QVERIFY(ZipFile::write(archive, {{"data", "a file"}, {"data/a.txt", "cannot land"}}));
        } else {
            QVERIFY(ZipFile::write(archive, {{"a.bin", content}}));
            QByteArray bytes = bytesOf(archive);
            if (damage == QStringLiteral("entry"))
                bytes[60] = char(bytes[60] ^ 0x55); // inside the compressed data
            else if (damage == QStringLiteral("cut"))
                bytes.chop(30);
            else
                bytes = content;
            QVERIFY(writeFile(archive, bytes));
        }
        const ZipFile::Unpacked unpacked = ZipFile::unpack(archive, file(QStringLiteral("out")));
        QVERIFY(!unpacked);
        QVERIFY(!unpacked.error.isEmpty());
        QVERIFY(!QFile::exists(file(QStringLiteral("out/data/a.txt"))));
    }

    void tellsAnArchiveCutOffFromNone_data()
    {
        QTest::addColumn<QString>("damage");
        QTest::addColumn<int>("problem");
        QTest::newRow("cut before its directory") << QStringLiteral("cut") << int(ZipFile::Unpacked::Damaged);
        QTest::newRow("empty") << QStringLiteral("empty") << int(ZipFile::Unpacked::Damaged);
        QTest::newRow("no archive") << QStringLiteral("noise") << int(ZipFile::Unpacked::NotAnArchive);
    }

    void tellsAnArchiveCutOffFromNone()
    {
        QFETCH(QString, damage);
        QFETCH(int, problem);
        const QString archive = file(QStringLiteral("a.zip"));
        QVERIFY(ZipFile::write(archive, {{"a.bin", noise(5000)}}));
        const QByteArray whole = bytesOf(archive);
        const QByteArray kept = damage == QStringLiteral("cut")     ? whole.left(whole.size() / 2)
                                : damage == QStringLiteral("empty") ? QByteArray()
                                                                    : noise(5000);
        QVERIFY(writeFile(archive, kept));
        QCOMPARE(int(ZipFile::unpack(archive, file(QStringLiteral("out"))).problem), problem);
    }

    // Limits (entries, bytes, free space) around a fixture of four entries and
    // 9 bytes, each row one below it.
    void refusesAnArchivePastItsLimits_data()
    {
        QTest::addColumn<ZipFile::Limits>("limits");
        QTest::addColumn<int>("problem");
        QTest::newRow("more entries") << ZipFile::Limits{3, 9, 9} << int(ZipFile::Unpacked::EntryRefused);
        QTest::newRow("more bytes") << ZipFile::Limits{4, 8, 9} << int(ZipFile::Unpacked::EntryRefused);
        QTest::newRow("more than the disk takes") << ZipFile::Limits{4, 9, 8} << int(ZipFile::Unpacked::NoSpace);
    }

    void refusesAnArchivePastItsLimits()
    {
        QFETCH(ZipFile::Limits, limits);
        QFETCH(int, problem);
        const QString archive = file(QStringLiteral("a.zip"));
        QVERIFY(ZipFile::write(archive, {{"a.txt", "aaa"}, {"data/", {}}, {"data/b.txt", "bbb"}, {"c.txt", "ccc"}}));
        const QString target = file(QStringLiteral("out"));
        QVERIFY(QDir().mkpath(target));
        QCOMPARE(int(ZipFile::unpack(archive, target, limits).problem), problem);
        QCOMPARE(filesBelow(target), QStringList());
        // At the limits it unpacks.
        QVERIFY(ZipFile::unpack(archive, target, {4, 9, 9}));
    }

    void unpackedFilesAreTheOwnersAlone()
    {
        const QString archive = file(QStringLiteral("a.zip"));
        QVERIFY(ZipFile::write(archive, {{"new.txt", "new"}, {"old.txt", "replaced"}}));
        const QString target = file(QStringLiteral("out"));
        QVERIFY(writeFile(target + QStringLiteral("/old.txt"), "readable by all"));
        QVERIFY(QFile::setPermissions(target + QStringLiteral("/old.txt"), QFileDevice::ReadOwner | QFileDevice::WriteOwner
                                                                               | QFileDevice::ReadGroup
                                                                               | QFileDevice::ReadOther));
        QVERIFY(ZipFile::unpack(archive, target));
        for (const QString& name : {QStringLiteral("new.txt"), QStringLiteral("old.txt")}) {
            QCOMPARE(QFileInfo(target + QLatin1Char('/') + name).permissions()
                         & ~(QFileDevice::ReadUser | QFileDevice::WriteUser), // Qt's aliases of the owner's bits
                     QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        }
        QCOMPARE(bytesOf(target + QStringLiteral("/old.txt")), QByteArray("replaced"));
    }

    void packingAMissingFileLeavesNoArchive()
    {
        const QString archive = file(QStringLiteral("up.Vdat"));
        QVERIFY(!ZipFile::pack(archive, {{"db_kcgl.mdb", file(QStringLiteral("missing"))}}));
        QVERIFY(!QFile::exists(archive));
    }
};

VARNHOLT_TEST(TestZipFile)
#include "tst_zipfile.moc"
