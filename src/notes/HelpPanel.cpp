#include "notes/HelpPanel.h"

#include "notes/BoxText.h"
#include "notes/frmHelp.h"
#include "platform/Cp1252.h"
#include "store/HelpTopics.h"
#include "store/Store.h"

#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <QTextEdit>

namespace orvelle {
namespace {

void SetBoxText(QWidget* box, const QString& text) {
    if (auto* p = qobject_cast<QPlainTextEdit*>(box))
        p->setPlainText(text);
    else if (auto* t = qobject_cast<QTextEdit*>(box))
        t->setPlainText(text);
}

} // namespace

void ShowHelpTopic(const Store& s, int k, QWidget* txtHelp, QLabel* lblSubject) {
    const HelpTopics& h = s.help;
    if (k < 0 || k >= static_cast<int>(h.gHelpTitles.size()) || k >= static_cast<int>(h.gHelpTexts.size())) return;
    if (lblSubject) lblSubject->setText(FromCp1252(h.gHelpTitles[static_cast<size_t>(k)]));
    if (txtHelp) SetBoxText(txtHelp, ToBoxText(h.gHelpTexts[static_cast<size_t>(k)]));
}

void FillHelpPanel(const Store& s, QListWidget* lstHelp, QWidget* txtHelp, QLabel* lblSubject) {
    if (lstHelp) {
        QSignalBlocker block(lstHelp);
        lstHelp->setSortingEnabled(false); // position k must stay topic k
        lstHelp->clear();
        for (const std::string& t : s.help.gHelpTitles) lstHelp->addItem(FromCp1252(t));
    }
    if (s.help.gHelpTitles.empty()) {
        if (txtHelp) SetBoxText(txtHelp, QString());
        return;
    }
    ShowHelpTopic(s, 0, txtHelp, lblSubject);
}

void FillHelpPanel(const Store& s, QListWidget* lstHelp, QPlainTextEdit* txtHelp, QLabel* lblSubject) {
    FillHelpPanel(s, lstHelp, static_cast<QWidget*>(txtHelp), lblSubject);
}

void ShowHelpTopic(const Store& s, int k, QPlainTextEdit* txtHelp, QLabel* lblSubject) {
    ShowHelpTopic(s, k, static_cast<QWidget*>(txtHelp), lblSubject);
}

frmHelp* OpenHelpWindow(Store& s, QWidget* parent) { return frmHelp::Open(s, parent); }

void LoadHelpTopics(Store& s, QWidget* mainWindow) {
    ReadHelpTopics(s);
    if (!mainWindow) return;
    const char* viewName = s.flags.gCalendarView == 12 ? "frmYear" : s.flags.gCalendarView == 6 ? "frm6Months" : nullptr;
    if (!viewName) return;
    QWidget* view = mainWindow->findChild<QWidget*>(viewName);
    if (!view) return;
    // A hidden panel is filled when the view shows it (its list is empty until then).
    auto* lstHelp = view->findChild<QListWidget*>("lstHelp");
    if (!lstHelp || !lstHelp->isVisibleTo(view)) return;
    FillHelpPanel(s, lstHelp, view->findChild<QWidget*>("txtHelp"), view->findChild<QLabel*>("lblSubject"));
}

} // namespace orvelle
