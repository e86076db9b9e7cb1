#pragma once
// Run-time failures are shown in a "Program Error" box and appended to "Error.log" in the data
// folder. Past kErrorLogLimit the log is renamed "Error.log.1" (replacing the one before) and
// begun afresh. A log that is a link or not a regular file is never written through.
#include <cstdint>
#include <string>

namespace orvelle {

struct Store;

// Shows the error box (OK only, no icon) and appends the same text to the log. When the log
// cannot be written, says "Error writing to Error.log." instead; it never calls itself.
void LogError(Store& s, const std::string& procName, long number, const std::string& description);
// Appends an entry without a box, for problems found while reading files at start-up.
// False when the log could not be written.
bool AppendToErrorLog(Store& s, const std::string& procName, long number, const std::string& description);
// The exact text of one entry (also the box text), ending with an empty line.
std::string ErrorEntryText(const std::string& procName, long number, const std::string& description);
// Appends ready-made entry text, creating the log when missing and making it writable first.
bool AppendEntryToErrorLog(Store& s, const std::string& entry);

constexpr std::uint64_t kErrorLogLimit = 1ull << 20;

// Error numbers the program uses for its own conditions.
constexpr long kErrBadLine = 1001;     // a data line that could not be read
constexpr long kErrWriteFailed = 1002; // a file that could not be written
constexpr long kErrFileNotFound = 53;  // a data file the program needs is missing
constexpr long kErrPathNotFound = 76;  // a folder (a share drive) that is not there

} // namespace orvelle
