#include "JieTu.h"
#include "fixture.h"
#include "screenshotgeometry.h"

using namespace Teskarn::ScreenshotGeometry;

namespace {
const QSize handle6(6, 6);
}

class TestScreenshotGeometry : public VarnholtTestCase {
    Q_OBJECT
public:
    TestScreenshotGeometry()
        : VarnholtTestCase(TestedProgram::Teskarn)
    {
    }

private slots:
    void rubberBandSpansAnchorAndCursorEitherWay_data()
    {
        QTest::addColumn<QPoint>("anchor");
        QTest::addColumn<QPoint>("cursor");
        QTest::addColumn<QRect>("band");
        const QRect before(5, 5, 7, 7);
        QTest::newRow("down right") << QPoint(100, 100) << QPoint(300, 200) << QRect(100, 100, 200, 100);
        QTest::newRow("up left") << QPoint(300, 200) << QPoint(100, 100) << QRect(100, 100, 200, 100);
        QTest::newRow("down left") << QPoint(300, 100) << QPoint(100, 200) << QRect(100, 100, 200, 100);
        QTest::newRow("up right") << QPoint(100, 200) << QPoint(300, 100) << QRect(100, 100, 200, 100);
        QTest::newRow("level across keeps it") << QPoint(100, 100) << QPoint(300, 100) << before;
        QTest::newRow("level down keeps it") << QPoint(100, 100) << QPoint(100, 300) << before;
    }
    void rubberBandSpansAnchorAndCursorEitherWay()
    {
        QFETCH(QPoint, anchor);
        QFETCH(QPoint, cursor);
        QFETCH(QRect, band);
        QCOMPARE(rubberBand(QRect(5, 5, 7, 7), anchor, cursor), band);
    }

    void leftAndTopEdgesAreInsideRightAndBottomOutside()
    {
        const QRect selection(100, 100, 300, 200);
        QVERIFY(inSelection(selection, {100, 100}));
        QVERIFY(inSelection(selection, {399, 299}));
        QVERIFY(!inSelection(selection, {400, 150}));
        QVERIFY(!inSelection(selection, {150, 300}));
        QVERIFY(!inSelection(selection, {99, 150}));
        QVERIFY(!inSelection(QRect(100, 100, 0, 0), {100, 100}));
    }

    void moveFollowsTheMouseAndStopsAtTheEdges_data()
    {
        QTest::addColumn<QPoint>("cursor");
        QTest::addColumn<QPoint>("topLeft");
        // Selection 200 x 100 standing at (300,300), pressed at (350,350), screen 1024 x 768.
        QTest::newRow("within") << QPoint(400, 380) << QPoint(350, 330);
        QTest::newRow("past the left and top") << QPoint(10, 20) << QPoint(0, 0);
        QTest::newRow("past the right and bottom") << QPoint(1000, 760) << QPoint(824, 668);
        QTest::newRow("exactly at the right") << QPoint(874, 350) << QPoint(824, 300);
    }
    void moveFollowsTheMouseAndStopsAtTheEdges()
    {
        QFETCH(QPoint, cursor);
        QFETCH(QPoint, topLeft);
        QCOMPARE(movedTopLeft({300, 300}, {350, 350}, cursor, {200, 100}, {1024, 768}), topLeft);
    }

    void toolbarGoesBelowOrInsideAndNeverLeftOfTheScreen_data()
    {
        QTest::addColumn<QRect>("selection");
        QTest::addColumn<QPoint>("place");
        QTest::newRow("below, right-aligned") << QRect(100, 100, 300, 200) << QPoint(200, 304);
        QTest::newRow("no room below: inside, at the left edge") << QRect(100, 700, 50, 40) << QPoint(0, 706);
        QTest::newRow("exactly room below") << QRect(300, 500, 100, 234) << QPoint(200, 738);
        QTest::newRow("a click") << QRect(300, 200, 0, 0) << QPoint(100, 204);
    }
    void toolbarGoesBelowOrInsideAndNeverLeftOfTheScreen()
    {
        QFETCH(QRect, selection);
        QFETCH(QPoint, place);
        QCOMPARE(toolbarPlace(selection, {200, 30}, 768), place);
    }

    void handlesSitOnTheOutline()
    {
        const std::array<QPoint, 8> places = handlePlaces({100, 100, 300, 200}, handle6);
        const std::array<QPoint, 8> expected = {QPoint(97, 97),  QPoint(247, 97),  QPoint(396, 97),  QPoint(97, 197),
                                                QPoint(97, 297), QPoint(247, 297), QPoint(397, 297), QPoint(397, 197)};
        QCOMPARE(places, expected);
    }

    void handleDragResizesFromWhereTheDragBegan_data()
    {
        QTest::addColumn<int>("handle");
        QTest::addColumn<QPoint>("cursor");
        QTest::addColumn<QRect>("selection");
        // The selection (100,100)-(400,300) when the drag began; handles 6 x 6.
        QTest::newRow("0") << 0 << QPoint(50, 60) << QRect(53, 63, 350, 240);
        QTest::newRow("1") << 1 << QPoint(230, 60) << QRect(100, 63, 300, 240);
        QTest::newRow("2") << 2 << QPoint(450, 60) << QRect(100, 63, 353, 240);
        QTest::newRow("3") << 3 << QPoint(50, 190) << QRect(53, 100, 350, 200);
        QTest::newRow("4") << 4 << QPoint(50, 350) << QRect(53, 100, 350, 250);
        QTest::newRow("5") << 5 << QPoint(230, 350) << QRect(100, 100, 300, 250);
        QTest::newRow("6") << 6 << QPoint(450, 350) << QRect(100, 100, 350, 250);
        QTest::newRow("7") << 7 << QPoint(450, 190) << QRect(100, 100, 350, 200);
        QTest::newRow("6 onto the opposite corner") << 6 << QPoint(100, 100) << QRect(100, 100, 0, 0);
    }
    void handleDragResizesFromWhereTheDragBegan()
    {
        QFETCH(int, handle);
        QFETCH(QPoint, cursor);
        QFETCH(QRect, selection);
        QCOMPARE(resizedByHandle(handle, {100, 100, 300, 200}, cursor, handle6), std::optional<QRect>(selection));
    }

    void handlePastTheOppositeSideGivesNoSelection()
    {
        QVERIFY(!resizedByHandle(6, {100, 100, 300, 200}, {99, 350}, handle6));
        QVERIFY(!resizedByHandle(1, {100, 100, 300, 200}, {230, 301}, handle6));
        QVERIFY(!resizedByHandle(3, {100, 100, 300, 200}, {401, 190}, handle6));
    }

    void colourSplitsRedFromTheLowestByte()
    {
        QCOMPARE(Teskarn::JieTu::SplitRGB(0x00336699), QStringLiteral("(153,102,51)"));
        QCOMPARE(Teskarn::JieTu::SplitRGB(0x000000ff), QStringLiteral("(255,0,0)"));
    }
};

VARNHOLT_TEST(TestScreenshotGeometry)
#include "tst_screenshotgeometry.moc"
