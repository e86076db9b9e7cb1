#include "platform/Cp1252.h"
#include "views/MainShell.h"
#include "platform/PictureBox.h"
#include "platform/Twips.h"
#include "render/BirthdayMarking.h"
#include "render/HolidayDisplay.h"
#include "render/MarkPainting.h"
#include "render/MonthGridPainter.h"
#include "render/MonthMessages.h"
#include "render/ViewDrawing.h"
#include "store/Holidays.h"
#include "store/IconFiles.h"
#include "store/MarkerCategories.h"
#include "store/SaveChangesPrompt.h"
#include "store/Store.h"
#include "store/TextFile.h"
#include "views/CalendarViews.h"
#include "views/DateSelection.h"
#include "views/MonthIconControls.h"
#include "views/MonthLabels.h"
#include "views/ViewLayers.h"
#include "views/frmMonth.h"

#include <QLabel>

#include <filesystem>

namespace orvelle {
namespace {

// Narrower view windows keep the labels of the last listing.
constexpr double kLabelsMinWidthTwips = 10000;

// The month's own icon file decides what the month shows: its icons, nothing (an empty file), or
// the template when it has no file.
void ShowMonthIcons(Store& s, MainShell& m, frmMonth& view, bool keepUnsaved) {
    namespace fs = std::filesystem;
    std::string monthFile = MonthIconFilePath(s);
    bool monthFileExists = PathIsFile(monthFile);
    std::error_code ec;
    bool monthFileEmpty = monthFileExists && fs::file_size(monthFile, ec) == 0 && !ec;
    IconFiles& ic = s.icons;
    if (PathIsFile(TemplateFilePath(s)) && !monthFileExists) {
        m.SetTemplateText("Monthly View = Template");
        if (!keepUnsaved) ReadTemplateTags(s);
        m.SetMenuEnabled("mnuFileSave", true);
        m.SetMenuEnabled("mnuFileSaveTemplate", true);
    } else if (monthFileEmpty) {
        m.SetTemplateText("Monthly View = Marks Only");
    } else {
        m.SetTemplateText("Monthly View = Modified");
        if (monthFileExists && !keepUnsaved) Read1MonthIcons(s);
        m.SetMenuEnabled("mnuFileSave", true);
        m.SetMenuEnabled("mnuFileSaveCalendar", true);
    }
    // Redrawn over its own unsaved icons (a mark set, say), the month keeps them.
    if (keepUnsaved) PlaceUnsavedIcons(s);
    m.SetMenuEnabled("mnuOptDateRemoveAll", ic.gMonthIconLineCount > 0);
    ShowPlacedIcons(s, view);
    m.ShowTemplateText(true);
    view.picMonth->show();
}

// Whose icons a drawing shows: "Template", or the month drawn as "yyyy/Mmm".
std::string IconsDrawing(bool templ, Date drawn) {
    return templ ? std::string("Template") : std::to_string(YearOf(drawn)) + "/" + MonthAbbrev(MonthOf(drawn));
}

void Draw(Store& s, MainShell& m) {
    // A drawing of another month replaces the changed icons on show (a redraw after a note of
    // another month moved the selected date, say): they are asked about first.
    if (s.flags.gMonthIconsChanged && !s.icons.gIconsDrawnFor.empty()) {
        bool templ = s.flags.gTemplateMode;
        if (IconsDrawing(templ, s.dates.gSelectedDate) != s.icons.gIconsDrawnFor && !ChangesSettled(s)) return;
    }
    if (!ClearChildAreaForView(s)) return;
    frmMonth& view = m.LoadMonthView();
    m.ShowChild(&view);
    static const char* const kHeads[] = {"SUN", "MON", "TUE", "WED", "THU", "FRI", "SAT"};
    for (int i = 0; i < 7; ++i)
        if (view.lblDay[i]) view.lblDay[i]->setText(kHeads[i]);
    PictureBox& box = *view.picMonth;
    box.Cls();
    box.SetForeColor(kVbBlack);

    RemovePlacedIconControls(view);
    ClearPlacedIcons(s);
    s.flags.gSpansNextYear = false;
    LoadThisYearsData(s);
    s.flags.gCalendarView = 1;

    bool templ = s.flags.gTemplateMode;
    m.RestViewButtons();
    m.SetMenuEnabled("mnuOptCal", true);
    m.SetMenuEnabled("mnuOptDateRemoveAll", false);
    if (templ && s.icons.gTemplateDate == 0) SetTemplateDate(s, s.dates.gYear);
    Date drawn = templ ? s.icons.gTemplateDate : s.dates.gSelectedDate;
    if (!templ) {
        SetMonthIconFile(s, drawn);
        s.view.gMonthViewDate = drawn;
    }
    std::string drawing = IconsDrawing(templ, drawn);
    bool keepUnsaved = s.flags.gMonthIconsChanged && s.icons.gIconsDrawnFor == drawing;
    s.icons.gIconsDrawnFor = drawing;
    // Another month's changes were settled before it went; none are carried over to this one.
    if (!keepUnsaved) s.flags.gMonthIconsChanged = false;
    m.SetMenuEnabled("mnuFileSaveTemplate", templ);
    // Ctrl+T reaches the template save only while its submenu is enabled too.
    if (templ) m.SetMenuEnabled("mnuFileSave", true);
    m.SetMenuEnabled("mnuFileSaveCalendar", !templ);
    for (const char* item : {"mnuFilePrintCalendar", "mnuFilePrintBirthdays", "mnuOptDateRemoveIcon", "mnuOptDateShowIcons"})
        m.SetMenuEnabled(item, true);
    m.SetMenuEnabled("mnuEditDeleteMarks", false);

    int year = YearOf(drawn);
    s.view.gThisYear = year;
    s.flags.gViewYear = year;
    s.view.gNextYear = year + 1;
    s.flags.gSpannedYear = year + 1;
    s.flags.gSpansNextYear = false;
    if (!keepUnsaved) {
        for (auto& line : s.icons.gMonthIconLines) line.clear();
        for (auto& line : s.icons.gTemplateIconLines) line.clear();
    }
    m.SetCaption(FromCp1252(templ ? std::string("Orvelle - Modifying Template")
                                      : "Orvelle - " + MonthName(MonthOf(drawn)) + ", " + std::to_string(year)));

    MonthGridPainter painter(s, box);
    painter.DrawTitleHeadsAndRules(drawn, templ);
    view.picNav->setVisible(!templ);
    painter.DrawDayNumbers(drawn, templ);

    if (templ) {
        if (keepUnsaved) PlaceUnsavedIcons(s);
        else ReadTemplateTags(s);
        if (s.icons.gTemplateIconLineCount > 0) m.SetMenuEnabled("mnuOptDateRemoveAll", true);
        ShowPlacedIcons(s, view);
        box.show();
        return;
    }

    // Over the day numbers go holidays, birthdays and marks, in that order.
    if (s.markers.gMarkerHidden[kHolidayCategory] == 0) {
        AssignThisYearsHolidays(s);
        DisplayThisYearsHolidays(s, m);
    }
    if (s.markers.gMarkerHidden[kBirthdayCategory] == 0) ReadAndMarkBirthdays(s, m);
    ReadAndDisplayThisYearsMarks(s, m);

    if (!view.picIcon.empty()) view.picIcon[0]->hide();
    ShowMonthIcons(s, m, view, keepUnsaved);
    m.SetCaption(FromCp1252("Orvelle: " + MonthAbbrev(MonthOf(s.dates.gSelectedDate)) + " " +
                                std::to_string(YearOf(s.dates.gSelectedDate)) + " Calendar"));
    // A narrow view lists nothing now; its strip is listed once the view is wide enough to show it.
    if (PixelsToTwipsX(view.width()) > kLabelsMinWidthTwips) DisplayTTTLabels(s, m);
    else s.view.gMonthMessagesStale = true;
}

} // namespace

void Show1MonthCalendar(Store& s, MainShell& m) {
    Guarded(s, "Show1MonthCalendar", [&] { Draw(s, m); });
    FollowSelectedDateInMarkMenus(s, m);
}

} // namespace orvelle
