#pragma once
#include <QPixmap>

// The assistant's own pictures.
namespace Teskarn::Pictures {
// The search bar's logo, which the settings forms show in their hint.
QPixmap logo();
// The 16 x 16 icon of quick-launch slot 8, and of a target whose kind the
// desktop gives no icon for.
QPixmap ownIcon();
}
