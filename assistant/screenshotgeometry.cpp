#include "screenshotgeometry.h"

#include <QtMath>

namespace Teskarn::ScreenshotGeometry {
QRect rubberBand(const QRect& current, QPoint anchor, QPoint cursor)
{
    if (cursor.x() == anchor.x() || cursor.y() == anchor.y())
        return current;
    const QPoint topLeft(qMin(anchor.x(), cursor.x()), qMin(anchor.y(), cursor.y()));
    return {topLeft, QSize(qAbs(cursor.x() - anchor.x()), qAbs(cursor.y() - anchor.y()))};
}

bool inSelection(const QRect& selection, QPoint point)
{
    return point.x() >= selection.x() && point.x() < selection.x() + selection.width() && point.y() >= selection.y()
           && point.y() < selection.y() + selection.height();
}

QPoint movedTopLeft(QPoint anchor, QPoint press, QPoint cursor, QSize selection, QSize screen)
{
    QPoint topLeft = anchor - (press - cursor);
    topLeft.setX(qMax(topLeft.x(), 0));
    topLeft.setY(qMax(topLeft.y(), 0));
    if (topLeft.x() + selection.width() > screen.width())
        topLeft.setX(screen.width() - selection.width());
    if (topLeft.y() + selection.height() > screen.height())
        topLeft.setY(screen.height() - selection.height());
    return topLeft;
}

QPoint toolbarPlace(const QRect& selection, QSize toolbar, int screenHeight)
{
    const int bottom = selection.y() + selection.height();
    const int left = qMax(selection.x() + selection.width() - toolbar.width(), 0);
    if (bottom + 4 + toolbar.height() <= screenHeight)
        return {left, bottom + 4};
    return {left, bottom - toolbar.height() - 4};
}

std::array<QPoint, 8> handlePlaces(const QRect& selection, QSize handle)
{
    const double l = selection.x();
    const double t = selection.y();
    const double w = selection.width();
    const double h = selection.height();
    const double halfW = handle.width() / 2.0;
    const double halfH = handle.height() / 2.0;
    const auto at = [](double left, double top) { return QPoint(qRound(left), qRound(top)); };
    return {
        at(l - halfW, t - halfH),         at(l + w / 2 - halfW, t - halfH),     at(l + w - handle.width() / 1.5, t - halfH),
        at(l - halfW, t + h / 2 - halfH), at(l - halfW, t + h - halfH),         at(l + w / 2 - halfW, t + h - halfH),
        at(l + w - halfW, t + h - halfH), at(l + w - halfW, t + h / 2 - halfH),
    };
}

std::optional<QRect> resizedByHandle(int handle, const QRect& origin, QPoint cursor, QSize handleSize)
{
    const double l0 = origin.x();
    const double t0 = origin.y();
    const double r0 = origin.x() + origin.width();
    const double b0 = origin.y() + origin.height();
    const double x = cursor.x();
    const double y = cursor.y();
    const double halfW = handleSize.width() / 2.0;
    const double halfH = handleSize.height() / 2.0;
    double left = l0;
    double top = t0;
    double width = r0 - l0;
    double height = b0 - t0;
    switch (handle) {
    case 0:
        left = x + halfW;
        top = y + halfH;
        width = r0 - x;
        height = b0 - y;
        break;
    case 1:
        top = y + halfH;
        height = b0 - y;
        break;
    case 2:
        top = y + halfH;
        width = x - l0 + halfW;
        height = b0 - y;
        break;
    case 3:
        left = x + halfW;
        width = r0 - x;
        break;
    case 4:
        left = x + halfW;
        width = r0 - x;
        height = y - t0;
        break;
    case 5:
        height = y - t0;
        break;
    case 6:
        width = x - l0;
        height = y - t0;
        break;
    case 7:
        width = x - l0;
        break;
    default:
        return std::nullopt;
    }
    if (width < 0 || height < 0)
        return std::nullopt;
    return QRect(qRound(left), qRound(top), qRound(width), qRound(height));
}
}
