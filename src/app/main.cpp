#include "mainwindow/frmMain.h"
#include "platform/Dialogs.h"
#include "store/AppPaths.h"
#include "store/Store.h"
#include "store/TextFile.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    orvelle::Store store(orvelle::DefaultDataFolder());
    orvelle::MakeFolder(store.gAppPath);
    orvelle::QtPrompter prompter;
    store.ui = &prompter;
    orvelle::frmMain w(store);
    prompter.SetParent(&w);
    w.show();
    return app.exec();
}
