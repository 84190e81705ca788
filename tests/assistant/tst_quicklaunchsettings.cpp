#include "UrlS.h"
#include "configvalue.h"
#include "filedialogs.h"
#include "fixture.h"
#include "kuaijie.h"
#include "messagebox.h"
#include "quickdrive.h"
#include "quickslots.h"
#include "startteskarn.h"
#include "teskarndriver.h"
#include "typing.h"

#include <QDir>
#include <QLineEdit>
#include <QPushButton>

using namespace QuickDrive;
using Teskarn::kuaijie;
using Teskarn::UrlS;
namespace Forms = Teskarn::Forms;

namespace {
QLineEdit* targetBox(QWidget* form, int slot) { return control<QLineEdit>(form, QStringLiteral("txtText%1").arg(slot)); }

QString softValue(int slot) { return Teskarn::ReadConfigValue(QStringLiteral("soft%1").arg(slot), QStringLiteral("soft")); }
}

class TestQuickLaunchSettings : public VarnholtTestCase {
    Q_OBJECT
public:
    TestQuickLaunchSettings()
        : VarnholtTestCase(TestedProgram::Teskarn)
    {
    }

private slots:
    void formLoadsTheTargetsAndShowsItsTexts()
    {
        QVERIFY(
            Teskarn::WriteConfigValue(QStringLiteral("soft2"), QStringLiteral("soft"), QStringLiteral("  www.example.com  ")));
        QVERIFY(Teskarn::start().runEventLoop);
        QVERIFY(TeskarnDriver::chooseFromMenu(QStringLiteral("KJ")));
        QVERIFY(TeskarnDriver::chooseFromMenu(QStringLiteral("KJ")));
        kuaijie* form = Forms::loaded<kuaijie>();
        QVERIFY(form && form->isVisible());
        QCOMPARE(formsNamed(QStringLiteral("kuaijie")), 1);
        QCOMPARE(form->windowTitle(), QStringLiteral("修改快捷菜单"));
        QVERIFY(!form->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QCOMPARE(form->windowOpacity(), 1.0);
        QCOMPARE(targetBox(form, 2)->text(), QStringLiteral("www.example.com"));
        QCOMPARE(Teskarn::QuickSlots::SlotTarget(2), QStringLiteral("www.example.com"));
        for (int slot = 1; slot <= 8; ++slot) {
            QCOMPARE(control<QLabel>(form, QStringLiteral("lbl_%1").arg(slot - 1))->text(), QStringLiteral("%1、").arg(slot));
            QCOMPARE(control<QPushButton>(form, QStringLiteral("cmd%1").arg(slot))->text(), QStringLiteral("修改"));
            QCOMPARE(control<QPushButton>(form, QStringLiteral("cmdC%1").arg(slot))->text(), QStringLiteral("清空"));
        }
        QCOMPARE(control<QPushButton>(form, QStringLiteral("cmdSave"))->text(), QStringLiteral("保 存"));
        QCOMPARE(control<QPushButton>(form, QStringLiteral("cmdExit"))->text(), QStringLiteral("退 出"));
        QCOMPARE(control<QLabel>(form, QStringLiteral("lbl8"))->text(),
                 QStringLiteral("第八项空白时默认链接是https://www.baidu.com/，快捷键为F1"));
        QCOMPARE(control<QLabel>(form, QStringLiteral("lblSM"))->text(),
                 QStringLiteral("（在图标后面空白部分单击右键，可弹出各项设置菜单）"));
        QCOMPARE(control<QLabel>(form, QStringLiteral("lblC2"))->text(), QStringLiteral("设置后，用鼠标“左”键点击搜索条上"));
        QCOMPARE(control<QLabel>(form, QStringLiteral("lblC1"))->text(), QStringLiteral("图标，就能使用文件夹快捷方式！"));
        QVERIFY(!control<QLabel>(form, QStringLiteral("Image1"))->pixmap().isNull());
    }

    void browseFillsTheBoxCancelKeepsItClearEmptiesIt()
    {
        QVERIFY(Teskarn::WriteConfigValue(QStringLiteral("soft4"), QStringLiteral("soft"), QStringLiteral("/opt/old")));
        kuaijie* form = Forms::showModeless<kuaijie>();
        FileDialogs::setNextAnswer(QStringLiteral("/opt/记账/run me"));
        click(form, QStringLiteral("cmd3"));
        QCOMPARE(targetBox(form, 3)->text(), QStringLiteral("/opt/记账/run me"));
        QCOMPARE(FileDialogs::captionsShown(), QStringList{QStringLiteral("请选择文件")});
        QCOMPARE(FileDialogs::filtersShown(), QStringList{QStringLiteral("所有文件(*.*) (*)")});

        FileDialogs::setNextAnswer(QString()); // cancelled
        click(form, QStringLiteral("cmd4"));
        QCOMPARE(targetBox(form, 4)->text(), QStringLiteral("/opt/old"));
        click(form, QStringLiteral("cmdC4"));
        QCOMPARE(targetBox(form, 4)->text(), QString());
        QCOMPARE(softValue(4), QStringLiteral("/opt/old")); // nothing written before 保存
    }

    void saveWritesAsTypedReportsRefreshesAndCloses()
    {
        kuaijie* form = Forms::showModeless<kuaijie>();
        typeText(targetBox(form, 3), QStringLiteral("  a  "));
        typeText(targetBox(form, 8), QStringLiteral("https://example.com/8"));
        MessageBox::setNextAnswer(QMessageBox::Ok);
        MessageBox::setNextAnswer(QMessageBox::Ok);
        click(form, QStringLiteral("cmdSave"));
        QCOMPARE(MessageBox::shownTexts(),
                 QStringList({QStringLiteral("保存成功！"), QStringLiteral("    提取文件图标出错\r\n\r\n    请更改第三项路径")}));
        QCOMPARE(MessageBox::shown().first().title, QStringLiteral("Teskarn"));
        QCOMPARE(MessageBox::shown().first().buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        QVERIFY(!Forms::loaded<kuaijie>());
        QVERIFY(!Forms::loaded<UrlS>()); // refreshed unseen

        QByteArray expected;
        for (int slot = 1; slot <= 8; ++slot)
            expected += "[soft" + QByteArray::number(slot) + "]\nsoft="
                        + (slot == 3   ? "  a  "
                           : slot == 8 ? "https://example.com/8"
                                       : "")
                        + "\n";
        QCOMPARE(TestFiles::bytesOf(Teskarn::configFilePath()), expected);
    }

    void exitWritesNothing()
    {
        const QByteArray before = "[soft1]\r\nsoft=/opt/a\r\n[other]\r\nkey=值\r\n";
        QVERIFY(TestFiles::writeFile(Teskarn::configFilePath(), before));
        kuaijie* form = Forms::showModeless<kuaijie>();
        typeText(targetBox(form, 1), QStringLiteral("x"));
        click(form, QStringLiteral("cmdC2"));
        click(form, QStringLiteral("cmdExit"));
        QVERIFY(!Forms::loaded<kuaijie>());
        QCOMPARE(TestFiles::bytesOf(Teskarn::configFilePath()), before);
        QCOMPARE(Teskarn::QuickSlots::SlotTarget(1), QStringLiteral("/opt/a"));
    }

    void aFailedWriteIsReportedAndTheFormKeepsTheBoxes()
    {
        QVERIFY(QDir().mkpath(Teskarn::configFilePath()));
        kuaijie* form = Forms::showModeless<kuaijie>();
        typeText(targetBox(form, 5), QStringLiteral("/opt/五"));
        MessageBox::setNextAnswer(QMessageBox::Ok);
        click(form, QStringLiteral("cmdSave"));
        QCOMPARE(MessageBox::shownTexts(), QStringList{QStringLiteral("设置未能保存：") + Teskarn::configFilePath()
                                                       + QStringLiteral("\nFilename refers to a directory")});
        QCOMPARE(Forms::loaded<kuaijie>(), form);
        QVERIFY(form->isVisible());
        QCOMPARE(targetBox(form, 5)->text(), QStringLiteral("/opt/五"));
    }

    // A file name may hold a line break; stored, it would forge [sel] name=1
    // and switch the daily shutdown on.
    void aChosenFileWithALineBreakIsRefused()
    {
        const QByteArray before = "[soft1]\nsoft=/opt/a\n";
        QVERIFY(TestFiles::writeFile(Teskarn::configFilePath(), before));
        kuaijie* form = Forms::showModeless<kuaijie>();
        FileDialogs::setNextAnswer(QStringLiteral("/home/u/evil\n[sel]\nname=1"));
        click(form, QStringLiteral("cmd3"));
        MessageBox::setNextAnswer(QMessageBox::Ok);
        click(form, QStringLiteral("cmdSave"));
        QCOMPARE(MessageBox::shownTexts(), QStringList{QStringLiteral("第三项路径不能包含换行符。")});
        QCOMPARE(MessageBox::shown().first().title, QStringLiteral("提示"));
        QCOMPARE(Forms::loaded<kuaijie>(), form);
        QCOMPARE(TestFiles::bytesOf(Teskarn::configFilePath()), before);
    }

    void savingWithThePanelOpenMakesF1OpenTheSavedTarget()
    {
        QVERIFY(Teskarn::WriteConfigValue(QStringLiteral("soft8"), QStringLiteral("soft"),
                                          QStringLiteral("https://example.com/old")));
        QVERIFY(Teskarn::start().runEventLoop);
        pressLogo(Qt::LeftButton);
        QVERIFY(Forms::loaded<UrlS>());
        kuaijie* form = Forms::showModeless<kuaijie>();
        targetBox(form, 8)->clear();
        typeText(targetBox(form, 8), QStringLiteral("https://example.com/new"));
        MessageBox::setNextAnswer(QMessageBox::Ok);
        click(form, QStringLiteral("cmdSave"));
        QVERIFY(!Forms::loaded<UrlS>());
        pressF1();
        QCOMPARE(openedTargets(), QStringList{QStringLiteral("https://example.com/new")});
    }
};

VARNHOLT_TEST(TestQuickLaunchSettings)
#include "tst_quicklaunchsettings.moc"
