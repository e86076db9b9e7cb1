#include "store/PlannerRecord.h"

#include <algorithm>

namespace orvelle {
namespace {

constexpr int kCaptionWidth = 8;

// Widths of the fields of lines 16-59, in page order.
struct Section {
    int firstLine, lastLine, width;
};
constexpr Section kSections[] = {
    {16, 25, 60},  // to-do texts
    {26, 31, 50},  // expense descriptions
    {32, 38, 10},  // expense amounts and their total
    {39, 43, 80},  // mileage destinations
    {44, 59, 10},  // odometer start, end, miles and the total miles
};

// A line break or NUL inside a field would split or truncate the file's line.
char Clean(char c) { return c == '\r' || c == '\n' || c == '\0' ? ' ' : c; }

void Put(std::string& record, int pos, std::string_view text, int width) {
    int n = std::min<int>(width, static_cast<int>(text.size()));
    for (int k = 0; k < n; ++k) record[pos + k] = Clean(text[k]);
}

std::string_view Field(std::string_view record, int pos, int width) {
    if (pos >= static_cast<int>(record.size())) return {};
    return record.substr(pos, width);
}

std::string_view TrimBlanks(std::string_view t) {
    size_t b = t.find_first_not_of(' ');
    if (b == std::string_view::npos) return {};
    size_t e = t.find_last_not_of(' ');
    return t.substr(b, e - b + 1);
}

} // namespace

RecordField PlannerLineField(int line) {
    if (line >= 0 && line < PlannerPage::kTimeSlots)
        return {kTimeSlotLength * line + kLabelFieldLength, PlannerPage::kLineWidth};
    int pos = kTimeSlotLength * PlannerPage::kTimeSlots;
    for (const Section& s : kSections) {
        if (line >= s.firstLine && line <= s.lastLine) return {pos + (line - s.firstLine) * s.width, s.width};
        pos += (s.lastLine - s.firstLine + 1) * s.width;
    }
    return {0, 0};
}

std::string PlannerLabelField(std::string_view caption, bool bold) {
    std::string field(kLabelFieldLength, ' ');
    int start = bold ? 1 : 0;
    if (bold) field[0] = 'B';
    Put(field, start, caption, kCaptionWidth);
    return field;
}

std::string BuildPlannerRecord(const PlannerPage& page) {
    std::string record(kPlannerRecordLength, ' ');
    for (int i = 0; i < PlannerPage::kTimeSlots; ++i) {
        Put(record, kTimeSlotLength * i, PlannerLabelField(page.gTimeCaptions[i], page.gTimeBold[i]),
            kLabelFieldLength);
    }
    for (int line = 0; line < PlannerPage::kLines; ++line) {
        RecordField f = PlannerLineField(line);
        Put(record, f.pos, page.gPlannerLines[line], f.width);
    }
    for (int k = 0; k < PlannerPage::kToDoLines; ++k)
        record[kDoneMarksPos + k] = page.gPlannerToDoChecks[k] ? kDoneMark : kOpenMark;
    return record;
}

void ReadPlannerRecord(std::string_view record, PlannerPage& page) {
    for (int i = 0; i < PlannerPage::kTimeSlots; ++i) {
        std::string label(Field(record, kTimeSlotLength * i, kLabelFieldLength));
        label.resize(kLabelFieldLength, ' ');
        page.gTimeBold[i] = label[0] == 'B';
        page.gTimeCaptions[i] = std::string(TrimBlanks(std::string_view(label).substr(page.gTimeBold[i] ? 1 : 0)));
    }
    for (int line = 0; line < PlannerPage::kLines; ++line) {
        RecordField f = PlannerLineField(line);
        page.SetLine(line, std::string(Field(record, f.pos, f.width)));
    }
    for (int k = 0; k < PlannerPage::kToDoLines; ++k) {
        size_t pos = kDoneMarksPos + k;
        page.gPlannerToDoChecks[k] = pos < record.size() && record[pos] == kDoneMark;
    }
}

void PadPlannerRecord(std::string& record) {
    if (record.size() >= static_cast<size_t>(kPlannerRecordLength)) return;
    if (record.size() < static_cast<size_t>(kDoneMarksPos)) record.resize(kDoneMarksPos, ' ');
    record.resize(kPlannerRecordLength, kOpenMark);
}

bool IsBlankText(std::string_view text) { return text.find_first_not_of(' ') == std::string_view::npos; }

} // namespace orvelle
