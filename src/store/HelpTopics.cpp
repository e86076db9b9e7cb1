#include "store/HelpTopics.h"

#include "store/ErrorLog.h"
#include "store/Store.h"
#include "store/TextFile.h"

namespace orvelle {
namespace {

constexpr const char* kHelpFile = "Help_Topics.txt";

// Length of the line break (CR LF, LF or CR) starting at pos, 0 when there is none.
size_t BreakAt(std::string_view s, size_t pos) {
    if (pos >= s.size()) return 0;
    if (s[pos] == '\r') return pos + 1 < s.size() && s[pos + 1] == '\n' ? 2 : 1;
    return s[pos] == '\n' ? 1 : 0;
}

// Length of the line break that ends s, 0 when there is none.
size_t BreakAtEnd(std::string_view s) {
    if (s.size() >= 2 && s.substr(s.size() - 2) == "\r\n") return 2;
    return !s.empty() && (s.back() == '\n' || s.back() == '\r') ? 1 : 0;
}

bool IsBlank(std::string_view s) {
    return s.find_first_not_of(" \t\r\n") == std::string_view::npos;
}

std::string Describe(std::string_view entry, const char* why) {
    std::string head(entry.substr(0, 40));
    for (char& c : head)
        if (c == '\r' || c == '\n') c = ' ';
    return std::string("Help topic \"") + head + "\" skipped: " + why;
}

} // namespace

HelpTopics ParseHelpTopics(std::string_view buffer, std::vector<std::string>* skipped) {
    HelpTopics h;
    size_t s = 0;
    while (true) {
        size_t p = buffer.find('*', s);
        if (p == std::string_view::npos) break;
        size_t q = buffer.find('*', p + 1);
        std::string_view entry;
        if (q != std::string_view::npos) {
            entry = buffer.substr(p + 1, q - p - 1);
            entry.remove_suffix(BreakAtEnd(entry));
            s = q;
        } else {
            entry = buffer.substr(p + 1);
        }

        size_t c = entry.find(':');
        std::string_view title = c == std::string_view::npos ? std::string_view{} : entry.substr(0, c);
        std::string_view text;
        if (c != std::string_view::npos) {
            text = entry.substr(c + 1);
            text.remove_prefix(BreakAt(text, 0));
        }
        const char* fault = c == std::string_view::npos ? "no \":\" ends its title"
                            : IsBlank(title)            ? "its title is empty"
                            : IsBlank(text)             ? "it has no text"
                                                        : nullptr;
        if (fault) {
            if (skipped) skipped->push_back(Describe(entry, fault));
        } else {
            h.gHelpEntries.emplace_back(entry);
            h.gHelpTitles.emplace_back(title);
            h.gHelpTexts.emplace_back(text);
            ++h.gHelpCount;
        }
        if (q == std::string_view::npos) break;
    }
    return h;
}

void ReadHelpTopics(Store& s) {
    s.help = HelpTopics{};
    SkippedLines skippedTopics(s, "LoadHelpTopics", s.gAppPath + kHelpFile);
    std::optional<std::string> content = skippedTopics.Read();
    if (!content) {
        // A file that is there but could not be read has been told already.
        if (!PathExists(s.gAppPath + kHelpFile))
            AppendToErrorLog(s, "LoadHelpTopics", kErrBadLine, std::string("\"") + kHelpFile + "\" could not be read.");
        return;
    }
    std::vector<std::string> skipped;
    s.help = ParseHelpTopics(*content, &skipped);
    for (const std::string& why : skipped) skippedTopics.Skip(0, why, "not a topic");
}

} // namespace orvelle
