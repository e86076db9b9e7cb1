#pragma once
// Pieces shared by the readers and writers of the one-record-per-line files (alerts, birthdays,
// holidays, to-do list, contacts).
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orvelle {

struct Store;
class SkippedLines;

namespace listfile {

// A field of ASCII digits only (no sign, no blanks); nullopt otherwise or beyond 9 digits.
std::optional<int> Digits(std::string_view field);
// A whole number with optional surrounding blanks and an optional leading "-".
std::optional<int> WholeNumber(std::string_view field);

bool IsBlank(std::string_view text);
std::string Trim(std::string_view text);
// A record is one line: line breaks inside it would split it into two records on the next read.
std::string OneLine(std::string_view text);
// One line of plain text: every control character (a line break, a tab, one pasted in) is a blank.
std::string PlainLine(std::string_view text);

// Replaces the file with the non-empty items, each ended by CR LF; with nothing to write the file
// is removed. A failure is reported through LogError under procName and leaves the old file; a
// file from which lines were skipped is first copied into "Backup" (see DataFiles.h).
bool Save(Store& s, const std::string& procName, const std::string& path, const std::vector<std::string>& items);

// The lines of an existing file; a missing file gives nullopt, an unreadable or oversized one is
// logged and told too. Lines longer than kLongestListLine come back empty, counted in `skipped`
// (or in a record of this call's own when none is given).
std::optional<std::vector<std::string>> ReadIfPresent(Store& s, const std::string& procName, const std::string& path,
                                                      SkippedLines* skipped = nullptr);

} // namespace listfile
} // namespace orvelle
