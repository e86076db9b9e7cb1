#include "views/SidePanels.h"

#include "platform/CaptionFit.h"
#include "platform/Twips.h"

#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>

namespace orvelle {
namespace {

template <class W>
W* Make(QWidget* parent, const char* name, double l, double t, double w, double h) {
    auto* x = new W(parent);
    x->setObjectName(name);
    SetGeometryTwips(x, l, t, w, h);
    return x;
}

QLabel* Label(QWidget* parent, const char* name, const char* text, double l, double t, double w, double h) {
    QLabel* x = Make<QLabel>(parent, name, l, t, w, h);
    x->setText(text);
    return x;
}

// The alert labels are teal, the birthday labels blue.
void SetTextColour(QLabel* label, const QColor& colour) {
    QPalette pal = label->palette();
    pal.setColor(QPalette::WindowText, colour);
    label->setPalette(pal);
}

} // namespace

SidePanels SidePanels::Build(QWidget* container, double helpLeft, double helpTop, double alertsLeft, double alertsTop) {
    SidePanels p;
    p.framHelp = Make<QGroupBox>(container, "framHelp", helpLeft, helpTop, 3195, 5535);
    p.framHelp->setTitle("Help");
    p.lblHelpSubject = Label(p.framHelp, "lblHelpSubject", "Select a Topic Below", 180, 300, 2475, 255);
    p.lstHelp = Make<QListWidget>(p.framHelp, "lstHelp", 180, 600, 2775, 1620);
    KeepEntriesWhole(p.lstHelp);
    p.lblSubject = Label(p.framHelp, "lblSubject", "Getting Started", 180, 2340, 2715, 255);
    // Only the weight is set: the face and size still come from the window.
    QFont bold;
    bold.setWeight(QFont::Bold);
    p.lblSubject->setFont(bold);
    p.txtHelp = Make<QPlainTextEdit>(p.framHelp, "txtHelp", 180, 2640, 2775, 2715);
    p.txtHelp->setReadOnly(true);
    p.imgHelp = Label(p.framHelp, "imgHelp", "", 2700, 300, 270, 270);
    p.imgHelp->setToolTip("Click for Enlarged Version of Help");

    p.framAlerts = Make<QGroupBox>(container, "framAlerts", alertsLeft, alertsTop, 3195, 3675);
    p.framAlerts->setTitle("Alerts and Birthdays");
    p.lblAlerts = Label(p.framAlerts, "lblAlerts", "Pending Alerts: Sorted by Message", 180, 300, 2775, 255);
    p.lstAlerts = Make<QListWidget>(p.framAlerts, "lstAlerts", 180, 540, 2775, 1035);
    p.lblAlertDate = Label(p.framAlerts, "lblAlertDate", "Alert Date =", 180, 1620, 2775, 195);
    p.lblBirthdays = Label(p.framAlerts, "lblBirthdays", "Pending Birthdays: Sorted by Name", 180, 2040, 2715, 255);
    p.lstBirthdays = Make<QListWidget>(p.framAlerts, "lstBirthdays", 180, 2280, 2775, 1035);
    p.lblBirthdayDate = Label(p.framAlerts, "lblBirthdayDate", "Date =", 180, 3360, 2775, 195);
    for (QLabel* l : {p.lblAlerts, p.lblAlertDate}) SetTextColour(l, QColor(0, 128, 128));
    for (QLabel* l : {p.lblBirthdays, p.lblBirthdayDate}) SetTextColour(l, QColor(0, 0, 255));
    return p;
}

} // namespace orvelle
