#include "views/Print1MonthCalendar.h"

#include "platform/PrinterCanvas.h"
#include "render/MonthMessages.h"
#include "render/MonthPrintPage.h"
#include "store/ErrorLog.h"
#include "store/IconFiles.h"
#include "store/Store.h"
#include "views/MonthIconControls.h"

#include <QString>

#include <exception>
#include <map>
#include <string>

namespace orvelle {

const char* const kTooManyPrintedMessages =
    "There are more than 36 assigned messages for the month and only the\r\n"
    "first 36 will be printed. You may wish to hide some of the marks and\r\n"
    "print 1 or more additional calendars. Sorry for the inconvenience.";

namespace {

constexpr long kErrPrinter = 482;
const char* const kProc = "Print1MonthCalendar";

// The icons the one-month view shows, each picture file read once.
std::vector<PrintedIcon> PlacedIconsOf(const Store& s) {
    std::vector<PrintedIcon> out;
    std::map<std::string, QImage> pictures;
    for (const PlacedIcon& p : s.icons.gPlacedIcons) {
        if (!p.visible || p.pictureNumber.empty()) continue;
        auto found = pictures.find(p.pictureNumber);
        if (found == pictures.end()) found = pictures.emplace(p.pictureNumber, LoadIconPicture(s, p.pictureNumber)).first;
        if (!found->second.isNull()) out.push_back({p.left, p.top, found->second});
    }
    return out;
}

// Everything the page shows, settled before a job is opened: the warning about too many
// messages comes first, so no job waits behind a message box.
MonthPrintPage PageContent(Store& s) {
    MonthPrintPage page;
    page.templateMode = s.flags.gTemplateMode;
    if (page.templateMode) {
        if (s.icons.gTemplateDate == 0) SetTemplateDate(s, s.dates.gYear);
        page.drawn = s.icons.gTemplateDate;
    } else {
        page.drawn = MonthViewDate(s);
        for (const MonthMessage& m : CollectMonthMessages(s)) page.messages.push_back({m.day, m.text, m.color});
        if (page.messages.size() > static_cast<size_t>(kPrintedMessageLimit)) {
            s.ui->MsgBox(kTooManyPrintedMessages, MsgButtons::OK, "");
            page.messages.resize(kPrintedMessageLimit);
        }
    }
    page.icons = PlacedIconsOf(s);
    return page;
}

} // namespace

bool Print1MonthCalendar(Store& s) {
    if (!s.flags.gPrinterPresent) {
        s.ui->MsgBox("Printer could not be found", MsgButtons::OK, "");
        return false;
    }
    MonthPrintPage content;
    try {
        content = PageContent(s);
    } catch (const std::exception& e) {
        LogError(s, kProc, 0, e.what());
        return false;
    }
    // A job left without EndDoc is abandoned, so nothing half drawn is printed; it is gone
    // before the failure is reported.
    std::string failure;
    {
        PrinterCanvas job;
        if (!job.IsActive()) {
            failure = "The print job could not be started.";
        } else {
            try {
                PaintMonthPage(s, job, content);
                if (!job.EndDoc()) failure = "The print job could not be completed.";
            } catch (const std::exception& e) {
                failure = e.what();
            }
        }
    }
    if (!failure.empty()) {
        LogError(s, kProc, kErrPrinter, failure);
        return false;
    }
    return true;
}

} // namespace orvelle
