#include "StoreTestFolder.h"

#include "store/Preferences.h"

#include <cstdlib>
#include <filesystem>

using namespace orvelle;
namespace fs = std::filesystem;

namespace {

std::vector<std::string> InstalledLines() {
    return {"App First Instance:True", "Shared Directory:S",   "Company Name:Acme",
            "Company Address 1:1 Main St", "Company Address 2:", "Company City, State Zip:Springfield",
            "Company Phone:555",       "Company Fax:",         "Company Website:",
            "Company Email:",          "Auto Complete Word:True", "Auto Start Position:3",
            "Show FUT:False",          "Minimize FUT:false",   "Software Install Date:",
            "Default Printer:Office Laser", "Reserved",        "Frequent Terms File:Work.fut",
            "Load FUT Position:True",  "FUT Position:Left=100:Top=200:Width=2805:Height=6345"};
}

class PreferencesTest : public StoreTestFolder {
protected:
    void SetUp() override {
        StoreTestFolder::SetUp();
        if (const char* d = std::getenv("ORVELLE_DRIVES")) savedDrives = d;
        unsetenv("ORVELLE_DRIVES");
    }
    void TearDown() override {
        if (savedDrives) setenv("ORVELLE_DRIVES", savedDrives->c_str(), 1);
        StoreTestFolder::TearDown();
    }
    void WritePrefs(const std::vector<std::string>& lines) { Write("UserPreferences.txt", JoinCrLf(lines)); }
    std::optional<std::string> savedDrives;
};

} // namespace

TEST_F(PreferencesTest, FirstRunRewritesOnlyLinesOneAndFifteen) {
    WritePrefs(InstalledLines());
    GetUserPreferences(*s);
    const Preferences& p = s->prefs;
    EXPECT_TRUE(p.gFirstInstance);
    EXPECT_EQ(p.gInstallDate, DateSerial(2009, 3, 5));
    std::vector<std::string> expected = InstalledLines();
    expected[0] = "App First Instance:False";
    expected[14] = "Software Install Date:3/5/2009";
    EXPECT_EQ(Read("UserPreferences.txt"), JoinCrLf(expected));

    EXPECT_TRUE(p.gAutoCompleteWord);
    EXPECT_TRUE(p.gAutoCompleteOn);
    EXPECT_EQ(p.gAutoStartPosition, 3);
    EXPECT_EQ(p.gAutoStartKeys, 3);
    EXPECT_FALSE(p.gShowFUT);
    EXPECT_EQ(p.gDefaultPrinter, "Office Laser");
    EXPECT_EQ(p.gDefaultFUTFile, "Work.fut");
    EXPECT_EQ(p.gFUTFileName, "Work.fut");
    EXPECT_TRUE(p.gLoadFUTPosition);
    EXPECT_EQ(p.gFUTLeft, 100);
    EXPECT_EQ(p.gFUTTop, 200);
    EXPECT_EQ(p.gFUTWidth, 2805);
    EXPECT_EQ(p.gFUTHeight, 6345);
    EXPECT_TRUE(fs::is_directory(dir + "Backup"));

    // The second start finds False and leaves the file alone.
    Write("UserPreferences.txt", JoinCrLf(expected));
    auto before = fs::last_write_time(dir + "UserPreferences.txt");
    GetUserPreferences(*s);
    EXPECT_FALSE(s->prefs.gFirstInstance);
    EXPECT_EQ(fs::last_write_time(dir + "UserPreferences.txt"), before);
    EXPECT_EQ(Read("UserPreferences.txt"), JoinCrLf(expected));
}

TEST_F(PreferencesTest, ValuesAreTakenByPositionNotByKey) {
    auto lines = InstalledLines();
    lines[0] = "App First Instance:False";
    lines[10] = "Auto Complete Wrod:True"; // misspelled, same length
    lines[12] = "Show FUTT:True";          // one longer: the value shifts to ":True"
    lines[13] = "Minimize FUT:-1";
    lines[18] = "Load FUT Position:fALSE";
    WritePrefs(lines);
    GetUserPreferences(*s);
    EXPECT_TRUE(s->prefs.gAutoCompleteWord);
    EXPECT_FALSE(s->prefs.gShowFUT);
    EXPECT_TRUE(s->prefs.gMinimizeFUT);
    EXPECT_FALSE(s->prefs.gLoadFUTPosition);
    EXPECT_NE(Read("Error.log").find("Line 13 of UserPreferences.txt"), std::string::npos);
}

TEST_F(PreferencesTest, BadNumberIsLoggedAndLaterLinesStillCount) {
    auto lines = InstalledLines();
    lines[0] = "App First Instance:False";
    lines[11] = "Auto Start Position:two";
    lines[12] = "Show FUT:True";
    WritePrefs(lines);
    s->prefs.gAutoStartPosition = 4;
    GetUserPreferences(*s);
    EXPECT_EQ(s->prefs.gAutoStartPosition, 4);
    EXPECT_TRUE(s->prefs.gShowFUT);
    EXPECT_TRUE(s->prefs.gLoadFUTPosition);
    EXPECT_TRUE(fs::is_directory(dir + "Backup"));
    EXPECT_NE(Read("Error.log").find("An error occurred in GetUserPreferences."), std::string::npos);
}

TEST_F(PreferencesTest, MissingOrShortFileGivesKeyedEmptyLines) {
    GetUserPreferences(*s);
    ASSERT_EQ(s->prefs.gPrefLineCount, 20);
    EXPECT_EQ(s->prefs.gPrefLines[0], "App First Instance:");
    EXPECT_EQ(s->prefs.gPrefLines[19], "FUT Position:");
    EXPECT_FALSE(s->prefs.gFirstInstance);
    EXPECT_TRUE(s->prefs.gShareRoot.empty());
    EXPECT_FALSE(fs::exists(dir + "UserPreferences.txt")) << "no default file is written";
    EXPECT_FALSE(fs::exists(dir + "Error.log"));

    WritePrefs({"App First Instance:False", "Shared Directory:", "Company Name:Acme"});
    GetUserPreferences(*s);
    ASSERT_EQ(s->prefs.gPrefLineCount, 20);
    EXPECT_EQ(s->prefs.gPrefLines[2], "Company Name:Acme");
    EXPECT_EQ(s->prefs.gPrefLines[17], "Frequent Terms File:");
    ASSERT_TRUE(SaveUserPreferences(*s));
    EXPECT_EQ(ReadLines(dir + "UserPreferences.txt")->size(), 20u);
}

TEST_F(PreferencesTest, ExtraLinesAreKeptOnSave) {
    auto lines = InstalledLines();
    lines[0] = "App First Instance:False";
    lines.push_back("Something Later:1");
    WritePrefs(lines);
    GetUserPreferences(*s);
    EXPECT_EQ(s->prefs.gPrefLineCount, 21);
    ASSERT_TRUE(SaveUserPreferences(*s));
    EXPECT_EQ(Read("UserPreferences.txt"), JoinCrLf(lines));
}

TEST_F(PreferencesTest, ShareDriveMapsToAFolder) {
    auto lines = InstalledLines();
    lines[0] = "App First Instance:False";
    WritePrefs(lines);
    GetUserPreferences(*s);
    EXPECT_EQ(s->prefs.gShareDrive, "S");
    EXPECT_EQ(s->prefs.gShareRoot, "/mnt/s/");
    EXPECT_EQ(s->prefs.gSharePlannersFolder, "/mnt/s/Planners And Notes");

    setenv("ORVELLE_DRIVES", (dir + "drives").c_str(), 1);
    ASSERT_TRUE(SetShareDrive(*s, "Q"));
    EXPECT_EQ(ReadLines(dir + "UserPreferences.txt")->at(1), "Shared Directory:q");
    EXPECT_EQ(s->prefs.gShareDrive, "q");
    EXPECT_EQ(s->prefs.gShareRoot, dir + "drives/q/");
    EXPECT_EQ(s->prefs.gSharePlannersFolder, dir + "drives/q/Planners And Notes");
    EXPECT_FALSE(SetShareDrive(*s, "qq"));
    EXPECT_FALSE(SetShareDrive(*s, "1"));

    // An empty or unusable value leaves the folders as they are.
    lines[1] = "Shared Directory:";
    WritePrefs(lines);
    GetUserPreferences(*s);
    EXPECT_EQ(s->prefs.gShareDrive, "q");
    lines[1] = "Shared Directory:../etc";
    WritePrefs(lines);
    GetUserPreferences(*s);
    EXPECT_EQ(s->prefs.gShareRoot, dir + "drives/q/");

    Store fresh(dir);
    lines[1] = "Shared Directory:";
    WritePrefs(lines);
    GetUserPreferences(fresh);
    EXPECT_TRUE(fresh.prefs.gShareDrive.empty());
    EXPECT_TRUE(fresh.prefs.gShareRoot.empty());
    EXPECT_TRUE(fresh.prefs.gSharePlannersFolder.empty());
}

TEST_F(PreferencesTest, TermsFileOutsideTheDataFolderIsRefused) {
    auto lines = InstalledLines();
    lines[0] = "App First Instance:False";
    lines[17] = "Frequent Terms File:../secrets.fut";
    WritePrefs(lines);
    s->prefs.gFUTFileName = "Current.fut";
    GetUserPreferences(*s);
    EXPECT_TRUE(s->prefs.gDefaultFUTFile.empty());
    EXPECT_EQ(s->prefs.gFUTFileName, "Current.fut");
    EXPECT_NE(Read("Error.log").find("Line 18"), std::string::npos);
}

TEST_F(PreferencesTest, PartialTermsWindowPosition) {
    Preferences p;
    p.gFUTWidth = 7;
    p.gFUTHeight = 8;
    ParseFUTPosition("Left=100:Top=200", p);
    EXPECT_EQ(p.gFUTLeft, 100);
    EXPECT_EQ(p.gFUTTop, 200);
    EXPECT_EQ(p.gFUTWidth, 7);
    EXPECT_EQ(p.gFUTHeight, 8);
    ParseFUTPosition("Left=1:Top=x:Width=3:Height=4.5", p);
    EXPECT_EQ(p.gFUTLeft, 1);
    EXPECT_EQ(p.gFUTTop, 200);
    EXPECT_EQ(p.gFUTWidth, 3);
    EXPECT_EQ(p.gFUTHeight, 4.5);
}

TEST_F(PreferencesTest, PrinterMatchIsExactAndFirstWins) {
    std::vector<std::string> printers = {"office laser", "Office Laser", "Office Laser"};
    EXPECT_EQ(MatchDefaultPrinter(printers, "Office Laser"), 1);
    EXPECT_EQ(MatchDefaultPrinter(printers, "Office"), -1);
    EXPECT_EQ(MatchDefaultPrinter(printers, ""), -1);
    EXPECT_EQ(MatchDefaultPrinter({}, "Office Laser"), -1);
}

TEST_F(PreferencesTest, FailedSaveKeepsTheOldFileAndSaysSo) {
    fs::create_directory(dir + "UserPreferences.txt");
    prompter.Expect(MsgAnswer::OK, "\"UserPreferences.txt\" could not be read: it is not a regular file");
    GetUserPreferences(*s);
    prompter.Expect(MsgAnswer::OK, "SaveUserPreferences");
    EXPECT_FALSE(SaveUserPreferences(*s));
    EXPECT_TRUE(fs::is_directory(dir + "UserPreferences.txt"));

    // A drive change that could not be saved leaves the program on the drive the file names.
    std::string before = s->prefs.gPrefLines[1], root = s->prefs.gShareRoot;
    prompter.Expect(MsgAnswer::OK, "SaveUserPreferences");
    EXPECT_FALSE(SetShareDrive(*s, "R"));
    EXPECT_EQ(s->prefs.gPrefLines[1], before);
    EXPECT_EQ(s->prefs.gShareRoot, root);
    EXPECT_TRUE(prompter.Finished());
}

TEST_F(PreferencesTest, ExistingBackupFolderInAnyCaseIsLeftAlone) {
    fs::create_directory(dir + "backup");
    GetUserPreferences(*s);
    EXPECT_FALSE(fs::exists(dir + "Backup"));
}
