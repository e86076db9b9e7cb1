// Every window a command opens, opened by its keys from where the command lives (a menu by its
// Alt+letter, arrows and Return; a button by Tab and Space), is the active window with the
// keyboard in it, and the next key typed lands there. The keys go through the X server, so the
// window manager, the menus' mnemonics and Qt's shortcut map take part as they do for a user.
#include "DesktopFixture.h"

#include "store/NotesStore.h"

#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTextEdit>

#include <ostream>
#include <vector>

namespace orvelle {
namespace {

// Where the keys are typed: the window that has the keyboard when they start.
enum class From { MainWindow, Notes, Planner, TermsWindow, NoteList, ContactList, ReportPicker, AlertManager, Alarm, ToDo, Report };

struct Road {
    const char* name;
    From from;
    std::vector<const char*> keys;
    // The window (or the MDI child of the main window) the keys open.
    const char* opens;
    // The control that has the keyboard then, when it matters.
    const char* focus = nullptr;
    // Shown without taking the keyboard, which stays where it was.
    bool keepsTheKeyboard = false;
    // A box that comes first, answered OK.
    const char* box = nullptr;
};

void PrintTo(const Road& road, std::ostream* os) { *os << road.name; }

// The first widget a key press is delivered to: the focus widget the window system chose.
class KeyLanding : public QObject {
public:
    KeyLanding() { qApp->installEventFilter(this); }
    ~KeyLanding() override { qApp->removeEventFilter(this); }
    QPointer<QWidget> landed;

protected:
    bool eventFilter(QObject* watched, QEvent* e) override {
        if (e->type() == QEvent::KeyPress && !landed)
            if (auto* widget = qobject_cast<QWidget*>(watched)) landed = widget;
        return false;
    }
};

QWidget* Named(const char* name) {
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (!top->isVisible()) continue;
        if (top->objectName() == name) return top;
        for (QWidget* w : top->findChildren<QWidget*>(name))
            if (w->isVisible()) return w;
    }
    return nullptr;
}

// A menu is a window of its own: its owner is found along its parents.
bool Owns(const QWidget* owner, const QWidget* w) {
    for (; w; w = w->parentWidget())
        if (w == owner) return true;
    return false;
}

QString Described(const QWidget* w) {
    if (!w) return "nothing";
    return w->objectName() + " in " + w->window()->objectName();
}

// Which window the program and the window manager take for the active one.
std::string WhoIsActive() {
    QString wm = "none";
    std::vector<xcb_window_t> active = RootWindows("_NET_ACTIVE_WINDOW");
    if (!active.empty() && active[0]) {
        wm = QString::number(active[0], 16);
        for (QWidget* top : QApplication::topLevelWidgets())
            if (top->isVisible() && Id(top) == active[0]) wm = top->objectName() + "/" + top->metaObject()->className();
    }
    QWidget* qt = QApplication::activeWindow();
    return ("the program's active window: " + (qt ? qt->objectName() : QString("none")) +
            ", the window manager's: " + wm).toStdString();
}

class KeysOnADesktop : public WindowsOnADesktop {
protected:
    // Brings up the window the keys are typed in, with the keyboard in it.
    void Reach(From from) {
        // The share's folder, which the open-file dialog lists.
        ASSERT_TRUE(MakeFolder(dir + "Planners And Notes"));
        if (from == From::NoteList) {
            ASSERT_TRUE(MakeFolder(dir + "2009"));
            ASSERT_TRUE(WriteFileAtomic(dir + "2009/Notes.dat", FormatMmDdYy(DateSerial(2009, 3, 9)) + ":" +
                                                                    CellStampOf(DateSerial(2009, 3, 9)) + ":" +
                                                                    EncodeNoteText("agenda") + "\r\n"));
        }
        StartOnDesktop();
        // The terms window comes up beside the notes and the planner, kept on top.
        WriteTermList();
        const char* command = nullptr;
        const char* window = nullptr;
        switch (from) {
        case From::MainWindow: return;
        case From::Notes:
        case From::TermsWindow: command = "mnuOptDateOpenNotes", window = "frmNotes"; break;
        case From::Planner: command = "mnuOptDateOpenPlanner", window = "frmPlanner"; break;
        case From::NoteList: command = "mnuManageNotes", window = "frmNoteList"; break;
        case From::ContactList: command = "mnuManageEmailList", window = "frmEmailList"; break;
        case From::ReportPicker: command = "mnuFileOpenExpenses", window = "frmSelectMonth"; break;
        case From::AlertManager: command = "mnuManageAlerts", window = "frmAlert"; break;
        case From::Alarm: command = "mnuToolsAlarm", window = "frmAlarm"; break;
        case From::ToDo: command = "mnuManageToDo", window = "frmToDo"; break;
        // Generated from its picker.
        case From::Report: command = "mnuFileOpenExpenses", window = "frmSelectMonth"; break;
        }
        w->Menu(command)->trigger();
        QWidget* there = nullptr;
        ASSERT_TRUE(QTest::qWaitFor([&] { return (there = Named(window)) != nullptr; }, test::kPatienceMs)) << window;
        ASSERT_TRUE(Active(there->window())) << window << "; " << WhoIsActive();
        if (from == From::Report) {
            there->findChild<QPushButton*>("cmdReport")->click();
            ASSERT_TRUE(QTest::qWaitFor([&] { return (there = Named("frmExpenses")) != nullptr; }, test::kPatienceMs));
            ASSERT_TRUE(Active(there->window())) << WhoIsActive();
        }
        if (from == From::TermsWindow) {
            frmFUT* terms = frmFUT::Find();
            ASSERT_TRUE(Shown(terms));
            // As a click on its list would.
            ASSERT_TRUE(Activate(terms)) << WhoIsActive();
            terms->lstFUT()->setCurrentRow(0);
            terms->lstFUT()->setFocus(Qt::MouseFocusReason);
        }
        ASSERT_TRUE(QTest::qWaitFor([] { return QApplication::focusWidget() != nullptr; }, test::kPatienceMs));
    }

    // Types one character and tells where it landed.
    static QWidget* LandingOfATypedKey() {
        KeyLanding landing;
        EXPECT_TRUE(test::TypeKeys("z"));
        EXPECT_TRUE(QTest::qWaitFor([&] { return landing.landed != nullptr; }, test::kPatienceMs));
        return landing.landed;
    }

    void TearDown() override {
        // Windows without a parent go with the test.
        for (QWidget* top : QApplication::topLevelWidgets())
            if (top != w && !top->parentWidget() && top->isVisible()) top->close();
        WindowsOnADesktop::TearDown();
    }
};

class WindowsTakeTheKeyboard : public KeysOnADesktop, public ::testing::WithParamInterface<Road> {};

TEST_P(WindowsTakeTheKeyboard, TheWindowOpenedByKeysHasTheKeyboard) {
    const Road& road = GetParam();
    Reach(road.from);
    if (HasFatalFailure()) return;
    QPointer<QWidget> before = QApplication::focusWidget();
    if (road.box) Answer(road.box, QMessageBox::Ok);
    for (const char* key : road.keys) ASSERT_TRUE(test::Tap({key})) << key;
    QWidget* opened = nullptr;
    ASSERT_TRUE(QTest::qWaitFor([&] { return (opened = Named(road.opens)) != nullptr; }, test::kPatienceMs))
        << road.opens << " did not open; the keyboard is at " << Described(QApplication::focusWidget()).toStdString();
    ASSERT_TRUE(Shown(opened->window()));
    if (road.keepsTheKeyboard) {
        QTest::qWait(500); // a window manager that hands the keyboard over does so by now
        ASSERT_TRUE(before && ActiveNow(before->window())) << "the keyboard is at "
                                                           << Described(QApplication::focusWidget()).toStdString();
        EXPECT_EQ(LandingOfATypedKey(), before.data());
        return;
    }
    EXPECT_TRUE(Active(opened->window())) << "the keyboard is at "
                                          << Described(QApplication::focusWidget()).toStdString();
    QWidget* focus = nullptr;
    ASSERT_TRUE(QTest::qWaitFor([&] {
        focus = QApplication::focusWidget();
        return focus && (focus == opened || opened->isAncestorOf(focus));
    }, test::kPatienceMs)) << "the keyboard is at " << Described(focus).toStdString();
    // An editable combo box types into its own line box.
    if (road.focus) {
        EXPECT_TRUE(focus->objectName() == road.focus || focus->parentWidget()->objectName() == road.focus)
            << "the keyboard is at " << Described(focus).toStdString();
    }
    EXPECT_EQ(LandingOfATypedKey(), focus) << "the keyboard was at " << Described(focus).toStdString();
}

// The main window's menus: File, Edit, Options, Manage, Date Functions, Tools and Help.
INSTANTIATE_TEST_SUITE_P(MainMenus, WindowsTakeTheKeyboard, ::testing::Values(
    Road{"OpenExternalNotes", From::MainWindow, {"alt+f", "Down", "Return"}, "frmFile"},
    Road{"OpenFrequentlyUsedTerms", From::MainWindow, {"alt+f", "Down", "Down", "Down", "Return"}, "frmFUT",
         nullptr, true},
    Road{"GenerateExpenseReport", From::MainWindow, {"alt+f", "Up", "Up", "Return"}, "frmSelectMonth"},
    Road{"Find", From::MainWindow, {"alt+e", "Return"}, "frmSearch", "cmbPhrase"},
    Road{"OpenNotesForSelectedDate", From::MainWindow, {"alt+o", "Down", "Right", "Return"}, "frmNotes", "txtNotes"},
    Road{"OpenPlannerForSelectedDate", From::MainWindow, {"alt+o", "Down", "Right", "Down", "Return"}, "frmPlanner"},
    Road{"SetAlertForSelectedDate", From::MainWindow, {"alt+o", "Down", "Right", "Down", "Down", "Return"}, "frmAlert"},
    Road{"Alerts", From::MainWindow, {"alt+m", "Return"}, "frmAlert"},
    Road{"NotesAndPlanners", From::MainWindow, {"alt+m", "Down", "Return"}, "frmNoteList", "lst_0"},
    Road{"ToDoList", From::MainWindow, {"alt+m", "Down", "Down", "Return"}, "frmToDo"},
    Road{"Holidays", From::MainWindow, {"alt+m", "Down", "Down", "Down", "Return"}, "frmHolidays", nullptr, false,
         "There is no Holiday List for"},
    Road{"Birthdays", From::MainWindow, {"alt+m", "Down", "Down", "Down", "Down", "Return"}, "frmBDay"},
    Road{"ContactList", From::MainWindow, {"alt+m", "Up", "Up", "Up", "Up", "Return"}, "frmEmailList", "lstNames"},
    Road{"InsertableIcons", From::MainWindow, {"alt+m", "Up", "Up", "Up", "Return"}, "frmIcons", nullptr, true},
    Road{"TermsEditList", From::MainWindow, {"alt+m", "Up", "Up", "Right", "Return"}, "frmFUT", nullptr, true},
    Road{"TermsEditPreferences", From::MainWindow, {"alt+m", "Up", "Up", "Right", "Down", "Return"}, "frmPref"},
    Road{"SelectMarkersToDisplay", From::MainWindow, {"alt+m", "Up", "Right", "Return"}, "frmMarkers"},
    Road{"SelectMarkerColors", From::MainWindow, {"alt+m", "Up", "Right", "Down", "Return"}, "frmColors"},
    Road{"IntervalInYears", From::MainWindow, {"alt+d", "Right", "Return"}, "frmDateDiff", "txtInput_0"},
    Road{"WeekdaysInAPeriod", From::MainWindow, {"alt+d", "Down", "Right", "Return"}, "frmNumDays", "txtStart"},
    Road{"AlarmClock", From::MainWindow, {"alt+t", "Return"}, "frmAlarm", "txtTime"},
    Road{"HelpContents", From::MainWindow, {"alt+h", "Return"}, "frmHelp"}));

// The main window's buttons, reached from the date picker (Alt+S) by Tab.
INSTANTIATE_TEST_SUITE_P(MainButtons, WindowsTakeTheKeyboard, ::testing::Values(
    Road{"NotesButton", From::MainWindow, {"alt+s", "Tab", "Tab", "Tab", "Tab", "space"}, "frmNotes", "txtNotes"},
    Road{"PlannerButton", From::MainWindow, {"alt+s", "Tab", "Tab", "Tab", "Tab", "Tab", "space"}, "frmPlanner"},
    Road{"AlertButton", From::MainWindow,
         {"alt+s", "Tab", "Tab", "Tab", "Tab", "Tab", "Tab", "Tab", "Tab", "Tab", "space"}, "frmAlert"}));

// The menus of the notes window and the planner, shown in the main window while they are active.
INSTANTIATE_TEST_SUITE_P(NotesAndPlannerMenus, WindowsTakeTheKeyboard, ::testing::Values(
    Road{"NotesExportAndAssign", From::Notes, {"alt+f", "Down", "Down", "Down", "Return"}, "frmEmailList", "lstNames"},
    Road{"NotesImport", From::Notes, {"alt+f", "Up", "Return"}, "frmFile"},
    Road{"NotesTermPreferences", From::Notes, {"alt+p", "Return"}, "frmPref"},
    Road{"PlannerExportAndAssign", From::Planner, {"alt+f", "Down", "Down", "Down", "Return"}, "frmEmailList",
         "lstNames"},
    Road{"PlannerImport", From::Planner, {"alt+f", "Down", "Down", "Down", "Down", "Return"}, "frmFile"},
    Road{"PlannerTermPreferences", From::Planner, {"alt+p", "Return"}, "frmPref"},
    Road{"PlannerEditDefaultToDoList", From::Planner, {"alt+t", "Down", "Return"}, "frmToDo"}));

// The list windows' menus and buttons, the terms window's, the report picker's buttons.
INSTANTIATE_TEST_SUITE_P(WindowsOpenedFromWindows, WindowsTakeTheKeyboard, ::testing::Values(
    Road{"NoteListFind", From::NoteList, {"alt+e", "Return"}, "frmSearch", "cmbPhrase"},
    Road{"NoteListOpenSelectedNote", From::NoteList, {"space", "Tab", "space"}, "frmNotes", "txtNotes"},
    Road{"ContactListNewTakesItsOwnFileMenu", From::ContactList, {"alt+f", "n"}, "frmEmailList", "txt_0"},
    Road{"TermsOpenAnotherFile", From::TermsWindow, {"alt+f", "Down", "Return"}, "frmFile"},
    Road{"TermsAddNewTerm", From::TermsWindow, {"Tab", "Tab", "space"}, "frmAddFUT", "txtAddFUT"},
    Road{"TermsEditSelectedTerm", From::TermsWindow, {"Tab", "Tab", "Tab", "space"}, "frmEditFUT"},
    Road{"PickerSelectStartAndEnd", From::ReportPicker, {"Tab", "Tab", "space"}, "frmSelectStartEnd"},
    Road{"PickerGenerateReport", From::ReportPicker, {"Tab", "Tab", "Tab", "space"}, "frmExpenses"}));


// A window's Alt+letter opens that window's own menu, every time: not the main window's menu of
// the same letter, and not the two in turn.
struct MenuKey {
    const char* name;
    From from;
    const char* key;
    // The window the menu belongs to, and the menu (none when that menu is off).
    const char* owner;
    const char* menu;
};

void PrintTo(const MenuKey& k, std::ostream* os) { *os << k.name; }

class OwnMenus : public KeysOnADesktop, public ::testing::WithParamInterface<MenuKey> {
protected:
    // Esc closes the menu, then leaves the menu bar if it kept the keyboard (one Esc more in the
    // notes or the planner would close them).
    static void LeaveTheMenus() {
        if (QApplication::activePopupWidget()) {
            ASSERT_TRUE(test::Tap({"Escape"}));
            ASSERT_TRUE(QTest::qWaitFor([] { return !QApplication::activePopupWidget(); }, test::kPatienceMs));
        }
        if (qobject_cast<QMenuBar*>(QApplication::focusWidget())) {
            ASSERT_TRUE(test::Tap({"Escape"}));
            ASSERT_TRUE(QTest::qWaitFor([] { return !qobject_cast<QMenuBar*>(QApplication::focusWidget()); },
                                        test::kPatienceMs));
        }
    }
};

TEST_P(OwnMenus, AnAltLetterOpensTheWindowsOwnMenu) {
    const MenuKey& k = GetParam();
    Reach(k.from);
    if (HasFatalFailure()) return;
    QWidget* owner = Named(k.owner);
    ASSERT_TRUE(owner);
    for (int time = 0; time < 3; ++time) {
        ASSERT_TRUE(test::Tap({k.key}));
        QWidget* popup = nullptr;
        if (!k.menu) {
            QTest::qWait(500); // a menu would be open by now
            EXPECT_EQ(QApplication::activePopupWidget(), nullptr)
                << "a menu of " << Described(QApplication::activePopupWidget()->parentWidget()).toStdString();
            LeaveTheMenus();
            continue;
        }
        ASSERT_TRUE(QTest::qWaitFor([&] { return (popup = QApplication::activePopupWidget()) != nullptr; },
                                    test::kPatienceMs)) << "no menu opened, time " << time;
        EXPECT_EQ(popup->objectName(), k.menu) << "time " << time;
        EXPECT_TRUE(Owns(owner, popup)) << "time " << time << ": a menu of "
                                        << Described(popup->parentWidget()).toStdString();
        LeaveTheMenus();
    }
}

INSTANTIATE_TEST_SUITE_P(ListAndTermsWindows, OwnMenus, ::testing::Values(
    MenuKey{"ContactListFile", From::ContactList, "alt+f", "frmEmailList", "mnuFile"},
    MenuKey{"ContactListOptions", From::ContactList, "alt+o", "frmEmailList", "mnuOptions"},
    MenuKey{"ContactListHelp", From::ContactList, "alt+h", "frmEmailList", "mnuHelp"},
    MenuKey{"NoteListEdit", From::NoteList, "alt+e", "frmNoteList", "mnuEdit"},
    MenuKey{"TermsFile", From::TermsWindow, "alt+f", "frmFUT", "mnuFile"},
    MenuKey{"TermsEdit", From::TermsWindow, "alt+e", "frmFUT", "mnuEdit"},
    MenuKey{"TermsWindow", From::TermsWindow, "alt+w", "frmFUT", "mnuWindow"},
    MenuKey{"AlertManagerFile", From::AlertManager, "alt+f", "frmAlert", "mnuFile"},
    MenuKey{"AlarmHelp", From::Alarm, "alt+h", "frmAlarm", "mnuHelp"},
    // Esc closing the menu leaves the report open.
    MenuKey{"ReportFile", From::Report, "alt+f", "frmExpenses", "mnuFile"},
    MenuKey{"ReportOptions", From::Report, "alt+o", "frmExpenses", "mnuOptions"}));

// Typing in the notes or the planner beside the terms window kept on top, the Alt+letters open
// their menus, not the terms window's.
INSTANTIATE_TEST_SUITE_P(BesideTheTermsWindow, OwnMenus, ::testing::Values(
    MenuKey{"NotesFile", From::Notes, "alt+f", "frmNotes", "mnuFile"},
    MenuKey{"NotesPreferences", From::Notes, "alt+p", "frmNotes", "mnuPref"},
    // Off until a search hit is shown.
    MenuKey{"NotesEditOffOpensNoOtherEdit", From::Notes, "alt+e", "frmNotes", nullptr},
    MenuKey{"PlannerFile", From::Planner, "alt+f", "frmPlanner", "mnuFile"},
    MenuKey{"PlannerEdit", From::Planner, "alt+e", "frmPlanner", "mnuEdit"}));


// An Alt+letter that no menu or button of the window takes types nothing into the box being
// typed in (a note, a planner line, a to-do item), which keeps taking keys.
struct AltLetter {
    const char* name;
    From from;
};

void PrintTo(const AltLetter& a, std::ostream* os) { *os << a.name; }

QString TextOf(const QWidget* w) {
    if (auto* line = qobject_cast<const QLineEdit*>(w)) return line->text();
    if (auto* plain = qobject_cast<const QPlainTextEdit*>(w)) return plain->toPlainText();
    if (auto* rich = qobject_cast<const QTextEdit*>(w)) return rich->toPlainText();
    return QString();
}

class AltLettersTypeNothing : public KeysOnADesktop, public ::testing::WithParamInterface<AltLetter> {};

TEST_P(AltLettersTypeNothing, TheBoxKeepsItsTextAndTakesTheNextKey) {
    Reach(GetParam().from);
    if (HasFatalFailure()) return;
    QPointer<QWidget> box = QApplication::focusWidget();
    ASSERT_TRUE(box);
    ASSERT_TRUE(qobject_cast<QLineEdit*>(box) || qobject_cast<QPlainTextEdit*>(box) || qobject_cast<QTextEdit*>(box))
        << Described(box).toStdString();
    const QString before = TextOf(box);
    // None of these is a key of a menu of these windows or of the main window.
    ASSERT_TRUE(test::Tap({"alt+q", "alt+j", "alt+shift+z"}));
    ASSERT_TRUE(test::TypeKeys("1"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return box && TextOf(box) != before; }, test::kPatienceMs))
        << "the keyboard is at " << Described(QApplication::focusWidget()).toStdString();
    QString after = TextOf(box);
    EXPECT_EQ(after.count('1'), before.count('1') + 1);
    EXPECT_EQ(after.remove('1'), QString(before).remove('1'));
    EXPECT_EQ(QApplication::focusWidget(), box.data());
}

INSTANTIATE_TEST_SUITE_P(TypingBoxes, AltLettersTypeNothing, ::testing::Values(
    AltLetter{"Note", From::Notes},
    AltLetter{"PlannerLine", From::Planner},
    AltLetter{"ToDoItem", From::ToDo}));

// Esc in a window with a cancel button presses it: the window closes, and the keyboard is back
// where the user was when the keys opened it.
struct EscapeKey {
    const char* name;
    From from;
    std::vector<const char*> keys;
    const char* opens;
};

void PrintTo(const EscapeKey& e, std::ostream* os) { *os << e.name; }

class EscapeCancels : public KeysOnADesktop, public ::testing::WithParamInterface<EscapeKey> {};

TEST_P(EscapeCancels, TheWindowClosesAndTheKeyboardIsBack) {
    const EscapeKey& e = GetParam();
    Reach(e.from);
    if (HasFatalFailure()) return;
    QPointer<QWidget> before = QApplication::focusWidget();
    ASSERT_TRUE(before);
    for (const char* key : e.keys) ASSERT_TRUE(test::Tap({key})) << key;
    QPointer<QWidget> opened;
    ASSERT_TRUE(QTest::qWaitFor([&] { return (opened = Named(e.opens)) != nullptr; }, test::kPatienceMs)) << e.opens;
    ASSERT_TRUE(Active(opened->window())) << WhoIsActive();
    ASSERT_TRUE(test::Tap({"Escape"}));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !opened || !opened->isVisible(); }, test::kPatienceMs))
        << e.opens << " is still open";
    ASSERT_TRUE(before && Active(before->window())) << WhoIsActive();
    EXPECT_EQ(LandingOfATypedKey(), before.data())
        << "the keyboard is at " << Described(QApplication::focusWidget()).toStdString();
}

INSTANTIATE_TEST_SUITE_P(CancelButtons, EscapeCancels, ::testing::Values(
    EscapeKey{"ContactList", From::MainWindow, {"alt+m", "Up", "Up", "Up", "Up", "Return"}, "frmEmailList"},
    EscapeKey{"ContactListBesideTheNote", From::Notes, {"alt+f", "Down", "Down", "Down", "Return"}, "frmEmailList"},
    EscapeKey{"Markers", From::MainWindow, {"alt+m", "Up", "Right", "Return"}, "frmMarkers"},
    EscapeKey{"MarkerColors", From::MainWindow, {"alt+m", "Up", "Right", "Down", "Return"}, "frmColors"}));

// Opened by its keys, a window has the keyboard in its first control and Tab goes as the
// controls stand on screen, row by row, and round to the first again.
struct TabRoad {
    const char* name;
    std::vector<const char*> keys;
    const char* opens;
    // The focus after the keys, then after each Tab.
    QStringList stops;
};

void PrintTo(const TabRoad& t, std::ostream* os) { *os << t.name; }

class TabGoesAsShown : public KeysOnADesktop, public ::testing::WithParamInterface<TabRoad> {};

TEST_P(TabGoesAsShown, FromTheFirstControlRowByRow) {
    const TabRoad& t = GetParam();
    Reach(From::MainWindow);
    if (HasFatalFailure()) return;
    for (const char* key : t.keys) ASSERT_TRUE(test::Tap({key})) << key;
    QWidget* opened = nullptr;
    ASSERT_TRUE(QTest::qWaitFor([&] { return (opened = Named(t.opens)) != nullptr; }, test::kPatienceMs)) << t.opens;
    ASSERT_TRUE(Active(opened->window())) << WhoIsActive();
    // An editable combo box has the keyboard in its line box.
    auto focusName = [] {
        QWidget* f = QApplication::focusWidget();
        if (!f) return QString("nothing");
        return f->objectName().isEmpty() && f->parentWidget() ? f->parentWidget()->objectName() : f->objectName();
    };
    ASSERT_TRUE(QTest::qWaitFor([&] { return focusName() == t.stops.front(); }, test::kPatienceMs))
        << "the keyboard is at " << focusName().toStdString();
    QStringList seen{focusName()};
    for (qsizetype i = 1; i < t.stops.size(); ++i) {
        EXPECT_TRUE(test::Tap({"Tab"}));
        seen << focusName();
    }
    EXPECT_EQ(seen.join(" ").toStdString(), t.stops.join(" ").toStdString());
}

INSTANTIATE_TEST_SUITE_P(Windows, TabGoesAsShown, ::testing::Values(
    // Months row by row, the Prev/Next bar below them, the side panels on the right, then the bar
    // of the main window.
    TabRoad{"YearView", {"alt+v", "Down", "Down", "Return"}, "frmYear",
            {"picMain", "cmdMonth_0", "cmdMonth_1", "cmdMonth_2", "cmdMonth_3", "cmdMonth_4", "cmdMonth_5",
             "cmdMonth_6", "cmdMonth_7", "cmdMonth_8", "cmdMonth_9", "cmdMonth_10", "cmdMonth_11", "cmdPrev",
             "cmdNext", "lstHelp", "txtHelp", "lstAlerts", "lstBirthdays", "cmbMonth"}},
    TabRoad{"SixMonthView", {"alt+v", "Down", "Return"}, "frm6Months",
            {"picMain", "cmdView_0", "cmdView_1", "cmdView_2", "cmdView_3", "cmdView_4", "cmdView_5", "cmdPrev",
             "cmdNext", "lstHelp", "txtHelp", "lstAlerts", "lstBirthdays", "cmbMonth"}},
    TabRoad{"MonthView", {"alt+v", "Return"}, "frmMonth",
            {"picMonth", "cmdPrev", "cmdNext", "lstHelp", "txtHelp", "lstAlerts", "lstBirthdays", "cmbMonth"}},
    // The two rows of colours, then the buttons below them (the caption box is off until a
    // category is chosen).
    TabRoad{"MarkerColors", {"alt+m", "Up", "Right", "Down", "Return"}, "frmColors",
            {"cmdColor_0", "cmdColor_2", "cmdColor_4", "cmdColor_6", "cmdColor_8", "cmdColor_10", "cmdColor_12",
             "cmdColor_14", "cmdColor_1", "cmdColor_3", "cmdColor_5", "cmdColor_7", "cmdColor_9", "cmdColor_11",
             "cmdColor_13", "cmdColor_15", "cmdSave", "cmdExit", "cmdColor_0"}},
    // From the start date's box on to the end date's row, the button and the answer, then round
    // by the unit list to the start date's row.
    TabRoad{"DateDifference", {"alt+d", "Right", "Return"}, "frmDateDiff",
            {"txtInput_0", "cmbMonth_1", "cmbDay_1", "cmbYear_1", "txtInput_1", "cmdDateDiff", "txtAnswer",
             "cmbInterval", "cmbMonth_0", "cmbDay_0", "cmbYear_0", "txtInput_0"}}));

} // namespace
} // namespace orvelle
