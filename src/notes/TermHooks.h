#pragma once
// Wires the store's calls for the terms window and the term preferences to those windows; the
// main window calls this once at start-up (tests of the planner and notes windows too).
namespace orvelle {

struct Store;

void InstallTermHooks(Store& store);

} // namespace orvelle
