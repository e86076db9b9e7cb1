#include "store/Holidays.h"

#include "store/DataFiles.h"
#include "store/ErrorLog.h"
#include "store/ListFile.h"
#include "store/Store.h"
#include "store/TextFile.h"

namespace orvelle {
namespace {

struct YearHolidays {
    int& count;
    std::vector<std::string>& names;
    std::vector<std::string>& dates;
    std::vector<std::string>& stamps;
    YearGrid<std::int16_t>& flags;
};

void ReadHolidayFile(Store& s, const char* procName, int year, YearHolidays out) {
    out.count = 0;
    out.names.clear();
    out.dates.clear();
    out.stamps.clear();
    // Flags from an earlier read would show that year's holidays in this one.
    out.flags = {};

    SkippedLines skipped(s, procName, HolidayFilePath(s, year));
    auto lines = listfile::ReadIfPresent(s, procName, HolidayFilePath(s, year), &skipped);
    if (!lines) return;
    for (size_t i = 0; i < lines->size(); ++i) {
        const std::string& line = (*lines)[i];
        auto h = ParseHolidayLine(line, year);
        if (!h) {
            // Empty lines are also what ReadIfPresent leaves of an overlong one, already counted.
            if (!line.empty()) skipped.Skip(i + 1, line, "too short for a holiday");
            continue;
        }
        // Kept by name (a save writes it back), but it marks no day.
        if (h->stamp.empty()) skipped.Note(i + 1, line, "it is no date of " + std::to_string(year));
        if (!h->stamp.empty()) {
            // The stamp is MMCCRR of a real cell, so its three pairs are in range.
            auto pair = [&](size_t at) { return *listfile::Digits(std::string_view(h->stamp).substr(at, 2)); };
            out.flags[pair(0)][pair(2)][pair(4)] = -1;
        }
        out.names.push_back(std::move(h->name));
        out.dates.push_back(std::move(h->date));
        out.stamps.push_back(std::move(h->stamp));
    }
    out.count = static_cast<int>(out.names.size());
}

} // namespace

std::string HolidayFileName(int year) { return FourDigitYear(year) + "Holidays.dat"; }

std::string HolidayFilePath(const Store& s, int year) { return s.gAppPath + "Holidays/" + HolidayFileName(year); }

std::string HolidayStampOf(std::string_view date, int year) {
    if (date.size() != 8 || date[2] != '/' || date[5] != '/') return {};
    auto m = listfile::Digits(date.substr(0, 2));
    auto d = listfile::Digits(date.substr(3, 2));
    auto yy = listfile::Digits(date.substr(6, 2));
    if (!m || !d || !yy || *yy != year % 100 || !IsValidDate(year, *m, *d)) return {};
    return CellStampOf(DateSerial(year, *m, *d));
}

std::optional<HolidayEntry> ParseHolidayLine(std::string_view line, int year) {
    if (line.size() < 9) return std::nullopt;
    HolidayEntry h;
    h.date = std::string(line.substr(0, 8));
    h.name = std::string(line.substr(9));
    h.stamp = HolidayStampOf(h.date, year);
    return h;
}

void AssignThisYearsHolidays(Store& s) {
    Holidays& h = s.holidays;
    ReadHolidayFile(s, "AssignThisYearsHolidays", YearOf(s.dates.gSelectedDate),
                    {h.gThisYearsHolidayCount, h.gThisYearsHolidayNames, h.gThisYearsHolidayDates,
                     h.gThisYearsHolidayStamps, h.gThisYearsHolidayFlags});
}

void AssignNextYearsHolidays(Store& s) {
    Holidays& h = s.holidays;
    ReadHolidayFile(s, "AssignNextYearsHolidays", YearOf(s.dates.gSelectedDate) + 1,
                    {h.gNextYearsHolidayCount, h.gNextYearsHolidayNames, h.gNextYearsHolidayDates,
                     h.gNextYearsHolidayStamps, h.gNextYearsHolidayFlags});
}

bool WriteHolidayFile(Store& s, int year, const std::vector<std::string>& lines) {
    std::string folder = s.gAppPath + "Holidays";
    bool anyLine = false;
    for (const auto& l : lines) anyLine = anyLine || !l.empty();
    if (anyLine && !MakeFolder(folder)) {
        LogError(s, "SaveHolidayFile", kErrWriteFailed, "The folder " + folder + " could not be created.");
        return false;
    }
    return listfile::Save(s, "SaveHolidayFile", HolidayFilePath(s, year), lines);
}

} // namespace orvelle
