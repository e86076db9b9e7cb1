#pragma once
// The system beep. Tests install a hook to count the beeps (the offscreen platform is silent).
#include <functional>

namespace orvelle {

void SystemBeep();
// While a hook is installed it is called instead of the beep; an empty one restores the beep.
void SetBeepHook(std::function<void()> hook);

} // namespace orvelle
