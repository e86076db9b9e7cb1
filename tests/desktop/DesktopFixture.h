#pragma once
// The main window under a window manager, for tests of what only a desktop shows: which window
// is in front, where the keyboard goes, the stacking order and what the window manager offers.
#include "../common/MainWindowFixture.h"
#include "../common/Patience.h"
#include "RealKeys.h"

#include "mainwindow/PlannerLauncher.h"
#include "notes/TermDialogs.h"
#include "notes/frmFUT.h"
#include "notes/frmNotes.h"
#include "store/TermLists.h"
#include "views/frmIconTag.h"
#include "views/frmIcons.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QInputDialog>
#include <QListWidget>
#include <QMenuBar>
#include <QMdiArea>
#include <QMessageBox>
#include <QMimeData>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTimer>

#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>
#include <deque>
#include <fstream>

namespace orvelle {
namespace {

// A root window property that lists windows: the active one, all of them bottom to top, the
// window manager's own.
std::vector<xcb_window_t> RootWindows(const char* name) {
    auto* x11 = qApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t* c = x11 ? x11->connection() : nullptr;
    if (!c) return {};
    xcb_intern_atom_reply_t* atom =
        xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, static_cast<uint16_t>(std::strlen(name)), name), nullptr);
    if (!atom) return {};
    xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    xcb_get_property_reply_t* r =
        xcb_get_property_reply(c, xcb_get_property(c, 0, root, atom->atom, XCB_ATOM_WINDOW, 0, 4096), nullptr);
    std::free(atom);
    if (!r) return {};
    auto* ids = static_cast<xcb_window_t*>(xcb_get_property_value(r));
    std::vector<xcb_window_t> out(ids, ids + xcb_get_property_value_length(r) / 4);
    std::free(r);
    return out;
}

xcb_window_t Id(const QWidget* w) { return static_cast<xcb_window_t>(w->winId()); }

// The names of the atoms a window's property lists, such as the actions the window manager
// offers for it ("_NET_WM_ALLOWED_ACTIONS": "_NET_WM_ACTION_MAXIMIZE_HORZ", ...).
inline QStringList WindowAtoms(const QWidget* w, const char* name) {
    auto* x11 = qApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t* c = x11 ? x11->connection() : nullptr;
    if (!c) return {};
    xcb_intern_atom_reply_t* atom =
        xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, static_cast<uint16_t>(std::strlen(name)), name), nullptr);
    if (!atom) return {};
    xcb_get_property_reply_t* r =
        xcb_get_property_reply(c, xcb_get_property(c, 0, Id(w), atom->atom, XCB_ATOM_ATOM, 0, 4096), nullptr);
    std::free(atom);
    if (!r) return {};
    auto* atoms = static_cast<xcb_atom_t*>(xcb_get_property_value(r));
    QStringList out;
    for (int i = 0; i < xcb_get_property_value_length(r) / 4; ++i) {
        xcb_get_atom_name_reply_t* n = xcb_get_atom_name_reply(c, xcb_get_atom_name(c, atoms[i]), nullptr);
        if (!n) continue;
        out << QString::fromLatin1(xcb_get_atom_name_name(n), xcb_get_atom_name_name_length(n));
        std::free(n);
    }
    std::free(r);
    return out;
}

std::string WhyNoDesktop() {
    const char* dir = std::getenv("ORVELLE_WM_DISPLAY");
    if (!dir) return "no desktop: run through ctest, which starts one (scripts/wm-display.sh)";
    std::ifstream missing(std::string(dir) + "/missing");
    std::string what;
    std::getline(missing, what);
    return "no desktop: " + (what.empty() ? "no running display from scripts/wm-display.sh in " + std::string(dir) : what);
}

class WindowsOnADesktop : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        if (QGuiApplication::platformName() != "xcb") GTEST_SKIP() << WhyNoDesktop();
        if (!QTest::qWaitFor([] { return !RootWindows("_NET_SUPPORTING_WM_CHECK").empty(); }, test::kPatienceMs))
            GTEST_SKIP() << "no window manager took the display " << qgetenv("DISPLAY").toStdString();
        realBoxes = std::make_unique<ScopedPrompter>(*s, boxes);
        QObject::connect(&watcher, &QTimer::timeout, [this] { AnswerABoxThatIsUp(); });
        watcher.start(20);
    }
    void TearDown() override {
        watcher.stop();
        EXPECT_TRUE(answers.empty()) << "a box never came: " << answers.front().text.toStdString();
        EXPECT_TRUE(unexpected.isEmpty()) << unexpected.join(" | ").toStdString();
        for (QWidget* top : {static_cast<QWidget*>(frmFUT::Find()), static_cast<QWidget*>(frmAddFUT::Find())})
            delete top;
        realBoxes.reset();
        MainWindowTest::TearDown();
    }

    // The program as main() starts it, once the window manager has made it the active window.
    void StartOnDesktop() {
        w = new frmMain(*s);
        InstallPlannerWindow(*w);
        boxes.SetParent(w);
        w->MDIForm_Load();
        w->show();
        ASSERT_TRUE(Active(w));
    }
    // The window manager and the program agree that `window` has the keyboard.
    static bool ActiveNow(QWidget* window) {
        std::vector<xcb_window_t> active = RootWindows("_NET_ACTIVE_WINDOW");
        return QApplication::activeWindow() == window && !active.empty() && active[0] == Id(window);
    }
    static bool Active(QWidget* window) {
        return QTest::qWaitFor([window] { return ActiveNow(window); }, test::kPatienceMs);
    }
    // As a click into it: `window` becomes the active window and stays so (a window that is
    // still being framed may hand the keyboard on once more).
    static bool Activate(QWidget* window) {
        QElapsedTimer steady;
        return QTest::qWaitFor([&] {
            if (ActiveNow(window)) {
                if (!steady.isValid()) steady.start();
                return steady.elapsed() >= 300;
            }
            window->activateWindow();
            steady.invalidate();
            return false;
        }, test::kPatienceMs);
    }
    // The keyboard is in `target`, now or within the patience.
    static bool FocusIn(QWidget* target) {
        return QTest::qWaitFor([target] { return QApplication::focusWidget() == target; }, test::kPatienceMs);
    }
    // Alt+S, then `tabs` taps of Tab through the bar (4 reach the notes button, 5 the planner's,
    // 9 the last), then `then`.
    bool FromThePicker(int tabs, const char* then) {
        if (!test::Tap({"alt+s"}) || !FocusIn(w->cmbMonth)) return false;
        for (int i = 0; i < tabs; ++i)
            if (!test::Tap({"Tab"})) return false;
        return test::Tap({then});
    }
    // The window manager shows `window` (it is in its stacking order).
    static bool Shown(QWidget* window) {
        return window && QTest::qWaitFor([window] {
            std::vector<xcb_window_t> all = RootWindows("_NET_CLIENT_LIST_STACKING");
            return window->isVisible() && std::find(all.begin(), all.end(), Id(window)) != all.end();
        }, test::kPatienceMs);
    }
    static bool Above(QWidget* upper, QWidget* lower) {
        std::vector<xcb_window_t> all = RootWindows("_NET_CLIENT_LIST_STACKING");
        auto u = std::find(all.begin(), all.end(), Id(upper)), l = std::find(all.begin(), all.end(), Id(lower));
        return u != all.end() && l != all.end() && u > l;
    }

    // The next box is to hold `text` and be answered with `button`; `whileUp` looks at it first.
    void Answer(const QString& text, QMessageBox::StandardButton button, std::function<void(QWidget*)> whileUp = {}) {
        answers.push_back({text, button, std::move(whileUp)});
    }
    void AnswerABoxThatIsUp() {
        auto* box = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!box || !box->isVisible()) return;
        // Up means the window manager gave it the keyboard; one that never gets it is taken anyway.
        if (upBox != box) {
            upBox = box;
            upSince.start();
        }
        if (!ActiveNow(box) && upSince.elapsed() < test::kPatienceMs) return;
        auto* message = qobject_cast<QMessageBox*>(box);
        auto* input = qobject_cast<QInputDialog*>(box);
        QString text = message ? message->text() : input ? input->labelText() : box->windowTitle();
        if (answers.empty() || !text.contains(answers.front().text)) {
            unexpected << text;
            box->reject();
            return;
        }
        Expected next = answers.front();
        answers.pop_front();
        if (next.whileUp) next.whileUp(box);
        if (message && message->button(next.button)) message->button(next.button)->click();
        else box->done(next.button == QMessageBox::Ok ? QDialog::Accepted : QDialog::Rejected);
    }

    // The window a command of the main window opens (not a box).
    QWidget* OpenedBy(const char* command) {
        const QList<QWidget*> before = QApplication::topLevelWidgets();
        w->Menu(command)->trigger();
        QWidget* opened = nullptr;
        bool came = QTest::qWaitFor([&] {
            for (QWidget* top : QApplication::topLevelWidgets())
                if (top->isVisible() && !before.contains(top) && !qobject_cast<QMessageBox*>(top)) opened = top;
            return opened != nullptr;
        }, test::kPatienceMs);
        return came ? opened : nullptr;
    }

    void WriteTermList() {
        std::ofstream(dir + "Work.fut", std::ios::binary) << "Meeting\r\nLunch";
        s->prefs.gFUTFileName = "Work.fut";
        s->prefs.gShowFUT = true;
    }

    struct Expected {
        QString text;
        QMessageBox::StandardButton button;
        std::function<void(QWidget*)> whileUp;
    };
    QtPrompter boxes;
    std::unique_ptr<ScopedPrompter> realBoxes;
    QTimer watcher;
    std::deque<Expected> answers;
    QStringList unexpected;
    QPointer<QWidget> upBox;
    QElapsedTimer upSince;
};


} // namespace
} // namespace orvelle
