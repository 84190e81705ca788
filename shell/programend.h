#pragma once

class QWidget;

// The end of the shop program: every form unloaded, then the end request.
namespace ProgramEnd {
// Closes every window of the program (a window that refuses stays), then asks
// the program to end; while the books are busy it says to wait, and nothing closes.
void unloadEveryForm();
// While an upgrade, a restore or a compaction runs, tells the user to wait
// for it and gives true: the program must not end, nor the main window close.
bool refusedWhileBusy(QWidget* parent);
// True while unloadEveryForm closes the windows, so a window's own close
// handling does not ask for the end a second time.
bool unloading();
}
