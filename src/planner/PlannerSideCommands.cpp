#include "planner/PlannerSideCommands.h"

#include "planner/PlannerPageModel.h"
#include "planner/PlannerPageView.h"
#include "planner/frmPlanner.h"
#include "platform/Cp1252.h"
#include "store/ListFile.h"
#include "store/ShareDrive.h"
#include "store/Store.h"
#include "store/ToDoList.h"

#include <QAction>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QScrollArea>

#include <algorithm>

namespace orvelle {
namespace {

constexpr int kFirstToDoBox = 16;
constexpr int kLastBox = PlannerLayout::kBoxes - 1;

QAction* Item(frmPlanner& w, const char* name) { return w.MenuBar()->findChild<QAction*>(name); }

void SetDoneFlag(frmPlanner& w, Store& s, int k, bool done) {
    s.page.gPlannerToDoChecks[k] = done;
    w.Page()->SetDoneMark(k, done);
}

// Clicks on the check images reach their command.
class CheckImageClicks : public QObject {
public:
    CheckImageClicks(frmPlanner& w, Store& s) : QObject(&w), w_(w), s_(s) {
        for (int k = 0; k < PlannerLayout::kCheckImages; ++k) w.Page()->imgChkBox(k)->installEventFilter(this);
    }
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::MouseButtonPress && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
            for (int k = 0; k < PlannerLayout::kCheckImages; ++k)
                if (watched == w_.Page()->imgChkBox(k)) {
                    imgChkBox_Click(w_, s_, k);
                    return true;
                }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    frmPlanner& w_;
    Store& s_;
};

} // namespace

void imgChkBox_Click(frmPlanner& w, Store& s, int index) {
    if (index < 0 || index >= PlannerLayout::kCheckImages) return;
    SetDoneFlag(w, s, index, !s.page.gPlannerToDoChecks[index]);
    if (!s.flags.gPlannerLoading) s.flags.gPlannerChanged = true;
}

void mnuOptShowCursPos_Click(frmPlanner& w) {
    QAction* item = Item(w, "mnuOptShowCursPos");
    bool show;
    if (item->text() == "Show Cursor Position") show = true;
    else if (item->text() == "Hide Cursor Position") show = false;
    else return;
    item->setText(show ? "Hide Cursor Position" : "Show Cursor Position");
    for (int k = 0; k < 2; ++k) w.Page()->lblCursPos(k)->setVisible(show);
}

void mnuEditSearchAgain_Click(frmPlanner& w, Store& s) {
    SearchState& st = s.search;
    if (!st.gSearchActive) return;
    const QString phrase = FromCp1252(st.gSearchText).toUpper();
    // An empty phrase would "hit" at every position and never get past a line.
    if (phrase.isEmpty()) return;
    int line = std::clamp(st.gSearchLine, 0, kLastBox);
    int from = std::max(0, st.gSearchPos);
    for (;;) {
        QLineEdit* box = w.Page()->txt(line);
        int h = box->text().toUpper().indexOf(phrase, from);
        if (h >= 0) {
            box->setSelection(h, static_cast<int>(phrase.size()));
            // The page is taller than the window: its line is brought into view.
            for (QWidget* p = box->parentWidget(); p; p = p->parentWidget()) {
                if (auto* area = qobject_cast<QScrollArea*>(p)) {
                    area->ensureWidgetVisible(box);
                    break;
                }
            }
            st.gSearchLine = line;
            st.gSearchPos = h + static_cast<int>(phrase.size());
            return;
        }
        if (line == kLastBox) {
            st.gSearchLine = kLastBox;
            st.gSearchPos = 0;
            s.ui->MsgBox("No more occurences.", MsgButtons::OK, "Orvelle");
            return;
        }
        ++line;
        from = 0;
    }
}

void mnuToDoClear_Click(frmPlanner& w, Store& s) {
    bool marksChanged = false;
    for (int k = 0; k < PlannerLayout::kCheckImages; ++k) {
        // Each emptied line is an edit of its own, through the box's change handler.
        w.Page()->txt(kFirstToDoBox + k)->setText(QString());
        marksChanged = marksChanged || s.page.gPlannerToDoChecks[k];
        SetDoneFlag(w, s, k, false);
    }
    if (marksChanged && !s.flags.gPlannerLoading) s.flags.gPlannerChanged = true;
}

void mnuToDoImport_Click(frmPlanner& w, Store& s) {
    bool anyText = false;
    for (int k = 0; k < PlannerLayout::kCheckImages; ++k)
        anyText = anyText || !w.Page()->txt(kFirstToDoBox + k)->text().trimmed().isEmpty();
    if (anyText && s.ui->MsgBox("This action may overwrite certain existing To Do Items. Continue?", MsgButtons::YesNo,
                                "Replacing Some To Do Items") != MsgAnswer::Yes)
        return;
    ImportToDoListIntoPlanner(s);
    // Only the to-do boxes take the items, each as typed text: the rest of the page, a line
    // longer than its slot and the place scrolled to stay as they are.
    for (int k = 0; k < PlannerLayout::kCheckImages; ++k) {
        const std::string& item = s.todo.gToDoLines[k];
        QLineEdit* box = w.Page()->txt(kFirstToDoBox + k);
        if (!listfile::IsBlank(item) && box->text() != FromCp1252(item)) box->setText(FromCp1252(item));
        SetDoneFlag(w, s, k, s.page.gPlannerToDoChecks[k]);
    }
}

void ConnectPlannerSideCommands(frmPlanner& w, Store& s) {
    auto wire = [&w](const char* name, auto&& command) {
        QAction* item = Item(w, name);
        item->setEnabled(true);
        QObject::connect(item, &QAction::triggered, &w, command);
    };
    wire("mnuOptNetworkShare", [&s] { ChangeNetworkShareDrive(s); });
    wire("mnuOptShowCursPos", [&w] { mnuOptShowCursPos_Click(w); });
    wire("mnuEditSearchAgain", [&w, &s] { mnuEditSearchAgain_Click(w, s); });
    Item(w, "mnuEditSearchAgain")->setEnabled(s.search.gSearchActive);
    wire("mnuToDoClear", [&w, &s] { mnuToDoClear_Click(w, s); });
    wire("mnuToDoImport", [&w, &s] { mnuToDoImport_Click(w, s); });
    // A search hit opened from the search window is what Search Again goes on from.
    if (QMenu* edit = w.MenuBar()->findChild<QMenu*>("mnuEdit"))
        QObject::connect(edit, &QMenu::aboutToShow, &w,
                         [&w, &s] { Item(w, "mnuEditSearchAgain")->setEnabled(s.search.gSearchActive); });
    new CheckImageClicks(w, s);
}

} // namespace orvelle
