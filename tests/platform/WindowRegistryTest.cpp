#include "platform/WindowRegistry.h"

#include "platform/CloseQuestions.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QMainWindow>
#include <QScreen>
#include <QTest>

#include <gtest/gtest.h>

#include <map>
#include <memory>

using namespace orvelle;

namespace {

// A window that notes when it is asked to close and may refuse.
class Probe : public QWidget {
public:
    Probe(std::vector<std::string>& log, std::string name, bool refuse = false)
        : log_(log), name_(std::move(name)), refuse_(refuse) {
        RegisterWindow(this);
    }
    std::function<void()> onClose;

protected:
    void closeEvent(QCloseEvent* e) override {
        log_.push_back(name_);
        if (onClose) onClose();
        if (refuse_) e->ignore();
        else e->accept();
    }

private:
    std::vector<std::string>& log_;
    std::string name_;
    bool refuse_;
};

} // namespace

TEST(WindowRegistry, UnloadsEveryWindowLastLoadedFirst) {
    std::vector<std::string> log;
    auto main = std::make_unique<Probe>(log, "frmMain");
    auto view = std::make_unique<Probe>(log, "frmYear");
    auto planner = std::make_unique<Probe>(log, "frmPlanner");
    RegisterWindow(main.get()); // a second registration keeps the first place
    view->show();               // shown or hidden, every loaded window is unloaded
    EXPECT_TRUE(UnloadAllFormsAndEnd());
    EXPECT_EQ(log, (std::vector<std::string>{"frmPlanner", "frmYear", "frmMain"}));
}

TEST(WindowRegistry, AWindowThatRefusesStopsTheShutdown) {
    std::vector<std::string> log;
    auto main = std::make_unique<Probe>(log, "frmMain");
    auto planner = std::make_unique<Probe>(log, "frmPlanner", true);
    auto notes = std::make_unique<Probe>(log, "frmNotes");
    main->show();
    planner->show();
    notes->show();
    EXPECT_FALSE(UnloadAllFormsAndEnd());
    EXPECT_EQ(log, (std::vector<std::string>{"frmNotes", "frmPlanner"}));
    EXPECT_TRUE(main->isVisible());
    EXPECT_TRUE(planner->isVisible());
    EXPECT_FALSE(notes->isVisible());
}

TEST(WindowRegistry, TheMainWindowsOwnUnloadMayCallItAgain) {
    std::vector<std::string> log;
    auto main = std::make_unique<Probe>(log, "frmMain");
    auto view = std::make_unique<Probe>(log, "frmYear");
    bool nested = false;
    main->onClose = [&] { nested = UnloadAllFormsAndEnd(); };
    EXPECT_TRUE(UnloadAllFormsAndEnd());
    EXPECT_TRUE(nested);
    EXPECT_EQ(log, (std::vector<std::string>{"frmYear", "frmMain"}));
}

// Windows with a close question ask it, the last loaded first, before any window closes; a No
// is carried out only once the end goes on, and counts again when a later refusal stops it.
TEST(WindowRegistry, EveryCloseQuestionComesBeforeAnyWindowCloses) {
    std::vector<std::string> log, asked;
    auto main = std::make_unique<Probe>(log, "frmMain");
    auto todo = std::make_unique<Probe>(log, "frmToDo");
    auto notes = std::make_unique<Probe>(log, "frmNotes");
    std::map<QWidget*, CloseAnswer> answer;
    std::map<QWidget*, bool> changed;
    for (auto [w, name] : {std::pair<QWidget*, std::string>{todo.get(), "frmToDo"}, {notes.get(), "frmNotes"}}) {
        changed[w] = true;
        SetCloseQuestion(w, [&, w, name] {
            asked.push_back(name);
            return answer[w];
        }, [&, w](bool c) { changed[w] = c; });
    }
    answer = {{notes.get(), CloseAnswer::DropEdits}, {todo.get(), CloseAnswer::Cancel}};
    EXPECT_FALSE(UnloadAllFormsAndEnd());
    EXPECT_EQ(asked, (std::vector<std::string>{"frmNotes", "frmToDo"}));
    EXPECT_TRUE(log.empty());
    EXPECT_TRUE(changed[notes.get()]);

    answer[todo.get()] = CloseAnswer::DropEdits;
    auto stubborn = std::make_unique<Probe>(log, "frmAlarm", true);
    EXPECT_FALSE(UnloadAllFormsAndEnd());
    EXPECT_EQ(log, (std::vector<std::string>{"frmAlarm"}));
    EXPECT_TRUE(changed[notes.get()] && changed[todo.get()]);
    stubborn.reset();
    log.clear();
    EXPECT_TRUE(UnloadAllFormsAndEnd());
    EXPECT_EQ(log, (std::vector<std::string>{"frmNotes", "frmToDo", "frmMain"}));
    EXPECT_FALSE(changed[notes.get()] || changed[todo.get()]);
}

TEST(WindowRegistry, DestroyedWindowsLeaveTheList) {
    std::vector<std::string> log;
    auto a = std::make_unique<Probe>(log, "a");
    QWidget* raw = a.get();
    EXPECT_TRUE(LoadedWindows().contains(raw));
    a.reset();
    EXPECT_FALSE(LoadedWindows().contains(raw));
}

TEST(WindowHelpers, TopmostOnlyWhenAskedAndCentredUnlessMinimised) {
    QWidget w;
    w.resize(300, 200);
    MakeMeTopmost(&w, false);
    EXPECT_FALSE(w.isVisible());
    EXPECT_FALSE(w.windowFlags() & Qt::WindowStaysOnTopHint);
    MakeMeTopmost(&w, true);
    EXPECT_TRUE(w.isVisible());
    EXPECT_TRUE(w.windowFlags() & Qt::WindowStaysOnTopHint);

    w.move(0, 0);
    CenterForm(&w);
    QRect screen = w.screen()->geometry();
    EXPECT_NEAR(w.frameGeometry().center().x(), screen.center().x(), 1);
    EXPECT_NEAR(w.frameGeometry().center().y(), screen.center().y(), 1);

    w.showMinimized();
    QPoint before = w.pos();
    w.move(5, 5);
    before = w.pos();
    CenterForm(&w);
    EXPECT_EQ(w.pos(), before);
}

// A window opened by a command comes above a window kept on top; the main window is never put
// among those, and a window kept on top for its own sake stays on top when it is opened so.
TEST(WindowHelpers, ShowInFrontKeepsTheWindowsKeptOnTopAsTheyAre) {
    QMainWindow main;
    main.show();
    QWidget kept(&main, Qt::Window);
    MakeMeTopmost(&kept, true);
    QWidget dialog(&main, Qt::Dialog);
    ShowInFront(&dialog);
    EXPECT_TRUE(dialog.windowFlags() & Qt::WindowStaysOnTopHint);
    ShowInFront(&main);
    EXPECT_FALSE(main.windowFlags() & Qt::WindowStaysOnTopHint);
    dialog.hide();
    ShowInFront(&kept);
    EXPECT_TRUE(kept.windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_TRUE(QTest::qWaitForWindowActive(&kept));
}
