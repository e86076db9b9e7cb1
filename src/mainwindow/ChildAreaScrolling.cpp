// frmMain's page scroll bar: letter-size page windows in the child area are fitted to the page
// size and pushed up by the bar beside the area (picScroll / VScroll1), by its thumb and by the
// page keys.
#include "mainwindow/ChildScroll.h"
#include "mainwindow/frmMain.h"
#include "platform/MdiChildren.h"
#include "platform/Twips.h"
#include "store/Store.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScrollBar>
#include <QSignalBlocker>

#include <algorithm>

namespace orvelle {
namespace {

// What moves and is sized for a child: its sub-window inside the child area.
QWidget* Frame(QWidget* child) {
    QMdiSubWindow* sub = MdiSubWindowOf(child);
    return sub ? static_cast<QWidget*>(sub) : child;
}

} // namespace

void frmMain::ConnectChildScroll() {
    VScroll1->setMinimum(0);
    VScroll1->setMaximum(0);
    // With tracking on, the page follows the thumb while it is dragged as well as on a change.
    VScroll1->setTracking(true);
    connect(VScroll1, &QScrollBar::valueChanged, this, [this] { VScroll1_Change(); });
}

void frmMain::ReAdjustScrollBar(QWidget* child) {
    if (!child) return;
    pages_.erase(std::remove(pages_.begin(), pages_.end(), nullptr), pages_.end());
    if (std::find(pages_.begin(), pages_.end(), child) == pages_.end()) pages_.emplace_back(child);

    picScroll->setFixedWidth(TwipsToPixelsX(255));
    QWidget* frame = Frame(child);
    frame->setGeometry(frame->x(), 0, TwipsToPixelsX(kPageWidthTwips), TwipsToPixelsY(kPageHeightTwips));
    child->update();

    int area = RoundTwips(PixelsToTwipsY(mdi_->viewport()->height()));
    store_.view.gClientAreaHeight = area;
    PageScrollRange range = PageScrollRangeFor(area);
    // The page is back at the top, so the bar is too: the two never disagree.
    QSignalBlocker quiet(VScroll1);
    VScroll1->setValue(0);
    VScroll1->setRange(0, range.maximum);
    VScroll1->setPageStep(range.largeChange);
    VScroll1->setSingleStep(range.smallChange);
}

void frmMain::ScrollChildForm(QWidget* child) {
    if (!child) return;
    QWidget* frame = Frame(child);
    frame->move(frame->x(), -TwipsToPixelsY(VScroll1->value()));
}

void frmMain::GetFormBottom(QWidget* child) {
    if (!child) return;
    QWidget* frame = Frame(child);
    store_.view.gChildOverhang =
        ChildOverhang(PixelsToTwipsY(frame->y()), PixelsToTwipsY(frame->height()), store_.view.gClientAreaHeight);
}

void frmMain::ScrollOnPageKey(QWidget* child, int keyCode) {
    if (!child || (keyCode != kKeyPageUp && keyCode != kKeyPageDown)) return;
    if (keyCode == kKeyPageDown) GetFormBottom(child);
    int height = RoundTwips(PixelsToTwipsY(Frame(child)->height()));
    // Setting the value moves the page through the bar's change.
    VScroll1->setValue(ValueAfterPageKey(keyCode, VScroll1->value(), store_.view.gClientAreaHeight, height));
}

void frmMain::VScroll1_Change() {
    // The bar moves the active page window; with another window active (the notes over a report)
    // it moves the page last fitted, never a window that is not a page.
    QWidget* target = nullptr;
    if (QMdiSubWindow* sub = mdi_->currentSubWindow()) {
        for (const QPointer<QWidget>& page : pages_)
            if (page && page == sub->widget()) target = page;
    }
    if (!target) {
        for (const QPointer<QWidget>& page : pages_)
            if (page) target = page;
    }
    ScrollChildForm(target);
}

void frmMain::MDIForm_Resize() {
    // Every open page window is fitted again to the new inner area.
    pages_.erase(std::remove(pages_.begin(), pages_.end(), nullptr), pages_.end());
    std::vector<QPointer<QWidget>> pages = pages_;
    for (const QPointer<QWidget>& page : pages)
        if (page) ReAdjustScrollBar(page);
}

} // namespace orvelle
