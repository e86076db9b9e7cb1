// The keyboard comes back to the window of the child area where the user left it: the planner
// in its current line with the caret where it was (line 0 only on a page just opened), the note
// with its caret and selection, the report. Keys and clicks go through the X server, and what
// counts is where the next typed key lands.
#include "DesktopFixture.h"
#include "RealClicks.h"
#include "common/ReportPlannerDays.h"

#include "mainwindow/ReportMenus.h"
#include "planner/PlannerLineBox.h"
#include "planner/PlannerPageView.h"
#include "planner/PlannerTimeLabels.h"
#include "planner/frmPlanner.h"
#include "reports/frmReport.h"

#include <QLineEdit>

#include <functional>
#include <utility>
#include <vector>

namespace orvelle {
namespace {

class KeyboardComesBack : public WindowsOnADesktop {
protected:
    // A way the keyboard leaves the window and comes back, by its name; false when it could not
    // be taken.
    using Roads = std::vector<std::pair<const char*, std::function<bool()>>>;

    void SetUp() override {
        WindowsOnADesktop::SetUp();
        other.setWindowTitle("Another program");
        other.setGeometry(700, 650, 240, 160);
    }
    // Another program's window takes the keyboard; Alt+Tab goes back to the program. Alt is held
    // as a user holds it, while the window manager brings up its window list.
    bool AltTabBack() {
        other.show();
        if (!Activate(&other) || !test::SwitchWindows()) return false;
        return Active(w);
    }
    // Another program's window takes the keyboard; a click on the main window's title bar
    // brings the program back.
    bool TitleClickBack() {
        other.show();
        return Activate(&other) && test::ClickAt(w, QPoint(w->width() / 2, -8)) && Active(w);
    }

    QWidget other;
    ReportPlannerDays days;
};

} // namespace

TEST_F(KeyboardComesBack, ThePlannerTakesItBackInItsCurrentLineWithTheCaretWhereItWas) {
    StartOnDesktop();
    ASSERT_TRUE(FromThePicker(5, "Return"));
    frmPlanner* planner = nullptr;
    ASSERT_TRUE(QTest::qWaitFor([&] { return (planner = w->findChild<frmPlanner*>("frmPlanner")) != nullptr; },
                                test::kPatienceMs));
    PlannerPageView* page = planner->Page();
    ASSERT_TRUE(FocusIn(page->txt(0)));
    ASSERT_TRUE(test::Tap({"Down", "Down", "Down"}) && test::TypeKeys("abc") && test::Tap({"Left"}));
    QLineEdit* line = page->txt(3);
    const QPoint between(page->width() - 12, 6);

    Answer("Planner Records Updated", QMessageBox::Ok);
    const Roads roads = {
        {"a click on the date heading", [&] { return test::ClickAt(page->lblMain()); }},
        {"a click between the boxes", [&] { return test::ClickAt(page, between); }},
        {"a click on the page from the picker", [&] { return test::Tap({"F6"}) && test::ClickAt(page, between); }},
        {"Alt+Tab from another program", [&] { return AltTabBack(); }},
        {"a click on the title", [&] { return TitleClickBack(); }},
        {"a box answered", [&] { return test::Tap({"alt+f", "Return"}); }},
        {"the to-do window closed", [&] {
             QPointer<QWidget> todo;
             return test::Tap({"alt+t", "e"}) &&
                    QTest::qWaitFor([&] { return (todo = w->findChild<QWidget*>("frmToDo")) && ActiveNow(todo); },
                                    test::kPatienceMs) &&
                    test::Tap({"alt+F4"}) && Active(w);
         }},
    };
    QString typed = "ab";
    for (size_t i = 0; i < roads.size(); ++i) {
        ASSERT_TRUE(roads[i].second()) << roads[i].first;
        EXPECT_TRUE(FocusIn(line)) << roads[i].first;
        const QString key = QString::number(i);
        ASSERT_TRUE(test::TypeKeys(key));
        typed += key;
        EXPECT_EQ(line->text(), typed + "c") << roads[i].first;
    }
    for (int i = 0; i < 16; ++i) EXPECT_TRUE(i == 3 || page->txt(i)->text().isEmpty()) << i;

    // The time editor keeps the keyboard through a click on the page and a turn in the picker,
    // and gives it back to the line when it closes.
    PlannerLineBox* editor = planner->TimeLabels()->txtTime();
    ASSERT_TRUE(test::Tap({"alt+e", "Return"}));
    ASSERT_TRUE(FocusIn(editor));
    ASSERT_TRUE(test::ClickAt(page, between));
    EXPECT_TRUE(FocusIn(editor));
    ASSERT_TRUE(test::Tap({"F6", "F6"}));
    EXPECT_TRUE(FocusIn(editor));
    ASSERT_TRUE(test::Tap({"Escape"}));
    EXPECT_TRUE(FocusIn(line));
    ASSERT_TRUE(test::TypeKeys("e"));
    EXPECT_EQ(line->text(), typed + "ec");

    // Beside a note, Ctrl+Tab and Ctrl+F6 bring the page back in the same line.
    Answer("The Planner has been changed.", QMessageBox::Yes);
    Answer("Planner Records Updated", QMessageBox::Ok);
    ASSERT_TRUE(FromThePicker(4, "Return"));
    frmNotes* notes = nullptr;
    ASSERT_TRUE(QTest::qWaitFor([&] { return (notes = frmNotes::Find(w->mdiArea())) != nullptr; }, test::kPatienceMs));
    ASSERT_TRUE(FocusIn(notes->txtNotes()));
    for (const char* key : {"ctrl+Tab", "ctrl+F6"}) {
        ASSERT_TRUE(test::Tap({key}));
        EXPECT_TRUE(FocusIn(line)) << key;
        ASSERT_TRUE(test::TypeKeys("x") && test::Tap({key}));
        EXPECT_TRUE(FocusIn(notes->txtNotes())) << key;
    }
    EXPECT_EQ(line->text(), typed + "exxc");
}

TEST_F(KeyboardComesBack, TheNoteKeepsItsCaretAndSelectionAndTheReportItsOpenEdit) {
    StartOnDesktop();
    ASSERT_TRUE(FromThePicker(4, "Return"));
    frmNotes* notes = nullptr;
    ASSERT_TRUE(QTest::qWaitFor([&] { return (notes = frmNotes::Find(w->mdiArea())) != nullptr; }, test::kPatienceMs));
    QPlainTextEdit* box = notes->txtNotes();
    ASSERT_TRUE(FocusIn(box));
    ASSERT_TRUE(test::TypeKeys("hello world") && test::Tap({"shift+Left", "shift+Left"}));

    Answer("Notes Saved", QMessageBox::Ok);
    const Roads roads = {
        {"Alt+Tab from another program", [&] { return AltTabBack(); }},
        {"F6 to the picker and back", [&] { return test::Tap({"F6", "F6"}); }},
        {"a box answered", [&] { return test::Tap({"alt+f", "Return"}); }},
    };
    for (const auto& [road, take] : roads) {
        ASSERT_TRUE(take()) << road;
        EXPECT_TRUE(FocusIn(box)) << road;
        EXPECT_EQ(box->textCursor().selectedText(), "ld") << road;
    }
    ASSERT_TRUE(test::TypeKeys("X"));
    EXPECT_EQ(box->toPlainText(), "hello worX");
    s->flags.gNotesChanged = false;
    notes->close();

    // The report viewer with a cell being edited: the box keeps the keyboard through a click on
    // another row (which only says so), a click on the blank page and a turn in another program.
    days.Expense(DateSerial(2009, 3, 2), 0, "Lunch", "12.50");
    days.Expense(DateSerial(2009, 3, 3), 0, "Taxi", "8.00");
    days.WriteYear(dir, 2009);
    s->reports.gReportStartDate = DateSerial(2009, 3, 1);
    s->reports.gReportEndDate = DateSerial(2009, 3, 31);
    QPointer<frmReport> report = &GenerateReportInto(*w, ReportKind::Expense);
    ASSERT_TRUE(Active(w));
    ASSERT_TRUE(test::ClickAt(report->Cell(1, 0), QPoint(4, report->Cell(1, 0)->height() / 2), 3));
    QLineEdit* edit = report->EditBox(1);
    ASSERT_TRUE(FocusIn(edit));
    ASSERT_TRUE(test::TypeKeys("Dinner"));
    Answer("Please fill in the text area before ontinuing.", QMessageBox::Ok);
    const Roads reportRoads = {
        {"a click on another row", [&] { return test::ClickAt(report->Cell(0, 1)); }},
        {"a click on the blank page",
         [&] { return test::ClickAt(report, QPoint(report->width() / 2, report->height() - 8)); }},
        {"Alt+Tab from another program", [&] { return AltTabBack(); }},
    };
    for (const auto& [road, take] : reportRoads) {
        ASSERT_TRUE(take()) << road;
        EXPECT_TRUE(FocusIn(edit)) << road;
    }
    ASSERT_TRUE(test::TypeKeys("s") && test::Tap({"Return"}));
    EXPECT_EQ(report->Cell(1, 0)->text(), "Dinners");
    ASSERT_TRUE(test::Tap({"Escape"}));
    EXPECT_TRUE(QTest::qWaitFor([&] { return !report || !report->isVisible(); }, test::kPatienceMs));
}

} // namespace orvelle
