#include "restoreinflight.h"
#include "appstate.h"

RestoreInFlight::RestoreInFlight()
{
    Q_ASSERT(!current());
    appState().restoreInFlight = this;
}

RestoreInFlight::~RestoreInFlight()
{
    appState().restoreInFlight = nullptr;
    emit ended();
}

RestoreInFlight* RestoreInFlight::current() { return qobject_cast<RestoreInFlight*>(appState().restoreInFlight.data()); }

void RestoreInFlight::setProgress(const QString& text)
{
    m_progress = text;
    emit progressed(text);
}
