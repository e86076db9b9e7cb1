// The program's windows under a window manager, which decides which window is in front and
// where the keyboard goes; offscreen none of that shows. The boxes are the program's own, each
// answered by a click once the window manager has given it the keyboard, and what is asserted
// is the window manager's own account: its active window and its stacking order.
#include "../common/MainWindowFixture.h"
#include "../common/Patience.h"

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

TEST_F(WindowsOnADesktop, AfterABoxTheWindowThatAskedIsInFrontWithTheKeyboard) {
    StartOnDesktop();
    w->Menu("mnuManageAlerts")->trigger();
    QWidget* alerts = w->findChild<QWidget*>("frmAlert");
    ASSERT_TRUE(alerts && Active(alerts));
    Answer("Alert List Updated.", QMessageBox::Ok, [&](QWidget* box) { EXPECT_TRUE(Above(box, alerts)); });
    alerts->findChild<QPushButton*>("cmdSave_0")->click();
    EXPECT_TRUE(Active(alerts));
    EXPECT_TRUE(Above(alerts, w));
}

// The window manager would put a window without a place of its own in the top left corner, over
// the menus and the date picker.
TEST_F(WindowsOnADesktop, WindowsOpenClearOfTheMenusAndTheDatePicker) {
    StartOnDesktop();
    const QList<QWidget*> needed{w->menuBar(), w->cmbMonth, w->cmbDay, w->cmbYear};
    for (const char* command : {"mnuManageAlerts", "mnuManageNotes", "mnuManageToDo", "mnuManageHolidays",
                                "mnuManageBDays", "mnuManageEmailList", "mnuManageIcons", "mnuEditFind",
                                "mnuHelpContents", "mnuFileOpenExpenses", "mnuFileOpenNotes"}) {
        if (std::strcmp(command, "mnuManageHolidays") == 0) Answer("There is no Holiday List for", QMessageBox::Ok);
        QWidget* opened = OpenedBy(command);
        ASSERT_TRUE(Shown(opened)) << command;
        for (QWidget* under : needed)
            EXPECT_FALSE(opened->frameGeometry().intersects(QRect(under->mapToGlobal(QPoint()), under->size())))
                << command << " covers " << under->objectName().toStdString();
        opened->close();
    }
}

TEST_F(WindowsOnADesktop, BoxesAndDialogsOpenAboveTheWindowsKeptOnTop) {
    StartOnDesktop();
    WriteTermList();
    w->Menu("mnuOptDateOpenPlanner")->trigger();
    frmFUT* terms = frmFUT::Find();
    ASSERT_TRUE(Shown(terms));
    QWidget* planner = w->findChild<QWidget*>("frmPlanner");
    ASSERT_TRUE(planner);
    QTest::keyClicks(planner->findChild<QWidget*>("txt_0"), "Dentist");

    // The planner's question, the terms window's own dialog and input box.
    Answer("The Planner has been changed.", QMessageBox::Cancel, [&](QWidget* box) { EXPECT_TRUE(Above(box, terms)); });
    planner->findChild<QPushButton*>("cmdDay_1")->click();
    terms->findChild<QPushButton*>("cmdOpt_1")->click();
    frmAddFUT* add = frmAddFUT::Find();
    ASSERT_TRUE(Shown(add));
    EXPECT_TRUE(Above(add, terms));
    add->close();
    Answer("Please enter a name for the Frequent Terms File.", QMessageBox::Cancel,
           [&](QWidget* box) { EXPECT_TRUE(Above(box, terms)); });
    terms->findChild<QAction*>("mnuFileNewFUT")->trigger();
    for (const char* command : {"mnuManageFUTPreferences", "mnuManageEmailList", "mnuFileOpenExpenses", "mnuNumOfDays"}) {
        QWidget* dialog = OpenedBy(command);
        ASSERT_TRUE(Shown(dialog)) << command;
        EXPECT_TRUE(Above(dialog, terms)) << command;
        dialog->close();
    }

    // The alarm clock, on top as well and taking the keyboard for a time, and its own message.
    w->Menu("mnuToolsAlarm")->trigger();
    QWidget* alarm = w->findChild<QWidget*>("frmAlarm");
    ASSERT_TRUE(alarm && Active(alarm));
    Answer("A valid time has not been entered.", QMessageBox::Ok, [&](QWidget* box) {
        EXPECT_TRUE(Above(box, alarm));
        EXPECT_TRUE(Above(box, terms));
    });
    alarm->findChild<QPushButton*>("cmdAM")->click();

    // The palette's caption editor, on top too, takes the keyboard for the caption.
    w->Menu("mnuManageIcons")->trigger();
    auto* palette = w->findChild<frmIcons*>("frmIcons");
    ASSERT_TRUE(Shown(palette));
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(4, 4), palette->imgIcon[0]->mapToGlobal(QPointF(4, 4)),
                      Qt::RightButton, Qt::RightButton, {});
    QApplication::sendEvent(palette->imgIcon[0], &press);
    EXPECT_TRUE(palette->iconTag() && Active(palette->iconTag()));
}

TEST_F(WindowsOnADesktop, ATermPutInFromTheTermsWindowTakesTheKeyboardAlong) {
    StartOnDesktop();
    WriteTermList();
    w->Menu("mnuOptDateOpenNotes")->trigger();
    frmNotes* notes = frmNotes::Find(w->mdiArea());
    frmFUT* terms = frmFUT::Find();
    ASSERT_TRUE(notes && Shown(terms));

    // Left in the list, as after a click into it.
    ASSERT_TRUE(Activate(terms));
    terms->lstFUT()->setCurrentRow(0);
    QTest::keyClick(terms->lstFUT(), Qt::Key_Left);
    EXPECT_EQ(notes->txtNotes()->toPlainText(), "Meeting ");
    EXPECT_TRUE(Active(w));
    EXPECT_EQ(QApplication::focusWidget(), notes->txtNotes());

    // Over to the planner, which keeps the terms window, and a term dropped on one of its lines.
    Answer("The Notes have been changed.", QMessageBox::No);
    notes->findChild<QPushButton*>("cmdPlanner")->click();
    QWidget* planner = w->findChild<QWidget*>("frmPlanner");
    ASSERT_TRUE(planner && frmFUT::Find() == terms);
    ASSERT_TRUE(Activate(terms));
    QWidget* line = planner->findChild<QWidget*>("txt_2");
    QMimeData data;
    data.setData(kTermDragFormat, "Lunch");
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(line, &enter);
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(line, &drop);
    EXPECT_TRUE(Active(w));
    EXPECT_EQ(QApplication::focusWidget(), line);
}

} // namespace orvelle
