#pragma once
// Word wrap of the appointment lines into their continuance lines. A line whose next time
// label is empty is a "Push" line: when a blank typed into it leaves its text wider than the
// box, the words that no longer fit move to the front of the next line, and on down while
// that line is a "Push" line too. Plain functions of the line texts; widths come from a
// TextMeasurer.
#include "planner/TextMeasurer.h"
#include "store/EditingState.h"

#include <array>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace orvelle {

constexpr int kAppointmentLines = 16;

// The width rules of the appointment lines, in twips.
struct WrapMetrics {
    const TextMeasurer& measurer;
    TextFont font;
    double boxWidth = 0;    // a line wider than this (the whole box) is due to wrap
    double usableWidth = 0; // what a kept line may fill: the box less its 30-twip margin
};

// Whether the change just made to a line calls for a wrap. `caretPos` is the caret before the
// key acted, `lastKeyChar` the key's character. A character that went in at the end of the
// line wraps when it is a blank; inside the line a typed blank wraps. A caret beyond the text
// leaves the flags as they were.
void CheckWrapPosition(std::string_view text, int caretPos, char lastKeyChar, WrapFlags& flags);

// Where the line is cut: just behind the last blank whose text up to it still fits the usable
// width; 0 when not even the first word fits (the whole text moves).
int WrapCut(std::string_view text, const WrapMetrics& m);

// The moved words in front of the next line's text, with a blank between them when neither
// side brings one (the moved words of a blank typed at the end already end in it).
std::string JoinMovedText(std::string_view moved, std::string_view next);

struct WrapResult {
    // New texts of the lines that change, in the order to set them.
    std::vector<std::pair<int, std::string>> lines;
    // Where the caret stands afterwards; a line other than the wrapped one takes the focus.
    int caretLine = -1;
    int caretPos = 0;
};

// Wraps appointment line `index` (0..14) whose text `lines[index]` overflows. `push[i]` tells
// whether line i is a "Push" line. A line that the moved words make overflow wraps on when it
// is a "Push" line itself. With the blank typed at the end, the caret follows the moved words
// into the next line; typed inside the line it stays one further on, or follows its
// character when that moved.
WrapResult WrapPlannerLine(int index, const std::array<std::string, kAppointmentLines>& lines,
                           const std::array<bool, kAppointmentLines>& push, int caretPos, const WrapFlags& flags,
                           const WrapMetrics& m);

} // namespace orvelle
