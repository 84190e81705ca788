#include "adoS.h"
#include "twips.h"

#include <QGuiApplication>
#include <QRect>
#include <QScreen>

namespace Teskarn::adoS {
qint16 TaskbarHeight()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return 0;
    return TaskbarHeight(screen->geometry(), screen->availableGeometry());
}

qint16 TaskbarHeight(const QRect& screen, const QRect& workArea)
{
    const int screenBottom = screen.y() + screen.height();
    const int workAreaBottom = workArea.y() + workArea.height();
    return qint16((screenBottom - workAreaBottom) * TwipsPerPixel);
}
}
