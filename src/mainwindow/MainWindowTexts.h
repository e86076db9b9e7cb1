#pragma once
// Fixed texts of the main window that are built from values.
#include "store/Dates.h"

#include <string>

namespace orvelle {

// "Today is Thursday, March 5, 2009"
std::string TodayLabelText(Date today);
// "The time is now 02:05:09 PM " (with the trailing blank)
std::string TimeToolTipText(int secondsOfDay);
// "Orvelle Vers. 1.0.0" and the build's comment on the next line
std::string SoftwareVersionText();
// Start-up size rule: maximised on a screen of at least 15360 x 11520 twips.
bool StartMaximised(double screenWidthTwips, double screenHeightTwips);

} // namespace orvelle
