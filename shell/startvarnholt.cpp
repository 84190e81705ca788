#include "startvarnholt.h"
#include "bookupgrade.h"
#include "frm_xtdl.h"

StartupResult startVarnholt()
{
    const StartupResult prepared = prepareVarnholt();
    if (!prepared.runEventLoop)
        return prepared;
    if (!BookUpgrade::run(nullptr))
        return {false, 1};
    if (!frm_xtdl::load())
        return {false, 0};
    return {true, 0};
}
