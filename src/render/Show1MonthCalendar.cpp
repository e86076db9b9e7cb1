#include "mainwindow/frmMain.h"
#include "platform/Cp1252.h"
#include "platform/PictureBox.h"
#include "render/CalendarViews.h"
#include "store/ErrorLog.h"
#include "store/Holidays.h"
#include "store/MarkerCategories.h"
#include "store/Store.h"
#include "views/frmMonth.h"

#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>

#include <exception>

namespace orvelle {
namespace {

void Draw(Store& s, frmMain& m) {
    if (s.flags.gPlannerOpen && s.hooks.UnloadPlannerWindow) s.hooks.UnloadPlannerWindow();
    if (s.flags.gNotesOpen && s.hooks.UnloadNotesWindow) s.hooks.UnloadNotesWindow();
    m.picScroll->hide();
    frmMonth& view = m.LoadMonthView();
    m.ShowChild(&view);
    static const char* const kHeads[] = {"SUN", "MON", "TUE", "WED", "THU", "FRI", "SAT"};
    for (int i = 0; i < 7; ++i) view.lblDay[i]->setText(kHeads[i]);
    view.picMonth->Cls();
    view.picMonth->SetForeColor(kVbBlack);
    s.flags.gSpansNextYear = false;
    LoadThisYearsData(s);
    s.flags.gCalendarView = 1;
    m.SetCalLook(0, s.flags.gTemplateMode ? ButtonLook::NoFocus : ButtonLook::Down);
    m.SetCalLook(1, ButtonLook::NoFocus);
    m.SetCalLook(2, ButtonLook::NoFocus);
    m.SetMenuEnabled("mnuOptCal", true);
    m.SetMenuEnabled("mnuOptDateRemoveAll", false);
    m.SetMenuEnabled("mnuFileSaveTemplate", s.flags.gTemplateMode);
    m.SetMenuEnabled("mnuFileSaveCalendar", !s.flags.gTemplateMode);
    for (const char* item : {"mnuFilePrintCalendar", "mnuFilePrintBirthdays", "mnuOptDateRemoveIcon", "mnuOptDateShowIcons"})
        m.SetMenuEnabled(item, true);
    m.SetMenuEnabled("mnuEditDeleteMarks", false);
    int year = YearOf(s.dates.gSelectedDate);
    s.view.gThisYear = year;
    s.flags.gViewYear = year;
    s.view.gNextYear = year + 1;
    s.flags.gSpannedYear = year + 1;
    s.flags.gSpansNextYear = false;
    if (s.markers.gMarkerHidden[kHolidayCategory] == 0) AssignThisYearsHolidays(s);
    m.setWindowTitle(FromCp1252("Orvelle: " + MonthAbbrev(MonthOf(s.dates.gSelectedDate)) + " " + std::to_string(year) +
                                " Calendar"));
}

} // namespace

void Show1MonthCalendar(Store& s, frmMain& m) {
    try {
        Draw(s, m);
    } catch (const std::exception& e) {
        LogError(s, "Show1MonthCalendar", 0, e.what());
    }
}

} // namespace orvelle
