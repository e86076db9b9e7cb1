#pragma once
// The keyboard rules of the planner page as tables: which box Enter (or Tab), Down and Up move
// to from each of the 60 line boxes, which characters the number boxes take, and how a number
// box is reformatted when it is left.
#include <string>
#include <string_view>

namespace orvelle {

// Key codes of the line boxes' key handlers (the platform's virtual key codes).
namespace vbkey {
constexpr int Backspace = 8;
constexpr int Tab = 9;
constexpr int Enter = 13;
constexpr int Escape = 27;
constexpr int Space = 32;
constexpr int PageUp = 33;
constexpr int PageDown = 34;
constexpr int Up = 38;
constexpr int Right = 39;
constexpr int Down = 40;
constexpr int Insert = 45;
} // namespace vbkey

// Target box of a navigation key, or -1 when the focus stays. Enter and Tab walk the page in
// reading order (the expense rows left to right), Down and Up walk it column by column.
int EnterTarget(int box);
int DownTarget(int box);
int UpTarget(int box);

bool IsAmountBox(int box);    // 32..37
bool IsOdometerBox(int box);  // 44..53

// Whether box `box` keeps the typed character `keyAscii`: the amount and odometer boxes take
// only digits, "." and Backspace; every other box takes everything.
bool AcceptsKeyAscii(int box, int keyAscii);

// "#######.00": 12.5 -> "12.50", 0 -> ".00". A text that is not a number stays as it is.
std::string FormatAmountBox(std::string_view text);
// "##########": the nearest whole number, 1234.6 -> "1235", 0 -> "". A text that is not a
// number stays as it is.
std::string FormatOdometerBox(std::string_view text);

// Box `box` reformatted as it is when left: amounts and odometers; other boxes unchanged.
std::string FormatOnLeave(int box, std::string_view text);

} // namespace orvelle
