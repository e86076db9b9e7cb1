#include "mainwindow/frmMain.h"

#include "store/Store.h"

#include <QMdiArea>

namespace orvelle {

frmMain::frmMain(Store& store, QWidget* parent) : QMainWindow(parent), store_(store), mdi_(new QMdiArea(this)) {
    setObjectName("frmMain");
    setWindowTitle("Orvelle");
    setCentralWidget(mdi_);
    resize(800, 600);
}

} // namespace orvelle
