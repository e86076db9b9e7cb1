// Every window the program opens, drawn with the fonts it ships with: no label, button, check
// box, frame title, combo box item or list entry needs more room than its control shows of it,
// and no message of the one-month strip runs behind the strip's scroll bar.
#include "common/MainWindowFixture.h"
#include "common/ReportPlannerDays.h"
#include "mainwindow/PlannerLauncher.h"
#include "reports/ReportPickers.h"
#include "views/frmIcons.h"
#include "views/frmMonth.h"
#include "views/frm6Months.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOption>

namespace orvelle {
namespace {

// The text `c` does not show whole, or empty. A control shows only what lies inside its parent.
QString Cut(QWidget* c) {
    QSize room = (c->geometry() & c->parentWidget()->rect()).size();
    QStyle* st = c->style();
    if (auto* l = qobject_cast<QLabel*>(c)) {
        if (l->text().isEmpty() || !l->pixmap().isNull()) return {};
        QSize need = l->wordWrap() ? QSize(l->minimumSizeHint().width(), l->heightForWidth(l->width())) : l->sizeHint();
        return need.width() > room.width() || need.height() > room.height() ? l->text() : QString();
    }
    if (auto* g = qobject_cast<QGroupBox*>(c)) {
        QStyleOptionGroupBox opt;
        opt.initFrom(g);
        opt.text = g->title();
        opt.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame;
        QRect title = st->subControlRect(QStyle::CC_GroupBox, &opt, QStyle::SC_GroupBoxLabel, g);
        return title.right() >= room.width() ? g->title() : QString();
    }
    if (auto* b = qobject_cast<QAbstractButton*>(c)) {
        if (b->text().isEmpty()) return {};
        QStyleOptionButton opt;
        opt.initFrom(b);
        opt.rect.setSize(room);
        opt.text = b->text();
        QStyle::SubElement inside = qobject_cast<QCheckBox*>(b)      ? QStyle::SE_CheckBoxContents
                                    : qobject_cast<QRadioButton*>(b) ? QStyle::SE_RadioButtonContents
                                                                     : QStyle::SE_PushButtonContents;
        int need = b->fontMetrics().size(Qt::TextShowMnemonic, b->text()).width();
        return st->subElementRect(inside, &opt, b).width() < need ? b->text() : QString();
    }
    if (auto* list = qobject_cast<QListWidget*>(c)) {
        int field = room.width() - (list->width() - list->viewport()->width());
        for (int i = 0; i < list->count(); ++i) {
            if (list->sizeHintForIndex(list->model()->index(i, 0)).width() > field) return list->item(i)->text();
        }
        return {};
    }
    if (auto* cb = qobject_cast<QComboBox*>(c)) {
        QStyleOptionComboBox opt;
        opt.initFrom(cb);
        opt.rect.setSize(room);
        opt.editable = cb->isEditable();
        int field = st->subControlRect(QStyle::CC_ComboBox, &opt, QStyle::SC_ComboBoxEditField, cb).width();
        // An edit box keeps a margin of 2 on each side and a pixel for the caret.
        if (cb->isEditable()) field -= 5;
        for (int i = 0; i < cb->count(); ++i) {
            if (cb->fontMetrics().horizontalAdvance(cb->itemText(i)) > field) return cb->itemText(i);
        }
    }
    return {};
}

class CaptionsWhole : public MainWindowTest {
protected:
    void ExpectWhole(QWidget* window) {
        ASSERT_NE(window, nullptr);
        for (QWidget* c : window->findChildren<QWidget*>()) {
            if (!c->isVisibleTo(window)) continue;
            QString cut = Cut(c);
            EXPECT_TRUE(cut.isEmpty()) << window->objectName().toStdString() << "." << c->objectName().toStdString()
                                       << " cuts \"" << cut.toStdString() << "\"";
        }
    }
    static QWidget* Shown(const char* name) {
        for (QWidget* c : QApplication::allWidgets()) {
            if (c->objectName() == name && c->isVisible()) return c;
        }
        return nullptr;
    }
    // Opens a window with a main menu command and checks it; one of its own closes again.
    void Check(const char* item, const char* window) {
        ASSERT_TRUE(w->MenuEnabled(item)) << item;
        w->Menu(item)->trigger();
        Settle();
        QWidget* opened = Shown(window);
        ExpectWhole(opened);
        if (opened && opened->isWindow()) opened->close();
        Settle();
    }
};

TEST_F(CaptionsWhole, EveryWindowShowsItsTextsWhole) {
    ReportPlannerDays days;
    days.Mileage(DateSerial(2009, 3, 2), 0, "Office", "0", "125", "125");
    days.Expense(DateSerial(2009, 3, 2), 0, "Lunch", "12.50");
    days.WriteYear(dir, 2009);
    // The 4th of March with a long hover note, the 5th quick-marked.
    WriteFileAtomic(dir + "2009Marks.dat",
                    "02:03:00:255-Dentist at the clinic across town, bring the new insurance card\r\n02:04:00:65535");
    Start();
    // Wide and tall enough for the side panels, the message strip and the To Do pane.
    w->setWindowState(Qt::WindowNoState);
    w->resize(1400, 1000);
    Settle();
    InstallPlannerWindow(*w);
    ExpectWhole(w);
    w->mnuCalSixMonths_Click();
    Settle();
    ExpectWhole(w->sixMonthView());
    w->mnuCalOneMonth_Click();
    Settle();
    frmMonth* month = w->monthView();
    ExpectWhole(month);
    // The long message wraps inside the strip, and the next one starts below it.
    ASSERT_EQ(month->lblTTT[1]->text(), "05: Quick Mark");
    EXPECT_TRUE(month->picLeft->isVisible());
    EXPECT_GT(month->lblTTT[0]->height(), month->lblTTT[1]->height());
    EXPECT_GT(month->lblTTT[1]->y(), month->lblTTT[0]->geometry().bottom());

    w->Menu("mnuOptDateShowIcons")->trigger();
    Settle();
    auto* palette = w->findChild<frmIcons*>("frmIcons");
    ExpectWhole(palette);
    QTest::mouseClick(palette->imgIcon[0], Qt::RightButton);
    ExpectWhole(Shown("frmIconTag"));

    struct Case { const char* item; const char* window; };
    for (Case c : {Case{"mnuManageUserColors", "frmColors"}, {"mnuManageDisplayedMarks", "frmMarkers"},
                   {"mnuManageAlerts", "frmAlert"}, {"mnuManageNotes", "frmNoteList"}, {"mnuManageToDo", "frmToDo"},
                   {"mnuManageBDays", "frmBDay"}, {"mnuManageEmailList", "frmEmailList"},
                   {"mnuManageFUTPreferences", "frmPref"}, {"mnuEditFind", "frmSearch"},
                   {"mnuHelpContents", "frmHelp"}, {"mnuFileOpenNotes", "frmFile"}, {"mnuToolsAlarm", "frmAlarm"},
                   {"mnuDateDiffSYears", "frmDateDiff"}, {"mnuNumOfDays", "frmNumDays"}}) {
        Check(c.item, c.window);
    }
    prompter.Expect(MsgAnswer::OK, "There is no Holiday List for 2009");
    Check("mnuManageHolidays", "frmHolidays");
    prompter.Expect(MsgAnswer::OK, "File not found."); // no term list yet
    Check("mnuManageFUTList", "frmFUT");

    // The report pickers, the mileage report they build and the expense report.
    w->Menu("mnuFileOpenMiles")->trigger();
    Settle();
    ExpectWhole(Shown("frmSelectMonth"));
    QTest::mouseClick(Shown("cmdSelectStartEnd"), Qt::LeftButton);
    Settle();
    auto* startEnd = static_cast<frmSelectStartEnd*>(Shown("frmSelectStartEnd"));
    ExpectWhole(startEnd);
    startEnd->txtInput[0]->setText("Mar 1, 2009");
    startEnd->cmdReport_Click();
    Settle();
    ExpectWhole(Shown("frmMileage"));
    w->Menu("mnuFileOpenExpenses")->trigger();
    Settle();
    static_cast<frmSelectMonth*>(Shown("frmSelectMonth"))->cmdReport_Click();
    Settle();
    ExpectWhole(Shown("frmExpenses"));
    // A caption set while the window is up is fitted too.
    Shown("frmExpenses")->findChild<QLabel*>("lblPageNum")->setText("Page 100 of 100");
    Settle();
    ExpectWhole(Shown("frmExpenses"));

    w->Menu("mnuOptDateOpenPlanner")->trigger();
    Settle();
    ExpectWhole(Shown("frmPlanner"));
    w->Menu("mnuOptDateOpenNotes")->trigger();
    Settle();
    ExpectWhole(Shown("frmNotes"));
}

} // namespace
} // namespace orvelle
