#include "ReminderTestSupport.h"
#include "common/Patience.h"

#include "reminders/frmHolidays.h"
#include "store/DataFiles.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QTest>

using namespace orvelle;

namespace {

struct HolidayWindowTest : test::ReminderTest {
    ~HolidayWindowTest() override {
        if (w) delete w.data();
    }
    template <class T> T* Get(const char* name) { return w->findChild<T*>(name); }
    void Save(const QString& date, const QString& desc) {
        Get<QLineEdit>("txtDate")->setText(date);
        Get<QLineEdit>("txtDesc")->setText(desc);
        w->cmdSave_Click();
    }
    void ChooseYear(int year) {
        QComboBox* c = Get<QComboBox>("cmbYear");
        int i = c->findText(QString::number(year));
        ASSERT_GE(i, 0);
        c->setCurrentIndex(i);
        w->cmbYear_Click();
    }
    QPointer<frmHolidays> w;
};

} // namespace

TEST_F(HolidayWindowTest, AddsAndReplacesWriteTheYearsFileInDateOrder) {
    prompter.Expect(MsgAnswer::OK, "There is no Holiday List for 2009");
    w = new frmHolidays(*s);
    QComboBox* years = Get<QComboBox>("cmbYear");
    EXPECT_EQ(years->itemText(0), "2008");
    EXPECT_EQ(years->itemText(years->count() - 1), "2019"); // current year + 10
    emit years->lineEdit()->editingFinished(); // leaving the year box tells nothing again
    Save("12/25/2012", "Christmas");
    Save("7/4", " Independence Day");
    Save("Dec 25, 2009", "Christmas Day"); // same date: replaces
    EXPECT_EQ(Read("Holidays/2009Holidays.dat"), "07/04/09: Independence Day\r\n12/25/09:Christmas Day\r\n");
    QListWidget* list = Get<QListWidget>("lstHolidays");
    ASSERT_EQ(list->count(), 2);
    EXPECT_EQ(Get<QLineEdit>("txtDate")->text(), "Jul 04, 2009"); // the first row is shown

    prompter.Expect(MsgAnswer::OK, "Date not recognized as entered.");
    Save("2/29", "Leap"); // 2009 has no 29 February
    prompter.Expect(MsgAnswer::OK, "Please enter a description.");
    Save("1/1", "   ");
    prompter.Expect(MsgAnswer::OK, "There's no date entered.");
    Save(" ", "x");

    // Next year's list can be kept too.
    prompter.Expect(MsgAnswer::OK, "There is no Holiday List for 2010");
    ChooseYear(2010);
    Save("1/1", "New Year");
    EXPECT_EQ(Read("Holidays/2010Holidays.dat"), "01/01/10:New Year\r\n");
    prompter.Expect(MsgAnswer::OK, "Holiday List Saved.");
    w->close();
}

// Only a year chosen from the list changes the year: the keyboard leaving the box chooses none,
// so the missing list is not reported a second time, and a year typed into the box is no choice.
TEST_F(HolidayWindowTest, LeavingTheYearBoxChoosesNoYear) {
    prompter.Expect(MsgAnswer::OK, "There is no Holiday List for 2009");
    w = new frmHolidays(*s);
    w->show();
    w->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w, test::kPatienceMs));
    QComboBox* years = Get<QComboBox>("cmbYear");
    years->setFocus();
    Get<QLineEdit>("txtDesc")->setFocus();
    EXPECT_EQ(prompter.SeenDialogs().size(), 1u);

    // Typed, then left or entered: the year shown stays, and the box names it again.
    for (bool enter : {false, true}) {
        years->setFocus();
        years->lineEdit()->selectAll();
        QTest::keyClicks(years->lineEdit(), "2010");
        if (enter) QTest::keyClick(years->lineEdit(), Qt::Key_Return);
        else Get<QLineEdit>("txtDesc")->setFocus();
        EXPECT_EQ(w->year(), 2009) << enter;
        EXPECT_EQ(years->currentText(), "2009") << enter;
    }
    EXPECT_EQ(prompter.SeenDialogs().size(), 1u);
    Save("1/1", "New Year");
    EXPECT_EQ(Read("Holidays/2009Holidays.dat"), "01/01/09:New Year\r\n");

    // The arrow keys choose from the list.
    prompter.Expect(MsgAnswer::OK, "There is no Holiday List for 2010");
    years->setFocus();
    QTest::keyClick(years, Qt::Key_Down);
    EXPECT_EQ(w->year(), 2010);
    EXPECT_TRUE(prompter.Finished());
}

TEST_F(HolidayWindowTest, RemovingTakesTheClickedRowAndTheLastOneDeletesTheFile) {
    // Not in list order: the row clicked must still name its own holiday.
    Write("Holidays/2009Holidays.dat", "12/25/09:Christmas\r\n01/01/09:New Year\r\n");
    w = new frmHolidays(*s);
    QListWidget* list = Get<QListWidget>("lstHolidays");
    ASSERT_EQ(list->count(), 2);
    EXPECT_EQ(list->item(0)->text(), "01/01/09:New Year");
    list->setCurrentRow(1);
    w->lstHolidays_Click();
    EXPECT_EQ(Get<QLineEdit>("txtDesc")->text(), "Christmas");
    w->cmdDelete_Click();
    EXPECT_EQ(Read("Holidays/2009Holidays.dat"), "01/01/09:New Year\r\n");
    prompter.Expect(MsgAnswer::OK, "There is no Holiday List for 2009");
    w->cmdDelete_Click(); // the first row, as after opening
    EXPECT_FALSE(PathIsFile(dir + "Holidays/2009Holidays.dat"));
    prompter.Expect(MsgAnswer::OK, "Holiday List Saved. Changes will be reflected in your next calendar view.");
    w->close();
}

// A removal the file did not take leaves the holiday listed, and closing does not call it saved.
TEST_F(HolidayWindowTest, ARemovalThatWasNotWrittenIsNotCalledSaved) {
    Write("Holidays/2009Holidays.dat", "01/01/09:New Year\r\n07/04/09:Independence Day\r\n");
    w = new frmHolidays(*s);
    {
        ScopedSizeLimit limit(10);
        prompter.Expect(MsgAnswer::OK, "was not saved");
        w->cmdDelete_Click();
    }
    EXPECT_EQ(Get<QListWidget>("lstHolidays")->count(), 2);
    EXPECT_EQ(Read("Holidays/2009Holidays.dat"), "01/01/09:New Year\r\n07/04/09:Independence Day\r\n");
    w->close();
}

TEST_F(HolidayWindowTest, TheBoxesAndRemoveFollowTheRowTheKeysMoveTo) {
    Write("Holidays/2009Holidays.dat", "01/01/09:New Year\r\n07/04/09:Independence Day\r\n12/25/09:Christmas\r\n");
    w = new frmHolidays(*s);
    w->show();
    QListWidget* list = Get<QListWidget>("lstHolidays");
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(0)).center());
    QTest::keyClick(list, Qt::Key_Down);
    EXPECT_EQ(Get<QLineEdit>("txtDesc")->text(), "Independence Day");
    EXPECT_EQ(Get<QLineEdit>("txtDate")->text(), "Jul 04, 2009");
    QTest::keyClick(list, Qt::Key_End);
    EXPECT_EQ(Get<QLineEdit>("txtDesc")->text(), "Christmas");
    QTest::keyClick(list, Qt::Key_Up);
    EXPECT_EQ(Get<QLineEdit>("txtDesc")->text(), "Independence Day");
    w->cmdDelete_Click();
    EXPECT_EQ(Read("Holidays/2009Holidays.dat"), "01/01/09:New Year\r\n12/25/09:Christmas\r\n");
    QTest::keyClicks(list, "1");
    EXPECT_EQ(Get<QLineEdit>("txtDesc")->text(), "Christmas");
    prompter.Expect(MsgAnswer::OK, "Holiday List Saved.");
    w->close();
}

TEST_F(HolidayWindowTest, ALineTheReaderSkipsIsCopiedIntoBackupBeforeASaveDropsIt) {
    Write("Holidays/2009Holidays.dat", "01/01/09:New Year\r\n12/31/09\r\n");
    AssignThisYearsHolidays(*s);  // the calendar read it first
    w = new frmHolidays(*s);
    ASSERT_EQ(Get<QListWidget>("lstHolidays")->count(), 1);
    Save("7/4", "Independence Day");
    EXPECT_EQ(Read("Holidays/2009Holidays.dat"), "01/01/09:New Year\r\n07/04/09:Independence Day\r\n");
    auto copies = std::filesystem::directory_iterator(dir + "Backup");
    ASSERT_NE(copies, std::filesystem::directory_iterator());
    EXPECT_EQ(ReadWholeFile(copies->path().string()), "01/01/09:New Year\r\n12/31/09\r\n");
    prompter.Expect(MsgAnswer::OK, "Holiday List Saved.");
    w->close();
}
