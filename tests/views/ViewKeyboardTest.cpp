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
};

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
