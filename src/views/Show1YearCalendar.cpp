#include "notes/HelpPanel.h"
#include "platform/Cp1252.h"
#include "platform/PictureBox.h"
#include "render/BirthdayMarking.h"
#include "render/CalendarSurfaces.h"
#include "render/HolidayDisplay.h"
#include "render/MarkPainting.h"
#include "render/ViewDrawing.h"
#include "render/YearGridPainter.h"
#include "store/Holidays.h"
#include "store/IconFiles.h"
#include "store/MarkerCategories.h"
#include "store/Store.h"
#include "views/CalendarViews.h"
#include "views/DateSelection.h"
#include "views/MainShell.h"
#include "views/ViewLayers.h"
#include "views/frmYear.h"

#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>

#include <functional>

namespace orvelle {
namespace {

// The one-month-only and template commands, then the one that works only on this view.
const char* const kDisabledInYearView[] = {"mnuFileSaveTemplate", "mnuFileSaveCalendar", "mnuFilePrintCalendar",
                                           "mnuFilePrintBirthdays", "mnuOptDateRemoveIcon", "mnuOptDateShowIcons",
                                           "mnuOptCal", "mnuOptDateRemoveAll"};

void Draw(Store& s, MainShell& m) {
    if (!ClearChildAreaForView(s)) return;
    s.flags.gTemplateMode = false;
    frmYear& view = m.LoadYearView();
    m.ShowChild(&view);
    s.flags.gSpansNextYear = false;
    LoadThisYearsData(s);
    s.flags.gCalendarView = 12;
    m.RestViewButtons();
    for (const char* item : kDisabledInYearView) m.SetMenuEnabled(item, false);
    m.SetMenuEnabled("mnuEditDeleteMarks", true);
    s.view.gThisYear = YearOf(s.dates.gSelectedDate);
    s.flags.gViewYear = s.view.gThisYear;
    GetMarkTextColor(s, s.markers.gMarkerColors[kTodayCategory]);

    // The boxes are drawn while hidden and shown together, so no half-drawn year is seen.
    for (int i = 0; i < 12; ++i) {
        view.picMonth[i]->Cls();
        view.picMonth[i]->hide();
        view.cmdMonth[i]->hide();
    }
    YearGridPainter painter(s);
    // Every box has the same heads and rules: the first is drawn, the others copy it.
    PictureBox& first = *view.picMonth[0];
    painter.DrawHeadsAndRules(first);
    for (int i = 1; i < 12; ++i) {
        PictureBox& box = *view.picMonth[i];
        if (box.Image().size() == first.Image().size())
            box.PaintPicture(first.Image(), 0, 0, box.ScaleWidth(), box.ScaleHeight());
        else
            painter.DrawHeadsAndRules(box);
    }
    for (int i = 0; i < 12; ++i) painter.DrawDayNumbers(*view.picMonth[i], i);
    for (int i = 0; i < 12; ++i) view.cmdMonth[i]->setText(FromCp1252(MonthButtonCaption(s, i)));

    // Over the grid go holidays, birthdays and marks, in that order.
    if (s.markers.gMarkerHidden[kHolidayCategory] == 0) {
        AssignThisYearsHolidays(s);
        DisplayThisYearsHolidays(s, m);
    }
    if (s.markers.gMarkerHidden[kBirthdayCategory] == 0) ReadAndMarkBirthdays(s, m);
    ReadAndDisplayThisYearsMarks(s, m);

    m.ShowTemplateText(false);
    for (int i = 0; i < 12; ++i) {
        view.picMonth[i]->show();
        view.cmdMonth[i]->show();
    }
    if (!s.flags.gMainWindowLoading && s.view.gRightPanelsShown[0])
        FillHelpPanel(s, view.lstHelp, view.txtHelp, view.lblSubject);
    m.SetCaption(FromCp1252(YearCaption(YearOf(s.dates.gSelectedDate))));
}

// Draws the view with `shown` as the drawing's date, then gives the selected date back: a redraw
// for a changed display or mark keeps the view on its own period, and the commands still act on
// the date the picker shows. The date's parts stay those of the period drawn, as after any
// drawing.
void DrawAround(Store& s, MainShell& m, Date shown, const std::function<void()>& draw) {
    Date selected = s.dates.gSelectedDate;
    s.dates.gSelectedDate = shown;
    draw();
    s.dates.gSelectedDate = selected;
    FollowSelectedDateInMarkMenus(s, m);
}

} // namespace

std::string YearCaption(int year) { return "Orvelle: " + std::to_string(year) + " Calendar"; }

void Show1YearCalendar(Store& s, MainShell& m) {
    Guarded(s, "Show1YearCalendar", [&] { Draw(s, m); });
    FollowSelectedDateInMarkMenus(s, m);
}

void RedrawCurrentView(Store& s, MainShell& m) {
    Date selected = s.dates.gSelectedDate;
    switch (s.flags.gCalendarView) {
    case 1: {
        // The template is a month of its own, which no selected date moves.
        Date shown = MonthViewDate(s);
        bool sameMonth = YearOf(selected) == YearOf(shown) && MonthOf(selected) == MonthOf(shown);
        DrawAround(s, m, s.flags.gTemplateMode || sameMonth ? selected : shown, [&] { Show1MonthCalendar(s, m); });
        break;
    }
    case 6: {
        // From the first month on show, also when a date of a later box is selected.
        CalendarSurfaces v = SurfacesOf(m);
        auto first = v.sixMonths[0] ? ParseSixMonthTag(v.sixMonths[0]->Tag()) : std::nullopt;
        bool sameMonth = !first || (YearOf(selected) == first->year && MonthOf(selected) == first->month);
        Date from = sameMonth ? selected : DateSerial(first->year, first->month, 1);
        DrawAround(s, m, from, [&] { Show6MonthCalendar(s, m); });
        break;
    }
    case 12: Show1YearCalendarOf(s, m, s.flags.gViewYear); break;
    default: break;
    }
}

void Show1YearCalendarOf(Store& s, MainShell& m, int year) {
    Date selected = s.dates.gSelectedDate;
    DrawAround(s, m, year == 0 || YearOf(selected) == year ? selected : DateSerial(year, 1, 1),
               [&] { Show1YearCalendar(s, m); });
}

} // namespace orvelle
