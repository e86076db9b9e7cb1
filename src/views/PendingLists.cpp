#include "views/PendingLists.h"

#include "store/Alerts.h"
#include "store/Birthdays.h"
#include "store/Dates.h"

#include <algorithm>

namespace orvelle {
namespace {

// Case folding for Windows-1252 text: ASCII and the accented capitals 0xC0-0xDE but 0xD7.
unsigned char Fold(char ch) {
    auto c = static_cast<unsigned char>(ch);
    if (c >= 'A' && c <= 'Z') return static_cast<unsigned char>(c + 32);
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return static_cast<unsigned char>(c + 32);
    return c;
}

bool LessWithoutCase(const std::string& a, const std::string& b) {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                        [](char x, char y) { return Fold(x) < Fold(y); });
}

std::vector<PendingRow> SortedRows(const std::vector<std::string>& texts, const std::vector<std::string>& pending,
                                   int count) {
    size_t n = std::min({static_cast<size_t>(std::max(count, 0)), texts.size(), pending.size()});
    std::vector<std::pair<std::string, PendingRow>> items;
    for (size_t i = 0; i < n; ++i) {
        if (pending[i].empty()) continue;
        std::string item = PendingItemText(texts[i], static_cast<int>(i));
        auto index = PendingItemIndex(item);
        if (!index) continue;
        items.push_back({item, {texts[i], *index}});
    }
    std::stable_sort(items.begin(), items.end(),
                     [](const auto& a, const auto& b) { return LessWithoutCase(a.first, b.first); });
    std::vector<PendingRow> rows;
    rows.reserve(items.size());
    for (auto& it : items) rows.push_back(std::move(it.second));
    return rows;
}

} // namespace

std::string PendingItemText(std::string_view text, int index) {
    return std::string(text) + "\t\t\t\t" + kPendingIndexMark + std::to_string(index);
}

std::optional<int> PendingItemIndex(std::string_view item) {
    size_t p = item.rfind(kPendingIndexMark);
    if (p == std::string_view::npos) return std::nullopt;
    std::string_view digits = item.substr(p + 1);
    if (digits.empty() || digits.size() > 5 || digits.find_first_not_of("0123456789") != std::string_view::npos)
        return std::nullopt;
    int value = 0;
    for (char d : digits) value = value * 10 + (d - '0');
    if (value > 32767) return std::nullopt;
    return value;
}

std::vector<PendingRow> PendingAlertRows(const Alerts& a) {
    return SortedRows(a.gAlertMessages, a.gPendingAlertLines, a.gAlertCount);
}

std::vector<PendingRow> PendingBirthdayRows(const Birthdays& b) {
    std::vector<std::string> names;
    names.reserve(b.gBirthdays.size());
    for (const BirthdayRecord& r : b.gBirthdays) names.push_back(r.Name);
    return SortedRows(names, b.gPendingBirthdayLines, b.gBirthdayCount);
}

std::optional<std::string> AlertDateCaption(const Alerts& a, int index) {
    if (index < 0 || index >= a.gAlertCount || index >= static_cast<int>(a.gAlertDates.size())) return std::nullopt;
    return "Alert Date = " + FormatMmDdYy(a.gAlertDates[static_cast<size_t>(index)]);
}

std::optional<std::string> BirthdayDateCaption(const Birthdays& b, int index, int currentYear) {
    if (index < 0 || index >= b.gBirthdayCount || index >= static_cast<int>(b.gBirthdays.size()))
        return std::nullopt;
    const std::string& md = b.gBirthdays[static_cast<size_t>(index)].MonthDay;
    std::string yy = TwoDigits(((currentYear % 100) + 100) % 100);
    bool digits = md.size() == 5 && md[2] == '/' &&
                  std::all_of(md.begin(), md.end(), [](char c) { return c == '/' || (c >= '0' && c <= '9'); });
    if (digits) {
        int month = (md[0] - '0') * 10 + (md[1] - '0');
        int day = (md[3] - '0') * 10 + (md[4] - '0');
        if (IsValidDate(currentYear, month, day)) return "Date = " + FormatMmDdYy(DateSerial(currentYear, month, day));
    }
    // No such day this year (29 February in a common year): the month and day as written.
    return "Date = " + md + "/" + yy;
}

} // namespace orvelle
