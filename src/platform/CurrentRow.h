#pragma once
// A list whose commands act on a row works on the row the user sees: the one moved to by the
// mouse or by the keys, never only the one last clicked.
#include <functional>

class QListWidget;

namespace orvelle {

// Calls `onRow(row)` whenever the user makes a row of `list` the current one: a click, the
// arrows, Home/End, the page keys or a typed letter; clicking the current row again calls it
// again. In a single-selection list the row must also be selected, so a cleared selection
// (New) picks nothing. The focus landing on a list without a current row picks nothing either.
// Changes made while the list's signals are blocked are not reported.
void FollowCurrentRow(QListWidget* list, std::function<void(int row)> onRow);

} // namespace orvelle
