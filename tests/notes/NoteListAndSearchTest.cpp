#include "common/KeyboardWaits.h"
#include "common/MainWindowFixture.h"

#include "notes/frmFUT.h"
#include "notes/frmNoteList.h"
#include "notes/frmNotes.h"
#include "notes/frmSearch.h"
#include "mainwindow/PlannerLauncher.h"
#include "planner/PlannerPageView.h"
#include "planner/frmPlanner.h"
#include "store/NotesStore.h"
#include "store/PlannerRecord.h"

#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>

using namespace orvelle;

namespace {

struct NoteListTest : MainWindowTest {
    static std::string NoteLine(Date d, const std::string& text) {
        return FormatMmDdYy(d) + ":" + CellStampOf(d) + ":" + EncodeNoteText(text) + "\r\n";
    }
    void WriteYear(int year, const std::string& file, const std::string& content) {
        ASSERT_TRUE(MakeFolder(dir + std::to_string(year)));
        ASSERT_TRUE(WriteFileAtomic(dir + std::to_string(year) + "/" + file, content));
    }
    std::string ReadYear(int year, const std::string& file) {
        return ReadWholeFile(dir + std::to_string(year) + "/" + file).value_or("<missing>");
    }
    template <class W> W* OpenFromMenu(const char* item, const char* name) {
        if (!w) Start();
        w->Menu(item)->trigger();
        Settle();
        return w->findChild<W*>(name);
    }
    static QStringList Items(QListWidget* l) {
        QStringList out;
        for (int i = 0; i < l->count(); ++i) out << l->item(i)->text();
        return out;
    }
    static void ClickRow(QListWidget* l, int row) {
        QTest::mouseClick(l->viewport(), Qt::LeftButton, {}, l->visualItemRect(l->item(row)).center());
    }
    static void Click(QWidget* parent, const char* name) {
        auto* b = parent->findChild<QPushButton*>(name);
        ASSERT_NE(b, nullptr) << name;
        QTest::mouseClick(b, Qt::LeftButton);
    }
    static void SetBox(QWidget* parent, const char* name, const QString& text) {
        auto* c = parent->findChild<QComboBox*>(name);
        if (c->isEditable()) c->setEditText(text);
        else c->setCurrentText(text);
    }
    std::string LastMessage() const { return prompter.SeenDialogs().back().text; }
};

} // namespace

TEST_F(NoteListTest, MonthFilterAndDeletingTheSelectedNoteByItsDate) {
    WriteYear(2009, "Notes.dat",
              NoteLine(DateSerial(2009, 1, 2), "a") + NoteLine(DateSerial(2009, 2, 3), "b") +
                  NoteLine(DateSerial(2009, 3, 4), "c") + NoteLine(DateSerial(2009, 3, 9), "d") +
                  NoteLine(DateSerial(2009, 3, 30), "e"));
    auto* list = OpenFromMenu<frmNoteList>("mnuManageNotes", "frmNoteList");
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->windowTitle(), "Notes and Planner Management");
    EXPECT_EQ(Items(list->lst(0)).size(), 5);
    auto* years = list->findChild<QComboBox*>("cmbYear");
    EXPECT_EQ(years->itemText(0), "2008");
    EXPECT_EQ(years->itemText(years->count() - 1), "2019");

    SetBox(list, "cmbMonth", "March");
    Click(list, "cmdLoad");
    EXPECT_EQ(Items(list->lst(0)), (QStringList{"03/04/09", "03/09/09", "03/30/09"}));

    // The third listed note of March is deleted, not the year's third.
    ClickRow(list->lst(0), 2);
    prompter.Expect(MsgAnswer::OK, "Notes Saved");
    Click(list, "cmdDelete_0");
    EXPECT_EQ(ReadYear(2009, "Notes.dat"), NoteLine(DateSerial(2009, 1, 2), "a") + NoteLine(DateSerial(2009, 2, 3), "b") +
                                               NoteLine(DateSerial(2009, 3, 4), "c") +
                                               NoteLine(DateSerial(2009, 3, 9), "d"));
    EXPECT_EQ(Items(list->lst(0)), (QStringList{"03/04/09", "03/09/09"}));
    // Refilled with nothing selected, also when the focus comes to the list; the keys pick a row.
    list->activateWindow();
    ASSERT_TRUE(test::BecomesActive(list));
    list->lst(0)->setFocus(Qt::TabFocusReason);
    prompter.Expect(MsgAnswer::OK, "Nothing has been selected.");
    Click(list, "cmdDelete_0");
    QTest::keyClick(list->lst(0), Qt::Key_End);
    prompter.Expect(MsgAnswer::OK, "Notes Saved");
    Click(list, "cmdDelete_0");
    EXPECT_EQ(Items(list->lst(0)), (QStringList{"03/04/09"}));
    WriteYear(2009, "Notes.dat", NoteLine(DateSerial(2009, 3, 4), "c") + NoteLine(DateSerial(2009, 3, 9), "d"));
    Click(list, "cmdLoad");
    // Space picks the row the focus stands on, as it shows it selected.
    list->lst(0)->setFocus(Qt::TabFocusReason);
    QTest::keyClick(list->lst(0), Qt::Key_Space);
    ASSERT_TRUE(list->lst(0)->item(0)->isSelected());
    prompter.Expect(MsgAnswer::OK, "Notes Saved");
    Click(list, "cmdDelete_0");
    EXPECT_EQ(Items(list->lst(0)), (QStringList{"03/09/09"}));
    WriteYear(2009, "Notes.dat", NoteLine(DateSerial(2009, 3, 4), "c") + NoteLine(DateSerial(2009, 3, 9), "d"));
    Click(list, "cmdLoad");

    // An entry that went meanwhile (another window deleted it): said, and the list refilled.
    ClickRow(list->lst(0), 0);
    WriteYear(2009, "Notes.dat", NoteLine(DateSerial(2009, 1, 2), "a"));
    prompter.Expect(MsgAnswer::OK, "Couldn't find note to delete.");
    Click(list, "cmdDelete_0");
    EXPECT_EQ(Items(list->lst(0)), QStringList{});
    EXPECT_EQ(ReadYear(2009, "Notes.dat"), NoteLine(DateSerial(2009, 1, 2), "a"));
}

TEST_F(NoteListTest, DeleteAllAsksAndNoChangesNothing) {
    PlannerPage page;
    std::string planner;
    for (int d = 1; d <= 3; ++d)
        planner += FormatMmDdYy(DateSerial(2009, 4, d)) + ":" + CellStampOf(DateSerial(2009, 4, d)) + ":" +
                   BuildPlannerRecord(page) + "\r\n";
    WriteYear(2009, "Planner.dat", planner);
    auto* list = OpenFromMenu<frmNoteList>("mnuManageNotes", "frmNoteList");
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(Items(list->lst(1)).size(), 3);

    prompter.Expect(MsgAnswer::No, "You're about to delete all the files in the list. Continue?");
    Click(list, "cmdDeleteAll_1");
    EXPECT_EQ(prompter.SeenDialogs().back().title, "Deleting All File in the List");
    EXPECT_EQ(ReadYear(2009, "Planner.dat"), planner);
    EXPECT_EQ(Items(list->lst(1)).size(), 3);

    prompter.Expect(MsgAnswer::Yes, "You're about to delete all").Expect(MsgAnswer::OK, "Planner Records Updated");
    Click(list, "cmdDeleteAll_1");
    EXPECT_EQ(ReadYear(2009, "Planner.dat"), "");
    EXPECT_EQ(Items(list->lst(1)).size(), 0);
}

TEST_F(NoteListTest, SearchCountsHitsWithTheExactMessagesAndKeepsAHistory) {
    WriteYear(2009, "Notes.dat",
              NoteLine(DateSerial(2009, 1, 9), "Lunch with Ann") + NoteLine(DateSerial(2009, 3, 2), "LUNCH") +
                  NoteLine(DateSerial(2009, 3, 20), "after lunch") + NoteLine(DateSerial(2009, 4, 1), "tea"));
    auto* f = OpenFromMenu<frmSearch>("mnuEditFind", "frmSearch");
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(f->windowTitle(), "Search for...");

    // The window opens with the keyboard in the phrase box; Enter there searches.
    ASSERT_TRUE(test::TakesTheKeyboard(f->cmbPhrase()));
    f->cmbPhrase()->setEditText("");
    const size_t seen = prompter.SeenDialogs().size();
    QTest::keyClicks(QApplication::focusWidget(), "  lunch ");
    prompter.Expect(MsgAnswer::OK);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    ASSERT_EQ(prompter.SeenDialogs().size(), seen + 1);
    EXPECT_EQ(LastMessage(), "Search Phrase appears on 3 dates.");
    EXPECT_EQ(Items(f->lstResults()), (QStringList{"01/09/09", "03/02/09", "03/20/09"}));
    EXPECT_EQ(s->search.gSearchText, "lunch");

    SetBox(f, "cmbMonth", "January");
    prompter.Expect(MsgAnswer::OK);
    Click(f, "cmdSearch");
    EXPECT_EQ(LastMessage(), "Search Phrase appears on 1 date");

    f->cmbPhrase()->setEditText("supper");
    prompter.Expect(MsgAnswer::OK);
    Click(f, "cmdSearch");
    EXPECT_EQ(LastMessage(), "Search Phrase was not found.");
    prompter.Expect(MsgAnswer::OK, "Nothing has been selected.");
    Click(f, "cmdOpen");

    f->cmbPhrase()->setEditText("lunch");
    prompter.Expect(MsgAnswer::OK);
    Click(f, "cmdSearch");
    f->cmbPhrase()->setEditText("   ");
    prompter.Expect(MsgAnswer::OK, "No phrase has been entered.");
    Click(f, "cmdSearch");
    EXPECT_EQ(s->search.gSearchHistory, (std::vector<std::string>{"lunch", "supper", ""}));
    // Nothing of this moved the selected date.
    EXPECT_EQ(s->dates.gSelectedDate, DateSerial(2009, 3, 5));
}

TEST_F(NoteListTest, OpeningAHitSelectsThePhraseAndClosingTheSearchEndsSearchAgain) {
    WriteYear(2009, "Notes.dat", NoteLine(DateSerial(2009, 1, 9), "Meet for Lunch with Ann"));
    PlannerPage page;
    WriteYear(2009, "Planner.dat",
              FormatMmDdYy(DateSerial(2009, 2, 1)) + ":" + CellStampOf(DateSerial(2009, 2, 1)) + ":" +
                  BuildPlannerRecord(page) + "\r\n");
    Start();
    InstallPlannerWindow(*w);
    auto* f = OpenFromMenu<frmSearch>("mnuEditFind", "frmSearch");
    ASSERT_NE(f, nullptr);
    f->cmbPhrase()->setEditText("lunch");
    prompter.Expect(MsgAnswer::OK, "Search Phrase appears on 1 date");
    Click(f, "cmdSearch");
    ClickRow(f->lstResults(), 0);
    Click(f, "cmdOpen");
    Settle();
    auto* notes = frmNotes::Find(w->mdiArea());
    ASSERT_NE(notes, nullptr);
    // The note comes forward with the keyboard, in front of the search.
    EXPECT_TRUE(test::BecomesActive(w));
    EXPECT_EQ(QApplication::focusWidget(), notes->txtNotes());
    EXPECT_EQ(notes->txtNotes()->textCursor().selectedText(), "Lunch");
    EXPECT_TRUE(s->search.gSearchActive);
    EXPECT_EQ(s->dates.gSelectedDate, DateSerial(2009, 1, 9));
    EXPECT_EQ(Picker(), "January 09, 2009");
    auto* again = notes->findChild<QAction*>("mnuEditSearchAgain");
    EXPECT_TRUE(again->isEnabled() && notes->findChild<QMenu*>("mnuEdit")->isEnabled());

    // Planners: "am" finds the page by its morning time captions and opens the planner on it.
    f->findChild<QRadioButton*>("optLocation_1")->click();
    f->cmbPhrase()->setEditText("am");
    prompter.Expect(MsgAnswer::OK, "Search Phrase appears on 1 date");
    Click(f, "cmdSearch");
    EXPECT_EQ(Items(f->lstResults()), QStringList{"02/01/09"});
    ClickRow(f->lstResults(), 0);
    Click(f, "cmdOpen");
    Settle();
    EXPECT_NE(w->findChild<frmPlanner*>("frmPlanner"), nullptr);
    EXPECT_EQ(s->dates.gSelectedDate, DateSerial(2009, 2, 1));
    EXPECT_EQ(s->search.gSearchLine, 0);

    // A hit opens where it was found, though the location option has been switched since.
    f->findChild<QRadioButton*>("optLocation_0")->click();
    size_t seen = prompter.SeenDialogs().size();
    s->search.gSearchLine = 3;
    Click(f, "cmdOpen");
    Settle();
    EXPECT_EQ(prompter.SeenDialogs().size(), seen);
    EXPECT_EQ(s->search.gSearchLine, 0);
    EXPECT_NE(w->findChild<frmPlanner*>("frmPlanner"), nullptr);

    f->close();
    Settle();
    EXPECT_FALSE(s->search.gSearchActive);
    if (auto* n = frmNotes::Find(w->mdiArea())) {
        EXPECT_FALSE(n->findChild<QMenu*>("mnuEdit")->isEnabled());
    }
}

TEST_F(NoteListTest, WithTheTermsWindowAPlannerHitIsSelectedAndHasTheKeyboard) {
    ASSERT_TRUE(WriteFileAtomic(dir + "Work.fut", "Meeting\r\n"));
    PlannerPage page;
    page.SetLine(5, "See the Dentist");
    const Date hitDay = DateSerial(2009, 2, 1);
    WriteYear(2009, "Planner.dat", FormatMmDdYy(hitDay) + ":" + CellStampOf(hitDay) + ":" + BuildPlannerRecord(page) + "\r\n");
    StartWithPlanner();
    s->prefs.gFUTFileName = "Work.fut";
    s->prefs.gShowFUT = true;
    // An earlier planner was left in its third line.
    QApplication::setActiveWindow(w);
    w->Menu("mnuOptDateOpenPlanner")->trigger();
    Settle();
    auto* earlier = w->findChild<frmPlanner*>("frmPlanner");
    ASSERT_NE(earlier, nullptr);
    ASSERT_TRUE(QTest::qWaitFor([] { return frmFUT::Find() && frmFUT::Find()->isVisible(); }, test::kPatienceMs));
    w->activateWindow();
    ASSERT_TRUE(test::TakesTheKeyboard(earlier->Page()->txt(0)));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    ASSERT_EQ(QApplication::focusWidget(), earlier->Page()->txt(2));
    earlier->mnuFileExit_Click();
    Settle();

    auto* f = OpenFromMenu<frmSearch>("mnuEditFind", "frmSearch");
    ASSERT_NE(f, nullptr);
    f->findChild<QRadioButton*>("optLocation_1")->click();
    f->cmbPhrase()->setEditText("dentist");
    prompter.Expect(MsgAnswer::OK, "Search Phrase appears on 1 date");
    Click(f, "cmdSearch");
    ClickRow(f->lstResults(), 0);
    Click(f, "cmdOpen");
    // The terms window comes up beside the page and hands the keyboard back to the page, also
    // when a window manager sizes its frame before the main window is active again.
    ASSERT_NE(frmFUT::Find(), nullptr);
    frmFUT::Find()->resize(frmFUT::Find()->size() + QSize(0, 4));
    Settle();
    auto* planner = w->findChild<frmPlanner*>("frmPlanner");
    ASSERT_NE(planner, nullptr);
    QLineEdit* hit = planner->Page()->txt(5);
    ASSERT_TRUE(test::TakesTheKeyboard(hit));
    EXPECT_EQ(hit->selectedText(), "Dentist");
    QTest::keyClicks(QApplication::focusWidget(), "Doctor");
    EXPECT_EQ(hit->text(), "See the Doctor");
    EXPECT_TRUE(planner->Page()->txt(2)->text().isEmpty());
    f->close();
    delete frmFUT::Find();
}

TEST_F(NoteListTest, ListingAndSearchingAnotherYearLeaveTheOpenNoteSavingUnderItsOwnDate) {
    Clock::Set({DateSerial(2026, 12, 8), 10 * 3600});
    const std::string y2025 = NoteLine(DateSerial(2025, 3, 5), "Lunch with Ann");
    WriteYear(2025, "Notes.dat", y2025);
    WriteYear(2026, "Notes.dat", NoteLine(DateSerial(2026, 6, 1), "Plan"));
    Start();
    s->dates.gSelectedDate = DateSerial(2026, 6, 1);
    SetDateVariables(*s);
    ASSERT_TRUE(DisplayThisNote(*s));
    Settle();
    auto* notes = frmNotes::Find(w->mdiArea());
    ASSERT_NE(notes, nullptr);
    notes->txtNotes()->moveCursor(QTextCursor::End);
    QTest::keyClicks(notes->txtNotes(), " ahead");

    auto* list = OpenFromMenu<frmNoteList>("mnuManageNotes", "frmNoteList");
    ASSERT_NE(list, nullptr);
    SetBox(list, "cmbYear", "2025");
    Click(list, "cmdLoad");
    EXPECT_EQ(Items(list->lst(0)), QStringList{"03/05/25"});

    auto* f = OpenFromMenu<frmSearch>("mnuEditFind", "frmSearch");
    ASSERT_NE(f, nullptr);
    SetBox(f, "cmbYear", "2025");
    f->cmbPhrase()->setEditText("lunch");
    prompter.Expect(MsgAnswer::OK, "Search Phrase appears on 1 date");
    Click(f, "cmdSearch");
    EXPECT_EQ(Items(f->lstResults()), QStringList{"03/05/25"});
    EXPECT_EQ(s->dates.gSelectedDate, DateSerial(2026, 6, 1));

    prompter.Expect(MsgAnswer::OK, "Notes Saved");
    ASSERT_TRUE(notes->mnuFileSave_Click());
    EXPECT_EQ(ReadYear(2026, "Notes.dat"), NoteLine(DateSerial(2026, 6, 1), "Plan ahead"));
    EXPECT_EQ(ReadYear(2025, "Notes.dat"), y2025);
}

// A planner page shown for a search hit has one current line, the hit's: cyan, with the
// keyboard, and the one the time commands act on; and the page shows its date heading with it.
TEST_F(NoteListTest, APlannerHitIsTheOneCurrentLineUnderItsDateHeading) {
    PlannerPage page;
    page.SetLine(9, "See the Dentist");
    const Date hitDay = DateSerial(2009, 2, 1);
    WriteYear(2009, "Planner.dat", FormatMmDdYy(hitDay) + ":" + CellStampOf(hitDay) + ":" + BuildPlannerRecord(page) + "\r\n");
    StartWithPlanner();
    auto* f = OpenFromMenu<frmSearch>("mnuEditFind", "frmSearch");
    ASSERT_NE(f, nullptr);
    f->findChild<QRadioButton*>("optLocation_1")->click();
    f->cmbPhrase()->setEditText("dentist");
    prompter.Expect(MsgAnswer::OK, "Search Phrase appears on 1 date");
    Click(f, "cmdSearch");
    ClickRow(f->lstResults(), 0);
    Click(f, "cmdOpen");
    Settle();
    auto* planner = w->findChild<frmPlanner*>("frmPlanner");
    ASSERT_NE(planner, nullptr);
    PlannerPageView* view = planner->Page();
    auto* scroll = planner->findChild<QScrollArea*>("scrPage");
    auto shown = [scroll](QWidget* control) {
        QRect r(control->mapTo(scroll->viewport(), QPoint(0, 0)), control->size());
        return scroll->viewport()->rect().contains(r);
    };
    EXPECT_TRUE(shown(view->lblMain()));
    EXPECT_TRUE(shown(view->txt(9)));

    // Moved to another line, then the same hit viewed again from the search window.
    w->activateWindow();
    QTest::mouseClick(view->txt(2), Qt::LeftButton);
    ASSERT_TRUE(test::TakesTheKeyboard(view->txt(2)));
    f->activateWindow();
    ASSERT_TRUE(test::BecomesActive(f));
    Click(f, "cmdOpen");
    Settle();
    ASSERT_TRUE(test::TakesTheKeyboard(view->txt(9)));
    for (int i = 0; i < 60; ++i)
        EXPECT_EQ(view->txt(i)->property("BackColor").toLongLong() == 0xFFFF00, i == 9) << i;
    planner->findChild<QAction*>("mnuEditDelete")->trigger();
    EXPECT_EQ(s->page.gTimeCaptions[9], "");
    EXPECT_EQ(s->page.gTimeCaptions[2], "08:00 AM");
    QTest::keyClicks(QApplication::focusWidget(), "Doctor");
    EXPECT_EQ(view->txt(9)->text(), "See the Doctor");
    s->flags.gPlannerChanged = false;
    f->close();
}
