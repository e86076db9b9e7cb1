// After a note of another month or year has moved the selected date, the views paint, redraw,
// list and act on the period they show, or say why a command cannot.
#include "common/MainWindowFixture.h"
#include "mainwindow/MarkCommands.h"
#include "store/Holidays.h"
#include "views/frm6Months.h"
#include "views/frmMonth.h"
#include "views/frmYear.h"

#include <QPushButton>

namespace orvelle {
namespace {

constexpr VbColor kMeeting = 16711680, kTravel = 32768, kQuickMark = 65535, kBirthday = 16711935, kHoliday = 33023;

class ShownPeriod : public MainWindowTest {
protected:
    void Write(const std::string& name, const std::string& bytes) {
        std::filesystem::create_directories(std::filesystem::path(dir + name).parent_path());
        WriteFileAtomic(dir + name, bytes);
    }
    std::string Bytes(const std::string& name) const { return ReadWholeFile(dir + name).value_or("<missing>"); }

    // Whether any point of the date's cell is painted in the colour.
    static bool CellShows(const PictureBox* box, Date d, VbColor colour) {
        Cell c = CellOf(d);
        for (double x = c.column + 0.12; x < c.column + 0.9; x += 0.03)
            for (double y = c.row + 0.87; y < c.row + 1.65; y += 0.03)
                if (box->Point(x, y) == colour) return true;
        return false;
    }
};

TEST_F(ShownPeriod, TheMonthViewPaintsOnlyTheMonthItShows) {
    ASSERT_TRUE(WriteHolidayFile(*s, 2009, {"04/10/09:Good Friday"}));
    Write("Birthdays.dat", "04/14:-1:Ann:****\r\n");
    Write("2009Marks.dat", "02:02:01:16711680\r\n03:02:03:32768"); // 10 March Meeting, 21 April Travel
    Start();
    SetPicker("March", "05", "2009");
    w->SwitchView(0);
    PictureBox* march = w->monthView()->picMonth;
    OpenAndCloseNote("April", "01", "2009");

    // 1 April is marked in the file; nothing of it shows on 4 March, which has its cell.
    prompter.ExpectInput("");
    w->Menu("mnuOptDateQuickMark")->trigger();
    EXPECT_EQ(Bytes("2009Marks.dat"), "02:02:01:16711680\r\n03:02:03:32768\r\n03:03:00:65535");
    EXPECT_FALSE(CellShows(march, DateSerial(2009, 3, 4), kQuickMark));

    // Hiding Meeting repaints March's own mark plain and lays none of April's over March.
    w->Menu("mnuEditMark_1")->trigger();
    EXPECT_FALSE(CellShows(march, DateSerial(2009, 3, 10), kMeeting));
    EXPECT_FALSE(CellShows(march, DateSerial(2009, 3, 13), kHoliday));  // the cell of 10 April
    EXPECT_FALSE(CellShows(march, DateSerial(2009, 3, 17), kBirthday)); // of 14 April
    EXPECT_FALSE(CellShows(march, DateSerial(2009, 3, 24), kTravel));   // of 21 April
    // Hiding the birthdays and moving the numbers redraw the view: March still, the selected
    // date still April's.
    w->Menu("mnuEditMark_4")->trigger();
    w->Menu("mnuOptCalNumbersOffset")->trigger();
    EXPECT_EQ(w->monthView()->picMonth, march);
    EXPECT_EQ(s->view.gMonthViewDate, DateSerial(2009, 3, 5));
    EXPECT_EQ(s->dates.gSelectedDate, DateSerial(2009, 4, 1));
    EXPECT_EQ(Picker(), "April 01, 2009");

    // Esc goes home to the year on show, not to the year of a note opened over the view.
    OpenAndCloseNote("May", "05", "2010");
    QTest::keyClick(march, Qt::Key_Escape);
    Settle();
    ASSERT_NE(w->yearView(), nullptr);
    EXPECT_EQ(w->yearView()->cmdMonth[0]->text().toStdString(), "January, 2009");
}

TEST_F(ShownPeriod, ARedrawKeepsTheSixMonthsOnShow) {
    Start();
    SetPicker("March", "05", "2009");
    w->SwitchView(1);
    frm6Months* v = w->sixMonthView();
    ClickCell(v->picMonth[2], 3, 1);
    ASSERT_EQ(s->dates.gSelectedDate, DateSerial(2009, 5, 6));
    w->Menu("mnuEditMark_4")->trigger();
    EXPECT_EQ(v->cmdView[0]->text().toStdString(), "March, 2009");
    EXPECT_EQ(s->dates.gSelectedDate, DateSerial(2009, 5, 6));
}

TEST_F(ShownPeriod, AfterANoteOfAnotherYearTheYearViewKeepsItsYear) {
    Write("2009Marks.dat", "02:02:01:32768"); // 10 March 2009
    Write("2010Marks.dat", "00:05:00:32768");
    Write("2009/Notes.dat", "06/17/09:050302:June\r\n");
    Write("2010/Notes.dat", "05/05/10:040301:May\r\n");
    Start();
    frmYear* year = w->yearView();
    ClickCell(year->picMonth[2], 2, 1); // offers to clear the mark of 10 March
    ASSERT_TRUE(w->MenuEnabled("mnuOptDateClearMark"));
    OpenAndCloseNote("May", "05", "2010");

    // The note button tells of the shown year's notes, not of 2010's in the same cells.
    HoverDate(year->picMonth[4], DateSerial(2009, 5, 6));
    EXPECT_EQ(w->imgOpt[1]->Look(), ButtonLook::NoFocus);
    HoverDate(year->picMonth[5], DateSerial(2009, 6, 17));
    EXPECT_EQ(w->imgOpt[1]->Look(), ButtonLook::Exists);

    // The date commands cannot work on a date the calendar does not show, and say so; there is
    // no mark of it on show to clear.
    HoverDate(year->picMonth[2], DateSerial(2009, 3, 10)); // offers the hover note
    EXPECT_FALSE(w->MenuEnabled("mnuOptDateClearMark"));
    for (const char* item : {"mnuOptDateMarkAs_3", "mnuOptDateAttachHoverText", "mnuOptDateQuickMark"}) {
        ASSERT_TRUE(w->MenuEnabled(item)) << item;
        prompter.Expect(MsgAnswer::OK, kDateNotOnCalendar);
        w->Menu(item)->trigger();
    }
    EXPECT_EQ(Bytes("2009Marks.dat"), "02:02:01:32768");
    EXPECT_EQ(Bytes("2010Marks.dat"), "00:05:00:32768");

    // Deleting this year's marks empties and draws again the year on show.
    prompter.Expect(MsgAnswer::Yes, "clear all this year's marks");
    w->Menu("mnuEditDeleteMarks")->trigger();
    EXPECT_EQ(Bytes("2009Marks.dat"), "<missing>");
    EXPECT_EQ(Bytes("2010Marks.dat"), "00:05:00:32768");
    EXPECT_EQ(year->cmdMonth[0]->text().toStdString(), "January, 2009");
    EXPECT_FALSE(CellShows(year->picMonth[2], DateSerial(2009, 3, 10), kTravel));
    EXPECT_EQ(s->dates.gSelectedDate, DateSerial(2010, 5, 5));
}

TEST_F(ShownPeriod, AWidenedMonthViewListsTheMonthItShows) {
    ASSERT_TRUE(WriteHolidayFile(*s, 2009, {"03/17/09:St Patrick", "04/10/09:Good Friday", "05/25/09:Memorial Day"}));
    Start();
    w->setWindowState(Qt::WindowNoState);
    w->resize(1400, 1000);
    SetPicker("March", "05", "2009");
    w->SwitchView(0);
    Settle();
    frmMonth* view = w->monthView();
    ASSERT_EQ(view->lblTTT[0]->text(), "17: Holiday: St Patrick");

    // A window manager that ignores the tool bar's size hint can make the window this narrow.
    w->setMinimumSize(1, 1);
    w->resize(640, 700);
    Settle();
    ASSERT_LE(PixelsToTwipsX(view->width()), 10000);
    QTest::keyClick(view->picMonth, Qt::Key_Right);
    QTest::keyClick(view->picMonth, Qt::Key_Right);
    ASSERT_EQ(s->view.gMonthViewDate, DateSerial(2009, 5, 1));
    w->resize(1400, 1000);
    Settle();
    ASSERT_TRUE(view->picLeft->isVisible());
    EXPECT_EQ(view->lblTTT[0]->text().toStdString(), "25: Holiday: Memorial Day");
    EXPECT_EQ(view->lblTTT[1]->text().toStdString(), "");
}

} // namespace
} // namespace orvelle
