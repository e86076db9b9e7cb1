#include "mainwindow/ProgramStart.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    auto program = orvelle::StartProgram(app, orvelle::InstalledProgramFiles());
    if (!program) return 0;
    program->window->show();
    return app.exec();
}
