#pragma once
// A planner window on a fresh data folder with a scripted prompter. Every test must have
// answered exactly the dialogs it expected.
#include "planner/PlannerPageView.h"
#include "planner/frmPlanner.h"
#include "platform/Dialogs.h"
#include "store/PlannerRecord.h"
#include "store/ScriptedPrompter.h"
#include "store/Store.h"
#include "store/TextFile.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>

#include <filesystem>
#include <gtest/gtest.h>
#include <memory>
#include <string>

namespace orvelle {

class PlannerWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string t = (std::filesystem::temp_directory_path() / "orvelle-planner-XXXXXX").string();
        dir = std::string(mkdtemp(t.data())) + "/";
        s = std::make_unique<Store>(dir);
        scoped = std::make_unique<ScopedPrompter>(*s, prompter);
    }
    void TearDown() override {
        if (w) {
            s->flags.gPlannerChanged = false;
            delete w.data();
        }
        EXPECT_TRUE(prompter.Finished()) << (prompter.Failures().empty() ? "answers left over"
                                                                         : prompter.Failures().front());
        scoped.reset();
        std::error_code ec;
        std::filesystem::remove_all(dir, ec);
    }

    // A window showing `date`, as the main window opens it.
    frmPlanner* Open(Date date) {
        w = new frmPlanner(*s);
        w->OpenPlannerFor(date);
        return w;
    }

    // Writes "<yyyy>/Planner.dat" with one line per (date, page).
    void WriteYear(int year, const std::vector<std::pair<Date, PlannerPage>>& days) {
        std::string content;
        for (const auto& [date, page] : days)
            content += FormatMmDdYy(date) + ":" + CellStampOf(date) + ":" + BuildPlannerRecord(page) + "\r\n";
        std::filesystem::create_directories(dir + std::to_string(year));
        ASSERT_TRUE(WriteFileAtomic(dir + std::to_string(year) + "/Planner.dat", content));
    }
    std::string ReadYear(int year) const {
        return ReadWholeFile(dir + std::to_string(year) + "/Planner.dat").value_or("<missing>");
    }

    static PlannerPage PageWith(int line, const std::string& text) {
        PlannerPage p;
        p.SetLine(line, text);
        return p;
    }

    QLineEdit* Box(int i) const { return w->findChild<QLineEdit*>(QString("txt_%1").arg(i)); }
    QLabel* Label(const QString& name) const { return w->findChild<QLabel*>(name); }
    QAction* Item(const char* name) const { return w->findChild<QAction*>(name); }
    QPushButton* DayButton(int k) const { return w->findChild<QPushButton*>(QString("cmdDay_%1").arg(k)); }

    // Lets deferred deletes of closed windows run.
    static void Settle() {
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QApplication::processEvents();
    }

    std::string dir;
    ScriptedPrompter prompter;
    std::unique_ptr<Store> s;
    std::unique_ptr<ScopedPrompter> scoped;
    QPointer<frmPlanner> w;
};

} // namespace orvelle
