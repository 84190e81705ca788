#include "programstate.h"
#include "instancelock.h"

ProgramState& ProgramState::instance()
{
    static ProgramState state;
    return state;
}

QWidget* ProgramState::openForm(const QString& name) const
{
    const auto it = m_forms.constFind(name);
    return it == m_forms.constEnd() ? nullptr : it.value().data();
}

void ProgramState::registerForm(const QString& name, QWidget* form) { m_forms.insert(name, form); }

void ProgramState::reset()
{
    instanceLock.reset();
    m_forms.clear();
}
