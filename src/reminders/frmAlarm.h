#pragma once
// The alarm clock: hour and minute buttons (or a typed time), AM or PM, Start; a check every ten
// seconds rings once with six beeps and a blinking message. Nothing is stored: closing the
// window cancels the alarm. The time comes from Clock and the beeps go through SystemBeep.
#include <QPointer>
#include <QWidget>
#include <array>
#include <optional>

class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;

namespace orvelle {

struct Store;

class frmAlarm : public QWidget {
    Q_OBJECT
public:
    explicit frmAlarm(Store& store, QWidget* parent = nullptr);
    static frmAlarm* Open(Store& store, QWidget* parent);

    void cmdHour_Click(int index);
    void cmdMinute_Click(int index);
    void txtTime_Change();
    void cmdAM_Click();
    void cmdPM_Click();
    void cmdStart_Click();
    void Timer1_Timer();
    void Timer2_Timer();
    void mnuHelpHowTo_Click();
    void mnuHelpAboutPellumi_Click();
    void mnuHelpAboutUs_Click();

    QTimer* Timer1() const { return timer1_; }
    QTimer* Timer2() const { return timer2_; }
    std::optional<int> AlarmMinute() const { return mAlarmTime; }

protected:
    bool event(QEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    void SetTime(bool pm);
    void ShowMessage(const QString& text);
    void SetTimeButtonsEnabled(bool on);
    // From Start until Reset.
    bool Armed() const;
    // Hands the keyboard back to the window the user was in (else the main window).
    void KeepOffTheKeyboard();
    // The window manager gave it the keyboard because the user switched here from a window of
    // the program that is still there (Alt+Tab, a click on its frame); not because the window
    // the user was in closed or went away (its fallback), nor from another program, where the
    // two cannot be told apart.
    bool SwitchedHereByTheUser() const;
    // One of its own boxes (help, a refused time) is up over it.
    bool OwnBoxUp() const;

    Store& s_;
    QString mTimeText, mHourText, mMinuteText, mAlarmText, mCheckText;
    std::optional<int> mAlarmTime; // minute of the day
    int mCheckTime = -1;
    int mBlinkCount = 0;
    bool mBlinkOn = false;

    QLabel* lblAlarm_;
    QPushButton* cmdStart_;
    QPushButton* cmdAM_;
    QPushButton* cmdPM_;
    QLineEdit* txtTime_;
    std::array<QPushButton*, 12> cmdHour_{};
    std::array<QPushButton*, 12> cmdMinute_{};
    QTimer* timer1_;
    QTimer* timer2_;
    // The user opened it (its menu command, a click, a switch) since it last lost the keyboard,
    // was armed or rang.
    bool userOpened_ = false;
    // The last window of the program that had the keyboard, and the window (or none, when it
    // was another program's) that had it just before this one.
    QPointer<QWidget> lastOther_;
    QPointer<QWidget> cameFrom_;
};

} // namespace orvelle
