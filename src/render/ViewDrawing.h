#pragma once
// What the three calendar drawings and their layers share: the fault guard around a drawing
// procedure and the clearing of the child area before a view is drawn into it.
#include "store/ErrorLog.h"

#include <exception>
#include <utility>

namespace orvelle {

struct Store;
class frmMain;

// Runs one drawing procedure; a fault inside it is reported as that procedure's error and the
// view stays as far as it was drawn.
template <class F>
void Guarded(Store& s, const char* procName, F&& body) {
    try {
        std::forward<F>(body)();
    } catch (const std::exception& e) {
        LogError(s, procName, 0, e.what());
    }
}

// Closes the planner and notes windows and hides the page scroll bar: a calendar view fills
// the child area alone.
void ClearChildAreaForView(Store& s, frmMain& m);

} // namespace orvelle
