#pragma once
// The questions windows ask before they close (their unsaved edits), asked all together before
// the end of the program closes any window: a Cancel at the last of them still finds every window
// open, the terms window and its keys too. An answer No is only noted until the end goes on.
#include "store/UiHooks.h"

#include <QList>
#include <QPointer>
#include <QWidget>

#include <functional>

namespace orvelle {

// Gives `window` a close question for the end of the program. `ask` asks it as the window's
// close does, except that No leaves the edits as they are; `markChanged(false)` then forgets
// them once the end goes on, and `markChanged(true)` counts them as changed again should the end
// stop after that. The question goes with the window.
void SetCloseQuestion(QWidget* window, std::function<CloseAnswer()> ask, std::function<void(bool changed)> markChanged);

// The windows whose edits were answered No in one round of questions.
class NotedNoAnswers {
public:
    // Forgets those edits: the windows then close without asking again.
    void DropEdits() const;
    // The windows still open count those edits as changed again.
    void KeepEdits() const;

private:
    friend bool AskCloseQuestionsLastFirst(const QList<QWidget*>& windows, NotedNoAnswers& noted);
    QList<QPointer<QWidget>> windows_;
};

// Asks the question of every window of `windows` (in load order) that has one, the last loaded
// first. False at the first Cancel (or failed save), with every window and edit as it was.
bool AskCloseQuestionsLastFirst(const QList<QWidget*>& windows, NotedNoAnswers& noted);

} // namespace orvelle
