#include "platform/MdiChildren.h"

#include "platform/MdiCaption.h"

#include "platform/Twips.h"
#include "platform/WindowRegistry.h"

#include <QApplication>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPointer>

#include <gtest/gtest.h>

using namespace orvelle;

namespace {

QStringList MenuTitles(QMainWindow& frame) {
    QStringList out;
    for (QAction* a : frame.menuBar()->actions()) out << a->text();
    return out;
}

struct Frame : ::testing::Test {
    QMainWindow frame;
    QMdiArea* area = new QMdiArea;
    void SetUp() override {
        frame.setCentralWidget(area);
        frame.menuBar()->addMenu("&File");
        frame.menuBar()->addMenu("&View");
        frame.resize(1000, 800);
        frame.show();
    }
    // A child with a hidden menu bar of its own, as the planner window has.
    QWidget* ChildWithMenus() {
        auto* child = new QWidget;
        auto* bar = new QMenuBar(child);
        bar->addMenu("&Planner")->addAction("Save");
        bar->addMenu("&Exit");
        SetMdiChildMenuBar(child, bar);
        return child;
    }
};

} // namespace

TEST_F(Frame, ChildGetsTheClientSizeInTwipsAndIsDeletedWhenClosed) {
    auto* child = new QWidget;
    child->setWindowTitle("12 Month View");
    QPointer<QMdiSubWindow> sub = AddMdiChild(area, child, 11880, 8310);
    sub->show();
    QApplication::processEvents();
    EXPECT_EQ(child->size(), QSize(TwipsToPixelsX(11880), TwipsToPixelsY(8310)));
    EXPECT_EQ(sub->windowTitle(), "12 Month View");
    EXPECT_EQ(MdiSubWindowOf(child), sub.data());
    EXPECT_TRUE(LoadedWindows().contains(child));

    QPointer<QWidget> guard = child;
    sub->close();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(guard.isNull());
    EXPECT_TRUE(sub.isNull());
    EXPECT_FALSE(LoadedWindows().contains(guard.data()));
}

TEST_F(Frame, ActiveChildWithItsOwnMenusReplacesTheFrameMenus) {
    MdiMenuSwitcher switcher(&frame, area);
    const QStringList frameMenus{"&File", "&View"};
    EXPECT_EQ(MenuTitles(frame), frameMenus);

    QWidget* planner = ChildWithMenus();
    QMdiSubWindow* plannerSub = AddMdiChild(area, planner);
    plannerSub->show();
    area->setActiveSubWindow(plannerSub);
    EXPECT_EQ(MenuTitles(frame), (QStringList{"&Planner", "&Exit"}));
    EXPECT_EQ(switcher.ShownChild(), planner);

    // A view without menus of its own brings the frame's back.
    auto* view = new QWidget;
    QMdiSubWindow* viewSub = AddMdiChild(area, view);
    viewSub->show();
    area->setActiveSubWindow(viewSub);
    EXPECT_EQ(MenuTitles(frame), frameMenus);

    area->setActiveSubWindow(plannerSub);
    EXPECT_EQ(MenuTitles(frame), (QStringList{"&Planner", "&Exit"}));

    // Closing the planner gives the frame its menus again, whatever becomes active.
    plannerSub->close();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(MenuTitles(frame), frameMenus);
    viewSub->close();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(MenuTitles(frame), frameMenus);
}

// Captions lent by children come back in the right order whichever child goes first, and never
// over a caption the frame was given meanwhile.
TEST_F(Frame, LentCaptionsAreGivenBackAsTheChildrenClose) {
    MdiCaptionFollower follower(&frame, area);
    frame.setWindowTitle("Calendar");
    auto open = [this](const QString& caption) {
        auto* child = new QWidget;
        child->setWindowTitle(caption);
        QMdiSubWindow* sub = AddMdiChild(area, child);
        sub->show();
        LendFrameCaption(child, "Frame: " + caption);
        return sub;
    };
    auto close = [](QMdiSubWindow* sub) {
        sub->close();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    };
    QMdiSubWindow* first = open("One");
    QMdiSubWindow* second = open("Two");
    EXPECT_EQ(FrameCaption(&frame), "Frame: Two");
    close(first);
    EXPECT_EQ(FrameCaption(&frame), "Frame: Two");
    close(second);
    EXPECT_EQ(frame.windowTitle(), "Calendar");

    QMdiSubWindow* third = open("Three");
    frame.setWindowTitle("Calendar 2010");
    close(third);
    EXPECT_EQ(frame.windowTitle(), "Calendar 2010");
}
