#include "store/TextFile.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace orvelle;
namespace fs = std::filesystem;

namespace {
std::string TempDir() {
    std::string t = (fs::temp_directory_path() / "orvelle-textfile-XXXXXX").string();
    return mkdtemp(t.data());
}
} // namespace

TEST(TextFile, LinesSplitOnAnyLineEnd) {
    EXPECT_EQ(SplitLines("a\r\nb\nc\rd"), (std::vector<std::string>{"a", "b", "c", "d"}));
    EXPECT_EQ(SplitLines("a\r\n"), (std::vector<std::string>{"a"}));
    EXPECT_EQ(SplitLines("a\r\n\r\n"), (std::vector<std::string>{"a", ""}));
    EXPECT_TRUE(SplitLines("").empty());
    EXPECT_EQ(JoinCrLf({"x", ""}), "x\r\n\r\n");
}

TEST(TextFile, AtomicWriteReplacesWholeOrNothing) {
    std::string dir = TempDir();
    std::string path = dir + "/data.dat";
    ASSERT_TRUE(WriteFileAtomic(path, "old\r\n"));
    EXPECT_EQ(ReadWholeFile(path), "old\r\n");
    ASSERT_TRUE(WriteFileAtomic(path, std::string("\0\xff", 2)));
    EXPECT_EQ(ReadWholeFile(path)->size(), 2u);

    if (geteuid() != 0) { // root writes into read-only folders anyway
        ASSERT_TRUE(WriteFileAtomic(path, "kept"));
        chmod(dir.c_str(), 0555);
        std::string err;
        EXPECT_FALSE(WriteFileAtomic(path, "lost", &err));
        EXPECT_FALSE(err.empty());
        chmod(dir.c_str(), 0755);
        EXPECT_EQ(ReadWholeFile(path), "kept");
    }
    std::string err;
    EXPECT_FALSE(WriteFileAtomic(dir + "/missing/x.dat", "x", &err));
    EXPECT_FALSE(err.empty());
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator{}), 1); // no temp left
    fs::remove_all(dir);
}
