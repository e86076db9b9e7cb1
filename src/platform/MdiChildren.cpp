#include "platform/MdiChildren.h"

#include "platform/Twips.h"
#include "platform/WindowRegistry.h"

#include <QAction>
#include <QApplication>
#include <QLayout>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPointer>
#include <QProxyStyle>
#include <QStyle>
#include <QStyleFactory>
#include <QToolButton>
#include <QVariant>

namespace orvelle {
namespace {

constexpr const char* kMenuBarProperty = "orvelleMdiMenuBar";
constexpr const char* kCloseButtonProperty = "orvelleMenuBarCloseButton";
constexpr const char* kFillsAreaProperty = "fillsArea";

// A sub-window maximised from its own title bar keeps that bar: left to itself it would move its
// buttons into the frame's menu bar and rewrite the frame's title, beside MdiCaptionFollower.
class KeepTitleBarWhenMaximised : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override {
        if (hint == SH_Workspace_FillSpaceOnMaximize) return 1;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

QStyle* SubWindowStyle() {
    static QPointer<QStyle> style;
    if (!style) style = new KeepTitleBarWhenMaximised(QStyleFactory::create(QApplication::style()->name()));
    return style;
}

} // namespace

QMdiSubWindow* AddMdiChild(QMdiArea* area, QWidget* child, double clientWidthTwips, double clientHeightTwips) {
    auto* sub = new QMdiSubWindow;
    sub->setStyle(SubWindowStyle());
    sub->setAttribute(Qt::WA_DeleteOnClose);
    child->setAttribute(Qt::WA_DeleteOnClose);
    sub->setWidget(child);
    // A child that closes by itself rather than through its frame takes the frame along: left
    // behind, the empty frame would stay in the child area and come back with Ctrl+Tab.
    QObject::connect(child, &QObject::destroyed, sub, [sub] {
        if (!sub->isHidden()) sub->close();
    }, Qt::QueuedConnection);
    area->addSubWindow(sub);
    if (clientWidthTwips > 0 && clientHeightTwips > 0) {
        QSize client(TwipsToPixelsX(clientWidthTwips), TwipsToPixelsY(clientHeightTwips));
        // The frame (title bar and border) comes on top of the client area.
        QMargins frame = sub->contentsMargins();
        if (sub->layout()) frame += sub->layout()->contentsMargins();
        sub->resize(client.width() + frame.left() + frame.right(), client.height() + frame.top() + frame.bottom());
        child->resize(client);
    }
    RegisterWindow(child);
    return sub;
}

QMdiSubWindow* MdiSubWindowOf(const QWidget* child) {
    return child ? qobject_cast<QMdiSubWindow*>(child->parentWidget()) : nullptr;
}

void FillTheArea(QMdiSubWindow* sub) {
    if (!sub) return;
    if (!FillsTheArea(sub)) {
        sub->setWindowFlags(Qt::FramelessWindowHint);
        sub->setProperty(kFillsAreaProperty, true);
    }
    if (QMdiArea* area = sub->mdiArea()) sub->setGeometry(area->viewport()->rect());
}

bool FillsTheArea(const QMdiSubWindow* sub) { return sub && sub->property(kFillsAreaProperty).toBool(); }

void KeepWithinTheArea(QMdiSubWindow* sub) {
    QMdiArea* area = sub ? sub->mdiArea() : nullptr;
    if (!area) return;
    QSize room = area->viewport()->size();
    if (sub->width() <= room.width() && sub->height() <= room.height()) return;
    sub->setGeometry(QRect(QPoint(0, 0), sub->size().boundedTo(room)));
}

void FocusWithItsWindow(QWidget* box) {
    if (!box) return;
    for (QWidget* w = box->parentWidget(); w; w = w->parentWidget()) {
        auto* sub = qobject_cast<QMdiSubWindow*>(w);
        if (sub && sub->mdiArea()) {
            sub->mdiArea()->setActiveSubWindow(sub);
            break;
        }
    }
    QWidget* top = box->window();
    if (top->isMinimized()) top->showNormal();
    top->activateWindow();
    box->setFocus(Qt::OtherFocusReason);
}

void SetMdiChildMenuBar(QWidget* child, QMenuBar* menuBar) {
    if (!child) return;
    if (menuBar) menuBar->hide();
    child->setProperty(kMenuBarProperty, QVariant::fromValue(static_cast<QObject*>(menuBar)));
}

QMenuBar* MdiChildMenuBar(const QWidget* child) {
    if (!child) return nullptr;
    return qobject_cast<QMenuBar*>(child->property(kMenuBarProperty).value<QObject*>());
}

void OfferClosingAlone(QWidget* child) {
    if (!child) return;
    child->setProperty(kCloseButtonProperty, true);
    auto* closeWindow = new QAction(child);
    closeWindow->setObjectName("mnuCloseWindow");
    closeWindow->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F4));
    closeWindow->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    child->addAction(closeWindow);
    QObject::connect(closeWindow, &QAction::triggered, child, [child] { CloseMdiChild(child); });
}

bool CloseMdiChild(QWidget* child) {
    if (!child) return true;
    QMdiSubWindow* sub = MdiSubWindowOf(child);
    QMdiArea* area = sub ? sub->mdiArea() : nullptr;
    if (!(sub ? sub->close() : child->close())) return false;
    if (!area || area->activeSubWindow()) return true;
    // The closed one is still listed until its deletion runs.
    const QList<QMdiSubWindow*> stack = area->subWindowList(QMdiArea::StackingOrder);
    for (auto it = stack.rbegin(); it != stack.rend(); ++it) {
        if (*it != sub && (*it)->isVisible()) {
            area->setActiveSubWindow(*it);
            break;
        }
    }
    return true;
}

MdiMenuSwitcher::MdiMenuSwitcher(QMainWindow* frame, QMdiArea* area) : QObject(frame), frame_(frame), area_(area) {
    CaptureFrameMenus();
    connect(area_, &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow*) { Update(); });
}

void MdiMenuSwitcher::CaptureFrameMenus() {
    if (!childShown_) frameActions_ = frame_->menuBar()->actions();
}

void MdiMenuSwitcher::Update() {
    QMdiSubWindow* sub = area_->activeSubWindow();
    QWidget* child = sub ? sub->widget() : nullptr;
    Show(MdiChildMenuBar(child) ? child : nullptr);
    ShowCloseButton();
}

void MdiMenuSwitcher::ShowCloseButton() {
    QWidget* child = shownChild_;
    QMdiSubWindow* sub = MdiSubWindowOf(child);
    bool wanted = sub && child->property(kCloseButtonProperty).toBool() && FillsTheArea(sub);
    if (!wanted && !closeButton_) return;
    if (!closeButton_) {
        // As a maximised child window's own close box: no icon of the window, no other buttons.
        closeButton_ = new QToolButton(frame_->menuBar());
        closeButton_->setObjectName("cmdCloseChild");
        closeButton_->setIcon(closeButton_->style()->standardIcon(QStyle::SP_TitleBarCloseButton));
        closeButton_->setToolTip("Close");
        closeButton_->setAccessibleName("Close");
        closeButton_->setAutoRaise(true);
        closeButton_->setFocusPolicy(Qt::NoFocus);
        connect(closeButton_, &QToolButton::clicked, this, [this] {
            if (shownChild_) CloseMdiChild(shownChild_);
        });
    }
    QMenuBar* bar = frame_->menuBar();
    if (wanted && bar->cornerWidget(Qt::TopRightCorner) != closeButton_) bar->setCornerWidget(closeButton_);
    closeButton_->setVisible(wanted);
}

void MdiMenuSwitcher::Show(QWidget* child) {
    QMenuBar* bar = frame_->menuBar();
    CaptureFrameMenus(); // the frame may have changed its menus while they were shown
    if (!child && !childShown_) return;
    if (child && childShown_ && child == shownRaw_) return;
    for (QAction* a : bar->actions()) bar->removeAction(a);
    if (child) {
        bar->addActions(MdiChildMenuBar(child)->actions());
        // A child that goes away without another becoming active gives the frame its menus back.
        connect(child, &QObject::destroyed, this, [this](QObject* gone) {
            if (!childShown_ || gone != shownRaw_) return;
            Show(nullptr);
            ShowCloseButton();
        });
    } else {
        bar->addActions(frameActions_);
    }
    childShown_ = child != nullptr;
    shownRaw_ = child;
    shownChild_ = child;
}

} // namespace orvelle
