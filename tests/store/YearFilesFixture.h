#pragma once
// A Store on a fresh data folder with a scripted prompter, for the per-year notes and planner
// files. Every test must have answered exactly the dialogs it expected.
#include "store/ScriptedPrompter.h"
#include "store/Store.h"
#include "store/TextFile.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <memory>
#include <string>

namespace orvelle {

class YearFilesTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string t = (std::filesystem::temp_directory_path() / "orvelle-years-XXXXXX").string();
        dir = std::string(mkdtemp(t.data())) + "/";
        s = std::make_unique<Store>(dir);
        s->ui = &prompter;
    }
    void TearDown() override {
        EXPECT_TRUE(prompter.Finished()) << (prompter.Failures().empty() ? "answers left over"
                                                                         : prompter.Failures().front());
        std::error_code ec;
        std::filesystem::remove_all(dir, ec);
    }

    void Select(int y, int m, int d) { s->dates.gSelectedDate = DateSerial(y, m, d); }
    std::string Read(const std::string& name) const { return ReadWholeFile(dir + name).value_or("<missing>"); }
    void Write(const std::string& name, const std::string& content) const {
        std::filesystem::create_directories(std::filesystem::path(dir + name).parent_path());
        ASSERT_TRUE(WriteFileAtomic(dir + name, content));
    }
    bool Exists(const std::string& name) const { return std::filesystem::exists(dir + name); }
    std::string ErrorLog() const { return ReadWholeFile(dir + "Error.log").value_or(""); }

    std::string dir;
    ScriptedPrompter prompter;
    std::unique_ptr<Store> s;
};

} // namespace orvelle
