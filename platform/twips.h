#pragma once
#include <QRect>

#include <cmath>

// Forms and the screen are measured in twips, 15 to a pixel.
inline constexpr int TwipsPerPixel = 15;

inline int toPixels(double twips) { return int(std::lround(twips / TwipsPerPixel)); }

// A control's place and size given in twips.
inline QRect pixelRect(double left, double top, double width, double height)
{
    return {toPixels(left), toPixels(top), toPixels(width), toPixels(height)};
}
