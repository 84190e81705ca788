#include "startteskarn.h"
#include "quickwiring.h"
#include "search.h"

namespace Teskarn {
StartupResult start()
{
    search* bar = search::showModeless();
    QuickPanels::connectBar(bar);
    QuickPanels::refreshAtStart();
    return {true, 0};
}
}
