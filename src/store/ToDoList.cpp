#include "store/ToDoList.h"

#include "store/DataFiles.h"
#include "store/ErrorLog.h"
#include "store/ListFile.h"
#include "store/Store.h"
#include "store/TextFile.h"

namespace orvelle {

ToDoItem ParseToDoLine(std::string_view line) {
    if (line.empty()) return {};
    return {std::string(line.substr(1)), line[0] == kToDoDoneMark};
}

std::string FormatToDoLine(std::string_view text, bool done) {
    return (done ? kToDoDoneMark : kToDoOpenMark) + listfile::OneLine(text);
}

size_t LongestToDoItem(const Store& s) {
    size_t longest = LimitsFor(s.gAppPath + kToDoFile).longestLine;
    return longest == 0 ? std::string::npos : longest - 1;
}

void ReadToDoList(Store& s) {
    ToDoList& t = s.todo;
    SkippedLines skipped(s, "ReadToDoList", s.gAppPath + kToDoFile);
    if (auto lines = listfile::ReadIfPresent(s, "ReadToDoList", s.gAppPath + kToDoFile, &skipped)) {
        // Lines past the tenth have no item; they are kept for the next save's backup copy.
        for (size_t i = ToDoList::kItems; i < lines->size(); ++i)
            if (!(*lines)[i].empty()) skipped.Skip(i + 1, (*lines)[i], "only the first 10 were read");
        // The file is the whole list: items it does not reach are empty and open.
        for (int i = 0; i < ToDoList::kItems; ++i) {
            ToDoItem item = i < static_cast<int>(lines->size()) ? ParseToDoLine((*lines)[i]) : ToDoItem{};
            t.gToDoLines[i] = std::move(item.text);
            t.gToDoChecks[i] = item.done;
        }
    }
    t.gToDoPaneLines = t.gToDoLines;

    if (t.gShowToDoWindow) t.gToDoTexts = t.gToDoLines;
    if (s.hooks.RefreshToDoPane) s.hooks.RefreshToDoPane();
}

void ImportToDoListIntoPlanner(Store& s) {
    ToDoList& t = s.todo;
    t.gShowToDoWindow = false;
    ReadToDoList(s);
    if (s.flags.gPlannerOpen) {
        bool changed = false;
        for (int i = 0; i < ToDoList::kItems; ++i) {
            int line = PlannerPage::kFirstToDoLine + i;
            // A blank item leaves the planner's own line alone, its done mark included.
            if (listfile::IsBlank(t.gToDoLines[i])) continue;
            std::string before = s.page.gPlannerLines[line];
            s.page.SetLine(line, t.gToDoLines[i]);
            changed = changed || before != s.page.gPlannerLines[line];
            changed = changed || s.page.gPlannerToDoChecks[i] != t.gToDoChecks[i];
            s.page.gPlannerToDoChecks[i] = t.gToDoChecks[i];
        }
        if (changed) s.flags.gPlannerChanged = true;
    }
}

bool SaveToDoList(Store& s, std::string& fileName) {
    if (fileName.empty()) fileName = kToDoFile;
    ToDoList& t = s.todo;
    std::string content;
    for (int i = 0; i < ToDoList::kItems; ++i) content += FormatToDoLine(t.gToDoTexts[i], t.gToDoChecks[i]) + "\r\n";
    if (!SaveDataFile(s, "SaveToDoList", s.gAppPath + fileName, content)) return false;
    for (int i = 0; i < ToDoList::kItems; ++i) t.gToDoLines[i] = listfile::OneLine(t.gToDoTexts[i]);
    t.gToDoChanged = false;
    s.ui->MsgBox("To Do List Saved.", MsgButtons::OK, "");
    return true;
}

} // namespace orvelle
