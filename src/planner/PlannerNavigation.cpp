#include "planner/PlannerNavigation.h"

#include "planner/PlannerTotals.h"
#include "store/Numbers.h"

#include <algorithm>
#include <cmath>

namespace orvelle {

int EnterTarget(int i) {
    if (i >= 0 && i <= 25) return i + 1;
    if (i == 26) return 32;
    if (i == 27) return 33;
    if (i >= 28 && i <= 31) return i + 6;
    if (i >= 32 && i <= 35) return i - 5;
    if (i == 36) return 31;
    if (i == 37) return 39;
    if (i == 39) return 44;
    if (i >= 40 && i <= 48) return i + 5;
    if (i >= 49 && i <= 52) return i - 9;
    return -1;  // 38, 53..59
}

int DownTarget(int i) {
    if (i >= 0 && i <= 25) return i + 1;
    if (i == 26) return 28;
    if (i == 27) return 29;
    if (i >= 28 && i <= 35) return i + 2;
    if (i == 36) return 27;
    if (i == 37) return 39;
    if (i >= 39 && i <= 52) return i + 1;
    return -1;  // 38, 53..59
}

int UpTarget(int i) {
    if (i >= 1 && i <= 25) return i - 1;
    if (i == 26) return 25;
    if (i == 27) return 36;
    if (i >= 28 && i <= 35) return i - 2;
    if (i == 36) return 34;
    if (i == 37) return 35;
    if (i == 39) return 37;
    if (i >= 40 && i <= 58) return i - 1;
    return -1;  // 0, 38, 59
}

bool IsAmountBox(int box) { return box >= 32 && box <= 37; }
bool IsOdometerBox(int box) { return box >= 44 && box <= 53; }

bool AcceptsKeyAscii(int box, int keyAscii) {
    if (!IsAmountBox(box) && !IsOdometerBox(box)) return true;
    return (keyAscii >= '0' && keyAscii <= '9') || keyAscii == 8 || keyAscii == '.';
}

std::string FormatAmountBox(std::string_view text) {
    std::optional<double> v = AmountValue(text);
    return v ? FormatAmountText(*v) : std::string(text);
}

std::string FormatOdometerBox(std::string_view text) {
    std::optional<double> v = ParseNumber(text);
    if (!v) return std::string(text);
    double whole = RoundHalfAway(std::clamp(*v, -1e15, 1e15), 0);
    if (whole == 0) return {};
    return std::to_string(static_cast<long long>(whole));
}

std::string FormatOnLeave(int box, std::string_view text) {
    if (IsAmountBox(box)) return FormatAmountBox(text);
    if (IsOdometerBox(box)) return FormatOdometerBox(text);
    return std::string(text);
}

} // namespace orvelle
