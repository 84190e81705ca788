#include "startvarnholt.h"
#include "appstate.h"
#include "bookupgrade.h"
#include "frm_xtdl.h"
#include "networkrestore.h"

StartupResult startVarnholt()
{
    // Before the first-start copy and the upgrade: a second copy must not
    // write the book while the first one brings it up to date.
    if (!frm_xtdl::claimInstance())
        return {false, 0};
    const StartupResult prepared = prepareVarnholt();
    if (!prepared.runEventLoop)
        return prepared;
    NetworkRestore::removeLeftovers(appState().appPath);
    if (!BookUpgrade::run(nullptr))
        return {false, 1};
    if (!frm_xtdl::load())
        return {false, 0};
    return {true, 0};
}
