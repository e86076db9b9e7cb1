#include "planner/PlannerClipboard.h"

#include "planner/PlannerPageModel.h"
#include "planner/PlannerPageView.h"
#include "planner/frmPlanner.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>

namespace orvelle {

QString PlannerClipboardText(const PlannerPageView& page, const PlannerPageModel& model) {
    const QString crlf = "\r\n", tab = "\t";
    auto box = [&page](int i) { return page.txt(i)->text(); };
    QString t = "Appointments - Events - Meetings - Tasks" + crlf + crlf;
    for (int i = 0; i <= 15; ++i) t += page.lblTime(i)->text() + tab + box(i) + crlf;
    t += crlf + "To Do List" + crlf + crlf;
    for (int i = 16; i <= 25; ++i)
        t += QString::number(i - 15) + (model.IsDone(i - 16) ? " (x)" : "") + tab + box(i) + crlf;
    t += crlf + "Expenses" + crlf + crlf;
    for (int i = 26; i <= 31; ++i) t += "Desc:" + tab + box(i) + crlf + "Amt:" + tab + box(i + 6) + crlf + crlf;
    t += "Total:" + tab + box(38) + crlf + crlf;
    t += "Mileage" + crlf + crlf;
    for (int i = 39; i <= 43; ++i) t += "Dest:" + tab + box(i) + crlf + "Miles:" + tab + box(i + 15) + crlf + crlf;
    t += "Total:" + tab + box(59);
    return t;
}

void CopyPlannerToMemory(frmPlanner& w) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setText(PlannerClipboardText(*w.Page(), w.Model()));
}

void ConnectPlannerClipboard(frmPlanner& w) {
    QAction* item = w.MenuBar()->findChild<QAction*>("mnuFileCopyPlanner");
    item->setEnabled(true);
    QObject::connect(item, &QAction::triggered, &w, [&w] { CopyPlannerToMemory(w); });
}

} // namespace orvelle
