#include "UrlF.h"
#include "UrlS.h"
#include "configvalue.h"
#include "filedialogs.h"
#include "fixture.h"
#include "inifile.h"
#include "kuaijie2.h"
#include "messagebox.h"
#include "quickdrive.h"
#include "quickslots.h"
#include "startteskarn.h"
#include "teskarndriver.h"
#include "typing.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>

using namespace QuickDrive;
using Teskarn::kuaijie2;
using Teskarn::UrlF;
using Teskarn::UrlS;
namespace Forms = Teskarn::Forms;

namespace {
QLineEdit* targetBox(QWidget* form, int slot) { return control<QLineEdit>(form, QStringLiteral("txt%1").arg(slot)); }
QLineEdit* nameBox(QWidget* form, int slot) { return control<QLineEdit>(form, QStringLiteral("Text%1").arg(slot)); }

void retype(QLineEdit* box, const QString& text)
{
    box->clear();
    typeText(box, text);
}
}

class TestQuickFolderSettings : public VarnholtTestCase {
    Q_OBJECT
public:
    TestQuickFolderSettings()
        : VarnholtTestCase(TestedProgram::Teskarn)
    {
    }

private slots:
    void formLoadsEachRowAndShowsItsTexts()
    {
        QVERIFY(Teskarn::WriteConfigValue(QStringLiteral("file5"), QStringLiteral("file"), QStringLiteral("/srv/五")));
        QVERIFY(Teskarn::WriteConfigValue(QStringLiteral("name5"), QStringLiteral("name"), QStringLiteral("五号")));
        QVERIFY(Teskarn::WriteConfigValue(QStringLiteral("file4"), QStringLiteral("file"), QStringLiteral("/srv/四")));
        QVERIFY(Teskarn::start().runEventLoop);
        QVERIFY(TeskarnDriver::chooseFromMenu(QStringLiteral("WJ")));
        QVERIFY(TeskarnDriver::chooseFromMenu(QStringLiteral("WJ")));
        kuaijie2* form = Forms::loaded<kuaijie2>();
        QVERIFY(form && form->isVisible());
        QCOMPARE(formsNamed(QStringLiteral("kuaijie2")), 1);
        QCOMPARE(form->windowTitle(), QStringLiteral("快捷文件夹设置"));
        QCOMPARE(targetBox(form, 5)->text(), QStringLiteral("/srv/五"));
        QCOMPARE(nameBox(form, 5)->text(), QStringLiteral("五号"));
        QVERIFY(!targetBox(form, 4) && !targetBox(form, 8));
        const QList<int> slotNumbers{1, 2, 3, 5, 6, 7};
        for (int row = 0; row < slotNumbers.size(); ++row) {
            const int slot = slotNumbers.at(row);
            QCOMPARE(control<QLabel>(form, QStringLiteral("lbl_%1").arg(row))->text(), QStringLiteral("%1、").arg(row + 1));
            QCOMPARE(control<QPushButton>(form, QStringLiteral("cmd%1").arg(slot))->text(), QStringLiteral("选择目录"));
            QCOMPARE(control<QPushButton>(form, QStringLiteral("cmdC%1").arg(slot))->text(), QStringLiteral("清空"));
        }
        // The fourth row edits slot 5.
        const int fourthRow = control<QLabel>(form, QStringLiteral("lbl_3"))->geometry().center().y();
        QVERIFY(fourthRow > targetBox(form, 5)->geometry().top() && fourthRow < targetBox(form, 5)->geometry().bottom());
        QCOMPARE(control<QLabel>(form, QStringLiteral("lbl1"))->text(), QStringLiteral("填写网址或选择文件夹路径"));
        QCOMPARE(control<QLabel>(form, QStringLiteral("lbl_6"))->text(), QStringLiteral("填写名称(自定义）"));
        QCOMPARE(control<QPushButton>(form, QStringLiteral("cmdSave"))->text(), QStringLiteral("保   存"));
        QCOMPARE(control<QPushButton>(form, QStringLiteral("cmdExit"))->text(), QStringLiteral("退   出"));
        QCOMPARE(control<QLabel>(form, QStringLiteral("lblSM"))->text(),
                 QStringLiteral("（在图标后面空白部分单击右键，可弹出各项设置菜单）"));
        QCOMPARE(control<QLabel>(form, QStringLiteral("lblC1"))->text(), QStringLiteral("设置后，用鼠标“右”键点击搜索上"));
        QCOMPARE(control<QLabel>(form, QStringLiteral("lblC2"))->text(), QStringLiteral("图标，就能使用文件夹快捷方式！"));
        QVERIFY(!control<QLabel>(form, QStringLiteral("Image1"))->pixmap().isNull());
    }

    void browseTakesTheFolderAndItsBaseName_data()
    {
        // "^" stands for the test's temporary folder; an empty answer is a cancel.
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("name");
        QTest::newRow("folder") << "^/工作/报表"
                                << "^/工作/报表"
                                << "报表";
        QTest::newRow("last dot cuts") << "^/工作/合同.2014"
                                       << "^/工作/合同.2014"
                                       << "合同";
        QTest::newRow("trailing slash") << "^/工作/报表/"
                                        << "^/工作/报表"
                                        << "报表";
        QTest::newRow("cancel") << ""
                                << "/srv/旧"
                                << "旧名";
    }
    void browseTakesTheFolderAndItsBaseName()
    {
        QFETCH(QString, answer);
        QFETCH(QString, target);
        QFETCH(QString, name);
        for (QString* text : {&answer, &target})
            text->replace(QLatin1Char('^'), tempFolder());
        QVERIFY(Teskarn::WriteConfigValue(QStringLiteral("file3"), QStringLiteral("file"), QStringLiteral("/srv/旧")));
        kuaijie2* form = Forms::showModeless<kuaijie2>();
        typeText(nameBox(form, 3), QStringLiteral("旧名")); // typed, then replaced by a choice
        FileDialogs::setNextAnswer(answer);
        click(form, QStringLiteral("cmd3"));
        QCOMPARE(FileDialogs::captionsShown(), QStringList{QStringLiteral("选择需创建快捷方式的文件夹：")});
        QCOMPARE(targetBox(form, 3)->text(), target);
        QCOMPARE(nameBox(form, 3)->text(), name);
    }

    void saveWritesEverySlotInOrderAndRefreshesThePanel()
    {
        QVERIFY(Teskarn::WriteConfigValue(QStringLiteral("file2"), QStringLiteral("file"), QStringLiteral("/srv/二")));
        QVERIFY(Teskarn::WriteConfigValue(QStringLiteral("name2"), QStringLiteral("name"), QStringLiteral("二")));
        kuaijie2* form = Forms::showModeless<kuaijie2>();
        typeText(targetBox(form, 5), QStringLiteral(" www.example.com "));
        typeText(nameBox(form, 5), QStringLiteral("网站"));
        click(form, QStringLiteral("cmdC2"));
        QCOMPARE(targetBox(form, 2)->text(), QString());
        QCOMPARE(nameBox(form, 2)->text(), QString());
        MessageBox::setNextAnswer(QMessageBox::Ok);
        click(form, QStringLiteral("cmdSave"));
        QCOMPARE(MessageBox::shownTexts(), QStringList{QStringLiteral("保存成功！")});
        QCOMPARE(MessageBox::shown().first().title, QStringLiteral("Teskarn"));
        QVERIFY(!Forms::loaded<kuaijie2>());
        QVERIFY(!Forms::loaded<UrlF>()); // refreshed unseen
        QCOMPARE(
            TestFiles::bytesOf(Teskarn::configFilePath()),
            QByteArray(
                "\xEF\xBB\xBF[file2]\nfile=\n[name2]\nname=\n[file1]\nfile=\n[name1]\nname=\n[file3]\nfile=\n[name3]\nname=\n"
                "[file5]\nfile= www.example.com \n[name5]\nname=网站\n[file6]\nfile=\n[name6]\nname=\n"
                "[file7]\nfile=\n[name7]\nname=\n"));

        // The cleared slot: no caption, and its click opens the settings form.
        UrlF* panel = Forms::showModeless<UrlF>();
        QCOMPARE(control<QPushButton>(panel, QStringLiteral("cmd2"))->text(), QString());
        QCOMPARE(control<QPushButton>(panel, QStringLiteral("cmd5"))->text(), QStringLiteral("网站"));
        QTest::mouseClick(control<QPushButton>(panel, QStringLiteral("cmd2")), Qt::LeftButton);
        QVERIFY(Forms::loaded<kuaijie2>());
        QVERIFY(openedTargets().isEmpty());
    }

    void exitWritesNothing()
    {
        const QByteArray before = "[file1]\r\nfile=/srv/一\r\n[name1]\r\nname=一\r\n";
        QVERIFY(TestFiles::writeFile(Teskarn::configFilePath(), before));
        kuaijie2* form = Forms::showModeless<kuaijie2>();
        click(form, QStringLiteral("cmdC1"));
        typeText(nameBox(form, 6), QStringLiteral("六"));
        click(form, QStringLiteral("cmdExit"));
        QVERIFY(!Forms::loaded<kuaijie2>());
        QCOMPARE(TestFiles::bytesOf(Teskarn::configFilePath()), before);
    }

    void aFailedWriteIsReportedAndTheFormKeepsTheBoxes()
    {
        QVERIFY(QDir().mkpath(Teskarn::configFilePath()));
        kuaijie2* form = Forms::showModeless<kuaijie2>();
        typeText(targetBox(form, 7), QStringLiteral("/srv/七"));
        typeText(nameBox(form, 7), QStringLiteral("七"));
        MessageBox::setNextAnswer(QMessageBox::Ok);
        click(form, QStringLiteral("cmdSave"));
        QCOMPARE(MessageBox::shownTexts(), QStringList{QStringLiteral("设置未能保存：") + Teskarn::configFilePath()
                                                       + QStringLiteral("\nFilename refers to a directory")});
        QCOMPARE(Forms::loaded<kuaijie2>(), form);
        QCOMPARE(targetBox(form, 7)->text(), QStringLiteral("/srv/七"));
        QCOMPARE(nameBox(form, 7)->text(), QStringLiteral("七"));
    }

    // A save whose second key fails: no new path under the old caption.
    void aSaveThatFailsPartWayLeavesTheFileAsItWas()
    {
        const QByteArray before = "[file1]\r\nfile=/srv/一\r\n[name1]\r\nname=一\r\n";
        QVERIFY(TestFiles::writeFile(Teskarn::configFilePath(), before));
        kuaijie2* form = Forms::showModeless<kuaijie2>();
        retype(targetBox(form, 1), QStringLiteral("/srv/新"));
        retype(nameBox(form, 1), QStringLiteral("新"));
        IniFile::setWriteFailure(QStringLiteral("No space left on device"), QStringLiteral("name1"));
        MessageBox::setNextAnswer(QMessageBox::Ok);
        click(form, QStringLiteral("cmdSave"));
        QCOMPARE(MessageBox::shownTexts(), QStringList{QStringLiteral("设置未能保存：") + Teskarn::configFilePath()
                                                       + QStringLiteral("\nNo space left on device")});
        QCOMPARE(TestFiles::bytesOf(Teskarn::configFilePath()), before);
        QCOMPARE(Forms::loaded<kuaijie2>(), form);
    }

    // The fourth row on the screen edits slot 5: its boxes are named by the row.
    void aNameWithALineBreakIsRefusedByItsRow()
    {
        kuaijie2* form = Forms::showModeless<kuaijie2>();
        nameBox(form, 5)->setText(QStringLiteral("五\n[sel]\nname=1"));
        MessageBox::setNextAnswer(QMessageBox::Ok);
        click(form, QStringLiteral("cmdSave"));
        QCOMPARE(MessageBox::shownTexts(), QStringList{QStringLiteral("第四项名称不能包含换行符。")});
        QVERIFY(!QFile::exists(Teskarn::configFilePath()));
    }

    void refreshingTheFoldersLeavesTheQuickLaunchAlone()
    {
        QVERIFY(
            Teskarn::WriteConfigValue(QStringLiteral("soft1"), QStringLiteral("soft"), QStringLiteral("https://example.com/1")));
        QVERIFY(Teskarn::start().runEventLoop);
        pressLogo(Qt::LeftButton);
        UrlS* quickLaunch = Forms::loaded<UrlS>();
        kuaijie2* form = Forms::showModeless<kuaijie2>();
        retype(targetBox(form, 1), QStringLiteral("https://example.com/folder"));
        MessageBox::setNextAnswer(QMessageBox::Ok);
        click(form, QStringLiteral("cmdSave"));
        QCOMPARE(Forms::loaded<UrlS>(), quickLaunch);
        QCOMPARE(Teskarn::QuickSlots::SlotTarget(1), QStringLiteral("https://example.com/1"));
        QTest::mouseClick(control<QLabel>(quickLaunch, QStringLiteral("picInvisible")), Qt::LeftButton);
        QCOMPARE(openedTargets(), QStringList{QStringLiteral("https://example.com/1")});
    }
};

VARNHOLT_TEST(TestQuickFolderSettings)
#include "tst_quickfoldersettings.moc"
