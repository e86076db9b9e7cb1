#pragma once
// A prompter whose message boxes take the focus as real ones do: each is a real modal box over
// the active window, answered from a ScriptedPrompter and closed once it is up. A check that
// runs again because a box took the focus shows as a second box the script did not expect.
#include "platform/Cp1252.h"
#include "store/ScriptedPrompter.h"

#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

namespace orvelle::test {

class FocusTakingPrompter : public Prompter {
public:
    explicit FocusTakingPrompter(ScriptedPrompter& script) : script_(script) {}

    MsgAnswer MsgBox(const std::string& text, MsgButtons buttons, const std::string& title, MsgIcon icon) override {
        MsgAnswer answer = script_.MsgBox(text, buttons, title, icon);
        QWidget* window = QApplication::activeWindow();
        QMessageBox box(window);
        box.setText(FromCp1252(text));
        // Up long enough for the focus change and all it sets off to run.
        QTimer::singleShot(50, &box, [&box] { box.accept(); });
        box.exec();
        // As on a desktop, the window under the box is active again once it goes.
        if (window) {
            window->activateWindow();
            (void)QTest::qWaitFor([window] { return QApplication::activeWindow() == window; }, 1000);
        }
        return answer;
    }
    std::string InputBox(const std::string& prompt, const std::string& title, const std::string& d) override {
        return script_.InputBox(prompt, title, d);
    }

private:
    ScriptedPrompter& script_;
};

} // namespace orvelle::test
