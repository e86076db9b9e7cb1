#include "views/MonthLabels.h"

#include "views/MainShell.h"
#include "notes/HelpPanel.h"
#include "platform/Cp1252.h"
#include "render/MonthMessages.h"
#include "render/ViewDrawing.h"
#include "store/IconFiles.h"
#include "store/Store.h"
#include "views/frmMonth.h"

#include <QLabel>
#include <QPalette>

namespace orvelle {
namespace {

void ListLabels(Store& s, MainShell& m) {
    if (s.flags.gTemplateMode) return;
    frmMonth* view = m.monthView();
    if (!view) return;

    // The month on show, not a month a note has selected since: its icon file is the one saved.
    Date selected = MonthViewShows(s);
    Ymd sel = SplitDate(selected);
    SetMonthIconFile(s, selected);
    s.view.gThisYear = sel.year;
    s.view.gNextYear = sel.year + 1;
    s.flags.gSpansNextYear = false;
    // The walk cursor as the listing leaves it: on the day after the month.
    Date first = DateSerial(sel.year, sel.month, 1);
    s.dates.gWeekCol = Weekday(first);
    s.dates.gWeekRow = 1;
    s.dates.gWalkDate = first + DaysInMonth(sel.year, sel.month);

    s.view.gMonthMessagesStale = false;
    std::vector<MonthMessage> messages = CollectMonthMessages(s);
    if (messages.size() > static_cast<size_t>(kMonthMessageLabels)) {
        s.ui->MsgBox(kTooManyMonthMessages, MsgButtons::OK, "");
        messages.resize(kMonthMessageLabels);
    }
    for (QLabel* label : view->lblTTT)
        if (label) label->clear();
    for (size_t i = 0; i < messages.size(); ++i) {
        QLabel* label = view->lblTTT[i];
        if (!label) continue;
        QPalette p = label->palette();
        p.setColor(QPalette::WindowText, ColorFromVb(messages[i].color));
        label->setPalette(p);
        label->setText(FromCp1252(MonthMessageLine(messages[i])));
        label->show();
    }
    view->PlaceMessageLabels();
    if (s.view.gRightPanelsShown[0]) FillHelpPanel(s, view->lstHelp, view->txtHelp, view->lblSubject);
}

} // namespace

void DisplayTTTLabels(Store& s, MainShell& m) { Guarded(s, "DisplayTTTLabels", [&] { ListLabels(s, m); }); }

} // namespace orvelle
