#include "planner/PlannerLineWrap.h"

namespace orvelle {

void CheckWrapPosition(std::string_view text, int caretPos, char lastKeyChar, WrapFlags& flags) {
    const int length = static_cast<int>(text.size());
    if (caretPos == length - 1) {
        flags.gWrapAtEnd = true;
        flags.gWrapMidLine = false;
        flags.gWrapNeeded = text.back() == ' ';
    } else if (caretPos < length) {
        flags.gWrapAtEnd = false;
        flags.gWrapMidLine = lastKeyChar == ' ';
        flags.gWrapNeeded = lastKeyChar == ' ';
    }
}

int WrapCut(std::string_view text, const WrapMetrics& m) {
    // Walks the blanks while the text up to (and with) the last one found fits. Stopped by a
    // prefix that no longer fits, the cut is the last blank whose prefix fits; stopped because
    // no blank is left, it is the blank before the last one, so the last two words move on.
    int before = 0, last = 0;  // 1-based positions of the last two blanks found; 0 = none
    size_t from = 0;
    std::string_view prefix;
    while (m.measurer.TextWidth(prefix, m.font) < m.usableWidth) {
        size_t blank = text.find(' ', from);
        if (blank == std::string_view::npos) return before;
        before = last;
        last = static_cast<int>(blank) + 1;
        prefix = text.substr(0, blank + 1);
        from = blank + 1;
    }
    return before;
}

std::string JoinMovedText(std::string_view moved, std::string_view next) {
    std::string joined(moved);
    bool separated = moved.empty() || next.empty() || moved.back() == ' ' || next.front() == ' ';
    if (!separated) joined += ' ';
    joined += next;
    return joined;
}

WrapResult WrapPlannerLine(int index, const std::array<std::string, kAppointmentLines>& lines,
                           const std::array<bool, kAppointmentLines>& push, int caretPos, const WrapFlags& flags,
                           const WrapMetrics& m) {
    WrapResult result;
    if (index < 0 || index + 1 >= kAppointmentLines) return result;
    const std::string& text = lines[index];
    const int cut = WrapCut(text, m);
    if (cut >= static_cast<int>(text.size())) return result;

    result.lines.emplace_back(index, text.substr(0, cut));
    std::string moved = text.substr(cut);
    if (flags.gWrapAtEnd) {
        result.caretLine = index + 1;
        result.caretPos = static_cast<int>(moved.size());
    } else {
        // Behind the blank just typed, in whichever line that blank now stands.
        int after = caretPos + 1;
        result.caretLine = after <= cut ? index : index + 1;
        result.caretPos = after <= cut ? after : after - cut;
    }

    // The moved words go in front of the next line; a "Push" line that now overflows passes
    // its own excess on in turn, so text never runs past a line that has a time of its own.
    int line = index + 1;
    std::string current = JoinMovedText(moved, lines[line]);
    while (push[line] && line + 1 < kAppointmentLines && m.measurer.TextWidth(current, m.font) > m.boxWidth) {
        int c = WrapCut(current, m);
        if (c == 0 || c >= static_cast<int>(current.size())) break;
        if (result.caretLine == line && result.caretPos > c) {
            result.caretLine = line + 1;
            result.caretPos -= c;
        }
        result.lines.emplace_back(line, current.substr(0, c));
        current = JoinMovedText(current.substr(c), lines[line + 1]);
        ++line;
    }
    result.lines.emplace_back(line, current);
    return result;
}

} // namespace orvelle
