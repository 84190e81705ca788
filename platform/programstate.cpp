#include "programstate.h"
#include "instancelock.h"

ProgramState& ProgramState::instance()
{
    static ProgramState state;
    return state;
}

void ProgramState::reset() { instanceLock.reset(); }
