#pragma once
// The To Do pane below a calendar view: the ten items of the to-do list in two columns of five,
// each with its done mark as a check-box picture and its number, under a heading that says
// where the list is edited. The pane only shows the list; nothing in it reacts to the mouse.
#include <string>

class QWidget;

namespace orvelle {

struct Store;

// Where row k (0-9) stands in the pane, twips: check box, number and text, and its number.
struct ToDoRowPlace {
    int checkLeft = 0, checkTop = 0;
    int numberLeft = 0, numberTop = 0;
    int textLeft = 0, textTop = 0;
    std::string number;
};
ToDoRowPlace ToDoRowPlacement(int k);

inline constexpr const char* kToDoHeading =
    "The To Do List is displayed below. This list can be edited from under the menu item labeled \"Manage\".";

// The caption of a row for an item's text: the text as it is, leading blanks kept, or "" when
// it holds nothing but blanks.
std::string ToDoPaneCaption(const std::string& itemText);

// LoadToDo of a view window: creates rows 1-9 the first time (rowsLoaded tells), puts all ten
// rows in place, empties them, reads the to-do list and fills them, centres the heading and
// shows the pane. The six-month view places its pane here (sixMonthPlacement); the other two
// place it before the call.
void LoadToDo(Store& s, QWidget* picToDo, bool& rowsLoaded, bool sixMonthPlacement);

// Captions and pictures of the pane's rows from the list in memory (what ReadToDoList leaves).
void FillToDoPane(const Store& s, QWidget* picToDo);

} // namespace orvelle
