#pragma once
#include <QRect>

#include <algorithm>
#include <cmath>

// Forms and the screen are measured in twips, 15 to a pixel.
inline constexpr int TwipsPerPixel = 15;

// The farthest a window coordinate reaches, in twips: a stored or computed
// place beyond it (or no number at all) would overflow the pixel's int.
inline constexpr double MaxTwips = 32767.0 * TwipsPerPixel;

inline double clampTwips(double twips) { return std::isnan(twips) ? 0.0 : std::clamp(twips, -MaxTwips, MaxTwips); }

inline int toPixels(double twips) { return int(std::lround(clampTwips(twips) / TwipsPerPixel)); }

// A control's place and size given in twips.
inline QRect pixelRect(double left, double top, double width, double height)
{
    return {toPixels(left), toPixels(top), toPixels(width), toPixels(height)};
}
