#pragma once

// The end of the shop program: every form unloaded, then the end request.
namespace ProgramEnd {
// Closes every window of the program (a window that refuses stays), then asks
// the program to end.
void unloadEveryForm();
// True while unloadEveryForm closes the windows, so a window's own close
// handling does not ask for the end a second time.
bool unloading();
}
