#pragma once
// Everything the program does between making its application object and showing the main
// window: the desktop's name for it, Enter on push buttons, the window icon, the data folder's
// start routine and the main window's load. main and the start-up benchmark both go through it,
// so what the bench times is what a user waits for.
#include "mainwindow/frmMain.h"
#include "platform/Dialogs.h"
#include "platform/SingleInstance.h"
#include "store/Store.h"

#include <memory>
#include <string>

class QApplication;

namespace orvelle {

struct ProgramFiles {
    std::string dataFolder;     // ends in "/"
    std::string defaultsFolder; // the shipped files, ends in "/"
    std::string iconFile;       // the window icon; none when empty
};

// The program as it runs; the members go in reverse order, the window first.
struct RunningProgram {
    explicit RunningProgram(const std::string& dataFolder) : store(dataFolder) {}
    Store store;
    QtPrompter prompter;
    std::unique_ptr<SingleInstance> instance;
    std::unique_ptr<frmMain> window;
};

// The files of an installed program or a build tree: the user's data folder, the shipped
// defaults and icon found beside the program or under its prefix.
ProgramFiles InstalledProgramFiles();

// The loaded main window, not shown yet; null when the start routine ended the program (a
// second copy, a data folder that cannot be used), after its message.
std::unique_ptr<RunningProgram> StartProgram(QApplication& app, const ProgramFiles& files);

} // namespace orvelle
