#include "UrlF.h"
#include "UrlS.h"
#include "configvalue.h"
#include "fixture.h"
#include "kuaijie2.h"
#include "messagebox.h"
#include "quickdrive.h"
#include "startteskarn.h"

#include <QDir>
#include <QPushButton>

using namespace QuickDrive;
using Teskarn::kuaijie2;
using Teskarn::UrlF;
using Teskarn::UrlS;
namespace Forms = Teskarn::Forms;

namespace {
void setFolderSlot(int slot, const QString& target, const QString& name)
{
    QVERIFY(Teskarn::WriteConfigValue(QStringLiteral("file%1").arg(slot), QStringLiteral("file"), target));
    QVERIFY(Teskarn::WriteConfigValue(QStringLiteral("name%1").arg(slot), QStringLiteral("name"), name));
}

QPushButton* slotButton(QWidget* panel, int slot) { return control<QPushButton>(panel, QStringLiteral("cmd%1").arg(slot)); }
}

class TestQuickFolders : public VarnholtTestCase {
    Q_OBJECT
public:
    TestQuickFolders()
        : VarnholtTestCase(TestedProgram::Teskarn)
    {
    }

private slots:
    void panelShowsTheNamesInItsOwnDesign()
    {
        setFolderSlot(1, QStringLiteral("/srv/一"), QStringLiteral("合同"));
        setFolderSlot(7, QStringLiteral("/srv/七"), QStringLiteral("  报表  "));
        UrlF* panel = Forms::showModeless<UrlF>();
        QCOMPARE(panel->windowTitle(), QStringLiteral("快捷文件夹"));
        QVERIFY(panel->windowFlags().testFlags(Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint));
        QCOMPARE(qRound(panel->windowOpacity() * 255), 168);
        QCOMPARE(panel->size(), QSize(173, 48));
        QCOMPARE(panel->font().family(), QStringLiteral("微软雅黑"));
        QVERIFY(!panel->findChild<QPushButton*>(QStringLiteral("cmd4")));
        QVERIFY(!panel->findChild<QPushButton*>(QStringLiteral("cmd8")));
        QCOMPARE(slotButton(panel, 1)->text(), QStringLiteral("合同"));
        QCOMPARE(slotButton(panel, 7)->text(), QStringLiteral("报表"));
        QCOMPARE(slotButton(panel, 2)->text(), QString());
        QCOMPARE(slotButton(panel, 6)->geometry(), QRect(56, 23, 55, 23));
        QCOMPARE(control<QLabel>(panel, QStringLiteral("lblX"))->geometry(), QRect(165, -3, 6, 15));
        QTest::mouseClick(control<QLabel>(panel, QStringLiteral("lblX")), Qt::LeftButton);
        QVERIFY(!Forms::loaded<UrlF>());
    }

    void clickOpensTheTargetAsStoredAtThatMoment_data()
    {
        // "^" stands for the test's temporary folder.
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("storedWhileOpen"); // target and name written while the panel is open
        QTest::addColumn<bool>("removeFolder");
        QTest::addColumn<QString>("opened");
        QTest::addColumn<QString>("message");
        QTest::newRow("name, no target") << "报表"
                                         << ""
                                         << "" << false << ""
                                         << "";
        QTest::newRow("target, no name") << ""
                                         << "^/工作/报表"
                                         << "" << false << "^/工作/报表"
                                         << "";
        QTest::newRow("changed while open") << "旧"
                                            << "^/工作/报表"
                                            << "^/工作" << false << "^/工作"
                                            << "";
        QTest::newRow("web address") << "网"
                                     << "https://example.com/a b"
                                     << "" << false << "https://example.com/a b"
                                     << "";
        QTest::newRow("removed folder") << "旧"
                                        << "^/工作/报表"
                                        << "" << true << ""
                                        << "无法打开：^/工作/报表";
    }
    void clickOpensTheTargetAsStoredAtThatMoment()
    {
        QFETCH(QString, name);
        QFETCH(QString, target);
        QFETCH(QString, storedWhileOpen);
        QFETCH(bool, removeFolder);
        QFETCH(QString, opened);
        QFETCH(QString, message);
        for (QString* text : {&target, &storedWhileOpen, &opened, &message})
            text->replace(QLatin1Char('^'), tempFolder());
        QVERIFY(QDir().mkpath(tempFolder() + QStringLiteral("/工作/报表")));
        setFolderSlot(5, target, name);

        UrlF* panel = Forms::showModeless<UrlF>();
        QCOMPARE(slotButton(panel, 5)->text(), name);
        if (!storedWhileOpen.isEmpty())
            setFolderSlot(5, storedWhileOpen, QStringLiteral("新"));
        if (removeFolder)
            QVERIFY(QDir(tempFolder() + QStringLiteral("/工作/报表")).removeRecursively());
        if (!message.isEmpty())
            MessageBox::setNextAnswer(QMessageBox::Ok);
        QTest::mouseClick(slotButton(panel, 5), Qt::LeftButton);

        QCOMPARE(slotButton(panel, 5)->text(), name);
        QCOMPARE(openedTargets(), opened.isEmpty() ? QStringList() : QStringList{opened});
        QCOMPARE(MessageBox::shownTexts(), message.isEmpty() ? QStringList() : QStringList{message});
        QCOMPARE(bool(Forms::loaded<kuaijie2>()), target.isEmpty());
        QVERIFY(!Forms::loaded<UrlF>());
        QCOMPARE(Teskarn::ReadConfigValue(QStringLiteral("file5"), QStringLiteral("file")),
                 storedWhileOpen.isEmpty() ? target : storedWhileOpen);
    }

    void logoButtonsSwapThePanels()
    {
        QVERIFY(Teskarn::start().runEventLoop);
        QVERIFY(!Forms::loaded<UrlF>()); // the start-up load is never shown
        pressLogo(Qt::LeftButton);
        QVERIFY(Forms::loaded<UrlS>());
        pressLogo(Qt::RightButton);
        QVERIFY(Forms::loaded<UrlF>() && Forms::loaded<UrlF>()->isVisible());
        QVERIFY(!Forms::loaded<UrlS>());
        pressLogo(Qt::MiddleButton);
        QVERIFY(Forms::loaded<UrlF>());
        pressLogo(Qt::LeftButton);
        QVERIFY(Forms::loaded<UrlS>() && Forms::loaded<UrlS>()->isVisible());
        QVERIFY(!Forms::loaded<UrlF>());
    }
};

VARNHOLT_TEST(TestQuickFolders)
#include "tst_quickfolders.moc"
