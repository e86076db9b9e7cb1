#include "StoreTestFolder.h"

#include "store/ErrorLog.h"
#include "store/FileChecks.h"

#include <filesystem>

using namespace orvelle;
namespace fs = std::filesystem;

namespace {

class ErrorLogTest : public StoreTestFolder {};

// The clock is pinned to 5 March 2009, 2:05:09 PM.
const std::string kEntry = "3/5/2009 2:05:09 PM\r\n"
                           "An error occurred in ReadAlerts.\r\n"
                           "Error Number: 53\r\n"
                           "Error Description: File not found\r\n"
                           "\r\n";

} // namespace

TEST_F(ErrorLogTest, FirstErrorCreatesTheLogWithTheBoxText) {
    prompter.Expect(MsgAnswer::OK, "An error occurred in ReadAlerts.");
    LogError(*s, "ReadAlerts", 53, "File not found");
    ASSERT_EQ(prompter.SeenDialogs().size(), 1u);
    EXPECT_EQ(prompter.SeenDialogs()[0].text, kEntry);
    EXPECT_EQ(prompter.SeenDialogs()[0].title, "Program Error");
    EXPECT_EQ(Read("Error.log"), kEntry);
}

TEST_F(ErrorLogTest, EntriesFollowEachOtherAndNegativeNumbersKeepTheirSign) {
    prompter.Expect(MsgAnswer::OK).Expect(MsgAnswer::OK);
    LogError(*s, "ReadAlerts", 53, "File not found");
    LogError(*s, "SaveToDoList", -5, "Bad");
    EXPECT_EQ(Read("Error.log"), kEntry + "3/5/2009 2:05:09 PM\r\nAn error occurred in SaveToDoList.\r\n"
                                          "Error Number: -5\r\nError Description: Bad\r\n\r\n");
    // Log-only entries show nothing.
    EXPECT_TRUE(AppendToErrorLog(*s, "ReadAlerts", 53, "File not found"));
    EXPECT_EQ(prompter.SeenDialogs().size(), 2u);
}

TEST_F(ErrorLogTest, ReadOnlyLogIsMadeWritableAndAppended) {
    Write("Error.log", kEntry);
    fs::permissions(dir + "Error.log", fs::perms::owner_read | fs::perms::group_read);
    prompter.Expect(MsgAnswer::OK);
    LogError(*s, "ReadAlerts", 53, "File not found");
    EXPECT_EQ(Read("Error.log"), kEntry + kEntry);
    EXPECT_NE(fs::status(dir + "Error.log").permissions() & fs::perms::owner_write, fs::perms::none);
}

TEST_F(ErrorLogTest, LargeLogKeepsGrowing) {
    std::string big(40 * 1024 + 7, 'x');
    Write("Error.log", big);
    prompter.Expect(MsgAnswer::OK).Expect(MsgAnswer::OK);
    LogError(*s, "ReadAlerts", 53, "File not found");
    LogError(*s, "ReadAlerts", 53, "File not found");
    EXPECT_EQ(Read("Error.log"), big + kEntry + kEntry);
}

TEST_F(ErrorLogTest, UnwritableLogSaysSoOnce) {
    fs::create_directory(dir + "Error.log");
    prompter.Expect(MsgAnswer::OK, "ReadAlerts").Expect(MsgAnswer::OK, "Error writing to Error.log.");
    LogError(*s, "ReadAlerts", 53, "File not found");
    ASSERT_EQ(prompter.SeenDialogs().size(), 2u);
    EXPECT_EQ(prompter.SeenDialogs()[1].text, "Error writing to Error.log.");
    EXPECT_EQ(prompter.SeenDialogs()[1].title, "") << "the program's own title";
    EXPECT_FALSE(AppendToErrorLog(*s, "ReadAlerts", 53, "File not found"));
}

TEST_F(ErrorLogTest, FileExistsTakesTheNameLiterally) {
    Write("Alerts.dat", "");
    Write(".hidden.dat", "");
    fs::create_directory(dir + "2009");
    Write("2009/Notes.dat", "");
    EXPECT_TRUE(FileExists(dir, "Alerts.dat"));
    EXPECT_TRUE(FileExists(dir, ".hidden.dat"));
    EXPECT_TRUE(FileExists(dir + "2009/", "Notes.dat"));
    EXPECT_FALSE(FileExists(dir, "2009")) << "a folder is not a file";
    EXPECT_FALSE(FileExists(dir, "*.dat"));
    EXPECT_FALSE(FileExists(dir, "Alerts.da?"));
    EXPECT_FALSE(FileExists(dir, ""));
    EXPECT_FALSE(FileExists(dir + "missing/", "Alerts.dat"));
    Write("a?c", "");
    EXPECT_TRUE(FileExists(dir, "a?c"));
    EXPECT_FALSE(FileExists(dir, "abc"));
}

TEST_F(ErrorLogTest, FolderExistsIgnoresCaseAndFiles) {
    fs::create_directory(dir + "2009");
    fs::create_directory(dir + "Backup");
    Write("Holidays", "");
    EXPECT_TRUE(FolderExists(*s, dir, "2009"));
    EXPECT_TRUE(FolderExists(*s, dir, "backup"));
    EXPECT_TRUE(FolderExists(*s, dir, "BACKUP"));
    EXPECT_FALSE(FolderExists(*s, dir, "Backu"));
    EXPECT_FALSE(FolderExists(*s, dir, "Holidays")) << "a file of that name is no folder";
    EXPECT_FALSE(FolderExists(*s, dir + "missing/", "2009"));
}

TEST_F(ErrorLogTest, IllegalFileNameNamesTheForbiddenCharacters) {
    for (const char* bad : {"a/b", "a\\b", "c:", "*.pln", "what?", "<x", "x>", "a|b"}) {
        prompter.Expect(MsgAnswer::OK, "Action Cancelled. File Name cannot include any of \r\n"
                                       "the following characters: / \\ : * ? < > |");
        EXPECT_TRUE(IllegalFileName(*s, bad)) << bad;
    }
    EXPECT_FALSE(IllegalFileName(*s, "Monday's plan.pln"));
    EXPECT_FALSE(IllegalFileName(*s, ""));
}
