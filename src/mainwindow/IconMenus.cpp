#include "mainwindow/IconMenus.h"

#include "mainwindow/MainMenuCommands.h"
#include "mainwindow/frmMain.h"
#include "views/CalendarViews.h"
#include "store/IconFiles.h"
#include "store/IconPlacing.h"
#include "store/SaveChangesPrompt.h"
#include "store/Store.h"
#include "views/frmIcons.h"
#include "views/frmMonth.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QWidget>

#include <algorithm>

namespace orvelle {
namespace {

constexpr const char* kTemplateInstructions =
    "Click and Drag the Icons onto the selected dates. Icons inserted\r\n"
    "on the 29th and 30th will be discarded and Icons inserted on the 31st\r\n"
    "will appear on the last day of each month, i.e., the 28th for February,\r\n"
    "the 30th for September and so on.\r\n"
    "\r\n"
    "When you are finished, select \"Save Calendar Template\" from under\r\n"
    "the menu \"File\". Shortcut = CTRL + T";

void RefreshMonthIcons(frmMain& m) {
    if (frmMonth* view = m.monthView()) view->RefreshPlacedIcons();
}

QRect GlobalRect(const QWidget* w, const QRect& r) { return QRect(w->mapToGlobal(r.topLeft()), r.size()); }

// The palette stays on top of the main window, so it opens in the child area (below the menus
// and the date picker) beside what the shown window holds: right of it when there is room,
// else left of it, else at the area's right edge.
void PlaceBesideCalendar(frmMain& m, QWidget& palette) {
    constexpr int kGap = 8; // room for the desktop's frame too
    QWidget* area = m.mdiArea()->viewport();
    const QRect room = GlobalRect(area, area->rect());
    QRect content(room.topLeft(), QSize(0, 0));
    if (QMdiSubWindow* sub = m.mdiArea()->activeSubWindow(); sub && sub->widget())
        content = GlobalRect(sub->widget(), sub->widget()->childrenRect()).intersected(room);
    const int width = palette.frameGeometry().width() + kGap;
    int x = room.right() - width;
    if (content.right() + width <= room.right()) x = content.right() + kGap;
    else if (content.left() - width >= room.left()) x = content.left() - width;
    palette.move(std::max(room.left(), x), std::max(room.top(), content.top()) + kGap);
}

} // namespace

frmIcons& ShowIconPalette(frmMain& m) {
    auto place = [&m](frmIcons& palette) { PlaceBesideCalendar(m, palette); };
    frmIcons& p = frmIcons::Get(m.store(), &m, place);
    p.onTemplateSaved = [&m] { ShowYearViewAlone(m); };
    if (!p.isVisible()) place(p);
    p.show();
    p.raise();
    return p;
}

void mnuOptDateShowIcons_Click(frmMain& m) {
    if (m.store().flags.gCalendarView == 1) ShowIconPalette(m);
}

void mnuOptDateRemoveIcon_Click(frmMain& m) {
    if (RemoveSelectedIcon(m.store())) RefreshMonthIcons(m);
}

void mnuOptDateRemoveAll_Click(frmMain& m) {
    if (RemoveAllIcons(m.store())) RefreshMonthIcons(m);
}

void mnuFileCreateTemplate_Click(frmMain& m) {
    Store& s = m.store();
    // Template mode replaces the month shown; its changed icons would go unasked.
    if (!ChangesSettled(s)) return;
    SetTemplateDate(s, s.dates.gYear);
    s.flags.gTemplateMode = true;
    if (m.sixMonthView()) {
        s.flags.gClosingSixMonthView = true;
        m.UnloadSixMonthView();
    }
    if (m.yearView()) {
        s.flags.gClosingYearView = true;
        m.UnloadYearView();
    }
    frmMonth& view = m.LoadMonthView();
    view.picLeft->hide();
    Show1MonthCalendar(s, m);
    ShowIconPalette(m);
    s.ui->MsgBox(kTemplateInstructions, MsgButtons::OK, "");
}

void mnuFileSaveTemplate_Click(frmMain& m) {
    Store& s = m.store();
    // The year view that follows the save closes a note open over the month: it asks first.
    EditsToDrop drop;
    if (!QueryUnloadPlannerAndNotes(s, drop)) return;
    // Shown on a month without a file of its own, the template can be saved from the month; the
    // month's own changes are asked about before the view goes.
    if (!s.flags.gTemplateMode && !AskAboutUnsavedChanges(s, drop)) {
        s.flags.gNavigationCancelled = false;
        return;
    }
    // Edits answered No go only when the save does.
    if (!SaveTemplateIcons(s)) return;
    ForgetDroppedEdits(s, drop);
    ShowYearViewAlone(m);
    s.flags.gTemplateMode = false;
}

void mnuFileSaveCalendar_Click(frmMain& m) {
    Store& s = m.store();
    if (!s.flags.gMonthViewOpen || s.flags.gTemplateMode) return;
    Save1MonthIcons(s);
}

void ConnectIconMenus(frmMain& m) {
    m.Wire("mnuOptDateShowIcons", [&m] { mnuOptDateShowIcons_Click(m); });
    m.Wire("mnuManageIcons", [&m] { ShowIconPalette(m); });
    m.Wire("mnuOptDateRemoveIcon", [&m] { mnuOptDateRemoveIcon_Click(m); });
    m.Wire("mnuOptDateRemoveAll", [&m] { mnuOptDateRemoveAll_Click(m); });
    m.Wire("mnuFileCreateTemplate", [&m] { mnuFileCreateTemplate_Click(m); });
    m.Wire("mnuFileSaveTemplate", [&m] { mnuFileSaveTemplate_Click(m); });
    m.Wire("mnuFileSaveCalendar", [&m] { mnuFileSaveCalendar_Click(m); });
    // The two saves belong to the one-month view, which enables them as it draws.
    m.SetMenuEnabled("mnuFileSaveTemplate", false);
    m.SetMenuEnabled("mnuFileSaveCalendar", false);
}

} // namespace orvelle
