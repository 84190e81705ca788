#pragma once

namespace Teskarn {
// Forms and the screen are measured in twips, 15 to a pixel.
inline constexpr int TwipsPerPixel = 15;
}
