#include "mainwindow/MainWindowTexts.h"

namespace orvelle {

std::string TodayLabelText(Date today) { return "Today is " + FormatLongDate(today); }

std::string TimeToolTipText(int secondsOfDay) {
    int h = secondsOfDay / 3600, m = secondsOfDay / 60 % 60, s = secondsOfDay % 60;
    int h12 = h % 12 == 0 ? 12 : h % 12;
    return "The time is now " + TwoDigits(h12) + ":" + TwoDigits(m) + ":" + TwoDigits(s) + (h < 12 ? " AM " : " PM ");
}

std::string SoftwareVersionText() {
    return std::string("Orvelle Vers. ") + ORVELLE_VERSION + "\r\n" + "Desktop calendar and daily planner.";
}

bool StartMaximised(double w, double h) { return w >= 15360 && h >= 11520; }

} // namespace orvelle
