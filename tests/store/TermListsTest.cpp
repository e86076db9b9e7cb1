#include "StoreTestFolder.h"

#include "store/Preferences.h"
#include "store/TermLists.h"

#include <filesystem>
#include <sys/stat.h>

using namespace orvelle;

namespace {

class TermListsTest : public StoreTestFolder {
protected:
    void Use(const std::string& name) {
        s->prefs.gFUTFileName = name;
        ReadFrequentlyUsedTerms(*s);
    }
    void WindowOnScreen() {
        s->terms.gFUTWindowLoaded = true;
        s->terms.gFUTWindowVisible = true;
    }
};

TEST_F(TermListsTest, FileHoldsTheTermsJoinedByCrLf) {
    Use("Work.fut");
    EXPECT_EQ(Read("Work.fut"), ""); // a missing list is created empty
    EXPECT_EQ(s->terms.caption, "Work");
    AddFUTTerm(*s, "alpha");
    AddFUTTerm(*s, "  beta ");
    EXPECT_EQ(Read("Work.fut"), "alpha\r\nbeta");
    EXPECT_EQ(Read("Work.fut").size(), 11u);
    EXPECT_EQ(s->terms.gFUTTerms, (std::vector<std::string>{"alpha", "beta"}));

    // Edited outside: a trailing CR LF adds no term, an empty line in the middle is one.
    Write("Work.fut", "one\r\n\r\ntwo\r\n");
    Use("Work.fut");
    EXPECT_EQ(s->terms.gFUTTerms, (std::vector<std::string>{"one", "", "two"}));

    // Editing the second of three moves it to the end.
    Write("Work.fut", "first\r\nsecond\r\nthird");
    Use("Work.fut");
    EditFUTTerm(*s, 1, " edited ");
    EXPECT_EQ(Read("Work.fut"), "first\r\nthird\r\nedited");

    prompter.Expect(MsgAnswer::OK, "Nothing selected to remove.");
    RemoveFUTTerm(*s, -1);
    prompter.Expect(MsgAnswer::OK, "No term has been added to save.");
    AddFUTTerm(*s, "");
    prompter.Expect(MsgAnswer::No, "This will delete all items in the list. Continue?");
    ClearFUTList(*s);
    EXPECT_EQ(Read("Work.fut"), "first\r\nthird\r\nedited");
    prompter.Expect(MsgAnswer::Yes, "This will delete all items in the list. Continue?");
    ClearFUTList(*s);
    EXPECT_EQ(Read("Work.fut"), "");
    EXPECT_TRUE(s->terms.gFUTTerms.empty());
    prompter.Expect(MsgAnswer::OK, "There's nothing to delete.");
    ClearFUTList(*s);

    // The case buttons change the terms without saving.
    AddFUTTerm(*s, "big day");
    ChangeFUTCase(*s, 2);
    EXPECT_EQ(s->terms.rows, (std::vector<std::string>{"BIG DAY"}));
    EXPECT_EQ(Read("Work.fut"), "big day");

    s->prefs.gFUTFileName.clear();
    prompter.Expect(MsgAnswer::OK, "File not found.");
    ReadFrequentlyUsedTerms(*s);
}

TEST_F(TermListsTest, F3RunsThroughTheListsByNameAndDeletingTheDefaultIsRefused) {
    for (const char* name : {"c.fut", "B.fut", "a.fut"}) Write(name, name);
    Write("notes.txt", "");
    EXPECT_EQ(ListFUTFiles(dir), (std::vector<std::string>{"a.fut", "B.fut", "c.fut"}));

    // Not on screen: F3 changes nothing.
    Use("a.fut");
    NextFUTFile(*s);
    EXPECT_EQ(s->prefs.gFUTFileName, "a.fut");

    WindowOnScreen();
    std::vector<std::string> seen;
    for (int i = 0; i < 3; ++i) {
        NextFUTFile(*s);
        seen.push_back(s->prefs.gFUTFileName);
    }
    EXPECT_EQ(seen, (std::vector<std::string>{"B.fut", "c.fut", "a.fut"}));
    EXPECT_EQ(s->terms.gFUTTerms, (std::vector<std::string>{"a.fut"}));
    EXPECT_FALSE(s->terms.gShowingMoreFUT);

    // F2 shows the list of lists; a pick makes one current.
    ShowAllFUTFiles(*s);
    EXPECT_TRUE(s->terms.gShowingMoreFUT);
    EXPECT_FALSE(s->terms.mnuFileEnabled);
    prompter.Expect(MsgAnswer::OK, "No list selected.");
    PickFUTFile(*s, -1);
    PickFUTFile(*s, 2);
    EXPECT_EQ(s->prefs.gFUTFileName, "c.fut");
    EXPECT_TRUE(s->terms.mnuFileEnabled && s->terms.mnuFileDeleteEnabled);

    // The default list cannot be deleted; another one can.
    s->prefs.gDefaultFUTFile = "c.fut";
    prompter.Expect(MsgAnswer::OK, "You cannot delete the Default Frequent Terms List. You can\r\ndelete all");
    DeleteCurrentFUTFile(*s);
    EXPECT_EQ(Read("c.fut"), "c.fut");
    Use("B.fut");
    DeleteCurrentFUTFile(*s);
    EXPECT_FALSE(std::filesystem::exists(dir + "B.fut"));
    EXPECT_TRUE(s->terms.rows.empty());
    // Its terms go with it: nothing completes from it any more.
    EXPECT_TRUE(s->terms.gFUTTerms.empty());

    // Making a list the default keeps it current and stores its name.
    Use("a.fut");
    MakeDefaultFUTFile(*s);
    EXPECT_EQ(s->prefs.gDefaultFUTFile, "a.fut");
    EXPECT_EQ(s->prefs.gFUTFileName, "a.fut");
    EXPECT_NE(Read("UserPreferences.txt").find("Frequent Terms File:a.fut"), std::string::npos);
}

TEST_F(TermListsTest, NewListsTakeOnlyPlainNames) {
    Use("a.fut");
    prompter.ExpectInput("");
    CreateNewFUTFile(*s);
    EXPECT_FALSE(s->terms.gFUTFileCreated);
    prompter.ExpectInput("../x").Expect(MsgAnswer::OK, "File Name cannot include");
    CreateNewFUTFile(*s);
    EXPECT_FALSE(s->terms.gFUTFileCreated);
    EXPECT_FALSE(std::filesystem::exists(dir + "../x.fut"));
    EXPECT_EQ(s->prefs.gFUTFileName, "a.fut");

    Write("b.fut", "kept");
    prompter.ExpectInput("b").Expect(MsgAnswer::No, "File already exists. Overwrite?");
    CreateNewFUTFile(*s);
    EXPECT_EQ(s->prefs.gFUTFileName, "a.fut");
    EXPECT_EQ(Read("b.fut"), "kept");
    prompter.ExpectInput("b").Expect(MsgAnswer::Yes, "File already exists. Overwrite?");
    CreateNewFUTFile(*s);
    EXPECT_TRUE(s->terms.gFUTFileCreated);
    EXPECT_EQ(s->prefs.gFUTFileName, "b.fut");
    EXPECT_EQ(Read("b.fut"), "");
}

TEST_F(TermListsTest, ListNamesAndFilesAreCheckedWhereverTheyComeFrom) {
    namespace fs = std::filesystem;
    // A list too large for a list file is refused unread, told, and never overwritten.
    Write("Big.fut", std::string(9u << 20, 'x'));
    prompter.Expect(MsgAnswer::OK, "The file \"Big.fut\" was not read: it holds 9437184 bytes");
    Use("Big.fut");
    EXPECT_TRUE(s->terms.gFUTTerms.empty());
    prompter.Expect(MsgAnswer::OK, "was not saved");
    AddFUTTerm(*s, "lost");
    EXPECT_TRUE(s->terms.rows.empty());
    EXPECT_EQ(fs::file_size(dir + "Big.fut"), 9u << 20);

    // Something other than a file in a list's place is refused and left as it is.
    ASSERT_EQ(::mkfifo((dir + "Pipe.fut").c_str(), 0600), 0);
    fs::create_symlink("/dev/zero", dir + "Zero.fut");
    fs::create_symlink(dir + "nowhere", dir + "Gone.fut");
    for (const char* name : {"Pipe.fut", "Zero.fut", "Gone.fut"}) {
        prompter.Expect(MsgAnswer::OK, std::string("The file \"") + name + "\" could not be read");
        Use(name);
        prompter.ExpectInput(std::string(name).substr(0, 4));
        prompter.Expect(MsgAnswer::OK, std::string("The file \"") + name + "\" could not be read");
        CreateNewFUTFile(*s);
        EXPECT_FALSE(s->terms.gFUTFileCreated) << name;
    }
    EXPECT_TRUE(fs::is_fifo(dir + "Pipe.fut"));
    EXPECT_EQ(fs::read_symlink(dir + "Zero.fut"), "/dev/zero");
    EXPECT_EQ(fs::read_symlink(dir + "Gone.fut"), dir + "nowhere");
    EXPECT_FALSE(fs::exists(dir + "nowhere"));
    EXPECT_EQ(ListFUTFiles(dir), std::vector<std::string>{"Big.fut"});

    // The new-list box: dots, control characters and folder characters are not names.
    for (const char* answer : {".", "..", "a\rb", "tab\there"}) {
        prompter.ExpectInput(answer).Expect(MsgAnswer::OK, "cannot be used as a file name.");
        CreateNewFUTFile(*s);
        EXPECT_FALSE(s->terms.gFUTFileCreated) << answer;
    }
    // The preferences: a name with a drive, a folder or no ".fut" names no list.
    for (const char* line : {"C:victim.fut", "sub/x.fut", "plain.txt", "..fut"}) {
        Write("UserPreferences.txt", std::string(17, '\n') + "Frequent Terms File:" + line + "\r\n");
        s->prefs.gFUTFileName.clear();
        GetUserPreferences(*s);
        EXPECT_EQ(s->prefs.gFUTFileName, "") << line;
        EXPECT_EQ(s->prefs.gDefaultFUTFile, "") << line;
    }
    // The open-file dialog: a picked file with a line break in its name is not opened.
    std::string outside = MakeTempFolder("fut-names");
    ASSERT_TRUE(WriteFileAtomic(outside + "a\rb.fut", "x"));
    prompter.Expect(MsgAnswer::OK, "cannot be used as a file name.");
    EXPECT_FALSE(OpenFrequentlyUsedTermsFile(*s, outside + "a\rb.fut"));
    fs::remove_all(outside);
    EXPECT_EQ(ListFUTFiles(dir), std::vector<std::string>{"Big.fut"});
    EXPECT_FALSE(fs::exists("C:victim.fut"));
    EXPECT_FALSE(fs::exists(dir + "C:victim.fut"));
}

TEST_F(TermListsTest, AListOpenedFromElsewhereIsCopiedIn) {
    std::string outside = MakeTempFolder("fut-outside");
    ASSERT_TRUE(WriteFileAtomic(outside + "Trip.fut", "Airport\r\nHotel"));
    EXPECT_TRUE(OpenFrequentlyUsedTermsFile(*s, outside + "Trip.fut"));
    EXPECT_EQ(Read("Trip.fut"), "Airport\r\nHotel");
    EXPECT_EQ(s->prefs.gFUTFileName, "Trip.fut");
    EXPECT_EQ(s->terms.gFUTTerms, (std::vector<std::string>{"Airport", "Hotel"}));

    // A list of that name is only replaced when the user says so.
    ASSERT_TRUE(WriteFileAtomic(outside + "Trip.fut", "Station"));
    prompter.Expect(MsgAnswer::No, "File already exists. Overwrite?");
    EXPECT_FALSE(OpenFrequentlyUsedTermsFile(*s, outside + "Trip.fut"));
    EXPECT_EQ(Read("Trip.fut"), "Airport\r\nHotel");
    prompter.Expect(MsgAnswer::Yes, "File already exists. Overwrite?");
    EXPECT_TRUE(OpenFrequentlyUsedTermsFile(*s, outside + "Trip.fut"));
    EXPECT_EQ(s->terms.gFUTTerms, (std::vector<std::string>{"Station"}));

    // One in the data folder is simply opened.
    Write("Home.fut", "Garden");
    EXPECT_TRUE(OpenFrequentlyUsedTermsFile(*s, dir + "Home.fut"));
    EXPECT_EQ(s->terms.gFUTTerms, (std::vector<std::string>{"Garden"}));
    std::filesystem::remove_all(outside);
}

TEST_F(TermListsTest, TermPreferencesAndWindowPositionAreStored) {
    GetUserPreferences(*s);
    EXPECT_EQ(StartPositionFromText("5"), 4);
    EXPECT_EQ(StartPositionFromText(""), 0);
    EXPECT_EQ(StartPositionFromText("99999"), 32766);
    EXPECT_EQ(StartPositionFromText("ab1"), 0);
    EXPECT_EQ(StartPositionFromText("0"), 0);

    s->prefs.gFUTFileName = "Other.fut";
    s->prefs.gDefaultFUTFile = "Main.fut";
    s->prefs.gPrefLines[kPrefTermsFile] = "Frequent Terms File:Main.fut";
    ASSERT_TRUE(SaveTermPreferences(*s, true, false, false, 4));
    std::string file = Read("UserPreferences.txt");
    EXPECT_NE(file.find("Auto Complete Word:False\r\nAuto Start Position:4\r\nShow FUT:True\r\nMinimize FUT:False"),
              std::string::npos);
    EXPECT_FALSE(s->prefs.gAutoCompleteOn);
    EXPECT_EQ(s->prefs.gAutoStartKeys, 4);
    EXPECT_EQ(s->prefs.gFUTFileName, "Other.fut"); // the current list stays current

    ASSERT_TRUE(SaveFUTWindowPosition(*s, 11820, 3045, 2805.5, 6345));
    EXPECT_NE(Read("UserPreferences.txt")
                  .find("Load FUT Position:True\r\nFUT Position:Left=11820:Top=3045:Width=2805.5:Height=6345"),
              std::string::npos);
    GetUserPreferences(*s);
    EXPECT_TRUE(s->prefs.gLoadFUTPosition);
    EXPECT_DOUBLE_EQ(s->prefs.gFUTWidth, 2805.5);
}

} // namespace
