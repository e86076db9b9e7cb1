#pragma once
// The fixed 4100-byte day record of a planner page: every field of the page at its own position.
// Building and parsing are pure functions of the page buffers, shared by the year file, the
// exported planner days, the merge and the reports.
#include "store/PlannerPage.h"

#include <string>
#include <string_view>

namespace orvelle {

constexpr int kPlannerRecordLength = 4100;
constexpr int kTimeSlotLength = 160;  // label field + line text
constexpr int kLabelFieldLength = 10;
constexpr int kDoneMarksPos = 4090;   // 0-based start of the ten done marks
constexpr char kDoneMark = '\xF3';
constexpr char kOpenMark = '\xF5';

// 0-based offsets of the areas the expense and mileage extracts cut.
constexpr int kExpenseTextPos = 3160;    // 6 x 50
constexpr int kExpenseAmountPos = 3460;  // 6 x 10, then the total
constexpr int kMileageDestPos = 3530;    // 5 x 80
constexpr int kMileageBeginPos = 3930;   // 5 x 10
constexpr int kMileageEndPos = 3980;     // 5 x 10
constexpr int kMileageTotalPos = 4030;   // 5 x 10, then the total
constexpr int kExpenseAreaLength = 360;  // descriptions and amounts, without the total
constexpr int kMileageAreaLength = 550;  // destinations to miles, without the total

// Record field of page line `line` (16..59): its 0-based position and width. Lines 0-15 sit
// inside the time slots at 160 * line + 10, 150 wide.
struct RecordField {
    int pos;
    int width;
};
RecordField PlannerLineField(int line);

// The 10-byte label field: "B", the caption in 8, one blank when bold; the caption in 8 and two
// blanks otherwise. A longer caption is cut.
std::string PlannerLabelField(std::string_view caption, bool bold);

std::string BuildPlannerRecord(const PlannerPage& page);

// Fills the page from a record; a short record reads as padded with blanks. Lines keep their
// stored bytes (padded to 150); captions are trimmed.
void ReadPlannerRecord(std::string_view record, PlannerPage& page);

// Completes a record cut short (an editor strips trailing blanks): blanks up to the done marks
// and the "not done" mark for each done mark it lacks, so that it has the record's layout. A
// record of full length or longer is left as it is.
void PadPlannerRecord(std::string& record);

// True when the text holds nothing but blanks.
bool IsBlankText(std::string_view text);

} // namespace orvelle
