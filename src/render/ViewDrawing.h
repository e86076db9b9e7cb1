#pragma once
// The fault guard the calendar drawings and their layers run inside.
#include "store/ErrorLog.h"

#include <exception>
#include <utility>

namespace orvelle {

struct Store;

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

} // namespace orvelle
