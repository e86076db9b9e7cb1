#include "mainwindow/ToolButtonLooks.h"

namespace orvelle {
namespace {

constexpr ButtonLooks kAllNoFocus{ButtonLook::NoFocus, ButtonLook::NoFocus, ButtonLook::NoFocus};

// The view code whose button is `index`.
int ViewOfButton(int index) { return index == 0 ? 1 : index == 1 ? 6 : 12; }

} // namespace

std::optional<ButtonLooks> RestViewLooks(int calendarView, bool templateMode) {
    ButtonLooks looks = kAllNoFocus;
    switch (calendarView) {
    case 0: break;
    case 1: looks[0] = templateMode ? ButtonLook::NoFocus : ButtonLook::Down; break;
    case 6: looks[1] = ButtonLook::Down; break;
    case 12: looks[2] = ButtonLook::Down; break;
    default: return std::nullopt;
    }
    return looks;
}

std::optional<ButtonLooks> HoverViewLooks(int index, int calendarView, bool templateMode) {
    if (index < 0 || index > 2 || ViewOfButton(index) == calendarView) return std::nullopt;
    if (calendarView != 1 && calendarView != 6 && calendarView != 12) return kAllNoFocus;
    ButtonLooks looks = *RestViewLooks(calendarView, templateMode);
    looks[static_cast<size_t>(index)] = ButtonLook::Up;
    return looks;
}

ButtonLooks HoverOptionLooks(int index) {
    ButtonLooks looks = kAllNoFocus;
    if (index >= 0 && index <= 2) looks[static_cast<size_t>(index)] = ButtonLook::Up;
    return looks;
}

BarLooks BarRestLooks(int calendarView, bool templateMode, bool plannerOpen) {
    if (plannerOpen) return {};
    return {kAllNoFocus, RestViewLooks(calendarView, templateMode)};
}

} // namespace orvelle
