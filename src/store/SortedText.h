#pragma once
// The order of the managers' sorted lists: ascending text, letters compared without regard to
// case (ASCII and the Windows-1252 accented capitals).
#include <string>
#include <string_view>
#include <vector>

namespace orvelle {

bool LessWithoutCase(std::string_view a, std::string_view b);
std::string UpperCp1252(std::string_view text);

// Puts `item` after every item that is not greater and returns its position.
size_t InsertSorted(std::vector<std::string>& items, std::string item);

} // namespace orvelle
