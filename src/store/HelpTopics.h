#pragma once
// The on-screen help: topics parsed once at start-up from "Help_Topics.txt" and read by the help
// window and the help panels of the calendar views. Texts are Windows-1252 bytes with CR LF kept.
#include <string>
#include <string_view>
#include <vector>

namespace orvelle {

struct Store;

struct HelpTopics {
    // Index-parallel, 0 .. gHelpCount - 1, in file order.
    std::vector<std::string> gHelpEntries; // the whole entry as cut from the file
    std::vector<std::string> gHelpTitles;
    std::vector<std::string> gHelpTexts;
    int gHelpCount = 0;
};

// Parses the file's contents. Text before the first "*" is a preface. Each topic is "*", the title,
// ":", a line break and the text; the line break before the next "*" belongs to neither topic.
// An entry with no ":", an empty title or no text is skipped and described in *skipped.
HelpTopics ParseHelpTopics(std::string_view buffer, std::vector<std::string>* skipped = nullptr);

// Reads gAppPath + "Help_Topics.txt" into s.help, replacing what was there. A missing file or a
// skipped entry is noted in "Error.log" without a box; the list is then empty or shorter.
void ReadHelpTopics(Store& s);

} // namespace orvelle
