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

QWidget* AppState::showOnce(const QString& name, const std::function<QWidget*()>& create)
{
    QWidget* form = openForm(name);
    // These forms are shown while open: a hidden one was closed and only waits
    // for its deletion (Qt clears WA_DeleteOnClose as it closes it).
    if (form && form->isHidden())
        form = nullptr;
    if (!form) {
        form = create();
        registerForm(name, form);
    }
    form->show();
    form->raise();
    form->activateWindow();
    return form;
}

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
