#pragma once
// The planner page without widgets: the texts the 60 boxes show, the page buffers they feed
// (Store::page), the line type of every box and the totals. The window shows this state and
// hands every edit to it.
#include "planner/PlannerLayout.h"
#include "store/Dates.h"

#include <array>
#include <string>
#include <string_view>

namespace orvelle {

struct Store;

class PlannerPageModel {
public:
    static constexpr int kLines = PlannerLayout::kBoxes;

    explicit PlannerPageModel(Store& s);

    // The page of a date without a record: empty boxes and slots, hourly captions from
    // 06:00 AM, none bold, nothing done. Counts as no edit.
    void InitializePage();

    // Fills the page from a day record: slots keep the stored bytes, boxes show them trimmed.
    // Counts as no edit.
    void ParsePlannerRecord(std::string_view record);

    // Takes the page buffers as they are (filled by the store's record reader): the boxes show
    // the slots trimmed and the line types follow the captions. Counts as no edit.
    void LoadFromPage();

    // "Push" for an appointment line whose next time label is empty (a continuance line follows),
    // "Stop" otherwise. Run after every reset and every load so a page never keeps the types of
    // the date shown before.
    void RecomputeLineTypes();

    // gPlannerLineTypes(i): "Stop"/"Push", "ToDO", "Expense", "ExpAmt", "Dest", "Begin", "End", "Total".
    const std::string& LineType(int i) const;
    // The box's Tag: three-digit maximum, a point and the type ("150.Push", "060.ToDo").
    std::string LineTag(int i) const;
    // gPlannerLineMaxChars(i) as a number.
    int MaxChars(int i) const;

    // What box i shows (Windows-1252 bytes).
    const std::string& BoxText(int i) const;

    // A change of box i (by typing or by code): the slot follows and the page counts as edited,
    // except while a page is being reset or filled.
    void TextChanged(int i, const std::string& text);

    // Expense total from the amounts 32..37 into box 38. Returns true when box 38 changed.
    bool AddTheAmounts();
    // Miles of the row of odometer box `index` (44..53), then the total mileage into box 59.
    // Returns the trip box recomputed (54..58), or -1 for any other index.
    int AddTheMiles(int index);

    // With a search hit being opened: the first line (from 0) whose text holds the searched
    // phrase, compared in upper case; remembers where "Search Again" goes on. Line -1 = none.
    struct SearchHit {
        int line = -1;
        int start = 0;   // 0-based position of the hit in the box text
        int length = 0;
    };
    SearchHit FindSearchHit();

    const std::string& TimeCaption(int slot) const;
    bool TimeBold(int slot) const;
    bool IsDone(int k) const;

    // The date of an imported day file (0 = none); with Store::planner.gExternalPlanner set, a
    // save stores the page for this date, after the overwrite question.
    Date gExternalFileDate = 0;

private:
    // A computed box takes a new text like a typed one, but only when the text differs.
    bool SetComputed(int i, const std::string& text);

    Store& s_;
    std::array<std::string, kLines> boxText_;
    std::array<std::string, kLines> lineTypes_;
};

} // namespace orvelle
