#include "TuoPan.h"
#include "clock.h"
#include "fixture.h"
#include "forms.h"
#include "inifile.h"
#include "search.h"
#include "startteskarn.h"

#include <QCursor>
#include <QGuiApplication>
#include <QMenu>
#include <QScreen>
#include <QTest>

using Teskarn::search;
using Teskarn::TuoPan;
namespace Forms = Teskarn::Forms;

namespace {
QImage screenPart(const QRect& part)
{
    return QGuiApplication::primaryScreen()->grabWindow(0).toImage().convertToFormat(QImage::Format_RGB32).copy(part);
}

// Polls until two grabs in a row of that part of the screen are the same;
// a null image when they never are.
QImage settled(const QRect& part)
{
    QImage last;
    const bool same = QTest::qWaitFor([&] {
        const QImage now = screenPart(part);
        const bool unchanged = now == last;
        last = now;
        return unchanged;
    });
    return same ? last : QImage();
}
}

class TestBarMenu : public VarnholtTestCase {
    Q_OBJECT
public:
    TestBarMenu()
        : VarnholtTestCase(TestedProgram::Teskarn)
    {
    }

private slots:
    // Back from the top edge with the cursor on it, the bar is shown again on
    // every tick; its own popup menu must stay over it.
    void barBackFromTheEdgeStaysUnderItsMenu()
    {
        UserSettings::save(QStringLiteral("searchtool"), QStringLiteral("pos"), QStringLiteral("top"), QStringLiteral("-10"));
        UserSettings::save(QStringLiteral("searchtool"), QStringLiteral("pos"), QStringLiteral("left"), QStringLiteral("3000"));
        QVERIFY(Teskarn::start().runEventLoop);
        search* bar = Forms::loaded<search>();
        QVERIFY(QTest::qWaitForWindowExposed(bar));
        auto* grip = bar->findChild<QWidget*>(QStringLiteral("PictureM"));
        QCursor::setPos(grip->mapToGlobal(grip->rect().center()));
        Clock::advance(100);

        QTest::mousePress(grip, Qt::RightButton);
        QTest::mouseRelease(grip, Qt::RightButton);
        QMenu* menu = Forms::loaded<TuoPan>()->TP();
        QVERIFY(QTest::qWaitForWindowExposed(menu));
        QVERIFY(menu->geometry().intersects(bar->geometry()));
        const QImage shown = settled(menu->geometry());
        QVERIFY(!shown.isNull());
        Clock::advance(300);
        QCOMPARE(settled(menu->geometry()), shown);
        menu->hide();
    }
};

VARNHOLT_TEST(TestBarMenu)
#include "tst_barmenu.moc"
