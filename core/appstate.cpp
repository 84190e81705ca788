#include "appstate.h"

AppState& AppState::instance()
{
    static AppState state;
    return state;
}

bool AppState::isAdministrator() const { return currentOperator == QStringLiteral("管理员"); }

QString AppState::databasePath() const { return appPath + QStringLiteral("/db_kcgl.mdb"); }

void AppState::reset()
{
    appPath.clear();
    currentOperator.clear();
    slipMode.clear();
    bMod3 = false;
    backupTrigger = {};
    trayForm = nullptr;
    restoreInFlight = nullptr;
    recordsConditions.clear();
    booksBusy = 0;
    ProgramState::instance().reset();
}
