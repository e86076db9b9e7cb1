#pragma once
// Which picture each of the six tool buttons shows, as a function of the shown view, the
// template mode and where the mouse is. The window only copies the pictures.
#include "mainwindow/ToolButtonArt.h"

#include <array>
#include <optional>

namespace orvelle {

// imgCal(0..2) or imgOpt(0..2), in index order.
using ButtonLooks = std::array<ButtonLook, 3>;

// The view buttons with the mouse over none of them: the shown view's button pressed (the
// one-month button not focused while the template is edited), the others not focused; with the
// planner in place of a view (0) none pressed. nullopt for any other view code: keep the looks.
std::optional<ButtonLooks> RestViewLooks(int calendarView, bool templateMode);

// The view buttons after the mouse moved over button `index`: nullopt (nothing changes) over
// the shown view's own button; the rest looks with `index` raised while a view is shown;
// all not focused otherwise.
std::optional<ButtonLooks> HoverViewLooks(int index, int calendarView, bool templateMode);

// The action buttons after the mouse moved over button `index`: that one raised, the others
// not focused (an exists look included).
ButtonLooks HoverOptionLooks(int index);

// The mouse over the bar outside the buttons: the action buttons and the view buttons go back
// to their rest looks; nothing changes while the planner is open.
struct BarLooks {
    std::optional<ButtonLooks> options;
    std::optional<ButtonLooks> views;
};
BarLooks BarRestLooks(int calendarView, bool templateMode, bool plannerOpen);

} // namespace orvelle
