#pragma once
// The one-month view's message strip, filled from the month's messages.
namespace orvelle {

struct Store;
class MainShell;

// Lists the messages on frmMonth's labels lblTTT_0..35, 300 twips apart, and refills the help
// panel when the right side panel is up. Nothing in template mode or while the view is not loaded.
void DisplayTTTLabels(Store& s, MainShell& m);

} // namespace orvelle
