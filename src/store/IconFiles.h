#pragma once
// The icon palette ("Icon Tags.dat"), the monthly template ("Template.dat") and the icons of one
// month ("<yyyy>/<Mmm>_Icons.dat"). The store keeps picture numbers and captions only; the
// windows load the pictures from "Images/<n>.ico".
#include "store/Dates.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orvelle {

struct Store;

constexpr int kIconPaletteSlots = 96;    // slots 0-95 of the palette
constexpr int kIconPictureCount = 144;   // picture files 0.ico - 143.ico
constexpr int kMaxIconPlacements = 124;  // 31 days x 4 positions
constexpr int kIconPositionsPerDay = 4;

// One line of a placement file: "dd:0p Index:ii", day and position 0-based.
struct IconPlacement {
    int day = 0;      // 0-30
    int position = 0; // 0-3
    int slot = 0;     // 0-95
};

// Reads a placement line; nullopt when a field is missing or out of range.
std::optional<IconPlacement> ParseIconPlacement(std::string_view line);
// Builds the line exactly as a drop writes it: ParseIconPlacement's inverse.
std::string FormatIconPlacement(const IconPlacement& p);

// A palette line "nnn:caption" split into the picture number and the caption.
struct IconTag {
    int picture = 0;
    std::string caption;
};
std::optional<IconTag> ParseIconTagLine(std::string_view line);
std::string FormatIconTagLine(int picture, std::string_view caption); // 7, "Rent" -> "007:Rent"

// Day of a template placement on a month of `year`: a day the month lacks goes to its last day.
int TemplateDayInMonth(int day0, int year, int month);

// A month laid out as weekday column x week row; cells hold "mm/dd/yy" or 8 NULs.
using MonthCells = std::array<std::array<std::string, 6>, 7>;
MonthCells LayOutMonth(int year, int month);

// What the month view shows for one placed-icon control.
struct PlacedIcon {
    bool visible = false;
    int column = 0;
    int row = 0;
    double left = 0; // grid units
    double top = 0;
    std::string tag; // the placement line
    int slot = 0;
    std::string pictureNumber; // of the slot when placed, "" when the slot has none
    std::string caption;
};

struct IconPoolEntry {
    int controlIndex = 0;
    int freeFlag = 0; // -1 = hidden and free for reuse
};

// The drag of a palette slot ("Image") or of a placed icon ("Picture") under way.
struct IconDragState {
    std::string gDragKind;       // "Image", "Picture", or "" when no drag is under way
    int gDraggedIconNumber = 0;  // the palette slot of the dragged picture
    int gPressedIconIndex = -1;  // the placed-icon control last pressed
    int gIconTargetIndex = 0;    // the control that receives the drop
    // Where a moved icon sat: put back when its drag ends without a placing drop.
    int movedDay = -1;
    int movedPosition = -1;
    std::string movedPicture;    // its picture number, which it keeps on the new day
};

struct IconFiles {
    IconDragState drag;

    // Palette.
    std::array<std::string, kIconPaletteSlots> gIconTagLines;
    std::array<std::string, kIconPaletteSlots> gIconTagNumbers; // "" when the slot has no picture
    std::array<std::string, kIconPaletteSlots> gIconTagCaptions;
    int gIconTagLast = -1; // 95 once the palette has been read

    // Placement lists, indexed by placed-icon control; "" = no icon.
    std::array<std::string, kMaxIconPlacements> gTemplateIconLines;
    int gTemplateIconLineCount = 0;
    std::array<std::string, kMaxIconPlacements> gMonthIconLines;
    int gMonthIconLineCount = 0;

    // [day 0-30][position 0-3]: -1 while the position holds an icon.
    std::array<std::array<int, kIconPositionsPerDay>, 31> gDayIconSlots{};
    int gIconControlCount = 0;
    std::array<int, kMaxIconPlacements> gIconControlsInUse{};
    std::vector<IconPoolEntry> gIconPool = std::vector<IconPoolEntry>(1);
    // Per control, what the last read placed; the month view shows it.
    std::vector<PlacedIcon> gPlacedIcons;
    bool gPlacingIcons = false;

    // What the month view last drew icons for: "Template", or "<yyyy>/<Mmm>".
    std::string gIconsDrawnFor;

    // The shown month's file: "<Mmm>_Icons.dat" in the sub-folder of gMonthIconYear.
    std::string gMonthIconFileName;
    int gMonthIconYear = 0;

    // Template mode shows January of this date's year. Its cells come from IconMonthCells, never
    // from the selected month's grid, which keeps the selected month's dates.
    Date gTemplateDate = 0;

    static constexpr std::array<double, kIconPositionsPerDay> gIconSlotOffsetsX{0.04, 0.28, 0.52, 0.76};
    static constexpr double gIconOffsetY = 1.45;
};

// "Images/<n>.ico" in the data folder; number as stored in gIconTagNumbers.
std::string IconPicturePath(const Store& s, const std::string& pictureNumber);
std::string MonthIconFilePath(const Store& s);
std::string TemplateFilePath(const Store& s);

// Sets the month-icon file to the month and year of `drawn`.
void SetMonthIconFile(Store& s, Date drawn);
// Sets gTemplateDate to 1 January of `year`.
void SetTemplateDate(Store& s, int year);
// The month the one-month view last drew outside template mode (the selected date before it
// first drew). A note of another month moves the selected date while the view stays.
Date MonthViewDate(const Store& s);
// The month the one-month view shows: January of the template's year in template mode, else
// MonthViewDate.
Date MonthViewShows(const Store& s);
// The cells the icons are placed on and dropped into: those of MonthViewShows.
MonthCells IconMonthCells(const Store& s);

void ReadIconTags(Store& s);
// Rewrites all 96 lines; creates the file when it is missing. False (reported) on failure.
bool SaveIconTags(Store& s);

// The readers append to the line count the caller reset, then place every line's icon.
void ReadTemplateTags(Store& s);
void Read1MonthIcons(Store& s);
// Forgets the placed icons of the previous drawing (controls, pool, slots and counts).
void ClearPlacedIcons(Store& s);
// Places the lines of the mode's list again as they stand, changed and not yet saved, for a
// drawing of the same month; the gaps that removed icons left are closed.
void PlaceUnsavedIcons(Store& s);

// Both savers report success to the user, clear gMonthIconsChanged and return true; a failed
// write is reported, keeps the old file and the changed flag, and returns false.
// SaveTemplateIcons also leaves template mode and selects today; the caller shows the year view.
bool SaveTemplateIcons(Store& s);
// Only the write and its report, for the save-changes prompt: the step it guards goes on from
// the selected date.
bool WriteTemplateIcons(Store& s);
bool Save1MonthIcons(Store& s);

} // namespace orvelle
