// The month's message labels beside the one-month grid, filled by the view's drawing.
#include "MonthViewFixture.h"

#include "platform/Twips.h"
#include "render/MonthMessages.h"
#include "store/Holidays.h"

#include <QPalette>

#include <gtest/gtest.h>

namespace orvelle {
namespace {

class MonthLabelsTest : public MonthViewTest {
protected:
    QLabel* Label(int i) const { return m->monthView()->findChild<QLabel*>(QString("lblTTT_%1").arg(i)); }
    VbColor LabelColour(int i) const { return VbFromColor(Label(i)->palette().color(QPalette::WindowText)); }

    // `count` birthdays in March, two a day from the 1st on, named by their place in day order.
    void MarchBirthdays(int count) {
        std::string content;
        for (int i = count - 1; i >= 0; --i) // written backwards: the listing sorts them by day
            content += "03/" + TwoDigits(1 + i / 2) + ":-1:P" + TwoDigits(i) + ":****\r\n";
        Write(kBirthdaysFile, content);
        ReadBirthdays(*s);
    }
    void ExpectWideEnough() const {
        ASSERT_GT(PixelsToTwipsX(m->monthView()->width()), 10000) << "the view lists no labels when narrow";
    }
};

TEST_F(MonthLabelsTest, HolidayThenBirthdaysThenMarksEachInItsColour) {
    ASSERT_TRUE(WriteHolidayFile(*s, 2009, {"03/05/09:Founders Day"}));
    Write(kBirthdaysFile, "03/05:-1:Ann:1970\r\n03/05:-1:Bob:****\r\n");
    ReadBirthdays(*s);
    Write("2009Marks.dat", "02:04:00:255-Dentist\r\n02:05:01:65535"); // the 5th and the 13th
    Show(DateSerial(2009, 3, 20));
    ExpectWideEnough();
    const char* expected[] = {"05: Holiday: Founders Day", "05: Birthday: Ann", "05: Birthday: Bob",
                              "05: Appointment: Dentist", "13: Quick Mark"};
    for (int i = 0; i < 5; ++i) EXPECT_EQ(Label(i)->text(), expected[i]) << i;
    EXPECT_EQ(Label(5)->text(), "");
    EXPECT_EQ(LabelColour(0), s->markers.gMarkerColors[kHolidayCategory]);
    EXPECT_EQ(LabelColour(1), s->markers.gMarkerColors[kBirthdayCategory]);
    EXPECT_EQ(LabelColour(3), 255);
    EXPECT_EQ(LabelColour(4), 65535);
    EXPECT_EQ(Label(4)->y() - Label(0)->y(), TwipsToPixelsY(1200));
    // The grid shows the layers in the same order: the mark's colour is painted last.
    EXPECT_TRUE(CellHas(DateSerial(2009, 3, 5), 255));
    EXPECT_FALSE(CellHas(DateSerial(2009, 3, 5), s->markers.gMarkerColors[kHolidayCategory]));

    // The template leaves the labels as they were.
    Show(DateSerial(2009, 3, 20), true);
    EXPECT_EQ(Label(0)->text(), expected[0]);
    // Another month lists its own entries and clears the rest.
    Show(DateSerial(2009, 4, 20));
    EXPECT_EQ(Label(0)->text(), "");
}

TEST_F(MonthLabelsTest, ThirtySixMessagesFillEveryLabelWithoutAMessage) {
    MarchBirthdays(36);
    Show(DateSerial(2009, 3, 1));
    ExpectWideEnough();
    EXPECT_EQ(Label(0)->text(), "01: Birthday: P01");
    EXPECT_EQ(Label(1)->text(), "01: Birthday: P00");
    EXPECT_EQ(Label(35)->text(), "18: Birthday: P34");
    EXPECT_TRUE(prompter.SeenDialogs().empty());
}

TEST_F(MonthLabelsTest, ThirtySevenShowTheMessageOnceAndListTheFirstThirtySix) {
    MarchBirthdays(37);
    prompter.Expect(MsgAnswer::OK, "There are more than 36 assigned messages for the month and only the\r\n"
                                   "first 36 can be listed.");
    Show(DateSerial(2009, 3, 1));
    ExpectWideEnough();
    EXPECT_EQ(Label(0)->text(), "01: Birthday: P01");
    EXPECT_EQ(Label(35)->text(), "18: Birthday: P34"); // P36 on the 19th is the one left out
    ASSERT_EQ(prompter.SeenDialogs().size(), 1u);
    EXPECT_EQ(prompter.SeenDialogs()[0].text, kTooManyMonthMessages);
}

TEST_F(MonthLabelsTest, EachDisplayCommandTellsOnceThatNotAllMessagesFit) {
    MarchBirthdays(37);
    const char* tooMany = "more than 36 assigned messages";
    prompter.Expect(MsgAnswer::OK, tooMany);
    Show(DateSerial(2009, 3, 1));
    ExpectWideEnough();
    prompter.Expect(MsgAnswer::OK, tooMany);
    m->Menu("mnuEditMarksShowAll")->trigger();
    EXPECT_TRUE(prompter.Finished());
    m->Menu("mnuEditMark_4")->trigger(); // birthdays hidden: nothing past 36
    prompter.Expect(MsgAnswer::OK, tooMany);
    m->Menu("mnuEditMark_4")->trigger();
    EXPECT_TRUE(prompter.Finished());
}

} // namespace
} // namespace orvelle
