#include "mainwindow/DesktopShortcuts.h"

#include "store/TextFile.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <system_error>

namespace orvelle {
namespace {

namespace fs = std::filesystem;

std::string Env(const char* name) {
    const char* v = std::getenv(name);
    return v ? std::string(v) : std::string();
}

std::string Home() { return Env("HOME"); }

// XDG_DESKTOP_DIR="$HOME/Desktop" from the user's folder settings, or empty.
std::string DesktopFromUserDirs() {
    std::string config = Env("XDG_CONFIG_HOME");
    if (config.empty()) config = Home() + "/.config";
    std::ifstream in(config + "/user-dirs.dirs");
    std::string line;
    const std::string key = "XDG_DESKTOP_DIR=";
    while (std::getline(in, line)) {
        if (line.rfind(key, 0) != 0) continue;
        std::string value = line.substr(key.size());
        if (value.size() >= 2 && value.front() == '"' && value.back() == '"') value = value.substr(1, value.size() - 2);
        if (value.rfind("$HOME", 0) == 0) value = Home() + value.substr(5);
        // Only an absolute folder counts; a relative one is not the desktop of this user.
        return !value.empty() && value.front() == '/' ? value : std::string();
    }
    return {};
}

// The escapes of a desktop entry's string values: backslash, and the line breaks.
std::string EscapeString(const std::string& text) {
    std::string out;
    for (char c : text) {
        switch (c) {
        case '\\': out += "\\\\"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
        default: out += c;
        }
    }
    return out;
}

bool WriteOne(const std::string& folder, const std::string& fileName, const std::string& text, std::string* error) {
    std::error_code ec;
    fs::create_directories(folder, ec);
    if (ec) {
        *error = "Cannot create the folder " + folder + ": " + ec.message();
        return false;
    }
    std::string path = (fs::path(folder) / fileName).string();
    std::string why;
    if (!WriteFileAtomic(path, text, &why)) {
        *error = "Cannot write " + path + (why.empty() ? std::string() : ": " + why);
        return false;
    }
    // A launcher on the desktop is only started when it is executable.
    fs::permissions(path,
                    fs::perms::owner_read | fs::perms::owner_write | fs::perms::owner_exec | fs::perms::group_read |
                        fs::perms::group_exec | fs::perms::others_read | fs::perms::others_exec,
                    fs::perm_options::replace, ec);
    if (ec) {
        *error = "Cannot make " + path + " executable: " + ec.message();
        return false;
    }
    return true;
}

} // namespace

ShortcutFolders DefaultShortcutFolders() {
    ShortcutFolders f;
    f.desktop = Env("XDG_DESKTOP_DIR");
    if (f.desktop.empty()) f.desktop = DesktopFromUserDirs();
    if (f.desktop.empty()) f.desktop = Home() + "/Desktop";
    std::string data = Env("XDG_DATA_HOME");
    if (data.empty() || data.front() != '/') data = Home() + "/.local/share";
    f.applications = data + "/applications";
    return f;
}

std::string ExecValueFor(const std::string& program) {
    std::string quoted = "\"";
    for (char c : program) {
        if (c == '"' || c == '`' || c == '$' || c == '\\') quoted += '\\';
        quoted += c;
        // A per cent sign would start a field code.
        if (c == '%') quoted += '%';
    }
    quoted += '"';
    return EscapeString(quoted);
}

std::string DesktopEntryText(const std::string& name, const std::string& program, const std::string& icon) {
    std::string iconLine = icon.empty() ? std::string() : "Icon=" + EscapeString(icon) + "\n";
    return "[Desktop Entry]\n"
           "Type=Application\n"
           "Version=1.0\n"
           "Name=" + EscapeString(name) + "\n"
           "Comment=Desktop calendar and daily planner\n"
           "Exec=" + ExecValueFor(program) + "\n"
           "TryExec=" + EscapeString(program) + "\n" + iconLine +
           "Terminal=false\n"
           "Categories=Office;Calendar;\n";
}

bool CreateProgramShortcuts(const ShortcutFolders& folders, const std::string& name, const std::string& program,
                            std::string* error, const std::string& icon) {
    std::string text = DesktopEntryText(name, program, icon);
    std::string fileName = name + ".desktop";
    std::string why;
    bool ok = WriteOne(folders.desktop, fileName, text, &why) && WriteOne(folders.applications, fileName, text, &why);
    if (!ok && error) *error = why;
    return ok;
}

} // namespace orvelle
