#include "planner/PlannerLayout.h"

namespace orvelle {

namespace {

// Column lefts and row tops of the page; entries the page does not use stay 0.
constexpr std::array<int, 13> kColLeft{840, 1800, 0, 0, 6240, 4860, 0, 0, 10260, 7320, 8700, 10080, 0};
constexpr std::array<int, 13> kRowTop{600, 1200, 1620, 0, 7740, 8160, 0, 10240, 10540, 0, 12150, 12450, 12750};
constexpr int kStep = PlannerLayout::kRowStep;

constexpr const char* kCaptions[PlannerLayout::kSectionLabels] = {
    "Appointments - Events - Meetings", "To Do List", "Expenditures", "Amount", "Expenditures", "Amount",
    "$", "$", "$", "$", "$", "$", "$",
    "Total Expenditures", "Mileage Records", "Destination", "Begin", "End", "Total", "Total Mileage"};

void SetBox(PlannerBoxSpec& b, int left, int top, int width, int maxChars, const char* type, const char* tagType) {
    b.left = left;
    b.top = top;
    b.width = width;
    b.maxChars = maxChars;
    b.type = type;
    std::string digits = std::to_string(maxChars);
    b.tag = std::string(3 - digits.size(), '0') + digits + "." + tagType;
}

// Centre of a box, the way the headings are centred over their columns.
double CentreOf(const PlannerBoxSpec& b) { return b.width / 2.0 + b.left; }

} // namespace

double SectionLabelSpec::LeftFor(double width) const {
    switch (anchor) {
    case LabelAnchor::Centre: return x - width / 2.0;
    case LabelAnchor::RightEnd: return x - width;
    case LabelAnchor::Left: break;
    }
    return x;
}

const char* SectionCaption(int k) { return k >= 0 && k < PlannerLayout::kSectionLabels ? kCaptions[k] : ""; }

PlannerLayout BuildPlannerLayout(int checkImageWidth) {
    PlannerLayout p;
    auto& box = p.boxes;

    // Appointments: one line per hour, level with its time label.
    for (int i = 0; i < 16; ++i) {
        SetBox(box[i], kColLeft[1], kRowTop[2] + kStep * i, 9495, 150, "Stop", "Stop");
        p.timeLabels[i] = {kColLeft[0], kRowTop[2] + kStep * i};
    }

    // To-do lines: images 0-4 on the left, 5-9 on the right, each text 90 twips past its image.
    for (int k = 0; k < 10; ++k) {
        p.checkImages[k] = {k < 5 ? kColLeft[0] : kColLeft[4], kRowTop[5] + 30 + kStep * (k % 5)};
        const TwipPoint& img = p.checkImages[k];
        SetBox(box[16 + k], img.left + checkImageWidth + 90, img.top - 30, 4695, 60, "ToDO", "ToDo");
    }

    // Expenses: two side-by-side columns, even boxes left and odd boxes right.
    for (int i = 26; i <= 31; ++i) {
        int row = (i - 26) / 2;
        SetBox(box[i], i % 2 == 0 ? kColLeft[0] : kColLeft[4], kRowTop[8] + kStep * row, 3780, 50, "Expense", "Expense");
    }
    for (int i = 32; i <= 37; ++i) SetBox(box[i], i % 2 == 0 ? kColLeft[5] : kColLeft[8], box[i - 6].top, 1020, 10, "ExpAmt", "ExpAmt");
    SetBox(box[38], box[37].left, box[37].top + kStep, 1020, 10, "ExpAmt", "ExpAmt");

    // Mileage: a row r is destination 39 + r, begin 44 + r, end 49 + r, miles 54 + r.
    for (int r = 0; r < 5; ++r) {
        int top = kRowTop[12] + kStep * r;
        SetBox(box[39 + r], kColLeft[0], top, 6255, 80, "Dest", "Dest");
        SetBox(box[44 + r], kColLeft[9], top, 1215, 10, "Begin", "Begin");
        SetBox(box[49 + r], kColLeft[10], top, 1215, 10, "End", "End");
        SetBox(box[54 + r], kColLeft[11], top, 1215, 10, "Total", "Total");
    }
    SetBox(box[59], kColLeft[11], box[58].top + kStep, 1215, 10, "Total", "Total");

    // Section labels.
    auto& lbl = p.sectionLabels;
    const double centre = PlannerLayout::kFormCenterX;
    lbl[0] = {kCaptions[0], kRowTop[1], centre, LabelAnchor::Centre};
    lbl[1] = {kCaptions[1], kRowTop[4], centre, LabelAnchor::Centre};
    lbl[2] = {kCaptions[2], kRowTop[7], CentreOf(box[26]), LabelAnchor::Centre};
    lbl[3] = {kCaptions[3], kRowTop[7], CentreOf(box[32]), LabelAnchor::Centre};
    lbl[4] = {kCaptions[4], kRowTop[7], CentreOf(box[27]), LabelAnchor::Centre};
    lbl[5] = {kCaptions[5], kRowTop[7], CentreOf(box[33]), LabelAnchor::Centre};
    for (int k = 6; k <= 12; ++k) {
        const PlannerBoxSpec& b = box[32 + (k - 6)];
        lbl[k] = {kCaptions[k], b.top + 60, static_cast<double>(b.left - 120), LabelAnchor::Left};
    }
    // "Total Expenditures" ends 240 twips left of the last "$".
    lbl[13] = {kCaptions[13], lbl[12].top, lbl[12].x - 240, LabelAnchor::RightEnd};
    lbl[14] = {kCaptions[14], kRowTop[10], centre, LabelAnchor::Centre};
    lbl[15] = {kCaptions[15], kRowTop[11], CentreOf(box[39]), LabelAnchor::Centre};
    lbl[16] = {kCaptions[16], kRowTop[11], CentreOf(box[44]), LabelAnchor::Centre};
    lbl[17] = {kCaptions[17], kRowTop[11], CentreOf(box[49]), LabelAnchor::Centre};
    lbl[18] = {kCaptions[18], kRowTop[11], CentreOf(box[54]), LabelAnchor::Centre};
    lbl[19] = {kCaptions[19], box[59].top + 90, static_cast<double>(box[59].left - 240), LabelAnchor::RightEnd};

    // The day buttons line up with the ends of the first appointment line.
    p.dayButtons[0] = {box[0].left, PlannerLayout::kDayButtonTop};
    p.dayButtons[1] = {box[0].left + box[0].width - PlannerLayout::kDayButtonWidth, PlannerLayout::kDayButtonTop};
    return p;
}

const PlannerLayout& StandardPlannerLayout() {
    static const PlannerLayout layout = BuildPlannerLayout();
    return layout;
}

} // namespace orvelle
