#include "FileTestFolder.h"
#include "store/Alerts.h"

using namespace orvelle;

namespace {
class AlertsFile : public FileTestFolder {
protected:
    Date T() const { return Clock::Today(); }
    std::string Line(Date d, int period, const std::string& msg) { return *FormatAlertLine(d, period, msg); }
};
} // namespace

TEST_F(AlertsFile, PendingFromTheNoticeThroughTheDay) {
    Put(kAlertsFile, Line(T(), 0, "today") + "\r\n" + Line(T() + 5, 5, "five ahead") + "\r\n" +
                         Line(T() + 6, 5, "six ahead") + "\r\n" + Line(T() - 1, 9999, "yesterday") + "\r\n" +
                         Line(T() + 1, 0, "tomorrow, no notice") + "\r\n");
    ReadAlerts(s());
    const Alerts& a = s().alerts;
    ASSERT_EQ(a.gAlertCount, 5);
    EXPECT_EQ(a.gPendingAlertCount, 2);
    ASSERT_EQ(a.gPendingAlertLines.size(), 5u);
    EXPECT_EQ(a.gPendingAlertLines[0], a.gAlertLines[0]);
    EXPECT_EQ(a.gPendingAlertLines[1], a.gAlertLines[1]);
    EXPECT_EQ(a.gPendingAlertLines[2], "");
    EXPECT_EQ(a.gPendingAlertLines[3], "");
    EXPECT_EQ(a.gPendingAlertLines[4], "");
    EXPECT_EQ(a.gAlertDates[1], T() + 5);
    EXPECT_EQ(a.gAlertPeriods[1], 5);
    EXPECT_EQ(a.indicator.caption, "2 Pending Alerts");
    EXPECT_EQ(a.indicator.toolTip, "Left Click to View, Right Click to Ignore.");
    EXPECT_TRUE(a.indicator.highlighted);
    EXPECT_EQ(a.indicator.picture, IndicatorPicture::Pending);
    EXPECT_EQ(a.indicator.imageToolTip, "Alerts Exist");
}

TEST_F(AlertsFile, TodayIsTheWholeDayUpToMidnight) {
    Today(2009, 3, 5, 23 * 3600 + 59 * 60 + 30);
    Put(kAlertsFile, Line(T(), 0, "due today") + "\r\n" + Line(T() + 1, 0, "due tomorrow") + "\r\n");
    ReadAlerts(s());
    EXPECT_EQ(s().alerts.gPendingAlertLines[0], s().alerts.gAlertLines[0]);
    EXPECT_EQ(s().alerts.gPendingAlertLines[1], "");
    EXPECT_EQ(s().alerts.indicator.caption, "1 Pending Alert");
}

TEST_F(AlertsFile, DeletingTheLastAlertClearsThePendingState) {
    ReadAlerts(s()); // start-up without a file: the indicators' first state
    EXPECT_EQ(s().alerts.indicator.caption, "No Pending Alerts");
    EXPECT_EQ(s().alerts.indicator.toolTip, "Click to View");
    EXPECT_EQ(s().alerts.indicator.imageToolTip, "No Alerts Pending");

    ui.Expect(MsgAnswer::OK, "Alert List Updated.");
    ASSERT_TRUE(SaveAlerts(s(), {Line(T() + 2, 3, "dentist")}));
    ReadAlerts(s());
    EXPECT_EQ(s().alerts.indicator.caption, "1 Pending Alert");

    s().alerts.gAddingNewAlert = true;
    ASSERT_TRUE(SaveAlerts(s(), {})); // no message for an empty list
    EXPECT_FALSE(Exists(kAlertsFile));
    EXPECT_TRUE(s().alerts.gAddingNewAlert);
    ReadAlerts(s());
    EXPECT_EQ(s().alerts.gAlertCount, 0);
    EXPECT_TRUE(s().alerts.gPendingAlertLines.empty());
    EXPECT_EQ(s().alerts.indicator.caption, "No Pending Alerts");
    EXPECT_FALSE(s().alerts.indicator.highlighted);
    EXPECT_EQ(s().alerts.indicator.picture, IndicatorPicture::NonePending);
    EXPECT_EQ(s().alerts.indicator.toolTip, "Left Click to view all Alerts.");
    EXPECT_EQ(s().alerts.indicator.imageToolTip, "No Alerts Exist");
}

TEST_F(AlertsFile, BadLinesAreSkippedAndLoggedAndLaterLinesCount) {
    Put(kAlertsFile, Line(T(), 1, "first: with colons: kept") + "\r\n" + "short\r\n" + "4abc7:0001:bad date\r\n" +
                         "39877:00x1:bad period\r\n" + "\r\n" + Line(T() + 1, 1, "last") + "\r\n");
    ReadAlerts(s());
    const Alerts& a = s().alerts;
    ASSERT_EQ(a.gAlertCount, 2);
    EXPECT_EQ(a.gAlertMessages[0], "first: with colons: kept");
    EXPECT_EQ(a.gAlertMessages[1], "last");
    EXPECT_EQ(a.gAlertLines.size(), 2u);
    EXPECT_EQ(a.gPendingAlertCount, 2);
    std::string log = ErrorLog();
    EXPECT_NE(log.find("Line 2 of Alerts.dat was skipped"), std::string::npos);
    EXPECT_NE(log.find("4abc7:0001:bad date"), std::string::npos);
    EXPECT_NE(log.find("Line 4 of Alerts.dat"), std::string::npos);
    EXPECT_EQ(log.find("Line 5 of"), std::string::npos); // an empty line is no alert, and no fault
}

TEST_F(AlertsFile, SaveWritesTheListInOrderWithCrLf) {
    s().alerts.gAddingNewAlert = true;
    ui.Expect(MsgAnswer::OK, "Alert List Updated.");
    ASSERT_TRUE(SaveAlerts(s(), {"39880:0003:Pay rent", "", "39877:0000:Call \xE9mile"}));
    EXPECT_EQ(Bytes(kAlertsFile), "39880:0003:Pay rent\r\n39877:0000:Call \xE9mile\r\n");
    EXPECT_FALSE(s().alerts.gAddingNewAlert);
    EXPECT_EQ(ui.SeenDialogs().back().title, "");
}

TEST_F(AlertsFile, LinesAreBuiltWithTheirFixedFields) {
    EXPECT_EQ(FormatAlertLine(DateSerial(2009, 3, 5), 7, "Pay: rent"), "39877:0007:Pay: rent");
    EXPECT_EQ(FormatAlertLine(39877, 0, "two\r\nlines"), "39877:0000:two  lines");
    EXPECT_FALSE(FormatAlertLine(9999, 1, "x"));
    EXPECT_FALSE(FormatAlertLine(39877, 10000, "x"));
    auto f = ParseAlertLine("39877:0007:");
    ASSERT_TRUE(f);
    EXPECT_EQ(f->message, "");
    EXPECT_FALSE(ParseAlertLine("39877:0007"));
}

TEST_F(AlertsFile, AFailedSaveIsReportedAndKeepsTheFlag) {
    std::filesystem::create_directories(Path(kAlertsFile)); // nothing can be written there
    s().alerts.gAddingNewAlert = true;
    ui.Expect(MsgAnswer::OK, "SaveAlerts");
    EXPECT_FALSE(SaveAlerts(s(), {"39880:0003:Pay rent"}));
    EXPECT_TRUE(s().alerts.gAddingNewAlert);
    EXPECT_EQ(ui.SeenDialogs().back().title, "Program Error");
}
