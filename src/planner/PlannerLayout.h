#pragma once
// The fixed planner page as data: where every box, time label, check image and section label
// stands, in twips from the top left of the page, and the per-box tables the editing rules
// read. The window builds its controls from this table; tests check it directly.
#include <array>
#include <string>

namespace orvelle {

struct TwipPoint {
    int left = 0;
    int top = 0;
};

// One line box txt(i).
struct PlannerBoxSpec {
    int left = 0;
    int top = 0;
    int width = 0;
    int maxChars = 0;  // 150, 60, 50, 10 or 80
    std::string type;  // gPlannerLineTypes entry at page build: "Stop", "ToDO", "Expense", ...
    std::string tag;   // "150.Stop", "060.ToDo", "010.ExpAmt", ...
};

// How a section label's left edge follows from its own width W.
enum class LabelAnchor {
    Left,     // left = x
    Centre,   // left = x - W / 2
    RightEnd  // left = x - W (the label ends at x)
};

struct SectionLabelSpec {
    std::string caption;
    int top = 0;
    double x = 0;  // anchor position; centres may fall on half twips
    LabelAnchor anchor = LabelAnchor::Left;

    // Left edge in twips for a label `width` twips wide.
    double LeftFor(double width) const;
};

struct PlannerLayout {
    static constexpr int kBoxes = 60;
    static constexpr int kTimeLabels = 16;
    static constexpr int kCheckImages = 10;
    static constexpr int kSectionLabels = 20;

    // Inner area of the page, and the line that headings and the date centre on.
    static constexpr int kPageWidth = 12150;
    static constexpr int kPageHeight = 15900;
    static constexpr int kFormCenterX = kPageWidth / 2;

    static constexpr int kBoxHeight = 285;
    static constexpr int kRowStep = 360;
    static constexpr int kCheckImageSize = 255;  // 17 pixels at 15 twips per pixel
    static constexpr int kDateLabelTop = 600;
    static constexpr int kDayButtonTop = 1320;
    static constexpr int kDayButtonWidth = 1455;
    static constexpr int kDayButtonHeight = 285;
    static constexpr int kCursorLabelTop = 60;
    static constexpr int kCursorLabelBottomGap = 450;

    std::array<PlannerBoxSpec, kBoxes> boxes;
    std::array<TwipPoint, kTimeLabels> timeLabels;
    std::array<TwipPoint, kCheckImages> checkImages;
    std::array<SectionLabelSpec, kSectionLabels> sectionLabels;
    std::array<TwipPoint, 2> dayButtons;  // "<   Previous Day", "Next Day   >"
};

// The page as LoadTheObjects lays it out. The to-do boxes stand 90 twips right of their check
// image, so they follow the image's actual width.
PlannerLayout BuildPlannerLayout(int checkImageWidth = PlannerLayout::kCheckImageSize);

// The layout built with the standard check image, computed once.
const PlannerLayout& StandardPlannerLayout();

// Caption of section label k (0..19).
const char* SectionCaption(int k);

} // namespace orvelle
