#pragma once
#include "windowmessages.h"

namespace Teskarn {
// The process-wide state of the assistant; tests reset it between cases.
class State {
public:
    static State& instance();

    // The search bar's window procedure before the hot-key procedure took its place.
    WindowProcedure PreviousWndProc = nullptr;

    // Forgets the forms, the instance lock and the procedure, and lets every hot key go.
    void reset();
};
}
