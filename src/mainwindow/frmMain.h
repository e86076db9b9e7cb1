#pragma once
#include <QMainWindow>

class QMdiArea;

namespace orvelle {

struct Store;

// The main window: an MDI frame holding the date picker, the tool buttons and one view.
class frmMain : public QMainWindow {
    Q_OBJECT
public:
    explicit frmMain(Store& store, QWidget* parent = nullptr);
    QMdiArea* mdiArea() const { return mdi_; }

private:
    Store& store_;
    QMdiArea* mdi_;
};

} // namespace orvelle
