#pragma once
// The main window's date-mark commands: mark, quick mark and clear the selected date, attach a
// hover note, delete the shown year's marks, and choose which categories the calendars display.
//
// A command works on the marks of the selected date's own year: the shown year, or the next one
// while the six-month view runs into it. A date on neither is refused with kDateNotOnCalendar,
// and no command reads, writes or deletes another year's file. Before a change the year's file
// is read again, so the change is made to exactly what the file holds.
#include "store/Dates.h"

#include <string>

namespace orvelle {

struct Store;
class frmMain;

extern const char* const kHoverNotePrompt;
extern const char* const kDateNotOnCalendar;

// "Optional Hover Text: " & caption & " for " & the short date.
std::string HoverNoteTitle(const std::string& caption, Date date);

// Item `index` (0-11) of "Mark Selected Date as...": categories 0-9, then 12 and 13.
void mnuOptDateMarkAs_Click(Store& s, frmMain& m, int index);
// Category 10.
void mnuOptDateQuickMark_Click(Store& s, frmMain& m);
void mnuOptDateAttachHoverText_Click(Store& s, frmMain& m);
void mnuOptDateClearMark_Click(Store& s, frmMain& m);
void mnuEditDeleteMarks_Click(Store& s, frmMain& m);
// `shown` is the item's tick after the click.
void mnuEditMark_Click(Store& s, frmMain& m, int index, bool shown);
void mnuEditMarksHideAll_Click(Store& s, frmMain& m);
void mnuEditMarksShowAll_Click(Store& s, frmMain& m);
void mnuEditMarkerSaveSettings_Click(Store& s, frmMain& m);

// Connects the items of "&Date Options" and "Displayed Marks" to the commands above.
void ConnectMarkMenus(frmMain& m);

} // namespace orvelle
