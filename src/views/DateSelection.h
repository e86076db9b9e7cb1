#pragma once
// The steps that pressing and double-clicking a date share across the three calendar views:
// reading a cell, copying the date into the main window (date box, picker, holiday label, date
// menu) and opening the date's note.
#include "store/DateModel.h"

#include <cstdint>
#include <optional>
#include <string>

namespace orvelle {

struct Store;
class MainShell;

// The cell's "mm/dd/yy" with blanks trimmed, or "" for a cell outside the month.
std::string CellText(const YearGrid<std::string>& grid, int month, int column, int row);

// Sets gCurrentCellText and its parts (MM, DD, YYYY of `year`); all empty for an empty text.
void SetCurrentCellStrings(Store& s, const std::string& text, int year);

// Quick mark when the cell is unmarked, clear mark when it is marked.
void SetMarkMenus(MainShell& m, std::int16_t markFlag);

// The same for the selected date, however it was reached (keys, the picker, a step, a mark
// command): the date the mark commands act on, when the calendar on show holds it.
void FollowSelectedDateInMarkMenus(Store& s, MainShell& m);

// "Holiday = " and the first holiday of this year's list whose stamp is the cell; a cell without
// the holiday flag, or whose flagged holiday is no longer in the list, shows "No Holiday Assigned".
std::string HolidayLabelText(const Store& s, int month, int column, int row);

// Pops up the main window's "&Date Options" menu at the mouse pointer.
void PopUpDateMenu(MainShell& m);

// The first day of the month that a month button's caption names ("March, 2009"), or nullopt.
std::optional<Date> MonthCaptionDate(const std::string& caption);

// The double-click of every view: the picker's date becomes the selected date, and its note
// opens when that is also the date last shown in the date box.
void OpenNoteOnDoubleClick(Store& s, MainShell& m);

} // namespace orvelle
