// The year's notes and planner pages are read ahead while the main window is made. What the read
// that takes them leaves in the store and the log must be what reading the file then gives, and
// a file changed after it was read ahead is read again.
#include "store/DateModel.h"
#include "store/NotesStore.h"
#include "store/PlannerStore.h"

#include "YearFilesFixture.h"

#include <chrono>
#include <fstream>
#include <regex>

using namespace orvelle;

namespace {

class ReadAheadTest : public YearFilesTest {
protected:
    // A planner file with a bad date, a short and a long record, and a date given twice.
    static std::string Planner() {
        std::string head = "03/05/09:020400:";
        std::string record = "Meet the bank" + std::string(4100 - 13, ' ');
        return head + record + "\r\n" + "02/30/09:010100:" + record + "\r\n" + "03/06/09:020500:short\r\n" +
               "03/07/09:020600:" + record + "kept only in part\r\n" + head + "second\r\n" + Filler(4100);
    }
    static std::string Notes() { return "03/05/09:020400:Called the bank\r\n03/0x/09:020400:torn\r\n" + Filler(); }
    // Pages of the rest of the year, so that the file is large enough to be read ahead.
    static std::string Filler(size_t length = 300) {
        std::string out;
        for (Date d = DateSerial(2009, 5, 1); d <= DateSerial(2009, 12, 31); ++d)
            out += FormatMmDdYy(d) + ":" + CellStampOf(d) + ":" + std::string(length, 'x') + "\r\n";
        return out;
    }

    // The store's two years of lists and the log, without the log's times.
    static std::string Seen(const Store& st, const std::string& folder) {
        std::string out;
        for (const auto& v : {st.planner.gThisYearsPlannerRecords, st.planner.gThisYearsPlannerDates,
                              st.planner.gThisYearsPlannerStamps, st.notes.gThisYearsNoteTexts,
                              st.notes.gThisYearsNoteDates, st.notes.gThisYearsNoteStamps})
            for (const std::string& x : v) out += x + "|";
        for (int m = 0; m < 12; ++m)
            for (int c = 0; c < 7; ++c)
                for (int r = 0; r < 6; ++r)
                    out += std::to_string(st.planner.gThisYearsPlannerFlags[m][c][r]) +
                           std::to_string(st.notes.gThisYearsNoteFlags[m][c][r]);
        std::string log = ReadWholeFile(folder + "Error.log").value_or("");
        return out + std::regex_replace(log, std::regex(R"(\d+/\d+/\d+ \d+:\d+:\d+ [AP]M)"), "<time>");
    }
};

TEST_F(ReadAheadTest, ListsAndLogAreThoseOfReadingTheFileThen) {
    Write("2009/Planner.dat", Planner());
    Write("2009/Notes.dat", Notes());
    std::string other = dir + "other/";
    std::filesystem::create_directories(other + "2009");
    std::filesystem::copy(dir + "2009", other + "2009", std::filesystem::copy_options::recursive);
    Store plain(other);
    plain.ui = &prompter;
    plain.dates.gSelectedDate = DateSerial(2009, 3, 5);
    LoadThisYearsData(plain);

    LoadYearsDataAhead(*s, 2009);
    Select(2009, 3, 5);
    LoadThisYearsData(*s);
    EXPECT_EQ(Seen(*s, dir), Seen(plain, other));
    EXPECT_EQ(s->planner.gThisYearsPlannerCount(), 3 + 245);
    EXPECT_NE(ErrorLog().find("Line 2 of 2009/Planner.dat was skipped (bad date)"), std::string::npos);
    EXPECT_NE(ErrorLog().find("Line 4 of 2009/Planner.dat was kept only in part"), std::string::npos);
    EXPECT_NE(ErrorLog().find("Line 5 of 2009/Planner.dat was skipped (a second entry for 03/05/09)"),
              std::string::npos);
}

TEST_F(ReadAheadTest, AFileChangedOrReplacedSinceIsReadAgainAndAReadAheadIsUsedOnce) {
    std::string record = std::string(4100, ' ');
    Write("2009/Planner.dat", "03/05/09:020400:first" + record.substr(5) + "\r\n" + Filler(4100));
    Write("2009/Notes.dat", "03/05/09:020400:first\r\n" + Filler());
    LoadYearsDataAhead(*s, 2009);
    // Replaced by a save, and written over in place with as many bytes.
    Write("2009/Planner.dat", "03/06/09:020500:again" + record.substr(5) + "\r\n" + Filler(4100));
    auto when = std::filesystem::last_write_time(dir + "2009/Notes.dat");
    { std::ofstream(dir + "2009/Notes.dat", std::ios::binary | std::ios::trunc) << "03/05/09:020400:other\r\n" + Filler(); }
    // As a write a moment later stamps it (the clock of file times may not have moved yet).
    std::filesystem::last_write_time(dir + "2009/Notes.dat", when + std::chrono::seconds(2));
    Select(2009, 3, 5);
    LoadThisYearsData(*s);
    EXPECT_EQ(s->planner.gThisYearsPlannerDates.front(), "03/06/09");
    EXPECT_EQ(s->notes.gThisYearsNoteTexts.front(), "other");

    // Read ahead for one year, the other year's read leaves it for its own.
    LoadYearsDataAhead(*s, 2009);
    Select(2010, 1, 1);
    LoadThisYearsData(*s);
    EXPECT_TRUE(s->notes.gThisYearsNoteTexts.empty());
    Write("2009/Notes.dat", "03/05/09:020400:third\r\n");
    Select(2009, 3, 5);
    LoadThisYearsData(*s);
    EXPECT_EQ(s->notes.gThisYearsNoteTexts, (std::vector<std::string>{"third"}));
    // A file too small to be worth a thread is read by the read itself.
    Write("2009/Notes.dat", "03/05/09:020400:small\r\n");
    LoadYearsDataAhead(*s, 2009);
    LoadThisYearsData(*s);
    EXPECT_EQ(s->notes.gThisYearsNoteTexts, (std::vector<std::string>{"small"}));
    EXPECT_TRUE(ErrorLog().empty());
}

} // namespace
