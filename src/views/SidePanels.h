#pragma once
// The two frames at the right of every calendar view: "Help" (topic list, subject, text) and
// "Alerts and Birthdays" (the pending lists). Their lists are filled by the help and reminder
// code; here they are only built and placed.
class QGroupBox;
class QLabel;
class QListWidget;
class QPlainTextEdit;
class QWidget;

namespace orvelle {


struct SidePanels {
    QGroupBox* framHelp = nullptr;
    QLabel* lblHelpSubject = nullptr;
    QListWidget* lstHelp = nullptr;
    QLabel* lblSubject = nullptr;
    QPlainTextEdit* txtHelp = nullptr;
    QLabel* imgHelp = nullptr;
    QGroupBox* framAlerts = nullptr;
    QLabel* lblAlerts = nullptr;
    QListWidget* lstAlerts = nullptr;
    QLabel* lblAlertDate = nullptr;
    QLabel* lblBirthdays = nullptr;
    QListWidget* lstBirthdays = nullptr;
    QLabel* lblBirthdayDate = nullptr;

    // Builds both frames inside `container` at the given positions (twips).
    static SidePanels Build(QWidget* container, double helpLeft, double helpTop, double alertsLeft, double alertsTop);
};

} // namespace orvelle
