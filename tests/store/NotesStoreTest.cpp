#include "store/NotesStore.h"

#include "YearFilesFixture.h"

using namespace orvelle;

namespace {

class NotesStoreTest : public YearFilesTest {
protected:
    // The notes window's Save: store the box for the selected date, then read the year back.
    void SaveNote(const std::string& text) {
        s->notes.gNotesBoxText = text;
        prompter.Expect(MsgAnswer::OK, "Notes Saved");
        ASSERT_TRUE(SaveThisYearsNotes(*s));
        ReadThisYearsNotes(*s);
    }
    std::int16_t Flag(Date d) {
        Cell c = CellOf(d);
        return s->notes.gThisYearsNoteFlags[c.month][c.column][c.row];
    }
};

TEST_F(NotesStoreTest, ThreeLineNoteIsOneFileLineAndComesBack) {
    Select(2009, 3, 5);
    ReadThisYearsNotes(*s);
    SaveNote("first\r\nsecond\r\nthird");
    EXPECT_EQ(Read("2009/Notes.dat"), "03/05/09:020400:first\xD5\xD2second\xD5\xD2third\r\n");
    EXPECT_EQ(Flag(DateSerial(2009, 3, 5)), -1);

    s->notes.gLoadedNoteText = "stale";
    DisplayThisNote(*s);
    EXPECT_EQ(s->notes.gLoadedNoteText, "first\r\nsecond\r\nthird");
    EXPECT_EQ(s->notes.gNotesBoxText, s->notes.gLoadedNoteText);
    EXPECT_EQ(s->notes.gThisYearsNoteIndex, 0);
    EXPECT_EQ(s->notes.gNotesCaption, "Notes for March 05, 2009");
}

TEST_F(NotesStoreTest, FirstNoteOfAYearCreatesTheFolder) {
    Select(2011, 12, 31);
    ReadThisYearsNotes(*s);
    ASSERT_FALSE(Exists("2011"));
    SaveNote("party");
    EXPECT_EQ(Read("2011/Notes.dat"), "12/31/11:110604:party\r\n");
    EXPECT_FALSE(s->flags.gNotesChanged);
}

TEST_F(NotesStoreTest, BlankNoteRemovesTheDate) {
    Write("2009/Notes.dat", "01/02/09:000500:keep\r\n03/05/09:020400:drop me\r\n");
    Select(2009, 3, 5);
    ReadThisYearsNotes(*s);
    ASSERT_EQ(s->notes.gThisYearsNoteCount(), 2);
    SaveNote("   ");
    EXPECT_EQ(Read("2009/Notes.dat"), "01/02/09:000500:keep\r\n");
    EXPECT_EQ(s->notes.lstNotes, (std::vector<std::string>{"01/02/09"}));
    EXPECT_EQ(Flag(DateSerial(2009, 3, 5)), 0);

    // The last note going leaves an empty file.
    Select(2009, 1, 2);
    SaveNote("");
    EXPECT_EQ(Read("2009/Notes.dat"), "");
}

TEST_F(NotesStoreTest, SaveInANewYearWritesOnlyThatYearsNote) {
    Write("2009/Notes.dat", "03/05/09:020400:old year\r\n");
    Select(2009, 3, 5);
    ReadThisYearsNotes(*s);
    // The date moves on without the lists being read again.
    Select(2010, 1, 1);
    SaveNote("new year");
    EXPECT_EQ(Read("2010/Notes.dat"), "01/01/10:000500:new year\r\n");
    EXPECT_EQ(Read("2009/Notes.dat"), "03/05/09:020400:old year\r\n");
}

TEST_F(NotesStoreTest, StampComesFromTheDateNotFromTheClickedCell) {
    Select(2009, 3, 5);
    ReadThisYearsNotes(*s);
    s->dates.gCurrentCellMonth = 7;  // a stale cell of another date
    s->dates.gCurrentCellColumn = 1;
    s->dates.gCurrentCellRow = 2;
    // A date of the following year, shown by a six-month view that spans the year end.
    s->flags.gSpansNextYear = true;
    s->flags.gSpannedYear = 2010;
    s->flags.gViewYear = 2009;
    ReadNextYearsNotes(*s);
    Select(2010, 1, 9);
    s->notes.gNotesBoxText = "next year";
    prompter.Expect(MsgAnswer::OK, "Notes Saved");
    ASSERT_TRUE(SaveNextYearsNotes(*s));
    EXPECT_EQ(Read("2010/Notes.dat"), "01/09/10:000601:next year\r\n");
    EXPECT_EQ(CellStampOf(DateSerial(2010, 1, 9)), "000601");
    EXPECT_EQ(s->notes.gNextYearsNoteFlags[0][6][1], -1);
    EXPECT_EQ(s->notes.gThisYearsNoteCount(), 0);
}

TEST_F(NotesStoreTest, MissingYearClearsEverything) {
    Write("2009/Notes.dat", "03/05/09:020400:x\r\n");
    Select(2009, 3, 5);
    ReadThisYearsNotes(*s);
    s->notes.gThisYearsNoteIndex = 0;
    Select(2012, 3, 5);
    ReadThisYearsNotes(*s);
    EXPECT_EQ(s->notes.gThisYearsNoteCount(), 0);
    EXPECT_TRUE(s->notes.lstNotes.empty());
    EXPECT_EQ(s->notes.gThisYearsNoteIndex, -1);
    EXPECT_EQ(Flag(DateSerial(2009, 3, 5)), 0);
}

TEST_F(NotesStoreTest, DateWithoutNoteOpensEmpty) {
    Write("2009/Notes.dat", "03/05/09:020400:x\r\n");
    Select(2009, 3, 5);
    ReadThisYearsNotes(*s);
    DisplayThisNote(*s);
    ASSERT_EQ(s->notes.gLoadedNoteText, "x");
    s->flags.gNotesChanged = true;
    s->notes.gExportFileName = "exported";
    int shown = 0;
    s->hooks.ShowNotesWindow = [&] {
        EXPECT_TRUE(s->flags.gNotesLoading);
        ++shown;
    };
    Select(2009, 3, 6);
    DisplayThisNote(*s);
    EXPECT_EQ(shown, 1);
    EXPECT_EQ(s->notes.gLoadedNoteText, "");
    EXPECT_EQ(s->notes.gNotesBoxText, "");
    EXPECT_EQ(s->notes.gThisYearsNoteIndex, -1);
    EXPECT_EQ(s->notes.gExportFileName, "");
    EXPECT_FALSE(s->flags.gNotesLoading);
    EXPECT_FALSE(s->flags.gNotesChanged);
    EXPECT_EQ(s->notes.gNotesCaption, "Notes for March 06, 2009");
}

TEST_F(NotesStoreTest, ShowingAnotherNoteAsksFirstAndSavesUnderTheShownDate) {
    Write("2009/Notes.dat", "03/06/09:020500:sixth\r\n");
    Select(2009, 3, 5);
    ReadThisYearsNotes(*s);
    ASSERT_TRUE(DisplayThisNote(*s));
    s->flags.gNotesOpen = true;
    s->flags.gNotesChanged = true;
    s->notes.gNotesBoxText = "fifth";

    // A press on the 6th selects it before the note is replaced.
    Select(2009, 3, 6);
    prompter.Expect(MsgAnswer::Cancel, "The Notes have been changed.");
    EXPECT_FALSE(DisplayThisNote(*s));
    EXPECT_FALSE(s->flags.gNavigationCancelled);
    EXPECT_TRUE(s->flags.gNotesChanged);
    EXPECT_EQ(s->notes.gNotesBoxText, "fifth");
    EXPECT_EQ(s->notes.gLoadedNoteDate, DateSerial(2009, 3, 5));
    EXPECT_EQ(s->notes.gNotesCaption, "Notes for March 05, 2009");

    prompter.Expect(MsgAnswer::Yes, "The Notes have been changed.").Expect(MsgAnswer::OK, "Notes Saved");
    EXPECT_TRUE(DisplayThisNote(*s));
    EXPECT_EQ(Read("2009/Notes.dat"), "03/05/09:020400:fifth\r\n03/06/09:020500:sixth\r\n");
    EXPECT_EQ(s->dates.gSelectedDate, DateSerial(2009, 3, 6));
    EXPECT_EQ(s->dates.gDD, "06");
    EXPECT_EQ(s->notes.gLoadedNoteText, "sixth");
    EXPECT_EQ(s->notes.gLoadedNoteDate, DateSerial(2009, 3, 6));
}

TEST_F(NotesStoreTest, BadLinesAreSkippedAndLogged) {
    Write("2009/Notes.dat",
          "01/02/09:000500:good one\r\n"
          "02/30/09:010102:no such date\r\n"
          "03/05/09:990404:bad stamp\r\n"
          "03/06/09:02x404:bad stamp\r\n"
          "03/07/10:020600:other year\r\n"
          "too short\r\n"
          "\r\n"
          "12/31/09:110404:last\r\n");
    Select(2009, 6, 1);
    ReadThisYearsNotes(*s);
    // A spoilt stamp costs nothing: the stamp is worked out from the date.
    EXPECT_EQ(s->notes.gThisYearsNoteDates, (std::vector<std::string>{"01/02/09", "03/05/09", "03/06/09", "12/31/09"}));
    EXPECT_EQ(s->notes.gThisYearsNoteTexts, (std::vector<std::string>{"good one", "bad stamp", "bad stamp", "last"}));
    EXPECT_EQ(s->notes.gThisYearsNoteStamps[1], CellStampOf(DateSerial(2009, 3, 5)));
    std::string log = ErrorLog();
    EXPECT_NE(log.find("Line 2 of 2009/Notes.dat was skipped (bad date)"), std::string::npos);
    EXPECT_NE(log.find("Line 5 of 2009/Notes.dat was skipped (date of another year)"), std::string::npos);
    EXPECT_NE(log.find("Line 6 of 2009/Notes.dat was skipped"), std::string::npos);
    EXPECT_EQ(log.find("Line 3"), std::string::npos);
    EXPECT_EQ(log.find("Line 7"), std::string::npos);
}

TEST_F(NotesStoreTest, HandEditedFileIsSortedAndEachDateWrittenOnce) {
    // Unsorted, a duplicate, a stale stamp and a blank note.
    Write("2009/Notes.dat",
          "07/04/09:060600:fireworks\r\n"
          "01/02/09:000500:first\r\n"
          "07/04/09:060600:second copy\r\n"
          "02/01/09:010000:   \r\n"
          "03/05/09:000000:stale stamp\r\n");
    Select(2009, 3, 5);
    ReadThisYearsNotes(*s);
    EXPECT_EQ(s->notes.lstNotes, (std::vector<std::string>{"01/02/09", "03/05/09", "07/04/09"}));
    EXPECT_EQ(s->notes.gThisYearsNoteTexts[2], "fireworks");
    EXPECT_EQ(s->notes.gThisYearsNoteStamps[1], "020400");
    EXPECT_NE(ErrorLog().find("second entry for 07/04/09"), std::string::npos);

    Select(2009, 1, 2);
    SaveNote("first, edited");
    EXPECT_EQ(Read("2009/Notes.dat"),
              "01/02/09:000500:first, edited\r\n03/05/09:020400:stale stamp\r\n07/04/09:060600:fireworks\r\n");
}

TEST_F(NotesStoreTest, FailedSaveKeepsTheOldFileAndTheChangedFlag) {
    // A file where the year's folder should be: the folder cannot be made.
    Write("2010", "in the way");
    Select(2010, 5, 5);
    s->flags.gNotesChanged = true;
    s->notes.gNotesBoxText = "lost?";
    prompter.Expect(MsgAnswer::OK, "An error occurred in SaveThisYearsNotes.");
    EXPECT_FALSE(SaveThisYearsNotes(*s));
    EXPECT_TRUE(s->flags.gNotesChanged);
    EXPECT_EQ(Read("2010"), "in the way");
    // The lists stay as the file is (a later save of another date must not write this text);
    // the text waits in the box for the next try.
    EXPECT_TRUE(s->notes.gThisYearsNoteTexts.empty());
    EXPECT_EQ(s->notes.gNotesBoxText, "lost?");
    ASSERT_TRUE(RemoveFile(s->gAppPath + "2010"));
    prompter.Expect(MsgAnswer::OK, "Notes Saved");
    EXPECT_TRUE(SaveThisYearsNotes(*s));
    EXPECT_EQ(s->notes.gThisYearsNoteTexts, (std::vector<std::string>{"lost?"}));
}

TEST_F(NotesStoreTest, ListDeleteSavesTheListsAsTheyStand) {
    Write("2009/Notes.dat", "01/02/09:000500:a\r\n03/05/09:020400:b\r\n");
    Select(2009, 1, 2);
    ReadThisYearsNotes(*s);
    s->notes.gNotesBoxText = "must not be stored";
    s->notes.gThisYearsNoteTexts[1] = "";
    s->notes.gThisYearsNoteIndex = 1;
    s->notes.gSavingAfterListDelete = true;
    prompter.Expect(MsgAnswer::OK, "Notes Saved");
    ASSERT_TRUE(SaveThisYearsNotes(*s));
    EXPECT_EQ(Read("2009/Notes.dat"), "01/02/09:000500:a\r\n");
    EXPECT_FALSE(s->notes.gSavingAfterListDelete);
    EXPECT_EQ(s->notes.gThisYearsNoteIndex, -1);
}

TEST_F(NotesStoreTest, ReadsAnyLineEnd) {
    Write("2009/Notes.dat", "01/02/09:000500:a\n03/05/09:020400:b\r03/06/09:020500:c\r\n\n03/07/09:020600:d");
    Select(2009, 3, 5);
    ReadThisYearsNotes(*s);
    EXPECT_EQ(s->notes.gThisYearsNoteTexts, (std::vector<std::string>{"a", "b", "c", "d"}));
    EXPECT_EQ(ErrorLog(), "");
}

TEST(NoteText, LineBreaksMapToTheStoredPairAndLoneBytesStayLetters) {
    EXPECT_EQ(EncodeNoteText("a\r\nb\nc\r"), "a\xD5\xD2" "b\xD5\xD2" "c\xD5\xD2");
    EXPECT_EQ(DecodeNoteText("a\xD5\xD2" "b"), "a\r\nb");
    // "ÒSCAR and ÕTTO", "Õ" at a line's end, "Ò" at the next one's start.
    EXPECT_EQ(DecodeNoteText("\xD2SCAR and \xD5TTO\xD5\xD5\xD2\xD2"), "\xD2SCAR and \xD5TTO\xD5\r\n\xD2");
}

} // namespace
