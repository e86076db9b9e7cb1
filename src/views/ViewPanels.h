#pragma once
// The handlers of a calendar view's side panels, the same in all three views: a click on a
// pending alert or birthday shows its date, a click on a help topic shows the topic, the help
// image opens the help window with every topic; on the one-month view a message label shows
// its whole text as tool tip and the scroll bar moves the message strip.
#include <QObject>

class QLabel;
class QListWidget;
class QPlainTextEdit;
class QScrollBar;
class QWidget;

namespace orvelle {

struct Store;

// Refill the view's "lstAlerts" ("lstBirthdays") with the pending alerts (birthdays), sorted by
// text without regard to case; each row keeps its record index in its data, never in its text.
void LoadAlertList(const Store& s, QWidget* view);
void LoadBirthdayList(const Store& s, QWidget* view);

class ViewPanels : public QObject {
    Q_OBJECT
public:
    // Finds the panel controls among the view's children by name and connects them; the help
    // window opens under helpParent (the main window), so every view shares one.
    ViewPanels(Store& s, QWidget* view, QWidget* helpParent);
    // Connects the help and alerts frames' controls, for frames built after the handlers.
    void WireSidePanels(QWidget* view);

    void lstAlerts_Click();
    void lstBirthdays_Click();
    void lstHelp_Click();
    void imgHelp_Click();
    void lblTTT_MouseMove(int index, double x, double y);
    void VScroll1_Change();

    // The records last clicked; 0 until a click shows one.
    int mAlertIndex = 0;
    int mBirthdayIndex = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    Store& s_;
    QWidget* helpParent_;
    QListWidget* lstAlerts_ = nullptr;
    QListWidget* lstBirthdays_ = nullptr;
    QLabel* lblAlertDate_ = nullptr;
    QLabel* lblBirthdayDate_ = nullptr;
    QListWidget* lstHelp_ = nullptr;
    QWidget* txtHelp_ = nullptr;
    QLabel* lblSubject_ = nullptr;
    QLabel* imgHelp_ = nullptr;
    QWidget* picTTT_ = nullptr;
    QScrollBar* VScroll1_ = nullptr;
    QLabel* lblTTT_[36] = {};
    double mTTTX_ = 0;
    double mTTTY_ = 0;
};

} // namespace orvelle
