#pragma once
// Which windows are open, what has changed and what is loading: the flags the windows and the
// save-changes prompt consult.
namespace orvelle {

struct UiFlags {
    // Open view: 1, 6 or 12; 0 while the planner has replaced it.
    int gCalendarView = 12;

    bool gYearViewOpen = false;
    bool gSixMonthViewOpen = false;
    bool gMonthViewOpen = false;
    bool gPlannerOpen = false;
    bool gNotesOpen = false;
    bool gExpenseReportOpen = false;
    bool gMileageReportOpen = false;

    bool gClosingYearView = false;
    bool gClosingSixMonthView = false;
    bool gClosingMonthView = false;

    bool gMonthIconsChanged = false;
    bool gPlannerChanged = false;
    bool gNotesChanged = false;

    bool gMainWindowLoading = false;
    bool gPlannerLoading = false;
    bool gNotesLoading = false;
    bool gToDoLoading = false;
    bool gContactsLoading = false;

    // Set when the user answers Cancel at the save-changes prompt.
    bool gNavigationCancelled = false;

    // A six-month view from August on runs into the next year.
    bool gSpansNextYear = false;
    int gSpannedYear = 0;
    // The year the shown view starts in; next year's notes and planner are read for the year after.
    int gViewYear = 0;

    // A close of the main window is under way: saves then skip their read-back.
    bool gMainWindowClosing = false;

    bool gTemplateMode = false;
    bool gHighlightToday = true;
    bool gPrinterPresent = false;
};

} // namespace orvelle
