#include "appstate.h"
#include "instancelock.h"

AppState& AppState::instance()
{
    static AppState state;
    return state;
}

bool AppState::isAdministrator() const { return currentOperator == QStringLiteral("管理员"); }

QString AppState::databasePath() const { return appPath + QStringLiteral("/db_kcgl.mdb"); }

QWidget* AppState::openForm(const QString& name) const
{
    const auto it = m_forms.constFind(name);
    return it == m_forms.constEnd() ? nullptr : it.value().data();
}

void AppState::registerForm(const QString& name, QWidget* form) { m_forms.insert(name, form); }

void AppState::reset()
{
    appPath.clear();
    currentOperator.clear();
    slipMode.clear();
    backupTrigger = {};
    instanceLock.reset();
    trayForm = nullptr;
    m_forms.clear();
}
