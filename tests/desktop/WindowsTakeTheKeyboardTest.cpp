// Every window a command opens by keys is the active window, and the next key typed lands in it.
// The keys go through the X server, so the window manager, the menus' mnemonics and Qt's
// shortcut map take part as they do for a user.
#include "DesktopFixture.h"

namespace orvelle {

struct WindowsTakeTheKeyboard : WindowsOnADesktop {};

TEST_F(WindowsTakeTheKeyboard, TheAlertManagerOpenedFromTheMenuHasTheKeyboard) {
    StartOnDesktop();
    ASSERT_TRUE(test::Tap({"alt+m", "Return"}));
    QWidget* alerts = w->findChild<QWidget*>("frmAlert");
    ASSERT_TRUE(alerts && Active(alerts));
    QWidget* focus = QApplication::focusWidget();
    ASSERT_TRUE(focus && alerts->isAncestorOf(focus));
    alerts->close();
}

} // namespace orvelle
