#include "curltransfer.h"
#include "fixture.h"
#include "immediatebackup.h"
#include "messagebox.h"
#include "netservers.h"
#include "networkbackup.h"
#include "networkrestore.h"
#include "networld.h"
#include "zipfile.h"

#include <QLabel>
#include <QLineEdit>

using namespace BackupWorld;
using namespace NetWorld;
using NetServers::answer;

namespace {
QStringList workFoldersLeft(const QString& appPath)
{
    return QDir(appPath).entryList({QStringLiteral(".restore-*")}, QDir::AllEntries | QDir::Hidden);
}
}

class TestNetworkRestore : public VarnholtTestCase {
    Q_OBJECT

    // The books as the server keeps them: the live ones with a category more.
    QByteArray serverBooks()
    {
        if (!exec(QStringLiteral("insert into 商品类别 (编号, 名称) values ('LB001', '饮料')")))
            return {};
        QByteArray books = bytesOf(dbPath());
        exec(QStringLiteral("delete from 商品类别"));
        return books;
    }

    static QByteArray archiveOf(const QList<ZipFile::Entry>& entries, const QString& path)
    {
        QDir().mkpath(QFileInfo(path).path());
        return ZipFile::write(path, entries) ? bytesOf(path) : QByteArray();
    }

    // Opens the backup window of the administrator and starts the hidden
    // network restore, as a click would.
    static QPointer<frm_backup> runNetworkRestore()
    {
        QPointer<frm_backup> form = openWindow();
        auto* button = control<QPushButton>(form, "ComDown");
        if (!button || !button->isEnabled()) {
            QTest::qFail("ComDown is missing or disabled", __FILE__, __LINE__);
            return form;
        }
        button->click();
        return form;
    }

    void prepare(const QString& host)
    {
        QVERIFY(runFromUsbStick(appPath()));
        makeBackupFolder();
        QVERIFY(setServer("http", host));
    }

private slots:
    void fetchesTheFileInBlocks_data()
    {
        QTest::addColumn<int>("size");
        QTest::addColumn<QList<QByteArray>>("ranges");
        QTest::addColumn<QStringList>("labels");
        QTest::newRow("48213 bytes") << 48213 << QList<QByteArray>{"bytes=0-20480", "bytes=20480-40960", "bytes=40960-61440"}
                                     << QStringList{QStringLiteral("42%(20480/48213)"), QStringLiteral("84%(40960/48213)"),
                                                    QStringLiteral("99%(48212/48213)"),
                                                    QStringLiteral("下载完成！(共48213字节)")};
        QTest::newRow("one block and a byte")
            << 20481 << QList<QByteArray>{"bytes=0-20480"}
            << QStringList{QStringLiteral("99%(20480/20481)"), QStringLiteral("下载完成！(共20481字节)")};
    }

    void fetchesTheFileInBlocks()
    {
        QFETCH(int, size);
        QFETCH(QList<QByteArray>, ranges);
        QFETCH(QStringList, labels);
        const QByteArray file = noise(size);
        NetServers::ScriptedHttpd server([&](const QByteArray& range) { return NetServers::rangeOf(file, range); });
        QVERIFY(server.isRunning());
        const QString transfer = makeBackupFolder() + QStringLiteral("/down.Vdat");
        QVERIFY(writeFile(transfer, noise(70000))); // a longer file of an earlier run

        QStringList shown;
        const auto result = NetworkRestore::download(NetworkRestore::remoteAddress(server.host(), remotePath), transfer,
                                                     [&](const QString& text) { shown << text; });
        QVERIFY(result.finished);
        QVERIFY(result.notice.isEmpty() && !result.error);
        QCOMPARE(result.total, qint64(size));
        QCOMPARE(server.ranges(), ranges);
        QCOMPARE(shown, QStringList{QStringLiteral("开始下载：") + transfer} + labels);
        QCOMPARE(bytesOf(transfer), file);
    }

    void aFileThatIsNoArchiveLeavesTheBooks()
    {
        const QString served = tempFolder() + QStringLiteral("/www");
        QVERIFY(writeFile(served + QLatin1Char('/') + remotePath, noise(48213)));
        NetServers::BusyboxHttpd server(served);
        QVERIFY(server.isRunning());
        prepare(server.host());
        const QByteArray before = bytesOf(dbPath());

        MessageBox::setNextAnswer(QMessageBox::Ok);
        QPointer<frm_backup> form = runNetworkRestore();
        QCOMPARE(MessageBox::shownTexts(), QStringList{QStringLiteral("数据恢复失败！\n文件不是本店的数据库")});
        QCOMPARE(control<QLabel>(form, "Label1")->text(), QStringLiteral("下载完成！(共48213字节)"));
        QCOMPARE(bytesOf(NetworkBackup::downloadFile()), noise(48213));
        QCOMPARE(bytesOf(dbPath()), before);
        QVERIFY(workFoldersLeft(appPath()).isEmpty());
        QVERIFY(control<QPushButton>(form, "ComDown")->isEnabled());
        QVERIFY(form->isVisible());
    }

    void restoresTheServersArchive()
    {
        const QString served = tempFolder() + QStringLiteral("/www");
        const QByteArray archive = archiveOf({{"db_kcgl.mdb", serverBooks()}, {"data/", {}}, {"data/a.txt", "新的附件"}},
                                             served + QLatin1Char('/') + remotePath);
        QVERIFY(!archive.isEmpty());
        QVERIFY(writeFile(appPath() + QStringLiteral("/data/a.txt"), "旧的附件，比新的长"));
        // Left by an unpacking that a kill cut off.
        QVERIFY(writeFile(appPath() + QStringLiteral("/.restore-a1B2c3/db_kcgl.mdb"), noise(1000)));
        NetServers::BusyboxHttpd server(served);
        QVERIFY(server.isRunning());
        prepare(server.host());
        QVERIFY(categories().isEmpty());

        MessageBox::setNextAnswer(QMessageBox::Ok);
        QPointer<frm_backup> form = runNetworkRestore();
        QCOMPARE(MessageBox::shownTexts(), QStringList{QStringLiteral("成功恢复数据！")});
        QCOMPARE(categories(), QStringList{QStringLiteral("饮料")});
        QCOMPARE(bytesOf(appPath() + QStringLiteral("/data/a.txt")), QByteArray("新的附件"));
        QCOMPARE(bytesOf(NetworkBackup::downloadFile()), archive);
        QCOMPARE(control<QLabel>(form, "Label1")->text(), QStringLiteral("下载完成！(共%1字节)").arg(archive.size()));
        QVERIFY(workFoldersLeft(appPath()).isEmpty());
        QCOMPARE(QFileInfo(dbPath()).permissions() & (QFileDevice::ReadGroup | QFileDevice::ReadOther),
                 QFileDevice::Permissions());
    }

    void aBadArchiveChangesNothing_data()
    {
        QTest::addColumn<QByteArray>("badEntry");
        QTest::addColumn<QByteArray>("books");
        QTest::addColumn<QString>("message");
        const QString refused = QStringLiteral("数据恢复失败！\n压缩包条目被拒绝");
        QTest::newRow("an entry above the folder") << QByteArray("../x") << QByteArray("db_kcgl.mdb") << refused;
        QTest::newRow("an entry above, written with backslashes")
            << QByteArray("data\\..\\..\\x") << QByteArray("db_kcgl.mdb") << refused;
        QTest::newRow("an absolute entry") << QByteArray("/tmp/x") << QByteArray("db_kcgl.mdb") << refused;
        QTest::newRow("no books at the root")
            << QByteArray("x") << QByteArray("data/db_kcgl.mdb") << QStringLiteral("数据恢复失败！\n文件不是本店的数据库");
    }

    void aBadArchiveChangesNothing()
    {
        QFETCH(QByteArray, badEntry);
        QFETCH(QByteArray, books);
        QFETCH(QString, message);
        const QString served = tempFolder() + QStringLiteral("/www");
        QVERIFY(!archiveOf({{books, serverBooks()}, {"data/a.txt", "附件"}, {badEntry, "outside"}},
                           served + QLatin1Char('/') + remotePath)
                     .isEmpty());
        NetServers::BusyboxHttpd server(served);
        QVERIFY(server.isRunning());
        prepare(server.host());
        const QByteArray before = bytesOf(dbPath());

        MessageBox::setNextAnswer(QMessageBox::Ok);
        runNetworkRestore();
        QCOMPARE(MessageBox::shownTexts(), QStringList{message});
        QCOMPARE(bytesOf(dbPath()), before);
        QVERIFY(!QFile::exists(appPath() + QStringLiteral("/data")));
        QVERIFY(!QFile::exists(root() + QStringLiteral("/x")));
        QVERIFY(!QFile::exists(appPath() + QStringLiteral("/x")));
        QVERIFY(workFoldersLeft(appPath()).isEmpty());
    }

    void answersThatEndTheRun_data()
    {
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("notice"); // a 提示 box with the information icon, else one without a title
        QTest::newRow("the range ignored") << answer(200, "OK", {}, "whole file") << QStringLiteral("不支持断点续传") << true;
        QTest::newRow("too many connections") << answer(403, "Forbidden") << QStringLiteral("连接数过多") << true;
        QTest::newRow("no such file") << answer(404, "Not Found") << QStringLiteral("文件无法找到") << true;
        QTest::newRow("server error") << answer(500, "Internal Server Error")
                                      << QStringLiteral("%1未知错误：Internal Server Error(500)") << true;
        QTest::newRow("silence") << QByteArray() << QStringLiteral("下载文件超时") << true;
        QTest::newRow("no Content-Range") << answer(206, "Partial Content", {}, "part") << QStringLiteral("无法获取文件大小！")
                                          << true;
        QTest::newRow("an unknown size") << answer(206, "Partial Content", {"Content-Range: bytes 0-3/*"}, "part")
                                         << QStringLiteral("无法获取文件大小！") << true;
        QTest::newRow("nothing to fetch") << answer(416, "Range Not Satisfiable") << QStringLiteral("数据恢复失败！\n文件不完整")
                                          << false;
        // A body shorter than announced, by its Content-Range or its Content-Length.
        const QByteArray shortBody = answer(206, "Partial Content", {"Content-Range: bytes 0-20480/48213"}, noise(100));
        QTest::newRow("a body short of its range") << shortBody << QStringLiteral("数据恢复失败！\n文件不完整") << false;
        QTest::newRow("a connection closed early")
            << QByteArray(shortBody).replace("Content-Length: 100", "Content-Length: 20481")
            << QStringLiteral("数据恢复失败！\n文件不完整") << false;
        // Answers that do not keep to the range asked for.
        QTest::newRow("another range than asked")
            << answer(206, "Partial Content", {"Content-Range: bytes 100-20580/48213"}, noise(20481))
            << QStringLiteral("不支持断点续传") << true;
        QTest::newRow("a body past its range")
            << answer(206, "Partial Content", {"Content-Range: bytes 0-20480/48213"}, noise(30000))
            << QStringLiteral("不支持断点续传") << true;
        // A size no backup of the books can have is refused before anything is written.
        QTest::newRow("a size past any backup")
            << answer(206, "Partial Content", {"Content-Range: bytes 0-20480/1000000000000"}, noise(20481))
            << QStringLiteral("数据恢复失败！\n文件过大") << false;
    }

    void answersThatEndTheRun()
    {
        QFETCH(QByteArray, reply);
        QFETCH(QString, text);
        QFETCH(bool, notice);
        NetworkWait::setLooks(4);
        QPointer<QPushButton> button;
        QList<bool> enabledWhileAsked;
        NetServers::ScriptedHttpd server([&](const QByteArray&) {
            enabledWhileAsked << (button && button->isEnabled());
            return reply;
        });
        prepare(server.host());
        const QByteArray before = bytesOf(dbPath());
        const QString address = QStringLiteral("http://%1/%2").arg(server.host(), remotePath);

        MessageBox::setNextAnswer(QMessageBox::Ok);
        QPointer<frm_backup> form = openWindow();
        button = control<QPushButton>(form, "ComDown");
        button->click();
        QCOMPARE(enabledWhileAsked, QList<bool>{false});
        QCOMPARE(MessageBox::shown().size(), 1);
        const MessageBoxRecord box = MessageBox::shown().constFirst();
        QCOMPARE(box.text, text.contains(QLatin1String("%1")) ? text.arg(address) : text);
        QCOMPARE(box.title, notice ? QStringLiteral("提示") : QStringLiteral("Varnholt"));
        QCOMPARE(box.icon, notice ? QMessageBox::Information : QMessageBox::NoIcon);
        QCOMPARE(bytesOf(dbPath()), before);
        QCOMPARE(QFileInfo(NetworkBackup::downloadFile()).size(), 0);
        QVERIFY(button->isEnabled());
    }

    // A block whose body never ends is stopped once it passes the bytes asked
    // for, long before the wait for it runs out.
    void aBlockThatNeverEndsIsStopped()
    {
        NetworkWait::setLooks(100);
        NetServers::ScriptedHttpd server(
            [](const QByteArray&) {
                return QByteArray("HTTP/1.1 206 Partial Content\r\nContent-Range: bytes 0-20480/48213\r\n"
                                  "Content-Length: 1000000000000\r\n\r\n");
            },
            true);
        prepare(server.host());
        const QByteArray before = bytesOf(dbPath());
        MessageBox::setNextAnswer(QMessageBox::Ok);
        runNetworkRestore();
        QCOMPARE(MessageBox::shownTexts(), QStringList{QStringLiteral("不支持断点续传")});
        QCOMPARE(server.ranges(), QList<QByteArray>{"bytes=0-20480"});
        QCOMPARE(QFileInfo(NetworkBackup::downloadFile()).size(), 0);
        QCOMPARE(bytesOf(dbPath()), before);
    }

    // The size each block announces stays the one of the first block.
    void aSizeThatGrowsOnTheWayIsRefused()
    {
        const QByteArray file = noise(48213);
        NetServers::ScriptedHttpd server([&](const QByteArray& range) {
            QByteArray reply = NetServers::rangeOf(file, range);
            return range == "bytes=0-20480" ? reply : reply.replace("/48213", "/1000000000000");
        });
        prepare(server.host());
        const QByteArray before = bytesOf(dbPath());
        MessageBox::setNextAnswer(QMessageBox::Ok);
        runNetworkRestore();
        QCOMPARE(MessageBox::shownTexts(), QStringList{QStringLiteral("不支持断点续传")});
        QCOMPARE(server.ranges().size(), 2);
        QCOMPARE(bytesOf(NetworkBackup::downloadFile()), file.left(20481));
        QCOMPARE(bytesOf(dbPath()), before);
    }

    void noAnswerAtAllIsReported_data()
    {
        QTest::addColumn<bool>("serverSet");
        QTest::addColumn<QString>("prefix");
        QTest::newRow("no server set") << false << QStringLiteral("Error 3: ");
        QTest::newRow("connection refused") << true << QStringLiteral("Error 7: ");
    }

    void noAnswerAtAllIsReported()
    {
        QFETCH(bool, serverSet);
        QFETCH(QString, prefix);
        prepare(serverSet ? QStringLiteral("127.0.0.1:%1").arg(NetServers::closedPort()) : QString());
        const QByteArray before = bytesOf(dbPath());
        MessageBox::setNextAnswer(QMessageBox::Ok);
        runNetworkRestore();
        QCOMPARE(MessageBox::shown().size(), 1);
        QVERIFY2(MessageBox::shown().constFirst().text.startsWith(prefix), qPrintable(MessageBox::shown().constFirst().text));
        QVERIFY(MessageBox::shown().constFirst().text.size() > prefix.size());
        QCOMPARE(bytesOf(dbPath()), before);
    }

    void oneNetworkRestoreAtATime()
    {
        const QString served = tempFolder() + QStringLiteral("/update.dat");
        // Noise that does not compress keeps the download to several blocks.
        const QByteArray archive = archiveOf({{"db_kcgl.mdb", serverBooks()}, {"data/noise.bin", noise(30000)}}, served);
        QVERIFY(archive.size() > 2 * NetworkRestore::blockSize);
        const QString backup = makeBackupFolder() + QStringLiteral("/2024-03-01-1200.mdb");
        QVERIFY(ImmediateBackup::copy(dbPath(), backup));
        QPointer<frm_backup> first;
        QPointer<frm_backup> reopened;
        QStringList progressSeen;
        bool offeredAgain = true;
        int requests = 0;
        NetServers::ScriptedHttpd server([&](const QByteArray& range) {
            if (++requests == 1) {
                first->close();
                reopened = openWindow();
                auto* restore = control<QPushButton>(reopened, "Command5");
                auto* down = control<QPushButton>(reopened, "ComDown");
                offeredAgain = restore->isEnabled() || down->isEnabled();
                control<QLineEdit>(reopened, "Text1")->setText(backup);
                QTest::mouseClick(restore, Qt::LeftButton);
                down->click();
            }
            progressSeen << control<QLabel>(reopened, "Label1")->toolTip(); // the whole text
            return NetServers::rangeOf(archive, range);
        });
        prepare(server.host());

        MessageBox::setNextAnswer(QMessageBox::Ok);
        first = openWindow();
        control<QPushButton>(first, "ComDown")->click();
        QVERIFY(!offeredAgain);
        QCOMPARE(MessageBox::shownTexts(), QStringList{QStringLiteral("成功恢复数据！")});
        QCOMPARE(server.ranges().count("bytes=0-20480"), 1);
        QCOMPARE(categories(), QStringList{QStringLiteral("饮料")});
        const QString total = QString::number(archive.size());
        QCOMPARE(progressSeen.value(0), QStringLiteral("开始下载：") + NetworkBackup::downloadFile());
        QCOMPARE(progressSeen.value(1),
                 QStringLiteral("%1%(20480/%2)").arg(QString::number(20480 * 100 / archive.size()), total));
        QCOMPARE(control<QLabel>(reopened, "Label1")->text(), QStringLiteral("下载完成！(共%1字节)").arg(total));
        QVERIFY(control<QPushButton>(reopened, "Command5")->isEnabled());
        QVERIFY(control<QPushButton>(reopened, "ComDown")->isEnabled());
        settle();
        QVERIFY(!first);
    }

    void theWindowClosedMidwayStaysUntilTheRunEnds()
    {
        QPointer<frm_backup> form;
        NetServers::ScriptedHttpd server([&](const QByteArray&) {
            form->close(); // as the timed backup closes the window
            return answer(404, "Not Found");
        });
        prepare(server.host());
        MessageBox::setNextAnswer(QMessageBox::Ok);
        form = openWindow();
        control<QPushButton>(form, "ComDown")->click();
        QCOMPARE(MessageBox::shownTexts(), QStringList{QStringLiteral("文件无法找到")});
        QVERIFY(form);
        QVERIFY(!form->isVisible());
        settle();
        QVERIFY(!form);
    }
};

VARNHOLT_TEST(TestNetworkRestore)
#include "tst_networkrestore.moc"
