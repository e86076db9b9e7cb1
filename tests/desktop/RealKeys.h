#pragma once
// Keys as the X server delivers them: XTest presses and releases key codes on the display, so
// the window manager's focus, Qt's shortcut map, the focus widget and its filters decide where
// each key lands, as they do for a user's keyboard.
#include <QApplication>
#include <QGuiApplication>
#include <QString>
#include <QStringList>
#include <QTest>

#include <xcb/xcb.h>
#include <xcb/xtest.h>

#include <cstdlib>
#include <initializer_list>
#include <map>
#include <utility>

namespace orvelle::test {

inline xcb_connection_t* XConnection() {
    auto* x11 = qApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->connection() : nullptr;
}

// The key code that gives `sym`, and whether Shift is needed for it.
inline std::pair<xcb_keycode_t, bool> KeyFor(xcb_keysym_t sym) {
    static std::map<xcb_keysym_t, std::pair<xcb_keycode_t, bool>> codes = [] {
        std::map<xcb_keysym_t, std::pair<xcb_keycode_t, bool>> out;
        xcb_connection_t* c = XConnection();
        if (!c) return out;
        const xcb_setup_t* setup = xcb_get_setup(c);
        int first = setup->min_keycode, count = setup->max_keycode - setup->min_keycode + 1;
        xcb_get_keyboard_mapping_reply_t* r = xcb_get_keyboard_mapping_reply(
            c, xcb_get_keyboard_mapping(c, static_cast<xcb_keycode_t>(first), static_cast<uint8_t>(count)), nullptr);
        if (!r) return out;
        const xcb_keysym_t* syms = xcb_get_keyboard_mapping_keysyms(r);
        int per = r->keysyms_per_keycode;
        for (int k = 0; k < count; ++k)
            for (int col = 0; col < per && col < 2; ++col)
                if (xcb_keysym_t s = syms[k * per + col]; s && !out.count(s))
                    out[s] = {static_cast<xcb_keycode_t>(first + k), col == 1};
        std::free(r);
        return out;
    }();
    auto it = codes.find(sym);
    return it == codes.end() ? std::pair<xcb_keycode_t, bool>{0, false} : it->second;
}

inline xcb_keysym_t KeySymNamed(const QString& name) {
    static const std::map<QString, xcb_keysym_t> named = {
        {"return", 0xff0d}, {"enter", 0xff0d}, {"tab", 0xff09}, {"escape", 0xff1b}, {"esc", 0xff1b},
        {"backspace", 0xff08}, {"delete", 0xffff}, {"home", 0xff50}, {"end", 0xff57}, {"left", 0xff51},
        {"up", 0xff52}, {"right", 0xff53}, {"down", 0xff54}, {"pageup", 0xff55}, {"pagedown", 0xff56},
        {"space", 0x20}, {"shift", 0xffe1}, {"ctrl", 0xffe3}, {"alt", 0xffe9}, {"menu", 0xff67},
    };
    QString lower = name.toLower();
    if (auto it = named.find(lower); it != named.end()) return it->second;
    if (lower.size() >= 2 && lower[0] == 'f' && lower.mid(1).toInt() >= 1 && lower.mid(1).toInt() <= 12)
        return 0xffbe + static_cast<xcb_keysym_t>(lower.mid(1).toInt() - 1);
    if (name.size() == 1 && name[0].unicode() >= 0x20 && name[0].unicode() < 0x7f) return name[0].unicode();
    return 0;
}

inline void FakeKey(xcb_keycode_t code, bool press) {
    xcb_connection_t* c = XConnection();
    // A tap is a press and a release; on a busy machine the time between the two may pass the
    // server's repeat delay, and a repeat would be a second tap. The display is the tests' own.
    static const bool noRepeat = [c] {
        const uint32_t off = XCB_AUTO_REPEAT_MODE_OFF;
        xcb_change_keyboard_control(c, XCB_KB_AUTO_REPEAT_MODE, &off);
        return true;
    }();
    (void)noRepeat;
    xcb_test_fake_input(c, press ? XCB_KEY_PRESS : XCB_KEY_RELEASE, code, XCB_CURRENT_TIME, XCB_NONE, 0, 0, 0);
    // A round trip: the server has taken the key before the events are waited for.
    std::free(xcb_get_input_focus_reply(c, xcb_get_input_focus(c), nullptr));
}

// Lets the program take the keys the server sent it.
inline void LetKeysArrive(int ms = 40) { QTest::qWait(ms); }

// Taps each chord, such as "alt+f", "Return", "shift+Tab" or "ctrl+F6", as a quick key press and
// release with its modifiers held. False when the display cannot produce one of them.
inline bool Tap(std::initializer_list<const char*> chords) {
    if (!XConnection()) return false;
    for (const char* chord : chords) {
        QStringList parts = QString::fromLatin1(chord).split('+');
        QList<xcb_keycode_t> held;
        bool shift = false;
        for (int i = 0; i + 1 < parts.size(); ++i) {
            xcb_keycode_t m = KeyFor(KeySymNamed(parts[i])).first;
            if (!m) return false;
            shift = shift || parts[i].toLower() == "shift";
            held << m;
        }
        auto [code, needsShift] = KeyFor(KeySymNamed(parts.last()));
        if (!code) return false;
        if (needsShift && !shift) held << KeyFor(0xffe1).first;
        for (xcb_keycode_t m : held) FakeKey(m, true);
        FakeKey(code, true);
        FakeKey(code, false);
        for (auto m = held.rbegin(); m != held.rend(); ++m) FakeKey(*m, false);
        LetKeysArrive();
    }
    return true;
}

// Alt+Tab as a user types it. The window manager takes the keyboard at the Tab and switches when
// Alt comes up; Alt is held a moment, since a release sent at once can reach the window in front
// before the window manager has taken the keyboard (and opens its menu bar instead).
inline bool SwitchWindows() {
    xcb_keycode_t alt = KeyFor(KeySymNamed("alt")).first, tab = KeyFor(KeySymNamed("tab")).first;
    if (!XConnection() || !alt || !tab) return false;
    FakeKey(alt, true);
    LetKeysArrive(100);
    FakeKey(tab, true);
    FakeKey(tab, false);
    LetKeysArrive(300);
    FakeKey(alt, false);
    LetKeysArrive();
    return true;
}

// Types printable ASCII text key by key.
inline bool TypeKeys(const QString& text) {
    for (QChar ch : text) {
        QByteArray one = ch == ' ' ? QByteArray("space") : QString(ch).toLatin1();
        if (!Tap({one.constData()})) return false;
    }
    return true;
}

} // namespace orvelle::test
