#pragma once
#include "windowmessages.h"

#include <QString>
#include <array>

namespace Teskarn {
// The process-wide state of the assistant; tests reset it between cases.
class State {
public:
    static State& instance();

    // The search bar's window procedure before the hot-key procedure took its place.
    WindowProcedure PreviousWndProc = nullptr;

    // SlotTarget1 … SlotTarget8: the quick-launch targets as last loaded by
    // the panel or its settings form; F1 opens the eighth.
    std::array<QString, 8> SlotTarget;

    // Forgets the forms, the instance lock, the procedure and the targets, and
    // lets every hot key go.
    void reset();
};
}
