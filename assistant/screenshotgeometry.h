#pragma once
#include <QPoint>
#include <QRect>
#include <QSize>
#include <array>
#include <optional>

// Where the screenshot's selection, handles and toolbar go, in pixels of the
// screenshot window (the screen's own pixels, from its top-left corner).
// A selection is left, top, width and height; its right is left + width.
namespace Teskarn::ScreenshotGeometry {
// The rubber band from the anchor to the cursor. While the cursor is level
// with the anchor, across or down, the band stays as it was.
QRect rubberBand(const QRect& current, QPoint anchor, QPoint cursor);

// Whether the point lies in the selection: its left and top edges are
// inside, its right and bottom edges outside.
bool inSelection(const QRect& selection, QPoint point);

// The top-left of a selection that stood at the anchor when the mouse went
// down at the press point, now that the mouse is at the cursor: it follows
// the mouse and stays on the screen.
QPoint movedTopLeft(QPoint anchor, QPoint press, QPoint cursor, QSize selection, QSize screen);

// The toolbar's top-left: right-aligned 4 pixels below the selection, or
// inside its bottom when the screen has no room below; never left of the
// screen.
QPoint toolbarPlace(const QRect& selection, QSize toolbar, int screenHeight);

// The top-left corners of the eight handles, 0 top-left, 1 top middle,
// 2 top-right, 3 left middle, 4 bottom-left, 5 bottom middle, 6 bottom-right,
// 7 right middle, each centred on the selection's outline (handle 2 a little
// further in).
std::array<QPoint, 8> handlePlaces(const QRect& selection, QSize handle);

// The selection while a handle is dragged with its top-left at the cursor,
// from the selection when the drag began. None when the handle has passed
// the opposite side (a negative width or height).
std::optional<QRect> resizedByHandle(int handle, const QRect& origin, QPoint cursor, QSize handleSize);
}
