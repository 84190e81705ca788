#pragma once
#include <functional>

// How many message boxes stand open, as the message boxes report it, so that
// work below the widgets can wait for the user's answer without knowing them.
namespace OpenBoxes {
void opened();
// Runs the work that waited once the last box has closed.
void closed();
// Runs the work now when no box is open, else once the last one closes,
// so a late result never lands on top of a question being answered.
void whenNoneOpen(std::function<void()> work);
}
