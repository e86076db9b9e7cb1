// frmMain's tool buttons and indicators: the looks of the six picture buttons under the mouse,
// the alert button and the two indicator pictures, and the date label's time tip.
#include "mainwindow/ImageButton.h"
#include "mainwindow/MainWindowTexts.h"
#include "mainwindow/ToolButtonLooks.h"
#include "mainwindow/frmMain.h"
#include "platform/Cp1252.h"
#include "store/Clock.h"
#include "store/Store.h"

#include <QEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>

namespace orvelle {
namespace {

// Hands the button of every mouse press on a watched button to a handler, which acts at the
// press. The button itself sees no press of the mouse, so its clicked signal comes only from the
// keyboard (Space, Enter) and never repeats what the press has done.
class MouseDownWatch : public QObject {
public:
    MouseDownWatch(QObject* parent, std::function<void(Qt::MouseButton)> handler)
        : QObject(parent), handler_(std::move(handler)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* e) override {
        if (e->type() == QEvent::MouseButtonPress) {
            handler_(static_cast<QMouseEvent*>(e)->button());
            return true;
        }
        // The second press of a double-click is no press of its own.
        if (e->type() == QEvent::MouseButtonDblClick || e->type() == QEvent::MouseButtonRelease) return true;
        return QObject::eventFilter(watched, e);
    }

private:
    std::function<void(Qt::MouseButton)> handler_;
};

void ApplyLooks(frmMain& m, const ButtonLooks& looks, bool views) {
    for (int i = 0; i < 3; ++i) {
        if (views) m.SetCalLook(i, looks[static_cast<size_t>(i)]);
        else m.SetOptLook(i, looks[static_cast<size_t>(i)]);
    }
}

} // namespace

void frmMain::ConnectToolButtons() {
    cmdAlert->installEventFilter(new MouseDownWatch(cmdAlert, [this](Qt::MouseButton b) { cmdAlert_MouseDown(b); }));
    // From the keyboard the button opens the alert manager, as the left button does.
    connect(cmdAlert, &QPushButton::clicked, this, [this] { cmdAlert_MouseDown(Qt::LeftButton); });
    connect(imgAlert, &ImageButton::Clicked, this, [this] { imgAlert_Click(); });
    connect(imgBDay, &ImageButton::Clicked, this, [this] { imgBDay_Click(); });
    // Until the managers are part of the program the pictures are not offered as buttons.
    SetAlertManagerOpener({});
    SetBirthdayManagerOpener({});
}

void frmMain::SetAlertManagerOpener(std::function<void()> open) {
    showAlertManager_ = std::move(open);
    imgAlert->setCursor(showAlertManager_ ? Qt::PointingHandCursor : Qt::ArrowCursor);
}

void frmMain::SetBirthdayManagerOpener(std::function<void()> open) {
    showBirthdayManager_ = std::move(open);
    imgBDay->setCursor(showBirthdayManager_ ? Qt::PointingHandCursor : Qt::ArrowCursor);
}

void frmMain::RestViewButtons() {
    if (auto looks = RestViewLooks(store_.flags.gCalendarView, store_.flags.gTemplateMode)) ApplyLooks(*this, *looks, true);
}

void frmMain::imgCal_MouseMove(int index) {
    if (auto looks = HoverViewLooks(index, store_.flags.gCalendarView, store_.flags.gTemplateMode))
        ApplyLooks(*this, *looks, true);
}

void frmMain::imgOpt_MouseMove(int index) { ApplyLooks(*this, HoverOptionLooks(index), false); }

void frmMain::picTop_MouseMove() {
    BarLooks looks = BarRestLooks(store_.flags.gCalendarView, store_.flags.gTemplateMode, store_.flags.gPlannerOpen);
    if (looks.options) ApplyLooks(*this, *looks.options, false);
    if (looks.views) ApplyLooks(*this, *looks.views, true);
}

void frmMain::cmdAlert_MouseDown(Qt::MouseButton button) {
    if (button == Qt::LeftButton) {
        imgAlert_Click();
        return;
    }
    // Ignored until the next read of the alert file sets the indicator again from the alerts;
    // the tool tips stay and nothing is written.
    AlertIndicator& a = store_.alerts.indicator;
    a.caption = "Alerts Ignored";
    a.highlighted = false;
    a.picture = IndicatorPicture::NonePending;
    RefreshIndicators();
}

void frmMain::imgAlert_Click() {
    if (!showAlertManager_) return;
    store_.alerts.gAlertViewPending = true;
    showAlertManager_();
}

void frmMain::imgBDay_Click() {
    if (showBirthdayManager_) showBirthdayManager_();
}

void frmMain::lblDate_MouseMove() {
    lblDate->setToolTip(FromCp1252(TimeToolTipText(Clock::Now().secondsOfDay)));
}

} // namespace orvelle
