#include "teskarnstate.h"
#include "formregistry.h"
#include "hotkeys.h"
#include "programstate.h"

namespace Teskarn {
State& State::instance()
{
    static State state;
    return state;
}

void State::reset()
{
    HotKeys::unregisterAll();
    ProgramState::instance().reset();
    FormRegistry::clear();
    *this = State();
}
}
