#include "common/MainWindowFixture.h"
#include "mainwindow/ChildScroll.h"
#include "platform/MdiChildren.h"
#include "views/frmYear.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScrollBar>

namespace orvelle {
namespace {

TEST(ChildScroll, RangeOfTheBar) {
    PageScrollRange r = PageScrollRangeFor(6000);
    EXPECT_EQ(r.maximum, 9870);
    EXPECT_EQ(r.largeChange, 6000);
    EXPECT_EQ(r.smallChange, 3000);
    // Halves of an odd height go to the even neighbour.
    EXPECT_EQ(PageScrollRangeFor(6001).smallChange, 3000);
    EXPECT_EQ(PageScrollRangeFor(6003).smallChange, 3002);
    // An area taller than the page leaves nothing to scroll, never a negative maximum.
    EXPECT_EQ(PageScrollRangeFor(15870).maximum, 0);
    EXPECT_EQ(PageScrollRangeFor(20000).maximum, 0);
}

TEST(ChildScroll, PageKeys) {
    EXPECT_EQ(ValueAfterPageKey(kKeyPageUp, 7000, 6000), 1000);
    EXPECT_EQ(ValueAfterPageKey(kKeyPageUp, 4000, 6000), 0);
    EXPECT_EQ(ValueAfterPageKey(kKeyPageUp, 6000, 6000), 0);
    // Page Down: a whole page while more than a page is left below, then the page's bottom
    // meets the area's bottom.
    EXPECT_EQ(ChildOverhang(0, kPageHeightTwips, 6000), 9840);
    EXPECT_EQ(ValueAfterPageKey(kKeyPageDown, 0, 6000), 6000);
    EXPECT_EQ(ChildOverhang(-6000, kPageHeightTwips, 6000), 3840);
    EXPECT_EQ(ValueAfterPageKey(kKeyPageDown, 6000, 6000), 9840);
    EXPECT_EQ(ValueAfterPageKey(kKeyPageDown, 9840, 6000), 9840);
    // A page shorter than the area stays at the top.
    EXPECT_EQ(ValueAfterPageKey(kKeyPageDown, 0, 20000), 0);
    // Any other key leaves the value alone.
    EXPECT_EQ(ValueAfterPageKey(40, 7000, 6000), 7000);
    EXPECT_EQ(ValueAfterPageKey(0, 123, 6000), 123);
}

class PageInChildArea : public MainWindowTest {
protected:
    // A screen too small to start maximised, so that the window can be resized.
    void SetUp() override {
        MainWindowTest::SetUp();
        SetScreenPixelsForTests(QSize(1000, 700));
    }
    // A letter-size page window as the report windows are: fitted, then the bar is shown.
    QWidget* LoadPage() {
        auto* page = new QWidget;
        page->setObjectName("frmPage");
        QMdiSubWindow* sub = AddMdiChild(w->mdiArea(), page);
        sub->setWindowFlags(Qt::FramelessWindowHint);
        sub->show();
        w->ReAdjustScrollBar(page);
        w->picScroll->show();
        Settle();
        return page;
    }
    int AreaTwips() const { return static_cast<int>(std::nearbyint(PixelsToTwipsY(w->mdiArea()->viewport()->height()))); }
};

TEST_F(PageInChildArea, TheBarMovesThePage) {
    frmMain& m = Start();
    QWidget* page = LoadPage();
    QMdiSubWindow* sub = MdiSubWindowOf(page);
    EXPECT_EQ(sub->size(), QSize(TwipsToPixelsX(12240), TwipsToPixelsY(15840)));
    EXPECT_EQ(sub->y(), 0);
    int area = AreaTwips();
    EXPECT_EQ(s->view.gClientAreaHeight, area);
    EXPECT_EQ(m.VScroll1->maximum(), 15840 - area + 30);
    EXPECT_EQ(m.VScroll1->pageStep(), area);

    m.VScroll1->setValue(1500);
    EXPECT_EQ(sub->y(), -TwipsToPixelsY(1500));
    m.ScrollOnPageKey(page, kKeyPageUp);
    EXPECT_EQ(m.VScroll1->value(), 0);
    EXPECT_EQ(sub->y(), 0);
    m.ScrollOnPageKey(page, kKeyPageDown);
    EXPECT_EQ(s->view.gChildOverhang, 15840 - area);
    EXPECT_EQ(m.VScroll1->value(), std::min(area, 15840 - area));
    m.ScrollOnPageKey(page, kKeyPageDown);
    m.ScrollOnPageKey(page, kKeyPageDown);
    // At the end the page's bottom meets the area's bottom.
    EXPECT_EQ(m.VScroll1->value(), 15840 - area);
    EXPECT_NEAR(sub->y() + sub->height(), m.mdiArea()->viewport()->height(), 1);
    m.ScrollOnPageKey(page, 13);
    EXPECT_EQ(m.VScroll1->value(), 15840 - area);
}

TEST_F(PageInChildArea, ResizingTheMainWindowFitsThePageAgain) {
    frmMain& m = Start();
    QWidget* page = LoadPage();
    QMdiSubWindow* sub = MdiSubWindowOf(page);
    m.VScroll1->setValue(2000);
    sub->resize(100, 100);
    m.resize(m.width(), m.height() - 60);
    Settle();
    EXPECT_EQ(sub->size(), QSize(TwipsToPixelsX(12240), TwipsToPixelsY(15840)));
    EXPECT_EQ(sub->y(), 0);
    EXPECT_EQ(m.VScroll1->value(), 0);
    EXPECT_EQ(s->view.gClientAreaHeight, AreaTwips());
    EXPECT_EQ(m.VScroll1->maximum(), 15840 - AreaTwips() + 30);

    // Once the page has closed the bar moves nothing and a resize fits nothing.
    sub->close();
    Settle();
    m.VScroll1->setValue(100);
    m.resize(m.width(), m.height() + 60);
    Settle();
    EXPECT_EQ(MdiSubWindowOf(m.yearView())->geometry(), m.mdiArea()->viewport()->rect());
}

TEST_F(PageInChildArea, ACalendarViewIsNotAPage) {
    frmMain& m = Start();
    QMdiSubWindow* view = MdiSubWindowOf(m.yearView());
    QRect before = view->geometry();
    m.VScroll1->setMaximum(5000);
    m.VScroll1->setValue(3000);
    m.resize(m.width() - 40, m.height());
    Settle();
    EXPECT_EQ(view->geometry().topLeft(), before.topLeft());
    EXPECT_EQ(view->geometry(), m.mdiArea()->viewport()->rect());
}

} // namespace
} // namespace orvelle
