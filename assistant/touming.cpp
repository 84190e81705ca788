#include "touming.h"

#include <QWidget>

#include <algorithm>
#include <cmath>

namespace Teskarn::touming {
void SetFormAlpha(QWidget* form, float percent)
{
    // nearbyint rounds half to even in the default rounding mode.
    const double alpha = std::clamp(std::nearbyint(double(percent) * 2.55), 0.0, 255.0);
    form->setWindowOpacity(alpha / 255.0);
}
}
