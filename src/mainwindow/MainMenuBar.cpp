#include "mainwindow/MainMenuBar.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

namespace orvelle {
namespace {

QAction* Item(QMenu* menu, const char* name, const QString& caption, const QKeySequence& keys = {}) {
    QAction* a = menu->addAction(caption);
    a->setObjectName(name);
    if (!keys.isEmpty()) a->setShortcut(keys);
    return a;
}

QMenu* Sub(QWidget* parent, const char* name, const QString& caption) {
    QMenu* m = new QMenu(caption, parent);
    m->setObjectName(name);
    m->menuAction()->setObjectName(QString(name) + "_item");
    return m;
}

bool HasEnabledItem(const QMenu* menu) {
    for (const QAction* a : menu->actions()) {
        if (a->isSeparator()) continue;
        if (const QMenu* sub = a->menu()) {
            if (HasEnabledItem(sub)) return true;
        } else if (a->isEnabled()) {
            return true;
        }
    }
    return false;
}

// A submenu that leads only to disabled commands is shown disabled. Checked each time its parent
// opens, since views and windows enable commands as they come and go; only a submenu greyed
// here is enabled again here, so one that a command disabled on purpose stays as it was set.
void GreyWhenEmpty(QMenu* parent, QMenu* sub) {
    QObject::connect(parent, &QMenu::aboutToShow, sub, [sub] {
        QAction* item = sub->menuAction();
        bool any = HasEnabledItem(sub);
        if (!any && item->isEnabled()) {
            item->setEnabled(false);
            item->setProperty("greyedAsEmpty", true);
        } else if (any && item->property("greyedAsEmpty").toBool()) {
            item->setEnabled(true);
            item->setProperty("greyedAsEmpty", false);
        }
    });
}

QMenu* SubOf(QMenu* menu, const char* name, const QString& caption) {
    QMenu* m = Sub(menu, name, caption);
    menu->addMenu(m);
    GreyWhenEmpty(menu, m);
    return m;
}

void BuildFile(QMenuBar* bar) {
    QMenu* m = Sub(bar, "mnuFile", "&File");
    bar->addMenu(m);
    Item(m, "mnuFileCreateTemplate", "&Create/Modify 1 Month Calendar Template");
    QMenu* save = SubOf(m, "mnuFileSave", "&Save");
    Item(save, "mnuFileSaveCalendar", "Save This Month's Icons");
    Item(save, "mnuFileSaveTemplate", "Save 1 Month Calendar Template", QKeySequence("Ctrl+T"));
    m->addSeparator();
    Item(m, "mnuFilePrintCalendar", "&Print 1 Month Calendar");
    Item(m, "mnuFilePrintBirthdays", "Print 1 Month Calendar (Including &Birthdays)");
    m->addSeparator();
    Item(m, "mnuFileOpenNotes", "Open External &Notes");
    Item(m, "mnuFileOpenPlanner", "Open External &Planner");
    Item(m, "mnuFileOpenFUT", "Open &Frequently Used Terms");
    m->addSeparator();
    Item(m, "mnuFileOpenExpenses", "Generate &Expense Report");
    Item(m, "mnuFileOpenMiles", "Generate &Mileage Report");
}

void BuildEdit(QMenuBar* bar) {
    QMenu* m = Sub(bar, "mnuEdit", "&Edit");
    bar->addMenu(m);
    Item(m, "mnuEditFind", "&Find");
    m->addSeparator();
    Item(m, "mnuEditDeleteMarks", "Delete this Years Marks");
    QMenu* shown = SubOf(m, "mnuEditDiplayedMarks", "Displayed Marks");
    Item(shown, "mnuEditMarksHideAll", "Hide (Uncheck) All Marks");
    Item(shown, "mnuEditMarksShowAll", "Show (Check) All Marks");
    shown->addSeparator();
    for (int i = 0; i < 14; ++i) {
        QAction* a = Item(shown, qPrintable(QString("mnuEditMark_%1").arg(i)), QString("Category %1").arg(i));
        a->setCheckable(true);
        a->setChecked(true);
    }
    shown->addSeparator();
    Item(shown, "mnuEditMarkerSaveSettings", "Save the Above Settings");
}

void BuildCalendarView(QMenuBar* bar) {
    QMenu* m = Sub(bar, "mnuView", "Calendar &View");
    bar->addMenu(m);
    Item(m, "mnuCalOneMonth", "Show 1 Month Calendar");
    Item(m, "mnuCalSixMonths", "Show 6 Month Calendar");
    Item(m, "mnuCalOneYear", "Show 1 Year Calendar");
}

QMenu* BuildOptions(QMenuBar* bar) {
    QMenu* m = Sub(bar, "mnuOpt", "&Options");
    bar->addMenu(m);
    QMenu* user = SubOf(m, "mnuOptUser", "&User Options");
    Item(user, "mnuOptNetworkShare", "Change Network Share Drive");
    Item(user, "mnuOptCreateShortcut", "Create Shortcut for this Program");

    QMenu* date = SubOf(m, "mnuDateOptions", "&Date Options");
    Item(date, "mnuOptDateOpenNotes", "Open Notes for Selected Date");
    Item(date, "mnuOptDateOpenPlanner", "Open Planner for Selected Date");
    Item(date, "mnuOptDateSetAlert", "Set Alert for Selected Date");
    date->addSeparator();
    Item(date, "mnuOptDateQuickMark", "Quick Mark Selected Date");
    QMenu* markAs = SubOf(date, "mnuOptDateMark", "Mark Selected Date as...");
    for (int i = 0; i < 12; ++i) Item(markAs, qPrintable(QString("mnuOptDateMarkAs_%1").arg(i)), QString("Category %1").arg(i));
    Item(date, "mnuOptDateClearMark", "Clear Mark from Selected Date");
    Item(date, "mnuOptDateAttachHoverText", "Attach Mouse Over (Hover) Note");
    date->addSeparator();
    Item(date, "mnuOptDateShowIcons", "View Insertable Icons");
    Item(date, "mnuOptDateRemoveIcon", "Remove Selected Icon");
    Item(date, "mnuOptDateRemoveAll", "Remove All Icons");

    QMenu* cal = SubOf(m, "mnuOptCal", "Calendar Options");
    QAction* offset = Item(cal, "mnuOptCalNumbersOffset", "Show Numbers Offset");
    offset->setCheckable(true);
    return date;
}

void BuildManage(QMenuBar* bar) {
    QMenu* m = Sub(bar, "mnuManage", "&Manage");
    bar->addMenu(m);
    Item(m, "mnuManageAlerts", "Alerts");
    Item(m, "mnuManageNotes", "Notes and Planners");
    Item(m, "mnuManageToDo", "To Do List");
    Item(m, "mnuManageHolidays", "Holidays");
    Item(m, "mnuManageBDays", "Birthdays");
    Item(m, "mnuManageEmailList", "Contact List");
    Item(m, "mnuManageIcons", "Insertable Icons");
    QMenu* fut = SubOf(m, "mnuManageFUT", "Frequently Used Terms");
    Item(fut, "mnuManageFUTList", "Edit List");
    Item(fut, "mnuManageFUTPreferences", "Edit Preferences");
    QMenu* markers = SubOf(m, "mnuManageMarkers", "Date Markers");
    Item(markers, "mnuManageDisplayedMarks", "Select Markers to Display and Hide");
    Item(markers, "mnuManageUserColors", "Select Colors and Captions for Markers");
}

void BuildDateFunctions(QMenuBar* bar) {
    QMenu* m = Sub(bar, "mnuDateFunctions", "&Date Functions");
    bar->addMenu(m);
    QMenu* diff = SubOf(m, "mnuDateDiffS", "Get Time Interval Between 2 Dates");
    // Greyed headings with no action of their own around the eight units.
    Item(diff, "mnuDateDiffSStandard", "Using Standard Intervals")->setEnabled(false);
    Item(diff, "mnuDateDiffSYears", "In Years");
    Item(diff, "mnuDateDiffSQuarters", "In Quarters");
    Item(diff, "mnuDateDiffSMonths", "In Months");
    Item(diff, "mnuDateDiffSWeeks", "In Weeks");
    Item(diff, "mnuDateDiffSDays", "In Days");
    Item(diff, "mnuDateDiffSHours", "In Hours");
    Item(diff, "mnuDateDiffSMinutes", "In Minutes");
    Item(diff, "mnuDateDiffSSeconds", "In Seconds");
    QMenu* calendar = Sub(diff, "mnuDateDiffSCalendar", "Using Calendar Intervals");
    diff->addMenu(calendar);
    calendar->menuAction()->setEnabled(false);
    Item(calendar, "mnuDateDiffSCalendarYears", "In Calendar Years")->setEnabled(false);
    Item(calendar, "mnuDateDiffSCalendarMonths", "In Calendar Months")->setEnabled(false);
    Item(calendar, "mnuDateDiffSCalendarWeeks", "In Calendar Weeks")->setEnabled(false);
    QMenu* other = SubOf(m, "mnuDateOther", "Other Functions");
    Item(other, "mnuNumOfDays", "# of Specific Weekdays in a Period");
}

void BuildToolsAndHelp(QMenuBar* bar) {
    QMenu* tools = Sub(bar, "mnuTools", "&Tools");
    bar->addMenu(tools);
    Item(tools, "mnuToolsAlarm", "Alarm Clock");
    QMenu* help = Sub(bar, "mnuHelp", "&Help");
    bar->addMenu(help);
    Item(help, "mnuHelpContents", "Help Contents");
    Item(help, "mnuHelpSoftwareVersion", "Get Software Version");
}

} // namespace

QMenu* MainMenuBar::Build(QMainWindow* window) {
    QMenuBar* bar = window->menuBar();
    bar->setObjectName("menuBar");
    BuildFile(bar);
    BuildEdit(bar);
    BuildCalendarView(bar);
    QMenu* dateOptions = BuildOptions(bar);
    BuildManage(bar);
    BuildDateFunctions(bar);
    BuildToolsAndHelp(bar);
    return dateOptions;
}

} // namespace orvelle
