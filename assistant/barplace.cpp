#include "barplace.h"
#include "twips.h"

#include <cmath>

namespace Teskarn::BarPlace {
namespace {
// What stays on the screen of a hidden bar, and how near an edge hides it.
constexpr double strip = 40;
constexpr int edgePixels = 4;
constexpr double edgeTwips = 4;
// The default place's distance from the right edge.
constexpr double rightMargin = 10;
// How far a bar that comes back still stands past its edge.
constexpr double overhang = 10;
// How far a panel at the right edge stands past it.
constexpr double panelOverhang = 10;
}

QPoint pixels(const Position& position) { return {toPixels(position.left), toPixels(position.top)}; }

Position defaultPosition(const QRect& screen, qint16 taskbarTwips, const QSizeF& barTwips)
{
    const double right = double(screen.x() + screen.width()) * TwipsPerPixel;
    const double bottom = double(screen.y() + screen.height()) * TwipsPerPixel;
    return {bottom - barTwips.height() - taskbarTwips, right - barTwips.width() - rightMargin};
}

bool isReachable(const Position& position, const QSizeF& barTwips, const QList<QRect>& screens)
{
    if (!std::isfinite(position.top) || !std::isfinite(position.left))
        return false;
    const QRect window(pixels(position), QSize(toPixels(barTwips.width()), toPixels(barTwips.height())));
    for (const QRect& screen : screens) {
        if (screen.intersects(window))
            return true;
    }
    return false;
}

EdgeStep edgeAutoHide(const QSizeF& screenTwips, const Position& position, const QSizeF& barTwips, const QRect& window,
                      const QPoint& cursor)
{
    EdgeStep step{position, false};
    const int right = window.x() + window.width();
    const int bottom = window.y() + window.height();
    const bool inside = window.x() < cursor.x() && cursor.x() < right && window.y() < cursor.y() && cursor.y() < bottom;
    if (!inside) {
        if (window.y() <= edgePixels)
            step.position.top = strip - barTwips.height();
        else if (window.x() <= edgePixels)
            step.position.left = strip - barTwips.width();
        else if (position.left + barTwips.width() >= screenTwips.width() - edgeTwips)
            step.position.left = screenTwips.width() - strip;
        return step;
    }
    if (position.top < 0)
        step.position.top = -overhang;
    else if (position.left < 0)
        step.position.left = -overhang;
    else if (position.left + barTwips.width() >= screenTwips.width())
        step.position.left = screenTwips.width() - barTwips.width() + overhang;
    else
        return step;
    step.show = true;
    return step;
}

Position panelPosition(const Position& bar, const QSizeF& panelTwips, double barHeight, double screenWidth)
{
    Position panel;
    panel.top = bar.top < panelTwips.height() + barHeight ? bar.top + barHeight : bar.top - panelTwips.height();
    panel.left = bar.left > screenWidth - panelTwips.width() ? screenWidth - panelTwips.width() + panelOverhang : bar.left;
    return panel;
}
}
