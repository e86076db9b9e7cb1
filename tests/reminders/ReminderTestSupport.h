#pragma once
// Shared by the reminder tests: a fresh data folder with a store, a scripted prompter installed
// program-wide and the clock pinned to Thursday 5 March 2009, 2:05:09 PM.
#include "platform/Dialogs.h"
#include "store/Clock.h"
#include "store/ScriptedPrompter.h"
#include "store/Store.h"
#include "store/TextFile.h"

#include <QApplication>
#include <filesystem>
#include <gtest/gtest.h>
#include <memory>
#include <stdlib.h>

namespace orvelle::test {

struct ReminderTest : ::testing::Test {
    ReminderTest() {
        std::string t = (std::filesystem::temp_directory_path() / "orvelle-rem-XXXXXX").string();
        dir = std::string(mkdtemp(t.data())) + "/";
        s = std::make_unique<Store>(dir);
        scoped = std::make_unique<ScopedPrompter>(*s, prompter);
        SetToday(2009, 3, 5);
        s->dates.gSelectedDate = DateSerial(2009, 3, 5);
    }
    ~ReminderTest() override {
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        Clock::Reset();
        EXPECT_TRUE(prompter.Finished()) << (prompter.Failures().empty() ? "answers left over"
                                                                         : prompter.Failures().front());
        scoped.reset();
        std::error_code ec;
        std::filesystem::remove_all(dir, ec);
    }
    static void SetToday(int y, int m, int d, int seconds = 14 * 3600 + 5 * 60 + 9) {
        Clock::Set({DateSerial(y, m, d), seconds});
    }
    void Write(const std::string& name, const std::string& content) {
        std::filesystem::create_directories(std::filesystem::path(dir + name).parent_path());
        ASSERT_TRUE(WriteFileAtomic(dir + name, content));
    }
    std::string Read(const std::string& name) const { return ReadWholeFile(dir + name).value_or("<missing>"); }

    std::string dir;
    ScriptedPrompter prompter;
    std::unique_ptr<Store> s;
    std::unique_ptr<ScopedPrompter> scoped;
};

} // namespace orvelle::test
