#pragma once
// A store on a temporary folder with the shipped category colours, holiday and birthday files
// written as the managers write them, and helpers that read a painted cell back.
#include "platform/PictureBox.h"
#include "store/Birthdays.h"
#include "store/Holidays.h"
#include "store/MarkerCategories.h"
#include "store/StoreTestFolder.h"

#include <string>
#include <vector>

namespace orvelle {

constexpr VbColor kHolidayOrange = 33023;   // 0x0080FF, black text
constexpr VbColor kBirthdayMagenta = 0xFF00FF; // black text
constexpr VbColor kTodayCyan = 0xFFFF00;

class LayerFixture : public StoreTestFolder {
protected:
    void SetUp() override {
        StoreTestFolder::SetUp();
        s->markers.gMarkerColors[kHolidayCategory] = kHolidayOrange;
        s->markers.gMarkerColors[kBirthdayCategory] = kBirthdayMagenta;
        s->markers.gMarkerColors[kTodayCategory] = kTodayCyan;
        s->view.gToday = DateSerial(2009, 3, 5);
    }

    void WriteHolidays(int year, const std::vector<std::string>& lines) {
        ASSERT_TRUE(WriteHolidayFile(*s, year, lines));
    }
    void WriteBirthdays(const std::string& content) {
        Write(kBirthdaysFile, content);
        ReadBirthdays(*s);
    }
    // Selects the date and fills the shown year's grid (and the next year's) as a view does.
    void Select(Date d, bool withNextYear = false) {
        s->dates.gSelectedDate = d;
        LoadThisYearsData(*s);
        if (withNextYear) AssignNextYearsDateholders(*s);
        s->view.gThisYear = YearOf(d);
        s->view.gNextYear = YearOf(d) + 1;
    }

    // The colour of a cell's box, taken inside its corner clear of the number.
    static VbColor CellFill(const PictureBox& box, Date d) {
        Cell c = CellOf(d);
        return box.Point(c.column + 0.15, c.row + 0.9);
    }
    // Whether any pixel of the date's cell, inside its rules, has the colour.
    static bool CellHasColour(const PictureBox& box, Date d, VbColor colour) {
        Cell c = CellOf(d);
        for (double x = c.column + 0.08; x < c.column + 0.92; x += 0.01)
            for (double y = c.row + 0.82; y < c.row + 1.68; y += 0.01)
                if (box.Point(x, y) == colour) return true;
        return false;
    }
};

// A month box as the views make it.
inline void MakeMonthBox(PictureBox& box, int widthPx = 240, int heightPx = 213) {
    box.resize(widthPx, heightPx);
    box.SetBackColor(kVbWhite);
    box.SetScale(0, 0, 7, 6.75);
    box.Cls();
}

} // namespace orvelle
