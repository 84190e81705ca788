#pragma once

namespace Teskarn {
// The process-wide state of the assistant; tests reset it between cases.
class State {
public:
    static State& instance();

    // Forgets the forms and the instance lock and lets every hot key go.
    void reset();
};
}
