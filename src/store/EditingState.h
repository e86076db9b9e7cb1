#pragma once
// What the planner's line boxes share with the rest of the program while the user types: the
// box with the focus and its caret, the last key, the line wrap's working values, and the
// auto-complete suggestion on show (the terms window and the notes box read these too).
#include <string>

namespace orvelle {

// The wrap test's findings for the keystroke being handled.
struct WrapFlags {
    bool gWrapNeeded = false;
    bool gWrapAtEnd = false;   // the character went in at the end of the line
    bool gWrapMidLine = false; // a blank went in inside the line
};

struct EditingState {
    // Planner line box (0..59) with the focus; the terms window inserts a chosen term there.
    int gCurrentPlannerLine = 0;
    // Caret (selection start) in the box being edited.
    int gPlannerCaretPos = 0;
    // The character whose code is the key code of the last key pressed in a line box.
    std::string gLastKeyChar;
    // The line box that last lost the focus.
    int gLostFocusLine = 0;

    std::string gWrapLineText;
    // Usable width of an appointment line in twips: the box less a 30-twip margin.
    double gPlannerLineWidth = 0;
    WrapFlags wrap;

    // An auto-complete suggestion is inserted at the caret and selected, waiting for a key.
    bool gCompletionShown = false;
    std::string gCompletionTerm;
    long gCompletionCaret = 0;
};

} // namespace orvelle
