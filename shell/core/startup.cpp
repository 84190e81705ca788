#include "startup.h"
#include "appstate.h"
#include "instancelock.h"
#include "paths.h"

#include <sys/stat.h>

StartupResult prepareVarnholt()
{
    ::umask(077);
    AppState& app = appState();
    if (!app.instanceLock) {
        app.instanceLock = std::make_unique<InstanceLock>(QStringLiteral("Varnholt"));
        if (!app.instanceLock->acquire())
            return {false, 1};
    }
    app.appPath = Paths::appPath();
    Paths::prepareAppPath(app.appPath, Paths::deliveredDir(), {QStringLiteral("db_kcgl.mdb")});
    return {false, 0};
}
