#include "common/MainWindowFixture.h"

#include "notes/frmNotes.h"
#include "reminders/frmAlarm.h"
#include "reminders/frmAlert.h"
#include "reminders/frmBDay.h"
#include "reminders/frmHolidays.h"
#include "views/frmYear.h"

#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>

using namespace orvelle;

namespace {

struct ReminderMenusTest : MainWindowTest {
    template <class T> T* Child(const char* name) { return w->findChild<T*>(name, Qt::FindDirectChildrenOnly); }
};

} // namespace

TEST_F(ReminderMenusTest, ANewAlertForTomorrowLightsTheAlertButtonAtOnce) {
    frmMain& m = Start();
    // Wide enough for the side panels with the pending lists.
    m.setWindowState(Qt::WindowNoState);
    m.resize(1400, 1000);
    Settle();
    ASSERT_TRUE(m.yearView()->framRight->isVisible());
    EXPECT_EQ(m.cmdAlert->text(), "No Pending Alerts");
    ASSERT_TRUE(m.Menu("mnuOptDateSetAlert")->isEnabled());
    s->dates.gSelectedDate = DateSerial(2009, 3, 6);
    m.Menu("mnuOptDateSetAlert")->trigger();
    frmAlert* a = Child<frmAlert>("frmAlert");
    ASSERT_TRUE(a);
    EXPECT_EQ(a->findChild<QLineEdit*>("txtDate")->text(), "03/06/09");
    a->findChild<QLineEdit*>("txtValue")->setText("3");
    a->findChild<QPlainTextEdit*>("txtMessage")->setPlainText("Renew the permit");
    prompter.Expect(MsgAnswer::OK, "Alert List Updated.");
    QTest::mouseClick(a->findChild<QPushButton*>("cmdSave_1"), Qt::LeftButton);
    Settle();
    EXPECT_EQ(m.cmdAlert->text(), "1 Pending Alert");
    EXPECT_FALSE(Child<frmAlert>("frmAlert"));
    // The twelve-month view's pending list follows when the manager closes.
    QListWidget* pending = m.yearView()->findChild<QListWidget*>("lstAlerts");
    ASSERT_TRUE(pending);
    ASSERT_EQ(pending->count(), 1);
    EXPECT_EQ(pending->item(0)->text(), "Renew the permit");

    // A left click opens the pending alerts; a right click ignores them.
    QTest::mouseClick(m.cmdAlert, Qt::LeftButton);
    a = Child<frmAlert>("frmAlert");
    ASSERT_TRUE(a);
    EXPECT_TRUE(s->alerts.gAlertViewPending);
    EXPECT_EQ(a->findChild<QListWidget*>("lstAlerts_2")->count(), 1);
    a->findChild<QListWidget*>("lstAlerts_2")->setCurrentRow(0);
    a->lstAlerts_Click(2);
    a->cmdDelete_Click(); // the last alert: no message, no file
    EXPECT_EQ(m.cmdAlert->text(), "No Pending Alerts");
    EXPECT_EQ(m.cmdAlert->toolTip(), "Left Click to view all Alerts.");
    EXPECT_EQ(m.imgAlert->toolTip(), "No Alerts Exist");
    a->close();
    Settle();
    EXPECT_EQ(pending->count(), 0);
}

TEST_F(ReminderMenusTest, ManageAndToolsOpenTheirWindowsOnce) {
    frmMain& m = Start();
    m.Menu("mnuManageAlerts")->trigger();
    m.Menu("mnuManageAlerts")->trigger();
    EXPECT_EQ(m.findChildren<frmAlert*>().size(), 1);
    EXPECT_FALSE(s->alerts.gAlertViewPending);

    m.Menu("mnuManageBDays")->trigger();
    ASSERT_TRUE(Child<frmBDay>("frmBDay"));
    Child<frmBDay>("frmBDay")->close();
    QTest::mouseClick(m.imgBDay, Qt::LeftButton);
    ASSERT_TRUE(Child<frmBDay>("frmBDay"));

    prompter.Expect(MsgAnswer::OK, "There is no Holiday List for 2009");
    m.Menu("mnuManageHolidays")->trigger();
    EXPECT_TRUE(Child<frmHolidays>("frmHolidays"));
    m.Menu("mnuToolsAlarm")->trigger();
    m.Menu("mnuToolsAlarm")->trigger();
    EXPECT_EQ(m.findChildren<frmAlarm*>().size(), 1);
    QTest::mouseClick(m.imgAlert, Qt::LeftButton);
    EXPECT_TRUE(s->alerts.gAlertViewPending);
}

TEST_F(ReminderMenusTest, ClosingTheBirthdayOrHolidayManagerLeavesTheViewAndAnOpenNoteAlone) {
    frmMain& m = Start();
    QPointer<QWidget> view = m.yearView();
    DoubleClick(m.yearView()->picMonth[0], 3.5, 3.25); // 14 January
    Settle();
    frmNotes* notes = frmNotes::Find(m.mdiArea());
    ASSERT_TRUE(notes);
    QTest::keyClicks(notes->txtNotes(), "typed, not saved");

    m.Menu("mnuManageBDays")->trigger();
    Child<frmBDay>("frmBDay")->close();
    Settle();

    ASSERT_TRUE(MakeFolder(dir + "Holidays"));
    prompter.Expect(MsgAnswer::OK, "There is no Holiday List for 2009");
    m.Menu("mnuManageHolidays")->trigger();
    frmHolidays* h = Child<frmHolidays>("frmHolidays");
    h->findChild<QLineEdit*>("txtDate")->setText("1/14");
    h->findChild<QLineEdit*>("txtDesc")->setText("Founders Day");
    h->cmdSave_Click();
    prompter.Expect(MsgAnswer::OK, "Holiday List Saved.");
    h->close();
    Settle();

    ASSERT_EQ(frmNotes::Find(m.mdiArea()), notes);
    EXPECT_EQ(notes->txtNotes()->toPlainText(), "typed, not saved");
    EXPECT_TRUE(s->flags.gNotesChanged);
    EXPECT_EQ(m.yearView(), view.data());
}
