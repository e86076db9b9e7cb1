#pragma once
// "Alerts.dat": dated messages with a notice period, the pending ones, and the main window's
// alert indicators as data.
//
// Line layout: positions 1-5 the date as a day serial, 6 ":", 7-10 the notice period in days
// ("0000"-"9999"), 11 ":", 12 to the end the message (which may hold ":").
#include "store/Dates.h"
#include "store/IndicatorPicture.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orvelle {

struct Store;

inline constexpr const char* kAlertsFile = "Alerts.dat";

// What the alert button cmdAlert and the image imgAlert(0) show.
struct AlertIndicator {
    std::string caption = "No Pending Alerts";
    std::string toolTip = "Click to View";
    // Yellow (0x00FFFF) background while alerts are pending, else the system's button face.
    bool highlighted = false;
    IndicatorPicture picture = IndicatorPicture::NonePending;
    std::string imageToolTip = "No Alerts Pending";
};

struct AlertFields {
    Date date = 0;
    int period = 0;
    std::string message;
};

struct Alerts {
    // Index-parallel, 0 .. gAlertCount - 1, in file order.
    std::vector<std::string> gAlertLines;
    std::vector<Date> gAlertDates;
    std::vector<int> gAlertPeriods;
    std::vector<std::string> gAlertMessages;
    int gAlertCount = 0;
    // The line of a pending alert at its own index, empty for the others.
    std::vector<std::string> gPendingAlertLines;
    int gPendingAlertCount = 0;

    // Shared with the alert manager: it lists only pending alerts when gAlertViewPending is set,
    // and prepares a new alert for gAlertDate (0 = the selected date) when gAddingNewAlert is set.
    bool gAddingNewAlert = false;
    bool gAlertViewPending = false;
    Date gAlertDate = 0;

    AlertIndicator indicator;
    bool indicatorFromFile = false; // the indicator was last set from a read file
};

// The fields of one line; nullopt for a line that is too short or has a non-numeric date or period.
std::optional<AlertFields> ParseAlertLine(std::string_view line);
// The line for an alert; nullopt when the date has no five-digit serial or the period is out of range.
std::optional<std::string> FormatAlertLine(Date date, int period, std::string_view message);
// Pending from `period` days before its date through the date itself.
bool IsAlertPending(Date alertDate, int period, Date today);
AlertIndicator AlertIndicatorFor(int pendingCount);

// Replaces the alert lists with the file's alerts, works out the pending ones and sets the
// indicator. A missing file gives empty lists; the indicator keeps its start-up state, or shows
// no alert pending when an earlier read found the file.
void ReadAlerts(Store& s);
// Writes the alert manager's list (complete lines, in list order) and shows "Alert List Updated.";
// an empty list removes the file and says nothing. False when the file could not be written.
bool SaveAlerts(Store& s, const std::vector<std::string>& listItems);

} // namespace orvelle
