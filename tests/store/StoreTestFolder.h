#pragma once
// A Store on a fresh temporary data folder with a scripted prompter, removed afterwards.
#include "store/Clock.h"
#include "store/ScriptedPrompter.h"
#include "store/Store.h"
#include "store/TextFile.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <memory>
#include <string>

namespace orvelle {

inline std::string MakeTempFolder(const char* tag) {
    std::string t = (std::filesystem::temp_directory_path() / (std::string("orvelle-") + tag + "-XXXXXX")).string();
    return std::string(mkdtemp(t.data())) + "/";
}

class StoreTestFolder : public ::testing::Test {
protected:
    void SetUp() override {
        dir = MakeTempFolder("core");
        s = std::make_unique<Store>(dir);
        s->ui = &prompter;
        Clock::Set({DateSerial(2009, 3, 5), 14 * 3600 + 5 * 60 + 9});
    }
    void TearDown() override {
        Clock::Reset();
        EXPECT_TRUE(prompter.Finished()) << (prompter.Failures().empty() ? "answers left over"
                                                                         : prompter.Failures().front());
        std::error_code ec;
        std::filesystem::permissions(dir, std::filesystem::perms::owner_all, ec);
        std::filesystem::remove_all(dir, ec);
    }
    std::string Read(const std::string& name) const { return ReadWholeFile(dir + name).value_or("<missing>"); }
    void Write(const std::string& name, const std::string& content) const {
        ASSERT_TRUE(WriteFileAtomic(dir + name, content));
    }

    std::string dir;
    ScriptedPrompter prompter;
    std::unique_ptr<Store> s;
};

} // namespace orvelle
