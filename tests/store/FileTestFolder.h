#pragma once
// A store on a fresh temporary data folder with a scripted prompter and a pinned clock, for the
// tests of the list files.
#include "store/Clock.h"
#include "store/ScriptedPrompter.h"
#include "store/Store.h"
#include "store/TextFile.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <unistd.h>

class FileTestFolder : public ::testing::Test {
protected:
    void SetUp() override {
        std::string t = (std::filesystem::temp_directory_path() / "orvelle-files-XXXXXX").string();
        dir_ = mkdtemp(t.data());
        store_ = std::make_unique<orvelle::Store>(dir_);
        store_->ui = &ui;
        Today(2009, 3, 5);
    }
    void TearDown() override {
        EXPECT_TRUE(ui.Finished()) << (ui.Failures().empty() ? "expected dialog missing" : ui.Failures()[0]);
        orvelle::Clock::Reset();
        std::filesystem::remove_all(dir_);
    }

    orvelle::Store& s() { return *store_; }
    void Today(int y, int m, int d, int secondsOfDay = 12 * 3600) {
        orvelle::Clock::Set({orvelle::DateSerial(y, m, d), secondsOfDay});
    }
    std::string Path(const std::string& name) const { return store_->gAppPath + name; }
    void Put(const std::string& name, const std::string& bytes) {
        std::filesystem::create_directories(std::filesystem::path(Path(name)).parent_path());
        ASSERT_TRUE(orvelle::WriteFileAtomic(Path(name), bytes));
    }
    // The file's bytes, or "<missing>".
    std::string Bytes(const std::string& name) const {
        return orvelle::ReadWholeFile(Path(name)).value_or("<missing>");
    }
    bool Exists(const std::string& name) const { return orvelle::PathIsFile(Path(name)); }
    std::string ErrorLog() const { return orvelle::ReadWholeFile(Path("Error.log")).value_or(""); }

    orvelle::ScriptedPrompter ui;

private:
    std::string dir_;
    std::unique_ptr<orvelle::Store> store_;
};
