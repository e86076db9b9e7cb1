#include "platform/WindowRegistry.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QScreen>
#include <QTest>

#include <gtest/gtest.h>

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

// A window a command opens comes up active with the keyboard in its first control, or in the
// control named, or again where it was; above a window kept on top, which stays on top itself.
TEST(WindowHelpers, ShowInFrontOpensAWindowWithTheKeyboard) {
    QMainWindow main;
    main.resize(400, 300);
    main.show();
    QWidget kept(&main, Qt::Window);
    MakeMeTopmost(&kept, true);

    QWidget dialog(&main, Qt::Dialog);
    new QLabel("Name", &dialog);
    auto* first = new QLineEdit(&dialog);
    auto* second = new QLineEdit(&dialog);
    second->move(0, 30);
    ShowInFront(&dialog);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    EXPECT_EQ(QApplication::focusWidget(), first);
    EXPECT_TRUE(dialog.windowFlags() & Qt::WindowStaysOnTopHint);

    second->setFocus();
    dialog.showMinimized();
    main.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&main));
    ShowInFront(&dialog);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    EXPECT_FALSE(dialog.isMinimized());
    EXPECT_EQ(QApplication::focusWidget(), second);
    ShowInFront(&dialog, first);
    EXPECT_EQ(QApplication::focusWidget(), first);

    // The main window and the window kept on top stay as they are.
    ShowInFront(&main);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&main));
    EXPECT_FALSE(main.windowFlags() & Qt::WindowStaysOnTopHint);
    dialog.hide();
    ShowInFront(&kept);
    EXPECT_TRUE(kept.windowFlags() & Qt::WindowStaysOnTopHint);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&kept));
}
