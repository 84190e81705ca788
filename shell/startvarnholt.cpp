#include "startvarnholt.h"
#include "frm_xtdl.h"

StartupResult startVarnholt()
{
    const StartupResult prepared = prepareVarnholt();
    if (!prepared.runEventLoop)
        return prepared;
    if (!frm_xtdl::load())
        return {false, 0};
    return {true, 0};
}
