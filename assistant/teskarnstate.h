#pragma once
#include "windowmessages.h"

#include <QDateTime>
#include <QString>
#include <array>

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
    // The moment of the power-off this run armed (null when none), kept
    // beside its record, which an unwritable settings folder may lose.
    QDateTime ShutdownArmed;

    // SlotTarget1 … SlotTarget8: the quick-launch targets as last loaded by
    // the panel or its settings form; F1 opens the eighth.
    std::array<QString, 8> SlotTarget;

    // Lets every hot key go, forgets the forms and the instance lock, and
    // takes every value above back to its start.
    void reset();
};
}
