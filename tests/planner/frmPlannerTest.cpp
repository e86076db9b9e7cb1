// The planner window opened, filled, typed into, saved and moved from day to day.
#include "PlannerWindowFixture.h"

#include "platform/Twips.h"

#include <QScrollArea>
#include <QScrollBar>
#include <QTest>

namespace orvelle {
namespace {

const Date kMar3 = DateSerial(2009, 3, 3);
const Date kMar5 = DateSerial(2009, 3, 5);

TEST_F(PlannerWindowTest, DateWithoutARecordShowsTheDefaultPage) {
    Open(kMar5);
    EXPECT_TRUE(s->flags.gPlannerOpen);
    EXPECT_EQ(w->window()->windowTitle(), "Orvelle: Daily Planner");
    EXPECT_EQ(Label("lblMain")->text(), "Thursday, March 5 2009");
    for (int i = 0; i < 16; ++i) {
        QLabel* time = Label(QString("lblTime_%1").arg(i));
        EXPECT_EQ(time->text().toStdString(), PlannerPage::DefaultCaption(i)) << i;
        EXPECT_FALSE(time->font().bold()) << i;
    }
    EXPECT_EQ(Label("lblTime_0")->text(), "06:00 AM");
    EXPECT_EQ(Label("lblTime_15")->text(), "09:00 PM");
    for (int i = 0; i < 60; ++i) EXPECT_TRUE(Box(i)->text().isEmpty()) << i;
    EXPECT_EQ(s->planner.gThisYearsPlannerIndex, -1);
    EXPECT_FALSE(s->flags.gPlannerChanged);
}

TEST_F(PlannerWindowTest, OpeningShowsTheStoredPageOfThatYearsFile) {
    PlannerPage page = PageWith(0, "   Breakfast with Ann");
    page.SetLine(16, "Call the bank");
    page.SetLine(38, "12.50");
    page.gTimeBold[1] = true;
    page.gTimeCaptions[5].clear();
    page.gPlannerToDoChecks[0] = true;
    WriteYear(2009, {{kMar5, page}, {DateSerial(2009, 3, 6), PageWith(0, "Other day")}});

    Open(kMar5);
    EXPECT_EQ(Label("lblMain")->text(), "Thursday, March 5, 2009");
    EXPECT_EQ(Box(0)->text(), "Breakfast with Ann");
    EXPECT_EQ(s->page.gPlannerLines[0].substr(0, 6), "   Bre");  // the slot keeps the blanks
    EXPECT_EQ(Box(16)->text(), "Call the bank");
    EXPECT_EQ(Box(38)->text(), "12.50");
    EXPECT_TRUE(Label("lblTime_1")->font().bold());
    EXPECT_EQ(Label("lblTime_5")->text(), "");
    EXPECT_EQ(Box(4)->property("Tag").toString(), "150.Push");
    EXPECT_EQ(Box(5)->property("Tag").toString(), "150.Stop");
    EXPECT_EQ(Label("imgChkBox_0")->pixmap().toImage(), PlannerPageView::CheckBoxPicture(true).toImage());
    EXPECT_EQ(Label("imgChkBox_1")->pixmap().toImage(), PlannerPageView::CheckBoxPicture(false).toImage());
    EXPECT_FALSE(s->flags.gPlannerChanged);
}

TEST_F(PlannerWindowTest, TypingAndSaveRewriteTheYearsFile) {
    WriteYear(2009, {{DateSerial(2009, 1, 2), PageWith(0, "January")}});
    Open(kMar5);
    QTest::keyClicks(Box(3), "Dentist at nine");
    QTest::keyClicks(Box(26), "Parking");
    EXPECT_TRUE(s->flags.gPlannerChanged);
    EXPECT_EQ(s->page.gPlannerLines[3].substr(0, 15), "Dentist at nine");

    prompter.Expect(MsgAnswer::OK, "Planner Records Updated");
    Item("mnuFileSave")->trigger();
    EXPECT_FALSE(s->flags.gPlannerChanged);
    std::string file = ReadYear(2009);
    ASSERT_EQ(file.size(), 2u * (16 + 4100 + 2));
    std::string line = file.substr(4118, 4116);
    EXPECT_EQ(line.substr(0, 16), "03/05/09:020400:");
    EXPECT_EQ(line.substr(16 + 3 * 160, 10), "09:00 AM  ");
    EXPECT_EQ(line.substr(16 + 3 * 160 + 10, 15), "Dentist at nine");
    EXPECT_EQ(line.substr(16 + 3160, 7), "Parking");
    EXPECT_EQ(file.substr(0, 8), "01/02/09");
}

TEST_F(PlannerWindowTest, RecordsOfAnyLengthAreReadByPositionAndKeptAtTheNextSave) {
    auto line = [](Date d, std::string record) { return FormatMmDdYy(d) + ":" + CellStampOf(d) + ":" + record; };
    // The first to-do done; the marks after it lost, and the blanks before them stripped.
    PlannerPage milk = PageWith(20, "Buy milk");
    milk.gPlannerToDoChecks[0] = true;
    std::string stripped = BuildPlannerRecord(milk);
    stripped.replace(kDoneMarksPos + 1, 9, 9, ' ');
    stripped.erase(stripped.find_last_not_of(' ') + 1);  // as an editor saves it
    std::string longer = BuildPlannerRecord(PageWith(0, "Long day")) + "written past the end";
    std::filesystem::create_directories(dir + "2009");
    ASSERT_TRUE(WriteFileAtomic(dir + "2009/Planner.dat",
                                line(DateSerial(2009, 3, 2), BuildPlannerRecord(PageWith(0, "Monday"))) + "\r\n" +
                                    line(kMar3, stripped) + "\r\n" + line(DateSerial(2009, 3, 4), longer) + "\r\n"));
    Open(kMar3);
    EXPECT_EQ(Box(20)->text(), "Buy milk");
    EXPECT_EQ(Label("lblTime_15")->text(), "09:00 PM");
    EXPECT_EQ(Label("imgChkBox_0")->pixmap().toImage(), PlannerPageView::CheckBoxPicture(true).toImage());
    for (int k = 1; k < 10; ++k)
        EXPECT_EQ(Label(QString("imgChkBox_%1").arg(k))->pixmap().toImage(),
                  PlannerPageView::CheckBoxPicture(false).toImage())
            << k;
    QTest::mouseClick(DayButton(0), Qt::LeftButton);
    QTest::keyClicks(Box(1), "Gym");
    prompter.Expect(MsgAnswer::OK, "Planner Records Updated");
    Item("mnuFileSave")->trigger();

    std::vector<std::string> lines = SplitLines(ReadYear(2009));
    ASSERT_EQ(lines.size(), 3u);
    // The short day is written whole, with the "not done" mark where its marks were missing.
    EXPECT_EQ(lines[1], line(kMar3, BuildPlannerRecord(milk)));
    EXPECT_EQ(lines[2], line(DateSerial(2009, 3, 4), longer.substr(0, kPlannerRecordLength)));
    // What the page cannot hold is kept in the copy made before the save; the odd lengths are
    // logged once, though the file was read twice.
    auto copies = std::filesystem::directory_iterator(dir + "Backup");
    ASSERT_NE(copies, std::filesystem::directory_iterator());
    EXPECT_NE(ReadWholeFile(copies->path().string())->find("written past the end"), std::string::npos);
    std::string log = ReadWholeFile(dir + "Error.log").value_or("");
    EXPECT_NE(log.find("Line 2 of 2009/Planner.dat was kept, but its record has " + std::to_string(stripped.size()) +
                       " characters"),
              std::string::npos);
    EXPECT_EQ(log.find("Line 2 of"), log.rfind("Line 2 of"));
    EXPECT_NE(log.find("Line 3 of 2009/Planner.dat was kept only in part"), std::string::npos);
}

TEST_F(PlannerWindowTest, NextDayCrossesIntoNextYearsFile) {
    PlannerPage dec31 = PageWith(0, "New Year's Eve");
    dec31.gTimeCaptions[3].clear();
    dec31.gPlannerToDoChecks[2] = true;
    WriteYear(2009, {{DateSerial(2009, 12, 31), dec31}});
    WriteYear(2010, {{DateSerial(2010, 1, 1), PageWith(16, "Recover")}});
    Open(DateSerial(2009, 12, 31));
    EXPECT_EQ(Box(2)->property("Tag").toString(), "150.Push");

    Date moved = 0;
    QObject::connect(w, &frmPlanner::selectedDateChanged, [&moved](Date d) { moved = d; });
    QTest::mouseClick(DayButton(1), Qt::LeftButton);
    EXPECT_EQ(s->dates.gSelectedDate, DateSerial(2010, 1, 1));
    EXPECT_EQ(moved, DateSerial(2010, 1, 1));
    EXPECT_EQ(s->dates.gYear, 2010);
    EXPECT_EQ(Label("lblMain")->text(), "Friday, January 1, 2010");
    EXPECT_EQ(Box(0)->text(), "");
    EXPECT_EQ(Box(16)->text(), "Recover");
    // Nothing of the day before survives: types, captions and done marks are this page's own.
    EXPECT_EQ(Box(2)->property("Tag").toString(), "150.Stop");
    EXPECT_EQ(Label("lblTime_3")->text(), "09:00 AM");
    EXPECT_EQ(Label("imgChkBox_2")->pixmap().toImage(), PlannerPageView::CheckBoxPicture(false).toImage());

    QTest::mouseClick(DayButton(0), Qt::LeftButton);
    EXPECT_EQ(s->dates.gSelectedDate, DateSerial(2009, 12, 31));
    EXPECT_EQ(Box(0)->text(), "New Year's Eve");
}

TEST_F(PlannerWindowTest, SavingAfterNextDayWritesTheNewYearsFile) {
    WriteYear(2009, {{DateSerial(2009, 12, 31), PageWith(0, "Eve")}});
    Open(DateSerial(2009, 12, 31));
    QTest::mouseClick(DayButton(1), Qt::LeftButton);
    QTest::keyClicks(Box(0), "Brunch");
    prompter.Expect(MsgAnswer::OK, "Planner Records Updated");
    Item("mnuFileSave")->trigger();
    EXPECT_EQ(ReadYear(2010).substr(0, 8), "01/01/10");
    EXPECT_EQ(ReadYear(2009).substr(0, 8), "12/31/09");
    EXPECT_EQ(ReadYear(2009).size(), 4118u);
}

TEST_F(PlannerWindowTest, LeavingAnAmountOrOdometerBoxUpdatesTheTotals) {
    Open(kMar5);
    QTest::keyClicks(Box(32), "10");
    QTest::keyClick(Box(32), Qt::Key_Return);
    QTest::keyClicks(Box(34), "2.5");
    QTest::keyClick(Box(34), Qt::Key_Return);
    EXPECT_EQ(Box(38)->text(), "12.50");
    EXPECT_EQ(s->page.gPlannerLines[38].substr(0, 6), "12.50 ");

    QTest::keyClicks(Box(44), "12000");
    QTest::keyClick(Box(44), Qt::Key_Return);
    EXPECT_EQ(Box(54)->text(), "");
    QTest::keyClicks(Box(49), "12045.4");
    QTest::keyClick(Box(49), Qt::Key_Return);
    EXPECT_EQ(Box(54)->text(), "45");
    EXPECT_EQ(Box(59)->text(), "45");
}

TEST_F(PlannerWindowTest, ControlsStandWhereTheLayoutPutsThem) {
    Open(kMar5);
    const PlannerLayout& layout = w->Page()->Layout();
    for (int i : {0, 15, 16, 21, 27, 38, 43, 59}) {
        const PlannerBoxSpec& b = layout.boxes[i];
        EXPECT_EQ(Box(i)->geometry(), QRect(TwipsToPixelsX(b.left), TwipsToPixelsY(b.top), TwipsToPixelsX(b.width),
                                             TwipsToPixelsY(PlannerLayout::kBoxHeight)))
            << i;
    }
    EXPECT_EQ(Label("lblTime_7")->pos(), QPoint(TwipsToPixelsX(840), TwipsToPixelsY(1620 + 7 * 360)));
    EXPECT_EQ(Label("imgChkBox_5")->pos(), QPoint(TwipsToPixelsX(6240), TwipsToPixelsY(8190)));
    EXPECT_EQ(DayButton(1)->x(), TwipsToPixelsX(9840));
    // "Total Mileage" ends 240 twips before its box, whatever its font's width.
    QLabel* totalMiles = Label("lbl_19");
    EXPECT_EQ(totalMiles->text(), "Total Mileage");
    EXPECT_NEAR(totalMiles->x() + totalMiles->width(), TwipsToPixelsX(9840), 1);
    // Headings centre over their columns.
    QLabel* amount = Label("lbl_5");
    EXPECT_NEAR(amount->x() + amount->width() / 2.0, TwipsToPixelsX(10770), 1);
}

TEST_F(PlannerWindowTest, PageKeysScrollTheTallPage) {
    Open(kMar5);
    w->resize(w->width(), 400);
    w->show();
    QApplication::processEvents();
    QScrollBar* bar = w->findChild<QScrollArea*>("scrPage")->verticalScrollBar();
    ASSERT_GT(bar->maximum(), 0);
    Box(0)->setFocus();
    QTest::keyClick(Box(0), Qt::Key_PageDown);
    EXPECT_GT(bar->value(), 0);
    for (int k = 0; k < 10; ++k) QTest::keyClick(Box(0), Qt::Key_PageDown);
    EXPECT_EQ(bar->value(), bar->maximum());
    QTest::keyClick(w, Qt::Key_PageUp);
    EXPECT_LT(bar->value(), bar->maximum());
    for (int k = 0; k < 10; ++k) QTest::keyClick(w, Qt::Key_PageUp);
    EXPECT_EQ(bar->value(), 0);
    EXPECT_FALSE(s->flags.gPlannerChanged);
}

TEST_F(PlannerWindowTest, MenusOfLaterFeaturesStayDisabled) {
    Open(kMar5);
    // Print waits for a printer, Search Again for an opened search hit.
    for (const char* name : {"mnuFileExportPlannerAndAssign", "mnuFileMerge", "mnuFileImport", "mnuFilePrint",
                             "mnuEditSearchAgain", "mnuPrefFut"}) {
        ASSERT_NE(Item(name), nullptr) << name;
        EXPECT_FALSE(Item(name)->isEnabled()) << name;
    }
    for (const char* name : {"mnuFileSave", "mnuFileExport", "mnuFileExit", "mnuFileQuit", "mnuOptShowMainLabel",
                             "mnuEditTime", "mnuEditDelete", "mnuToDoEdit", "mnuFileCopyPlanner", "mnuFilePreview",
                             "mnuOptShowCursPos", "mnuOptNetworkShare", "mnuToDoImport", "mnuToDoClear"})
        EXPECT_TRUE(Item(name)->isEnabled()) << name;
    EXPECT_EQ(Item("mnuFileQuit")->text(), "E&xit the Program");

    w->show();
    EXPECT_TRUE(Item("mnuOptShowMainLabel")->isChecked());
    Item("mnuOptShowMainLabel")->trigger();
    EXPECT_FALSE(Label("lblMain")->isVisible());
    w->mnuOptShowMainLabel_Click();
    EXPECT_TRUE(Label("lblMain")->isVisible());
    EXPECT_TRUE(Item("mnuOptShowMainLabel")->isChecked());
}

TEST_F(PlannerWindowTest, SearchHitIsSelectedInTheFirstMatchingLine) {
    PlannerPage page = PageWith(2, "meet the Dentist");
    page.SetLine(5, "dentist again");
    WriteYear(2009, {{kMar5, page}});
    s->search.gSearchActive = true;
    s->search.gSearchText = "DENT";
    Open(kMar5);
    EXPECT_EQ(Box(2)->selectionStart(), 9);
    EXPECT_EQ(Box(2)->selectedText(), "Dent");
    EXPECT_FALSE(Box(5)->hasSelectedText());
    EXPECT_EQ(s->search.gSearchLine, 2);
    EXPECT_EQ(s->search.gSearchPos, 13);
}

} // namespace
} // namespace orvelle
