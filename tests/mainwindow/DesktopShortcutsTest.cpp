#include "common/MainWindowFixture.h"
#include "mainwindow/DesktopShortcuts.h"
#include "mainwindow/MainMenuCommands.h"

#include <QProcess>
#include <QStandardPaths>

#include <cstdlib>
#include <optional>

namespace orvelle {
namespace {

namespace fs = std::filesystem;

// Sets or clears an environment variable for the life of the object.
class ScopedEnv {
public:
    ScopedEnv(const char* name, std::optional<std::string> value) : name_(name) {
        if (const char* old = std::getenv(name)) old_ = old;
        if (value) setenv(name, value->c_str(), 1);
        else unsetenv(name);
    }
    ~ScopedEnv() {
        if (old_) setenv(name_, old_->c_str(), 1);
        else unsetenv(name_);
    }

private:
    const char* name_;
    std::optional<std::string> old_;
};

// The desktop entry checker (package desktop-file-utils, which scripts/install-deps.sh installs);
// without it the launchers are still checked, only not by the checker.
QString Validator() { return QStandardPaths::findExecutable("desktop-file-validate"); }
constexpr const char* kNoValidator =
    "desktop-file-validate is not installed (Debian package desktop-file-utils): the launchers' contents "
    "were checked, their validity was not";

// The checker's verdict: empty when the file is valid (or when there is no checker).
QString Validate(const std::string& path) {
    if (Validator().isEmpty()) return {};
    QProcess p;
    p.start(Validator(), {QString::fromStdString(path)});
    if (!p.waitForFinished(20000)) return "validator did not run";
    QString out = p.readAllStandardOutput() + p.readAllStandardError();
    return p.exitCode() == 0 ? out.trimmed() : "exit " + QString::number(p.exitCode()) + ": " + out;
}

class Shortcuts : public MainWindowTest {
protected:
    ShortcutFolders Folders() const { return {dir + "home/Desk top", dir + "home/.local/share/applications"}; }
    std::string DesktopFile() const { return Folders().desktop + "/Shortcut to Orvelle.desktop"; }
    std::string MenuFile() const { return Folders().applications + "/Shortcut to Orvelle.desktop"; }
};

TEST_F(Shortcuts, WritesValidLaunchersOnTheDesktopAndInTheMenu) {
    const std::string program = "/opt/Orvelle 1.0/bin/orvelle";
    prompter.Expect(MsgAnswer::OK, "A Shortcut has been successfully added to Programs.");
    mnuOptCreateShortcut_Click(*s, Folders(), program);
    EXPECT_EQ(prompter.SeenDialogs().back().title, "Orvelle");
    for (const std::string& file : {DesktopFile(), MenuFile()}) {
        ASSERT_TRUE(fs::exists(file)) << file;
        EXPECT_EQ(Validate(file), "") << file;
        EXPECT_NE(fs::status(file).permissions() & fs::perms::owner_exec, fs::perms::none);
        std::string text = ReadWholeFile(file).value_or("");
        EXPECT_NE(text.find("Name=Shortcut to Orvelle\n"), std::string::npos);
        EXPECT_NE(text.find("Exec=\"/opt/Orvelle 1.0/bin/orvelle\"\n"), std::string::npos);
        EXPECT_EQ(text.find('\r'), std::string::npos);
    }
    // A second run replaces them.
    prompter.Expect(MsgAnswer::OK, "successfully");
    mnuOptCreateShortcut_Click(*s, Folders(), program);
    if (Validator().isEmpty()) GTEST_SKIP() << kNoValidator;
}

TEST_F(Shortcuts, ExecQuotesAndEscapesThePath) {
    EXPECT_EQ(ExecValueFor("/usr/bin/orvelle"), "\"/usr/bin/orvelle\"");
    // $ and " are escaped inside the quotes, the backslash twice over, and % is doubled.
    EXPECT_EQ(ExecValueFor("/a$b\"c"), "\"/a\\\\$b\\\\\"c\"");
    EXPECT_EQ(ExecValueFor("/x\\y"), "\"/x\\\\\\\\y\"");
    EXPECT_EQ(ExecValueFor("/100%/o"), "\"/100%%/o\"");
    std::string odd = dir + "odd";
    ASSERT_TRUE(CreateProgramShortcuts({odd, odd + "/apps"}, kShortcutName, "/opt/a$b \"c\" 50%\\d/orvelle", nullptr));
    EXPECT_EQ(Validate(odd + "/Shortcut to Orvelle.desktop"), "");
    if (Validator().isEmpty()) GTEST_SKIP() << kNoValidator;
}

TEST_F(Shortcuts, AFileThatCannotBeWrittenIsReported) {
    // The menu folder's place is taken by a file, so the menu shortcut cannot be made; the
    // desktop one, made first, stays.
    ShortcutFolders f = Folders();
    fs::create_directories(fs::path(f.applications).parent_path());
    ASSERT_TRUE(WriteFileAtomic(f.applications, "not a folder"));
    prompter.Expect(MsgAnswer::OK, "Unable to Create Shortcut : ");
    mnuOptCreateShortcut_Click(*s, f, "/usr/bin/orvelle");
    const std::string& text = prompter.SeenDialogs().back().text;
    EXPECT_NE(text.find(f.applications), std::string::npos) << text;
    EXPECT_EQ(text.substr(text.size() - 7), " : 1002");
    EXPECT_TRUE(fs::exists(DesktopFile()));

    // A desktop that cannot be made stops before anything is written.
    fs::remove_all(dir + "home");
    fs::create_directories(dir + "home");
    ASSERT_TRUE(WriteFileAtomic(f.desktop, "not a folder"));
    std::string error;
    EXPECT_FALSE(CreateProgramShortcuts(f, kShortcutName, "/usr/bin/orvelle", &error));
    EXPECT_NE(error.find(f.desktop), std::string::npos);
    EXPECT_FALSE(fs::exists(MenuFile()));
}

TEST_F(Shortcuts, FoldersComeFromTheEnvironment) {
    ScopedEnv home("HOME", dir + "u");
    ScopedEnv config("XDG_CONFIG_HOME", dir + "cfg");
    {
        ScopedEnv desktop("XDG_DESKTOP_DIR", dir + "MyDesk");
        ScopedEnv data("XDG_DATA_HOME", dir + "data");
        ShortcutFolders f = DefaultShortcutFolders();
        EXPECT_EQ(f.desktop, dir + "MyDesk");
        EXPECT_EQ(f.applications, dir + "data/applications");
    }
    ScopedEnv noDesktop("XDG_DESKTOP_DIR", std::nullopt);
    ScopedEnv noData("XDG_DATA_HOME", std::nullopt);
    ShortcutFolders f = DefaultShortcutFolders();
    EXPECT_EQ(f.desktop, dir + "u/Desktop");
    EXPECT_EQ(f.applications, dir + "u/.local/share/applications");
    // The user's folder settings name the desktop.
    fs::create_directories(dir + "cfg");
    ASSERT_TRUE(WriteFileAtomic(dir + "cfg/user-dirs.dirs", "# comment\nXDG_DESKTOP_DIR=\"$HOME/Bureau\"\n"));
    EXPECT_EQ(DefaultShortcutFolders().desktop, dir + "u/Bureau");
}

} // namespace
} // namespace orvelle
