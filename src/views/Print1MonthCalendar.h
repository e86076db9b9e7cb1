#pragma once
// File > Print 1 Month Calendar: one page of the month shown in the one-month view (or the
// monthly template) with its icons and the month's messages.
namespace orvelle {

struct Store;

extern const char* const kTooManyPrintedMessages;

// Prints the page. Without a printer says "Printer could not be found" and prints nothing. A
// job that cannot be started, fails while drawing or cannot be ended is abandoned and reported
// through the error log. True when the page went to the printer.
bool Print1MonthCalendar(Store& s);

} // namespace orvelle
