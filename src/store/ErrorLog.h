#pragma once
// Run-time failures are shown in a "Program Error" box and appended to "Error.log".
#include <string>

namespace orvelle {

struct Store;

// Shows the error box and appends the same text to the log.
void LogError(Store& s, const std::string& procName, long number, const std::string& description);
// Appends an entry without a box, for problems found while reading files at start-up.
bool AppendToErrorLog(Store& s, const std::string& procName, long number, const std::string& description);
// The exact text of one entry (also the box text).
std::string ErrorEntryText(const std::string& procName, long number, const std::string& description);

// Error numbers the program uses for its own conditions.
constexpr long kErrBadLine = 1001;     // a data line that could not be read
constexpr long kErrWriteFailed = 1002; // a file that could not be written

} // namespace orvelle
