#include "store/ListFile.h"

#include "store/DataFiles.h"
#include "store/ErrorLog.h"
#include "store/Store.h"
#include "store/TextFile.h"

namespace orvelle::listfile {

std::optional<int> Digits(std::string_view field) {
    if (field.empty() || field.size() > 9) return std::nullopt;
    int v = 0;
    for (char c : field) {
        if (c < '0' || c > '9') return std::nullopt;
        v = v * 10 + (c - '0');
    }
    return v;
}

std::optional<int> WholeNumber(std::string_view field) {
    std::string t = Trim(field);
    bool negative = !t.empty() && t[0] == '-';
    auto v = Digits(std::string_view(t).substr(negative ? 1 : 0));
    if (!v) return std::nullopt;
    return negative ? -*v : *v;
}

bool IsBlank(std::string_view text) { return text.find_first_not_of(" \t") == std::string_view::npos; }

std::string Trim(std::string_view text) {
    size_t a = text.find_first_not_of(" \t");
    if (a == std::string_view::npos) return {};
    size_t b = text.find_last_not_of(" \t");
    return std::string(text.substr(a, b - a + 1));
}

std::string OneLine(std::string_view text) {
    std::string out(text);
    for (char& c : out) {
        if (c == '\r' || c == '\n') c = ' ';
    }
    return out;
}

std::string PlainLine(std::string_view text) {
    std::string out(text);
    for (char& c : out) {
        auto u = static_cast<unsigned char>(c);
        if (u < 0x20 || u == 0x7f) c = ' ';
    }
    return out;
}

bool Save(Store& s, const std::string& procName, const std::string& path, const std::vector<std::string>& items) {
    std::vector<std::string> lines;
    for (const auto& item : items) {
        if (!item.empty()) lines.push_back(OneLine(item));
    }
    if (lines.empty()) return RemoveDataFile(s, procName, path);
    return SaveDataFile(s, procName, path, JoinCrLf(lines));
}

std::optional<std::vector<std::string>> ReadIfPresent(Store& s, const std::string& procName,
                                                      const std::string& path, SkippedLines* skipped) {
    if (skipped) return skipped->ReadLines();
    SkippedLines own(s, procName, path);
    return own.ReadLines();
}

} // namespace orvelle::listfile
