#include "common/ReportPlannerDays.h"
#include "store/PlannerStore.h"
#include "store/Reports.h"
#include "store/StoreTestFolder.h"

#include <gtest/gtest.h>

namespace orvelle {
namespace {

class ReportsTest : public StoreTestFolder {
protected:
    void Period(Date a, Date b) {
        s->reports.gReportStartDate = a;
        s->reports.gReportEndDate = b;
    }
    ReportPlannerDays days;
};

TEST_F(ReportsTest, PagesOfFortyRows) {
    struct Case { long rows; int lastPage; };
    for (Case c : {Case{0, 0}, Case{39, 0}, Case{40, 1}, Case{41, 1}, Case{85, 2}}) {
        ReportPages pg;
        pg.gReportPage = 3;
        pg.gReportAtFirstPage = false;
        PageReport(pg, c.rows);
        EXPECT_EQ(pg.gReportLastPage, c.lastPage) << c.rows;
        ASSERT_EQ(pg.gReportPageFirstRows.size(), size_t(c.lastPage + 1));
        EXPECT_EQ(pg.gReportPageFirstRows.back(), 40L * c.lastPage);
        EXPECT_EQ(pg.gReportPageLastRows.back(), 40L * c.lastPage + 39);
        EXPECT_EQ(pg.gReportPage, 0);
        EXPECT_TRUE(pg.gReportAtFirstPage);
        EXPECT_EQ(pg.gReportAtLastPage, c.lastPage == 0);
        EXPECT_EQ(pg.gReportRowExcluded.size(), size_t(c.lastPage + 1));
    }
}

TEST_F(ReportsTest, MileageRowsFollowDaysAndLinesInThePeriod) {
    days.Mileage(DateSerial(2009, 3, 1), 0, "Office", "100", "120", "20");
    days.Mileage(DateSerial(2009, 3, 1), 3, "  Client  ", " 120", "237.5 ", "117.5");
    days.Mileage(DateSerial(2009, 3, 15), 2, "Depot only");
    days.Mileage(DateSerial(2009, 2, 28), 0, "Day before", "1", "2", "1");
    days.Mileage(DateSerial(2009, 3, 16), 0, "Day after", "1", "2", "1");
    days.Expense(DateSerial(2009, 3, 10), 0, "Lunch", "12.50");
    days.WriteYear(dir, 2009);
    Period(DateSerial(2009, 3, 1), DateSerial(2009, 3, 15));
    BuildMileageReport(*s);

    const auto& rows = s->reports.gMileageReportRows;
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0].Date, "03/01/09");
    EXPECT_EQ(rows[1].Date, "03/01/09");
    EXPECT_EQ(rows[1].Destination, "Client");
    EXPECT_EQ(rows[1].Start, "120");
    EXPECT_EQ(rows[1].End, "237.5");
    EXPECT_EQ(rows[2].Destination, "Depot only");
    EXPECT_EQ(rows[2].Total, "");
    double sum = 0;
    for (const auto& r : rows) sum += ReportNumber(r.Total);
    EXPECT_EQ(PlainNumberText(sum), "137.5");
    // The store's own year lists were not read for the report.
    EXPECT_EQ(s->planner.thisYearsPlannerYear, 0);
    EXPECT_TRUE(s->planner.gThisYearsPlannerDates.empty());

    // A start after the end gives nothing.
    Period(DateSerial(2009, 3, 15), DateSerial(2009, 3, 1));
    BuildMileageReport(*s);
    EXPECT_TRUE(s->reports.gMileageReportRows.empty());
}

TEST_F(ReportsTest, ExpenseRowsTotalsAndRebuild) {
    days.Expense(DateSerial(2009, 4, 2), 0, "Lunch", "12.50");
    days.Expense(DateSerial(2009, 4, 2), 5, "Parking", "7.25");
    days.Expense(DateSerial(2009, 4, 3), 1, "", "3");
    days.Expense(DateSerial(2009, 5, 1), 0, "Taxi", "10.50");
    days.Mileage(DateSerial(2009, 4, 2), 0, "Office", "1", "2", "1");
    days.WriteYear(dir, 2009);
    Period(DateSerial(2009, 4, 1), DateSerial(2009, 4, 30));
    BuildExpenseReport(*s);
    const auto& rows = s->reports.gExpenseReportRows;
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[1].Description, "Parking");
    EXPECT_EQ(rows[2].Description, "");
    EXPECT_EQ(rows[2].Amount, "3");
    EXPECT_EQ(PlainNumberText(ReportNumber(rows[0].Amount) + ReportNumber(rows[1].Amount)), "19.75");
    EXPECT_TRUE(s->reports.gMileageReportRows.empty());

    // A second period replaces the rows and the page model wholly.
    s->reports.expensePages.gReportPage = 2;
    s->reports.expensePages.gReportRowExcluded[0][0] = true;
    Period(DateSerial(2009, 5, 1), DateSerial(2009, 5, 31));
    BuildExpenseReport(*s);
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(PlainNumberText(ReportNumber(rows[0].Amount)), "10.5");
    EXPECT_EQ(s->reports.expensePages.gReportPage, 0);
    EXPECT_FALSE(s->reports.expensePages.gReportRowExcluded[0][0]);
    EXPECT_EQ(ReportTitle(ReportKind::Expense, DateSerial(2009, 5, 1), DateSerial(2009, 5, 31)),
              "Daily Expenses from May 01, 2009 to May 31, 2009");
    EXPECT_EQ(ReportTitle(ReportKind::Mileage, DateSerial(2009, 1, 1), DateSerial(2009, 1, 31)),
              "Mileage from Jan 01, 2009 to Jan 31, 2009");
}

TEST_F(ReportsTest, LateYearsKeepTheirCentury) {
    // "01/05/31" is 5 January 2031 in the 2031 file, whatever a two-digit window would say.
    days.Expense(DateSerial(2031, 1, 5), 0, "Fuel", "40");
    days.Expense(DateSerial(2031, 12, 31), 0, "Dinner", "60");
    days.WriteYear(dir, 2031);
    Period(DateSerial(2031, 1, 1), DateSerial(2031, 12, 31));
    BuildExpenseReport(*s);
    ASSERT_EQ(s->reports.gExpenseReportRows.size(), 2u);
    EXPECT_EQ(s->reports.gExpenseReportRows[0].Date, "01/05/31");
}

TEST_F(ReportsTest, NumbersAndTexts) {
    EXPECT_EQ(ReportNumber("abc"), 0.0);
    EXPECT_EQ(ReportNumber(" 12.5 "), 12.5);
    EXPECT_EQ(ReportNumber(""), 0.0);
    EXPECT_EQ(PlainNumberText(125), "125");
    EXPECT_EQ(PlainNumberText(0), "0");
    EXPECT_EQ(PageTotalText(ReportKind::Mileage, 999.6), "1,000");
    EXPECT_EQ(PageTotalText(ReportKind::Expense, 5.5), "5.50");
    EXPECT_EQ(ReportClipboardText(ReportKind::Expense, {}), "Date\tDescription\tAmount\r\n");
    EXPECT_EQ(ReportClipboardText(ReportKind::Mileage, {{"03/01/09", "Office", "100", "225", "125"}}),
              "Date\tDestination\tStart\tEnd\tTotal\r\n03/01/09\tOffice\t100\t225\t125\r\n");
}

} // namespace
} // namespace orvelle
