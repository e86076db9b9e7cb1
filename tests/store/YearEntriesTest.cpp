#include "YearFilesFixture.h"

#include "store/NotesStore.h"
#include "store/PhraseSearch.h"
#include "store/PlannerRecord.h"
#include "store/PlannerStore.h"
#include "store/YearEntries.h"

#include <random>

using namespace orvelle;

namespace {

std::string NoteLine(Date d, const std::string& text) {
    return FormatMmDdYy(d) + ":" + CellStampOf(d) + ":" + EncodeNoteText(text) + "\r\n";
}

std::string PlannerLine(Date d, const PlannerPage& page) {
    return FormatMmDdYy(d) + ":" + CellStampOf(d) + ":" + BuildPlannerRecord(page) + "\r\n";
}

using Keys = std::vector<std::string>;

} // namespace

TEST(PhraseMatcher, IgnoresLetterCaseOnlyAndTakesThePhraseWhole) {
    PhraseMatcher lunch("lunch");
    EXPECT_TRUE(lunch.In("Lunch with Ann"));
    EXPECT_TRUE(lunch.In("LUNCH"));
    EXPECT_TRUE(lunch.In("after lunch"));
    EXPECT_FALSE(lunch.In("lunc h"));
    EXPECT_FALSE(lunch.In("lun"));
    PhraseMatcher two("calendar view");
    EXPECT_TRUE(two.In("the Calendar View opens"));
    EXPECT_FALSE(two.In("calendar  view"));
    EXPECT_FALSE(two.In("calendar\r\nview"));
    // Accented letters of the code page fold too.
    EXPECT_TRUE(PhraseMatcher("caf\xE9").In("CAF\xC9 au lait"));
    EXPECT_FALSE(PhraseMatcher("").In("anything"));
    // Repeated letters: the skip table must not jump over a hit.
    EXPECT_TRUE(PhraseMatcher("aab").In("aaaaaab"));
    EXPECT_TRUE(PhraseMatcher("abab").In("ababcabab"));
}

TEST(PhraseMatcher, AgreesWithAPlainUpperCaseSearchOnRandomTexts) {
    // A small alphabet with both cases and accented letters makes near misses common.
    const std::string alphabet = "aAbB \xE9\xC9\xFF\x9F";
    std::mt19937 rng(7);
    auto pick = [&](size_t n) {
        std::string t;
        for (size_t i = 0; i < n; ++i) t += alphabet[rng() % alphabet.size()];
        return t;
    };
    auto upper = [](std::string t) {
        for (char& c : t) c = static_cast<char>(UpperCp1252(static_cast<unsigned char>(c)));
        return t;
    };
    for (int round = 0; round < 3000; ++round) {
        std::string text = pick(rng() % 80), phrase = pick(1 + rng() % 6);
        bool expected = upper(text).find(upper(phrase)) != std::string::npos;
        ASSERT_EQ(PhraseMatcher(phrase).In(text), expected) << "[" << text << "] [" << phrase << "]";
    }
    // A phrase longer than the largest shift is still found, at the end of the text too.
    std::string longPhrase(300, 'x');
    longPhrase.back() = 'y';
    EXPECT_TRUE(PhraseMatcher(longPhrase).In(std::string(1000, 'X') + upper(longPhrase)));
    EXPECT_FALSE(PhraseMatcher(longPhrase).In(std::string(1000, 'X')));
}

TEST(PhraseMatcher, StoredLineBreaksOfANoteAreNotLettersButLoneOnesAre) {
    // 0xD5 0xD2 is a note's CR LF in the file; "õ" and "ò" typed fold to those bytes.
    std::string stored = EncodeNoteText("first\r\nsecond \xD2SCAR \xD5TTO\xD5\r\n\xD2");
    EXPECT_FALSE(PhraseMatcher("\xF5\xF2", true).In(stored));
    EXPECT_FALSE(PhraseMatcher("t\xF5", true).In(stored));
    EXPECT_FALSE(PhraseMatcher("\xF2se", true).In(stored));
    EXPECT_TRUE(PhraseMatcher("first", true).In(stored));
    EXPECT_TRUE(PhraseMatcher("\xF2scar \xF5tto\xF5", true).In(stored));
    EXPECT_TRUE(PhraseMatcher("\xF2", true).In(EncodeNoteText("a\r\n\xD2")));
    EXPECT_FALSE(PhraseMatcher("\xF2", true).In(EncodeNoteText("a\r\n")));
}

TEST_F(YearFilesTest, SearchFindsNotesAndEveryMorningPlannerPageWithinTheMonth) {
    Write("2009/Notes.dat", NoteLine(DateSerial(2009, 1, 9), "Lunch with Ann") +
                                NoteLine(DateSerial(2009, 3, 2), "LUNCH at noon") +
                                NoteLine(DateSerial(2009, 3, 20), "dinner\r\nthen lunch") +
                                NoteLine(DateSerial(2009, 4, 1), "nothing here"));
    PlannerPage morning;  // hourly captions from 06:00 AM
    PlannerPage evening;
    for (int i = 0; i < PlannerPage::kTimeSlots; ++i) evening.gTimeCaptions[i] = "07:00 PM";
    Write("2009/Planner.dat", PlannerLine(DateSerial(2009, 2, 1), morning) +
                                  PlannerLine(DateSerial(2009, 2, 2), evening) +
                                  PlannerLine(DateSerial(2009, 5, 5), morning));

    YearEntries notes = ReadYearEntries(*s, EntryKind::Notes, 2009);
    EXPECT_EQ(FindPhraseInYear(notes, "lunch", 0), (Keys{"01/09/09", "03/02/09", "03/20/09"}));
    EXPECT_EQ(FindPhraseInYear(notes, "lunch", 3), (Keys{"03/02/09", "03/20/09"}));
    EXPECT_EQ(FindPhraseInYear(notes, "supper", 0), Keys{});
    EXPECT_EQ(EntryKeysInMonth(notes, 3), (Keys{"03/02/09", "03/20/09"}));
    EXPECT_EQ(EntryKeysInMonth(notes, 0).size(), 4u);

    YearEntries days = ReadYearEntries(*s, EntryKind::Planners, 2009);
    EXPECT_EQ(FindPhraseInYear(days, "am", 0), (Keys{"02/01/09", "05/05/09"}));
    // Nothing of this moved the selected date or filled the store's lists.
    EXPECT_EQ(s->dates.gSelectedDate, 0);
    EXPECT_EQ(s->notes.thisYearsNotesYear, 0);
}

TEST_F(YearFilesTest, DeleteFindsTheEntryByDateAndKeepsTheStoreListsOpenEntryByDate) {
    Write("2009/Notes.dat", NoteLine(DateSerial(2009, 1, 9), "one") + NoteLine(DateSerial(2009, 3, 2), "two") +
                                NoteLine(DateSerial(2009, 3, 20), "three"));
    Select(2009, 3, 20);
    SetDateVariables(*s);
    ReadThisYearsNotes(*s);
    s->notes.gThisYearsNoteIndex = 2;  // 03/20 open

    prompter.Expect(MsgAnswer::OK, "Notes Saved");
    EXPECT_EQ(DeleteYearEntries(*s, EntryKind::Notes, 2009, {"03/02/09"}), 1);
    EXPECT_EQ(Read("2009/Notes.dat"), NoteLine(DateSerial(2009, 1, 9), "one") + NoteLine(DateSerial(2009, 3, 20), "three"));
    EXPECT_EQ(s->notes.gThisYearsNoteDates, (Keys{"01/09/09", "03/20/09"}));
    EXPECT_EQ(s->notes.gThisYearsNoteIndex, 1);

    // An entry that went meanwhile: nothing is written, nothing is said.
    EXPECT_EQ(DeleteYearEntries(*s, EntryKind::Notes, 2009, {"03/02/09"}), 0);
    // Another year than the store holds: the store's lists stay as they are.
    Write("2010/Notes.dat", NoteLine(DateSerial(2010, 6, 1), "later"));
    prompter.Expect(MsgAnswer::OK, "Notes Saved");
    EXPECT_EQ(DeleteYearEntries(*s, EntryKind::Notes, 2010, {"06/01/10"}), 1);
    EXPECT_EQ(Read("2010/Notes.dat"), "");
    EXPECT_EQ(s->notes.thisYearsNotesYear, 2009);
    EXPECT_EQ(s->notes.gThisYearsNoteDates.size(), 2u);
}
