#include "openboxes.h"

#include <QList>
#include <utility>

namespace {
struct State {
    int open = 0;
    QList<std::function<void()>> afterClose;
};

State& state()
{
    static State s;
    return s;
}
}

void OpenBoxes::opened() { ++state().open; }

void OpenBoxes::closed()
{
    State& s = state();
    if (--s.open > 0)
        return;
    const QList<std::function<void()>> work = std::exchange(s.afterClose, {});
    for (const auto& run : work)
        run();
}

void OpenBoxes::whenNoneOpen(std::function<void()> work)
{
    if (state().open == 0)
        work();
    else
        state().afterClose.append(std::move(work));
}
