#include "planner/PlannerPageModel.h"

#include "planner/PlannerTotals.h"
#include "store/ErrorLog.h"
#include "store/PlannerRecord.h"
#include "store/Store.h"

#include <exception>

namespace orvelle {

namespace {

std::string Trimmed(std::string_view t) {
    size_t b = t.find_first_not_of(' ');
    if (b == std::string_view::npos) return {};
    size_t e = t.find_last_not_of(' ');
    return std::string(t.substr(b, e - b + 1));
}

bool ValidLine(int i) { return i >= 0 && i < PlannerPageModel::kLines; }

// Sets the loading flag for the life of a page fill, so box changes made now are no edits.
class LoadingScope {
public:
    explicit LoadingScope(bool& flag) : flag_(flag), before_(flag) { flag_ = true; }
    ~LoadingScope() { flag_ = before_; }

private:
    bool& flag_;
    bool before_;
};

// Upper case of a Windows-1252 byte: ASCII and the accented letters (not the division sign).
char Upper(char c) {
    unsigned char u = static_cast<unsigned char>(c);
    if ((u >= 'a' && u <= 'z') || (u >= 0xE0 && u <= 0xFE && u != 0xF7)) return static_cast<char>(u - 0x20);
    return c;
}

std::string UpperText(std::string t) {
    for (char& c : t) c = Upper(c);
    return t;
}

} // namespace

PlannerPageModel::PlannerPageModel(Store& s) : s_(s) {
    const auto& layout = StandardPlannerLayout();
    for (int i = 0; i < kLines; ++i) lineTypes_[i] = layout.boxes[i].type;
    RecomputeLineTypes();
}

void PlannerPageModel::InitializePage() {
    LoadingScope loading(s_.flags.gPlannerLoading);
    for (auto& t : boxText_) t.clear();
    s_.page.Reset();
    RecomputeLineTypes();
}

void PlannerPageModel::ParsePlannerRecord(std::string_view record) {
    try {
        ReadPlannerRecord(record, s_.page);
    } catch (const std::exception& e) {
        LogError(s_, "ParsePlannerRecord", kErrBadLine, e.what());
    }
    LoadFromPage();
}

void PlannerPageModel::LoadFromPage() {
    LoadingScope loading(s_.flags.gPlannerLoading);
    for (int i = 0; i < kLines; ++i) boxText_[i] = Trimmed(s_.page.gPlannerLines[i]);
    RecomputeLineTypes();
}

void PlannerPageModel::RecomputeLineTypes() {
    const auto& captions = s_.page.gTimeCaptions;
    for (int i = 0; i < PlannerPage::kTimeSlots; ++i) {
        bool continues = i + 1 < PlannerPage::kTimeSlots && captions[i + 1].empty();
        lineTypes_[i] = continues ? "Push" : "Stop";
    }
}

const std::string& PlannerPageModel::LineType(int i) const {
    static const std::string none;
    return ValidLine(i) ? lineTypes_[i] : none;
}

std::string PlannerPageModel::LineTag(int i) const {
    if (!ValidLine(i)) return {};
    const PlannerBoxSpec& b = StandardPlannerLayout().boxes[i];
    // The Tag spells the to-do type "ToDo" where the type table holds "ToDO".
    std::string type = lineTypes_[i] == "ToDO" ? "ToDo" : lineTypes_[i];
    return b.tag.substr(0, 4) + type;
}

int PlannerPageModel::MaxChars(int i) const { return ValidLine(i) ? StandardPlannerLayout().boxes[i].maxChars : 0; }

const std::string& PlannerPageModel::BoxText(int i) const {
    static const std::string none;
    return ValidLine(i) ? boxText_[i] : none;
}

void PlannerPageModel::TextChanged(int i, const std::string& text) {
    if (!ValidLine(i)) return;
    boxText_[i] = text;
    if (s_.flags.gPlannerLoading) return;
    s_.flags.gPlannerChanged = true;
    s_.page.SetLine(i, text);
}

bool PlannerPageModel::AddTheAmounts() {
    std::array<std::string, 6> amounts;
    for (int k = 0; k < 6; ++k) amounts[k] = boxText_[32 + k];
    return SetComputed(38, ExpenseTotalText(amounts));
}

bool PlannerPageModel::SetComputed(int i, const std::string& text) {
    if (boxText_[i] == text) return false;
    TextChanged(i, text);
    return true;
}

int PlannerPageModel::AddTheMiles(int index) {
    int target = -1;
    if (index >= 44 && index <= 48) {
        target = index + 10;
        SetComputed(target, TripMilesText(boxText_[index], boxText_[index + 5]));
    } else if (index >= 49 && index <= 53) {
        target = index + 5;
        SetComputed(target, TripMilesText(boxText_[index - 5], boxText_[index]));
    } else {
        return -1;
    }
    std::array<std::string, 5> trips;
    for (int k = 0; k < 5; ++k) trips[k] = boxText_[54 + k];
    SetComputed(59, TotalMileageText(trips));
    return target;
}

PlannerPageModel::SearchHit PlannerPageModel::FindSearchHit() {
    SearchState& search = s_.search;
    if (!search.gSearchActive || search.gSearchText.empty()) return {};
    const std::string phrase = UpperText(search.gSearchText);
    for (int i = 0; i < kLines; ++i) {
        size_t at = UpperText(boxText_[i]).find(phrase);
        if (at == std::string::npos) continue;
        int len = static_cast<int>(phrase.size());
        search.gSearchLine = i;
        search.gSearchPos = static_cast<int>(at) + len;
        return {i, static_cast<int>(at), len};
    }
    return {};
}

const std::string& PlannerPageModel::TimeCaption(int slot) const {
    static const std::string none;
    return slot >= 0 && slot < PlannerPage::kTimeSlots ? s_.page.gTimeCaptions[slot] : none;
}

bool PlannerPageModel::TimeBold(int slot) const {
    return slot >= 0 && slot < PlannerPage::kTimeSlots && s_.page.gTimeBold[slot];
}

bool PlannerPageModel::IsDone(int k) const {
    return k >= 0 && k < PlannerPage::kToDoLines && s_.page.gPlannerToDoChecks[k];
}

} // namespace orvelle
