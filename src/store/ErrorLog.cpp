#include "store/ErrorLog.h"

#include "store/Clock.h"
#include "store/Store.h"
#include "store/TextFile.h"

namespace orvelle {

std::string ErrorEntryText(const std::string& procName, long number, const std::string& description) {
    Moment now = Clock::Now();
    return FormatGeneralDate(now.date, now.secondsOfDay) + "\r\n" + "An error occurred in " + procName + ".\r\n" +
           "Error Number: " + std::to_string(number) + "\r\n" + "Error Description: " + description + "\r\n\r\n";
}

bool AppendToErrorLog(Store& s, const std::string& procName, long number, const std::string& description) {
    return AppendToFile(s.gAppPath + "Error.log", ErrorEntryText(procName, number, description));
}

void LogError(Store& s, const std::string& procName, long number, const std::string& description) {
    std::string text = ErrorEntryText(procName, number, description);
    s.ui->MsgBox(text, MsgButtons::OK, "Program Error", MsgIcon::Critical);
    if (!AppendToFile(s.gAppPath + "Error.log", text)) {
        s.ui->MsgBox("Error writing to Error.log.", MsgButtons::OK, "Program Error", MsgIcon::Critical);
    }
}

} // namespace orvelle
