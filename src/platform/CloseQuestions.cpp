#include "platform/CloseQuestions.h"

#include <QObject>

#include <utility>

namespace orvelle {
namespace {

// Kept as a child of its window, so that it goes when the window goes.
class CloseQuestion : public QObject {
public:
    CloseQuestion(QWidget* window, std::function<CloseAnswer()> ask, std::function<void(bool)> markChanged)
        : QObject(window), ask(std::move(ask)), markChanged(std::move(markChanged)) {
        setObjectName("closeQuestion");
    }
    std::function<CloseAnswer()> ask;
    std::function<void(bool)> markChanged;
};

CloseQuestion* QuestionOf(const QWidget* window) {
    return window ? window->findChild<CloseQuestion*>("closeQuestion", Qt::FindDirectChildrenOnly) : nullptr;
}

} // namespace

void SetCloseQuestion(QWidget* window, std::function<CloseAnswer()> ask, std::function<void(bool changed)> markChanged) {
    if (!window) return;
    delete QuestionOf(window);
    new CloseQuestion(window, std::move(ask), std::move(markChanged));
}

void NotedNoAnswers::DropEdits() const {
    for (const QPointer<QWidget>& w : windows_)
        if (CloseQuestion* q = QuestionOf(w)) q->markChanged(false);
}

void NotedNoAnswers::KeepEdits() const {
    for (const QPointer<QWidget>& w : windows_)
        if (CloseQuestion* q = QuestionOf(w)) q->markChanged(true);
}

bool AskCloseQuestionsLastFirst(const QList<QWidget*>& windows, NotedNoAnswers& noted) {
    QList<QPointer<QWidget>> asked(windows.rbegin(), windows.rend());
    for (const QPointer<QWidget>& w : asked) {
        CloseQuestion* q = QuestionOf(w);
        if (!q || !q->ask) continue;
        switch (q->ask()) {
        case CloseAnswer::Close: break;
        case CloseAnswer::DropEdits: noted.windows_.append(w); break;
        case CloseAnswer::Cancel: noted.windows_.clear(); return false;
        }
    }
    return true;
}

} // namespace orvelle
