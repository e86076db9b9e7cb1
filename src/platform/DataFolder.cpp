#include "platform/DataFolder.h"

#include "platform/SingleInstance.h"
#include "store/ErrorLog.h"
#include "store/Store.h"
#include "store/TextFile.h"

#include <QCoreApplication>
#include <QFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <system_error>
#include <thread>
#include <utility>
#include <unistd.h>
#include <vector>

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

// Writes `content` under a temporary name beside `path` and renames it into place, with no flush:
// a start cut short leaves either the whole file or a temporary one that the next start sweeps
// away, never a cut-off default. FlushCopies makes the whole set durable at once.
bool CopyInWithoutFlush(const std::string& path, const std::string& content, std::string* why) {
    std::string tmp = path + ".tmp-XXXXXX";
    int fd = mkstemp(tmp.data());
    if (fd < 0) {
        *why = std::string("cannot create a temporary file: ") + std::strerror(errno);
        return false;
    }
    const char* p = content.data();
    size_t left = content.size();
    bool ok = true;
    while (ok && left > 0) {
        ssize_t n = ::write(fd, p, left);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) ok = false;
        else p += n, left -= static_cast<size_t>(n);
    }
    if (ok) ::fchmod(fd, 0644);
    if (!ok || ::close(fd) != 0 || ::rename(tmp.c_str(), path.c_str()) != 0) {
        *why = std::string("cannot write it: ") + std::strerror(errno);
        if (!ok) ::close(fd);
        ::unlink(tmp.c_str());
        return false;
    }
    return true;
}

// The length of `folder` as the paths found under it start, with the separator after it.
size_t PrefixLength(const fs::path& folder) {
    std::string text = folder.generic_string();
    if (text.empty() || text.back() != '/') text += '/';
    return text.size();
}

// One flush for every file and folder just made: the file system holding `folder` is synced.
// Flushing the copies one by one would commit the journal once for each of them.
void SyncFolderTree(const std::string& folder) {
    int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::syncfs(fd);
    ::close(fd);
}

// Which shipped files a copy takes. The pictures are only read when a month's icons are shown,
// and a first start would spend most of its time creating them.
enum class SeedPart { All, ForTheWindow, Pictures };

bool IsPicture(const std::string& relText) { return relText.starts_with("Images/"); }

bool InPart(const std::string& relText, SeedPart part) {
    return part == SeedPart::All || (part == SeedPart::Pictures) == IsPicture(relText);
}

SeedResult CopyMissing(const std::string& appPath, const std::string& defaultsFolder, SeedPart part) {
    SeedResult result;
    std::error_code ec;
    fs::path from(defaultsFolder), to(appPath);
    if (!fs::is_directory(from, ec)) {
        result.failed.push_back(defaultsFolder + ": the shipped files are missing");
        return result;
    }
    // Paths under `from` are cut by their prefix: fs::relative would resolve every one of
    // them on disk, which is most of what a later start spends here.
    const size_t fromLength = PrefixLength(from);
    fs::recursive_directory_iterator it(from, fs::directory_options::skip_permission_denied, ec), end;
    for (; !ec && it != end; it.increment(ec)) {
        if (!it->is_regular_file(ec)) continue;
        std::string relText = it->path().generic_string().substr(fromLength);
        if (!InPart(relText, part)) continue;
        fs::path target = to / relText;
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
        } else if (!CopyInWithoutFlush(target.string(), *content, &why)) {
            result.failed.push_back(relText + ": " + why);
        } else {
            result.copied.push_back(relText);
        }
    }
    if (ec) result.failed.push_back(defaultsFolder + ": " + ec.message());
    return result;
}

// The start's flush runs in the background; the program waits for it before it ends.
class BackgroundFlush {
public:
    ~BackgroundFlush() { Wait(); }
    void Start(const std::string& folder) {
        Wait();
        thread_ = std::thread([folder] { SyncFolderTree(folder); });
    }
    void Wait() {
        if (thread_.joinable()) thread_.join();
    }

private:
    std::thread thread_;
};

BackgroundFlush& StartFlush() {
    static BackgroundFlush flush;
    return flush;
}

// The start's pictures, copied once the window has been drawn or a picture is first read.
// Copying them beside the building of the window would slow it down as much as it saves:
// the two compete for the file system. GUI thread only.
struct PendingPictures {
    std::string appPath, defaultsFolder;
    bool due = false;
    bool flush = false; // the files copied before the window still need their flush
    std::vector<std::string> failed;

    ~PendingPictures() {
        // A program that ends before then still makes what it copied durable.
        if (flush) SyncFolderTree(appPath);
    }
    void Copy() {
        if (!due) return;
        due = false;
        SeedResult pictures = CopyMissing(appPath, defaultsFolder, SeedPart::Pictures);
        failed.insert(failed.end(), pictures.failed.begin(), pictures.failed.end());
        if (flush || !pictures.copied.empty()) StartFlush().Start(appPath);
        flush = false;
    }
};

PendingPictures& Pending() {
    static PendingPictures pending;
    return pending;
}

void LogSeedFailures(Store& s, const std::vector<std::string>& failed) {
    for (const std::string& failure : failed) {
        AppendToErrorLog(s, "SeedDataFolder", kErrWriteFailed, "A shipped file was not copied: " + failure);
    }
}

} // namespace

std::string ShippedDefaultsFolder() { return BesideOrInstalled("defaults/", "orvelle-defaults/"); }

std::string ProgramIconFile() {
    const std::string icon = "hicolor/256x256/apps/orvelle.png";
    std::string path = BesideOrInstalled("icons/" + icon, "icons/" + icon);
    std::error_code ec;
    return fs::is_regular_file(path, ec) ? path : std::string();
}

SeedResult SeedDataFolder(const std::string& appPath, const std::string& defaultsFolder) {
    SeedResult result = CopyMissing(appPath, defaultsFolder, SeedPart::All);
    if (!result.copied.empty()) SyncFolderTree(appPath);
    return result;
}

void WaitForShippedPictures() { Pending().Copy(); }

void FinishSeeding(Store& s) {
    Pending().Copy();
    LogSeedFailures(s, std::exchange(Pending().failed, {}));
}

int RemoveStaleTempFiles(const std::string& appPath) {
    int removed = 0;
    std::error_code ec;
    auto sweep = [&](const fs::path& folder) {
        std::error_code e;
        for (fs::directory_iterator it(folder, e), end; !e && it != end; it.increment(e)) {
            std::error_code te;
            if (!it->is_symlink(te) && it->is_regular_file(te) && IsAtomicTempName(it->path().filename().string()) &&
                fs::remove(it->path(), te))
                ++removed;
        }
    };
    sweep(appPath);
    for (fs::directory_iterator it(appPath, ec), end; !ec && it != end; it.increment(ec)) {
        std::error_code te;
        // Links are not followed: only folders of our own are swept.
        if (!it->is_symlink(te) && it->is_directory(te)) sweep(it->path());
    }
    return removed;
}

std::unique_ptr<SingleInstance> StartRoutine(Store& s, const std::string& defaultsFolder) {
    if (!MakeFolder(s.gAppPath)) {
        s.ui->MsgBox("The data folder " + s.gAppPath + " could not be created.", MsgButtons::OK, "");
        return nullptr;
    }
    // Said now rather than at the first save, which would fail after the user's typing.
    if (::access(s.gAppPath.c_str(), W_OK) != 0) {
        s.ui->MsgBox("The data folder " + s.gAppPath + " cannot be written to, so nothing could be saved.\r\n" +
                         "Make it writable and start the program again.",
                     MsgButtons::OK, "");
        return nullptr;
    }
    auto lock = std::make_unique<SingleInstance>(s.gAppPath);
    if (lock->HeldElsewhere()) {
        s.ui->MsgBox(kAnotherInstanceText, MsgButtons::OK, "");
        return nullptr;
    }
    if (!lock->Acquired()) {
        // Going on without the lock would let two copies save over each other's notes.
        s.ui->MsgBox(std::string("The lock file ") + s.gAppPath + kLockFileName + " cannot be used (" + lock->Problem() +
                         ").\r\nWithout it the program cannot make sure that it is the only copy using this data "
                         "folder.\r\n" +
                         "Remove or repair that file and start the program again.",
                     MsgButtons::OK, "");
        return nullptr;
    }
    if (int removed = RemoveStaleTempFiles(s.gAppPath)) {
        AppendToErrorLog(s, "StartRoutine", kErrWriteFailed,
                         std::to_string(removed) + " temporary files left by interrupted saves were removed.");
    }
    SeedResult seeded = CopyMissing(s.gAppPath, defaultsFolder, SeedPart::ForTheWindow);
    LogSeedFailures(s, seeded.failed);
    // The pictures follow once the window has been drawn; then all the copies are flushed, long
    // before the user can have typed anything to save over them.
    PendingPictures& pending = Pending();
    pending.appPath = s.gAppPath;
    pending.defaultsFolder = defaultsFolder;
    pending.due = true;
    pending.flush = pending.flush || !seeded.copied.empty();
    return lock;
}

} // namespace orvelle
