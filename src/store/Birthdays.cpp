#include "store/Birthdays.h"

#include "store/Clock.h"
#include "store/ListFile.h"
#include "store/Store.h"

namespace orvelle {
namespace {

struct MonthDayValue {
    int month = 0, day = 0;
};

std::optional<MonthDayValue> ParseMonthDay(std::string_view md) {
    if (md.size() != 5 || md[2] != '/') return std::nullopt;
    auto m = listfile::Digits(md.substr(0, 2));
    auto d = listfile::Digits(md.substr(3, 2));
    // Any day a birthday can have; 29 February is checked against a leap year.
    if (!m || !d || *m < 1 || *m > 12 || *d < 1 || *d > DaysInMonth(2000, *m)) return std::nullopt;
    return MonthDayValue{*m, *d};
}

Date BirthdayIn(int year, MonthDayValue md) {
    int day = md.day > DaysInMonth(year, md.month) ? DaysInMonth(year, md.month) : md.day;
    return DateSerial(year, md.month, day);
}

} // namespace

std::optional<BirthdayRecord> ParseBirthdayLine(std::string_view line) {
    if (line.size() < 8) return std::nullopt;
    BirthdayRecord r;
    r.MonthDay = std::string(line.substr(0, 5));
    if (!ParseMonthDay(r.MonthDay)) return std::nullopt;
    auto notice = listfile::WholeNumber(line.substr(6, 2));
    if (!notice) return std::nullopt;
    r.Notice = std::to_string(*notice);
    if (line.size() > 9) {
        // The name runs to the ":" before the four-character year, so a name holding ":" stays
        // whole; a line without that ":" ends its name at the first one.
        std::string_view rest = line.substr(9);
        if (line.size() >= 14 && line[line.size() - 5] == ':') r.Name = std::string(line.substr(9, line.size() - 14));
        else r.Name = std::string(rest.substr(0, rest.find(':')));
    }
    r.BirthYear = std::string(line.substr(line.size() - 4));
    return r;
}

Date NextBirthdayOccurrence(std::string_view monthDay, Date today) {
    auto md = ParseMonthDay(monthDay);
    if (!md) return today - 1;
    int year = YearOf(today);
    Date d = BirthdayIn(year, *md);
    return d >= today ? d : BirthdayIn(year + 1, *md);
}

bool IsBirthdayPending(const BirthdayRecord& r, Date today) {
    auto notice = listfile::WholeNumber(r.Notice);
    if (!notice || *notice < 0) return false;
    Date next = NextBirthdayOccurrence(r.MonthDay, today);
    return next >= today && next <= today + *notice;
}

BirthdayIndicator BirthdayIndicatorFor(int pendingCount) {
    if (pendingCount <= 0) return {IndicatorPicture::NonePending, "No Birthdays Pending"};
    if (pendingCount == 1) return {IndicatorPicture::Pending, "1 Birthday is Pending"};
    return {IndicatorPicture::Pending, std::to_string(pendingCount) + " Birthdays are Pending"};
}

void ReadBirthdays(Store& s) {
    Birthdays& b = s.birthdays;
    b.gBirthdayLines.clear();
    b.gBirthdays.clear();
    b.gPendingBirthdayLines.clear();
    b.gBirthdayCount = 0;
    b.gPendingBirthdayCount = 0;
    // Flags and stamps of an earlier list would point at birthdays that no longer exist.
    b.gThisYearsBirthdayCounts = {};
    b.gNextYearsBirthdayCounts = {};
    b.gThisYearsBirthdayStamps.clear();
    b.gNextYearsBirthdayStamps.clear();
    Date today = Clock::Today();

    SkippedLines skipped(s, "ReadBirthdays", s.gAppPath + kBirthdaysFile);
    if (auto lines = listfile::ReadIfPresent(s, "ReadBirthdays", s.gAppPath + kBirthdaysFile, &skipped)) {
        for (size_t i = 0; i < lines->size(); ++i) {
            const std::string& line = (*lines)[i];
            auto r = ParseBirthdayLine(line);
            if (!r) {
                skipped.Skip(i + 1, line, line.empty() ? "empty line" : "not a birthday");
                continue;
            }
            bool pending = IsBirthdayPending(*r, today);
            b.gBirthdayLines.push_back(line);
            b.gBirthdays.push_back(std::move(*r));
            b.gPendingBirthdayLines.push_back(pending ? line : std::string());
            if (pending) ++b.gPendingBirthdayCount;
        }
        b.gBirthdayCount = static_cast<int>(b.gBirthdayLines.size());
    }
    b.indicator = BirthdayIndicatorFor(b.gPendingBirthdayCount);
    if (s.hooks.RefreshIndicators) s.hooks.RefreshIndicators();
}

bool SaveBirthdays(Store& s, const std::vector<std::string>& listItems) {
    if (!listfile::Save(s, "SaveBirthdays", s.gAppPath + kBirthdaysFile, listItems)) return false;
    if (listItems.empty()) return true;
    s.birthdays.gBirthdayLines = listItems;
    bool silent = s.birthdays.gBirthdaysSilentSave;
    s.birthdays.gBirthdaysSilentSave = false;
    if (!silent) s.ui->MsgBox("Birthdays Updated.", MsgButtons::OK, "");
    return true;
}

} // namespace orvelle
