#pragma once
// The 14 mark categories of "Marker Colors.dat": caption, colour, contrast text colour and
// whether the calendars hide them. Colours are 0x00BBGGRR values, stored as decimal text.
#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace orvelle {

struct Store;

constexpr int kMarkerCount = 14;
constexpr int kBirthdayCategory = 4;
constexpr int kHolidayCategory = 8;
constexpr int kQuickMarkCategory = 10;
constexpr int kTodayCategory = 11;
// "Mark Selected Date as..." offers categories 0-9, then 12 and 13.
constexpr int kMarkAsItemCount = 12;

using Color = std::int32_t;

struct MarkerCategories {
    std::array<std::string, kMarkerCount> gMarkerCaptions;
    std::array<std::string, kMarkerCount> gMarkerColorTexts;
    std::array<Color, kMarkerCount> gMarkerColors{};
    // Caption colour of each category's label in the colour dialog.
    std::array<Color, kMarkerCount> gMarkerTextColors{};
    // -1 hidden on the calendars, 0 shown. A read sets it from "*" but never clears it.
    std::array<std::int16_t, kMarkerCount> gMarkerHidden{};
    // Check marks of the main window's category menu as the last read left them: a line with
    // "*" unchecks its item, every other item is checked.
    std::array<bool, kMarkerCount> gMarkerMenuChecked{};
    // The categories whose line in the file carries "*" (as last read or written). A save that
    // stores no display choices keeps these, so hidden categories stay hidden at the next start.
    std::array<bool, kMarkerCount> gMarkerStoredHidden{};
    bool gMarkerColorsLoaded = false;
    // The next save stores the hidden flags; cleared by every save.
    bool gSaveMarkerVisibility = false;
    // Result of GetMarkTextColor.
    Color gMarkTextColor = 0;
};

void ReadMarkerColors(Store& s);
// The captions and colours read again while the categories shown and hidden stay as the user
// has set them since the start: a "*" in the file hides a category when the program starts, not
// when the colour window reads the file.
void ReadMarkerColorsKeepingDisplay(Store& s);
// Writes the 14 categories from the table (the colour dialog puts its labels there first).
// With gSaveMarkerVisibility the hidden categories get "*"; without it the lines keep the "*"
// the file already had. False when the file could not be written; the old file then stays.
bool SaveMarkerColors(Store& s);
// Sets gMarkTextColor to the calendar text colour for `color`; unknown colours leave it alone.
void GetMarkTextColor(Store& s, Color color);

// Contrast tables: the colour dialog's label text (A) and the calendar's day text (B).
std::optional<Color> DialogLabelTextColor(Color background);
std::optional<Color> CalendarTextColor(Color background);
// The category shown by item `item` (0-11) of "Mark Selected Date as...", or -1.
int MarkAsItemCategory(int item);
// One file line: caption, ":", colour, and "*" when hidden is to be stored.
std::string MarkerLine(const std::string& caption, Color color, bool hidden);

} // namespace orvelle
