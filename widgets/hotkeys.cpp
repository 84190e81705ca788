#include "hotkeys.h"

#include <QAbstractNativeEventFilter>
#include <QCoreApplication>
#include <QGuiApplication>

#include <xcb/xcb.h>
#include <xcb/xcb_keysyms.h>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <vector>

namespace {
constexpr xcb_keysym_t keysymF1 = 0xffbe;
constexpr xcb_keysym_t keysymNumLock = 0xff7f;
constexpr uint16_t modifierKeys = 0xff; // Shift, Lock, Control, Mod1 ... Mod5

// One passive grab on the server.
struct KeyGrab {
    xcb_window_t root;
    xcb_keycode_t keycode;
    uint16_t modifiers;
};

struct Registration {
    WindowId window;
    qint32 id;
    quint32 virtualKey;
    std::vector<KeyGrab> grabs;
};

// What a key press may carry beside no modifier: the two locks.
struct LockMasks {
    uint16_t capsLock = XCB_MOD_MASK_LOCK;
    uint16_t numLock = 0;
};

class KeyFilter;

struct State {
    std::vector<Registration> registrations;
    LockMasks locks;
    std::unique_ptr<KeyFilter> filter;
};

State& state()
{
    static State s;
    return s;
}

// Qt's own connection, when the program runs on X11.
xcb_connection_t* connection()
{
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        return nullptr;
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 ? x11->connection() : nullptr;
}

std::vector<xcb_window_t> roots(xcb_connection_t* conn)
{
    std::vector<xcb_window_t> all;
    for (auto it = xcb_setup_roots_iterator(xcb_get_setup(conn)); it.rem; xcb_screen_next(&it))
        all.push_back(it.data->root);
    return all;
}

std::vector<xcb_keycode_t> keycodesOf(xcb_key_symbols_t* symbols, xcb_keysym_t keysym)
{
    std::vector<xcb_keycode_t> codes;
    xcb_keycode_t* found = xcb_key_symbols_get_keycode(symbols, keysym);
    for (xcb_keycode_t* code = found; code && *code != XCB_NO_SYMBOL; ++code)
        codes.push_back(*code);
    free(found);
    return codes;
}

// The modifier bit that Num Lock sets: the one its key is mapped to.
uint16_t numLockMask(xcb_connection_t* conn, xcb_key_symbols_t* symbols)
{
    const std::vector<xcb_keycode_t> numLockKeys = keycodesOf(symbols, keysymNumLock);
    xcb_get_modifier_mapping_reply_t* reply = xcb_get_modifier_mapping_reply(conn, xcb_get_modifier_mapping(conn), nullptr);
    if (!reply)
        return 0;
    uint16_t mask = 0;
    const xcb_keycode_t* map = xcb_get_modifier_mapping_keycodes(reply);
    const int perModifier = reply->keycodes_per_modifier;
    for (int modifier = 0; modifier < 8 && !mask; ++modifier) {
        for (int k = 0; k < perModifier; ++k) {
            const xcb_keycode_t code = map[modifier * perModifier + k];
            if (code && std::find(numLockKeys.begin(), numLockKeys.end(), code) != numLockKeys.end())
                mask = uint16_t(1u << modifier);
        }
    }
    free(reply);
    return mask;
}

void release(xcb_connection_t* conn, const std::vector<KeyGrab>& grabs)
{
    for (const KeyGrab& grab : grabs)
        xcb_ungrab_key(conn, grab.keycode, grab.root, grab.modifiers);
    xcb_flush(conn);
}

// Sends every grab first, then reads each answer: an error means another
// client holds that key, and whatever was taken is given back.
bool grabAll(xcb_connection_t* conn, const std::vector<KeyGrab>& wanted)
{
    std::vector<xcb_void_cookie_t> cookies;
    cookies.reserve(wanted.size());
    for (const KeyGrab& grab : wanted)
        cookies.push_back(
            xcb_grab_key_checked(conn, 0, grab.root, grab.modifiers, grab.keycode, XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC));
    std::vector<KeyGrab> taken;
    bool all = true;
    for (size_t i = 0; i < cookies.size(); ++i) {
        if (xcb_generic_error_t* error = xcb_request_check(conn, cookies[i])) {
            free(error);
            all = false;
        } else {
            taken.push_back(wanted[i]);
        }
    }
    if (!all)
        release(conn, taken);
    return all;
}

// Turns a press of a grabbed key into the hot-key message of its window.
class KeyFilter : public QAbstractNativeEventFilter {
public:
    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) override
    {
        if (eventType != "xcb_generic_event_t")
            return false;
        const auto* event = static_cast<const xcb_generic_event_t*>(message);
        if ((event->response_type & 0x7f) != XCB_KEY_PRESS)
            return false;
        const auto* press = static_cast<const xcb_key_press_event_t*>(message);
        const State& s = state();
        if (press->state & modifierKeys & ~(s.locks.capsLock | s.locks.numLock))
            return false;
        for (const Registration& registration : s.registrations) {
            const bool matches = std::any_of(registration.grabs.begin(), registration.grabs.end(), [&](const KeyGrab& g) {
                return g.keycode == press->detail && g.root == press->event;
            });
            if (matches) {
                // The procedure may register or release keys: copy what it needs first.
                const WindowId window = registration.window;
                const qint32 id = registration.id;
                const qint32 lParam = qint32(registration.virtualKey << 16);
                WindowMessages::send(window, HotKeys::Message, id, lParam);
                return true;
            }
        }
        return false;
    }
};

auto findRegistration(WindowId window, qint32 id)
{
    auto& all = state().registrations;
    return std::find_if(all.begin(), all.end(), [&](const Registration& r) { return r.window == window && r.id == id; });
}

void dropFilterWhenIdle()
{
    State& s = state();
    if (!s.registrations.empty() || !s.filter)
        return;
    if (QCoreApplication* app = QCoreApplication::instance())
        app->removeNativeEventFilter(s.filter.get());
    s.filter.reset();
}
}

namespace HotKeys {
bool registerKey(WindowId window, qint32 id, quint32 virtualKey)
{
    xcb_connection_t* conn = connection();
    State& s = state();
    if (!conn || virtualKey < VirtualKeyF1 || virtualKey > VirtualKeyF24 || findRegistration(window, id) != s.registrations.end())
        return false;
    // A key this program holds already is held elsewhere for the new window.
    if (std::any_of(s.registrations.begin(), s.registrations.end(),
                    [&](const Registration& r) { return r.virtualKey == virtualKey; }))
        return false;

    xcb_key_symbols_t* symbols = xcb_key_symbols_alloc(conn);
    if (!symbols)
        return false;
    const std::vector<xcb_keycode_t> keycodes = keycodesOf(symbols, keysymF1 + (virtualKey - VirtualKeyF1));
    s.locks.numLock = numLockMask(conn, symbols);
    xcb_key_symbols_free(symbols);
    if (keycodes.empty())
        return false;

    std::vector<uint16_t> variants{0, s.locks.capsLock, s.locks.numLock, uint16_t(s.locks.capsLock | s.locks.numLock)};
    std::sort(variants.begin(), variants.end());
    variants.erase(std::unique(variants.begin(), variants.end()), variants.end());
    std::vector<KeyGrab> wanted;
    for (xcb_window_t root : roots(conn)) {
        for (xcb_keycode_t keycode : keycodes) {
            for (uint16_t modifiers : variants)
                wanted.push_back({root, keycode, modifiers});
        }
    }
    if (!grabAll(conn, wanted))
        return false;

    s.registrations.push_back({window, id, virtualKey, std::move(wanted)});
    if (!s.filter) {
        s.filter = std::make_unique<KeyFilter>();
        QCoreApplication::instance()->installNativeEventFilter(s.filter.get());
    }
    return true;
}

bool unregisterKey(WindowId window, qint32 id)
{
    State& s = state();
    const auto it = findRegistration(window, id);
    if (it == s.registrations.end())
        return false;
    if (xcb_connection_t* conn = connection())
        release(conn, it->grabs);
    s.registrations.erase(it);
    dropFilterWhenIdle();
    return true;
}

void unregisterAll()
{
    State& s = state();
    if (xcb_connection_t* conn = connection()) {
        for (const Registration& registration : s.registrations)
            release(conn, registration.grabs);
    }
    s.registrations.clear();
    dropFilterWhenIdle();
}
}
