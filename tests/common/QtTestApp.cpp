// One QApplication for each test program that drives widgets, on the offscreen platform unless
// told otherwise.
#include "platform/AltLetters.h"
#include "platform/EnterPressesButton.h"

#include <QApplication>
#include <QFile>

#include <gtest/gtest.h>

namespace {

class QtTestApp : public ::testing::Environment {
public:
    void SetUp() override {
        // The desktop tests go to the display with a window manager that the run started
        // (scripts/wm-display.sh); without one they stay offscreen and skip.
        if (QByteArray wm = qgetenv("ORVELLE_WM_DISPLAY"); !wm.isEmpty()) {
            QFile file(QString::fromLocal8Bit(wm) + "/display");
            QByteArray display = file.open(QIODevice::ReadOnly) ? file.readAll().trimmed() : QByteArray();
            // A server that has gone since would end the program instead of letting it skip.
            if (!QFile::exists("/tmp/.X11-unix/X" + QString::fromLatin1(display.mid(1)))) display.clear();
            qputenv("QT_QPA_PLATFORM", display.isEmpty() ? "offscreen" : "xcb");
            if (!display.isEmpty()) qputenv("DISPLAY", display);
        }
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        // The private print queue the test run started (scripts/print-queue.sh), never the
        // machine's own printers.
        if (QByteArray queue = qgetenv("ORVELLE_PRINT_QUEUE"); !queue.isEmpty())
            qputenv("CUPS_SERVER", queue + "/cups.sock");
        static int argc = 1;
        static char name[] = "orvelle_tests";
        static char* argv[] = {name, nullptr};
        app_ = new QApplication(argc, argv);
        // The keys reach the windows as they do in the program.
        orvelle::InstallEnterPressesButton(app_);
        orvelle::InstallAltLettersTypeNothing(app_);
    }
    void TearDown() override { delete app_; }

private:
    QApplication* app_ = nullptr;
};

[[maybe_unused]] const auto* kEnv = ::testing::AddGlobalTestEnvironment(new QtTestApp);

} // namespace
