#include "common/MainWindowFixture.h"
#include "views/frmYear.h"

#include <QMdiArea>
#include <QMdiSubWindow>

namespace orvelle {
namespace {

class ViewSubWindows : public MainWindowTest {
protected:
    QList<QMdiSubWindow*> Subs() { return w->findChild<QMdiArea*>()->subWindowList(); }
    QWidget* Notes() { return w->findChild<QWidget*>("frmNotes"); }
};

// A view that is unloaded takes its sub-window along, so the child area holds only the view shown
// and the year view is what remains once the notes window on top of it closes.
TEST_F(ViewSubWindows, AnUnloadedViewLeavesNoSubWindowBehind) {
    Start();
    w->imgCal_MouseDown(1, Qt::LeftButton);
    w->imgCal_MouseDown(0, Qt::LeftButton);
    w->imgCal_MouseDown(2, Qt::LeftButton);
    Settle();
    ASSERT_EQ(Subs().size(), 1);
    EXPECT_EQ(Subs()[0]->widget(), w->yearView());

    DoubleClick(w->yearView()->picMonth[3], 5.5, 2.25); // 10 April 2009
    Settle();
    ASSERT_NE(Notes(), nullptr);
    ASSERT_EQ(Subs().size(), 2);
    Subs()[1]->close();
    Settle();
    EXPECT_EQ(Notes(), nullptr);
    ASSERT_EQ(Subs().size(), 1);
    EXPECT_EQ(w->findChild<QMdiArea*>()->activeSubWindow(), Subs()[0]);
    EXPECT_TRUE(w->yearView()->isVisible());
}

} // namespace
} // namespace orvelle
