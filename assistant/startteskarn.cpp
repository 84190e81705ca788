#include "startteskarn.h"
#include "JieTu.h"
#include "search.h"

namespace Teskarn {
StartupResult start()
{
    search* bar = search::showModeless();
    QObject::connect(bar, &search::screenshotRequested, bar, &JieTu::showModeless);
    return {true, 0};
}
}
