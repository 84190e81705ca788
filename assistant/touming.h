#pragma once

class QWidget;

namespace Teskarn::touming {
// Makes a window partly transparent: its opacity is percent x 2.55 of 255,
// rounded half to even and at most 255 (66 gives 168/255).
void SetFormAlpha(QWidget* form, float percent);
}
