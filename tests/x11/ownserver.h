#pragma once
#include <QString>
#include <QStringList>

#include <xcb/xcb.h>

// The X server that with-xvfb started for this test run, and nothing else:
// every connection of these tests, xdotool's too, goes through here.
namespace OwnServer {
// The server's display (":7") when DISPLAY names it and its process is alive
// and is Xvfb; "" otherwise.
QString display();

// Runs xdotool on the server with the arguments; false when the check fails
// or xdotool does.
bool xdotool(const QStringList& arguments);

// Another program's connection to the server, to take keys before or after
// this one does.
class OtherClient {
public:
    OtherClient();
    ~OtherClient();
    OtherClient(const OtherClient&) = delete;
    OtherClient& operator=(const OtherClient&) = delete;

    bool isConnected() const { return m_connection != nullptr; }
    // Grabs the key (an X keysym) with exactly these modifiers on the root
    // window; false when another client holds it.
    bool grab(xcb_keysym_t keysym, uint16_t modifiers = 0);
    void ungrab(xcb_keysym_t keysym, uint16_t modifiers = 0);

private:
    xcb_keycode_t keycode(xcb_keysym_t keysym) const;

    xcb_connection_t* m_connection = nullptr;
    xcb_window_t m_root = 0;
};

inline constexpr xcb_keysym_t keysymF1 = 0xffbe;
inline constexpr xcb_keysym_t keysymF3 = 0xffc0;
}
