#include "NotesTestSupport.h"

#include "notes/HelpPanel.h"
#include "notes/frmHelp.h"
#include "store/HelpTopics.h"
#include "store/ScriptedPrompter.h"
#include "store/Store.h"
#include "store/TextFile.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <gtest/gtest.h>

using namespace orvelle;

namespace {

struct HelpWindowTest : test::UsesQtApp, ::testing::Test {
    HelpWindowTest() : store(test::TempFolder()) {
        store.ui = &prompter;
        store.help = ParseHelpTopics("*Getting Started:\r\nOpen the CALENDAR first.\r\n"
                                     "*Notes:\r\nA note per date: aaa.\r\nCalendar notes.\r\n"
                                     "*Printing:\r\nNothing about it.\r\n");
    }
    ~HelpWindowTest() override { EXPECT_TRUE(prompter.Finished()) << testing::PrintToString(prompter.Failures()); }

    frmHelp* Open() { return frmHelp::Open(store, &main); }
    template <class T> T* Child(frmHelp* w, const char* name) {
        T* c = w->findChild<T*>(name);
        EXPECT_TRUE(c) << name;
        return c;
    }
    // Runs Find Now (0) or Find Again (1) and gives the topic row and the selected text.
    std::pair<int, QString> Find(frmHelp* w, int index) {
        w->cmdSearch_Click(index);
        return {Child<QListWidget>(w, "lstHelp")->currentRow(),
                Child<QPlainTextEdit>(w, "txtHelp")->textCursor().selectedText()};
    }

    ScriptedPrompter prompter;
    Store store;
    QWidget main;
};

} // namespace

TEST_F(HelpWindowTest, OpeningTwiceListsEachTopicOnceAndClicksShowTheirTopic) {
    frmHelp* w = Open();
    EXPECT_EQ(Open(), w);
    auto* list = Child<QListWidget>(w, "lstHelp");
    ASSERT_EQ(list->count(), 3);
    EXPECT_EQ(list->item(1)->text(), "Notes");
    EXPECT_EQ(w->windowTitle(), "Orvelle Help");
    auto* txt = Child<QPlainTextEdit>(w, "txtHelp");
    EXPECT_EQ(txt->toPlainText(), "Open the CALENDAR first.");

    list->setCurrentRow(1);
    EXPECT_EQ(txt->toPlainText(), "A note per date: aaa.\nCalendar notes.");
    EXPECT_EQ(Child<QGroupBox>(w, "framDesc")->title(), "Notes");
    EXPECT_FALSE(Child<QPushButton>(w, "cmdSearch_1")->isEnabled());
}

TEST_F(HelpWindowTest, FindNowAndFindAgainWalkEveryHitToEndOfSearch) {
    frmHelp* w = Open();
    Child<QLineEdit>(w, "txtSearch")->setText("  calendar ");
    EXPECT_EQ(Find(w, 0), std::make_pair(0, QString("CALENDAR")));
    EXPECT_TRUE(Child<QPushButton>(w, "cmdSearch_1")->isEnabled());
    EXPECT_EQ(Find(w, 1), std::make_pair(1, QString("Calendar")));
    EXPECT_EQ(Child<QGroupBox>(w, "framDesc")->title(), "Notes");
    // The selection is where the hit is, across the line break.
    EXPECT_EQ(Child<QPlainTextEdit>(w, "txtHelp")->textCursor().selectionStart(), 22);

    prompter.Expect(MsgAnswer::OK, "End of Search");
    w->cmdSearch_Click(1);
    EXPECT_FALSE(Child<QPushButton>(w, "cmdSearch_1")->isEnabled());

    // Overlapping hits are found one character after the last hit's start.
    Child<QLineEdit>(w, "txtSearch")->setText("AA");
    EXPECT_EQ(Find(w, 0), std::make_pair(1, QString("aa")));
    int first = Child<QPlainTextEdit>(w, "txtHelp")->textCursor().selectionStart();
    Find(w, 1);
    EXPECT_EQ(Child<QPlainTextEdit>(w, "txtHelp")->textCursor().selectionStart(), first + 1);
    prompter.Expect(MsgAnswer::OK, "End of Search");
    w->cmdSearch_Click(1);
    // The cursor is back at the start: Find Again would begin with topic 0 again.
    EXPECT_EQ(Find(w, 0).first, 1);
}

TEST_F(HelpWindowTest, EmptyOrMissingPhrasesAndTheSearchHelp) {
    frmHelp* w = Open();
    prompter.Expect(MsgAnswer::OK, "Nothing to search for.");
    Child<QLineEdit>(w, "txtSearch")->setText("   ");
    w->cmdSearch_Click(0);
    prompter.Expect(MsgAnswer::OK, "Search Phrase not Found");
    Child<QLineEdit>(w, "txtSearch")->setText("Printing"); // titles are not searched
    w->cmdSearch_Click(0);
    EXPECT_FALSE(Child<QPushButton>(w, "cmdSearch_1")->isEnabled());

    prompter.Expect(MsgAnswer::OK, "a null search will\r\nreturned.");
    w->findChild<QAction*>("mnuHelp")->trigger();
}

TEST_F(HelpWindowTest, NoTopicsShowsNothingAndNeverFails) {
    store.help = HelpTopics{};
    frmHelp* w = Open();
    EXPECT_EQ(Child<QListWidget>(w, "lstHelp")->count(), 0);
    EXPECT_TRUE(Child<QPlainTextEdit>(w, "txtHelp")->toPlainText().isEmpty());
    Child<QLineEdit>(w, "txtSearch")->setText("x");
    w->cmdSearch_Click(0);
    w->cmdSearch_Click(1);
    w->lstHelp_Click(0);
    w->lstHelp_Click(-1);
}

TEST_F(HelpWindowTest, StartUpLoadFillsThePanelOfTheShownView) {
    ASSERT_TRUE(WriteFileAtomic(store.gAppPath + "Help_Topics.txt", "*One:\r\nfirst\r\n*Two:\r\nsecond"));
    auto* year = new QWidget(&main);
    year->setObjectName("frmYear");
    auto* lst = new QListWidget(year);
    lst->setObjectName("lstHelp");
    auto* txt = new QPlainTextEdit(year);
    txt->setObjectName("txtHelp");
    auto* lbl = new QLabel("Getting Started", year);
    lbl->setObjectName("lblSubject");

    store.flags.gCalendarView = 12;
    LoadHelpTopics(store, &main);
    ASSERT_EQ(lst->count(), 2);
    EXPECT_EQ(txt->toPlainText(), "first");
    EXPECT_EQ(lbl->text(), "One");
    ShowHelpTopic(store, 1, txt, lbl);
    EXPECT_EQ(lbl->text(), "Two");
    ShowHelpTopic(store, 7, txt, lbl); // past the end: unchanged
    EXPECT_EQ(txt->toPlainText(), "second");

    // Loading again replaces the topics rather than adding to them.
    LoadHelpTopics(store, &main);
    EXPECT_EQ(store.help.gHelpCount, 2);
    EXPECT_EQ(lst->count(), 2);
}
