#pragma once
// Leave checks of text boxes run when the user moves on to another control, not when a message
// box, another window or a menu takes the focus for a while: the box keeps its place then, and a
// check run again would say its refusal twice.
class QEvent;

namespace orvelle {

// True for a focus-out by which the user leaves the control for another one of its window.
bool LeavesControl(const QEvent* e);

} // namespace orvelle
