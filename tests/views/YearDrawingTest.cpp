#include "common/MainWindowFixture.h"
#include "views/CalendarViews.h"
#include "render/YearGridPainter.h"
#include "store/MarkerCategories.h"
#include "views/frmYear.h"
#include "mainwindow/ReportMenus.h"
#include "notes/frmNotes.h"
#include "mainwindow/PlannerLauncher.h"
#include "planner/PlannerPageView.h"
#include "planner/frmPlanner.h"
#include "platform/MdiChildren.h"
#include "reports/frmReport.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QPointer>

#include <filesystem>

#include <QListWidget>
#include <QPushButton>

namespace orvelle {
namespace {

class YearDrawing : public MainWindowTest {
protected:
    PictureBox* Box(int month) { return w->yearView()->picMonth[month]; }

    // Pixels inside cell (column, row) that are neither the background nor the highlight fill:
    // the day number's strokes.
    static int Ink(PictureBox* box, int column, int row, VbColor ignore = -2) {
        int n = 0;
        for (double x = column + 0.15; x < column + 0.85; x += 0.02)
            for (double y = row + 0.9; y < row + 1.6; y += 0.02) {
                VbColor c = box->Point(x, y);
                if (c != box->BackColor() && c != ignore) ++n;
            }
        return n;
    }

    // A black pixel within dx, dy of (x, y): a rule drawn at a grid line.
    static bool BlackNear(PictureBox* box, double x, double y, double dx, double dy) {
        for (double a = x - dx; a <= x + dx + 1e-9; a += 0.005)
            for (double b = y - dy; b <= y + dy + 1e-9; b += 0.005)
                if (box->Point(a, b) == kVbBlack) return true;
        return false;
    }

    void ShowYear(int year) {
        s->dates.gSelectedDate = DateSerial(year, 6, 15);
        Show1YearCalendar(*s, *w);
    }
};

TEST_F(YearDrawing, January2009StartsOnThursday) {
    Start();
    ShowYear(2009);
    EXPECT_EQ(s->dates.gThisYearsDateHolders[0][4][0], "01/01/09");
    EXPECT_GT(Ink(Box(0), 4, 0), 0);
    EXPECT_EQ(Ink(Box(0), 3, 0), 0); // 31 December is not drawn in January
    EXPECT_EQ(Ink(Box(0), 0, 5), 0);
    EXPECT_GT(Ink(Box(0), 6, 4), 0); // 31 January, a Saturday in row 4
    EXPECT_EQ(w->yearView()->cmdMonth[0]->text(), "January, 2009");
    EXPECT_EQ(w->yearView()->cmdMonth[11]->text(), "December, 2009");
    EXPECT_EQ(w->windowTitle(), "Orvelle: 2009 Calendar");
    for (int i = 0; i < 12; ++i) {
        EXPECT_TRUE(Box(i)->isVisible());
        EXPECT_TRUE(w->yearView()->cmdMonth[i]->isVisible());
    }
    // The rules are black.
    EXPECT_TRUE(BlackNear(Box(0), 3.0, 3.2, 0.03, 0));
    EXPECT_TRUE(BlackNear(Box(0), 2.5, 1.75, 0, 0.03));
}

TEST_F(YearDrawing, TheLeapDayIsDrawnOnlyInALeapYear) {
    Start();
    ShowYear(2008);
    // February 2008 starts on a Friday; the 29th is the Friday of row 4.
    EXPECT_EQ(s->dates.gThisYearsDateHolders[1][5][4], "02/29/08");
    EXPECT_GT(Ink(Box(1), 5, 4), 0);
    ShowYear(2009);
    // February 2009 starts on a Sunday and fills rows 0-3 exactly.
    EXPECT_GT(Ink(Box(1), 6, 3), 0);
    for (int c = 0; c < 7; ++c) EXPECT_EQ(Ink(Box(1), c, 4), 0) << c;
}

TEST_F(YearDrawing, TodayIsFilledInTheTodayColour) {
    Start();
    VbColor today = s->markers.gMarkerColors[kTodayCategory];
    // 5 March 2009: column 4, row 0 of March.
    EXPECT_EQ(Box(2)->Point(4.15, 0.9), today);
    EXPECT_EQ(Box(2)->Point(4.85, 1.6), today);
    EXPECT_GT(Ink(Box(2), 4, 0, today), 0); // the number over it
    EXPECT_NE(Box(2)->Point(3.15, 0.9), today);
    // Another year highlights nothing.
    ShowYear(2010);
    for (int m = 0; m < 12; ++m)
        for (int c = 0; c < 7; ++c)
            for (int r = 0; r < 6; ++r) ASSERT_NE(Box(m)->Point(c + 0.15, r + 0.9), today);
    // Without the highlight the cell stays plain.
    s->flags.gHighlightToday = false;
    ShowYear(2009);
    EXPECT_EQ(Box(2)->Point(4.15, 0.9), Box(2)->BackColor());
    EXPECT_GT(Ink(Box(2), 4, 0), 0);
}

TEST_F(YearDrawing, WithoutHelpTopicsTheViewIsStillDrawnAndCaptioned) {
    SetScreenPixelsForTests(QSize(1000, 700)); // not maximised
    Start();
    w->resize(1300, 900);
    Settle();
    ASSERT_TRUE(s->view.gRightPanelsShown[0]);
    s->help = HelpTopics{};
    ShowYear(2011);
    EXPECT_EQ(w->windowTitle(), "Orvelle: 2011 Calendar");
    EXPECT_EQ(w->yearView()->lstHelp->count(), 0);
    EXPECT_EQ(w->yearView()->cmdMonth[0]->text(), "January, 2011");
}

// The year view comes only once the planner and the note have let go: their own questions come
// first, and Cancel keeps the page with its typing (never refilled from the default to-do list).
TEST_F(YearDrawing, ThePlannerAndTheNoteAskBeforeTheYearIsDrawnOverThem) {
    ASSERT_TRUE(WriteFileAtomic(dir + "To Do.dat", "\xF5" "Default item one\r\n\xF5" "Default item two\r\n"));
    w = new frmMain(*s);
    InstallPlannerWindow(*w);
    w->MDIForm_Load();
    w->show();
    Settle();
    auto planner = [&]() -> frmPlanner* {
        for (QMdiSubWindow* sub : w->mdiArea()->subWindowList())
            if (auto* p = qobject_cast<frmPlanner*>(sub->widget()); p && !p->IsUnloaded()) return p;
        return nullptr;
    };
    constexpr const char* kPlannerQuestion = "Planner has been changed. Do you want to save the changes?";
    auto openPlanner = [&] {
        w->Menu("mnuOptDateOpenPlanner")->trigger();
        Settle();
        ASSERT_NE(planner(), nullptr);
    };
    auto type = [&] {
        QTest::keyClicks(planner()->Page()->txt(16), "call plumber");
        ASSERT_TRUE(s->flags.gPlannerChanged);
    };
    auto pageKept = [&](const char* what) {
        Settle();
        ASSERT_NE(planner(), nullptr) << what;
        EXPECT_EQ(planner()->Page()->txt(16)->text(), "call plumber") << what;
        EXPECT_EQ(planner()->Page()->txt(17)->text(), "") << what;
        EXPECT_TRUE(s->flags.gPlannerChanged) << what;
        EXPECT_EQ(w->yearView(), nullptr) << what;
        EXPECT_EQ(s->flags.gCalendarView, 0) << what;
        EXPECT_TRUE(prompter.Finished()) << what;
    };
    auto yesStoresThePage = [&](const char* what, const std::function<void()>& command, const char* date) {
        prompter.Expect(MsgAnswer::Yes, kPlannerQuestion).Expect(MsgAnswer::OK, "Planner Records Updated");
        command();
        Settle();
        EXPECT_EQ(planner(), nullptr) << what;
        ASSERT_NE(w->yearView(), nullptr) << what;
        EXPECT_EQ(s->flags.gCalendarView, 12) << what;
        std::string stored = ReadWholeFile(dir + "2009/Planner.dat").value_or("");
        size_t at = stored.find(date);
        ASSERT_NE(at, std::string::npos) << what;
        EXPECT_LT(stored.find("call plumber", at), stored.find("\r\n", at)) << what;
        EXPECT_EQ(stored.find("Default item"), std::string::npos) << what;
    };

    // Esc in the note opened over the planner.
    openPlanner();
    w->imgOpt_Click(1);
    Settle();
    ASSERT_NE(frmNotes::Find(w->mdiArea()), nullptr);
    type();
    auto noteEsc = [&] { QTest::keyClick(frmNotes::Find(w->mdiArea())->txtNotes(), Qt::Key_Escape); };
    prompter.Expect(MsgAnswer::Cancel, kPlannerQuestion);
    noteEsc();
    pageKept("note's Esc");
    EXPECT_NE(frmNotes::Find(w->mdiArea()), nullptr);
    yesStoresThePage("note's Esc", noteEsc, "03/05/09");
    EXPECT_EQ(frmNotes::Find(w->mdiArea()), nullptr);

    // The report viewer's way back to the calendar.
    QPointer<frmReport> report = &GenerateReportInto(*w, ReportKind::Mileage);
    Settle();
    auto reportExit = [&] {
        ASSERT_TRUE(report);
        report->mnuFileExit_Click();
    };
    SetPicker("March", "6", "2009");
    openPlanner();
    type();
    prompter.Expect(MsgAnswer::Cancel, kPlannerQuestion);
    reportExit();
    pageKept("report's Exit");
    EXPECT_TRUE(report && MdiSubWindowOf(report)->isVisible());
    yesStoresThePage("report's Exit", reportExit, "03/06/09");

    // Clearing the year's marks draws the year over the planner too.
    ASSERT_TRUE(WriteFileAtomic(dir + "2009Marks.dat", "03:02:01:32768"));
    SetPicker("March", "9", "2009");
    openPlanner();
    type();
    prompter.Expect(MsgAnswer::Yes, "clear all this year's marks").Expect(MsgAnswer::Cancel, kPlannerQuestion);
    w->Menu("mnuEditDeleteMarks")->trigger();
    pageKept("Delete marks");
    EXPECT_TRUE(std::filesystem::exists(dir + "2009Marks.dat"));
}

TEST_F(YearDrawing, MonthButtonCaptionComesFromTheGrid) {
    Start();
    ShowYear(2012);
    EXPECT_EQ(MonthButtonCaption(*s, 1), "February, 2012");
    EXPECT_EQ(s->view.gThisYear, 2012);
    EXPECT_EQ(s->flags.gViewYear, 2012);
}

} // namespace
} // namespace orvelle
