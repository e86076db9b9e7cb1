#pragma once
// What the main window and the calendar views share about the shown period and the last
// pointer actions: the year on show, today, the date box's last date, the pressed cell's texts,
// the six-month panel under the pointer and which side panels are up.
#include "store/Dates.h"

#include <array>
#include <string>

namespace orvelle {

struct ViewState {
    // Today, set when the main window loads.
    Date gToday = 0;
    // The year drawn and the one after it (the year the view starts in is flags.gViewYear).
    int gThisYear = 0;
    int gNextYear = 0;
    // The month the one-month view last drew outside template mode. Opening a note of another
    // month moves the selected date away while the view stays: what it prints and lists is this.
    Date gMonthViewDate = 0;

    std::array<std::string, 7> gDayNames{"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};

    // The screen's twips per pixel (15 at 96 dots per inch).
    float gTwipsPerPixelX = 15.0f;
    float gTwipsPerPixelY = 15.0f;

    // The last text of the main window's date box that read as a date.
    Date gHoverDate = 0;

    // The pressed cell: "mm/dd/yy" and its parts; all empty after a press outside any date.
    std::string gCurrentCellText;
    std::string gCurrentCellMM;
    std::string gCurrentCellDD;
    std::string gCurrentCellYYYY;

    // The cell under the pointer at the last handled hover (month index, column, row; the row
    // is -1 over a box's head band).
    int gHoverCellMonth = 0;
    int gHoverCellColumn = 0;
    int gHoverCellRow = 0;

    // The six-month box last pressed: its index 0-5, month 1-12, year, and whether that year
    // is the one after gViewYear.
    int gSixMonthPanelIndex = 0;
    int gSixMonthPanelMonth = 0;
    int gSixMonthPanelYear = 0;
    int gSixMonthPanelIsNextYear = 0;

    // [0] the one-month or twelve-month view's right panel is up, [1] the six-month view's.
    std::array<bool, 2> gRightPanelsShown{false, false};
    bool gMonthLeftPanelShown = false;
    // The one-month view's message strip does not list what the view shows: a narrow view was
    // drawn without listing, or a display command changed what belongs on it.
    bool gMonthMessagesStale = false;

    // Day numbers in the top left corner of their cells instead of centred.
    bool gShowNumbersOffset = false;
};

} // namespace orvelle
