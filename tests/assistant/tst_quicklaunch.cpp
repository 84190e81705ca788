#include "UrlS.h"
#include "configvalue.h"
#include "fixture.h"
#include "inifile.h"
#include "kuaijie.h"
#include "messagebox.h"
#include "quickdrive.h"
#include "startteskarn.h"

#include <QPointer>

using namespace QuickDrive;
using Teskarn::kuaijie;
using Teskarn::UrlS;
namespace Forms = Teskarn::Forms;

namespace {
void setSlot(int slot, const QString& target)
{
    QVERIFY(Teskarn::WriteConfigValue(QStringLiteral("soft%1").arg(slot), QStringLiteral("soft"), target));
}

QLabel* slotBox(UrlS* panel, int slot)
{
    return control<QLabel>(panel, slot == 1 ? QStringLiteral("picInvisible") : QStringLiteral("picInvisible%1").arg(slot));
}

QString iconMessage(const QString& ordinal)
{
    return QStringLiteral("    提取文件图标出错\r\n\r\n    请更改第%1项路径").arg(ordinal);
}

const QString defaultPage = QStringLiteral("https://www.baidu.com/");
}

class TestQuickLaunch : public VarnholtTestCase {
    Q_OBJECT
public:
    TestQuickLaunch()
        : VarnholtTestCase(TestedProgram::Teskarn)
    {
    }

private slots:
    void logoShowsThePanelByTheBarAndXClosesIt()
    {
        UserSettings::save(QStringLiteral("searchtool"), QStringLiteral("pos"), QStringLiteral("top"), QStringLiteral("3000"));
        UserSettings::save(QStringLiteral("searchtool"), QStringLiteral("pos"), QStringLiteral("left"), QStringLiteral("3000"));
        QVERIFY(Teskarn::start().runEventLoop);
        QVERIFY(!Forms::loaded<UrlS>()); // the start-up load is never shown
        pressLogo(Qt::LeftButton);
        UrlS* panel = Forms::loaded<UrlS>();
        QVERIFY(panel && panel->isVisible());
        QCOMPARE(panel->windowTitle(), QStringLiteral("快捷软件"));
        QVERIFY(panel->windowFlags().testFlags(Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint));
        QCOMPARE(qRound(panel->windowOpacity() * 255), 168);
        QCOMPARE(panel->size(), QSize(173, 48));
        // 3000 is not above 720 + the bar's 450 twips: the panel opens above the bar.
        QCOMPARE(panel->pos(), QPoint(200, (3000 - 720) / 15));
        QCOMPARE(slotBox(panel, 6)->geometry(), QRect(55, 27, 17, 17));
        QCOMPARE(slotBox(panel, 8)->toolTip(), QStringLiteral("快捷键 F1 "));
        QVERIFY(!slotBox(panel, 8)->pixmap().isNull());

        // The background drags the panel; a slot does not.
        const QPoint start = panel->pos();
        QTest::mousePress(panel, Qt::LeftButton, {}, QPoint(2, 2));
        QTest::mouseMove(panel, QPoint(12, 7));
        QTest::mouseRelease(panel, Qt::LeftButton, {}, QPoint(12, 7));
        QCOMPARE(panel->pos(), start + QPoint(10, 5));
        QTest::mousePress(slotBox(panel, 2), Qt::LeftButton);
        QTest::mouseMove(panel, QPoint(40, 40));
        QCOMPARE(panel->pos(), start + QPoint(10, 5));

        QPointer<UrlS> shown(panel);
        QTest::mouseClick(control<QLabel>(panel, QStringLiteral("lblX")), Qt::LeftButton);
        QVERIFY(!Forms::loaded<UrlS>());
        QVERIFY(!shown || !shown->isVisible());
        QVERIFY(openedTargets().isEmpty());
    }

    void slotsShowIconsOpenTargetsWholeOrTheSettings()
    {
        const QString program = tempFolder() + QStringLiteral("/my tools/记账 工具");
        QVERIFY(makeProgram(program));
        setSlot(1, program);
        Forms::showModeless<UrlS>();
        UrlS* panel = Forms::loaded<UrlS>();
        QCOMPARE(slotBox(panel, 1)->pixmap().size(), QSize(16, 16));
        QVERIFY(slotBox(panel, 2)->pixmap().isNull());

        QTest::mouseClick(slotBox(panel, 1), Qt::LeftButton);
        QCOMPARE(DesktopOpener::recorded().size(), 1);
        QCOMPARE(DesktopOpener::recorded().first().target, program);
        QCOMPARE(DesktopOpener::recorded().first().arguments, QStringList());
        QVERIFY(!Forms::loaded<UrlS>());

        panel = Forms::showModeless<UrlS>();
        QTest::mouseClick(slotBox(panel, 2), Qt::LeftButton);
        QVERIFY(Forms::loaded<kuaijie>() && Forms::loaded<kuaijie>()->isVisible());
        QVERIFY(!Forms::loaded<UrlS>());
        QCOMPARE(DesktopOpener::recorded().size(), 1);
        QVERIFY(MessageBox::shown().isEmpty());
    }

    void targetsWithoutAnIconAreReportedInSlotOrder()
    {
        setSlot(3, tempFolder() + QStringLiteral("/gone.exe"));
        setSlot(4, QStringLiteral("www.example.com"));
        setSlot(5, QStringLiteral("no-such-program-here"));
        MessageBox::setNextAnswer(QMessageBox::Ok);
        UrlS* panel = Forms::showModeless<UrlS>();
        // One message for the opening, listing the slots.
        QCOMPARE(MessageBox::shownTexts(), QStringList{iconMessage(QStringLiteral("三、五"))});
        QCOMPARE(MessageBox::shown().first().title, QStringLiteral("Teskarn"));
        QCOMPARE(MessageBox::shown().first().buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        QVERIFY(Forms::loaded<kuaijie>() && Forms::loaded<kuaijie>()->isVisible());
        QVERIFY(panel->isVisible());
        QVERIFY(slotBox(panel, 3)->pixmap().isNull());
        QCOMPARE(slotBox(panel, 4)->pixmap().size(), QSize(16, 16));

        // The click still hands the target over, and reports what cannot be opened.
        MessageBox::setNextAnswer(QMessageBox::Ok);
        QTest::mouseClick(slotBox(panel, 3), Qt::LeftButton);
        QCOMPARE(MessageBox::shownTexts().last(), QStringLiteral("无法打开：") + tempFolder() + QStringLiteral("/gone.exe"));
        QVERIFY(!Forms::loaded<UrlS>());
        QVERIFY(DesktopOpener::recorded().isEmpty());
    }

    void iconsFollowWhatTheDesktopWouldOpen_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<bool>("icon");
        QTest::newRow("folder with a blank") << "^/报表 2024" << true;
        QTest::newRow("document") << "^/报表 2024/说明.txt" << true;
        QTest::newRow("program on the path") << "sh" << true;
        QTest::newRow("web address") << "https://example.com/a b" << true;
        QTest::newRow("bare www") << "www.example.com" << true;
        QTest::newRow("missing file") << "^/报表 2024/missing.txt" << false;
        QTest::newRow("unknown program") << "no-such-program-here" << false;
        QTest::newRow("program with parameters") << "sh -c exit" << false;
    }
    void iconsFollowWhatTheDesktopWouldOpen()
    {
        QFETCH(QString, target);
        QFETCH(bool, icon);
        target.replace(QLatin1Char('^'), tempFolder());
        QVERIFY(TestFiles::writeFile(tempFolder() + QStringLiteral("/报表 2024/说明.txt"), "x"));
        setSlot(6, target);
        if (!icon)
            MessageBox::setNextAnswer(QMessageBox::Ok);
        UrlS* panel = Forms::showModeless<UrlS>();
        QCOMPARE(MessageBox::shownTexts(), icon ? QStringList() : QStringList{iconMessage(QStringLiteral("六"))});
        QCOMPARE(slotBox(panel, 6)->pixmap().isNull(), !icon);
        QCOMPARE(bool(Forms::loaded<kuaijie>()), !icon);
    }

    void emptySlotEightOpensTheDefaultPage()
    {
        UrlS* panel = Forms::showModeless<UrlS>();
        QVERIFY(MessageBox::shown().isEmpty());
        for (int slot = 1; slot <= 7; ++slot)
            QVERIFY(slotBox(panel, slot)->pixmap().isNull());
        QTest::mouseClick(slotBox(panel, 8), Qt::LeftButton);
        QCOMPARE(openedTargets(), QStringList{defaultPage});
        QVERIFY(!Forms::loaded<UrlS>());
        QVERIFY(!Forms::loaded<kuaijie>());
    }

    void f1OpensSlotEightAsLastLoadedWithoutThePanel()
    {
        setSlot(8, QStringLiteral("https://example.com/old"));
        QVERIFY(Teskarn::start().runEventLoop);
        setSlot(8, QStringLiteral("https://example.com/new")); // by hand
        pressF1();
        QCOMPARE(openedTargets(), QStringList{QStringLiteral("https://example.com/old")});
        QVERIFY(!Forms::loaded<UrlS>());

        // Loading the settings form takes the file's target.
        Forms::showModeless<kuaijie>();
        pressF1();
        QCOMPARE(openedTargets().last(), QStringLiteral("https://example.com/new"));

        // An open panel closes.
        pressLogo(Qt::LeftButton);
        QVERIFY(Forms::loaded<UrlS>());
        pressF1();
        QVERIFY(!Forms::loaded<UrlS>());
        QCOMPARE(openedTargets().size(), 3);
    }

    void startUpRefreshReportsATargetWithoutAnIcon()
    {
        setSlot(2, QStringLiteral("/nowhere/tool"));
        MessageBox::setNextAnswer(QMessageBox::Ok);
        QVERIFY(Teskarn::start().runEventLoop);
        QCOMPARE(MessageBox::shownTexts(), QStringList{iconMessage(QStringLiteral("二"))});
        QVERIFY(Forms::loaded<kuaijie>() && Forms::loaded<kuaijie>()->isVisible());
        QVERIFY(!Forms::loaded<UrlS>());
    }
};

VARNHOLT_TEST(TestQuickLaunch)
#include "tst_quicklaunch.moc"
