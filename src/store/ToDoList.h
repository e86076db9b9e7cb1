#pragma once
// "To Do.dat": the default to-do list of ten items, each a line of text behind a done mark
// (byte 0xF3 done, 0xF5 open). Exactly ten lines are written.
#include <array>
#include <string>
#include <string_view>

namespace orvelle {

struct Store;

inline constexpr const char* kToDoFile = "To Do.dat";
inline constexpr char kToDoDoneMark = '\xF3';
inline constexpr char kToDoOpenMark = '\xF5';

struct ToDoList {
    static constexpr int kItems = 10;

    // Item texts, without their marks, as last read or saved.
    std::array<std::string, kItems> gToDoLines;
    // The same texts for the To Do pane of the calendar views.
    std::array<std::string, kItems> gToDoPaneLines;
    // Item texts as edited in the to-do window.
    std::array<std::string, kItems> gToDoTexts;
    std::array<bool, kItems> gToDoChecks{};
    // The to-do window changed a text; cleared by SaveToDoList.
    bool gToDoChanged = false;
    // Set by a command that wants the to-do window: ReadToDoList then fills gToDoTexts, and the
    // window shows itself and clears the flag.
    bool gShowToDoWindow = false;
};

struct ToDoItem {
    std::string text;
    bool done = false;
};

// Any first byte other than the done mark reads as open; an empty line is an empty open item.
ToDoItem ParseToDoLine(std::string_view line);
std::string FormatToDoLine(std::string_view text, bool done);
// The longest item text the file keeps: its longest line less the mark.
size_t LongestToDoItem(const Store& s);

// Reads the file's first ten lines into the list (a missing file leaves the list as it is); with
// gShowToDoWindow set copies the texts to gToDoTexts for the window. The calendar views build
// their To Do pane from gToDoPaneLines and gToDoChecks. It never touches the planner page.
void ReadToDoList(Store& s);
// The planner's import of the default list: ReadToDoList, then every non-blank item and all ten
// done marks go into the open planner page's to-do lines. The page's buffers only: the planner
// window puts the items into its boxes itself, leaving the rest of the page as it is shown.
void ImportToDoListIntoPlanner(Store& s);
// Writes gToDoTexts and gToDoChecks to the file (an empty name becomes "To Do.dat" in the
// caller's variable), clears gToDoChanged and shows "To Do List Saved.". False when the file
// could not be written; gToDoChanged then stays set.
bool SaveToDoList(Store& s, std::string& fileName);

} // namespace orvelle
