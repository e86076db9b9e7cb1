#include "store/Clock.h"
#include "store/NotesStore.h"
#include "store/PlannerStore.h"
#include "store/SaveChangesPrompt.h"

#include "YearFilesFixture.h"

using namespace orvelle;

namespace {

constexpr const char* kIcons = "Monthly Icons have been changed.";
constexpr const char* kPlanner = "The Planner has been changed.";
constexpr const char* kNotes = "The Notes have been changed.";

class SaveChangesPromptTest : public YearFilesTest {
protected:
    void SetUp() override {
        YearFilesTest::SetUp();
        Select(2009, 3, 5);
        s->hooks.SaveMonthIcons = [this] {
            ++iconSaves;
            s->flags.gMonthIconsChanged = false;
            return true;
        };
        s->hooks.UnloadPlannerWindow = [this] { s->flags.gPlannerOpen = false; };
        s->hooks.UnloadNotesWindow = [this] { s->flags.gNotesOpen = false; };
    }
    void ChangeAll() {
        s->flags.gMonthIconsChanged = true;
        s->flags.gPlannerOpen = s->flags.gPlannerChanged = true;
        s->flags.gNotesOpen = s->flags.gNotesChanged = true;
        s->notes.gNotesBoxText = "note";
    }
    std::vector<std::string> Titles() const {
        std::vector<std::string> t;
        for (const auto& seen : prompter.SeenDialogs()) t.push_back(seen.title);
        return t;
    }
    int iconSaves = 0;
};

TEST_F(SaveChangesPromptTest, NothingChangedAsksNothing) {
    s->flags.gPlannerChanged = true;  // but the planner window is not open
    s->flags.gNotesOpen = true;
    CheckForUnsavedChanges(*s);
    EXPECT_TRUE(prompter.SeenDialogs().empty());
    EXPECT_FALSE(s->flags.gNavigationCancelled);
}

TEST_F(SaveChangesPromptTest, AsksIconsPlannerNotesInOrderAndSavesOnYes) {
    ChangeAll();
    prompter.Expect(MsgAnswer::Yes, kIcons)
        .Expect(MsgAnswer::Yes, kPlanner)
        .Expect(MsgAnswer::OK, "Planner Records Updated")
        .Expect(MsgAnswer::Yes, kNotes)
        .Expect(MsgAnswer::OK, "Notes Saved");
    CheckForUnsavedChanges(*s);
    EXPECT_EQ(Titles(), (std::vector<std::string>{"Month Has Changed", "Planner Has Changed", "", "Notes Have Changed", ""}));
    EXPECT_EQ(iconSaves, 1);
    EXPECT_FALSE(s->flags.gNavigationCancelled);
    EXPECT_FALSE(s->flags.gPlannerChanged);
    EXPECT_FALSE(s->flags.gNotesChanged);
    EXPECT_EQ(SplitLines(Read("2009/Planner.dat")).size(), 1u);
    EXPECT_EQ(Read("2009/Notes.dat"), "03/05/09:020400:note\r\n");
    // Read back after the save.
    EXPECT_EQ(s->notes.lstNotes, (std::vector<std::string>{"03/05/09"}));
}

TEST_F(SaveChangesPromptTest, CancelStopsAtOnceAndSetsTheFlag) {
    ChangeAll();
    prompter.Expect(MsgAnswer::Cancel, kIcons);
    CheckForUnsavedChanges(*s);
    EXPECT_TRUE(s->flags.gNavigationCancelled);
    EXPECT_TRUE(s->flags.gMonthIconsChanged);
    EXPECT_TRUE(s->flags.gPlannerChanged);
    EXPECT_TRUE(s->flags.gNotesChanged);
    EXPECT_EQ(prompter.SeenDialogs().size(), 1u);

    // The flag stays until the caller clears it; Cancel at the last question sets it too.
    s->flags.gNavigationCancelled = false;
    s->flags.gMonthIconsChanged = false;
    prompter.Expect(MsgAnswer::No, kPlanner).Expect(MsgAnswer::Cancel, kNotes);
    CheckForUnsavedChanges(*s);
    EXPECT_TRUE(s->flags.gNavigationCancelled);
    EXPECT_TRUE(s->flags.gNotesChanged);
}

TEST_F(SaveChangesPromptTest, NoDropsTheEditsAndClosesTheWindows) {
    ChangeAll();
    s->flags.gTemplateMode = true;
    prompter.Expect(MsgAnswer::No, kIcons).Expect(MsgAnswer::No, kPlanner).Expect(MsgAnswer::No, kNotes);
    CheckForUnsavedChanges(*s);
    EXPECT_FALSE(s->flags.gNavigationCancelled);
    EXPECT_FALSE(s->flags.gMonthIconsChanged);
    EXPECT_FALSE(s->flags.gTemplateMode);
    EXPECT_FALSE(s->flags.gPlannerChanged);
    EXPECT_FALSE(s->flags.gPlannerOpen);
    EXPECT_FALSE(s->flags.gNotesOpen);
    EXPECT_EQ(iconSaves, 0);
    EXPECT_FALSE(Exists("2009"));
}

TEST_F(SaveChangesPromptTest, NextYearOfASpanningViewSavesNextYearsFile) {
    s->flags.gSpansNextYear = true;
    s->flags.gSpannedYear = 2010;
    s->flags.gViewYear = 2009;
    Select(2010, 1, 9);
    s->flags.gPlannerOpen = s->flags.gPlannerChanged = true;
    s->flags.gNotesOpen = s->flags.gNotesChanged = true;
    s->notes.gNotesBoxText = "n";
    prompter.Expect(MsgAnswer::Yes, kPlanner)
        .Expect(MsgAnswer::OK, "Planner Saved")
        .Expect(MsgAnswer::Yes, kNotes)
        .Expect(MsgAnswer::OK, "Notes Saved");
    CheckForUnsavedChanges(*s);
    EXPECT_EQ(Read("2010/Planner.dat").substr(0, 16), "01/09/10:000601:");
    EXPECT_EQ(Read("2010/Notes.dat"), "01/09/10:000601:n\r\n");
    EXPECT_EQ(s->planner.lstPlanner2, (std::vector<std::string>{"01/09/10"}));
    EXPECT_TRUE(s->planner.lstPlanner.empty());
}

TEST_F(SaveChangesPromptTest, ClosingSavesWithoutReadingBack) {
    s->flags.gNotesOpen = s->flags.gNotesChanged = true;
    s->notes.gNotesBoxText = "bye";
    ReadThisYearsNotes(*s);
    // A mark only a read of the file clears.
    s->notes.gThisYearsNoteFlags[11][6][5] = -1;
    s->flags.gMainWindowClosing = true;
    prompter.Expect(MsgAnswer::Yes, kNotes).Expect(MsgAnswer::OK, "Notes Saved");
    CheckForUnsavedChanges(*s);
    EXPECT_EQ(Read("2009/Notes.dat"), "03/05/09:020400:bye\r\n");
    EXPECT_EQ(s->notes.gThisYearsNoteFlags[11][6][5], -1);

    s->flags.gMainWindowClosing = false;
    s->flags.gNotesChanged = true;
    prompter.Expect(MsgAnswer::Yes, kNotes).Expect(MsgAnswer::OK, "Notes Saved");
    CheckForUnsavedChanges(*s);
    EXPECT_EQ(s->notes.gThisYearsNoteFlags[11][6][5], 0);
}

TEST_F(SaveChangesPromptTest, FailedSaveCountsAsCancel) {
    Write("2009", "in the way");
    s->flags.gPlannerOpen = s->flags.gPlannerChanged = true;
    s->flags.gNotesOpen = s->flags.gNotesChanged = true;
    prompter.Expect(MsgAnswer::Yes, kPlanner).Expect(MsgAnswer::OK, "An error occurred in SaveThisYearsPlannerFile.");
    CheckForUnsavedChanges(*s);
    EXPECT_TRUE(s->flags.gNavigationCancelled);
    EXPECT_TRUE(s->flags.gPlannerChanged);
    EXPECT_TRUE(s->flags.gNotesChanged);
}

} // namespace

TEST_F(SaveChangesPromptTest, YesInTemplateModeSavesTheTemplateAndEndsAsTheMenuCommand) {
    s->hooks.SaveMonthIcons = nullptr;
    s->flags.gTemplateMode = true;
    s->flags.gMonthIconsChanged = true;
    s->icons.gTemplateIconLines[3] = "30:00 Index:04";
    prompter.Expect(MsgAnswer::Yes, kIcons).Expect(MsgAnswer::OK, "Template Saved.");
    CheckForUnsavedChanges(*s);
    EXPECT_EQ(Read("Template.dat"), "30:00 Index:04\r\n");
    EXPECT_FALSE(s->flags.gTemplateMode);
    EXPECT_FALSE(s->flags.gMonthIconsChanged);
    // As "Save Calendar Template" ends: today is selected and the year is shown.
    EXPECT_EQ(s->dates.gSelectedDate, Clock::Today());
}
