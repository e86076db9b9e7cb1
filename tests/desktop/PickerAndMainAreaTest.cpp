// The date picker and the window that stands in the child area take turns with the keyboard, by
// real key taps: F6, Tab past the bar's ends, Ctrl+Tab and Ctrl+F6 lead from the picker back
// into the planner's current line, the notes box or the report, and what is typed next lands
// there. Alt+S selects the month as Tab does.
#include "DesktopFixture.h"

#include "mainwindow/ReportMenus.h"
#include "planner/PlannerPageView.h"
#include "planner/frmPlanner.h"
#include "reports/frmReport.h"

#include <QLineEdit>

namespace orvelle {
namespace {

class PickerAndMainArea : public WindowsOnADesktop {
protected:
    static QWidget* Focus() { return QApplication::focusWidget(); }
    QLineEdit* Line(int i) const { return planner->Page()->txt(i); }

    frmPlanner* planner = nullptr;
};

} // namespace

TEST_F(PickerAndMainArea, ThePickerLeadsBackIntoThePlannersCurrentLineAndTheNote) {
    StartOnDesktop();
    // The planner button opens the page with the keyboard in it.
    ASSERT_TRUE(FromThePicker(5, "Return"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return (planner = w->findChild<frmPlanner*>("frmPlanner")) != nullptr; },
                                test::kPatienceMs));
    ASSERT_TRUE(FocusIn(Line(0)));
    ASSERT_TRUE(test::Tap({"Down", "Down"}));
    ASSERT_TRUE(FocusIn(Line(2)));

    // Return in the picker shows the page of the 17th and leaves the keyboard in the picker,
    // while the planner button gives the page on show the keyboard, in its current line.
    ASSERT_TRUE(FromThePicker(1, "1") && test::Tap({"7", "Return"}));
    EXPECT_EQ(s->dates.gSelectedDate, DateSerial(2009, 3, 17));
    EXPECT_EQ(Focus(), w->cmbDay);
    ASSERT_TRUE(test::Tap({"Tab", "Tab", "Tab", "Tab", "Return"}));
    ASSERT_TRUE(FocusIn(Line(2)));
    EXPECT_EQ(w->findChild<frmPlanner*>("frmPlanner"), planner);

    // F6 to the picker and back, where the next keys land.
    ASSERT_TRUE(test::Tap({"F6"}));
    ASSERT_TRUE(FocusIn(w->cmbMonth));
    EXPECT_EQ(w->cmbMonth->lineEdit()->selectedText(), "March");
    ASSERT_TRUE(test::Tap({"F6"}));
    ASSERT_TRUE(FocusIn(Line(2)) && ActiveNow(w));
    ASSERT_TRUE(test::TypeKeys("kp"));
    EXPECT_EQ(Line(2)->text(), "kp");
    EXPECT_EQ(w->cmbDay->currentText(), "17");
    // Shift+Tab before the bar, Tab past it, Ctrl+Tab and Ctrl+F6 from it.
    for (auto [tabs, key] : {std::pair{0, "shift+Tab"}, {9, "Tab"}, {0, "ctrl+Tab"}, {0, "ctrl+F6"}}) {
        ASSERT_TRUE(FromThePicker(tabs, key));
        EXPECT_TRUE(FocusIn(Line(2))) << key;
    }

    // Beside the page the note opened from the bar has the keyboard, F6 comes back to it and
    // Ctrl+F6 goes from one window to the other.
    Answer("The Planner has been changed.", QMessageBox::Yes);
    Answer("Planner Records Updated", QMessageBox::Ok);
    ASSERT_TRUE(FromThePicker(4, "Return"));
    frmNotes* notes = nullptr;
    ASSERT_TRUE(QTest::qWaitFor([&] { return (notes = frmNotes::Find(w->mdiArea())) != nullptr; }, test::kPatienceMs));
    ASSERT_TRUE(FocusIn(notes->txtNotes()));
    ASSERT_TRUE(FromThePicker(0, "F6"));
    ASSERT_TRUE(FocusIn(notes->txtNotes()));
    ASSERT_TRUE(test::TypeKeys("a"));
    ASSERT_TRUE(test::Tap({"ctrl+F6"}));
    ASSERT_TRUE(FocusIn(Line(2)));
    ASSERT_TRUE(test::TypeKeys("b"));
    ASSERT_TRUE(test::Tap({"ctrl+shift+F6"}));
    ASSERT_TRUE(FocusIn(notes->txtNotes()));
    ASSERT_TRUE(test::TypeKeys("c"));
    EXPECT_EQ(notes->txtNotes()->toPlainText(), "ac");
    EXPECT_EQ(Line(2)->text(), "kpb");
}

// The report viewer takes the keyboard back from the picker too, and its Esc closes it; Alt+S
// selects the month with the keyboard in it already, so that a month typed replaces it.
TEST_F(PickerAndMainArea, TheReportTakesTheKeyboardAndAltSSelectsTheMonth) {
    StartOnDesktop();
    s->reports.gReportStartDate = DateSerial(2009, 3, 1);
    s->reports.gReportEndDate = DateSerial(2009, 3, 31);
    QPointer<QWidget> report = &GenerateReportInto(*w, ReportKind::Expense);
    ASSERT_TRUE(Active(w));
    for (const char* key : {"F6", "shift+Tab"}) {
        ASSERT_TRUE(FromThePicker(0, key));
        EXPECT_TRUE(FocusIn(report)) << key;
    }
    ASSERT_TRUE(test::Tap({"Escape"}));
    EXPECT_TRUE(QTest::qWaitFor([&] { return !report || !report->isVisible(); }, test::kPatienceMs));

    ASSERT_TRUE(test::Tap({"alt+s", "End", "alt+s"}));
    ASSERT_TRUE(test::TypeKeys("June"));
    EXPECT_EQ(w->cmbMonth->currentText(), "June");
}

} // namespace orvelle
