#include "views/frm6Months.h"

#include "platform/Cp1252.h"
#include "platform/Fonts.h"
#include "platform/MouseState.h"
#include "platform/PictureBox.h"
#include "platform/Twips.h"
#include "store/SaveChangesPrompt.h"
#include "store/Store.h"
#include "views/CalendarViews.h"
#include "views/DateSelection.h"
#include "views/GridHitTest.h"
#include "views/ViewNavigation.h"

#include <QEvent>
#include <QPushButton>

namespace orvelle {

frm6Months::frm6Months(Store& s, MainShell& m)
    : CalendarViewWindow(s, m, HoverView::SixMonths, {"frm6Months", "6 Month View", 11805, 9285}) {
    MakeMainPicture();
    MakeMonth(0);
    MoveTwips(picMonth[0], 180, 360);
    MoveTwips(cmdView[0], 240, 60);

    MakeNavBar(picMain, 2340, 4080);
    framRight = MakeRightPanels("framRight", 5100, 60, 3315, 7935, 0, 4200);
    MakeToDoPane(7500);
}

void frm6Months::MakeMonth(int i) {
    auto* box = new PictureBox(picMain);
    box->setObjectName(QString("picMonth_%1").arg(i));
    box->SetCanvasFont(DefaultWindowFont());
    ResizeTwips(box, 3555, 3195);
    box->SetScale(0, 0, 7, 6.75);
    box->SetBackColor(VbFromColor(palette().color(QPalette::Base)));
    box->onMouseDown = [this, i](int b, int sh, double x, double y) { picMonth_MouseDown(i, b, sh, x, y); };
    box->onDblClick = [this, i](int, int, double, double) { picMonth_DblClick(i); };
    box->onMouseMove = [this, i](int b, int sh, double x, double y) { picMonth_MouseMove(i, b, sh, x, y); };
    picMonth[i] = box;

    auto* button = new QPushButton("View this Month's Details", picMain);
    button->setObjectName(QString("cmdView_%1").arg(i));
    ResizeTwips(button, 3435, 285);
    connect(button, &QPushButton::clicked, this, [this, i] { cmdView_Click(i); });
    cmdView[i] = button;
}

void frm6Months::Form_Load() {
    s_.flags.gSixMonthViewOpen = true;
    ResizeTwips(picMain, 11790, 7500);
    LoadTheMonths();
    // The window's key preview takes Left and Right before a focused month button sees them,
    // so one press steps the view once.
    WireKeysAndPanels({cmdView.begin(), cmdView.end()});
}

void frm6Months::LoadTheMonths() {
    for (int i = 1; i < 6; ++i) MakeMonth(i);
    for (int i = 0; i < 6; ++i) {
        double boxTop = i < 3 ? 360 : 3990, buttonTop = i < 3 ? 60 : 3660;
        double boxLeft = i == 0 || i == 3 ? 180 : PixelsToTwipsX(picMonth[i - 1]->x()) + 3840;
        double buttonLeft = i == 0 || i == 3 ? 240 : PixelsToTwipsX(cmdView[i - 1]->x()) + 3840;
        MoveTwips(picMonth[i], boxLeft, boxTop);
        MoveTwips(cmdView[i], buttonLeft, buttonTop);
        picMonth[i]->show();
        cmdView[i]->show();
    }
    // The bar covers the bottom right corner of box 5.
    double navLeft = PixelsToTwipsX(picMonth[5]->x() + picMonth[5]->width()) - 1695;
    double navTop = PixelsToTwipsY(picMonth[5]->y() + picMonth[5]->height()) - 285;
    SetGeometryTwips(picNav, navLeft, navTop, 1695, 285);
    picNav->raise();
}

void frm6Months::Form_Resize() {
    if (ResizeHeld()) return;
    PlaceToDoPane(7500, 11500);
    if (WideEnoughForRightPanels())
        ShowRightPanels(framRight, PixelsToTwipsX(picMain->x() + picMain->width()), 3315);
    else
        HideRightPanels(framRight);
}

void frm6Months::Step(int direction) {
    // A date clicked in a later box moves the start along; a date outside the months on show (a
    // note of another month selected it) does not: the step is taken from the first box then.
    Date from = s_.dates.gSelectedDate;
    if (auto first = MonthCaptionDate(ToCp1252(cmdView[0]->text()))) {
        Date end = DateSerial(YearOf(*first), MonthOf(*first) + 6, 1);
        if (from < *first || from >= end) from = *first;
    }
    StepTo(StepSixMonths(from, direction), Show6MonthCalendar);
}

bool frm6Months::cmdView_KeyDown(int, int keyCode, int shift) { return Form_KeyDown(keyCode, shift); }

void frm6Months::cmdView_Click(int index) {
    auto first = MonthCaptionDate(ToCp1252(cmdView[index]->text()));
    if (!first || !QueryUnloadPlannerAndNotes(s_)) return;
    SelectDate(s_, *first);
    main_.ShowSelectedDateInPicker();
    s_.flags.gSixMonthViewOpen = false;
    Show1MonthCalendar(s_, main_);
    close();
}

void frm6Months::picMonth_MouseDown(int index, int button, int, double x, double y) {
    Store& s = s_;
    ViewState& v = s.view;
    auto boxMonth = MonthCaptionDate(ToCp1252(cmdView[index]->text()));
    if (!boxMonth) return; // a box the drawing has not named yet
    v.gSixMonthPanelIndex = index;
    v.gSixMonthPanelMonth = MonthOf(*boxMonth);
    v.gSixMonthPanelYear = YearOf(*boxMonth);
    s.dates.gCurrentCellMonth = v.gSixMonthPanelMonth - 1;
    v.gSixMonthPanelIsNextYear = v.gSixMonthPanelYear == s.flags.gViewYear ? 0 : 1;
    bool next = v.gSixMonthPanelIsNextYear == 1;

    GridHit hit = HitTestCell(static_cast<float>(x), static_cast<float>(y));
    int month = s.dates.gCurrentCellMonth;
    s.dates.gCurrentCellColumn = hit.column;
    s.dates.gCurrentCellRow = hit.row;
    main_.SetCellPositionTexts(month, hit.column, hit.row);
    if (!hit.InGrid()) {
        SetCurrentCellStrings(s, {}, 0);
        return;
    }
    const auto& grid = next ? s.dates.gNextYearsDateHolders : s.dates.gThisYearsDateHolders;
    auto date = ReadPressedCell(grid, month, hit.column, hit.row, v.gSixMonthPanelYear);
    if (!date) return;
    // The mark and save commands choose next year's tables by the date's own year.
    SelectDate(s, *date);
    main_.ShowSelectedDateInPicker();
    if (button == kRightButton) PopUpDateMenu(main_);
}

void frm6Months::picMonth_DblClick(int) { OpenNoteOnDoubleClick(s_, main_); }

void frm6Months::picMonth_MouseMove(int index, int, int, double x, double y) {
    hover_.MoveOverSixMonthBox(s_, main_, *picMonth[index], ToCp1252(cmdView[index]->text()), static_cast<float>(x),
                               static_cast<float>(y));
}

} // namespace orvelle
