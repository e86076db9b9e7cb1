#pragma once
// The messages of the one-month view's strip: the selected month's holidays, birthdays and marked
// dates in day order, each in the colour of its mark category, at most 36 of them.
#include "platform/Colors.h"

#include <string>
#include <vector>

namespace orvelle {

struct Store;

constexpr int kMonthMessageLabels = 36;
// Shown (OK only) when a month has more messages than labels.
extern const char* const kTooManyMonthMessages;

struct MonthMessage {
    int day = 0; // 1-31
    std::string text;
    VbColor color = 0;
};

// Every message of the month the one-month view shows, in day order; within a day the holiday (at most one),
// then the birthdays in list order, then the marks in file order. Holidays and birthdays of a
// hidden category are left out; a mark is listed under the first shown category of its colour,
// or not at all. Entries whose cell or stamp names no day of the month are skipped.
std::vector<MonthMessage> CollectMonthMessages(const Store& s);

// "05: Holiday: New Year's Day"
std::string MonthMessageLine(const MonthMessage& m);

} // namespace orvelle
