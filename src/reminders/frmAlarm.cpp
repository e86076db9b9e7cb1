#include "reminders/frmAlarm.h"

#include "platform/Beep.h"
#include "platform/CaptionFit.h"
#include "platform/Fonts.h"
#include "platform/TabKeys.h"
#include "platform/Twips.h"
#include "platform/WindowRegistry.h"
#include "reminders/AlarmTime.h"
#include "store/Clock.h"
#include "store/Store.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>
#include <QWindow>
#include <QValidator>

namespace orvelle {
namespace {

constexpr double kStep = 750; // twice a hour button's width
constexpr double kMenuHeight = 300;
const char* const kPrompt = "Click on the Hour, Minute and AM or PM to set the alarm.";

void Place(QWidget* w, double left, double top, double width, double height) {
    SetGeometryTwips(w, left, top + kMenuHeight, width, height);
}

// The button's own colour, or the button face when none is given.
void Paint(QPushButton* b, const char* color = nullptr) {
    b->setStyleSheet(color ? QString("background-color: %1").arg(color) : QString());
    b->setProperty("buttonColor", color ? QString(color) : QString());
}

// The time box takes the digits and ":" only.
bool IsTimeChar(QChar c) { return (c >= QChar('0') && c <= QChar('9')) || c == QChar(':'); }

// Text pasted or dropped into the time box meets the key filter too: each character it would
// drop is dropped, with its beep.
class TimeCharsOnly : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int& pos) const override {
        QString kept;
        int droppedBeforeCaret = 0;
        for (int i = 0; i < input.size(); ++i) {
            if (IsTimeChar(input[i])) {
                kept += input[i];
                continue;
            }
            if (i < pos) ++droppedBeforeCaret;
            SystemBeep();
        }
        input = kept;
        pos -= droppedBeforeCaret;
        return Acceptable;
    }
};

constexpr const char* kPressed = "#00ffff";
constexpr const char* kStartGreen = "#00ff00";

} // namespace

// A minimise button and no maximise: kept on top, a maximised alarm would cover the screen.
constexpr Qt::WindowFlags kAlarmFrame = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                        Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                                        Qt::WindowCloseButtonHint;

frmAlarm::frmAlarm(Store& store, QWidget* parent) : QWidget(parent, kAlarmFrame), s_(store) {
    setObjectName("frmAlarm");
    setWindowTitle("Pellumi");
    setAttribute(Qt::WA_DeleteOnClose);
    // The small system font the positions were laid out for.
    setFont(MakeFont("MS Sans Serif", 8));

    auto* bar = new QMenuBar(this);
    QMenu* help = bar->addMenu("&Help");
    help->setObjectName("mnuHelp");
    QAction* howTo = help->addAction("How to Use...");
    howTo->setObjectName("mnuHelpHowTo");
    connect(howTo, &QAction::triggered, this, &frmAlarm::mnuHelpHowTo_Click);
    QMenu* about = help->addMenu("&About");
    about->setObjectName("mnuHelpAbout");
    QAction* product = about->addAction("Pellumi");
    product->setObjectName("mnuHelpAboutPellumi");
    connect(product, &QAction::triggered, this, &frmAlarm::mnuHelpAboutPellumi_Click);
    QAction* maker = about->addAction("Kestrine");
    maker->setObjectName("mnuHelpAboutUs");
    connect(maker, &QAction::triggered, this, &frmAlarm::mnuHelpAboutUs_Click);
    // The menu bar spans the window at any size; the controls below keep their own places.
    auto* top = new QVBoxLayout(this);
    top->setContentsMargins(0, 0, 0, 0);
    top->setMenuBar(bar);

    lblAlarm_ = new QLabel(this);
    lblAlarm_->setObjectName("lblAlarm");
    lblAlarm_->setAlignment(Qt::AlignCenter);
    Place(lblAlarm_, 0, 0, 4680, 195);

    auto button = [this](const char* name, const QString& caption, double l, double t, double w) {
        auto* b = new QPushButton(caption, this);
        b->setObjectName(name);
        Place(b, l, t, w, 255);
        return b;
    };
    cmdStart_ = button("cmdStart", "Start", 1740, 360, 1215);
    cmdStart_->hide();
    connect(cmdStart_, &QPushButton::clicked, this, &frmAlarm::cmdStart_Click);
    cmdAM_ = button("cmdAM", "AM", 60, 720, 1515);
    connect(cmdAM_, &QPushButton::clicked, this, &frmAlarm::cmdAM_Click);
    cmdPM_ = button("cmdPM", "PM", 3120, 720, 1515);
    connect(cmdPM_, &QPushButton::clicked, this, &frmAlarm::cmdPM_Click);
    txtTime_ = new QLineEdit(this);
    txtTime_->setObjectName("txtTime");
    Place(txtTime_, 1980, 720, 675, 285);
    txtTime_->installEventFilter(this);
    txtTime_->setValidator(new TimeCharsOnly(txtTime_));
    connect(txtTime_, &QLineEdit::textChanged, this, &frmAlarm::txtTime_Change);

    auto* lblHour = new QLabel("Select Hour Below", this);
    lblHour->setObjectName("lblHour");
    lblHour->setAlignment(Qt::AlignCenter);
    Place(lblHour, 0, 1080, 4680, 195);
    auto* lblMinutes = new QLabel("Select Minutes Below", this);
    lblMinutes->setObjectName("lblMinutes");
    lblMinutes->setAlignment(Qt::AlignCenter);
    Place(lblMinutes, 0, 1980, 4680, 195);
    // Two rows of six, one step apart.
    for (int i = 0; i < 12; ++i) {
        double col = (i % 6) * kStep, row = (i / 6) * 300;
        cmdHour_[i] = button(QString("cmdHour_%1").arg(i).toLatin1(), QString::number(i + 1), 240 + col, 1320 + row, 375);
        connect(cmdHour_[i], &QPushButton::clicked, this, [this, i] { cmdHour_Click(i); });
        cmdMinute_[i] = button(QString("cmdMinute_%1").arg(i).toLatin1(), QString(":%1").arg(5 * i, 2, 10, QChar('0')),
                               180 + col, 2220 + row, 495);
        connect(cmdMinute_[i], &QPushButton::clicked, this, [this, i] { cmdMinute_Click(i); });
    }
    // Never shown: closing the window is the way out.
    QPushButton* exit = button("cmdExit", "EXIT", 1740, 2640, 1215);
    exit->hide();
    connect(exit, &QPushButton::clicked, this, &QWidget::close);
    // Tab goes as the controls stand on screen: Start above, then AM, the time box and PM, then
    // the hours and the minutes, row by row.
    QList<QWidget*> order{cmdStart_, cmdAM_, txtTime_, cmdPM_};
    for (QPushButton* b : cmdHour_) order << b;
    for (QPushButton* b : cmdMinute_) order << b;
    TabInOrder(order);

    timer1_ = new QTimer(this);
    timer1_->setObjectName("Timer1");
    timer1_->setInterval(10000);
    connect(timer1_, &QTimer::timeout, this, &frmAlarm::Timer1_Timer);
    timer2_ = new QTimer(this);
    timer2_->setObjectName("Timer2");
    timer2_->setInterval(1000);
    connect(timer2_, &QTimer::timeout, this, &frmAlarm::Timer2_Timer);

    // One size: the controls keep their places whatever the size, and a window manager offers
    // maximise for any window that can be resized.
    setFixedSize(TwipsToPixelsX(4800), TwipsToPixelsY(3600));
    ShowMessage(kPrompt);
    // A time typed at once goes into the time box.
    txtTime_->setFocus();
    // A click anywhere in it is the user opening it (KeepOffTheKeyboard).
    installEventFilter(this);
    for (QWidget* child : findChildren<QWidget*>()) child->installEventFilter(this);
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
        if (now && now->window() != this) lastOther_ = now->window();
    });
    connect(qApp, &QGuiApplication::focusWindowChanged, this, [this](QWindow* now) {
        if (now && now == windowHandle()) return;
        cameFrom_ = nullptr;
        for (QWidget* top : QApplication::topLevelWidgets())
            if (now && top->windowHandle() == now) cameFrom_ = top;
    });
    RegisterWindow(this);
    KeepCaptionsWhole(this);
}

frmAlarm* frmAlarm::Open(Store& store, QWidget* parent) {
    frmAlarm* w = parent ? parent->findChild<frmAlarm*>("frmAlarm", Qt::FindDirectChildrenOnly) : nullptr;
    bool fresh = !w;
    if (!w) w = new frmAlarm(store, parent);
    MakeMeTopmost(w, true);
    if (fresh) CenterForm(w);
    // Opened by the user, it takes the keyboard, a time typed next going into its time box;
    // armed, it waits minimised and comes back.
    w->userOpened_ = true;
    ShowInFront(w, w->txtTime_);
    return w;
}

void frmAlarm::ShowMessage(const QString& text) {
    lblAlarm_->setText(text);
    lblAlarm_->show();
}

void frmAlarm::cmdHour_Click(int index) {
    for (QPushButton* b : cmdHour_) Paint(b);
    Paint(cmdHour_[index], kPressed);
    mHourText = cmdHour_[index]->text();
    if (mMinuteText.isEmpty()) mMinuteText = ":00";
    mTimeText = mHourText + mMinuteText;
    txtTime_->setText(mTimeText);
}

void frmAlarm::cmdMinute_Click(int index) {
    for (QPushButton* b : cmdMinute_) Paint(b);
    Paint(cmdMinute_[index], kPressed);
    mMinuteText = cmdMinute_[index]->text();
    mTimeText = mHourText + mMinuteText;
    txtTime_->setText(mTimeText);
}

void frmAlarm::txtTime_Change() { mTimeText = txtTime_->text(); }

bool frmAlarm::Armed() const { return cmdStart_->text() == "Reset"; }

void frmAlarm::KeepOffTheKeyboard() {
    // Nothing in it has the keyboard until the user opens it, so that a key that was meant
    // elsewhere (Return) presses nothing here while the keyboard goes back.
    setFocus(Qt::OtherFocusReason);
    QWidget* back = lastOther_;
    if (!back || !back->isVisible() || back->isMinimized()) back = parentWidget() ? parentWidget()->window() : nullptr;
    if (back && back != this) back->activateWindow();
}

bool frmAlarm::SwitchedHereByTheUser() const {
    QWidget* from = cameFrom_;
    return from && from != this && from->isVisible() && !from->isMinimized();
}

bool frmAlarm::OwnBoxUp() const {
    QWidget* modal = QApplication::activeModalWidget();
    for (QWidget* w = modal ? modal->parentWidget() : nullptr; w; w = w->parentWidget())
        if (w == this) return true;
    return false;
}

bool frmAlarm::event(QEvent* e) {
    // Armed, it takes the keyboard only when the user opens it: a window manager hands it on to
    // the ringing alarm when the window in use closes (Alt+F4), where a Return would reset it.
    if (e->type() == QEvent::WindowActivate && Armed() && !userOpened_) {
        if (SwitchedHereByTheUser()) {
            userOpened_ = true;
            // As its menu command opens it: a time typed next goes into the time box.
            txtTime_->setFocus(Qt::ActiveWindowFocusReason);
        } else {
            KeepOffTheKeyboard();
        }
    }
    // Left, it is opened anew the next time: a window manager's fallback does not count.
    if (e->type() == QEvent::WindowDeactivate && Armed() && !OwnBoxUp()) userOpened_ = false;
    return QWidget::event(e);
}

bool frmAlarm::eventFilter(QObject* watched, QEvent* e) {
    if (e->type() == QEvent::MouseButtonPress && Armed() && !userOpened_) {
        userOpened_ = true;
        ShowInFront(this);
    }
    if (watched == txtTime_ && e->type() == QEvent::KeyPress) {
        auto* k = static_cast<QKeyEvent*>(e);
        QString t = k->text();
        // Shortcuts (Ctrl+V pastes) are no typing; what they put in meets the validator.
        bool shortcut = k->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
        bool typed = !shortcut && !t.isEmpty() && t[0].isPrint();
        if (typed && !IsTimeChar(t[0])) {
            SystemBeep();
            return true;
        }
    }
    return QWidget::eventFilter(watched, e);
}

void frmAlarm::SetTime(bool pm) {
    QPushButton* mine = pm ? cmdPM_ : cmdAM_;
    Paint(pm ? cmdAM_ : cmdPM_);
    // A check sees whole minutes: seconds typed into the box are cut off.
    QString time = mTimeText.trimmed();
    if (time.count(':') >= 2) time = time.section(':', 0, 1);
    mAlarmText = time + (pm ? " PM" : " AM");
    auto minute = ParseAlarmTime(mAlarmText.toStdString());
    if (!minute) {
        s_.ui->MsgBox("A valid time has not been entered. Please select the Hour and Minutes.", MsgButtons::OK, "");
        return;
    }
    mAlarmTime = minute;
    ShowMessage("Time is Set for " + mAlarmText + ". Click Start to Begin.");
    Paint(cmdStart_, kStartGreen);
    cmdStart_->setText("Start");
    cmdStart_->show();
    Paint(mine, kPressed);
}

void frmAlarm::cmdAM_Click() { SetTime(false); }
void frmAlarm::cmdPM_Click() { SetTime(true); }

void frmAlarm::SetTimeButtonsEnabled(bool on) {
    for (QPushButton* b : cmdHour_) b->setEnabled(on);
    for (QPushButton* b : cmdMinute_) b->setEnabled(on);
    cmdAM_->setEnabled(on);
    cmdPM_->setEnabled(on);
}

void frmAlarm::cmdStart_Click() {
    if (cmdStart_->text() == "Start") {
        if (!ParseAlarmTime(mAlarmText.toStdString()) || !mAlarmTime) {
            s_.ui->MsgBox("You must enter a time in the Time Box and then click on either AM or PM.", MsgButtons::OK, "");
            return;
        }
        timer1_->start();
        userOpened_ = false;
        showMinimized();
        ShowMessage("Time is Set for " + mAlarmText + ".");
        cmdStart_->setText("Reset");
        Paint(cmdStart_);
        SetTimeButtonsEnabled(false);
        return;
    }
    // Reset: also a blink run still going ends here, so nothing rings or blinks afterwards.
    timer1_->stop();
    timer2_->stop();
    lblAlarm_->clear();
    cmdStart_->hide();
    mAlarmText.clear();
    mHourText.clear();
    mMinuteText.clear();
    mAlarmTime.reset();
    for (QPushButton* b : cmdHour_) Paint(b);
    for (QPushButton* b : cmdMinute_) Paint(b);
    Paint(cmdAM_);
    Paint(cmdPM_);
    txtTime_->clear();
    SetTimeButtonsEnabled(true);
    ShowMessage(kPrompt);
}

void frmAlarm::Timer1_Timer() {
    int minute = Clock::Now().secondsOfDay / 60;
    mCheckTime = minute;
    mCheckText = QString::fromStdString(AlarmTimeText(minute));
    if (!mAlarmTime || mCheckTime != *mAlarmTime) return;
    timer1_->stop();
    userOpened_ = false;
    SystemBeep();
    // Back on top without the keyboard: the user may be typing elsewhere, and a key meant
    // there must not reset the alarm. A window manager gives the keyboard to a window restored
    // from its minimised state, so a new one takes its place, shown as one that does not ask
    // for the keyboard (the old one, merely hidden, could still be restored on its way out).
    if (isMinimized()) {
        hide();
        destroy();
        setWindowState(windowState() & ~Qt::WindowMinimized);
    }
    MakeMeTopmost(this, true);
    lblAlarm_->hide();
    mBlinkCount = 0;
    mBlinkOn = false;
    timer2_->start();
}

void frmAlarm::Timer2_Timer() {
    if (++mBlinkCount >= 5) timer2_->stop();
    mBlinkOn = !mBlinkOn;
    lblAlarm_->setText("The Alarm time of " + mCheckText + " has been reached.");
    lblAlarm_->setVisible(mBlinkOn);
    SystemBeep();
}

void frmAlarm::mnuHelpHowTo_Click() {
    s_.ui->MsgBox("1. Select a Time by clicking on the desired Hour and Minute buttons.\r\n"
                  "2. Click on either AM or PM.\r\n"
                  "3. Click Start to Set the Alarm.\r\n"
                  "\r\n"
                  "Alternatively, you can type the time into the Time Box and then click\r\n"
                  "on the AM or PM button.",
                  MsgButtons::OK, "");
}

void frmAlarm::mnuHelpAboutPellumi_Click() {
    s_.ui->MsgBox("Pellumi Alarm Clock\r\n"
                  "A simple reminder that rings once at the time you set.\r\n"
                  "Made by Kestrine.",
                  MsgButtons::OK, "");
}

void frmAlarm::mnuHelpAboutUs_Click() {
    s_.ui->MsgBox("Kestrine makes small tools for busy desks.\r\n"
                  "Questions and suggestions are welcome:\r\n"
                  "write to Kestrine through the program's support page.",
                  MsgButtons::OK, "");
}

void frmAlarm::closeEvent(QCloseEvent* e) {
    // Closing cancels the alarm.
    timer1_->stop();
    timer2_->stop();
    QWidget::closeEvent(e);
}

} // namespace orvelle
