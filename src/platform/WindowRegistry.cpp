#include "platform/WindowRegistry.h"

#include "platform/CloseQuestions.h"
#include "platform/TabKeys.h"

#include <QApplication>
#include <QGuiApplication>
#include <QMainWindow>
#include <QMdiSubWindow>
#include <QScreen>

namespace orvelle {
namespace {

QList<QPointer<QWidget>>& Windows() {
    static QList<QPointer<QWidget>> list;
    return list;
}

void Prune() {
    Windows().removeIf([](const QPointer<QWidget>& w) { return w.isNull(); });
}

// Marks a window that is kept on top for its own sake, not for a window kept on top beside it.
constexpr const char* kKeptOnTopProperty = "orvelleKeptOnTop";

bool AWindowIsKeptOnTop(const QWidget* except) {
    const QList<QWidget*> windows = QApplication::topLevelWidgets();
    for (const QWidget* w : windows) {
        if (w != except && w->isVisible() && !w->isMinimized() && w->windowFlags().testFlag(Qt::WindowStaysOnTopHint))
            return true;
    }
    return false;
}

} // namespace

void RegisterWindow(QWidget* window) {
    if (!window) return;
    Prune();
    for (const auto& w : Windows()) {
        if (w == window) return;
    }
    Windows().append(window);
}

QList<QWidget*> LoadedWindows() {
    Prune();
    QList<QWidget*> out;
    for (const auto& w : Windows()) out.append(w.data());
    return out;
}

bool UnloadAllFormsAndEnd() {
    static bool running = false;
    if (running) return true;
    running = true;
    QList<QWidget*> windows = LoadedWindows();
    // Every question comes before any window closes: a Cancel leaves them all open.
    NotedNoAnswers noted;
    if (!AskCloseQuestionsLastFirst(windows, noted)) {
        running = false;
        return false;
    }
    noted.DropEdits();
    for (auto it = windows.rbegin(); it != windows.rend(); ++it) {
        QPointer<QWidget> w = *it;
        if (w.isNull()) continue; // closed along with an earlier one
        // An MDI child is closed through its frame, which asks the child first.
        QWidget* target = w;
        if (auto* sub = qobject_cast<QMdiSubWindow*>(w->parentWidget())) target = sub;
        if (!target->close()) {
            noted.KeepEdits();
            running = false;
            return false;
        }
    }
    running = false;
    QCoreApplication::quit();
    return true;
}

void MakeMeTopmost(QWidget* window, bool onTop) {
    if (!window || !onTop) return;
    window->setAttribute(Qt::WA_ShowWithoutActivating);
    window->setProperty(kKeptOnTopProperty, true);
    window->setWindowFlag(Qt::WindowStaysOnTopHint, true);
    window->show();
}

void CenterForm(QWidget* window) {
    if (!window || window->isMinimized()) return;
    QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen) return;
    QRect area = screen->geometry();
    QRect frame = window->frameGeometry();
    window->move(area.x() + (area.width() - frame.width()) / 2, area.y() + (area.height() - frame.height()) / 2);
}

void OpenAboveWindowsKeptOnTop(QWidget* dialog) {
    if (!dialog || dialog->property(kKeptOnTopProperty).toBool()) return;
    const bool above = AWindowIsKeptOnTop(dialog);
    // Changing the flags hides a shown window; the caller shows it again.
    if (dialog->windowFlags().testFlag(Qt::WindowStaysOnTopHint) != above)
        dialog->setWindowFlag(Qt::WindowStaysOnTopHint, above);
}

void ShowInFront(QWidget* window, QWidget* focus) {
    if (!window) return;
    if (!qobject_cast<QMainWindow*>(window)) OpenAboveWindowsKeptOnTop(window);
    if (window->isMinimized()) window->showNormal();
    else window->show();
    window->raise();
    // Before the activation: a window that is not active yet takes it as the control to give the
    // keyboard to once it is.
    if (!focus) focus = window->focusWidget();
    if (!focus || !focus->isVisibleTo(window) || !focus->isEnabled()) focus = TabStops(window).value(0);
    if (focus) focus->setFocus(Qt::OtherFocusReason);
    // On X11 this sends the window manager the activation request (_NET_ACTIVE_WINDOW), once the
    // window is mapped.
    window->activateWindow();
}

} // namespace orvelle
