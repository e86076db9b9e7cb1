#include "mainwindow/PlannerLauncher.h"
#include "mainwindow/frmMain.h"
#include "platform/DataFolder.h"
#include "platform/Dialogs.h"
#include "platform/EnterPressesButton.h"
#include "platform/SingleInstance.h"
#include "store/AppPaths.h"
#include "store/Store.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    // The desktop matches windows to the installed entry by this name.
    QGuiApplication::setDesktopFileName("orvelle");
    orvelle::InstallEnterPressesButton(&app);
    if (std::string icon = orvelle::ProgramIconFile(); !icon.empty())
        QApplication::setWindowIcon(QIcon(QString::fromStdString(icon)));
    orvelle::Store store(orvelle::DefaultDataFolder());
    orvelle::QtPrompter prompter;
    store.ui = &prompter;
    orvelle::SetAppPrompter(&prompter);
    // A second copy on the same data folder ends here, after its message.
    auto instance = orvelle::StartRoutine(store, orvelle::ShippedDefaultsFolder());
    if (!instance) return 0;
    orvelle::frmMain w(store);
    orvelle::InstallPlannerWindow(w);
    prompter.SetParent(&w);
    w.MDIForm_Load();
    w.show();
    return app.exec();
}
