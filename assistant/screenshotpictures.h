#pragma once
#include <QPixmap>

// The pictures of the screenshot window: its resize handles and toolbar buttons.
namespace Teskarn::ScreenshotPictures {
inline constexpr int handleSize = 6;
inline constexpr int buttonSize = 20;

QPixmap handle();
// The toolbar's buttons: 0 cancel the selection, 1 copy, 2 save, 3 close.
QPixmap button(int index);
}
