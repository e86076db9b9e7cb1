// Data folders spoilt on purpose: pipes, devices, oversized files, links, and lines the readers
// cannot use. Nothing may hang, flood the log, or lose what the user wrote.
#include "YearFilesFixture.h"
#include "common/Patience.h"

#include "store/Clock.h"
#include "store/DataFiles.h"
#include "store/ErrorLog.h"
#include "store/Holidays.h"
#include "store/NotesStore.h"

#include <chrono>
#include <sys/stat.h>

using namespace orvelle;
namespace fs = std::filesystem;

namespace {

class HostileFiles : public YearFilesTest {
protected:
    void SaveNote(const std::string& text) {
        s->notes.gNotesBoxText = text;
        prompter.Expect(MsgAnswer::OK, "Notes Saved");
        ASSERT_TRUE(SaveThisYearsNotes(*s));
    }
    std::vector<std::string> Backups() const {
        std::vector<std::string> names;
        if (!fs::is_directory(dir + "Backup")) return names;
        for (const auto& e : fs::directory_iterator(dir + "Backup")) names.push_back(e.path().filename().string());
        return names;
    }
    static size_t Count(const std::string& text, const std::string& part) {
        size_t n = 0;
        for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++n;
        return n;
    }
};

} // namespace

TEST_F(HostileFiles, PipesAndDevicesAreReadAsNothingAtOnceAndNeverReplaced) {
    ASSERT_EQ(mkfifo((dir + "UserPreferences.txt").c_str(), 0644), 0);
    fs::create_symlink("/dev/zero", dir + "Help_Topics.txt");
    fs::create_directories(dir + "2009");
    ASSERT_EQ(mkfifo((dir + "2009/Notes.dat").c_str(), 0644), 0);

    auto start = std::chrono::steady_clock::now();
    prompter.Expect(MsgAnswer::OK, "\"UserPreferences.txt\" could not be read: it is not a regular file")
        .Expect(MsgAnswer::OK, "\"Help_Topics.txt\" could not be read")
        .Expect(MsgAnswer::OK, "\"2009/Notes.dat\" could not be read");
    GetUserPreferences(*s);
    ReadHelpTopics(*s);
    Select(2009, 3, 5);
    ReadThisYearsNotes(*s);
    // Told once per file: the next redraw reads again without another box.
    ReadHelpTopics(*s);
    ReadThisYearsNotes(*s);
    // A reader waiting on the pipe for a writer does no work: the guard is on the wall clock.
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(test::kHangGuardMs));
    EXPECT_EQ(s->help.gHelpCount, 0);
    EXPECT_TRUE(prompter.Finished());

    // A save does not put a file in place of what stands there.
    s->notes.gNotesBoxText = "typed";
    prompter.Expect(MsgAnswer::OK, "2009/Notes.dat was not saved");
    EXPECT_FALSE(SaveThisYearsNotes(*s));
    EXPECT_TRUE(fs::is_fifo(dir + "2009/Notes.dat"));
    EXPECT_TRUE(fs::is_fifo(dir + "UserPreferences.txt"));
    EXPECT_NE(ErrorLog().find("The file Help_Topics.txt could not be read: it is not a regular file."),
              std::string::npos);
}

TEST_F(HostileFiles, OversizedFileIsRefusedOnceAndLeftUntouched) {
    fs::create_directories(dir + "Holidays");
    std::string line = "01/01/09 New Year's Day\r\n";
    std::string big;
    while (big.size() <= kListFileLimit) big += line;
    Write("Holidays/2009Holidays.dat", big);

    Select(2009, 3, 5);
    prompter.Expect(MsgAnswer::OK, "\"Holidays/2009Holidays.dat\" was not read: it holds");
    AssignThisYearsHolidays(*s);
    AssignThisYearsHolidays(*s);
    EXPECT_EQ(s->holidays.gThisYearsHolidayCount, 0);
    EXPECT_EQ(Count(ErrorLog(), "2009Holidays.dat was not read"), 1u) << "one entry, however often it is read";

    prompter.Expect(MsgAnswer::OK, "Holidays/2009Holidays.dat was not saved");
    EXPECT_FALSE(WriteHolidayFile(*s, 2009, {"12/25/09 Christmas"}));
    EXPECT_EQ(fs::file_size(dir + "Holidays/2009Holidays.dat"), big.size());
}

TEST_F(HostileFiles, BadLinesAreLoggedAFewAtATimeWithFileAndLineOnce) {
    std::string content = "03/05/09:020400:kept\r\n";
    for (int i = 0; i < 1000; ++i) content += "13/45/09:020400:spoilt\r\n";
    Write("2009/Notes.dat", content);
    Select(2009, 3, 5);
    ReadThisYearsNotes(*s);
    std::string log = ErrorLog();
    EXPECT_EQ(s->notes.gThisYearsNoteTexts, (std::vector<std::string>{"kept"}));
    EXPECT_NE(log.find("Line 2 of 2009/Notes.dat was skipped (bad date): 13/45/09:020400:spoilt"), std::string::npos);
    EXPECT_EQ(Count(log, "An error occurred"), kSkippedLinesLogged + 1);
    EXPECT_NE(log.find("2009/Notes.dat: 1000 bad lines in all (1000 skipped)"), std::string::npos);

    // Every redraw reads the file again; the same file is not logged again.
    ReadThisYearsNotes(*s);
    ReadNextYearsNotes(*s);
    EXPECT_EQ(ErrorLog(), log);
}

TEST_F(HostileFiles, LogStaysBoundedAndIsNeverWrittenThroughALink) {
    std::string full(kErrorLogLimit - 10, 'x');
    Write("Error.log", full);
    EXPECT_TRUE(AppendToErrorLog(*s, "Test", kErrBadLine, "past the limit"));
    EXPECT_EQ(Read("Error.log.1"), full);
    EXPECT_NE(Read("Error.log").find("past the limit"), std::string::npos);
    EXPECT_LT(Read("Error.log").size(), 200u);

    fs::remove(dir + "Error.log");
    std::string outside = dir + "../" + fs::path(dir).parent_path().filename().string() + "-victim.txt";
    ASSERT_TRUE(WriteFileAtomic(outside, "precious"));
    fs::create_symlink(outside, dir + "Error.log");
    EXPECT_FALSE(AppendToErrorLog(*s, "Test", kErrBadLine, "through a link"));
    EXPECT_EQ(ReadWholeFile(outside), "precious");
    fs::remove(outside);
}

TEST_F(HostileFiles, SkippedNoteLinesSurviveInBackupBeforeTheSave) {
    std::string old = "03/05/09:991234:stale stamp, still read\r\n"
                      "03/06/09:020500:first for the 6th\r\n"
                      "03/06/09:020500:second for the 6th\r\n"
                      "02/30/09:010102:no such date\r\n"
                      "04/01/10:020300:another year\r\n";
    Write("2009/Notes.dat", old);
    Clock::Set({DateSerial(2009, 3, 7), 10 * 3600 + 2 * 60 + 3});
    Select(2009, 3, 7);
    ReadThisYearsNotes(*s);
    EXPECT_EQ(s->notes.gThisYearsNoteTexts,
              (std::vector<std::string>{"stale stamp, still read", "first for the 6th"}));
    SaveNote("new note");
    Clock::Reset();

    ASSERT_EQ(Backups(), (std::vector<std::string>{"2009 Notes.dat 2009-03-07 100203"}));
    EXPECT_EQ(Read("Backup/2009 Notes.dat 2009-03-07 100203"), old);
    EXPECT_NE(ErrorLog().find("copied to Backup/2009 Notes.dat 2009-03-07 100203"), std::string::npos);
    EXPECT_EQ(Read("2009/Notes.dat"), "03/05/09:020400:stale stamp, still read\r\n"
                                      "03/06/09:020500:first for the 6th\r\n"
                                      "03/07/09:020600:new note\r\n");
    // Copied once: the file now holds only what was read.
    SaveNote("changed again");
    EXPECT_EQ(Backups().size(), 1u);
}

TEST_F(HostileFiles, SkippedListLinesAndOverlongLinesSurviveInBackupToo) {
    std::string old = "01/01/09 New Year's Day\r\n"
                      "x\r\n" +
                      std::string("07/04/09 ") + std::string(100000, 'L') + "\r\n"
                      "02/30/09 No such day\r\n";
    Write("Holidays/2009Holidays.dat", old);
    Select(2009, 3, 5);
    AssignThisYearsHolidays(*s);
    const Holidays& h = s->holidays;
    // The impossible date is kept by name (a save writes it back) but logged; the others are skipped.
    EXPECT_EQ(h.gThisYearsHolidayNames, (std::vector<std::string>{"New Year's Day", "No such day"}));
    std::string log = ErrorLog();
    EXPECT_NE(log.find("Line 2 of 2009Holidays.dat was skipped (too short for a holiday)"), std::string::npos);
    EXPECT_NE(log.find("Line 3 of 2009Holidays.dat was skipped (a line of 100009 characters)"), std::string::npos);
    EXPECT_NE(log.find("Line 4 of 2009Holidays.dat was kept, but it is no date of 2009"), std::string::npos);

    ASSERT_TRUE(WriteHolidayFile(*s, 2009, {"01/01/09 New Year's Day"}));
    ASSERT_EQ(Backups().size(), 1u);
    EXPECT_EQ(Read("Backup/" + Backups()[0]), old);
    EXPECT_EQ(Backups()[0].rfind("Holidays 2009Holidays.dat ", 0), 0u) << Backups()[0];
}

TEST_F(HostileFiles, ASaveIsRefusedWhenTheBackupCannotBeMade) {
    Write("2009/Notes.dat", "13/01/09:000000:unreadable date\r\n");
    Write("Backup", "a file where the folder should be");
    Select(2009, 3, 5);
    ReadThisYearsNotes(*s);
    s->notes.gNotesBoxText = "typed";
    s->flags.gNotesChanged = true;
    prompter.Expect(MsgAnswer::OK, "could not be made");
    EXPECT_FALSE(SaveThisYearsNotes(*s));
    EXPECT_EQ(Read("2009/Notes.dat"), "13/01/09:000000:unreadable date\r\n");
    EXPECT_TRUE(s->flags.gNotesChanged);
}

TEST(ReadRegularFile, ReadsOnlyRegularFilesUpToTheirLimit) {
    std::string t = (fs::temp_directory_path() / "orvelle-read-XXXXXX").string();
    std::string dir = std::string(mkdtemp(t.data())) + "/";
    ASSERT_TRUE(WriteFileAtomic(dir + "ten", "0123456789"));
    EXPECT_EQ(ReadRegularFile(dir + "ten", 10).content, "0123456789");
    FileRead big = ReadRegularFile(dir + "ten", 9);
    EXPECT_EQ(big.status, ReadStatus::TooLarge);
    EXPECT_TRUE(big.content.empty());
    EXPECT_EQ(ReadRegularFile(dir + "none", 9).status, ReadStatus::Missing);
    EXPECT_EQ(ReadRegularFile(dir, 9).status, ReadStatus::NotAFile);
    EXPECT_EQ(ReadRegularFile("/dev/zero", 1 << 20).status, ReadStatus::NotAFile);
    fs::create_symlink(dir + "ten", dir + "link");
    EXPECT_EQ(ReadRegularFile(dir + "link", 10).status, ReadStatus::Ok) << "a link to a file is that file";
    EXPECT_TRUE(IsAtomicTempName("Notes.dat.tmp-a1B2c3"));
    EXPECT_FALSE(IsAtomicTempName("Notes.dat.tmp-a1B2c"));
    EXPECT_FALSE(IsAtomicTempName("Notes.dat.tmp-a1B2c!"));
    EXPECT_FALSE(IsAtomicTempName(".tmp-a1B2c3"));
    fs::remove_all(dir);
}

TEST_F(HostileFiles, AnUnreadableFileIsToldAsSuchNotAsMissing) {
    fs::create_directory(dir + "Icon Tags.dat");
    prompter.Expect(MsgAnswer::OK, "\"Icon Tags.dat\" could not be read: it is not a regular file");
    ReadIconTags(*s);
    EXPECT_TRUE(prompter.Finished());
    EXPECT_EQ(ErrorLog().find("File not found"), std::string::npos);

    fs::remove(dir + "Icon Tags.dat");
    prompter.Expect(MsgAnswer::OK, "File not found: Icon Tags.dat");
    ReadIconTags(*s);
}
