#include "store/BirthdayBook.h"

#include "store/DateText.h"
#include "store/ListFile.h"
#include "store/SortedText.h"

#include <algorithm>
#include <set>

namespace orvelle {
namespace {

bool LineLess(const BirthdayEntry& a, const BirthdayEntry& b) { return LessWithoutCase(a.line, b.line); }

std::optional<int> FourDigitYear(std::string_view y) {
    if (y.size() != 4) return std::nullopt;
    return listfile::Digits(y);
}

} // namespace

BirthdayBook BirthdayBook::From(const Birthdays& b) {
    BirthdayBook book;
    size_t n = std::min({static_cast<size_t>(std::max(b.gBirthdayCount, 0)), b.gBirthdayLines.size(),
                         b.gBirthdays.size(), b.gPendingBirthdayLines.size()});
    for (size_t i = 0; i < n; ++i) {
        if (b.gBirthdayLines[i].empty()) continue;
        book.entries.push_back({b.gBirthdayLines[i], b.gBirthdays[i], !b.gPendingBirthdayLines[i].empty()});
    }
    std::stable_sort(book.entries.begin(), book.entries.end(), LineLess);
    return book;
}

std::vector<std::string> BirthdayBook::Lines() const {
    std::vector<std::string> out;
    for (const auto& e : entries) out.push_back(e.line);
    return out;
}

void BirthdayBook::Add(std::string line) {
    BirthdayEntry e;
    if (auto r = ParseBirthdayLine(line)) e.record = std::move(*r);
    e.line = std::move(line);
    entries.insert(std::upper_bound(entries.begin(), entries.end(), e, LineLess), std::move(e));
}

void BirthdayBook::RemoveAll(std::vector<int> indexes) {
    std::set<int> gone(indexes.begin(), indexes.end());
    for (auto it = gone.rbegin(); it != gone.rend(); ++it) {
        if (*it >= 0 && *it < static_cast<int>(entries.size())) entries.erase(entries.begin() + *it);
    }
}

std::vector<BirthdayRow> BirthdayBook::MonthRows(bool pendingOnly) const {
    std::vector<BirthdayRow> rows;
    for (size_t i = 0; i < entries.size(); ++i) {
        if (pendingOnly && !entries[i].pending) continue;
        const BirthdayRecord& r = entries[i].record;
        rows.push_back({r.MonthDay + "\t" + r.Name, static_cast<int>(i)});
    }
    return rows;
}

std::vector<BirthdayRow> BirthdayBook::NameRows(bool pendingOnly) const {
    std::vector<BirthdayRow> rows;
    for (size_t i = 0; i < entries.size(); ++i) {
        if (pendingOnly && !entries[i].pending) continue;
        const BirthdayRecord& r = entries[i].record;
        rows.push_back({BirthdayDisplayName(r.Name) + " - " + BirthdayDatePart(r), static_cast<int>(i)});
    }
    std::stable_sort(rows.begin(), rows.end(),
                     [](const BirthdayRow& a, const BirthdayRow& b) { return LessWithoutCase(a.text, b.text); });
    return rows;
}

std::string BirthdayDisplayName(std::string_view name) {
    static const char* const kSuffixes[] = {" JR.", ", JR.", " JR", ", JR", " SR.", ", SR.", " SR",
                                            ", SR", " I",   " II",  " III", ", II", ", III"};
    std::string work = listfile::Trim(name);
    std::string suffix;
    for (const char* s : kSuffixes) {
        std::string_view pattern(s);
        std::string upper = UpperCp1252(work);
        // Only the whole last word: "Nina Irwin" holds " I" but has no suffix.
        if (upper.size() <= pattern.size() || upper.compare(upper.size() - pattern.size(), pattern.size(), pattern) != 0)
            continue;
        size_t p = work.size() - pattern.size();
        suffix = work.substr(p);
        work = listfile::Trim(std::string_view(work).substr(0, p + 1));
    }
    if (work.empty()) work = " ";
    size_t blank = work.rfind(' ');
    if (blank == std::string::npos || blank == 0) return work;
    return work.substr(blank + 1) + suffix + ", " + work.substr(0, blank);
}

std::string BirthdayDatePart(const BirthdayRecord& r) {
    return r.BirthYear == "****" ? r.MonthDay : r.MonthDay + "/" + r.BirthYear;
}

std::optional<int> BirthdayAge(const BirthdayRecord& r, Moment now) {
    auto by = FourDigitYear(r.BirthYear);
    if (!by || r.MonthDay.size() != 5) return std::nullopt;
    auto m = listfile::Digits(r.MonthDay.substr(0, 2));
    auto d = listfile::Digits(r.MonthDay.substr(3, 2));
    if (!m || !d || !IsValidDate(*by, *m, *d)) return std::nullopt;
    Date birth = DateSerial(*by, *m, *d);
    int y = YearOf(now.date);
    // Leap days lived through, counted the original way so that ages agree with it.
    int first = *by;
    if (IsLeapYear(*by) && birth > DateSerial(*by, 2, 29)) first = *by + 1;
    int last = y;
    if (IsLeapYear(y) && (now.date < DateSerial(y, 2, 29) || (now.date == DateSerial(y, 2, 29) && now.secondsOfDay == 0)))
        last = y - 1;
    int leapDays = 0;
    for (int year = first; year <= last; ++year) leapDays += IsLeapYear(year) ? 1 : 0;
    int days = now.date - birth;
    return static_cast<int>(static_cast<float>(days - leapDays) / 365.0f);
}

int NoticeOptionOf(std::string_view code) {
    auto n = listfile::WholeNumber(code);
    if (!n) return 5;
    for (int i = 0; i < 7; ++i) {
        if (*listfile::WholeNumber(kNoticeCodes[i]) == *n) return i;
    }
    return 5;
}

std::optional<TypedDate> ParseBirthDate(std::string_view text, Date today) {
    int currentYear = YearOf(today);
    // A date without a year is read in this year: "2/29" is a date only in a leap year.
    auto d = ParseTypedDate(text, currentYear, currentYear);
    if (!d) return std::nullopt;
    // Nobody is born in the future: the century of a two-digit year, or the year of a date typed
    // without one, is the last that puts the date past or today.
    if (d->shortYear && d->serial() > today) d->year -= 100;
    if (!d->yearGiven) {
        d->year = currentYear;
        while (d->year > 100 && (!IsValidDate(d->year, d->month, d->day) || d->serial() > today)) --d->year;
    }
    return d;
}

BirthdayCheck BuildBirthdayRecord(std::string_view name, std::string_view dateText, bool rememberAge, int option,
                                  Date today) {
    BirthdayCheck c;
    std::string n = listfile::OneLine(listfile::Trim(name));
    if (listfile::IsBlank(n)) {
        c.error = "Please enter a name in the box provided.";
        c.nameField = true;
        return c;
    }
    auto d = ParseBirthDate(listfile::Trim(dateText), today);
    if (!d) {
        c.error = "Please enter a date.";
        return c;
    }
    if (d->month == 2 && d->day == 29) {
        c.error = kFebruary29Refused;
        return c;
    }
    // A year typed in full is taken as typed, and an age counted from a date to come means
    // nothing; without "Remember Age" the year is not kept at all.
    if (rememberAge && d->serial() > today) {
        c.error = kFutureBirthRefused;
        return c;
    }
    std::string year = rememberAge ? std::to_string(d->year) : std::string("****");
    if (year.size() != 4) year = "****";
    if (option < 0 || option > 6) option = 5;
    c.line = TwoDigits(d->month) + "/" + TwoDigits(d->day) + ":" + kNoticeCodes[option] + ":" + n + ":" + year;
    return c;
}

} // namespace orvelle
