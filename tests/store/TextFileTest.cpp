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

// A large file read a piece at a time must give the lines SplitLines gives of its whole content,
// whichever line end falls where one piece ends and the next begins.
TEST(TextFile, FileLinesCutAsSplitLinesWhereverThePiecesEnd) {
    std::string dir = TempDir(), path = dir + "/lines.dat";
    const char* ends[] = {"\r\n", "\n", "\r"};
    int files = 0;
    for (int delta = -2; delta <= 2; ++delta) {
        for (const char* end : ends) {
            for (const char* last : {"", "\r", "\n", "\r\n", "\r\n\r\n", "\r\r"}) {
                // A line end on and around the last byte of the first and the second piece
                // (65536 bytes each), after whole lines and after none.
                std::string content;
                for (size_t boundary : {size_t(65536), size_t(2 * 65536)}) {
                    for (int i = 0; i < 3; ++i) content += std::string(1000, char('a' + i)) + end;
                    content += std::string(boundary - 1 + delta - content.size(), 'z') + end;
                }
                content += std::string("\r\nx\n\ry") + last;
                ASSERT_TRUE(WriteFileAtomic(path, content));
                FileLines lines;
                ASSERT_TRUE(lines.Open(path, content.size()));
                EXPECT_EQ(lines.Stamp(), StampOf(path));
                std::vector<std::string> got;
                std::string_view line;
                while (lines.Next(line)) got.emplace_back(line);
                EXPECT_FALSE(lines.Failed());
                ASSERT_EQ(got, SplitLines(content)) << "delta " << delta << " end " << int(end[0]) << end[1];
                ++files;
            }
        }
    }
    EXPECT_EQ(files, 5 * 3 * 6);
    FileLines tooLarge;
    EXPECT_FALSE(tooLarge.Open(path, 10));
    FileLines missing;
    EXPECT_FALSE(missing.Open(dir + "/none.dat", 1000));
    fs::remove_all(dir);
}
