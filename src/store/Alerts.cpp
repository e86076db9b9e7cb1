#include "store/Alerts.h"

#include "store/Clock.h"
#include "store/ListFile.h"
#include "store/Store.h"

namespace orvelle {

std::optional<AlertFields> ParseAlertLine(std::string_view line) {
    if (line.size() < 11) return std::nullopt;
    auto date = listfile::Digits(line.substr(0, 5));
    auto period = listfile::Digits(line.substr(6, 4));
    if (!date || !period) return std::nullopt;
    return AlertFields{*date, *period, std::string(line.substr(11))};
}

std::optional<std::string> FormatAlertLine(Date date, int period, std::string_view message) {
    if (date < 10000 || date > 99999 || period < 0 || period > 9999) return std::nullopt;
    std::string p = std::to_string(period);
    // The message is one line of plain text, whatever was pasted into it.
    return std::to_string(date) + ":" + std::string(4 - p.size(), '0') + p + ":" + listfile::PlainLine(message);
}

bool IsAlertPending(Date alertDate, int period, Date today) { return today <= alertDate && alertDate <= today + period; }

AlertIndicator AlertIndicatorFor(int pendingCount) {
    AlertIndicator ind;
    if (pendingCount <= 0) {
        ind.toolTip = "Left Click to view all Alerts.";
        ind.caption = "No Pending Alerts";
        ind.highlighted = false;
        ind.picture = IndicatorPicture::NonePending;
        ind.imageToolTip = "No Alerts Exist";
        return ind;
    }
    ind.toolTip = "Left Click to View, Right Click to Ignore.";
    ind.caption = std::to_string(pendingCount) + (pendingCount == 1 ? " Pending Alert" : " Pending Alerts");
    ind.highlighted = true;
    ind.picture = IndicatorPicture::Pending;
    ind.imageToolTip = "Alerts Exist";
    return ind;
}

void ReadAlerts(Store& s) {
    Alerts& a = s.alerts;
    a.gAlertLines.clear();
    a.gAlertDates.clear();
    a.gAlertPeriods.clear();
    a.gAlertMessages.clear();
    a.gPendingAlertLines.clear();
    a.gAlertCount = 0;
    a.gPendingAlertCount = 0;
    // The whole day: the current moment's serial would turn into tomorrow shortly before midnight.
    Date today = Clock::Today();

    SkippedLines skipped(s, "ReadAlerts", s.gAppPath + kAlertsFile);
    auto lines = listfile::ReadIfPresent(s, "ReadAlerts", s.gAppPath + kAlertsFile, &skipped);
    if (lines) {
        for (size_t i = 0; i < lines->size(); ++i) {
            const std::string& line = (*lines)[i];
            auto f = ParseAlertLine(line);
            if (!f) {
                if (!line.empty()) skipped.Skip(i + 1, line, "not an alert");
                continue;
            }
            bool pending = IsAlertPending(f->date, f->period, today);
            a.gAlertLines.push_back(line);
            a.gAlertDates.push_back(f->date);
            a.gAlertPeriods.push_back(f->period);
            a.gAlertMessages.push_back(std::move(f->message));
            a.gPendingAlertLines.push_back(pending ? line : std::string());
            if (pending) ++a.gPendingAlertCount;
        }
        a.gAlertCount = static_cast<int>(a.gAlertLines.size());
    }
    // Without a file the start-up state stays ("Click to View", "No Alerts Pending"); once a
    // file was read, its going (the last alert deleted) shows no alert pending.
    if (lines || a.indicatorFromFile) a.indicator = AlertIndicatorFor(a.gPendingAlertCount);
    if (lines) a.indicatorFromFile = true;
    if (s.hooks.RefreshIndicators) s.hooks.RefreshIndicators();
}

bool SaveAlerts(Store& s, const std::vector<std::string>& listItems) {
    if (!listfile::Save(s, "SaveAlerts", s.gAppPath + kAlertsFile, listItems)) return false;
    if (listItems.empty()) return true;
    s.alerts.gAlertLines = listItems;
    s.alerts.gAddingNewAlert = false;
    s.ui->MsgBox("Alert List Updated.", MsgButtons::OK, "");
    return true;
}

} // namespace orvelle
