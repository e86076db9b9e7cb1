#pragma once
// The windows' places and sizes in twips were made for another platform's fonts, so a text can
// need more room than its control was given. A window that keeps its captions whole grows such
// a control to its text (a right-aligned label to the left, a centred one both ways, when the
// room there is free), moves the controls beside or below it along in the same order so that
// none covers another, and grows the frames and the window around them. It does so at once, when
// the window is shown, and again whenever a text in it changes, a control in it is shown or the
// window is resized (the windows place their controls again as they resize).
class QListView;
class QWidget;

namespace orvelle {

// Labels, buttons, check boxes, option buttons, frame titles and combo box items of `window`
// (not of the windows inside it, which keep their own) are kept whole from now on.
void KeepCaptionsWhole(QWidget* window);

// A list whose entries are the program's own texts (the help topics) is kept wide enough to show
// each entry whole, beside its scroll bar; in a window that places it by a layout, the window
// grows instead. Lists of the user's data keep the size their window gives them.
void KeepEntriesWhole(QListView* list);

// A control that shows the user's data (a report cell, a message of the month) keeps the size
// its window gives it: growing one row's cell would push that row out of line with the others.
void LeaveTextAsPlaced(QWidget* control);

} // namespace orvelle
