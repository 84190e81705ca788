#include "barplace.h"
#include "fixture.h"
#include "twips.h"

#include <limits>

using namespace Teskarn::BarPlace;

namespace {
// A 1920 x 1080-pixel screen and a 3000 x 450-twip (200 x 30-pixel) bar.
const QSizeF screenTwips(28800, 16200);
const QSizeF bar(3000, 450);

QRect windowAt(double top, double left) { return QRect(pixels({top, left}), QSize(200, 30)); }
}

class TestBarPlace : public VarnholtTestCase {
    Q_OBJECT
public:
    TestBarPlace()
        : VarnholtTestCase(TestedProgram::Teskarn)
    {
    }

private slots:
    void defaultIsBottomRightAboveTheTaskbar()
    {
        QCOMPARE(defaultPosition(QRect(0, 0, 1920, 1080), 450, bar), (Position{15300, 25790}));
        QCOMPARE(defaultPosition(QRect(0, 0, 1920, 1080), 0, bar), (Position{15750, 25790}));
    }

    void edgeHiding_data()
    {
        QTest::addColumn<double>("top");
        QTest::addColumn<double>("left");
        QTest::addColumn<QString>("cursorAt"); // inside, outside, or the window's bottom or left border
        QTest::addColumn<double>("newTop");
        QTest::addColumn<double>("newLeft");
        QTest::addColumn<bool>("shown");
        QTest::newRow("out: top 3 px hides up") << 45.0 << 15000.0 << "outside" << -410.0 << 15000.0 << false;
        QTest::newRow("out: left 2 px hides left") << 150.0 << 30.0 << "outside" << 150.0 << -2960.0 << false;
        QTest::newRow("out: top and left, top wins") << 45.0 << 30.0 << "outside" << -410.0 << 30.0 << false;
        QTest::newRow("out: right edge hides right") << 7500.0 << 25800.0 << "outside" << 7500.0 << 28760.0 << false;
        QTest::newRow("out: 5 twips off the right") << 7500.0 << 25795.0 << "outside" << 7500.0 << 25795.0 << false;
        QTest::newRow("out: hidden stays hidden") << -410.0 << 15000.0 << "outside" << -410.0 << 15000.0 << false;
        QTest::newRow("out: mid-screen") << 7500.0 << 15000.0 << "outside" << 7500.0 << 15000.0 << false;
        QTest::newRow("in: back from the top") << -410.0 << 15000.0 << "inside" << -10.0 << 15000.0 << true;
        QTest::newRow("in: back from the left") << 7500.0 << -2960.0 << "inside" << 7500.0 << -10.0 << true;
        QTest::newRow("in: back from the right") << 7500.0 << 28760.0 << "inside" << 7500.0 << 25810.0 << true;
        QTest::newRow("in: on screen") << 7500.0 << 100.0 << "inside" << 7500.0 << 100.0 << false;
        QTest::newRow("bottom border is outside") << -410.0 << 15000.0 << "bottom border" << -410.0 << 15000.0 << false;
        QTest::newRow("left border is outside") << 7500.0 << -2960.0 << "left border" << 7500.0 << -2960.0 << false;
    }
    void edgeHiding()
    {
        QFETCH(double, top);
        QFETCH(double, left);
        QFETCH(QString, cursorAt);
        QFETCH(double, newTop);
        QFETCH(double, newLeft);
        QFETCH(bool, shown);
        const QRect window = windowAt(top, left);
        QPoint cursor = window.center();
        if (cursorAt == QStringLiteral("outside"))
            cursor = QPoint(960, 540) + (window.contains(QPoint(960, 540)) ? QPoint(0, 100) : QPoint());
        else if (cursorAt == QStringLiteral("bottom border"))
            cursor.setY(window.y() + window.height());
        else if (cursorAt == QStringLiteral("left border"))
            cursor.setX(window.x());
        const EdgeStep step = edgeAutoHide(screenTwips, {top, left}, bar, window, cursor);
        QCOMPARE(step.position, (Position{newTop, newLeft}));
        QCOMPARE(step.show, shown);
    }

    void placeMustLeaveAPixelOnAScreen_data()
    {
        QTest::addColumn<double>("top");
        QTest::addColumn<double>("left");
        QTest::addColumn<bool>("reachable");
        QTest::newRow("hidden at the top") << -410.0 << 15000.0 << true;
        QTest::newRow("hidden at the right") << 7500.0 << 28760.0 << true;
        QTest::newRow("on the second screen") << 7500.0 << 30000.0 << true;
        QTest::newRow("above every screen") << -600.0 << 15000.0 << false;
        QTest::newRow("beyond the second screen") << 7500.0 << 48000.0 << false;
        QTest::newRow("below the second screen") << 15900.0 << 30000.0 << false;
    }
    void placeMustLeaveAPixelOnAScreen()
    {
        QFETCH(double, top);
        QFETCH(double, left);
        QFETCH(bool, reachable);
        const QList<QRect> screens{QRect(0, 0, 1920, 1080), QRect(1920, 0, 1280, 1024)};
        QCOMPARE(isReachable({top, left}, bar, screens), reachable);
    }

    void farPlacesAreClampedBeforeTurningIntoPixels_data()
    {
        QTest::addColumn<double>("twips");
        QTest::addColumn<int>("expected");
        // 2^32 + 100 pixels: an int would wrap to 100, right on the screen.
        QTest::newRow("past an int's range") << 64424510940.0 << 32767;
        QTest::newRow("1e30") << 1e30 << 32767;
        QTest::newRow("-1e30") << -1e30 << -32767;
        QTest::newRow("infinity") << std::numeric_limits<double>::infinity() << 32767;
        QTest::newRow("not a number") << std::numeric_limits<double>::quiet_NaN() << 0;
        QTest::newRow("ordinary") << 1500.0 << 100;
    }
    void farPlacesAreClampedBeforeTurningIntoPixels()
    {
        QFETCH(double, twips);
        QFETCH(int, expected);
        QCOMPARE(pixels({twips, twips}), QPoint(expected, expected));
        const QList<QRect> screens{QRect(0, 0, 1920, 1080)};
        QCOMPARE(isReachable({7500.0, twips}, bar, screens), expected == 100);
    }

    void panelOpensBelowOrAboveTheBarAndStaysOnTheScreen_data()
    {
        // A 600 x 2595-twip panel by a 400-twip bar on a screen 28800 twips wide.
        QTest::addColumn<double>("top");
        QTest::addColumn<double>("left");
        QTest::addColumn<double>("panelTop");
        QTest::addColumn<double>("panelLeft");
        QTest::newRow("no room above: below") << 300.0 << 1000.0 << 700.0 << 1000.0;
        QTest::newRow("top at panel plus bar: above") << 1000.0 << 1000.0 << 400.0 << 1000.0;
        QTest::newRow("just under: below") << 999.0 << 1000.0 << 1399.0 << 1000.0;
        QTest::newRow("bar hidden at the top") << -10.0 << 1000.0 << 390.0 << 1000.0;
        QTest::newRow("past the right edge") << 9000.0 << 26206.0 << 8400.0 << 26215.0;
        QTest::newRow("at screen width less panel") << 9000.0 << 26205.0 << 8400.0 << 26205.0;
    }
    void panelOpensBelowOrAboveTheBarAndStaysOnTheScreen()
    {
        QFETCH(double, top);
        QFETCH(double, left);
        QFETCH(double, panelTop);
        QFETCH(double, panelLeft);
        QCOMPARE(panelPosition({top, left}, QSizeF(2595, 600), 400, 28800), (Position{panelTop, panelLeft}));
    }
};

VARNHOLT_TEST(TestBarPlace)
#include "tst_barplace.moc"
