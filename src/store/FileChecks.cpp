#include "store/FileChecks.h"

#include "store/DiskNames.h"
#include "store/Store.h"

#include <filesystem>

namespace orvelle {
namespace fs = std::filesystem;
namespace {

bool SameNameIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
    for (size_t i = 0; i < a.size(); ++i)
        if (lower(a[i]) != lower(b[i])) return false;
    return true;
}

} // namespace

bool FileExists(const std::string& folder, const std::string& name) {
    if (name.empty()) return false;
    std::error_code ec;
    return fs::is_regular_file(fs::path(PathInFolder(folder, name)), ec);
}

bool FolderExists(Store& s, const std::string& folder, const std::string& name) {
    if (name.empty() || name == "." || name == "..") return false;
    std::error_code ec;
    fs::path parent = folder.empty() ? fs::path(".") : fs::path(folder);
    if (!fs::is_directory(parent, ec)) return false;
    fs::directory_iterator it(parent, ec), end;
    for (; !ec && it != end; it.increment(ec)) {
        if (!SameNameIgnoringCase(NameFromDisk(it->path().filename().string()), name)) continue;
        std::error_code typeEc;
        if (it->is_directory(typeEc)) return true;
    }
    if (ec) {
        s.ui->MsgBox("Error encountered during Events Folder check.\r\nError Number: " + std::to_string(ec.value()) +
                         "\r\nError Description: " + ec.message(),
                     MsgButtons::OK, "");
    }
    return false;
}

bool ContainsIllegalFileChar(std::string_view name) { return name.find_first_of("/\\:*?<>|") != std::string_view::npos; }

bool IllegalFileName(Store& s, const std::string& name) {
    if (!ContainsIllegalFileChar(name)) return false;
    s.ui->MsgBox("Action Cancelled. File Name cannot include any of \r\nthe following characters: / \\ : * ? < > |",
                 MsgButtons::OK, "");
    return true;
}

} // namespace orvelle
