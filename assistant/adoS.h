#pragma once
#include <QtGlobal>

class QRect;

namespace Teskarn::adoS {
// How much of the primary screen's bottom the taskbar and other docked bars
// take, in twips: 0 when they stand at another edge.
qint16 TaskbarHeight();
// The same for a screen and its work area, in pixels.
qint16 TaskbarHeight(const QRect& screen, const QRect& workArea);
}
