#pragma once
// Date marks of the shown year and the next: per cell a flag, the colour of the mark's category
// and an optional hover note, kept in "<yyyy>Marks.dat" directly in the data folder.
//
// Line layout: "MM:CC:RR:<colour>" (month index, weekday column and week row, two digits each,
// then the colour 0x00BBGGRR in decimal), optionally followed by "-" and the hover note, which
// runs to the end of the line and may itself hold "-" and ":". Lines come in month, column, row
// order, separated by CR LF with none after the last; a year without marks has no file.
#include "store/DateModel.h"
#include "store/MarkerCategories.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orvelle {

struct Store;

struct Marks {
    // -1 marked, 0 not. The date grids clear these together with the dates.
    YearGrid<std::int16_t> gThisYearsMarkFlags{};
    YearGrid<std::int16_t> gNextYearsMarkFlags{};
    // The colour of the mark's own category, also while that category is hidden; 0 once cleared.
    YearGrid<Color> gThisYearsMarkColors{};
    YearGrid<Color> gNextYearsMarkColors{};
    // Empty = no note. A note typed for an unmarked cell stays here but is not saved.
    YearGrid<std::string> gThisYearsHoverTexts;
    YearGrid<std::string> gNextYearsHoverTexts;
    // The lines of the last read without their hover notes ("03:02:01:65535"); bad lines are
    // left out. One empty entry when the year has no file.
    std::vector<std::string> gThisYearsMarkLines{std::string()};
    std::vector<std::string> gNextYearsMarkLines{std::string()};
    int gThisYearsMarkLineCount = 0;
    int gNextYearsMarkLineCount = 0;
    // The year the colour and hover grids belong to (0 before the first read). A read of another
    // year starts them afresh, so no note or colour travels to another year's file.
    int thisYearsMarksYear = 0;
    int nextYearsMarksYear = 0;

    // Caption of the category the last mark command applied, for the hover prompt's title.
    std::string gLastMarkCaption;
};

// One year's set of grids, so the twin procedures share their code.
struct YearMarks {
    YearGrid<std::int16_t>& flags;
    YearGrid<Color>& colors;
    YearGrid<std::string>& hovers;
    std::vector<std::string>& lines;
    int& lineCount;
    int& year;
};
YearMarks ThisYearsMarks(Marks& m);
YearMarks NextYearsMarks(Marks& m);

// One line of a marks file.
struct MarkLine {
    Cell cell;
    Color color = 0;
    bool hasHover = false;
    std::string hover;
    std::string fields; // the line without "-" and the note
};

// A mark as the calendars show it: the paint colour is the mark's colour, or for a hidden
// category 0 (not shown) or the holiday or birthday colour that takes its place.
struct MarkPaint {
    Cell cell;
    int day = 0;
    Color paintColor = 0;
    // The contrast colour for the day number on a box of the paint colour.
    Color textColor = 0;
};

// Which year's marks a command on the selected date works on: the shown year, the next while a
// six-month view runs into it, or none when the date is not on the calendar.
enum class MarkYear { None, This, Next };

std::string MarksFileName(int year); // "2009Marks.dat"
std::string MarksFilePath(const Store& s, int year);

// nullopt for a line that is not "MM:CC:RR:colour" with month 0-11, column 0-6, row 0-5 and a
// colour of 0 to 0xFFFFFF; the line may end in "-" and a note.
std::optional<MarkLine> ParseMarkLine(std::string_view line);
// "MM:CC:RR:colour" and, when the note is not empty, "-" and the note (line breaks blanked).
std::string MarkLineText(const Cell& cell, Color color, const std::string& hover);
// The most characters a hover note may hold: with it, the line of any mark still fits what the
// marks file's reader takes back.
size_t LongestHoverNote(const Store& s, int year);
// The date in a cell of `year`'s grid, or nullopt for a cell outside its month.
std::optional<Date> DateOfCell(int year, const Cell& cell);
// The whole file for a year's grids; empty when no cell is marked.
std::string MarksFileContent(const YearGrid<std::int16_t>& flags, const YearGrid<Color>& colors,
                             const YearGrid<std::string>& hovers);

// Write the grids to the file of the shown year (of the year after it). No marked cell removes
// the file. Grids that belong to another year are not written. False on failure, which is
// reported through LogError; the old file then stays.
bool SaveThisYearsMarks(Store& s);
bool SaveNextYearsMarks(Store& s);

// Read the year's file into its grids and line list: the flags become exactly the file's marks,
// colours and notes follow the lines. A bad line is skipped and logged. Returns the marks to
// paint, in file order; a hidden category's mark on a holiday or birthday of that year paints as
// the holiday or birthday.
std::vector<MarkPaint> ReadThisYearsMarks(Store& s);
std::vector<MarkPaint> ReadNextYearsMarks(Store& s);

MarkYear MarkYearOfSelectedDate(const Store& s);
// The shown year's or the next year's grids by `which` (not None).
YearMarks MarksOf(Store& s, MarkYear which);
int MarkYearNumber(const Store& s, MarkYear which);

} // namespace orvelle
