#include "views/DateSelection.h"

#include "platform/Cp1252.h"
#include "views/MainShell.h"
#include "store/Marks.h"
#include "store/NotesStore.h"
#include "store/Store.h"

#include <QCursor>
#include <QMenu>

namespace orvelle {

std::string CellText(const YearGrid<std::string>& grid, int month, int column, int row) {
    if (month < 0 || month > 11 || column < 0 || column > 6 || row < 0 || row > 5) return {};
    const std::string& cell = grid[month][column][row];
    if (IsBlankDateCell(cell)) return {};
    size_t b = cell.find_first_not_of(' ');
    size_t e = cell.find_last_not_of(' ');
    return b == std::string::npos ? std::string() : cell.substr(b, e - b + 1);
}

void SetCurrentCellStrings(Store& s, const std::string& text, int year) {
    ViewState& v = s.view;
    v.gCurrentCellText = text;
    if (text.size() < 5) {
        v.gCurrentCellText.clear();
        v.gCurrentCellMM.clear();
        v.gCurrentCellDD.clear();
        v.gCurrentCellYYYY.clear();
        return;
    }
    v.gCurrentCellMM = text.substr(0, 2);
    v.gCurrentCellDD = text.substr(3, 2);
    v.gCurrentCellYYYY = std::to_string(year);
}

void SetMarkMenus(MainShell& m, std::int16_t markFlag) {
    m.SetMenuEnabled("mnuOptDateQuickMark", markFlag == 0);
    m.SetMenuEnabled("mnuOptDateClearMark", markFlag != 0);
}

void FollowSelectedDateInMarkMenus(Store& s, MainShell& m) {
    // The template shows no marks; its menus stay as they were.
    if (s.flags.gTemplateMode) return;
    MarkYear which = MarkYearOfSelectedDate(s);
    std::int16_t flag = 0;
    YearMarks g = MarksOf(s, which);
    // Grids of another year than the one the commands would change say nothing of this date.
    if (which != MarkYear::None && g.year == MarkYearNumber(s, which)) {
        Cell c = CellOf(s.dates.gSelectedDate);
        flag = g.flags[c.month][c.column][c.row];
    }
    SetMarkMenus(m, flag);
}

std::string HolidayLabelText(const Store& s, int month, int column, int row) {
    const Holidays& h = s.holidays;
    if (h.gThisYearsHolidayFlags[month][column][row] == 0) return "No Holiday Assigned";
    std::string stamp = TwoDigits(month) + TwoDigits(column) + TwoDigits(row);
    int count = std::min<int>(h.gThisYearsHolidayCount, static_cast<int>(h.gThisYearsHolidayStamps.size()));
    for (int i = 0; i < count && i < static_cast<int>(h.gThisYearsHolidayNames.size()); ++i) {
        if (h.gThisYearsHolidayStamps[i] == stamp) return "Holiday = " + h.gThisYearsHolidayNames[i];
    }
    // The flag outlives the list it came from (another year's holidays); name none then.
    return "No Holiday Assigned";
}

std::optional<Date> MonthCaptionDate(const std::string& caption) {
    size_t comma = caption.find(',');
    if (comma == std::string::npos) return std::nullopt;
    int month = MonthFromName(caption.substr(0, comma));
    std::string rest = caption.substr(comma + 1);
    size_t b = rest.find_first_not_of(' ');
    if (month == 0 || b == std::string::npos) return std::nullopt;
    rest = rest.substr(b);
    if (rest.size() < 3 || rest.size() > 4 || rest.find_first_not_of("0123456789") != std::string::npos)
        return std::nullopt;
    int year = std::stoi(rest);
    if (!IsValidDate(year, month, 1)) return std::nullopt;
    return DateSerial(year, month, 1);
}

void PopUpDateMenu(MainShell& m) { m.DateMenu()->popup(QCursor::pos()); }

void OpenNoteOnDoubleClick(Store& s, MainShell& m) {
    auto date = m.PickerDate();
    // Texts typed into the picker that form no date leave the selection alone.
    if (!date) return;
    SelectDate(s, *date);
    if (s.dates.gSelectedDate != s.view.gHoverDate) return;
    DisplayThisNote(s);
}

} // namespace orvelle
