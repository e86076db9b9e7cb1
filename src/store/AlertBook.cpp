#include "store/AlertBook.h"

#include "store/DateText.h"
#include "store/ListFile.h"
#include "store/SortedText.h"

#include <algorithm>

namespace orvelle {

AlertBook AlertBook::From(const Alerts& a) {
    AlertBook b;
    size_t n = std::min({static_cast<size_t>(std::max(a.gAlertCount, 0)), a.gAlertLines.size(), a.gAlertDates.size(),
                         a.gAlertPeriods.size(), a.gAlertMessages.size(), a.gPendingAlertLines.size()});
    for (size_t i = 0; i < n; ++i) {
        if (a.gAlertLines[i].empty()) continue;
        b.entries.push_back({a.gAlertLines[i], a.gAlertDates[i], a.gAlertPeriods[i], a.gAlertMessages[i],
                             !a.gPendingAlertLines[i].empty()});
    }
    std::stable_sort(b.entries.begin(), b.entries.end(),
                     [](const AlertEntry& x, const AlertEntry& y) { return LessWithoutCase(x.line, y.line); });
    return b;
}

std::vector<int> AlertBook::Listed(bool pendingOnly) const {
    std::vector<int> out;
    for (size_t i = 0; i < entries.size(); ++i) {
        if (!pendingOnly || entries[i].pending) out.push_back(static_cast<int>(i));
    }
    return out;
}

std::vector<std::string> AlertBook::Lines() const {
    std::vector<std::string> out;
    for (const auto& e : entries) out.push_back(e.line);
    return out;
}

void AlertBook::Add(std::string line) {
    AlertEntry e;
    if (auto f = ParseAlertLine(line)) {
        e.date = f->date;
        e.period = f->period;
        e.message = f->message;
    }
    e.line = std::move(line);
    auto at = std::upper_bound(entries.begin(), entries.end(), e,
                               [](const AlertEntry& x, const AlertEntry& y) { return LessWithoutCase(x.line, y.line); });
    entries.insert(at, std::move(e));
}

void AlertBook::RemoveAt(int index) {
    if (index >= 0 && index < static_cast<int>(entries.size())) entries.erase(entries.begin() + index);
}

int AlertBook::RemoveExpired(Date today) {
    auto old = entries.size();
    std::erase_if(entries, [today](const AlertEntry& e) { return e.date < today; });
    return static_cast<int>(old - entries.size());
}

AlertCheck BuildAlertRecord(std::string_view dateText, std::string_view periodText, std::string_view message,
                            int currentYear) {
    AlertCheck c;
    std::string period = listfile::Trim(periodText);
    if (period.empty()) {
        c.error = kAlertPeriodEmpty;
        c.field = AlertCheck::Field::Period;
        return c;
    }
    auto days = period.size() <= 4 ? listfile::Digits(period) : std::nullopt;
    if (!days) {
        c.error = kAlertPeriodTooLong;
        c.field = AlertCheck::Field::Period;
        return c;
    }
    auto date = ParseTypedDate(listfile::Trim(dateText), currentYear, currentYear);
    if (!date) {
        c.error = "Please enter a valid date for this alert.";
        c.field = AlertCheck::Field::Date;
        return c;
    }
    auto line = FormatAlertLine(date->serial(), *days, message);
    if (!line) {
        c.error = "An alert date must lie between 05/18/1927 and 10/13/2173.";
        c.field = AlertCheck::Field::Date;
        return c;
    }
    c.line = std::move(*line);
    return c;
}

} // namespace orvelle
