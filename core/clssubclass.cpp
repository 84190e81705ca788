#include "clssubclass.h"
#include "mdlsubclass.h"

#include <algorithm>

clsSubClass::~clsSubClass() { UnSubclassWhole(); }

clsSubClass* clsSubClass::CreateSubClass(WindowId window, WindowProcedure procedure)
{
    if (m_window != 0) {
        if (m_window == window) {
            addProcedure(procedure);
            return this;
        }
        if (!UnSubclassWhole())
            return nullptr;
    }
    m_previous = WindowMessages::windowProc(window);
    if (!m_previous)
        return nullptr;
    m_window = window;
    if (!WindowMessages::replaceWindowProc(window, &mdlSubClass::WindowProc)) {
        UnSubclassWhole();
        return nullptr;
    }
    addProcedure(procedure);
    return this;
}

bool clsSubClass::UnSubclassOne(WindowProcedure procedure)
{
    const auto it = std::find(m_procedures.begin(), m_procedures.end(), procedure);
    const bool removed = it != m_procedures.end();
    if (removed)
        m_procedures.erase(it);
    return m_procedures.empty() ? UnSubclassWhole() : removed;
}

bool clsSubClass::UnSubclassWhole()
{
    m_procedures.clear();
    if (m_window == 0 || !m_previous)
        return false;
    // On failure the window and its previous procedure stay known.
    if (!WindowMessages::replaceWindowProc(m_window, m_previous))
        return false;
    m_window = 0;
    m_previous = nullptr;
    return true;
}

WindowProcedure clsSubClass::UserProcAddr(qint32 place) const
{
    return place >= 1 && place <= UserProcAddrsCount() ? m_procedures[size_t(place - 1)] : nullptr;
}

void clsSubClass::addProcedure(WindowProcedure procedure)
{
    if (std::find(m_procedures.begin(), m_procedures.end(), procedure) == m_procedures.end())
        m_procedures.push_back(procedure);
}
