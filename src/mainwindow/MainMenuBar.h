#pragma once
// The main window's menu bar. Every item carries its control name as objectName ("mnuEditMark_3"
// for element 3 of a control array) so that code and tests find it with findChild.
class QMainWindow;
class QMenu;

namespace orvelle {

class MainMenuBar {
public:
    // Builds the menus on `window`; returns the "&Date Options" menu, which the views pop up.
    static QMenu* Build(QMainWindow* window);
};

} // namespace orvelle
