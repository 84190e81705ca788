#pragma once
#include <QList>
#include <QPoint>
#include <QRect>
#include <QSizeF>

// Where the search bar stands: its Top and Left in twips as the bar holds
// them, and the rules that move it. Screens, window rectangles and the cursor
// are in pixels.
namespace Teskarn::BarPlace {
struct Position {
    double top = 0;
    double left = 0;
    bool operator==(const Position&) const = default;
};

// The window's top-left pixel for a position (twips ÷ 15, rounded).
QPoint pixels(const Position& position);

// Bottom right of the screen: 10 twips from its right edge, just above the
// taskbar.
Position defaultPosition(const QRect& screen, qint16 taskbarTwips, const QSizeF& barTwips);

// Whether the bar at that position shows at least one pixel on one of the
// screens, so that the mouse can reach it.
bool isReachable(const Position& position, const QSizeF& barTwips, const QList<QRect>& screens);

// One tick of the edge hiding: a bar the cursor has left slides off the top,
// left or right edge it touches, keeping a 40-twip strip on the screen; the
// cursor inside that strip brings it back, to be shown and raised. Inside
// means strictly inside the window: on its border counts as outside.
struct EdgeStep {
    Position position;
    bool show = false;
};
EdgeStep edgeAutoHide(const QSizeF& screenTwips, const Position& position, const QSizeF& barTwips, const QRect& window,
                      const QPoint& cursor);

// Where a panel opens by the bar at that place (all twips): below the bar when
// there is no room above it, else with its bottom on the bar's top; its left
// edge on the bar's, unless that would take it past the screen's right edge,
// where it stands 10 twips beyond.
Position panelPosition(const Position& bar, const QSizeF& panelTwips, double barHeight, double screenWidth);
}
