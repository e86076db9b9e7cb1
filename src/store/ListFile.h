#pragma once
// Pieces shared by the readers and writers of the one-record-per-line files (alerts, birthdays,
// holidays, to-do list, contacts).
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orvelle {

struct Store;

namespace listfile {

// A field of ASCII digits only (no sign, no blanks); nullopt otherwise or beyond 9 digits.
std::optional<int> Digits(std::string_view field);
// A whole number with optional surrounding blanks and an optional leading "-".
std::optional<int> WholeNumber(std::string_view field);

bool IsBlank(std::string_view text);
std::string Trim(std::string_view text);
// A record is one line: line breaks inside it would split it into two records on the next read.
std::string OneLine(std::string_view text);

// Replaces the file with the non-empty items, each ended by CR LF; with nothing to write the file
// is removed. A failure is reported through LogError under procName and leaves the old file.
bool Save(Store& s, const std::string& procName, const std::string& path, const std::vector<std::string>& items);

// Notes a line that a reader skipped in "Error.log" (no box: readers run at start-up).
void LogSkippedLine(Store& s, const std::string& procName, const std::string& fileName, size_t lineNumber,
                    std::string_view line, const std::string& why);

// The lines of an existing file; a missing file gives nullopt, an unreadable one is logged too.
std::optional<std::vector<std::string>> ReadIfPresent(Store& s, const std::string& procName, const std::string& path);

} // namespace listfile
} // namespace orvelle
