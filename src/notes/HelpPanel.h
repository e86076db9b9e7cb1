#pragma once
// The help panel beside the six- and twelve-month calendars (lstHelp, txtHelp, lblSubject), and
// the start-up load that fills the panel of the view then shown.
class QLabel;
class QListWidget;
class QPlainTextEdit;
class QWidget;

namespace orvelle {

struct Store;
class frmHelp;

// Every title in topic order (list position k is topic k), topic 0 shown. With no topics the
// panel is emptied. txtHelp may be a QPlainTextEdit or a QTextEdit.
void FillHelpPanel(const Store& s, QListWidget* lstHelp, QWidget* txtHelp, QLabel* lblSubject);
void FillHelpPanel(const Store& s, QListWidget* lstHelp, QPlainTextEdit* txtHelp, QLabel* lblSubject);
// lstHelp_Click: shows topic k; a position with no topic changes nothing.
void ShowHelpTopic(const Store& s, int k, QWidget* txtHelp, QLabel* lblSubject);
void ShowHelpTopic(const Store& s, int k, QPlainTextEdit* txtHelp, QLabel* lblSubject);
// The views' help image and the main window's "Help Contents".
frmHelp* OpenHelpWindow(Store& s, QWidget* parent);

// Reads "Help_Topics.txt" into the store, then fills the help panel of the view that is shown
// (gCalendarView 12: "frmYear", 6: "frm6Months"), found by name under mainWindow.
void LoadHelpTopics(Store& s, QWidget* mainWindow);

} // namespace orvelle
