#include "startup.h"
#include "appstate.h"
#include "paths.h"

#include <sys/stat.h>

StartupResult prepareVarnholt()
{
    ::umask(077);
    AppState& app = appState();
    app.appPath = Paths::appPath();
    // A database that could not be copied shows itself when the login form
    // reads the operators.
    Paths::prepareAppPath(app.appPath, Paths::deliveredDir(), {QStringLiteral("db_kcgl.mdb")});
    return {true, 0};
}
