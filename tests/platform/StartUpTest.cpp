#include "platform/DataFolder.h"
#include "platform/SingleInstance.h"

#include "platform/Dialogs.h"
#include "store/ScriptedPrompter.h"
#include "store/Store.h"
#include "store/TextFile.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

using namespace orvelle;

namespace {

struct Folders : ::testing::Test {
    QTemporaryDir tmp;
    std::string root;
    std::string data;     // the data folder, not created yet
    std::string defaults; // a shipped-defaults folder
    void SetUp() override {
        ASSERT_TRUE(tmp.isValid());
        root = tmp.path().toStdString() + "/";
        data = root + "home/orvelle/";
        defaults = root + "defaults/";
        ASSERT_TRUE(MakeFolder(defaults + "Images"));
        ASSERT_TRUE(WriteFileAtomic(defaults + "Marker Colors.dat", "Shipped:255\r\n"));
        ASSERT_TRUE(WriteFileAtomic(defaults + "Images/1.ico", std::string("\0\0\1\0\xFF", 5)));
    }
    std::string Read(const std::string& path) { return ReadWholeFile(path).value_or("<missing>"); }
};

} // namespace

TEST_F(Folders, SecondCopyOnTheSameFolderIsRefusedUntilTheFirstEnds) {
    ASSERT_TRUE(MakeFolder(data));
    auto first = std::make_unique<SingleInstance>(data);
    EXPECT_TRUE(first->Acquired());
    SingleInstance second(data);
    EXPECT_FALSE(second.Acquired());
    EXPECT_TRUE(second.HeldElsewhere());

    // Another process is refused as well.
    pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        SingleInstance other(data);
        _exit(other.HeldElsewhere() ? 7 : 1);
    }
    int status = 0;
    waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 7);

    first.reset();
    SingleInstance third(data);
    EXPECT_TRUE(third.Acquired());
}

TEST_F(Folders, LockFileLeftByACrashIsTakenOver) {
    ASSERT_TRUE(MakeFolder(data));
    ASSERT_TRUE(WriteFileAtomic(data + kLockFileName, "999999\n"));
    SingleInstance lock(data);
    EXPECT_TRUE(lock.Acquired());
    EXPECT_EQ(Read(data + kLockFileName), std::to_string(getpid()) + "\n");
}

TEST_F(Folders, SeedingCopiesWhatIsMissingAndNeverOverwrites) {
    ASSERT_TRUE(MakeFolder(data));
    ASSERT_TRUE(WriteFileAtomic(data + "Marker Colors.dat", "Mine:128\r\n"));
    SeedResult r = SeedDataFolder(data, defaults);
    EXPECT_EQ(r.copied, std::vector<std::string>{"Images/1.ico"});
    EXPECT_TRUE(r.failed.empty());
    EXPECT_EQ(Read(data + "Marker Colors.dat"), "Mine:128\r\n");
    EXPECT_EQ(Read(data + "Images/1.ico"), std::string("\0\0\1\0\xFF", 5));

    // An empty file is the user's too.
    ASSERT_TRUE(WriteFileAtomic(data + "Images/1.ico", ""));
    r = SeedDataFolder(data, defaults);
    EXPECT_TRUE(r.copied.empty());
    EXPECT_EQ(Read(data + "Images/1.ico"), "");
}

TEST_F(Folders, StartCreatesAndSeedsTheFolderWithoutAQuestionAndThePicturesFollow) {
    Store s(data);
    ScriptedPrompter script;
    ScopedPrompter scope(s, script);
    auto lock = StartRoutine(s, defaults);
    ASSERT_NE(lock, nullptr);
    EXPECT_TRUE(lock->Acquired());
    EXPECT_EQ(Read(data + "Marker Colors.dat"), "Shipped:255\r\n");
    // The pictures wait until the window is up, or until one is read before then.
    EXPECT_FALSE(PathIsFile(data + "Images/1.ico"));
    WaitForShippedPictures();
    EXPECT_EQ(Read(data + "Images/1.ico"), std::string("\0\0\1\0\xFF", 5));
    FinishSeeding(s);
    EXPECT_FALSE(PathIsFile(data + "Error.log"));
    EXPECT_TRUE(script.Finished());
}

TEST_F(Folders, StartOfASecondCopyShowsTheMessageAndTouchesNothing) {
    ASSERT_TRUE(MakeFolder(data));
    SingleInstance running(data);
    Store s(data);
    ScriptedPrompter script;
    ScopedPrompter scope(s, script);
    script.Expect(MsgAnswer::OK, "Another instance of this application is already running.");
    EXPECT_EQ(StartRoutine(s, defaults), nullptr);
    EXPECT_TRUE(script.Finished());
    EXPECT_FALSE(PathIsFile(data + "Marker Colors.dat"));
}

TEST_F(Folders, AShippedFileThatCannotBeCopiedIsLoggedAndTheStartGoesOn) {
    ASSERT_TRUE(MakeFolder(data));
    ASSERT_TRUE(WriteFileAtomic(data + "Images", "a file where a folder belongs"));
    Store s(data);
    ScriptedPrompter script;
    ScopedPrompter scope(s, script);
    EXPECT_NE(StartRoutine(s, defaults), nullptr);
    EXPECT_EQ(Read(data + "Marker Colors.dat"), "Shipped:255\r\n");
    FinishSeeding(s);
    EXPECT_TRUE(script.Finished()); // logged, not asked
    EXPECT_NE(Read(data + "Error.log").find("Images/1.ico"), std::string::npos);
}

TEST_F(Folders, TheShippedDefaultsSeedAnEmptyFolderByteForByte) {
    std::string shipped = std::string(ORVELLE_DEFAULTS) + "/";
    SeedResult r = SeedDataFolder(data, shipped);
    EXPECT_TRUE(r.failed.empty());
    for (const char* name : {"Marker Colors.dat", "UserPreferences.txt"}) {
        EXPECT_EQ(Read(data + name), Read(shipped + name)) << name;
    }
}
