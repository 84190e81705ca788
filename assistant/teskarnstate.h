#pragma once
#include "timedshutdown.h"
#include "windowmessages.h"

#include <QString>
#include <optional>

namespace Teskarn {
// The process-wide state of the assistant; tests reset it between cases.
class State {
public:
    static State& instance();

    // The search bar's window procedure before the hot-key procedure took its place.
    WindowProcedure PreviousWndProc = nullptr;

    // The shutdown settings [shi], [fen] and [sel] as read at start.
    QString ShutdownHour;
    QString ShutdownMinute;
    QString ShutdownDaily;
    // The time this run last armed the shutdown at.
    std::optional<TimedShutdown::Time> shutdownArmedAt;

    // Lets every hot key go, forgets the forms and the instance lock, and
    // takes every value above back to its start.
    void reset();
};
}
