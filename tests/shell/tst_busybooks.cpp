#include "../backup/netservers.h"
#include "../backup/networld.h"
#include "MDIF_main.h"
#include "TuoPan.h"
#include "environment.h"
#include "filedialogs.h"
#include "fixture.h"
#include "immediatebackup.h"
#include "messagebox.h"
#include "networkbackup.h"
#include "uidriver.h"
#include "zipfile.h"

#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>

using namespace UiDriver;
using namespace NetWorld;
using BackupWorld::bytesOf;
using BackupWorld::categories;
using BackupWorld::click;
using BackupWorld::exec;

namespace {
QAction* trayItem(const QString& name)
{
    auto* tray = qobject_cast<TuoPan*>(appState().trayForm.data());
    return tray ? tray->menu1()->findChild<QAction*>(name) : nullptr;
}

const QString waitText = QStringLiteral("正在恢复数据，请等待完成后再退出。");

// The windows of the books a menu item opens: the sales records, a child of
// the main window, and top-level forms that read or write the books.
void windowsOfTheBooks()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("form");
    QTest::newRow("the sales records") << QStringLiteral("S12") << QStringLiteral("frmOutDetail");
    QTest::newRow("店铺信息") << QStringLiteral("DPXX") << QStringLiteral("frmCompany");
    QTest::newRow("用户管理") << QStringLiteral("CZYXXWH") << QStringLiteral("frm_systemer");
    QTest::newRow("密码修改") << QStringLiteral("MMXG") << QStringLiteral("frm_Edit_Password");
    QTest::newRow("操作员权限设置") << QStringLiteral("CZYQXSZ") << QStringLiteral("frm_setoperator");
    QTest::newRow("the identity check of 数据清理") << QStringLiteral("SJQL") << QStringLiteral("frm_sfyz");
}

// The form open in the main window or over it.
QWidget* openForm(MDIF_main* main, const QString& name)
{
    for (QWidget* form : childForms(main)) {
        if (form->objectName() == name)
            return form;
    }
    return window(name);
}

void closeForm(MDIF_main* main, const QString& name)
{
    for (QMdiSubWindow* child : main->mdiArea()->subWindowList()) {
        if (child->widget() && child->widget()->objectName() == name)
            child->close();
    }
    if (QWidget* form = window(name))
        form->close();
}
}

// The books replaced or being replaced: no window of the old books stays
// open over a restore, and the program does not end in the middle of one.
class TestBusyBooks : public VarnholtTestCase {
    Q_OBJECT

    // A backup holding a category the live books lack.
    QString backupWithACategory()
    {
        const QString backup = BackupWorld::makeBackupFolder() + QStringLiteral("/2024-03-01-1200.mdb");
        if (!exec(QStringLiteral("insert into 商品类别 (编号, 名称) values ('LB001', '饮料')"))
            || !ImmediateBackup::copy(dbPath(), backup) || !exec(QStringLiteral("delete from 商品类别")))
            return {};
        return backup;
    }

    // The bytes the server hands out: the backup above, packed as the
    // network backup packs it; empty when it could not be made.
    QByteArray archiveWithACategory()
    {
        const QString backup = backupWithACategory();
        const QString archive = tempFolder() + QStringLiteral("/update.dat");
        if (backup.isEmpty() || !ZipFile::write(archive, {{"db_kcgl.mdb", bytesOf(backup)}}))
            return {};
        return bytesOf(archive);
    }

private slots:
    void aWindowOfTheBooksOpenRefusesTheRestore_data() { windowsOfTheBooks(); }

    void aWindowOfTheBooksOpenRefusesTheRestore()
    {
        QFETCH(QString, item);
        QFETCH(QString, form);
        auto* main = qobject_cast<MDIF_main*>(logIn(QStringLiteral("管理员"), QStringLiteral("admin")));
        QVERIFY(main);
        const QString backup = backupWithACategory();
        QVERIFY(!backup.isEmpty());
        main->findChild<QAction*>(item)->trigger();
        QVERIFY(openForm(main, form));
        const QByteArray before = bytesOf(dbPath());

        trayItem(QStringLiteral("SJGL"))->trigger();
        QPointer<QWidget> backupForm = window(QStringLiteral("frm_backup"));
        QVERIFY(backupForm);
        FileDialogs::setNextAnswer(backup);
        click(backupForm, "Command1");
        MessageBox::setNextAnswer(QMessageBox::Ok);
        click(backupForm, "Command5");
        MessageBox::setNextAnswer(QMessageBox::Ok);
        child<QPushButton>(backupForm, QStringLiteral("ComDown"))->click(); // the hidden network restore
        QCOMPARE(MessageBox::shownTexts(), QStringList(2, QStringLiteral("请先关闭其他窗口，再恢复数据。")));
        QCOMPARE(bytesOf(dbPath()), before);
        QVERIFY(!QFile::exists(NetworkBackup::downloadFile()));
        QVERIFY(backupForm->isVisible());
        QVERIFY(openForm(main, form));

        // With the window closed, the same restore goes through.
        closeForm(main, form);
        BackupWorld::settle();
        MessageBox::setNextAnswer(QMessageBox::Ok);
        click(backupForm, "Command5");
        QCOMPARE(MessageBox::shownTexts().constLast(), QStringLiteral("成功恢复数据！"));
        QCOMPARE(categories(), QStringList{QStringLiteral("饮料")});
    }

    // A window of the books opened while the blocks arrive: the books stay.
    void aWindowOpenedMidDownloadKeepsTheBooks_data() { windowsOfTheBooks(); }

    void aWindowOpenedMidDownloadKeepsTheBooks()
    {
        QFETCH(QString, item);
        QFETCH(QString, form);
        auto* main = qobject_cast<MDIF_main*>(logIn(QStringLiteral("管理员"), QStringLiteral("admin")));
        QVERIFY(main);
        const QByteArray served = archiveWithACategory();
        QVERIFY(!served.isEmpty());
        NetServers::ScriptedHttpd server([&](const QByteArray& range) {
            if (!openForm(main, form))
                main->findChild<QAction*>(item)->trigger();
            return NetServers::rangeOf(served, range);
        });
        QVERIFY(runFromUsbStick(appPath()));
        QVERIFY(setServer("http", server.host()));
        const QByteArray before = bytesOf(dbPath());

        trayItem(QStringLiteral("SJGL"))->trigger();
        MessageBox::setNextAnswer(QMessageBox::Ok);
        child<QPushButton>(window(QStringLiteral("frm_backup")), QStringLiteral("ComDown"))->click();
        QCOMPARE(MessageBox::shownTexts(), QStringList{QStringLiteral("请先关闭其他窗口，再恢复数据。")});
        QVERIFY(openForm(main, form));
        QCOMPARE(bytesOf(dbPath()), before);
        QVERIFY(categories().isEmpty());
    }

    // Each way of ending the program, tried while the network restore waits
    // for a block: it says to wait, the restore runs to its end, and the
    // program may end afterwards.
    void endingMidDownloadWaitsForTheRestore_data()
    {
        QTest::addColumn<QString>("way");
        QTest::newRow("退出 of the tray") << QStringLiteral("tuichu");
        QTest::newRow("注销 of the tray") << QStringLiteral("zhuxiao");
        QTest::newRow("the main window closed") << QStringLiteral("close");
    }

    void endingMidDownloadWaitsForTheRestore()
    {
        QFETCH(QString, way);
        auto* main = qobject_cast<MDIF_main*>(logIn(QStringLiteral("管理员"), QStringLiteral("admin")));
        QVERIFY(main);
        const QByteArray served = archiveWithACategory();
        QVERIFY(!served.isEmpty());
        int requests = 0;
        NetServers::ScriptedHttpd server([&](const QByteArray& range) {
            if (++requests == 1) {
                MessageBox::setNextAnswer(QMessageBox::Ok);
                if (way == QLatin1String("close"))
                    main->close();
                else
                    trayItem(way)->trigger();
            }
            return NetServers::rangeOf(served, range);
        });
        QVERIFY(runFromUsbStick(appPath()));
        QVERIFY(setServer("http", server.host()));

        trayItem(QStringLiteral("SJGL"))->trigger();
        QWidget* form = window(QStringLiteral("frm_backup"));
        QVERIFY(form);
        MessageBox::setNextAnswer(QMessageBox::Ok);
        child<QPushButton>(form, QStringLiteral("ComDown"))->click();

        QCOMPARE(MessageBox::shownTexts(), (QStringList{waitText, QStringLiteral("成功恢复数据！")}));
        QCOMPARE(EndRequest::count(), 0);
        QCOMPARE(window(QStringLiteral("MDIF_main")), main);
        QCOMPARE(appState().currentOperator, QStringLiteral("管理员"));
        QCOMPARE(categories(), QStringList{QStringLiteral("饮料")});
        QCOMPARE(bytesOf(NetworkBackup::downloadFile()), served);

        trayItem(QStringLiteral("tuichu"))->trigger();
        QCOMPARE(EndRequest::count(), 1);
        QVERIFY(!window(QStringLiteral("MDIF_main")));
    }
};

VARNHOLT_TEST(TestBusyBooks)
#include "tst_busybooks.moc"
