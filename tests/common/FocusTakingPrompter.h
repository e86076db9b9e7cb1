#pragma once
// A prompter whose message boxes take the focus as real ones do: each is a real modal box over
// the active window, answered from a ScriptedPrompter and closed once it is up. A check that
// runs again because a box took the focus shows as a second box the script did not expect.
#include "common/Patience.h"
#include "platform/Cp1252.h"
#include "store/ScriptedPrompter.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QMessageBox>
#include <QPointer>
#include <QTest>
#include <QTimer>

namespace orvelle::test {

class FocusTakingPrompter : public Prompter {
public:
    explicit FocusTakingPrompter(ScriptedPrompter& script) : script_(script) {}

    MsgAnswer MsgBox(const std::string& text, MsgButtons buttons, const std::string& title, MsgIcon icon) override {
        MsgAnswer answer = script_.MsgBox(text, buttons, title, icon);
        QPointer<QWidget> window = QApplication::activeWindow();
        QMessageBox box(window);
        box.setText(FromCp1252(text));
        // Answered once it has the focus, after what the focus change sets off has run, however
        // long the box takes to come up.
        QTimer up;
        const QDeadlineTimer patience(kPatienceMs);
        QObject::connect(&up, &QTimer::timeout, &box, [&] {
            if (QApplication::activeWindow() != &box && !patience.hasExpired()) return;
            up.stop();
            QTimer::singleShot(0, &box, [&box] { box.accept(); });
        });
        up.start(5);
        box.exec();
        // As on a desktop, the window under the box is active again once it goes.
        if (window) {
            window->activateWindow();
            (void)QTest::qWaitFor([&window] { return !window || QApplication::activeWindow() == window; },
                                 kPatienceMs);
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
