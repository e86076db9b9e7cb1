// The alarm clock and the date-difference window under a window manager: what it offers for
// them, and where the keyboard is when the alarm opens, rings and comes back.
#include "DesktopFixture.h"
#include "RealClicks.h"

#include "platform/Beep.h"
#include "reminders/frmAlarm.h"

#include <QLineEdit>

namespace orvelle {
namespace {

// The functions a window asks the window manager for in its Motif hints (0 when it sets none).
constexpr uint32_t kMwmFunctions = 1, kMwmMinimize = 1 << 3, kMwmMaximize = 1 << 4;
uint32_t MotifFunctions(const QWidget* w) {
    auto* x11 = qApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t* c = x11 ? x11->connection() : nullptr;
    if (!c) return 0;
    const char* name = "_MOTIF_WM_HINTS";
    xcb_intern_atom_reply_t* atom =
        xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, static_cast<uint16_t>(std::strlen(name)), name), nullptr);
    if (!atom) return 0;
    xcb_get_property_reply_t* r =
        xcb_get_property_reply(c, xcb_get_property(c, 0, Id(w), atom->atom, atom->atom, 0, 5), nullptr);
    std::free(atom);
    if (!r) return 0;
    uint32_t out = 0;
    if (xcb_get_property_value_length(r) >= 8) {
        auto* v = static_cast<uint32_t*>(xcb_get_property_value(r));
        if (v[0] & kMwmFunctions) out = v[1];
    }
    std::free(r);
    return out;
}

// A suite of its own: the fixture of each test file is a class of its own.
class AlarmAndDateDiffOnADesktop : public WindowsOnADesktop {
protected:
    // Tools > Alarm Clock by its keys; the alarm, or null when it did not come.
    frmAlarm* OpenAlarmByKeys() {
        frmAlarm* alarm = nullptr;
        bool came = test::Tap({"alt+t", "Return"}) &&
                    QTest::qWaitFor([&] { return (alarm = w->findChild<frmAlarm*>("frmAlarm")) != nullptr; },
                                    test::kPatienceMs);
        return came ? alarm : nullptr;
    }
};

} // namespace

TEST_F(AlarmAndDateDiffOnADesktop, TheAlarmAndTheDateDifferenceOfferNoMaximise) {
    StartOnDesktop();
    w->Menu("mnuToolsAlarm")->trigger();
    QWidget* alarm = w->findChild<QWidget*>("frmAlarm");
    ASSERT_TRUE(alarm && Active(alarm));
    QWidget* diff = OpenedBy("mnuDateDiffSDays");
    ASSERT_TRUE(Shown(diff) && Active(diff));
    for (QWidget* window : {alarm, diff}) {
        const QStringList actions = WindowAtoms(window, "_NET_WM_ALLOWED_ACTIONS");
        ASSERT_TRUE(actions.contains("_NET_WM_ACTION_MOVE")) << actions.join(" ").toStdString();
        for (const char* none : {"_NET_WM_ACTION_MAXIMIZE_HORZ", "_NET_WM_ACTION_MAXIMIZE_VERT", "_NET_WM_ACTION_RESIZE"})
            EXPECT_FALSE(actions.contains(none)) << window->objectName().toStdString() << " offers " << none;
    }
    // The alarm asks for a minimise button, the date difference for none (Openbox gives one
    // to every window of theirs whatever they ask).
    EXPECT_TRUE(MotifFunctions(alarm) & kMwmMinimize);
    EXPECT_FALSE(MotifFunctions(alarm) & kMwmMaximize);
    EXPECT_FALSE(MotifFunctions(diff) & (kMwmMinimize | kMwmMaximize));
    EXPECT_NE(MotifFunctions(diff), 0u);
}

// The alarm opens with the keyboard in its time box; when it rings it comes up on top and leaves
// the keyboard in the window being typed in; armed, Tools > Alarm Clock brings it back.
TEST_F(AlarmAndDateDiffOnADesktop, TheAlarmTakesTheKeyboardOnlyWhenTheUserOpensIt) {
    int beeps = 0;
    SetBeepHook([&] { ++beeps; });
    StartOnDesktop();
    w->Menu("mnuToolsAlarm")->trigger();
    auto* alarm = w->findChild<frmAlarm*>("frmAlarm");
    ASSERT_TRUE(alarm && Active(alarm));
    auto* time = alarm->findChild<QLineEdit*>("txtTime");
    EXPECT_EQ(QApplication::focusWidget(), time);
    QTest::keyClicks(QApplication::focusWidget(), "7:30 ");
    EXPECT_EQ(time->text(), "7:30");
    auto* start = alarm->findChild<QPushButton*>("cmdStart");
    EXPECT_FALSE(start->isVisible()); // the space pressed no AM
    const QPoint place = alarm->frameGeometry().topLeft();
    alarm->findChild<QPushButton*>("cmdAM")->click();
    start->click();
    ASSERT_TRUE(QTest::qWaitFor([&] { return alarm->isMinimized(); }, test::kPatienceMs));

    // Typing a note when the alarm rings.
    w->Menu("mnuOptDateOpenNotes")->trigger();
    frmNotes* notes = frmNotes::Find(w->mdiArea());
    ASSERT_TRUE(notes && Activate(w));
    notes->txtNotes()->setFocus();
    QTest::keyClicks(QApplication::focusWidget(), "Call");
    Clock::Set({DateSerial(2009, 3, 5), 7 * 3600 + 30 * 60 + 5});
    alarm->Timer1_Timer();
    ASSERT_TRUE(Shown(alarm));
    EXPECT_TRUE(QTest::qWaitFor([&] { return !alarm->isMinimized() && Above(alarm, w); }, test::kPatienceMs));
    EXPECT_EQ(alarm->frameGeometry().topLeft(), place);
    QTest::qWait(500); // a window manager that hands the keyboard over does so by now
    EXPECT_TRUE(ActiveNow(w));
    QTest::keyClicks(QApplication::focusWidget(), " mom");
    EXPECT_EQ(notes->txtNotes()->toPlainText(), "Call mom");
    EXPECT_EQ(start->text(), "Reset");
    EXPECT_GE(beeps, 1);

    // Armed again and minimised, the menu brings it back with the keyboard.
    start->click();
    QTest::keyClicks(time, "8:15");
    alarm->findChild<QPushButton*>("cmdPM")->click();
    start->click();
    ASSERT_TRUE(QTest::qWaitFor([&] { return alarm->isMinimized(); }, test::kPatienceMs));
    w->Menu("mnuToolsAlarm")->trigger();
    EXPECT_EQ(w->findChild<frmAlarm*>("frmAlarm"), alarm);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !alarm->isMinimized(); }, test::kPatienceMs));
    EXPECT_TRUE(Shown(alarm) && Active(alarm));
    EXPECT_EQ(start->text(), "Reset");
    SetBeepHook({});
}

// Opened by its keys, the alarm is typed in from its time box and Tab goes as its controls stand
// on screen. Ringing, it is not handed the keyboard: when the window the user types in closes
// (Alt+F4), the keyboard goes back to the main window and a Return meant there leaves the alarm
// as it is.
TEST_F(AlarmAndDateDiffOnADesktop, TabGoesAsShownAndTheRingingAlarmIsNotHandedTheKeyboard) {
    SetBeepHook([] {});
    StartOnDesktop();
    frmAlarm* alarm = OpenAlarmByKeys();
    ASSERT_TRUE(alarm && Active(alarm));
    auto visit = [](std::initializer_list<const char*> keys) {
        QStringList seen;
        for (const char* key : keys) {
            EXPECT_TRUE(test::Tap({key}));
            seen << (QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString());
        }
        return seen;
    };
    ASSERT_TRUE(QTest::qWaitFor([] { return QApplication::focusWidget(); }, test::kPatienceMs));
    EXPECT_EQ(QApplication::focusWidget()->objectName(), "txtTime");
    EXPECT_EQ(visit({"Tab", "Tab", "shift+Tab", "shift+Tab", "shift+Tab"}),
              QStringList({"cmdPM", "cmdHour_0", "cmdPM", "txtTime", "cmdAM"}));
    ASSERT_TRUE(test::Tap({"Tab"}) && test::TypeKeys("7:30") && test::Tap({"shift+Tab", "space"}));
    auto* start = alarm->findChild<QPushButton*>("cmdStart");
    ASSERT_TRUE(start->isVisible());
    // Start stands above the row of AM and PM.
    EXPECT_EQ(visit({"shift+Tab"}), QStringList({"cmdStart"}));
    ASSERT_TRUE(test::Tap({"space"}));
    ASSERT_TRUE(QTest::qWaitFor([&] { return alarm->isMinimized(); }, test::kPatienceMs));
    ASSERT_TRUE(Active(w));

    // The alert manager has the keyboard when the alarm rings; Alt+F4 closes it.
    ASSERT_TRUE(test::Tap({"alt+m", "Return"}));
    QPointer<QWidget> alerts = w->findChild<QWidget*>("frmAlert");
    ASSERT_TRUE(alerts && Active(alerts));
    Clock::Set({DateSerial(2009, 3, 5), 7 * 3600 + 30 * 60 + 5});
    alarm->Timer1_Timer();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !alarm->isMinimized() && Shown(alarm); }, test::kPatienceMs));
    QTest::qWait(500); // a window manager that hands the keyboard over does so by now
    EXPECT_TRUE(ActiveNow(alerts));
    ASSERT_TRUE(test::Tap({"alt+F4"}));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !alerts || !alerts->isVisible(); }, test::kPatienceMs));
    EXPECT_TRUE(Active(w));
    QTest::qWait(500);
    EXPECT_FALSE(ActiveNow(alarm));
    ASSERT_TRUE(test::Tap({"Return"}));
    EXPECT_TRUE(start->isVisible() && start->text() == "Reset");
    EXPECT_TRUE(alarm->AlarmMinute().has_value());

    // A click on it is the user opening it: it takes the keyboard.
    QTest::mouseClick(alarm->findChild<QLineEdit*>("txtTime"), Qt::LeftButton);
    EXPECT_TRUE(Active(alarm));
    SetBeepHook({});
}

// Armed or ringing, the alarm takes the keyboard when the user switches to it (Alt+Tab from a
// window of the program, a click on its title bar), the typed key landing in its time box; the
// window manager's fallback, when the window the user left it for closes, does not count.
TEST_F(AlarmAndDateDiffOnADesktop, TheUsersSwitchReachesTheAlarmAndTheFallbackDoesNot) {
    SetBeepHook([] {});
    StartOnDesktop();
    frmAlarm* alarm = OpenAlarmByKeys();
    ASSERT_TRUE(alarm && Active(alarm));
    auto* time = alarm->findChild<QLineEdit*>("txtTime");
    auto* start = alarm->findChild<QPushButton*>("cmdStart");
    ASSERT_TRUE(test::TypeKeys("7:30") && test::Tap({"shift+Tab", "space", "shift+Tab", "space"}));
    ASSERT_TRUE(QTest::qWaitFor([&] { return alarm->isMinimized() && start->text() == "Reset"; }, test::kPatienceMs));
    ASSERT_TRUE(Active(w));
    // The switch lands the next key in the time box, where it changes nothing armed.
    auto switchedTo = [&](const char* typed) {
        const QString before = time->text();
        return Active(alarm) && QTest::qWaitFor([&] { return QApplication::focusWidget() == time; }, test::kPatienceMs) &&
               test::TypeKeys(typed) && QTest::qWaitFor([&] { return time->text() == before + typed; }, test::kPatienceMs);
    };

    // Minimised and armed, Alt+Tab brings it back.
    ASSERT_TRUE(test::SwitchWindows());
    EXPECT_TRUE(switchedTo("1"));
    EXPECT_FALSE(alarm->isMinimized());
    ASSERT_TRUE(test::SwitchWindows());
    ASSERT_TRUE(Active(w));

    // Ringing: Alt+Tab, and a click on its title bar.
    Clock::Set({DateSerial(2009, 3, 5), 7 * 3600 + 30 * 60 + 5});
    alarm->Timer1_Timer();
    ASSERT_TRUE(Shown(alarm));
    QTest::qWait(500); // a window manager that hands the keyboard over does so by now
    ASSERT_TRUE(ActiveNow(w));
    ASSERT_TRUE(test::SwitchWindows());
    EXPECT_TRUE(switchedTo("2"));
    ASSERT_TRUE(test::SwitchWindows());
    ASSERT_TRUE(Active(w));
    // Half way up the title bar.
    ASSERT_TRUE(test::ClickAt(alarm, QPoint(alarm->width() / 2, (alarm->frameGeometry().top() - alarm->geometry().top()) / 2)));
    EXPECT_TRUE(switchedTo("3"));
    // One of its own boxes, answered, leaves it with the keyboard.
    Answer("1. Select a Time", QMessageBox::Ok);
    ASSERT_TRUE(test::Tap({"alt+h", "Return"}));
    ASSERT_TRUE(QTest::qWaitFor([&] { return answers.empty(); }, test::kPatienceMs));
    EXPECT_TRUE(Active(alarm));
    QTest::qWait(500);
    EXPECT_TRUE(ActiveNow(alarm));

    // From the alarm to the alert manager; Alt+F4 there does not leave the keyboard in the
    // alarm, and a Return meant for the main window resets nothing.
    w->Menu("mnuManageAlerts")->trigger();
    QPointer<QWidget> alerts = w->findChild<QWidget*>("frmAlert");
    ASSERT_TRUE(alerts && Active(alerts));
    ASSERT_TRUE(test::Tap({"alt+F4"}));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !alerts || !alerts->isVisible(); }, test::kPatienceMs));
    EXPECT_TRUE(Active(w));
    QTest::qWait(500);
    EXPECT_FALSE(ActiveNow(alarm));
    ASSERT_TRUE(test::Tap({"Return"}));
    EXPECT_TRUE(start->isVisible() && start->text() == "Reset");
    EXPECT_TRUE(alarm->AlarmMinute().has_value());
    SetBeepHook({});
}

} // namespace orvelle
