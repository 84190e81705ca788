#pragma once
#include <memory>

class InstanceLock;

// What a program keeps for its whole run, whichever of the two it is: the
// lock that tells a second copy that it runs. Tests reset it between cases.
class ProgramState {
public:
    static ProgramState& instance();

    std::unique_ptr<InstanceLock> instanceLock;

    void reset();
};
