#include "startteskarn.h"
#include "TuoPan.h"

namespace Teskarn {
StartupResult start()
{
    if (!TuoPan::load())
        return {false, 0};
    return {true, 0};
}
}
