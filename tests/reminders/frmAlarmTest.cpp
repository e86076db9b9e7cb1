#include "ReminderTestSupport.h"

#include "platform/Beep.h"
#include "platform/Twips.h"
#include "reminders/frmAlarm.h"

#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace orvelle;

namespace {

struct AlarmTest : test::ReminderTest {
    AlarmTest() {
        SetBeepHook([this] { ++beeps; });
        w = new frmAlarm(*s);
        w->show();
    }
    ~AlarmTest() override {
        SetBeepHook({});
        if (w) delete w.data();
    }
    QPushButton* Button(const QString& name) { return w->findChild<QPushButton*>(name); }
    void Press(const QString& name) { QTest::mouseClick(Button(name), Qt::LeftButton); }
    QLabel* Message() { return w->findChild<QLabel*>("lblAlarm"); }
    QLineEdit* TimeBox() { return w->findChild<QLineEdit*>("txtTime"); }
    static void At(int h, int m, int sec) { SetToday(2009, 3, 5, h * 3600 + m * 60 + sec); }

    int beeps = 0;
    QPointer<frmAlarm> w;
};

} // namespace

TEST_F(AlarmTest, ButtonsBuildTheTimeAndMidnightIsTwelveAm) {
    EXPECT_EQ(Message()->text(), "Click on the Hour, Minute and AM or PM to set the alarm.");
    EXPECT_FALSE(Button("cmdStart")->isVisibleTo(w));
    Press("cmdHour_6");
    EXPECT_EQ(TimeBox()->text(), "7:00");
    Press("cmdHour_11");
    Press("cmdMinute_0");
    EXPECT_EQ(TimeBox()->text(), "12:00");
    Press("cmdAM");
    EXPECT_EQ(w->AlarmMinute(), 0);
    EXPECT_EQ(Message()->text(), "Time is Set for 12:00 AM. Click Start to Begin.");
    EXPECT_TRUE(Button("cmdStart")->isVisibleTo(w));
    // Typed letters never reach the box; each beeps.
    QTest::keyClicks(TimeBox(), "a ");
    EXPECT_EQ(TimeBox()->text(), "12:00");
    EXPECT_EQ(beeps, 2);
    // Seconds are cut to the minute, so the alarm can ring.
    TimeBox()->setText("7:30:15");
    Press("cmdPM");
    EXPECT_EQ(w->AlarmMinute(), 19 * 60 + 30);
    TimeBox()->setText(":30");
    prompter.Expect(MsgAnswer::OK, "A valid time has not been entered.");
    Press("cmdAM");
    prompter.Expect(MsgAnswer::OK, "You must enter a time in the Time Box");
    Press("cmdStart");
}

TEST_F(AlarmTest, ItRingsOnceWithSixBeepsAndTheCheckedTime) {
    Press("cmdHour_6");
    Press("cmdMinute_6");
    Press("cmdAM");
    Press("cmdHour_7"); // not fixed without AM or PM
    Press("cmdStart");
    EXPECT_TRUE(w->Timer1()->isActive());
    EXPECT_EQ(Button("cmdStart")->text(), "Reset");
    EXPECT_FALSE(Button("cmdHour_0")->isEnabled());
    At(7, 29, 55);
    w->Timer1_Timer();
    EXPECT_EQ(beeps, 0);
    At(7, 30, 5);
    w->Timer1_Timer();
    EXPECT_EQ(beeps, 1);
    EXPECT_FALSE(w->Timer1()->isActive());
    EXPECT_TRUE(w->Timer2()->isActive());
    for (int i = 0; i < 5; ++i) w->Timer2_Timer();
    EXPECT_EQ(beeps, 6);
    EXPECT_FALSE(w->Timer2()->isActive());
    EXPECT_EQ(Message()->text(), "The Alarm time of 07:30 AM has been reached.");
    EXPECT_TRUE(Message()->isVisibleTo(w));
    EXPECT_FALSE(Button("cmdAM")->isEnabled());
    Press("cmdStart"); // Reset
    EXPECT_TRUE(Button("cmdAM")->isEnabled());
    EXPECT_EQ(TimeBox()->text(), "");
}

TEST_F(AlarmTest, ResetWhileArmedNeverRingsAndClosingStopsTheTimers) {
    Press("cmdHour_6");
    Press("cmdMinute_6");
    Press("cmdAM");
    Press("cmdStart");
    Press("cmdStart"); // Reset
    EXPECT_FALSE(w->Timer1()->isActive());
    At(7, 30, 5);
    w->Timer1_Timer();
    EXPECT_EQ(beeps, 0);
    EXPECT_EQ(Message()->text(), "Click on the Hour, Minute and AM or PM to set the alarm.");

    Press("cmdHour_6");
    Press("cmdMinute_6");
    Press("cmdAM");
    Press("cmdStart");
    QPointer<QTimer> t1 = w->Timer1();
    w->close();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(t1);
    EXPECT_FALSE(w);
}

TEST_F(AlarmTest, PellumiOpensAtItsOneSizeAndPastedTextMeetsTheKeyFilter) {
    EXPECT_EQ(w->windowTitle(), "Pellumi");
    EXPECT_EQ(w->size(), QSize(TwipsToPixelsX(4800), TwipsToPixelsY(3600)));
    w->resize(w->width() + 40, w->height() + 30);
    EXPECT_EQ(w->size(), QSize(TwipsToPixelsX(4800), TwipsToPixelsY(3600)));

    QApplication::clipboard()->setText("7:30 PM");
    TimeBox()->setFocus();
    QTest::keyClick(TimeBox(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(TimeBox()->text(), "7:30");
    EXPECT_GE(beeps, 1);
    Press("cmdPM");
    EXPECT_EQ(w->AlarmMinute(), 19 * 60 + 30);
}
