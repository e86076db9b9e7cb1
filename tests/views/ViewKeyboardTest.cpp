// The calendar views and the date picker with the keyboard alone: every key goes where the
// keyboard is, as the window system delivers it.
#include "common/KeyboardWaits.h"
#include "common/MainWindowFixture.h"
#include "platform/MdiChildren.h"
#include "views/frmMonth.h"
#include "views/frmYear.h"

#include <QApplication>
#include <QPushButton>

namespace orvelle {
namespace {

class ViewKeyboard : public MainWindowTest {
protected:
    std::string Bytes(const std::string& name) const { return ReadWholeFile(dir + name).value_or("<missing>"); }
    void Write(const std::string& name, const std::string& bytes) { ASSERT_TRUE(WriteFileAtomic(dir + name, bytes)); }
    // The user clicks into the window once; from then on only keys.
    void TakeTheKeyboard(QWidget* widget) {
        FocusWithItsWindow(widget);
        ASSERT_TRUE(test::TakesTheKeyboard(widget));
    }
    static void Key(Qt::Key key, Qt::KeyboardModifiers mods = {}) {
        ASSERT_NE(QApplication::focusWidget(), nullptr);
        QTest::keyClick(QApplication::focusWidget(), key, mods);
        Settle();
    }
    bool Offered(const char* item) const { return w->MenuEnabled(item); }
    static QWidget* Focus() { return QApplication::focusWidget(); }
    static void Type(const QString& text) {
        QTest::keyClicks(Focus(), text);
        Settle();
    }
    // Tab until the keyboard is in `target`; false after a round longer than any window's.
    static bool TabTo(QWidget* target, Qt::KeyboardModifiers mods = {}) {
        for (int i = 0; i < 80 && Focus() != target; ++i) Key(Qt::Key_Tab, mods);
        return Focus() == target;
    }
};

// Tab leads from the view's last control into the picker, on through the bar's buttons and back
// into the view; Shift+Tab goes the other way and F6 moves between the view and the picker.
TEST_F(ViewKeyboard, TabAndF6LeadOutOfTheViewIntoTheBarAndBack) {
    Start();
    frmYear* year = w->yearView();
    TakeTheKeyboard(year->picMain);
    QWidget* before = nullptr;
    for (int i = 0; i < 80 && Focus() != w->cmbMonth; ++i) {
        before = Focus();
        Key(Qt::Key_Tab);
    }
    ASSERT_EQ(Focus(), w->cmbMonth);
    EXPECT_TRUE(year->isAncestorOf(before));
    EXPECT_EQ(w->cmbMonth->lineEdit()->selectedText(), "March");
    QList<QWidget*> bar{w->cmbDay, w->cmbYear, w->imgOpt[0], w->imgOpt[1], w->imgOpt[2],
                        w->imgCal[0], w->imgCal[1], w->imgCal[2], w->cmdAlert};
    for (QWidget* next : bar) {
        Key(Qt::Key_Tab);
        EXPECT_EQ(Focus(), next) << next->objectName().toStdString();
    }
    Key(Qt::Key_Tab);
    EXPECT_TRUE(year->isAncestorOf(Focus()));
    QWidget* first = Focus();
    Key(Qt::Key_Tab, Qt::ShiftModifier);
    EXPECT_EQ(Focus(), w->cmdAlert);
    Key(Qt::Key_Tab);
    ASSERT_EQ(Focus(), first);
    Key(Qt::Key_F6);
    EXPECT_EQ(Focus(), w->cmbMonth);
    Key(Qt::Key_F6);
    EXPECT_EQ(Focus(), first);
}

// Alt+S takes the keyboard to the picker from inside the view; a date typed there and Enter turn
// the calendar to it, and the view buttons take Space.
TEST_F(ViewKeyboard, TheMnemonicTakesThePickerAndEnterTurnsTheCalendar) {
    Write("2010Marks.dat", "05:02:02:65535\r\n"); // 15 June 2010
    Start();
    TakeTheKeyboard(w->yearView()->picMain);
    EXPECT_EQ(w->lblSelect->text(), "&Select >");
    Key(Qt::Key_S, Qt::AltModifier);
    ASSERT_EQ(Focus(), w->cmbMonth);
    Type("June");
    Key(Qt::Key_Tab);
    ASSERT_EQ(Focus(), w->cmbDay);
    Type("15");
    Key(Qt::Key_Tab);
    Type("2010");
    Key(Qt::Key_Return);
    EXPECT_EQ(s->dates.gSelectedDate, DateSerial(2010, 6, 15));
    ASSERT_NE(w->yearView(), nullptr);
    EXPECT_EQ(w->yearView()->cmdMonth[0]->text(), "January, 2010");
    EXPECT_TRUE(Offered("mnuOptDateClearMark"));

    // Tab on to the one-month button: Space shows the month of the date typed.
    ASSERT_TRUE(TabTo(w->imgCal[0]));
    Key(Qt::Key_Space);
    ASSERT_NE(w->monthView(), nullptr);
    EXPECT_EQ(s->view.gMonthViewDate, DateSerial(2010, 6, 15));
    EXPECT_EQ(w->windowTitle(), "Orvelle: Jun 2010 Calendar");
    // Enter on the notes button opens the date's note.
    ASSERT_TRUE(TabTo(w->imgOpt[1], Qt::ShiftModifier));
    Key(Qt::Key_Return);
    EXPECT_NE(w->findChild<QWidget*>("frmNotes"), nullptr);
}

// The alert button opens the manager from Space and Enter as from the left button, once each.
TEST_F(ViewKeyboard, TheAlertButtonTakesTheKeyboard) {
    Start();
    int opened = 0;
    w->SetAlertManagerOpener([&opened] { ++opened; });
    TakeTheKeyboard(w->yearView()->picMain);
    Key(Qt::Key_S, Qt::AltModifier);
    ASSERT_TRUE(TabTo(w->cmdAlert));
    QTest::keyClick(Focus(), Qt::Key_Space);
    EXPECT_EQ(opened, 1);
    QTest::keyClick(Focus(), Qt::Key_Return);
    EXPECT_EQ(opened, 2);
    QTest::mouseClick(w->cmdAlert, Qt::LeftButton);
    EXPECT_EQ(opened, 3);
}

// Stepped by keys, the template's Esc shows the year of the date the steps reached, and the mark
// commands act on that date.
TEST_F(ViewKeyboard, EscFromTheTemplateShowsTheYearTheStepsReached) {
    Start();
    SetPicker("December", "10", "2009");
    w->mnuCalOneMonth_Click();
    prompter.Expect(MsgAnswer::OK, "Click and Drag the Icons onto the selected dates.");
    w->Menu("mnuFileCreateTemplate")->trigger();
    Settle();
    ASSERT_TRUE(s->flags.gTemplateMode);
    TakeTheKeyboard(w->monthView()->picMonth);
    Key(Qt::Key_Right);
    Key(Qt::Key_Right);
    ASSERT_EQ(s->dates.gSelectedDate, DateSerial(2010, 2, 1));
    Key(Qt::Key_Escape);
    ASSERT_NE(w->yearView(), nullptr);
    EXPECT_FALSE(s->flags.gTemplateMode);
    EXPECT_EQ(w->yearView()->cmdMonth[0]->text(), "January, 2010");
    EXPECT_EQ(Picker(), "February 01, 2010");

    prompter.ExpectInput("");
    w->Menu("mnuOptDateQuickMark")->trigger();
    Settle();
    EXPECT_EQ(Bytes("2010Marks.dat"), "01:01:00:65535");
    EXPECT_FALSE(Offered("mnuOptDateQuickMark"));
    EXPECT_TRUE(Offered("mnuOptDateClearMark"));
}

// The mark items follow the selected date however it was reached: by the arrow keys, by Esc to
// the year, by the clear command itself.
TEST_F(ViewKeyboard, MarkItemsFollowADateReachedByKeys) {
    Write("2009Marks.dat", "03:03:00:65535\r\n"); // 1 April 2009
    Start();
    SetPicker("March", "05", "2009");
    w->mnuCalOneMonth_Click();
    TakeTheKeyboard(w->monthView()->picMonth);
    Key(Qt::Key_Right);
    ASSERT_EQ(s->dates.gSelectedDate, DateSerial(2009, 4, 1));
    EXPECT_TRUE(Offered("mnuOptDateClearMark"));
    EXPECT_FALSE(Offered("mnuOptDateQuickMark"));
    Key(Qt::Key_Right);
    EXPECT_FALSE(Offered("mnuOptDateClearMark"));
    EXPECT_TRUE(Offered("mnuOptDateQuickMark"));
    Key(Qt::Key_Left);
    Key(Qt::Key_Escape);
    ASSERT_NE(w->yearView(), nullptr);
    EXPECT_TRUE(Offered("mnuOptDateClearMark"));

    w->Menu("mnuOptDateClearMark")->trigger();
    Settle();
    EXPECT_EQ(Bytes("2009Marks.dat"), "<missing>");
    EXPECT_FALSE(Offered("mnuOptDateClearMark"));
    EXPECT_TRUE(Offered("mnuOptDateQuickMark"));
}

} // namespace
} // namespace orvelle
