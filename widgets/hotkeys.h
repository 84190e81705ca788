#pragma once
#include "windowmessages.h"

// Keys that reach a window of ours wherever the keyboard focus is, as the
// hot-key message. Only an X11 desktop offers them: elsewhere registering
// fails and the program goes on without them.
namespace HotKeys {
// The message a pressed hot key sends; wParam is the key's id.
inline constexpr qint32 Message = 0x0312;
// The virtual keys F1 ... F24 are 0x70 ... 0x87.
inline constexpr quint32 VirtualKeyF1 = 0x70;
inline constexpr quint32 VirtualKeyF24 = 0x87;

// Takes the key, pressed without modifier keys (Caps Lock and Num Lock do
// not count), for the window under that id. False, with nothing taken, when
// the desktop has no global keys, the key is not F1 ... F24, the window has
// that id already, or the key is held elsewhere.
bool registerKey(WindowId window, qint32 id, quint32 virtualKey);
// Lets the key go; false when the window has no key of that id.
bool unregisterKey(WindowId window, qint32 id);
// Lets every key go.
void unregisterAll();
}
