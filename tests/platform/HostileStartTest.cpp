// Start-up on a data folder spoilt on purpose: the lock file as a link or a folder, a folder
// that cannot be written, and the temporary files of interrupted saves.
#include "platform/DataFolder.h"
#include "platform/SingleInstance.h"

#include "store/ScriptedPrompter.h"
#include "store/Store.h"
#include "store/TextFile.h"

#include <QTemporaryDir>

#include <filesystem>
#include <grp.h>
#include <gtest/gtest.h>
#include <pwd.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace orvelle;
namespace fs = std::filesystem;

namespace {

struct HostileStart : ::testing::Test {
    QTemporaryDir tmp;
    std::string root, data, defaults;
    ScriptedPrompter ui;
    void SetUp() override {
        ASSERT_TRUE(tmp.isValid());
        root = tmp.path().toStdString() + "/";
        data = root + "data/";
        defaults = root + "defaults/";
        ASSERT_TRUE(MakeFolder(data));
        ASSERT_TRUE(MakeFolder(defaults));
    }
    std::unique_ptr<SingleInstance> Start() {
        Store s(data);
        s.ui = &ui;
        return StartRoutine(s, defaults);
    }
};

} // namespace

TEST_F(HostileStart, ALinkAsTheLockIsNeverFollowedAndTheStartStops) {
    std::string victim = root + "victim.txt";
    ASSERT_TRUE(WriteFileAtomic(victim, "the user's text"));
    fs::create_symlink(victim, data + kLockFileName);

    SingleInstance lock(data);
    EXPECT_FALSE(lock.Acquired());
    EXPECT_FALSE(lock.HeldElsewhere());
    EXPECT_EQ(lock.Problem(), "it is a link");

    ui.Expect(MsgAnswer::OK, "Orvelle.lock cannot be used (it is a link)");
    EXPECT_EQ(Start(), nullptr);
    EXPECT_TRUE(ui.Finished());
    EXPECT_EQ(ReadWholeFile(victim), "the user's text");
}

TEST_F(HostileStart, ALockThatCannotBeOpenedStopsTheStartInsteadOfLettingEveryCopyIn) {
    ASSERT_TRUE(MakeFolder(data + kLockFileName));
    ui.Expect(MsgAnswer::OK, "cannot make sure that it is the only copy");
    EXPECT_EQ(Start(), nullptr);
    EXPECT_TRUE(ui.Finished());

    fs::remove(data + kLockFileName);
    ASSERT_EQ(mkfifo((data + kLockFileName).c_str(), 0644), 0);
    ui.Expect(MsgAnswer::OK, "it is not a regular file");
    EXPECT_EQ(Start(), nullptr);
    EXPECT_TRUE(ui.Finished());
}

// Root writes into any folder, so as root the start runs in a child that has become nobody.
TEST_F(HostileStart, AReadOnlyDataFolderIsSaidAtStartUp) {
    ASSERT_EQ(chmod(data.c_str(), 0555), 0);
    uid_t uid = geteuid();
    gid_t gid = getegid();
    if (uid == 0) {
        const passwd* nobody = getpwnam("nobody");
        if (!nobody) GTEST_SKIP() << "running as root and there is no user \"nobody\" to start as";
        uid = nobody->pw_uid;
        gid = nobody->pw_gid;
        // Its own folder (so a refusal is about the write bits, not the owner) under a folder it can enter.
        ASSERT_EQ(chmod(root.c_str(), 0755), 0);
        ASSERT_EQ(chown(data.c_str(), uid, gid), 0);
    }
    pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        bool dropped = geteuid() != 0 || (setgroups(0, nullptr) == 0 && setgid(gid) == 0 && setuid(uid) == 0);
        if (!dropped || geteuid() == 0) _exit(3);
        ui.Expect(MsgAnswer::OK, "cannot be written to");
        bool refused = Start() == nullptr;
        _exit(!refused ? 1 : !ui.Finished() ? 2 : 0);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    chmod(data.c_str(), 0755);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_NE(WEXITSTATUS(status), 3) << "could not give up root";
    EXPECT_NE(WEXITSTATUS(status), 1) << "the start went on in a folder it cannot write";
    EXPECT_NE(WEXITSTATUS(status), 2) << "the start did not say that the folder cannot be written";
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_FALSE(fs::exists(data + kLockFileName));
}

TEST_F(HostileStart, TemporaryFilesOfInterruptedSavesAreRemovedAndNothingElse) {
    ASSERT_TRUE(MakeFolder(data + "2009"));
    ASSERT_TRUE(MakeFolder(root + "elsewhere"));
    for (const char* name : {"Notes.dat.tmp-aB3xY9", "2009/Planner.dat.tmp-000000", "elsewhere/x.tmp-abcdef"}) {
        std::string path = std::string(name).rfind("elsewhere", 0) == 0 ? root + name : data + name;
        ASSERT_TRUE(WriteFileAtomic(path, std::string(1000, 'x')));
    }
    // Look-alikes and other things stay: a longer suffix, a folder, a link into another folder.
    ASSERT_TRUE(WriteFileAtomic(data + "Notes.dat.tmp-aB3xY9z", "keep"));
    ASSERT_TRUE(MakeFolder(data + "Folder.tmp-abcdef"));
    fs::create_directory_symlink(root + "elsewhere", data + "2010");

    auto lock = Start();
    ASSERT_NE(lock, nullptr);
    EXPECT_TRUE(ui.Finished());
    EXPECT_FALSE(fs::exists(data + "Notes.dat.tmp-aB3xY9"));
    EXPECT_FALSE(fs::exists(data + "2009/Planner.dat.tmp-000000"));
    EXPECT_TRUE(fs::exists(root + "elsewhere/x.tmp-abcdef"));
    EXPECT_TRUE(fs::exists(data + "Notes.dat.tmp-aB3xY9z"));
    EXPECT_TRUE(fs::is_directory(data + "Folder.tmp-abcdef"));
    EXPECT_NE(ReadWholeFile(data + "Error.log").value_or("").find("2 temporary files left by interrupted saves"),
              std::string::npos);
}
