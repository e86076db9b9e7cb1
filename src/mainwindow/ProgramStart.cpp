#include "mainwindow/ProgramStart.h"

#include "mainwindow/PlannerLauncher.h"
#include "platform/AltLetters.h"
#include "platform/DataFolder.h"
#include "platform/EnterPressesButton.h"
#include "platform/PngFileIcon.h"
#include "store/AppPaths.h"
#include "store/Clock.h"
#include "store/DateModel.h"

#include <QApplication>

namespace orvelle {

ProgramFiles InstalledProgramFiles() { return {DefaultDataFolder(), ShippedDefaultsFolder(), ProgramIconFile()}; }

std::unique_ptr<RunningProgram> StartProgram(QApplication& app, const ProgramFiles& files) {
    // The desktop matches windows to the installed entry by this name.
    QGuiApplication::setDesktopFileName("orvelle");
    InstallEnterPressesButton(&app);
    InstallAltLettersTypeNothing(&app);
    if (!files.iconFile.empty()) QApplication::setWindowIcon(PngFileIcon(QString::fromStdString(files.iconFile)));
    auto p = std::make_unique<RunningProgram>(files.dataFolder);
    p->store.ui = &p->prompter;
    SetAppPrompter(&p->prompter);
    // A second copy on the same data folder ends here, after its message.
    p->instance = StartRoutine(p->store, files.defaultsFolder);
    if (!p->instance) {
        SetAppPrompter(nullptr);
        return nullptr;
    }
    // The first view shows today's year and reads its notes and planner pages: they are read
    // meanwhile.
    LoadYearsDataAhead(p->store, YearOf(Clock::Today()));
    p->window = std::make_unique<frmMain>(p->store);
    InstallPlannerWindow(*p->window);
    p->prompter.SetParent(p->window.get());
    p->window->MDIForm_Load();
    return p;
}

} // namespace orvelle
