#include "platform/MdiCaption.h"

#include "platform/MdiChildren.h"

#include <QEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScopedValueRollback>

#include <algorithm>

namespace orvelle {
namespace {

constexpr const char* kOwnCaptionOnlyProperty = "orvelleCaptionOutOfFrameTitle";

MdiCaptionFollower* FollowerOf(const QWidget* w) {
    if (!w) return nullptr;
    return w->window()->findChild<MdiCaptionFollower*>(QString(), Qt::FindDirectChildrenOnly);
}

} // namespace

MdiCaptionFollower::MdiCaptionFollower(QWidget* frame, QMdiArea* area)
    : QObject(frame), frame_(frame), area_(area), own_(frame->windowTitle()) {
    frame->installEventFilter(this);
    connect(area, &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow*) { Update(); });
}

MdiCaptionFollower::~MdiCaptionFollower() {
    if (frame_) frame_->removeEventFilter(this);
    Watch(nullptr);
}

void MdiCaptionFollower::Watch(QMdiSubWindow* sub) {
    QWidget* child = sub ? sub->widget() : nullptr;
    if (sub == watchedSub_ && child == watchedChild_) return;
    if (watchedSub_) watchedSub_->removeEventFilter(this);
    if (watchedChild_) watchedChild_->removeEventFilter(this);
    watchedSub_ = sub;
    watchedChild_ = child;
    if (sub) sub->installEventFilter(this);
    if (child) child->installEventFilter(this);
}

void MdiCaptionFollower::Update() {
    if (!frame_ || !area_) return;
    // The current child stays current while a dialog or another window has the keyboard, so
    // the title does not change under a message box.
    QMdiSubWindow* sub = area_->currentSubWindow();
    if (sub && sub->isHidden()) sub = nullptr;
    Watch(sub);
    QWidget* child = sub ? sub->widget() : nullptr;
    bool fills = sub && (FillsTheArea(sub) || sub->isMaximized());
    bool shows = fills && !child->property(kOwnCaptionOnlyProperty).toBool() && !child->windowTitle().isEmpty();
    shown_ = shows ? child : nullptr;
    QString title = own_;
    if (shows) title = own_.isEmpty() ? child->windowTitle() : own_ + " - [" + child->windowTitle() + "]";
    if (frame_->windowTitle() == title) return;
    QScopedValueRollback<bool> guard(setting_, true);
    frame_->setWindowTitle(title);
}

bool MdiCaptionFollower::eventFilter(QObject* watched, QEvent* e) {
    switch (e->type()) {
    case QEvent::WindowTitleChange:
        if (watched == frame_) {
            if (setting_) break;
            // Anyone setting the frame's title gives it a new caption of its own.
            own_ = frame_->windowTitle();
            Update();
        } else if (watched == watchedChild_) {
            Update();
        }
        break;
    case QEvent::WindowStateChange:
    case QEvent::DynamicPropertyChange: // the sub-window made to fill the area
    case QEvent::Show:
        if (watched == watchedSub_) Update();
        break;
    case QEvent::Hide:
        // Hidden for good, or only while it is maximised or restored: seen once it has settled.
        if (watched == watchedSub_) QMetaObject::invokeMethod(this, &MdiCaptionFollower::Update, Qt::QueuedConnection);
        break;
    case QEvent::ChildRemoved:
        if (watched == watchedSub_) Update(); // the child left its sub-window
        break;
    default: break;
    }
    return false;
}

void MdiCaptionFollower::Lend(QWidget* child, const QString& caption) {
    if (!child || !frame_) return;
    auto it = std::find_if(loans_.begin(), loans_.end(), [child](const Loan& l) { return l.child == child; });
    if (it == loans_.end()) {
        loans_.push_back({child, caption, own_});
        connect(child, &QObject::destroyed, this, [this](QObject* gone) { GiveBack(gone); });
    } else {
        it->caption = caption;
    }
    frame_->setWindowTitle(caption);
}

void MdiCaptionFollower::GiveBack(QObject* child) {
    auto it = std::find_if(loans_.begin(), loans_.end(), [child](const Loan& l) { return l.child == child; });
    if (it == loans_.end()) return;
    Loan loan = *it;
    auto next = loans_.erase(it);
    if (next != loans_.end()) {
        // A later loan gives back what this one replaced.
        if (next->replaced == loan.caption) next->replaced = loan.replaced;
        return;
    }
    // Unless the frame has taken a caption of its own meanwhile.
    if (frame_ && own_ == loan.caption) frame_->setWindowTitle(loan.replaced);
}

QString FrameCaption(const QWidget* w) {
    if (MdiCaptionFollower* f = FollowerOf(w)) return f->FrameCaption();
    return w ? w->window()->windowTitle() : QString();
}

void LendFrameCaption(QWidget* child, const QString& caption) {
    if (MdiCaptionFollower* f = FollowerOf(child)) {
        f->Lend(child, caption);
    } else if (child && child->window() != child) {
        child->window()->setWindowTitle(caption);
    }
}

void KeepCaptionOutOfFrameTitle(QWidget* child) {
    if (child) child->setProperty(kOwnCaptionOnlyProperty, true);
}

} // namespace orvelle
