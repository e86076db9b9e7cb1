#include "platform/DataFolder.h"

#include "platform/SingleInstance.h"
#include "store/ErrorLog.h"
#include "store/Store.h"
#include "store/TextFile.h"

#include <QCoreApplication>
#include <QFile>

#include <filesystem>
#include <system_error>

namespace orvelle {

namespace fs = std::filesystem;

namespace {

#ifndef ORVELLE_SHARE_FROM_BIN
#define ORVELLE_SHARE_FROM_BIN "../share"
#endif

std::string ProgramFolder() {
    std::string dir = QFile::encodeName(QCoreApplication::applicationDirPath()).toStdString();
    if (!dir.empty() && dir.back() != '/') dir += '/';
    return dir;
}

// `relative` beside the program when it is there, else under the prefix's data folder.
std::string BesideOrInstalled(const std::string& relative, const std::string& installed) {
    std::error_code ec;
    std::string beside = ProgramFolder() + relative;
    if (fs::exists(beside, ec)) return beside;
    return ProgramFolder() + ORVELLE_SHARE_FROM_BIN + "/" + installed;
}

} // namespace

std::string ShippedDefaultsFolder() { return BesideOrInstalled("defaults/", "orvelle/defaults/"); }

std::string ProgramIconFile() {
    const std::string icon = "hicolor/256x256/apps/orvelle.png";
    std::string path = BesideOrInstalled("icons/" + icon, "icons/" + icon);
    std::error_code ec;
    return fs::is_regular_file(path, ec) ? path : std::string();
}

SeedResult SeedDataFolder(const std::string& appPath, const std::string& defaultsFolder) {
    SeedResult result;
    std::error_code ec;
    fs::path from(defaultsFolder), to(appPath);
    if (!fs::is_directory(from, ec)) {
        result.failed.push_back(defaultsFolder + ": the shipped files are missing");
        return result;
    }
    fs::recursive_directory_iterator it(from, fs::directory_options::skip_permission_denied, ec), end;
    for (; !ec && it != end; it.increment(ec)) {
        if (!it->is_regular_file(ec)) continue;
        fs::path rel = fs::relative(it->path(), from, ec);
        if (ec) break;
        fs::path target = to / rel;
        std::string relText = rel.generic_string();
        std::error_code statusEc;
        fs::file_status st = fs::symlink_status(target, statusEc);
        // Anything already there (even a dangling link) is the user's; an unreadable spot is skipped.
        if (st.type() != fs::file_type::not_found) continue;
        if (!MakeFolder(target.parent_path().string())) {
            result.failed.push_back(relText + ": its folder could not be created");
            continue;
        }
        auto content = ReadWholeFile(it->path().string());
        std::string why;
        if (!content) {
            result.failed.push_back(relText + ": the shipped file could not be read");
        } else if (!WriteFileAtomic(target.string(), *content, &why)) {
            result.failed.push_back(relText + ": " + why);
        } else {
            result.copied.push_back(relText);
        }
    }
    if (ec) result.failed.push_back(defaultsFolder + ": " + ec.message());
    return result;
}

std::unique_ptr<SingleInstance> StartRoutine(Store& s, const std::string& defaultsFolder) {
    if (!MakeFolder(s.gAppPath)) {
        s.ui->MsgBox("The data folder " + s.gAppPath + " could not be created.", MsgButtons::OK, "");
        return nullptr;
    }
    auto lock = std::make_unique<SingleInstance>(s.gAppPath);
    if (lock->HeldElsewhere()) {
        s.ui->MsgBox(kAnotherInstanceText, MsgButtons::OK, "");
        return nullptr;
    }
    for (const std::string& failure : SeedDataFolder(s.gAppPath, defaultsFolder).failed) {
        AppendToErrorLog(s, "SeedDataFolder", kErrWriteFailed, "A shipped file was not copied: " + failure);
    }
    return lock;
}

} // namespace orvelle
