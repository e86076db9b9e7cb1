// The terms window beside a note or a planner page, clicked as a user clicks it: the window
// manager gives the clicked window the keyboard, and what counts is where the next typed key
// lands. Keys and clicks go through the X server.
#include "DesktopFixture.h"
#include "RealClicks.h"

#include "notes/frmFile.h"
#include "planner/PlannerPageView.h"
#include "planner/PlannerLineBox.h"
#include "planner/PlannerTimeLabels.h"
#include "planner/frmPlanner.h"
#include "platform/MdiChildren.h"

#include <QMdiSubWindow>

#include <optional>

namespace orvelle {

struct TermsWindowKeepsTheTyping : WindowsOnADesktop {
    // The terms window beside the window just opened by `command`, with the keyboard in `box`.
    frmFUT* TermsBeside(const char* command) {
        WriteTermList();
        w->Menu(command)->trigger();
        frmFUT* terms = frmFUT::Find();
        return Shown(terms) ? terms : nullptr;
    }
    static QPushButton* Button(const char* name) { return frmFUT::Find()->findChild<QPushButton*>(name); }
    // Types `keys` through the X server and waits until `box` reads `text`.
    static bool TypedInto(QWidget* box, const char* keys, const QString& text) {
        test::TypeKeys(keys);
        return QTest::qWaitFor([&] { return TextOf(box) == text; }, test::kPatienceMs);
    }
    static QString TextOf(QWidget* box) {
        if (auto* line = qobject_cast<QLineEdit*>(box)) return line->text();
        if (auto* edit = qobject_cast<QPlainTextEdit*>(box)) return edit->toPlainText();
        return {};
    }
    // A click on an item of one of the terms window's menus.
    static void ClickMenuItem(const char* menuName, const char* itemName) {
        auto* bar = frmFUT::Find()->findChild<QMenuBar*>();
        auto* menu = frmFUT::Find()->findChild<QMenu*>(menuName);
        test::ClickAt(bar, bar->actionGeometry(menu->menuAction()).center());
        ASSERT_TRUE(QTest::qWaitFor([menu] { return menu->isVisible(); }, test::kPatienceMs));
        QAction* item = menu->findChild<QAction*>(itemName);
        test::ClickAt(menu, menu->actionGeometry(item).center());
    }
};

// What a window tells the window manager of its user's last action on it (0: it is not to be
// given the keyboard when it maps), kept on the window or on the one it names for it.
uint32_t UserTime(const QWidget* window) {
    xcb_connection_t* c = test::XConnection();
    auto atom = [c](const char* name) {
        xcb_intern_atom_reply_t* r =
            xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, static_cast<uint16_t>(std::strlen(name)), name), nullptr);
        xcb_atom_t a = r ? r->atom : XCB_NONE;
        std::free(r);
        return a;
    };
    auto read = [c](xcb_window_t on, xcb_atom_t name, xcb_atom_t type) -> std::optional<uint32_t> {
        xcb_get_property_reply_t* r = xcb_get_property_reply(c, xcb_get_property(c, 0, on, name, type, 0, 1), nullptr);
        std::optional<uint32_t> out;
        if (r && xcb_get_property_value_length(r) >= 4) out = *static_cast<uint32_t*>(xcb_get_property_value(r));
        std::free(r);
        return out;
    };
    xcb_window_t on = Id(window);
    if (auto other = read(on, atom("_NET_WM_USER_TIME_WINDOW"), XCB_ATOM_WINDOW)) on = *other;
    return read(on, atom("_NET_WM_USER_TIME"), XCB_ATOM_CARDINAL).value_or(~0u);
}

// Opened by their menu keys with the terms window beside them, the note and the planner keep the
// keyboard from the moment the terms window maps: it asks the window manager for none and is never
// the active window, so the first key typed lands in the note or the line. A click on it still
// gives it the keyboard, and Tab goes on from its list to its buttons.
TEST_F(TermsWindowKeepsTheTyping, TheTermsWindowComesUpWithoutTheKeyboard) {
    StartOnDesktop();
    WriteTermList();
    struct Opening {
        std::vector<const char*> keys;
        const char* window;
    };
    for (const Opening& opening : {Opening{{"alt+o", "Down", "Right", "Return"}, "frmNotes"},
                                   Opening{{"alt+o", "Down", "Right", "Down", "Return"}, "frmPlanner"}}) {
        SCOPED_TRACE(opening.window);
        ASSERT_TRUE(Activate(w));
        for (const char* key : opening.keys) ASSERT_TRUE(test::Tap({key}));
        // Watched from the keys on until a while after it is shown.
        frmFUT* terms = nullptr;
        bool termsActive = false;
        QElapsedTimer shown;
        ASSERT_TRUE(QTest::qWaitFor([&] {
            terms = frmFUT::Find();
            const std::vector<xcb_window_t> active = RootWindows("_NET_ACTIVE_WINDOW");
            if (terms && terms->internalWinId() && !active.empty() && active[0] == terms->internalWinId())
                termsActive = true;
            if (terms && terms->isVisible() && !shown.isValid()) shown.start();
            return shown.isValid() && shown.elapsed() >= 1000;
        }, 3 * test::kPatienceMs));
        EXPECT_FALSE(termsActive);
        EXPECT_EQ(UserTime(terms), 0u);
        ASSERT_TRUE(ActiveNow(w));
        auto* box = qobject_cast<QWidget*>(QApplication::focusWidget());
        ASSERT_TRUE(box && box->window() == w && w->findChild<QWidget*>(opening.window)->isAncestorOf(box));
        EXPECT_TRUE(TypedInto(box, "q", "q"));

        // A click on its list gives it the keyboard, and Tab reaches its first button.
        QListWidget* list = terms->lstFUT();
        test::ClickAt(list->viewport(), list->visualItemRect(list->item(0)).center());
        EXPECT_TRUE(Active(terms));
        ASSERT_TRUE(test::Tap({"Tab"}));
        EXPECT_TRUE(QTest::qWaitFor([] { return QApplication::focusWidget() == Button("cmdOpt_0"); }, test::kPatienceMs));

        // Closed, its window takes the terms window with it.
        Answer("has been changed. Do you want to save the changes?", QMessageBox::No);
        ASSERT_TRUE(Activate(w));
        w->mdiArea()->activeSubWindow()->close();
        ASSERT_TRUE(QTest::qWaitFor([] { return frmFUT::Find() == nullptr; }, test::kPatienceMs));
    }
}

TEST_F(TermsWindowKeepsTheTyping, AClickedButtonLeavesTheKeyboardInTheNote) {
    StartOnDesktop();
    frmFUT* terms = TermsBeside("mnuOptDateOpenNotes");
    ASSERT_TRUE(terms);
    QPlainTextEdit* box = frmNotes::Find(w->mdiArea())->txtNotes();
    ASSERT_TRUE(test::ClickAt(box));
    ASSERT_TRUE(Active(w));
    ASSERT_TRUE(TypedInto(box, "a", "a"));
    // The case button does its work, and the next key goes on in the note.
    test::ClickAt(Button("cmdCase_2"));
    EXPECT_EQ(terms->lstFUT()->item(0)->text(), "MEETING");
    EXPECT_TRUE(Active(w));
    EXPECT_TRUE(TypedInto(box, "b", "ab"));

    // After one Tab visit the auto-complete button is the terms window's focus; a click on
    // another button does not leave the keyboard there, so a blank is typed, not a press.
    ASSERT_TRUE(Activate(terms));
    terms->lstFUT()->setFocus(Qt::OtherFocusReason);
    test::Tap({"Tab"});
    ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::focusWidget() == Button("cmdOpt_0"); }, test::kPatienceMs));
    ASSERT_TRUE(test::ClickAt(box));
    ASSERT_TRUE(Active(w));
    test::ClickAt(Button("cmdCase_0"));
    EXPECT_TRUE(TypedInto(box, " c", "ab c"));
    EXPECT_TRUE(s->prefs.gAutoCompleteOn);
    EXPECT_EQ(Button("cmdOpt_0")->text(), "Disable Auto Complete");

    // A click into the term list picks a term for Left, which puts it in and gives the
    // keyboard back to the note.
    QListWidget* list = terms->lstFUT();
    test::ClickAt(list->viewport(), list->visualItemRect(list->item(1)).center());
    ASSERT_TRUE(Active(terms));
    ASSERT_TRUE(test::Tap({"Left"}));
    EXPECT_TRUE(QTest::qWaitFor([&] { return box->toPlainText() == "ab c lunch "; }, test::kPatienceMs));
    EXPECT_TRUE(Active(w));
    EXPECT_TRUE(TypedInto(box, "d", "ab c lunch d"));
}

TEST_F(TermsWindowKeepsTheTyping, BesideAPlannerLineButtonsBoxesDialogsAndMenusGiveTheKeyboardBack) {
    StartOnDesktop();
    frmFUT* terms = TermsBeside("mnuOptDateOpenPlanner");
    ASSERT_TRUE(terms);
    auto* planner = w->findChild<frmPlanner*>("frmPlanner");
    QLineEdit* line = planner->Page()->txt(3);
    ASSERT_TRUE(test::ClickAt(line, QPoint(10, line->height() / 2)));
    ASSERT_TRUE(Active(w));
    ASSERT_TRUE(TypedInto(line, "x", "x"));
    test::ClickAt(Button("cmdCase_1"));
    EXPECT_TRUE(TypedInto(line, "y", "xy"));

    // A box the click brought: once answered, the keyboard is back in the line.
    Answer("Nothing selected to remove.", QMessageBox::Ok);
    test::ClickAt(Button("cmdOpt_3"));
    EXPECT_TRUE(TypedInto(line, "z", "xyz"));

    // A term dialog takes the keyboard; closed, it gives it back to the line.
    test::ClickAt(Button("cmdOpt_1"));
    frmAddFUT* add = frmAddFUT::Find();
    ASSERT_TRUE(add && Active(add));
    EXPECT_TRUE(TypedInto(add->txtAddFUT(), "Gym", "Gym"));
    test::ClickAt(add->findChild<QPushButton*>("cmdExit"));
    EXPECT_TRUE(Active(w));
    EXPECT_TRUE(TypedInto(line, "w", "xyzw"));

    // A menu command chosen with the mouse, with its question.
    Answer("This will delete all items in the list. Continue?", QMessageBox::No);
    ClickMenuItem("mnuEdit", "mnuEditClear");
    EXPECT_TRUE(Active(w));
    EXPECT_TRUE(TypedInto(line, "v", "xyzwv"));
    EXPECT_EQ(terms->lstFUT()->count(), 2);

    // With the time editor open and typed in, a click hands the keyboard back to the editor.
    ASSERT_TRUE(test::Tap({"alt+e", "Return"}));
    QWidget* editor = planner->TimeLabels()->txtTime();
    ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::focusWidget() == editor; }, test::kPatienceMs));
    planner->TimeLabels()->txtTime()->clear();
    ASSERT_TRUE(TypedInto(editor, "9:3", "9:3"));
    test::ClickAt(Button("cmdCase_0"));
    EXPECT_TRUE(TypedInto(editor, "0", "9:30"));
    EXPECT_EQ(line->text(), "xyzwv");
}

// With a note open over the planner, the terms window hands the keyboard to the window the
// user works in, not to the planner because it is open.
TEST_F(TermsWindowKeepsTheTyping, AnImportedNoteOverThePlannerKeepsTheKeyboard) {
    StartOnDesktop();
    ASSERT_TRUE(TermsBeside("mnuOptDateOpenPlanner"));
    std::filesystem::create_directories(dir + "Planners And Notes");
    std::ofstream(dir + "Planners And Notes/Imported.nte", std::ios::binary) << "03/05/09:Imported";
    w->Menu("mnuOptDateOpenNotes")->trigger();
    frmNotes* notes = frmNotes::Find(w->mdiArea());
    ASSERT_TRUE(notes);
    QPlainTextEdit* box = notes->txtNotes();
    ASSERT_TRUE(test::ClickAt(box));
    ASSERT_TRUE(TypedInto(box, "Draft", "Draft"));

    notes->findChild<QAction*>("mnuFileImport")->trigger();
    auto* files = w->findChild<frmFile*>();
    ASSERT_TRUE(files && Active(files));
    files->Dir1_Change(dir + "Planners And Notes/");
    QListWidget* list = files->findChild<QListWidget*>("FileList1");
    ASSERT_EQ(list->count(), 1);
    test::ClickAt(list->viewport(), list->visualItemRect(list->item(0)).center());
    Answer("The Notes have been changed.", QMessageBox::No);
    test::ClickAt(files->findChild<QPushButton*>("cmdOpenOK"));
    // The note is shown in a notes window of its own.
    ASSERT_TRUE(QTest::qWaitFor([&] {
        notes = frmNotes::Find(w->mdiArea());
        return notes && notes->txtNotes()->toPlainText() == "Imported";
    }, test::kPatienceMs));
    box = notes->txtNotes();

    EXPECT_TRUE(Active(w));
    EXPECT_EQ(w->mdiArea()->activeSubWindow()->widget(), notes);
    test::Tap({"End"});
    EXPECT_TRUE(TypedInto(box, "!", "Imported!"));
    auto* planner = w->findChild<frmPlanner*>("frmPlanner");
    for (int i = 0; i < 16; ++i) EXPECT_TRUE(planner->Page()->txt(i)->text().isEmpty()) << i;

    // Over in the planner, a term keyed in from the list goes into its line, not the note.
    ASSERT_TRUE(test::Tap({"ctrl+Tab"}));
    ASSERT_TRUE(QTest::qWaitFor([&] { return w->mdiArea()->activeSubWindow() == MdiSubWindowOf(planner); },
                                test::kPatienceMs));
    QLineEdit* line = planner->Page()->txt(0);
    ASSERT_TRUE(test::ClickAt(line, QPoint(10, line->height() / 2)));
    ASSERT_TRUE(TypedInto(line, "Call", "Call"));
    QListWidget* terms = frmFUT::Find()->lstFUT();
    test::ClickAt(terms->viewport(), terms->visualItemRect(terms->item(0)).center());
    ASSERT_TRUE(test::Tap({"Left"}));
    EXPECT_TRUE(QTest::qWaitFor([&] { return line->text() == "Call Meeting "; }, test::kPatienceMs));
    EXPECT_EQ(box->toPlainText(), "Imported!");
    EXPECT_TRUE(Active(w));
    EXPECT_TRUE(TypedInto(line, "Ann", "Call Meeting Ann"));
}

} // namespace orvelle
