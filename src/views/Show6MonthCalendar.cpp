#include "notes/HelpPanel.h"
#include "views/MainShell.h"
#include "platform/Cp1252.h"
#include "platform/PictureBox.h"
#include "render/BirthdayMarking.h"
#include "render/CalendarSurfaces.h"
#include "render/HolidayDisplay.h"
#include "render/MarkPainting.h"
#include "render/SixMonthGridPainter.h"
#include "render/SixMonthLayout.h"
#include "render/ViewDrawing.h"
#include "store/Holidays.h"
#include "store/MarkerCategories.h"
#include "store/NotesStore.h"
#include "store/PlannerStore.h"
#include "store/Store.h"
#include "views/CalendarViews.h"
#include "views/DateSelection.h"
#include "views/ViewLayers.h"
#include "views/ViewNavigation.h"
#include "views/frm6Months.h"

#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>

namespace orvelle {
namespace {

const char* const kDisabledInSixMonthView[] = {
    "mnuFileSaveTemplate", "mnuFileSaveCalendar", "mnuFilePrintCalendar", "mnuFilePrintBirthdays", "mnuOptDateRemoveIcon",
    "mnuOptDateShowIcons", "mnuOptCal",           "mnuOptDateRemoveAll",  "mnuEditDeleteMarks"};

void Draw(Store& s, MainShell& m) {
    // Six months from August 9999 on would need the year 10000; the commands refuse them.
    if (!ViewFitsCalendar(6, s.dates.gSelectedDate) || !ClearChildAreaForView(s)) return;
    s.flags.gTemplateMode = false;
    frm6Months& view = m.LoadSixMonthView();
    m.ShowChild(&view);
    for (PictureBox* box : view.picMonth) {
        box->Cls();
        box->hide();
    }
    s.flags.gCalendarView = 6;
    m.RestViewButtons();
    for (const char* item : kDisabledInSixMonthView) m.SetMenuEnabled(item, false);
    s.flags.gSpansNextYear = false;
    LoadThisYearsData(s);
    GetMarkTextColor(s, s.markers.gMarkerColors[kTodayCategory]);
    int year = YearOf(s.dates.gSelectedDate);
    s.view.gThisYear = year;
    s.view.gNextYear = year + 1;
    s.flags.gViewYear = year;

    // Box k shows the k-th month from the selected one; its button names it and its tag holds
    // the year, the two-digit month and k, by which the layers find the box of a date.
    SixMonthLayout layout = LayOutSixMonths(s.dates.gSelectedDate);
    SixMonthGridPainter painter(s);
    for (PictureBox* box : view.picMonth) painter.DrawHeadsAndRules(*box);
    for (int k = 0; k < 6; ++k) {
        view.cmdView[k]->setText(FromCp1252(layout.boxes[k].caption));
        view.picMonth[k]->SetTag(layout.boxes[k].tag);
    }
    painter.DrawDayNumbers(view.picMonth, layout);
    s.flags.gSpansNextYear = layout.spansNextYear;
    s.flags.gSpannedYear = layout.spannedYear;
    for (PictureBox* box : view.picMonth) box->show();

    // Over the grid go holidays, birthdays and marks, in that order, for each year shown.
    CalendarSurfaces surfaces = SurfacesOf(m);
    bool holidaysShown = s.markers.gMarkerHidden[kHolidayCategory] == 0;
    bool birthdaysShown = s.markers.gMarkerHidden[kBirthdayCategory] == 0;
    if (holidaysShown) {
        AssignThisYearsHolidays(s);
        DisplayThisYearsHolidays(s, surfaces);
    }
    if (birthdaysShown) ReadAndMarkBirthdays(s, surfaces);
    ReadAndDisplayThisYearsMarks(s, surfaces);
    m.ShowTemplateText(false);
    if (s.flags.gSpansNextYear) {
        AssignNextYearsDateholders(s);
        // The same stacking as the shown year's, so a mark stays on top (and findable by its
        // colour) on a holiday or birthday of the next year too.
        if (holidaysShown) {
            AssignNextYearsHolidays(s);
            DisplayNextYearsHolidays(s, surfaces);
        }
        if (birthdaysShown) ReadAndMarkNextYearsBirthdays(s, surfaces);
        ReadAndDisplayNextYearsMarks(s, surfaces);
        ReadNextYearsNotes(s);
        ReadNextYearsPlanner(s);
    }
    if (s.view.gRightPanelsShown[1]) FillHelpPanel(s, view.lstHelp, view.txtHelp, view.lblSubject);
    view.show();
    m.SetCursorPositionText(s.flags.gSpansNextYear ? "True" : "False");
    m.SetCaption(FromCp1252(YearCaption(year)));
}

} // namespace

void Show6MonthCalendar(Store& s, MainShell& m) {
    Guarded(s, "Show6MonthCalendar", [&] { Draw(s, m); });
    FollowSelectedDateInMarkMenus(s, m);
}

} // namespace orvelle
