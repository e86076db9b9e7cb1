#include "mainwindow/MarkCommands.h"

#include "mainwindow/frmMain.h"
#include "platform/PictureBox.h"
#include "render/BirthdayMarking.h"
#include "render/CalendarSurfaces.h"
#include "render/HolidayDisplay.h"
#include "render/MarkPainting.h"
#include "render/MonthMessages.h"
#include "store/ErrorLog.h"
#include "store/MarkerCategories.h"
#include "store/Marks.h"
#include "store/SaveChangesPrompt.h"
#include "store/Store.h"
#include "store/TextFile.h"
#include "views/CalendarViews.h"
#include "views/DateSelection.h"
#include "views/MonthLabels.h"
#include "views/ViewLayers.h"

#include <QAction>

namespace orvelle {

const char* const kHoverNotePrompt = "You may input the Hover Text in the box provided. Click Cancel to ignore.";
const char* const kDateNotOnCalendar =
    "The selected date is not on the calendar shown. Show its calendar and select the date first.";

namespace {

// The year of the selected date's marks; None, told, when the calendar on show holds neither the
// date's year nor runs into it (a note of another year selected it).
MarkYear MarkYearToChange(Store& s) {
    MarkYear which = MarkYearOfSelectedDate(s);
    if (which == MarkYear::None) s.ui->MsgBox(kDateNotOnCalendar, MsgButtons::OK, "");
    return which;
}

// The year's grids as its file holds them, so that a change never builds on grids that a
// redraw cleared or that belong to another year.
void ReloadMarks(Store& s, MarkYear which) {
    if (which == MarkYear::Next) ReadNextYearsMarks(s);
    else ReadThisYearsMarks(s);
}

bool SaveAndShow(Store& s, frmMain& m, MarkYear which) {
    bool saved = which == MarkYear::Next ? SaveNextYearsMarks(s) : SaveThisYearsMarks(s);
    if (which == MarkYear::Next) ReadAndDisplayNextYearsMarks(s, m);
    else ReadAndDisplayThisYearsMarks(s, m);
    return saved;
}

// The current cell follows the selected date, which the command is about; in the six-month
// view so do the box and its year.
void PointCurrentCellAtSelectedDate(Store& s, frmMain& m, MarkYear which, bool& onSixMonthBox) {
    Date d = s.dates.gSelectedDate;
    Cell c = CellOf(d);
    s.dates.gCurrentCellMonth = c.month;
    s.dates.gCurrentCellColumn = c.column;
    s.dates.gCurrentCellRow = c.row;
    s.view.gCurrentCellDD = TwoDigits(DayOf(d));
    onSixMonthBox = false;
    CalendarSurfaces v = SurfacesOf(m);
    for (int k = 0; k < 6; ++k) {
        auto tag = v.sixMonths[k] ? ParseSixMonthTag(v.sixMonths[k]->Tag()) : std::nullopt;
        if (tag && tag->year == YearOf(d) && tag->month == MonthOf(d)) {
            s.view.gSixMonthPanelIndex = k;
            s.view.gSixMonthPanelIsNextYear = which == MarkYear::Next ? 1 : 0;
            onSixMonthBox = true;
            return;
        }
    }
}

void RepaintCell(Store& s, frmMain& m, MarkYear which) {
    bool onSixMonthBox = false;
    PointCurrentCellAtSelectedDate(s, m, which, onSixMonthBox);
    switch (s.flags.gCalendarView) {
    case 12: ReDrawDateMarks(s, m); break;
    case 6:
        if (onSixMonthBox) ReDraw6MonthDateMarks(s, m);
        break;
    case 1: ReDraw1MonthDateMarks(s, m); break;
    default: break;
    }
}

void ApplyMark(Store& s, frmMain& m, int category) {
    if (category < 0 || category >= kMarkerCount) return;
    MarkYear which = MarkYearToChange(s);
    if (which == MarkYear::None) return;
    ReloadMarks(s, which);
    YearMarks g = MarksOf(s, which);
    Cell c = CellOf(s.dates.gSelectedDate);
    g.flags[c.month][c.column][c.row] = -1;
    g.colors[c.month][c.column][c.row] = s.markers.gMarkerColors[category];
    s.marks.gLastMarkCaption = s.markers.gMarkerCaptions[category];
    RepaintCell(s, m, which);
    SaveAndShow(s, m, which);
    // The marked date now offers its mark to clear, also before any press on it.
    FollowSelectedDateInMarkMenus(s, m);
    mnuOptDateAttachHoverText_Click(s, m);
}

// Holidays, birthdays and marks painted again over the open view, this year then the next.
void RepaintOverlays(Store& s, frmMain& m) {
    CalendarSurfaces v = SurfacesOf(m);
    DisplayThisYearsHolidays(s, v);
    ReadAndMarkBirthdays(s, v);
    ReadAndDisplayThisYearsMarks(s, v);
    if (s.flags.gSpansNextYear) {
        DisplayNextYearsHolidays(s, v);
        ReadAndMarkNextYearsBirthdays(s, v);
        ReadAndDisplayNextYearsMarks(s, v);
    }
}

void SetShown(Store& s, frmMain& m, int index, bool shown) {
    s.markers.gMarkerHidden[index] = shown ? 0 : -1;
    s.markers.gMarkerMenuChecked[index] = shown;
    if (QAction* a = m.Menu(QString("mnuEditMark_%1").arg(index))) a->setChecked(shown);
}

// A command that draws the view again closes the notes and planner windows over it: their
// unsaved edits are settled first, and Cancel there stops the command.
bool MayRedrawView(Store& s) { return s.flags.gCalendarView == 0 || QueryUnloadPlannerAndNotes(s); }

// The month's messages follow the display choices once per command: listed by the redraw of a
// wide month view, else here.
void ListMonthMessages(Store& s, frmMain& m) {
    if (s.flags.gCalendarView == 1 && s.view.gMonthMessagesStale) DisplayTTTLabels(s, m);
}

void SetAllShown(Store& s, frmMain& m, bool shown) {
    if (!MayRedrawView(s)) return;
    for (int i = 0; i < kMarkerCount; ++i) SetShown(s, m, i, shown);
    s.flags.gHighlightToday = shown;
    s.view.gMonthMessagesStale = true;
    RedrawCurrentView(s, m);
    ListMonthMessages(s, m);
}

} // namespace

std::string HoverNoteTitle(const std::string& caption, Date date) {
    return "Optional Hover Text: " + caption + " for " + FormatShortDate(date);
}

void mnuOptDateMarkAs_Click(Store& s, frmMain& m, int index) { ApplyMark(s, m, MarkAsItemCategory(index)); }

void mnuOptDateQuickMark_Click(Store& s, frmMain& m) { ApplyMark(s, m, kQuickMarkCategory); }

void mnuOptDateAttachHoverText_Click(Store& s, frmMain& m) {
    std::string title = HoverNoteTitle(s.marks.gLastMarkCaption, s.dates.gSelectedDate);
    s.marks.gLastMarkCaption.clear();
    MarkYear which = MarkYearToChange(s);
    if (which == MarkYear::None) return;
    ReloadMarks(s, which);
    YearMarks g = MarksOf(s, which);
    Cell c = CellOf(s.dates.gSelectedDate);
    std::string& note = g.hovers[c.month][c.column][c.row];
    size_t most = LongestHoverNote(s, MarkYearNumber(s, which));
    std::string answer = note;
    for (;;) {
        answer = s.ui->InputBox(kHoverNotePrompt, title, answer);
        // Cancel and an empty answer keep the note.
        if (answer.empty()) return;
        if (answer.size() <= most) break;
        // Its line could not be read back: asked again with what was typed, to be shortened.
        s.ui->MsgBox("A hover note can hold at most " + std::to_string(most) + " characters; this one has " +
                         std::to_string(answer.size()) + ". Please shorten it.",
                     MsgButtons::OK, "");
    }
    std::string old = note;
    note = answer;
    // A note the file did not take is not kept either: it would go with every later save.
    if (!SaveAndShow(s, m, which)) note = old;
}

void mnuOptDateClearMark_Click(Store& s, frmMain& m) {
    MarkYear which = MarkYearToChange(s);
    if (which == MarkYear::None) return;
    if (!MayRedrawView(s)) return;
    ReloadMarks(s, which);
    YearMarks g = MarksOf(s, which);
    Cell c = CellOf(s.dates.gSelectedDate);
    if (g.flags[c.month][c.column][c.row] == 0) {
        // What is painted there is a birthday or a holiday, which have managers of their own.
        bool next = which == MarkYear::Next;
        const auto& birthdays = next ? s.birthdays.gNextYearsBirthdayCounts : s.birthdays.gThisYearsBirthdayCounts;
        const auto& holidays = next ? s.holidays.gNextYearsHolidayFlags : s.holidays.gThisYearsHolidayFlags;
        if (birthdays[c.month][c.column][c.row] != 0) {
            s.ui->MsgBox("Use the Birthday Manager to remove this mark.", MsgButtons::OK, "");
            return;
        }
        if (holidays[c.month][c.column][c.row] != 0) {
            s.ui->MsgBox("Use the Holiday Manager to remove this mark.", MsgButtons::OK, "");
            return;
        }
    }
    // The note stays in memory and comes back with a new mark on the cell.
    g.flags[c.month][c.column][c.row] = 0;
    g.colors[c.month][c.column][c.row] = 0;
    if (which == MarkYear::Next) SaveNextYearsMarks(s);
    else SaveThisYearsMarks(s);
    RedrawCurrentView(s, m);
}

void mnuEditDeleteMarks_Click(Store& s, frmMain& m) {
    MsgAnswer a = s.ui->MsgBox("Are you sure you want to clear all this year's marks? Note: Holidays and "
                               "Birthdays are excluded.",
                               MsgButtons::YesNo, "Preparing to clear the yearly marks");
    // The year view is drawn afterwards even over the planner page: its question comes first.
    if (a != MsgAnswer::Yes || !QueryUnloadPlannerAndNotes(s)) return;
    int year = s.view.gThisYear;
    std::string path = MarksFilePath(s, year);
    if (PathIsFile(path) && !RemoveFile(path)) {
        LogError(s, "mnuEditDeleteMarks_Click", kErrWriteFailed, "The file " + path + " could not be deleted.");
    } else if (s.marks.thisYearsMarksYear == year) {
        // Nothing of the deleted marks, notes included, comes back with a later mark.
        s.marks.thisYearsMarksYear = 0;
    }
    // The year just emptied is drawn again, whatever year a note has selected since.
    Show1YearCalendarOf(s, m, year);
}

void mnuEditMark_Click(Store& s, frmMain& m, int index, bool shown) {
    if (index < 0 || index >= kMarkerCount) return;
    bool redraws = index == kBirthdayCategory || index == kHolidayCategory || index == kTodayCategory;
    if (redraws && !MayRedrawView(s)) {
        // The tick the click has turned over goes back: nothing changed.
        if (QAction* a = m.Menu(QString("mnuEditMark_%1").arg(index))) a->setChecked(!shown);
        return;
    }
    SetShown(s, m, index, shown);
    s.view.gMonthMessagesStale = true;
    RepaintOverlays(s, m);
    if (redraws) {
        s.flags.gHighlightToday = shown;
        RedrawCurrentView(s, m);
    }
    ListMonthMessages(s, m);
}

void mnuEditMarksHideAll_Click(Store& s, frmMain& m) { SetAllShown(s, m, false); }

void mnuEditMarksShowAll_Click(Store& s, frmMain& m) { SetAllShown(s, m, true); }

void mnuEditMarkerSaveSettings_Click(Store& s, frmMain& m) {
    s.markers.gSaveMarkerVisibility = true;
    // Read back after a refused save, the old file would hide again what the user has shown.
    if (!SaveMarkerColors(s)) return;
    ReadMarkerColors(s);
    m.ApplyMarkerCaptions();
}

void ConnectMarkMenus(frmMain& m) {
    Store& s = m.store();
    m.Wire("mnuOptDateQuickMark", [&s, &m] { mnuOptDateQuickMark_Click(s, m); });
    for (int i = 0; i < 12; ++i)
        m.Wire(QString("mnuOptDateMarkAs_%1").arg(i), [&s, &m, i] { mnuOptDateMarkAs_Click(s, m, i); });
    m.Wire("mnuOptDateClearMark", [&s, &m] { mnuOptDateClearMark_Click(s, m); });
    m.Wire("mnuOptDateAttachHoverText", [&s, &m] { mnuOptDateAttachHoverText_Click(s, m); });
    m.Wire("mnuEditDeleteMarks", [&s, &m] { mnuEditDeleteMarks_Click(s, m); });
    m.Wire("mnuEditMarksHideAll", [&s, &m] { mnuEditMarksHideAll_Click(s, m); });
    m.Wire("mnuEditMarksShowAll", [&s, &m] { mnuEditMarksShowAll_Click(s, m); });
    for (int i = 0; i < kMarkerCount; ++i) {
        QAction* a = m.Menu(QString("mnuEditMark_%1").arg(i));
        if (!a) continue;
        // The item has toggled its own tick by the time it reports the click.
        m.Wire(a->objectName(), [&s, &m, a, i] { mnuEditMark_Click(s, m, i, a->isChecked()); });
    }
    m.Wire("mnuEditMarkerSaveSettings", [&s, &m] { mnuEditMarkerSaveSettings_Click(s, m); });
}

} // namespace orvelle
