#include "common/MainWindowFixture.h"
#include "store/Holidays.h"
#include "views/frmYear.h"

#include <QPlainTextEdit>
#include <QPushButton>

namespace orvelle {
namespace {

class YearViewSelection : public MainWindowTest {
protected:
    PictureBox* Box(int month) { return w->yearView()->picMonth[month]; }
};

TEST_F(YearViewSelection, AClickSelectsTheDate) {
    Start();
    // 18 March 2009 is a Wednesday in the third week row.
    ClickCell(Box(2), 3, 2);
    EXPECT_EQ(s->dates.gSelectedDate, DateSerial(2009, 3, 18));
    EXPECT_EQ(Picker(), "March 18, 2009");
    EXPECT_EQ(w->txtDate->text(), "03/18/09");
    EXPECT_EQ(s->view.gHoverDate, DateSerial(2009, 3, 18));
    EXPECT_EQ(w->lblHoliday->text(), "No Holiday Assigned");
    EXPECT_EQ(s->view.gCurrentCellText, "03/18/09");
    EXPECT_EQ(s->view.gCurrentCellMM, "03");
    EXPECT_EQ(s->view.gCurrentCellDD, "18");
    EXPECT_EQ(s->view.gCurrentCellYYYY, "2009");
    EXPECT_EQ(s->dates.gCurrentCellMonth, 2);
    EXPECT_EQ(s->dates.gCurrentCellColumn, 3);
    EXPECT_EQ(s->dates.gCurrentCellRow, 2);
    EXPECT_EQ(w->lblMonth->text(), "2");
    EXPECT_EQ(w->lblX->text(), "3");
    EXPECT_EQ(w->lblY->text(), "2");
    EXPECT_FALSE(w->mnuDateOptions->isVisible());
}

TEST_F(YearViewSelection, OutsideTheMonthOrInTheHeadBandNothingIsSelected) {
    Start();
    ClickCell(Box(2), 3, 2);
    // 1 January 2009 is a Thursday: the Wednesday before it is outside the month.
    ClickCell(Box(0), 3, 0);
    EXPECT_EQ(s->dates.gSelectedDate, DateSerial(2009, 3, 18));
    EXPECT_EQ(w->txtDate->text(), "");
    EXPECT_EQ(s->view.gCurrentCellText, "");
    EXPECT_EQ(Picker(), "March 18, 2009");
    ClickCell(Box(0), 4, 0, Qt::RightButton);
    EXPECT_EQ(w->txtDate->text(), "01/01/09");
    w->mnuDateOptions->hide();
    Click(Box(0), 4.5, 0.3);
    EXPECT_EQ(w->txtDate->text(), "");
    EXPECT_EQ(s->view.gCurrentCellDD, "");
    EXPECT_EQ(s->dates.gSelectedDate, DateSerial(2009, 1, 1));
}

TEST_F(YearViewSelection, RightClickSelectsThenShowsTheDateMenu) {
    Start();
    // Items with commands behind them follow the cell's mark.
    w->Wire("mnuOptDateQuickMark", [] {});
    w->Wire("mnuOptDateClearMark", [] {});
    s->marks.gThisYearsMarkFlags[6][6][0] = -1; // 4 July 2009
    ClickCell(Box(6), 6, 0, Qt::RightButton);
    EXPECT_EQ(s->dates.gSelectedDate, DateSerial(2009, 7, 4));
    EXPECT_TRUE(w->mnuDateOptions->isVisible());
    EXPECT_FALSE(w->MenuEnabled("mnuOptDateQuickMark"));
    EXPECT_TRUE(w->MenuEnabled("mnuOptDateClearMark"));
    w->mnuDateOptions->hide();
    ClickCell(Box(6), 5, 0);
    EXPECT_TRUE(w->MenuEnabled("mnuOptDateQuickMark"));
    EXPECT_FALSE(w->MenuEnabled("mnuOptDateClearMark"));
    EXPECT_FALSE(w->mnuDateOptions->isVisible());
}

TEST_F(YearViewSelection, HolidayLabelNamesTheFirstHolidayOfTheDate) {
    std::filesystem::create_directories(dir + "Holidays");
    ASSERT_TRUE(WriteFileAtomic(dir + "Holidays/2009Holidays.dat",
                                "07/04/09:Independence Day\r\n07/04/09:Second name\r\n12/25/09:Christmas Day\r\n"));
    Start();
    ClickCell(Box(6), 6, 0);
    EXPECT_EQ(w->lblHoliday->text(), "Holiday = Independence Day");
    ClickCell(Box(6), 5, 0);
    EXPECT_EQ(w->lblHoliday->text(), "No Holiday Assigned");
    // A flag left over from another year's list names no holiday.
    s->holidays.gThisYearsHolidayFlags[6][4][1] = -1;
    ClickCell(Box(6), 4, 1);
    EXPECT_EQ(w->lblHoliday->text(), "No Holiday Assigned");
}

TEST_F(YearViewSelection, DoubleClickOpensTheNoteOfTheDate) {
    Start();
    std::vector<Date> shown;
    s->hooks.ShowNotesWindow = [&] { shown.push_back(s->dates.gSelectedDate); };
    DoubleClick(Box(3), 5.5, 2.25); // 10 April 2009
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0], DateSerial(2009, 4, 10));
    EXPECT_EQ(s->notes.gNotesCaption, "Notes for April 10, 2009");
    EXPECT_EQ(s->dates.gDay, 10);
    // Another date in the date box since the selection: no note.
    w->txtDate->setText("04/11/09");
    DoubleClick(Box(3), 0.5, 0.3);
    EXPECT_EQ(shown.size(), 1u);
}

TEST_F(YearViewSelection, DoubleClickShowsTheNotesWindow) {
    Start();
    DoubleClick(Box(3), 5.5, 2.25); // 10 April 2009
    Settle();
    QWidget* notes = w->findChild<QWidget*>("frmNotes");
    ASSERT_NE(notes, nullptr);
    EXPECT_TRUE(notes->isVisible());
    EXPECT_TRUE(s->flags.gNotesOpen);
    EXPECT_EQ(notes->windowTitle(), "Notes for April 10, 2009");
}

TEST_F(YearViewSelection, DoubleClickOnAnotherDateAsksAboutTheChangedNote) {
    Start();
    DoubleClick(Box(3), 5.5, 2.25); // 10 April 2009
    Settle();
    auto notes = [this] { return w->findChild<QWidget*>("frmNotes"); };
    auto text = [&] { return notes()->findChild<QPlainTextEdit*>("txtNotes")->toPlainText(); };
    ASSERT_NE(notes(), nullptr);
    QTest::keyClicks(notes()->findChild<QPlainTextEdit*>("txtNotes"), "april words");
    ASSERT_TRUE(s->flags.gNotesChanged);

    // Cancel: the typed note stays in the window, still the note of 10 April.
    prompter.Expect(MsgAnswer::Cancel, "The Notes have been changed.");
    DoubleClick(Box(3), 6.5, 2.25); // 11 April 2009
    Settle();
    EXPECT_EQ(notes()->windowTitle(), "Notes for April 10, 2009");
    EXPECT_EQ(text(), "april words");
    EXPECT_TRUE(s->flags.gNotesChanged);
    EXPECT_FALSE(s->flags.gNavigationCancelled);
    EXPECT_FALSE(std::filesystem::exists(dir + "2009/Notes.dat"));

    // Yes: the note is saved under its own date, then the clicked date's note opens.
    prompter.Expect(MsgAnswer::Yes, "The Notes have been changed.").Expect(MsgAnswer::OK, "Notes Saved");
    DoubleClick(Box(3), 6.5, 2.25);
    Settle();
    EXPECT_EQ(ReadWholeFile(dir + "2009/Notes.dat"),
              "04/10/09:" + CellStampOf(DateSerial(2009, 4, 10)) + ":april words\r\n");
    EXPECT_EQ(notes()->windowTitle(), "Notes for April 11, 2009");
    EXPECT_EQ(text(), "");
    EXPECT_FALSE(s->flags.gNotesChanged);

    // No: the edit is dropped and the clicked date's stored note opens.
    QTest::keyClicks(notes()->findChild<QPlainTextEdit*>("txtNotes"), "dropped");
    prompter.Expect(MsgAnswer::No, "The Notes have been changed.");
    DoubleClick(Box(3), 5.5, 2.25);
    Settle();
    ASSERT_NE(notes(), nullptr);
    EXPECT_EQ(notes()->windowTitle(), "Notes for April 10, 2009");
    EXPECT_EQ(text(), "april words");
    EXPECT_FALSE(s->flags.gNotesChanged);
    EXPECT_EQ(ReadWholeFile(dir + "2009/Notes.dat")->find("dropped"), std::string::npos);
}

TEST_F(YearViewSelection, EnterInThePickerRedrawsForThePickedDate) {
    Start();
    SetPicker("March", "5", "2010");
    EXPECT_EQ(w->windowTitle(), "Orvelle: 2009 Calendar"); // changing a box does nothing by itself
    QTest::keyClick(w->cmbDay->lineEdit(), Qt::Key_Return);
    EXPECT_EQ(s->dates.gSelectedDate, DateSerial(2010, 3, 5));
    EXPECT_EQ(w->windowTitle(), "Orvelle: 2010 Calendar");
    EXPECT_EQ(w->yearView()->cmdMonth[0]->text(), "January, 2010");
}

TEST_F(YearViewSelection, AnImpossiblePickerDateIsRefused) {
    Start();
    for (auto [m, d, y] : {std::tuple{"April", "31", "2010"}, {"February", "29", "2010"}, {"March", "5", ""},
                           {"March", "5", "20x0"}}) {
        SetPicker(m, d, y);
        prompter.Expect(MsgAnswer::OK, "is not a valid date");
        QTest::keyClick(w->cmbYear->lineEdit(), Qt::Key_Return);
        EXPECT_EQ(s->dates.gSelectedDate, DateSerial(2009, 3, 5)) << m << d << y;
        EXPECT_EQ(w->windowTitle(), "Orvelle: 2009 Calendar");
        EXPECT_EQ(s->flags.gCalendarView, 12);
    }
    SetPicker("April", "31", "2010");
    prompter.Expect(MsgAnswer::OK, "April 31, 2010");
    w->imgCal_MouseDown(0, Qt::LeftButton);
    EXPECT_EQ(s->flags.gCalendarView, 12);
    EXPECT_NE(w->yearView(), nullptr);
}

TEST_F(YearViewSelection, TypedYearIsTidiedWhenLeft) {
    Start();
    w->cmbYear->setEditText("9");
    w->cmbYear_LostFocus();
    EXPECT_EQ(w->cmbYear->currentText(), "2009");
    w->cmbYear->setEditText("2011");
    w->cmbYear_LostFocus();
    EXPECT_EQ(w->cmbYear->currentText(), "2011");
}

} // namespace
} // namespace orvelle
