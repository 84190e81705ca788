#include "fixture.h"
#include "frmUnL.h"
#include "ftp.h"
#include "ftpclient.h"
#include "messagebox.h"
#include "netservers.h"
#include "networkbackup.h"
#include "networkrestore.h"
#include "networld.h"
#include "zipfile.h"

#include <QFileInfo>
#include <QLabel>

using namespace BackupWorld;
using namespace NetWorld;

Q_DECLARE_METATYPE(NetServers::PyFtpd::Renames)

namespace {
const QString account = QStringLiteral("shop");
const QString password = QStringLiteral("58kov3917");

// A stand-in for the tray form, which the upload unloads.
QPointer<QWidget> loadTrayForm()
{
    auto* tray = new QWidget;
    tray->setAttribute(Qt::WA_DeleteOnClose);
    appState().trayForm = tray;
    return tray;
}
}

class TestNetworkUpload : public VarnholtTestCase {
    Q_OBJECT

    QString ftpFolder() const { return tempFolder() + QStringLiteral("/ftp"); }

    void prepare(const QString& host)
    {
        QVERIFY(runFromUsbStick(appPath()));
        QVERIFY(setServer("ftp", host));
        QVERIFY(setServer("user", account));
        QVERIFY(setServer("password", password));
    }

    // Shows the prompt, presses 备 份 and gives the texts LabTips went through.
    static QStringList pressBackup(frmUnL* prompt)
    {
        QStringList tips;
        auto* labTips = control<QLabel>(prompt, "LabTips");
        QObject::connect(prompt->findChild<FtpClient*>(QStringLiteral("inetFTP")), &FtpClient::StateChanged, prompt,
                         [&tips, labTips] { tips << labTips->text(); });
        click(prompt, "CommYes");
        return tips;
    }

private slots:
    void thePromptAsksFirst()
    {
        frmUnL prompt;
        QCOMPARE(prompt.windowTitle(), QStringLiteral("退出询问"));
        QCOMPARE(control<QLabel>(&prompt, "LabExit")->text(), QStringLiteral("备份当前数据到网络服务器？"));
        QCOMPARE(control<QLabel>(&prompt, "LabTips")->text(), QString());
        QCOMPARE(control<QPushButton>(&prompt, "CommYes")->text(), QStringLiteral("备 份"));
        QCOMPARE(control<QPushButton>(&prompt, "Comcancel")->text(), QStringLiteral("退 出"));
        QPointer<frmUnL> shown = new frmUnL;
        shown->show();
        click(shown, "Comcancel");
        settle();
        QVERIFY(!shown);
    }

    void uploadsTheZippedBooksWhereTheRestoreReads()
    {
        QVERIFY(QDir().mkpath(ftpFolder()));
        NetServers::PyFtpd server(ftpFolder(), account, password);
        QVERIFY(server.isRunning());
        prepare(server.host());
        makeBackupFolder();
        QVERIFY(writeFile(NetworkBackup::uploadFile(), noise(5000))); // left by an earlier run
        QPointer<QWidget> tray = loadTrayForm();
        const QByteArray books = bytesOf(dbPath());

        QPointer<frmUnL> prompt = new frmUnL;
        prompt->show();
        const QStringList tips = pressBackup(prompt);
        QVERIFY2(tips.contains(QStringLiteral("正在上传数据......")), qPrintable(tips.join(QLatin1Char('|'))));
        QCOMPARE(tips.constLast(), QStringLiteral("断开"));
        QCOMPARE(control<QLabel>(prompt, "LabTips")->text(), QStringLiteral("断开"));
        QVERIFY(!control<QPushButton>(prompt, "CommYes")->isEnabled());
        settle();
        QVERIFY(!tray);

        const QByteArray uploaded = bytesOf(ftpFolder() + QLatin1Char('/') + remotePath);
        QCOMPARE(uploaded, bytesOf(NetworkBackup::uploadFile()));
        const auto entries = ZipFile::read(NetworkBackup::uploadFile());
        QVERIFY(entries);
        QCOMPARE(entries->size(), 1);
        QCOMPARE(entries->constFirst().name, QByteArray("db_kcgl.mdb"));
        QCOMPARE(entries->constFirst().data, books);

        // The restore takes it back.
        QVERIFY(exec(QStringLiteral("insert into 商品类别 (编号, 名称) values ('LB001', '饮料')")));
        QVERIFY(NetworkRestore::restoreArchive(ftpFolder() + QLatin1Char('/') + remotePath, appPath()).books);
        QCOMPARE(bytesOf(dbPath()), books);
    }

    void anUploadCutOffKeepsTheServersCopy()
    {
        const QString onServer = ftpFolder() + QLatin1Char('/') + remotePath;
        const QByteArray older = noise(3000);
        QVERIFY(writeFile(onServer, older));
        makeBackupFolder();
        loadTrayForm();
        const qint64 dropAfter = 2048;
        {
            NetServers::PyFtpd server(ftpFolder(), account, password, dropAfter);
            QVERIFY(server.isRunning());
            prepare(server.host());
            QPointer<frmUnL> prompt = new frmUnL;
            prompt->show();
            pressBackup(prompt);
            QVERIFY2(QFileInfo(NetworkBackup::uploadFile()).size() > 2 * dropAfter, "the drop comes halfway");
            const QString shown = control<QLabel>(prompt, "LabTips")->text();
            QVERIFY2(shown.startsWith(QStringLiteral("Error: ")), qPrintable(shown));
            QVERIFY2(shown.endsWith(QStringLiteral("\n上传失败，服务器上原有的备份未改动。")), qPrintable(shown));
            QCOMPARE(bytesOf(onServer), older);
            prompt->close();
        }
        // The next whole upload replaces it, leaving nothing beside it.
        NetServers::PyFtpd server(ftpFolder(), account, password);
        QVERIFY(server.isRunning());
        QVERIFY(setServer("ftp", server.host()));
        QPointer<frmUnL> prompt = new frmUnL;
        prompt->show();
        QCOMPARE(pressBackup(prompt).constLast(), QStringLiteral("断开"));
        QCOMPARE(bytesOf(onServer), bytesOf(NetworkBackup::uploadFile()));
        QCOMPARE(QDir(QFileInfo(onServer).path()).entryList(QDir::Files), QStringList{QStringLiteral("update.dat")});
        prompt->close();
    }

    // A server that will not rename onto a name in use: the old copy goes
    // aside, the new one takes the name, then the old one goes. Where the new
    // one cannot take it, the old one gets its name back.
    void aServerThatWillNotReplaceKeepsAWholeCopy_data()
    {
        QTest::addColumn<NetServers::PyFtpd::Renames>("renames");
        QTest::addColumn<bool>("replaced");
        QTest::newRow("no rename onto a name in use") << NetServers::PyFtpd::Renames::OntoExistingRefused << true;
        QTest::newRow("no rename of the new copy") << NetServers::PyFtpd::Renames::FromPartRefused << false;
    }

    void aServerThatWillNotReplaceKeepsAWholeCopy()
    {
        QFETCH(NetServers::PyFtpd::Renames, renames);
        QFETCH(bool, replaced);
        const QString onServer = ftpFolder() + QLatin1Char('/') + remotePath;
        const QByteArray older = noise(3000);
        QVERIFY(writeFile(onServer, older));
        makeBackupFolder();
        loadTrayForm();
        NetServers::PyFtpd server(ftpFolder(), account, password, 0, renames);
        QVERIFY(server.isRunning());
        prepare(server.host());

        QPointer<frmUnL> prompt = new frmUnL;
        prompt->show();
        const QStringList tips = pressBackup(prompt);
        const QString shown = control<QLabel>(prompt, "LabTips")->text();
        const QStringList left = QDir(QFileInfo(onServer).path()).entryList(QDir::Files);
        if (replaced) {
            QCOMPARE(tips.constLast(), QStringLiteral("断开"));
            // The reply told is the rename that put the upload in place, not the old copy's removal.
            const qsizetype received = tips.indexOf(QStringLiteral("收到答复"));
            QVERIFY2(received >= 0, qPrintable(tips.join(QLatin1Char('|'))));
            QCOMPARE(tips.value(received + 1), QStringLiteral("250 Renaming ok."));
            QCOMPARE(bytesOf(onServer), bytesOf(NetworkBackup::uploadFile()));
            QCOMPARE(left, QStringList{QStringLiteral("update.dat")});
        } else {
            QVERIFY2(shown.endsWith(QStringLiteral("\n上传失败，服务器上原有的备份未改动。")), qPrintable(shown));
            QCOMPARE(bytesOf(onServer), older);
            QVERIFY2(!left.contains(QStringLiteral("update.dat.old")), qPrintable(left.join(QLatin1Char(' '))));
        }
        prompt->close();
    }

    void aRefusedConnectionShowsTheError()
    {
        prepare(QStringLiteral("127.0.0.1:%1").arg(NetServers::closedPort()));
        makeBackupFolder();
        QPointer<frmUnL> prompt = new frmUnL;
        prompt->show();
        // Closed by the user as soon as the transfer starts: it runs to its end all the same.
        QObject::connect(prompt->findChild<FtpClient*>(QStringLiteral("inetFTP")), &FtpClient::StateChanged, prompt,
                         [&prompt](int state) {
                             if (state == 1)
                                 prompt->close();
                         });
        const QStringList tips = pressBackup(prompt);
        QVERIFY(prompt);
        const QString shown = control<QLabel>(prompt, "LabTips")->text();
        QCOMPARE(tips.constLast(), shown);
        QVERIFY2(shown.startsWith(QStringLiteral("Error:     7\n    ")), qPrintable(shown));
        QVERIFY(shown.size() > 20);
        settle();
        QVERIFY(!prompt);
    }

    void aFailedZipUploadsNothing()
    {
        prepare(QStringLiteral("127.0.0.1:%1").arg(NetServers::closedPort()));
        makeBackupFolder();
        QVERIFY(writeFile(NetworkBackup::uploadFile(), noise(5000)));          // left by an earlier run
        QVERIFY(QFile::rename(dbPath(), dbPath() + QStringLiteral(".aside"))); // nothing to zip
        QPointer<QWidget> tray = loadTrayForm();
        QPointer<frmUnL> prompt = new frmUnL;
        prompt->show();
        MessageBox::setNextAnswer(QMessageBox::Ok);
        const QStringList tips = pressBackup(prompt);
        QVERIFY(tips.isEmpty());
        QCOMPARE(MessageBox::shown().size(), 1);
        QVERIFY(MessageBox::shown().constFirst().text.startsWith(QStringLiteral("Error ")));
        QVERIFY(control<QPushButton>(prompt, "CommYes")->isEnabled());
        settle();
        QVERIFY(tray);
        QVERIFY(!QFile::exists(NetworkBackup::uploadFile()));
    }

    void ftpCallsNeedAConnection()
    {
        FTP ftp;
        const QString local = tempFolder() + QStringLiteral("/local.dat");
        for (int i = 0; i < 5; ++i)
            MessageBox::setNextAnswer(QMessageBox::Ok);
        QVERIFY(!ftp.上传文件(local, QStringLiteral("a.dat")));
        QVERIFY(!ftp.下载文件(QStringLiteral("a.dat"), local));
        QVERIFY(!ftp.删除文件(QStringLiteral("a.dat")));
        QCOMPARE(ftp.创建目录(QStringLiteral("a")), QString());
        ftp.文件改名(QStringLiteral("a.dat"), QStringLiteral("b.dat"));
        QCOMPARE(MessageBox::shownTexts(), QStringList(5, QStringLiteral("请先确认连接")));
        QCOMPARE(MessageBox::shown().constFirst().title, QStringLiteral("Varnholt"));
        QVERIFY(!QFile::exists(local));
    }

    void ftpWorksOnTheServer()
    {
        QVERIFY(QDir().mkpath(ftpFolder()));
        NetServers::PyFtpd server(ftpFolder(), account, password);
        QVERIFY(server.isRunning());
        // Line ends and bytes an ASCII transfer would change.
        const QByteArray content = QByteArray("line\r\nnext\nlast\r") + noise(3000);
        const QString local = tempFolder() + QStringLiteral("/local.dat");
        const QString fetched = tempFolder() + QStringLiteral("/fetched.dat");
        QVERIFY(writeFile(local, content));
        QVERIFY(writeFile(fetched, "an older copy, to be replaced"));

        FTP ftp;
        QVERIFY(!ftp.连接服务器(QStringLiteral("127.0.0.1"), server.port(), account, QStringLiteral("wrong")));
        QVERIFY(ftp.连接服务器(QStringLiteral("127.0.0.1"), server.port(), account, password));
        QCOMPARE(ftp.创建目录(QStringLiteral("备份")), QStringLiteral("True"));
        QCOMPARE(ftp.创建目录(QStringLiteral("备份")), QStringLiteral("False"));
        QVERIFY(ftp.上传文件(local, QStringLiteral("备份/新/b.dat")));
        QCOMPARE(bytesOf(ftpFolder() + QStringLiteral("/备份/新/b.dat")), content);
        QVERIFY(ftp.下载文件(QStringLiteral("备份/新/b.dat"), fetched));
        QCOMPARE(bytesOf(fetched), content);
        QVERIFY(!ftp.下载文件(QStringLiteral("备份/none.dat"), fetched));
        QCOMPARE(bytesOf(fetched), content);
        ftp.文件改名(QStringLiteral("备份/新/b.dat"), QStringLiteral("备份/c.dat"));
        QCOMPARE(bytesOf(ftpFolder() + QStringLiteral("/备份/c.dat")), content);
        QVERIFY(ftp.删除文件(QStringLiteral("备份/c.dat")));
        QVERIFY(!QFile::exists(ftpFolder() + QStringLiteral("/备份/c.dat")));
        QVERIFY(!ftp.删除文件(QStringLiteral("备份/c.dat")));
        QVERIFY(MessageBox::shown().isEmpty());
    }
};

VARNHOLT_TEST(TestNetworkUpload)
#include "tst_networkupload.moc"
