#pragma once
// The page of the open planner date as plain buffers: what the planner window shows and edits,
// and what the day record is built from and parsed into. Bytes are Windows-1252.
#include "store/Dates.h"

#include <array>
#include <string>

namespace orvelle {

struct PlannerPage {
    static constexpr int kTimeSlots = 16;  // lines 0-15 carry a time label
    static constexpr int kLines = 60;
    static constexpr int kToDoLines = 10;  // lines 16-25
    static constexpr int kFirstToDoLine = 16;
    static constexpr int kLineWidth = 150;

    // Time label captions beside lines 0-15 ("06:00 AM"; empty for a line that continues the
    // one above) and whether each label is bold.
    std::array<std::string, kTimeSlots> gTimeCaptions;
    std::array<bool, kTimeSlots> gTimeBold{};
    // Each line exactly 150 bytes, padded with blanks.
    std::array<std::string, kLines> gPlannerLines;
    // Done flags of the to-do lines 16-25.
    std::array<bool, kToDoLines> gPlannerToDoChecks{};

    PlannerPage() { Reset(); }

    // The page of a date without a record: hourly captions 6 AM to 9 PM, none bold, blank lines,
    // nothing done.
    void Reset() {
        for (int i = 0; i < kTimeSlots; ++i) {
            gTimeCaptions[i] = DefaultCaption(i);
            gTimeBold[i] = false;
        }
        for (auto& line : gPlannerLines) line.assign(kLineWidth, ' ');
        gPlannerToDoChecks.fill(false);
    }

    static std::string DefaultCaption(int slot) { return FormatMediumTime((6 + slot) * 3600); }

    // Stores a line's text, cut or padded to the 150-byte slot.
    void SetLine(int i, const std::string& text) {
        if (i < 0 || i >= kLines) return;
        gPlannerLines[i] = text.substr(0, kLineWidth);
        gPlannerLines[i].resize(kLineWidth, ' ');
    }
};

} // namespace orvelle
