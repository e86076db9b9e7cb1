#include "views/frmYear.h"

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
#include <QGuiApplication>
#include <QPushButton>

namespace orvelle {

namespace {

// A month box in twips.
constexpr double kMonthBoxWidth = 2700, kMonthBoxHeight = 1920;

} // namespace

QSize frmYear::MonthPictureSize() {
    // Inside the box's one-pixel frame.
    QSize inner(TwipsToPixelsX(kMonthBoxWidth) - 2, TwipsToPixelsY(kMonthBoxHeight) - 2);
    return (QSizeF(inner) * qGuiApp->devicePixelRatio()).toSize();
}

frmYear::frmYear(Store& s, MainShell& m)
    : CalendarViewWindow(s, m, HoverView::Year, {"frmYear", "12 Month View", 11880, 8310}) {
    PictureBox::ReservePictures(MonthPictureSize(), 12);
    MakeMainPicture();
    MakeNavBar(picMain, 960, 2400);
    MakeMonth(0);
    framRight = MakeRightPanels("framRight", 8040, 60, 3315, 7935, 0, 4200);
    MakeToDoPane(6660);
}

void frmYear::MakeMonth(int i) {
    auto* box = new PictureBox(picMain);
    box->setObjectName(QString("picMonth_%1").arg(i));
    box->SetCanvasFont(MakeFont("MS Sans Serif", 8.25, true));
    ResizeTwips(box, kMonthBoxWidth, kMonthBoxHeight);
    box->SetScale(0, 0, 7, 6.75);
    box->hide();
    box->onMouseDown = [this, i](int b, int sh, double x, double y) { picMonth_MouseDown(i, b, sh, x, y); };
    box->onDblClick = [this, i](int, int, double, double) { picMonth_DblClick(i); };
    box->onMouseMove = [this, i](int b, int sh, double x, double y) { picMonth_MouseMove(i, b, sh, x, y); };
    picMonth[i] = box;

    auto* button = new QPushButton(picMain);
    button->setObjectName(QString("cmdMonth_%1").arg(i));
    ResizeTwips(button, 2355, 255);
    button->hide();
    button->setMouseTracking(true);
    button->installEventFilter(this);
    connect(button, &QPushButton::clicked, this, [this, i] { cmdMonth_Click(i); });
    cmdMonth[i] = button;
}

void frmYear::Form_Load() {
    s_.flags.gYearViewOpen = true;
    ResizeTwips(picMain, 11790, 7500);
    LoadTheMonths();
    WireKeysAndPanels({cmdMonth.begin(), cmdMonth.end()});
}

void frmYear::LoadTheMonths() {
    for (int i = 1; i < 12; ++i) MakeMonth(i);
}

void frmYear::Form_Resize() {
    if (ResizeHeld()) return;
    SetGeometryTwips(cmdMonth[0], 360, 120, 2355, 255);
    SetGeometryTwips(picMonth[0], 150, 450, kMonthBoxWidth, kMonthBoxHeight);
    picMonth[0]->SetScale(0, 0, 7, 6.75);
    // The first row's boxes 1-3 are stepped from box 0's right edge, so they stand 15 twips
    // left of the boxes below them.
    double x = 150 + 2700 + 210, y = 120;
    for (int i = 1; i < 12; ++i) {
        SetGeometryTwips(cmdMonth[i], x + 210, y, 2355, 255);
        SetGeometryTwips(picMonth[i], x, y + 330, kMonthBoxWidth, kMonthBoxHeight);
        picMonth[i]->SetScale(0, 0, 7, 6.75);
        x += 2925;
        if ((i + 1) % 4 == 0) {
            x = 150;
            y += 2340;
        }
    }
    double navLeft = PixelsToTwipsX(picMonth[11]->x() + picMonth[11]->width()) - 1695;
    double navTop = PixelsToTwipsY(picMonth[11]->y() + picMonth[11]->height()) - 285;
    SetGeometryTwips(picNav, navLeft, navTop, 1695, 285);
    picNav->raise();

    PlaceToDoPane(7200, 11500);
    if (WideEnoughForRightPanels())
        ShowRightPanels(framRight, 11790, 3315);
    else
        HideRightPanels(framRight);
}

bool frmYear::eventFilter(QObject* watched, QEvent* e) {
    if (e->type() == QEvent::MouseMove || e->type() == QEvent::Enter) {
        for (int i = 0; i < 12; ++i) {
            if (watched == cmdMonth[i]) cmdMonth_MouseMove(i);
        }
    }
    return CalendarViewWindow::eventFilter(watched, e);
}

void frmYear::Step(int direction) {
    // From the year on show: a note of another year may have moved the selected date meanwhile.
    int shown = s_.flags.gViewYear != 0 ? s_.flags.gViewYear : s_.dates.gYear;
    StepTo(StepOneYear(shown, direction), Show1YearCalendar);
}

void frmYear::cmdMonth_Click(int index) {
    // The month and its year both come from the button's own caption ("March, 2009"), so a
    // year typed into the picker but not yet applied cannot send the view elsewhere.
    auto first = MonthCaptionDate(ToCp1252(cmdMonth[index]->text()));
    if (!first || !QueryUnloadPlannerAndNotes(s_)) return;
    SelectDate(s_, *first);
    s_.dates.gCurrentCellMonth = MonthOf(*first) - 1;
    main_.ShowSelectedDateInPicker();
    s_.flags.gYearViewOpen = false;
    Show1MonthCalendar(s_, main_);
    close();
}

void frmYear::cmdMonth_MouseMove(int index) {
    cmdMonth[index]->setToolTip("Go to " + cmdMonth[index]->text() + "'s Calendar");
}

void frmYear::picMonth_MouseDown(int index, int button, int, double x, double y) {
    Store& s = s_;
    GridHit hit = HitTestCell(static_cast<float>(x), static_cast<float>(y));
    s.dates.gCurrentCellMonth = index;
    s.dates.gCurrentCellColumn = hit.column;
    s.dates.gCurrentCellRow = hit.row;
    main_.SetCellPositionTexts(index, hit.column, hit.row);
    if (!hit.InGrid()) {
        SetCurrentCellStrings(s, {}, 0);
        main_.ClearDateBox();
        return;
    }
    auto date = ReadPressedCell(s.dates.gThisYearsDateHolders, index, hit.column, hit.row, s.dates.thisYearsGridYear);
    if (!date) return;
    SelectDate(s, *date);
    main_.SetHolidayText(FromCp1252(HolidayLabelText(s, index, hit.column, hit.row)));
    main_.ShowSelectedDateInPicker();
    if (button == kRightButton) PopUpDateMenu(main_);
}

void frmYear::picMonth_DblClick(int) { OpenNoteOnDoubleClick(s_, main_); }

void frmYear::picMonth_MouseMove(int index, int, int, double x, double y) {
    hover_.MoveOverYearBox(s_, main_, *picMonth[index], index, static_cast<float>(x), static_cast<float>(y));
}

} // namespace orvelle
