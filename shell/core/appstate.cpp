#include "appstate.h"

AppState& AppState::instance()
{
    static AppState state;
    return state;
}

bool AppState::isAdministrator() const { return currentOperator == QStringLiteral("管理员"); }

QString AppState::databasePath() const { return appPath + QStringLiteral("/db_kcgl.mdb"); }

QWidget* AppState::openForm(const QString& name) const { return ProgramState::instance().openForm(name); }

void AppState::registerForm(const QString& name, QWidget* form) { ProgramState::instance().registerForm(name, form); }

void AppState::reset()
{
    appPath.clear();
    currentOperator.clear();
    slipMode.clear();
    bMod3 = false;
    backupTrigger = {};
    trayForm = nullptr;
    ProgramState::instance().reset();
}
