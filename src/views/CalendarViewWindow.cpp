#include "views/CalendarViewWindow.h"

#include "notes/HelpPanel.h"
#include "platform/Beep.h"
#include "platform/CaptionFit.h"
#include "platform/Cp1252.h"
#include "platform/Fonts.h"
#include "platform/MdiCaption.h"
#include "platform/MdiChildren.h"
#include "platform/TabKeys.h"
#include "platform/Twips.h"
#include "store/Marks.h"
#include "store/SaveChangesPrompt.h"
#include "store/Store.h"
#include "views/CalendarViews.h"
#include "views/DateSelection.h"
#include "views/KeyPreview.h"
#include "views/ToDoPane.h"
#include "views/ViewPanels.h"

#include <QCloseEvent>
#include <QEvent>
#include <QGroupBox>
#include <QListWidget>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QPushButton>

namespace orvelle {

namespace {

bool& OpenFlag(Store& s, HoverView view) {
    switch (view) {
    case HoverView::Year: return s.flags.gYearViewOpen;
    case HoverView::SixMonths: return s.flags.gSixMonthViewOpen;
    default: return s.flags.gMonthViewOpen;
    }
}

bool& ClosingFlag(Store& s, HoverView view) {
    switch (view) {
    case HoverView::Year: return s.flags.gClosingYearView;
    case HoverView::SixMonths: return s.flags.gClosingSixMonthView;
    default: return s.flags.gClosingMonthView;
    }
}

} // namespace

CalendarViewWindow::CalendarViewWindow(Store& s, MainShell& m, HoverView view, const CalendarViewLook& look)
    : s_(s), main_(m), hover_(view), view_(view), open_(OpenFlag(s, view)), closing_(ClosingFlag(s, view)) {
    setObjectName(look.name);
    setWindowTitle(look.title);
    // The main window's caption names the view's period.
    KeepCaptionOutOfFrameTitle(this);
    setFont(DefaultWindowFont());
    ResizeTwips(this, look.width, look.height);
    KeepCaptionsWhole(this);
}

void CalendarViewWindow::MakeMainPicture() {
    picMain = new QWidget(this);
    picMain->setObjectName("picMain");
    picMain->setMouseTracking(true);
    picMain->setFocusPolicy(Qt::StrongFocus);
    picMain->installEventFilter(this);
}

void CalendarViewWindow::MakeNavBar(QWidget* parent, double left, double top) {
    picNav = new QWidget(parent);
    picNav->setObjectName("picNav");
    SetGeometryTwips(picNav, left, top, 1695, 315);
    cmdPrev = new QPushButton("< Prev.", picNav);
    cmdPrev->setObjectName("cmdPrev");
    cmdPrev->setToolTip("Shortcut = Left Key");
    SetGeometryTwips(cmdPrev, 0, 0, 855, 285);
    cmdNext = new QPushButton("Next >", picNav);
    cmdNext->setObjectName("cmdNext");
    cmdNext->setToolTip("Shortcut = Right Key");
    SetGeometryTwips(cmdNext, 840, 0, 855, 285);
    connect(cmdPrev, &QPushButton::clicked, this, [this] { cmdPrev_Click(); });
    connect(cmdNext, &QPushButton::clicked, this, [this] { cmdNext_Click(); });
}

QWidget* CalendarViewWindow::MakeRightPanels(const char* name, double left, double top, double width, double height,
                                             double inset, double alertsTop) {
    auto* panel = new QWidget(this);
    panel->setObjectName(name);
    SetGeometryTwips(panel, left, top, width, height);
    panel->hide();
    rightPanels_ = panel;
    rightPanelsInset_ = inset;
    rightAlertsTop_ = alertsTop;
    return panel;
}

void CalendarViewWindow::BuildRightPanels() {
    if (framHelp || !rightPanels_) return;
    SidePanels p = SidePanels::Build(rightPanels_, rightPanelsInset_, rightPanelsInset_, rightPanelsInset_,
                                     rightAlertsTop_);
    framHelp = p.framHelp;
    framAlerts = p.framAlerts;
    lstHelp = p.lstHelp;
    txtHelp = p.txtHelp;
    lblSubject = p.lblSubject;
    lstAlerts = p.lstAlerts;
    lstBirthdays = p.lstBirthdays;
    // New widgets join the end of the window's focus chain: Tab takes them where they stand on
    // screen, after the Prev/Next bar (as WireKeysAndPanels orders the rest).
    TabInOrder({cmdNext, lstHelp, txtHelp, lstAlerts, lstBirthdays});
    if (panelHandlers_) panelHandlers_->WireSidePanels(this);
}

void CalendarViewWindow::MakeToDoPane(double top) {
    picToDo = new QWidget(this);
    picToDo->setObjectName("picToDo");
    SetGeometryTwips(picToDo, 120, top, 10095, 1275);
    picToDo->hide();
}

void CalendarViewWindow::WireKeysAndPanels(const QList<QWidget*>& months) {
    QList<QWidget*> order;
    if (picMain) order << picMain;
    order << months << cmdPrev << cmdNext << lstHelp << txtHelp << lstAlerts << lstBirthdays;
    TabInOrder(order);
    new KeyPreview(this, [this](int key, int shift) { return Form_KeyDown(key, shift); });
    panelHandlers_ = new ViewPanels(s_, this, main_.ShellWidget());
}

bool CalendarViewWindow::Form_KeyDown(int keyCode, int) { return NavigationKey(keyCode, view_ != HoverView::Year); }

void CalendarViewWindow::picMain_MouseMove() {
    for (int i = 0; i < 3; ++i) main_.SetOptLook(i, ButtonLook::NoFocus);
}

bool CalendarViewWindow::eventFilter(QObject* watched, QEvent* e) {
    if (watched == picMain && e->type() == QEvent::MouseMove) picMain_MouseMove();
    return QWidget::eventFilter(watched, e);
}

void CalendarViewWindow::StepTo(std::optional<Date> target, void (*show)(Store&, MainShell&)) {
    if (!target) {
        SystemBeep();
        return;
    }
    // The drawing closes a notes or planner window opened over the view: its edits come first.
    if (!QueryUnloadPlannerAndNotes(s_)) return;
    SelectDate(s_, *target);
    main_.ShowSelectedDateInPicker();
    show(s_, main_);
    picMain->setFocus();
}

bool CalendarViewWindow::NavigationKey(int keyCode, bool escapeShowsYear) {
    switch (keyCode) {
    case 39: cmdNext_Click(); return true;
    case 37: cmdPrev_Click(); return true;
    case 27: {
        if (!escapeShowsYear) return false;
        if (!QueryUnloadPlannerAndNotes(s_)) return true;
        // The year on show, or the selected date's where the view shows it: not the year of a
        // note opened over the view. The template shows no year of its own; its steps move the
        // selected date, whose year comes up.
        bool selectedYear = s_.flags.gTemplateMode || MarkYearOfSelectedDate(s_) != MarkYear::None;
        int year = selectedYear ? YearOf(s_.dates.gSelectedDate) : s_.flags.gViewYear;
        close();
        Show1YearCalendarOf(s_, main_, year);
        return true;
    }
    default: return false;
    }
}

std::optional<Date> CalendarViewWindow::ReadPressedCell(const YearGrid<std::string>& grid, int month, int column,
                                                        int row, int gridYear) {
    std::string text = CellText(grid, month, column, row);
    main_.SetDateBoxText(FromCp1252(text));
    auto date = text.empty() ? std::nullopt : ParseMmDdYy(text, gridYear);
    if (!date) {
        SetCurrentCellStrings(s_, {}, 0);
        main_.ClearDateBox();
        return std::nullopt;
    }
    SetCurrentCellStrings(s_, text, YearOf(*date));
    return date;
}

bool CalendarViewWindow::ResizeHeld() const { return closing_ || s_.flags.gPlannerLoading; }

void CalendarViewWindow::PlaceToDoPane(double top, double width) {
    if (PixelsToTwipsY(height()) <= 9500) {
        picToDo->hide();
        return;
    }
    SetGeometryTwips(picToDo, 120, top, width, 2310);
    picToDo->show();
    LoadToDo();
}

bool CalendarViewWindow::WideEnoughForRightPanels() const { return PixelsToTwipsX(width()) > 15000; }

// The six-month view keeps its own slot; the year and month views share the other.
int CalendarViewWindow::RightPanelsSlot() const { return view_ == HoverView::SixMonths ? 1 : 0; }

void CalendarViewWindow::HideRightPanels(QWidget* panel) {
    panel->hide();
    s_.view.gRightPanelsShown[RightPanelsSlot()] = false;
}

void CalendarViewWindow::ShowRightPanels(QWidget* panel, double left, double width) {
    BuildRightPanels();
    double bottom = picToDo->isVisible() ? PixelsToTwipsY(picToDo->y() + picToDo->height()) : PixelsToTwipsY(height());
    SetGeometryTwips(panel, left, PixelsToTwipsY(panel->y()), width, bottom);
    MoveTwips(framAlerts, PixelsToTwipsX(framAlerts->x()), PixelsToTwipsY(framHelp->y() + framHelp->height()) + 90);
    LoadAlertList(s_, this);
    LoadBirthdayList(s_, this);
    // The drawings fill the help frame only while it is shown; one that a larger window has just
    // brought into view would otherwise stay empty until the next drawing.
    if (lstHelp && lstHelp->count() == 0) FillHelpPanel(s_, lstHelp, txtHelp, lblSubject);
    panel->show();
    s_.view.gRightPanelsShown[RightPanelsSlot()] = true;
}

void CalendarViewWindow::LoadToDo() { orvelle::LoadToDo(s_, picToDo, mToDoRowsLoaded, view_ == HoverView::SixMonths); }

void CalendarViewWindow::Form_Unload() {
    if (unloaded_) return;
    unloaded_ = true;
    open_ = false;
    mToDoRowsLoaded = false;
    UnloadSpecifics();
    closing_ = false;
    main_.ViewUnloaded(this);
}

void CalendarViewWindow::resizeEvent(QResizeEvent*) { Form_Resize(); }

void CalendarViewWindow::closeEvent(QCloseEvent* e) {
    Form_Unload();
    e->accept();
    // The frameless sub-window that holds the view goes with it: left behind, it would stay on top
    // of the child area and cover the next view once a notes or planner window closes.
    if (QMdiSubWindow* sub = MdiSubWindowOf(this)) sub->close();
}

} // namespace orvelle
