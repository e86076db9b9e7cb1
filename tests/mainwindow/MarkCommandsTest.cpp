// The date-mark commands driven through the real main window and views, headless: the menu items
// are triggered as the user would, the files are checked byte for byte and the marks are read
// back from the painted month boxes by colour, the way the views' hover recognises them.
#include "mainwindow/MarkCommands.h"
#include "mainwindow/frmMain.h"
#include "platform/MouseState.h"
#include "platform/PictureBox.h"
#include "store/Clock.h"
#include "store/Marks.h"
#include "store/ScriptedPrompter.h"
#include "store/Store.h"
#include "store/TextFile.h"
#include "views/frm6Months.h"
#include "views/frmMonth.h"
#include "views/frmYear.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>

#include <filesystem>
#include <gtest/gtest.h>
#include <memory>

using namespace orvelle;
namespace fs = std::filesystem;

namespace {


// Shipped colours of the categories used here.
constexpr VbColor kTravel = 32768;     // category 3
constexpr VbColor kQuickMark = 65535;  // category 10
constexpr VbColor kTraining = 16512;   // category 12
constexpr VbColor kAppointment = 255;  // category 0

class MarkCommands : public ::testing::Test {
protected:
    void SetUp() override {
                std::string t = (fs::temp_directory_path() / "orvelle-marks-XXXXXX").string();
        dir = std::string(mkdtemp(t.data())) + "/";
        for (const auto& f : fs::directory_iterator(ORVELLE_DEFAULTS))
            fs::copy(f.path(), dir + f.path().filename().string(), fs::copy_options::recursive);
        Clock::Set({DateSerial(2009, 3, 5), 12 * 3600});
        s = std::make_unique<Store>(dir);
        s->ui = &ui;
    }
    void TearDown() override {
        w.reset();
        Clock::Reset();
        EXPECT_TRUE(ui.Finished()) << (ui.Failures().empty() ? "expected dialog missing" : ui.Failures()[0]);
        std::error_code ec;
        fs::remove_all(dir, ec);
    }

    void Start() {
        w = std::make_unique<frmMain>(*s);
        w->MDIForm_Load();
        w->show();
        QApplication::processEvents();
    }
    void Put(const std::string& name, const std::string& bytes) { ASSERT_TRUE(WriteFileAtomic(dir + name, bytes)); }
    std::string Bytes(const std::string& name) const { return ReadWholeFile(dir + name).value_or("<missing>"); }

    void Trigger(const QString& item) {
        QAction* a = w->Menu(item);
        ASSERT_TRUE(a) << item.toStdString();
        ASSERT_TRUE(a->isEnabled()) << item.toStdString();
        a->trigger();
    }
    void Picker(const char* month, const char* day, const char* year) {
        w->cmbMonth->setEditText(month);
        w->cmbDay->setEditText(day);
        w->cmbYear->setEditText(year);
    }
    void ClickYearView(Date d) {
        Cell c = CellOf(d);
        w->yearView()->picMonth_MouseDown(c.month, kLeftButton, 0, c.column + 0.5, c.row + 1.25);
        ASSERT_EQ(s->dates.gSelectedDate, d);
    }
    // Box k of the six-month view is the k-th month from the first shown.
    void ClickSixMonthView(int k, Date d) {
        Cell c = CellOf(d);
        w->sixMonthView()->picMonth_MouseDown(k, kLeftButton, 0, c.column + 0.5, c.row + 1.25);
        ASSERT_EQ(s->dates.gSelectedDate, d);
    }

    // Whether any point of the cell's mark box has exactly this colour.
    static bool CellShows(const PictureBox* box, const Cell& c, VbColor colour) {
        for (double x = c.column + 0.12; x < c.column + 0.9; x += 0.04)
            for (double y = c.row + 0.87; y < c.row + 1.65; y += 0.04)
                if (box->Point(x, y) == colour) return true;
        return false;
    }
    bool YearCellShows(Date d, VbColor colour) const {
        Cell c = CellOf(d);
        return CellShows(w->yearView()->picMonth[c.month], c, colour);
    }

    std::string dir;
    ScriptedPrompter ui;
    std::unique_ptr<Store> s;
    std::unique_ptr<frmMain> w;
};

} // namespace

TEST(MarkCommandTexts, HoverTitleNamesCaptionAndShortDate) {
    EXPECT_EQ(HoverNoteTitle("Travel", DateSerial(2009, 3, 12)), "Optional Hover Text: Travel for 3/12/2009");
    // Chosen directly, with no mark command before it: two blanks.
    EXPECT_EQ(HoverNoteTitle("", DateSerial(2009, 11, 5)), "Optional Hover Text:  for 11/5/2009");
}

TEST_F(MarkCommands, TheYearViewShowsTheYearsMarksInTheirColours) {
    // 7 April 2009 (Travel, with a note) and 25 December (Appointment).
    Put("2009Marks.dat", "03:02:01:32768-Flight 9:40 - gate B\r\n11:05:03:255");
    Start();
    EXPECT_TRUE(YearCellShows(DateSerial(2009, 4, 7), kTravel));
    EXPECT_TRUE(YearCellShows(DateSerial(2009, 12, 25), kAppointment));
    EXPECT_FALSE(YearCellShows(DateSerial(2009, 4, 8), kTravel));
    EXPECT_EQ(s->marks.gThisYearsHoverTexts[3][2][1], "Flight 9:40 - gate B");
}

TEST_F(MarkCommands, MarkingFromTheMenuPaintsSavesAndAsksForANote) {
    Start();
    Date d = DateSerial(2009, 3, 12);
    ClickYearView(d);
    ui.ExpectInput("Lunch - client: Ann", "You may input the Hover Text");
    Trigger("mnuOptDateMarkAs_3");
    ASSERT_EQ(ui.SeenDialogs().size(), 1u);
    EXPECT_EQ(ui.SeenDialogs()[0].title, "Optional Hover Text: Travel for 3/12/2009");
    // 12 March 2009: Thursday of the second week.
    EXPECT_EQ(Bytes("2009Marks.dat"), "02:04:01:32768-Lunch - client: Ann");
    EXPECT_TRUE(YearCellShows(d, kTravel));
    EXPECT_EQ(s->marks.gLastMarkCaption, "");

    // Item 10 stands for category 12; the old note is offered and kept on Cancel.
    ui.ExpectInput("");
    Trigger("mnuOptDateMarkAs_10");
    EXPECT_EQ(ui.SeenDialogs()[1].title, "Optional Hover Text: Training for 3/12/2009");
    EXPECT_EQ(Bytes("2009Marks.dat"), "02:04:01:16512-Lunch - client: Ann");
    EXPECT_TRUE(YearCellShows(d, kTraining));
    EXPECT_FALSE(YearCellShows(d, kTravel));
}

TEST_F(MarkCommands, ANoteTooLongForItsFileIsRefusedAtOnceAndLaterMarksStillSave) {
    Start();
    ClickYearView(DateSerial(2009, 3, 12));
    ui.ExpectInput(std::string(16367, 'n'));
    ui.Expect(MsgAnswer::OK, "A hover note can hold at most 16366 characters; this one has 16367.");
    ui.ExpectInput("");  // asked again with the text; Cancel keeps the old note, none
    Trigger("mnuOptDateMarkAs_3");
    EXPECT_EQ(Bytes("2009Marks.dat"), "02:04:01:32768");
    EXPECT_EQ(s->marks.gThisYearsHoverTexts[2][4][1], "");

    ClickYearView(DateSerial(2009, 3, 2));
    ui.ExpectInput(std::string(16366, 'n'));  // the longest that is read back
    Trigger("mnuOptDateQuickMark");
    EXPECT_EQ(Bytes("2009Marks.dat"), "02:01:00:65535-" + std::string(16366, 'n') + "\r\n02:04:01:32768");
}

TEST_F(MarkCommands, QuickMarkAndClearingTheLastMarkRemovesTheFile) {
    Start();
    Date d = DateSerial(2009, 3, 2);
    ClickYearView(d);
    ui.ExpectInput("");
    Trigger("mnuOptDateQuickMark");
    EXPECT_EQ(ui.SeenDialogs()[0].title, "Optional Hover Text: Quick Mark for 3/2/2009");
    EXPECT_EQ(Bytes("2009Marks.dat"), "02:01:00:65535");
    EXPECT_TRUE(YearCellShows(d, kQuickMark));

    // The view enables the clear command for a marked cell.
    ClickYearView(d);
    Trigger("mnuOptDateClearMark");
    EXPECT_FALSE(fs::exists(dir + "2009Marks.dat"));
    EXPECT_FALSE(YearCellShows(d, kQuickMark));
}

TEST_F(MarkCommands, AStaleSpanTouchesNoOtherYearsFile) {
    Put("2009Marks.dat", "07:00:01:255");   // 2 August 2009
    Put("2010Marks.dat", "00:05:00:32768"); // 1 January 2010
    Start();
    // Six months from August 2009 run into 2010...
    Picker("August", "15", "2009");
    w->SwitchView(1);
    ASSERT_TRUE(s->flags.gSpansNextYear);
    // ...then the twelve months of 2010, and a quick mark on 4 January 2010.
    Picker("January", "4", "2010");
    w->SwitchView(2);
    Date d = DateSerial(2010, 1, 4);
    ClickYearView(d);
    ui.ExpectInput("");
    Trigger("mnuOptDateQuickMark");
    EXPECT_EQ(Bytes("2010Marks.dat"), "00:01:01:65535\r\n00:05:00:32768");
    EXPECT_EQ(Bytes("2009Marks.dat"), "07:00:01:255");
    EXPECT_FALSE(fs::exists(dir + "2011Marks.dat"));
    EXPECT_TRUE(YearCellShows(d, kQuickMark));
    EXPECT_TRUE(YearCellShows(DateSerial(2010, 1, 1), kTravel));
}

TEST_F(MarkCommands, ASixMonthBoxOfNextYearMarksNextYearsFile) {
    Put("2009Marks.dat", "07:00:01:255");
    Start();
    Picker("September", "1", "2009");
    w->SwitchView(1);
    ASSERT_TRUE(s->flags.gSpansNextYear);
    // Box 4 shows January 2010; 6 January is a Wednesday in the second week.
    Date d = DateSerial(2010, 1, 6);
    ClickSixMonthView(4, d);
    ui.ExpectInput("Back at work");
    Trigger("mnuOptDateMarkAs_0");
    EXPECT_EQ(Bytes("2010Marks.dat"), "00:03:01:255-Back at work");
    EXPECT_EQ(Bytes("2009Marks.dat"), "07:00:01:255");
    Cell c = CellOf(d);
    EXPECT_TRUE(CellShows(w->sixMonthView()->picMonth[4], c, kAppointment));

    // A September date is this year's again.
    Date sep = DateSerial(2009, 9, 8);
    ClickSixMonthView(0, sep);
    ui.ExpectInput("");
    Trigger("mnuOptDateQuickMark");
    EXPECT_EQ(Bytes("2009Marks.dat"), "07:00:01:255\r\n08:02:01:65535");
    EXPECT_EQ(Bytes("2010Marks.dat"), "00:03:01:255-Back at work");
    EXPECT_TRUE(CellShows(w->sixMonthView()->picMonth[0], CellOf(sep), kQuickMark));
}

TEST_F(MarkCommands, DeleteThisYearsMarksAsksFirst) {
    Put("2009Marks.dat", "03:02:01:32768-Flight");
    Put("2010Marks.dat", "00:05:00:32768");
    Start();
    ui.Expect(MsgAnswer::No, "Are you sure you want to clear all this year's marks? Note: Holidays and Birthdays "
                             "are excluded.");
    Trigger("mnuEditDeleteMarks");
    EXPECT_EQ(ui.SeenDialogs().back().title, "Preparing to clear the yearly marks");
    EXPECT_EQ(Bytes("2009Marks.dat"), "03:02:01:32768-Flight");
    EXPECT_TRUE(YearCellShows(DateSerial(2009, 4, 7), kTravel));

    ui.Expect(MsgAnswer::Yes, "clear all this year's marks");
    Trigger("mnuEditDeleteMarks");
    EXPECT_FALSE(fs::exists(dir + "2009Marks.dat"));
    EXPECT_EQ(Bytes("2010Marks.dat"), "00:05:00:32768");
    EXPECT_FALSE(YearCellShows(DateSerial(2009, 4, 7), kTravel));
    // A new mark on the same day does not bring the deleted note back.
    ClickYearView(DateSerial(2009, 4, 7));
    ui.ExpectInput("");
    Trigger("mnuOptDateQuickMark");
    EXPECT_EQ(Bytes("2009Marks.dat"), "03:02:01:65535");
}

TEST_F(MarkCommands, AHiddenCategoryIsPaintedPlainAndKeepsItsColourInTheFile) {
    Put("2009Marks.dat", "03:02:01:32768");
    Start();
    Date d = DateSerial(2009, 4, 7);
    QAction* travel = w->Menu("mnuEditMark_3");
    ASSERT_TRUE(travel && travel->isChecked());
    Trigger("mnuEditMark_3");
    EXPECT_FALSE(travel->isChecked());
    EXPECT_EQ(s->markers.gMarkerHidden[3], -1);
    EXPECT_FALSE(YearCellShows(d, kTravel));
    EXPECT_TRUE(YearCellShows(d, kVbWhite));

    // Another mark saved meanwhile keeps the hidden one's own colour.
    ClickYearView(DateSerial(2009, 4, 8));
    ui.ExpectInput("");
    Trigger("mnuOptDateQuickMark");
    EXPECT_EQ(Bytes("2009Marks.dat"), "03:02:01:32768\r\n03:03:01:65535");

    ui.Expect(MsgAnswer::OK, "Marker Colors Saved.");
    Trigger("mnuEditMarkerSaveSettings");
    EXPECT_NE(Bytes("Marker Colors.dat").find("Travel:32768*\r\n"), std::string::npos);

    Trigger("mnuEditMarksShowAll");
    EXPECT_TRUE(travel->isChecked());
    EXPECT_TRUE(YearCellShows(d, kTravel));
}

TEST_F(MarkCommands, TheMonthViewShowsMarksAsColouredNumbers) {
    Put("2009Marks.dat", "02:05:02:32768"); // 20 March 2009
    Start();
    Picker("March", "5", "2009");
    w->SwitchView(0);
    PictureBox* box = w->monthView()->picMonth;
    EXPECT_TRUE(CellShows(box, CellOf(DateSerial(2009, 3, 20)), kTravel));

    Date d = DateSerial(2009, 3, 10);
    Cell c = CellOf(d);
    w->monthView()->picMonth_MouseDown(kLeftButton, 0, c.column + 0.5, c.row + 1.25);
    ASSERT_EQ(s->dates.gSelectedDate, d);
    ui.ExpectInput("Dentist");
    Trigger("mnuOptDateQuickMark");
    EXPECT_EQ(Bytes("2009Marks.dat"), "02:02:01:65535-Dentist\r\n02:05:02:32768");
    EXPECT_TRUE(CellShows(box, c, kQuickMark));
    EXPECT_TRUE(CellShows(box, CellOf(DateSerial(2009, 3, 20)), kTravel));
}

TEST_F(MarkCommands, HolidaysAndBirthdaysAreClearedInTheirManagers) {
    fs::create_directories(dir + "Holidays");
    Put("Holidays/2009Holidays.dat", "12/25/09:Christmas Day\r\n");
    Put("Birthdays.dat", "07/04:-1:Ann:****\r\n");
    Start();
    ClickYearView(DateSerial(2009, 12, 25));
    ui.Expect(MsgAnswer::OK, "Use the Holiday Manager to remove this mark.");
    mnuOptDateClearMark_Click(*s, *w);
    ClickYearView(DateSerial(2009, 7, 4));
    ui.Expect(MsgAnswer::OK, "Use the Birthday Manager to remove this mark.");
    mnuOptDateClearMark_Click(*s, *w);
    EXPECT_EQ(ui.SeenDialogs().back().title, "");
    EXPECT_FALSE(fs::exists(dir + "2009Marks.dat"));
}
