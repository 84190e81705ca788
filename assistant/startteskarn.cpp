#include "startteskarn.h"
#include "search.h"

namespace Teskarn {
StartupResult start()
{
    search::showModeless();
    return {true, 0};
}
}
