#include "common/MainWindowFixture.h"
#include "common/Patience.h"
#include "common/ReportPlannerDays.h"
#include "common/TypedText.h"
#include "mainwindow/ReportMenus.h"
#include "platform/Printer.h"
#include "views/frmYear.h"
#include "reports/ReportPickers.h"
#include "reports/frmReport.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPointer>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>

namespace orvelle {
namespace {

class ReportWindowsTest : public MainWindowTest {
protected:
    // The picker the File menu command opens.
    frmSelectMonth* OpenFromMenu(const char* item) {
        w->Menu(item)->trigger();
        Settle();
        auto* p = w->findChild<frmSelectMonth*>("frmSelectMonth");
        EXPECT_NE(p, nullptr);
        return p;
    }
    frmReport* Viewer(const char* name) {
        for (QMdiSubWindow* sub : w->mdiArea()->subWindowList()) {
            if (sub->widget() && sub->widget()->objectName() == name) return qobject_cast<frmReport*>(sub->widget());
        }
        return nullptr;
    }
    // Sub-windows left in the child area without a window shown in them.
    int EmptyFrames() {
        int n = 0;
        for (QMdiSubWindow* sub : w->mdiArea()->subWindowList()) n += !sub->widget() || sub->widget()->isHidden();
        return n;
    }
    void Click(frmReport* v, int col, int row, Qt::MouseButton b = Qt::LeftButton) {
        QTest::mouseClick(v->Cell(col, row), b);
    }
    void Edit(frmReport* v, int col, int row, const QString& text) {
        Click(v, col, row, Qt::RightButton);
        QLineEdit* e = v->EditBox(col);
        ASSERT_TRUE(e->isVisibleTo(v));
        EXPECT_EQ(e->selectedText(), v->Cell(col, row)->text());
        e->clear();
        QTest::keyClicks(e, text);
        QTest::keyClick(e, Qt::Key_Return);
    }
    ReportPlannerDays days;
};

TEST_F(ReportWindowsTest, MileageReportPagesGreysAndCopies) {
    // 41 rows in February 2009: five lines on each of eight days and one more; a day outside.
    for (int d = 1; d <= 8; ++d) {
        for (int j = 0; j < 5; ++j) days.Mileage(DateSerial(2009, 2, d), j, "Trip", "0", "1", "1");
    }
    days.Mileage(DateSerial(2009, 2, 28), 0, "Last day", "10", "12.5", "2.5");
    days.Mileage(DateSerial(2009, 3, 1), 0, "March", "0", "100", "100");
    days.WriteYear(dir, 2009);
    Start();
    frmSelectMonth* p = OpenFromMenu("mnuFileOpenMiles");
    p->cmbMonth->setEditText("February");
    p->cmbYear->setEditText("2009");
    QTest::mouseClick(p->findChild<QPushButton*>("cmdReport"), Qt::LeftButton);
    Settle();
    frmReport* v = Viewer("frmMileage");
    ASSERT_NE(v, nullptr);
    EXPECT_EQ(w->yearView(), nullptr);
    EXPECT_EQ(v->PageLabel()->text(), "Page 1 of 2");
    EXPECT_TRUE(v->NavStrip()->isVisibleTo(v));
    EXPECT_EQ(v->findChild<QLabel*>("lblMain")->text(), "Mileage from Feb 01, 2009 to Feb 28, 2009");
    EXPECT_EQ(v->TotalLabel()->text(), "40");

    prompter.Expect(MsgAnswer::OK, "Beginning of Report");
    QTest::mouseClick(v->findChild<QPushButton*>("cmdPrev"), Qt::LeftButton);
    Click(v, 0, 3);
    EXPECT_TRUE(v->RowGrey(3));
    EXPECT_EQ(v->TotalLabel()->text(), "39");
    QTest::mouseClick(v->findChild<QPushButton*>("cmdNext"), Qt::LeftButton);
    EXPECT_EQ(v->PageLabel()->text(), "Page 2 of 2");
    EXPECT_EQ(v->Cell(1, 0)->text(), "Last day");
    EXPECT_FALSE(v->Cell(0, 1)->isVisibleTo(v));
    EXPECT_EQ(v->TotalLabel()->text(), "3");  // 2.5 shown in whole miles
    prompter.Expect(MsgAnswer::OK, "End of Report");
    QTest::mouseClick(v->findChild<QPushButton*>("cmdNext"), Qt::LeftButton);
    QTest::mouseClick(v->findChild<QPushButton*>("cmdPrev"), Qt::LeftButton);
    EXPECT_TRUE(v->RowGrey(3));
    EXPECT_EQ(v->TotalLabel()->text(), "39");

    // The copy leaves out the grey row and keeps the captions as they are.
    prompter.Expect(MsgAnswer::OK, "Data Copied.");
    v->mnuOptCopy_Click();
    QString text = QGuiApplication::clipboard()->text();
    EXPECT_TRUE(text.startsWith("Date\tDestination\tStart\tEnd\tTotal\r\n02/01/09\tTrip\t0\t1\t1\r\n"));
    EXPECT_EQ(text.count("\r\n"), 40);
    v->mnuOptInvert_Click();
    EXPECT_EQ(v->TotalLabel()->text(), "1");
    v->mnuOptSelectAll_Click();
    EXPECT_EQ(v->TotalLabel()->text(), "40");
    v->mnuOptInvert_Click();
    EXPECT_EQ(v->PageCopyText(), "Date\tDestination\tStart\tEnd\tTotal\r\n");

    // Exit closes the viewer and brings back the one-year calendar.
    v->findChild<QAction*>("mnuFileExit")->trigger();
    Settle();
    EXPECT_EQ(Viewer("frmMileage"), nullptr);
    EXPECT_EQ(EmptyFrames(), 0);
    EXPECT_NE(w->yearView(), nullptr);
    EXPECT_FALSE(s->flags.gMileageReportOpen);
    EXPECT_FALSE(s->reports.gMileageReportWanted);
}

TEST_F(ReportWindowsTest, EditingRecomputesMilesAndTotals) {
    days.Mileage(DateSerial(2009, 3, 2), 0, "Office", "", "", "");
    days.Mileage(DateSerial(2009, 3, 2), 1, "Depot", "0", "999.6", "999.6");
    days.WriteYear(dir, 2009);
    Start();
    s->reports.gReportStartDate = DateSerial(2009, 3, 1);
    s->reports.gReportEndDate = DateSerial(2009, 3, 31);
    frmReport& v = GenerateReportInto(*w, ReportKind::Mileage);
    EXPECT_EQ(v.TotalLabel()->text(), "999.6");
    EXPECT_EQ(v.PageLabel()->text(), "Page 1 of 1");
    EXPECT_FALSE(v.NavStrip()->isVisibleTo(&v));

    prompter.Expect(MsgAnswer::OK, "You must at least enter a zero in the text area provided.");
    Edit(&v, 2, 0, "1a00");  // letters are refused in the odometer boxes
    EXPECT_EQ(v.Cell(2, 0)->text(), "100");
    Edit(&v, 3, 0, "225");
    EXPECT_EQ(v.Cell(4, 0)->text(), "125");
    EXPECT_EQ(v.TotalLabel()->text(), "1,125");
    Edit(&v, 4, 0, "300");
    EXPECT_EQ(v.Cell(4, 0)->text(), "125");

    // The copy is Windows-1252 text: what it cannot hold is refused as typed.
    Click(&v, 1, 0, Qt::RightButton);
    prompter.Expect(MsgAnswer::OK, "\"ő\" cannot be kept");
    test::TypeText(v.EditBox(1), "ő");
    EXPECT_FALSE(v.EditBox(1)->text().contains(QString("ő")));
    QTest::keyClick(v.EditBox(1), Qt::Key_Return);

    // A second click while a box is open only says so.
    Click(&v, 1, 0, Qt::RightButton);
    prompter.Expect(MsgAnswer::OK, "Please finish editing the text area already open.");
    Click(&v, 0, 1);
    EXPECT_FALSE(v.RowGrey(1));
    QTest::keyClick(v.EditBox(1), Qt::Key_Return);
    Edit(&v, 2, 1, "999.6");
    EXPECT_EQ(v.Cell(4, 1)->text(), "0");
    EXPECT_EQ(v.TotalLabel()->text(), "125");
    // The report rows keep what was built.
    EXPECT_EQ(s->reports.gMileageReportRows[0].Total, "");
    // Esc closes the viewer from an open edit box.
    Click(&v, 1, 0, Qt::RightButton);
    QTest::keyClick(v.EditBox(1), Qt::Key_Escape);
    Settle();
    EXPECT_EQ(Viewer("frmMileage"), nullptr);
    EXPECT_FALSE(s->flags.gMileageReportOpen);
}

TEST_F(ReportWindowsTest, ExpenseReportFromStartEndPickerAndRebuild) {
    days.Expense(DateSerial(2009, 3, 1), 0, "Lunch", "12.50");
    days.Expense(DateSerial(2009, 3, 15), 2, "Parking", "7.25");
    days.Expense(DateSerial(2009, 3, 16), 0, "Late", "100");
    days.Expense(DateSerial(2009, 4, 1), 0, "April", "5.5");
    days.WriteYear(dir, 2009);
    Start();
    frmSelectMonth* p = OpenFromMenu("mnuFileOpenExpenses");
    QTest::mouseClick(p->findChild<QPushButton*>("cmdSelectStartEnd"), Qt::LeftButton);
    Settle();
    auto* se = w->findChild<frmSelectStartEnd*>("frmSelectStartEnd");
    ASSERT_NE(se, nullptr);
    EXPECT_EQ(se->txtInput[0]->text(), "Mar 05, 2009");

    se->txtInput[0]->setText("no date");
    prompter.Expect(MsgAnswer::OK, "An invalid date has been entered. Please adjust.");
    se->cmdReport_Click();
    se->txtInput[0]->setText("3/1/2009");
    QTest::keyClick(se->txtInput[0], Qt::Key_Return);
    EXPECT_EQ(se->cmbMonth[0]->currentText(), "March");
    EXPECT_EQ(se->cmbDay[0]->currentText(), "01");
    se->txtInput[1]->setText("Mar 15, 2010");
    prompter.Expect(MsgAnswer::OK, "Both Years in the start and end date must be the same.");
    se->cmdReport_Click();
    // 31 April leaves the box as it was.
    se->cmbMonth[1]->setEditText("April");
    se->cmbDay[1]->setEditText("31");
    se->cmbYear[1]->setEditText("2009");
    se->ComboClick(1);
    EXPECT_EQ(se->txtInput[1]->text(), "Mar 15, 2010");
    se->cmbMonth[1]->setEditText("March");
    se->cmbDay[1]->setEditText("15");
    se->ComboClick(1);
    EXPECT_EQ(se->txtInput[1]->text(), "Mar 15, 2009");
    se->cmdReport_Click();
    Settle();
    frmReport* v = Viewer("frmExpenses");
    ASSERT_NE(v, nullptr);
    EXPECT_NE(w->yearView(), nullptr);  // the calendar stays for the expense report
    EXPECT_EQ(v->TotalLabel()->text(), "19.75");
    EXPECT_EQ(v->Cell(1, 1)->text(), "Parking");
    Click(v, 0, 0);
    prompter.Expect(MsgAnswer::OK, "Data Copied.");
    v->mnuOptCopy_Click();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "Date\tDescription\tAmount\r\n03/15/09\tParking\t7.25\r\n");

    // Rebuilding into the open viewer empties it first.
    s->reports.gReportStartDate = DateSerial(2009, 4, 1);
    s->reports.gReportEndDate = DateSerial(2009, 4, 30);
    EXPECT_EQ(&GenerateReportInto(*w, ReportKind::Expense), v);
    EXPECT_EQ(v->TotalLabel()->text(), "5.5");
    EXPECT_FALSE(v->RowGrey(0));
    EXPECT_FALSE(v->Cell(0, 1)->isVisibleTo(v));
}

TEST_F(ReportWindowsTest, EachReportKeepsItsOwnPages) {
    // 45 expense rows (two pages) and a single mileage row.
    for (int d = 1; d <= 9; ++d) {
        for (int j = 0; j < 5; ++j) days.Expense(DateSerial(2009, 3, d), j, "Item", "1");
    }
    days.Mileage(DateSerial(2009, 3, 2), 0, "Office", "0", "5", "5");
    days.WriteYear(dir, 2009);
    Start();
    s->reports.gReportStartDate = DateSerial(2009, 3, 1);
    s->reports.gReportEndDate = DateSerial(2009, 3, 31);
    frmReport& ex = GenerateReportInto(*w, ReportKind::Expense);
    ex.cmdNext_Click();
    Click(&ex, 0, 4);
    EXPECT_EQ(ex.PageLabel()->text(), "Page 2 of 2");
    EXPECT_EQ(ex.TotalLabel()->text(), "4.00");
    frmReport& mi = GenerateReportInto(*w, ReportKind::Mileage);
    EXPECT_EQ(mi.PageLabel()->text(), "Page 1 of 1");
    // The expense viewer still walks its own two pages.
    Click(&ex, 0, 3);
    EXPECT_EQ(ex.TotalLabel()->text(), "3.00");
    ex.cmdPrev_Click();
    EXPECT_EQ(ex.PageLabel()->text(), "Page 1 of 2");
    EXPECT_EQ(ex.TotalLabel()->text(), "40.00");
    ex.cmdNext_Click();
    EXPECT_TRUE(ex.RowGrey(4));
    EXPECT_EQ(ex.Cell(0, 4)->text(), "03/09/09");
}

// Right after a build the total is the plain sum; the viewer's own recounts format it.
TEST_F(ReportWindowsTest, FreshTotalsArePlainThePickerIsReusedAndEscLeaves) {
    days.Mileage(DateSerial(2009, 3, 2), 0, "Office", "0", "125", "125");
    days.Mileage(DateSerial(2009, 3, 2), 1, "Depot", "125", "137.5", "12.5");
    days.Expense(DateSerial(2009, 3, 1), 0, "Lunch", "12.50");
    days.Expense(DateSerial(2009, 3, 15), 2, "Parking", "7.25");
    days.Expense(DateSerial(2009, 4, 1), 0, "Taxi", "10.50");
    days.Expense(DateSerial(2009, 5, 1), 0, "Stamps", "3");
    days.WriteYear(dir, 2009);
    Start();
    auto pickers = [this] {
        int n = 0;
        for (QWidget* p : w->findChildren<QWidget*>()) {
            if ((qobject_cast<frmSelectMonth*>(p) || qobject_cast<frmSelectStartEnd*>(p)) && p->isVisible()) ++n;
        }
        return n;
    };
    // Either command brings the open picker forward, which then builds the report asked for last.
    frmSelectMonth* p = OpenFromMenu("mnuFileOpenExpenses");
    w->Menu("mnuFileOpenExpenses")->trigger();
    w->Menu("mnuFileOpenMiles")->trigger();
    Settle();
    EXPECT_EQ(pickers(), 1);
    EXPECT_EQ(w->findChild<frmSelectMonth*>("frmSelectMonth"), p);
    p->cmbMonth->setEditText("March");
    p->cmbYear->setEditText("2009");
    QTest::mouseClick(p->findChild<QPushButton*>("cmdReport"), Qt::LeftButton);
    Settle();
    frmReport* v = Viewer("frmMileage");
    ASSERT_NE(v, nullptr);
    EXPECT_EQ(v->TotalLabel()->text(), "137.5");
    Click(v, 0, 1);
    Click(v, 0, 1);
    EXPECT_EQ(v->TotalLabel()->text(), "138");

    // The footer note and the other fixed captions are shown whole.
    auto captionsWhole = [](frmReport* r) {
        for (QLabel* l : r->findChildren<QLabel*>()) {
            if (l->objectName().contains('_') || l->text().isEmpty() || l->objectName() == "lblMain") continue;
            EXPECT_GE(l->width(), l->fontMetrics().horizontalAdvance(l->text())) << l->objectName().toStdString();
            EXPECT_GE(l->height(), l->fontMetrics().height()) << l->objectName().toStdString();
        }
    };
    captionsWhole(v);

    // Right after the build the main window has the keyboard again, and Esc closes the report.
    ASSERT_TRUE(QTest::qWaitForWindowActive(w, test::kPatienceMs));
    QWidget* keys = QApplication::focusWidget() ? QApplication::focusWidget() : QApplication::activeWindow();
    ASSERT_NE(keys, nullptr);
    QTest::keyClick(keys, Qt::Key_Escape);
    Settle();
    EXPECT_EQ(Viewer("frmMileage"), nullptr);

    struct Case { int month; const char* fresh; const char* recount; };
    for (Case c : {Case{3, "19.75", "19.75"}, Case{4, "10.5", "10.50"}, Case{5, "3", "3.00"}}) {
        p = OpenFromMenu("mnuFileOpenExpenses");
        p->cmbMonth->setEditText(QString::fromStdString(MonthName(c.month)));
        p->cmbYear->setEditText("2009");
        QTest::mouseClick(p->findChild<QPushButton*>("cmdReport"), Qt::LeftButton);
        Settle();
        v = Viewer("frmExpenses");
        ASSERT_NE(v, nullptr);
        EXPECT_EQ(v->TotalLabel()->text(), c.fresh);
        Click(v, 0, 0);
        Click(v, 0, 0);
        EXPECT_EQ(v->TotalLabel()->text(), c.recount);
    }
    captionsWhole(v);
    ASSERT_TRUE(QTest::qWaitForWindowActive(w, test::kPatienceMs));
    keys = QApplication::focusWidget() ? QApplication::focusWidget() : QApplication::activeWindow();
    ASSERT_NE(keys, nullptr);
    QTest::keyClick(keys, Qt::Key_Escape);
    Settle();
    EXPECT_EQ(Viewer("frmExpenses"), nullptr);
}

// Every way out of a viewer takes its frame along: nothing blank is left for Ctrl+Tab.
TEST_F(ReportWindowsTest, EveryWayOutTakesTheFrameAlong) {
    days.Expense(DateSerial(2009, 3, 1), 0, "Lunch", "12.50");
    days.WriteYear(dir, 2009);
    Start();
    s->reports.gReportStartDate = DateSerial(2009, 3, 1);
    s->reports.gReportEndDate = DateSerial(2009, 3, 31);
    for (const char* way : {"Esc", "Esc after a click", "Ctrl+F4", "close button"}) {
        frmReport& v = GenerateReportInto(*w, ReportKind::Expense);
        std::string how = way;
        if (how == "Esc after a click") QTest::mouseClick(v.findChild<QWidget*>("picPage"), Qt::LeftButton);
        if (how == "close button") {
            QWidget* close = w->menuBar()->cornerWidget(Qt::TopRightCorner);
            ASSERT_TRUE(close && close->isVisible());
            QTest::mouseClick(close, Qt::LeftButton);
        } else {
            QWidget* keys = QApplication::focusWidget() ? QApplication::focusWidget() : &v;
            if (how == "Ctrl+F4") QTest::keyClick(keys, Qt::Key_F4, Qt::ControlModifier);
            else QTest::keyClick(keys, Qt::Key_Escape);
        }
        Settle();
        EXPECT_EQ(Viewer("frmExpenses"), nullptr) << way;
        EXPECT_EQ(EmptyFrames(), 0) << way;
        EXPECT_FALSE(s->flags.gExpenseReportOpen) << way;
    }
    // The year view is what the twelve-month button and Ctrl+Tab come back to.
    w->imgCal_MouseDown(2, Qt::LeftButton);
    Settle();
    w->mdiArea()->activateNextSubWindow();
    ASSERT_NE(w->mdiArea()->activeSubWindow(), nullptr);
    EXPECT_EQ(w->mdiArea()->activeSubWindow()->widget(), static_cast<QWidget*>(w->yearView()));
}

TEST_F(ReportWindowsTest, MonthPickerPeriodsAndJunk) {
    Start();
    struct Case { const char* month; const char* year; Date start, end; };
    for (Case c : {Case{"All Months", "2009", DateSerial(2009, 1, 1), DateSerial(2009, 12, 31)},
                   Case{"February", "2008", DateSerial(2008, 2, 1), DateSerial(2008, 2, 29)},
                   Case{"February", "2009", DateSerial(2009, 2, 1), DateSerial(2009, 2, 28)},
                   Case{"April", "2009", DateSerial(2009, 4, 1), DateSerial(2009, 4, 30)},
                   Case{"July", "2031", DateSerial(2031, 7, 1), DateSerial(2031, 7, 31)}}) {
        ReportKind built = ReportKind::Mileage;
        frmSelectMonth p(*s, ReportKind::Expense, [&](ReportKind k) { built = k; });
        p.cmbMonth->setEditText(c.month);
        p.cmbYear->setEditText(c.year);
        p.cmdReport_Click();
        EXPECT_EQ(built, ReportKind::Expense);
        EXPECT_EQ(s->reports.gReportStartDate, c.start) << c.month << c.year;
        EXPECT_EQ(s->reports.gReportEndDate, c.end) << c.month << c.year;
    }
    frmSelectMonth p(*s, ReportKind::Mileage, [](ReportKind) { ADD_FAILURE() << "built from junk"; });
    p.cmbMonth->setEditText("Smarch");
    prompter.Expect(MsgAnswer::OK, "An invalid date has been entered. Please adjust.");
    p.cmdReport_Click();
}

// The picker's boxes step from the period they show, and Return at a box entered by Tab keeps it.
TEST_F(ReportWindowsTest, PickerBoxesStepFromTheShownPeriodAndReturnKeepsIt) {
    Start();
    auto key = [](Qt::Key k) { QTest::keyClick(QApplication::focusWidget(), k); };
    auto active = [](QWidget* p) {
        p->show();
        p->activateWindow();
        return QTest::qWaitForWindowActive(p);
    };
    ReportKind built = ReportKind::Mileage;
    QPointer<frmSelectMonth> p = new frmSelectMonth(*s, ReportKind::Expense, [&](ReportKind k) { built = k; });
    ASSERT_TRUE(active(p));
    p->cmbYear->setFocus(Qt::TabFocusReason);
    ASSERT_EQ(QApplication::focusWidget(), p->cmbYear);
    key(Qt::Key_Return);
    EXPECT_EQ(p->cmbYear->currentText(), "2009");
    key(Qt::Key_Down);
    EXPECT_EQ(p->cmbYear->currentText(), "2010");
    p->cmdReport_Click();
    EXPECT_EQ(built, ReportKind::Expense);
    EXPECT_EQ(s->reports.gReportStartDate, DateSerial(2010, 1, 1));
    delete p.data();

    QPointer<frmSelectStartEnd> range = new frmSelectStartEnd(*s, ReportKind::Expense, [](ReportKind) {});
    ASSERT_TRUE(active(range));
    range->cmbDay[1]->setFocus(Qt::TabFocusReason);
    key(Qt::Key_Return);
    key(Qt::Key_Down);
    range->cmbYear[1]->setFocus(Qt::TabFocusReason);
    key(Qt::Key_Return);
    EXPECT_EQ(range->cmbYear[1]->currentText(), "2009");
    // A day typed with a leading zero, as the picker writes it itself, is taken at Return.
    range->cmbDay[0]->setFocus(Qt::TabFocusReason);
    QTest::keyClicks(range->cmbDay[0], "02");
    key(Qt::Key_Return);
    EXPECT_EQ(range->txtInput[0]->text(), "Mar 02, 2009");
    range->cmdReport_Click();
    EXPECT_EQ(s->reports.gReportStartDate, DateSerial(2009, 3, 2));
    EXPECT_EQ(s->reports.gReportEndDate, DateSerial(2009, 3, 6));
    delete range.data();
}

TEST_F(ReportWindowsTest, PrintSaysWhenThereIsNoPrinterAndPrintsTheTabs) {
    days.Expense(DateSerial(2009, 3, 1), 0, "Lunch\twith client", "12.50");
    days.Expense(DateSerial(2009, 3, 2), 0, "Parking", "7.25");
    days.WriteYear(dir, 2009);
    Start();
    s->reports.gReportStartDate = DateSerial(2009, 3, 1);
    s->reports.gReportEndDate = DateSerial(2009, 3, 31);
    frmReport& v = GenerateReportInto(*w, ReportKind::Expense);
    s->flags.gPrinterPresent = false;
    prompter.Expect(MsgAnswer::OK, "Printer could not be found");
    v.findChild<QAction*>("mnuFilePrint")->trigger();

    QString pdftotext = QStandardPaths::findExecutable("pdftotext");
    if (pdftotext.isEmpty()) GTEST_SKIP() << "pdftotext is not installed (scripts/install-deps.sh adds poppler-utils)";
    std::string pdf = dir + "report.pdf";
    qputenv("ORVELLE_PRINT_TO_PDF", QByteArray::fromStdString(pdf));
    CheckForPrinter(*s);
    v.findChild<QAction*>("mnuFilePrint")->trigger();
    qunsetenv("ORVELLE_PRINT_TO_PDF");
    QProcess proc;
    proc.start(pdftotext, {QString::fromStdString(pdf), "-"});
    ASSERT_TRUE(proc.waitForFinished(10000));
    QString text = QString::fromUtf8(proc.readAllStandardOutput());
    EXPECT_TRUE(text.contains("Daily Expenses from Mar 01, 2009 to Mar 31, 2009")) << text.toStdString();
    EXPECT_TRUE(text.contains("with client")) << text.toStdString();
    EXPECT_TRUE(text.contains("Parking"));
    EXPECT_TRUE(text.contains("19.75"));
    EXPECT_TRUE(text.contains("Page 1 of 1"));
    EXPECT_TRUE(text.contains("Total Expenses for this Page"));
}

} // namespace
} // namespace orvelle
