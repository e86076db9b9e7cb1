#include "StoreTestFolder.h"

#include "store/Exchange.h"
#include "store/PlannerRecord.h"

#include <filesystem>

namespace orvelle {
namespace {

class ExchangeTest : public StoreTestFolder {
protected:
    void SetUp() override {
        StoreTestFolder::SetUp();
        s->dates.gSelectedDate = DateSerial(2009, 3, 5);
        s->flags.gPlannerOpen = s->flags.gNotesOpen = true;
    }
    std::string Share() const { return dir + "Planners And Notes/"; }
    // Every file and folder under the data folder, relative.
    std::vector<std::string> Tree() const {
        std::vector<std::string> out;
        for (auto& e : std::filesystem::recursive_directory_iterator(dir))
            out.push_back(std::filesystem::relative(e.path(), dir).string());
        std::sort(out.begin(), out.end());
        return out;
    }
    void ExportPlannerAs(const std::string& name) {
        prompter.ExpectInput(name, "Please enter a file name").Expect(MsgAnswer::OK, "The file was saved as " + name);
        ASSERT_TRUE(SaveExternalPlanner(*s));
    }
};

// A full page survives the trip through a day file byte for byte; the export leaves the page's
// changed flag alone, since the year file has not seen the edits.
TEST_F(ExchangeTest, PlannerDayFileRoundTrip) {
    PlannerPage& p = s->page;
    for (int i = 0; i < PlannerPage::kTimeSlots; ++i) p.gTimeBold[i] = i % 3 == 0;
    p.gTimeCaptions[4] = "";
    for (int i = 0; i < PlannerPage::kLines; ++i) p.SetLine(i, std::string(150, char('A' + i % 26)) + "cut off");
    p.SetLine(17, "Pay \xE9t\xE9 bill");
    p.gPlannerToDoChecks.fill(true);
    s->flags.gPlannerChanged = true;

    ExportPlannerAs("day");
    std::string file = ReadWholeFile(Share() + "day.pln").value_or("");
    ASSERT_EQ(file.size(), 4109u);
    EXPECT_EQ(file.substr(0, 9), "03/05/09:");
    EXPECT_EQ(file.substr(9), BuildPlannerRecord(p));
    EXPECT_EQ(file.substr(4099), std::string(10, kDoneMark));
    EXPECT_EQ(file.substr(9, 10), "B06:00 AM ");
    EXPECT_TRUE(s->flags.gPlannerChanged);
    EXPECT_EQ(s->exchange.gPlannerExportFileName, "day.pln");

    auto back = ParsePlannerDayFile(file);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->date, DateSerial(2009, 3, 5));
    PlannerPage q;
    ReadPlannerRecord(back->body, q);
    // The 150-byte appointment lines whole; every other field as wide as the record keeps it.
    for (int i = 0; i < PlannerPage::kTimeSlots; ++i) EXPECT_EQ(q.gPlannerLines[i], p.gPlannerLines[i]) << i;
    EXPECT_EQ(BuildPlannerRecord(q), BuildPlannerRecord(p));
    EXPECT_EQ(q.gTimeBold, p.gTimeBold);
    EXPECT_EQ(q.gTimeCaptions, p.gTimeCaptions);
    EXPECT_EQ(q.gPlannerToDoChecks, p.gPlannerToDoChecks);

    // The second export writes the same file, after asking.
    p.SetLine(0, "changed");
    const std::string question = "A Planner File with that name already exists. Overwrite existing file?";
    prompter.Expect(MsgAnswer::No, question);
    EXPECT_FALSE(SaveExternalPlanner(*s));
    EXPECT_EQ(ReadWholeFile(Share() + "day.pln"), file);
    EXPECT_EQ(prompter.SeenDialogs().back().title, "File Already Exists");
    prompter.Expect(MsgAnswer::Yes, question).Expect(MsgAnswer::OK, "The file was saved as day.pln");
    EXPECT_TRUE(SaveExternalPlanner(*s));
    EXPECT_EQ(ReadWholeFile(Share() + "day.pln")->substr(19, 7), "changed");
}

// Names that are no plain file name are refused before any folder exists; nothing is written
// anywhere, also not through a contact's name.
TEST_F(ExchangeTest, NamesThatAreNoPlainFileNameWriteNothing) {
    const auto before = Tree();
    prompter.ExpectInput("a/b").Expect(MsgAnswer::OK, "File Name cannot include any of")
        .Expect(MsgAnswer::OK, "Action cancelled. No Name given.");
    EXPECT_FALSE(SaveExternalNotes(*s));
    prompter.ExpectInput("..").Expect(MsgAnswer::OK, "cannot be used as a file name")
        .Expect(MsgAnswer::OK, "Action cancelled. No Name given.");
    EXPECT_FALSE(SaveExternalPlanner(*s));
    prompter.ExpectInput("").Expect(MsgAnswer::OK, "Action cancelled. No Name given.");
    EXPECT_FALSE(SaveExternalPlanner(*s));
    for (const char* contact : {"..", "a/b", ".", "x\\y"}) {
        prompter.ExpectInput("fine").Expect(MsgAnswer::OK, "cannot be used as a folder name");
        EXPECT_FALSE(SaveExternalNotes(*s, contact)) << contact;
    }
    EXPECT_EQ(Tree(), before);
    EXPECT_EQ(s->notes.gExportFileName, "");
}

// The notes of a contact go to the contact's folder in the existing share folder, whatever the
// letter case it was made with; the line breaks stay CR LF.
TEST_F(ExchangeTest, NotesForAContactKeepTheirLineBreaks) {
    std::filesystem::create_directories(dir + "planners and notes");
    s->notes.gNotesBoxText = "first\r\nsecond\r\n\r\nthird & more";
    s->notes.gLoadedNoteDate = DateSerial(2009, 2, 1);
    prompter.ExpectInput("memo").Expect(MsgAnswer::OK, "in the Folder " + dir + "planners and notes/Ann Lee/");
    ASSERT_TRUE(SaveExternalNotes(*s, "Ann Lee"));
    std::string file = ReadWholeFile(dir + "planners and notes/Ann Lee/memo.nte").value_or("");
    EXPECT_EQ(file, "02/01/09:first\r\nsecond\r\n\r\nthird & more");
    EXPECT_FALSE(std::filesystem::exists(Share()));

    s->flags.gNotesOpen = false;
    prompter.Expect(MsgAnswer::OK, "Nothing was exported");
    EXPECT_FALSE(SaveExternalNotes(*s));
}

// An import is checked whole before anything changes: short, cut or corrupt files are refused
// with a message and leave the page as it was.
TEST_F(ExchangeTest, DamagedDayFilesAreRefused) {
    std::filesystem::create_directories(Share());
    std::string good = "03/05/09:" + BuildPlannerRecord(PlannerPage());
    struct Case {
        const char* name;
        std::string content;
        const char* why;
    } cases[] = {
        {"blank.pln", good.substr(0, 9) + std::string(2000, ' '), "its day record is empty"},
        {"more.pln", good + "\r\nPS: call me", "more than line ends and blanks"},
        {"colon.pln", "03/05/09-" + good.substr(9), "does not begin with a date"},
        {"date.pln", "02/30/09:" + good.substr(9), "not a valid date"},
        {"break.pln", good.substr(0, 100) + "\n" + good.substr(101), "line break"},
    };
    s->page.SetLine(0, "my own page");
    int loads = 0;
    for (const Case& c : cases) {
        ASSERT_TRUE(WriteFileAtomic(Share() + c.name, c.content));
        prompter.Expect(MsgAnswer::OK, c.why);
        EXPECT_FALSE(ReadExternalPlanner(*s, Share(), c.name, [&] { ++loads; })) << c.name;
    }
    EXPECT_EQ(loads, 0);
    EXPECT_FALSE(s->planner.gExternalPlanner);
    EXPECT_EQ(s->page.gPlannerLines[0].substr(0, 11), "my own page");

    ASSERT_TRUE(WriteFileAtomic(Share() + "short.nte", "03/05/0"));
    prompter.Expect(MsgAnswer::OK, "too short");
    EXPECT_FALSE(ReadExternalNotes(*s, Share(), "short.nte"));
    EXPECT_FALSE(s->notes.gExternalNotes);
}

// Mail programs and editors add line ends and blanks after a day file or strip its trailing
// blanks: the record reads as written, with the "not done" mark for each done mark it lost.
TEST_F(ExchangeTest, DayFilesKeepTheirRecordThroughMailAndEditors) {
    PlannerPage p;
    p.SetLine(16, "Call Ann");
    p.gPlannerToDoChecks[0] = true;
    const std::string record = BuildPlannerRecord(p);
    for (const std::string& tail : {std::string("\r\n\r\n"), std::string("\n"), std::string(4000, ' ') + "\r\n"}) {
        auto day = ParsePlannerDayFile("03/05/09:" + record + tail);
        ASSERT_TRUE(day) << tail.size();
        EXPECT_EQ(day->body, record);
    }
    auto marked = ParsePlannerDayFile("03/05/09:" + record.substr(0, kDoneMarksPos + 1) + "\r\n");
    ASSERT_TRUE(marked);
    EXPECT_EQ(marked->body, record);
    p.gPlannerToDoChecks[0] = false;
    auto cut = ParsePlannerDayFile("03/05/09:" + record.substr(0, record.find("Call Ann") + 8));
    ASSERT_TRUE(cut);
    EXPECT_EQ(cut->body, BuildPlannerRecord(p));
}

// An imported note comes back as written, and Save (the export) writes it back to its own file
// without asking; only that clears the changed flag.
TEST_F(ExchangeTest, ImportedNotesAreWrittenBackToTheirFile) {
    std::filesystem::create_directories(Share());
    ASSERT_TRUE(WriteFileAtomic(Share() + "Trip.NTE", "12/24/08:one\r\ntwo"));
    int shown = 0;
    s->hooks.ShowNotesWindow = [&] { ++shown; };
    ASSERT_TRUE(ReadExternalNotes(*s, Share(), "Trip.NTE"));
    EXPECT_EQ(shown, 1);
    EXPECT_EQ(s->notes.gLoadedNoteText, "one\r\ntwo");
    // A two-digit year reads as 20yy.
    EXPECT_EQ(s->notes.gNotesCaption, "Displaying External Notes for Dec 24, 2008");

    s->notes.gNotesBoxText = "one";
    s->flags.gNotesChanged = true;
    prompter.Expect(MsgAnswer::OK, "The file was saved as Trip.NTE");
    ASSERT_TRUE(SaveExternalNotes(*s));
    EXPECT_EQ(ReadWholeFile(Share() + "Trip.NTE"), "12/24/08:one");
    EXPECT_FALSE(s->flags.gNotesChanged);
}

TEST_F(ExchangeTest, MailtoLinkIsPercentEncoded) {
    EXPECT_EQ(MailtoLink("ann@example.org", "Q&A #1", "Costs & miles\r\n100% done?"),
              "mailto:ann@example.org?subject=Q%26A%20%231&body=Costs%20%26%20miles%0A100%25%20done%3F");
    EXPECT_EQ(MailtoLink("", "x", "a\nb\rc"), "mailto:?subject=x&body=a%0Ab%0Ac");
    EXPECT_EQ(MailtoLink("a@b.c", "caf\xC3\xA9", ""), "mailto:a@b.c?subject=caf%C3%A9&body=");
}

TEST_F(ExchangeTest, ShareRootFallsBackToTheDataFolder) {
    EXPECT_EQ(SharePlannersFolder(*s), dir + "Planners And Notes/");
    s->prefs.gShareRoot = "/mnt/q/";
    EXPECT_EQ(SharePlannersFolder(*s), "/mnt/q/Planners And Notes/");
    EXPECT_TRUE(PlainFileName("Ann Lee"));
    for (const char* bad : {"", ".", "..", "a/b", "a:b", "tab\there"}) EXPECT_FALSE(PlainFileName(bad)) << bad;
}

} // namespace
} // namespace orvelle
