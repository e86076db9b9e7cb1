#include "common/MainWindowFixture.h"
#include "mainwindow/ToolButtonLooks.h"
#include "store/Alerts.h"
#include "store/Birthdays.h"

#include <QMouseEvent>
#include <QPushButton>

#include <map>

namespace orvelle {
namespace {

constexpr ButtonLook N = ButtonLook::NoFocus, U = ButtonLook::Up, D = ButtonLook::Down;

TEST(ToolButtonLooks, RestLooksFollowTheViewAndTheTemplate) {
    EXPECT_EQ(RestViewLooks(1, false), (ButtonLooks{D, N, N}));
    EXPECT_EQ(RestViewLooks(1, true), (ButtonLooks{N, N, N}));
    EXPECT_EQ(RestViewLooks(6, false), (ButtonLooks{N, D, N}));
    EXPECT_EQ(RestViewLooks(12, true), (ButtonLooks{N, N, D}));
    EXPECT_EQ(RestViewLooks(0, false), (ButtonLooks{N, N, N}));
    // Any other code keeps whatever the buttons show.
    EXPECT_EQ(RestViewLooks(5, false), std::nullopt);
}

TEST(ToolButtonLooks, HoverOverAViewButton) {
    // Six months shown: the one-month button rises beside the pressed six-month button.
    EXPECT_EQ(HoverViewLooks(0, 6, false), (ButtonLooks{U, D, N}));
    EXPECT_EQ(HoverViewLooks(2, 1, false), (ButtonLooks{D, N, U}));
    // The shown view's own button changes nothing, in template mode as well.
    EXPECT_EQ(HoverViewLooks(1, 6, false), std::nullopt);
    EXPECT_EQ(HoverViewLooks(0, 1, true), std::nullopt);
    EXPECT_EQ(HoverViewLooks(1, 1, true), (ButtonLooks{N, U, N}));
    // With the planner in place of a view none is pressed and none raised.
    EXPECT_EQ(HoverViewLooks(0, 0, false), (ButtonLooks{N, N, N}));
    EXPECT_EQ(HoverViewLooks(2, 0, false), (ButtonLooks{N, N, N}));
}

TEST(ToolButtonLooks, HoverOverAnActionButtonAndTheBar) {
    EXPECT_EQ(HoverOptionLooks(2), (ButtonLooks{N, N, U}));
    BarLooks bar = BarRestLooks(6, false, false);
    EXPECT_EQ(bar.options, (ButtonLooks{N, N, N}));
    EXPECT_EQ(bar.views, (ButtonLooks{N, D, N}));
    bar = BarRestLooks(0, false, true);
    EXPECT_FALSE(bar.options.has_value());
    EXPECT_FALSE(bar.views.has_value());
}

TEST(ToolButtonArt, EveryLookIsItsOwnCrispPicture) {
    std::vector<QImage> seen;
    auto check = [&](const QPixmap& p, int size) {
        EXPECT_EQ(p.deviceIndependentSize().toSize(), QSize(size, size));
        QImage img = p.toImage();
        for (const QImage& other : seen) EXPECT_NE(img, other);
        seen.push_back(img);
    };
    for (int i = 0; i < 3; ++i) {
        for (ButtonLook look : {N, U, D}) check(ToolButtonArt::CalendarButton(i, look), ToolButtonArt::kSize);
        for (ButtonLook look : {N, U, ButtonLook::Exists}) check(ToolButtonArt::OptionButton(i, look), ToolButtonArt::kSize);
    }
    for (bool pending : {false, true}) {
        check(ToolButtonArt::AlertPicture(pending), ToolButtonArt::kIndicatorSize);
        check(ToolButtonArt::BirthdayPicture(pending), ToolButtonArt::kIndicatorSize);
    }
}

class ToolBar : public MainWindowTest {
protected:
    static void MoveOver(QWidget* w, QPoint at = {3, 3}) {
        QMouseEvent e(QEvent::MouseMove, at, w->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(w, &e);
    }
    std::array<ButtonLook, 3> CalLooks() const {
        return {w->imgCal[0]->Look(), w->imgCal[1]->Look(), w->imgCal[2]->Look()};
    }
    std::array<ButtonLook, 3> OptLooks() const {
        return {w->imgOpt[0]->Look(), w->imgOpt[1]->Look(), w->imgOpt[2]->Look()};
    }
    // Every file of the data folder with its bytes.
    std::map<std::string, std::string> Files() const {
        std::map<std::string, std::string> all;
        for (const auto& e : std::filesystem::recursive_directory_iterator(dir))
            if (e.is_regular_file()) all[e.path().string()] = ReadWholeFile(e.path().string()).value_or("?");
        return all;
    }
};

TEST_F(ToolBar, LooksUnderTheMouseOnTheRealWindow) {
    frmMain& m = Start();
    m.SwitchView(1);
    Settle();
    MoveOver(m.imgCal[0]);
    EXPECT_EQ(CalLooks(), (ButtonLooks{U, D, N}));
    // Over the shown view's button nothing changes, the raised button stays raised.
    MoveOver(m.imgCal[1]);
    EXPECT_EQ(CalLooks(), (ButtonLooks{U, D, N}));
    MoveOver(m.picTop, {m.picTop->width() / 2, m.picTop->height() - 2});
    EXPECT_EQ(CalLooks(), (ButtonLooks{N, D, N}));

    // An exists look that a view gave goes with the next hover.
    m.SetOptLook(1, ButtonLook::Exists);
    m.SetOptLook(2, ButtonLook::Exists);
    MoveOver(m.imgOpt[2]);
    EXPECT_EQ(OptLooks(), (ButtonLooks{N, N, U}));
    MoveOver(m.picTop, {m.picTop->width() / 2, m.picTop->height() - 2});
    EXPECT_EQ(OptLooks(), (ButtonLooks{N, N, N}));

    // With the planner open the bar leaves the looks alone.
    s->flags.gPlannerOpen = true;
    s->flags.gCalendarView = 0;
    MoveOver(m.imgCal[2]);
    EXPECT_EQ(CalLooks(), (ButtonLooks{N, N, N}));
    MoveOver(m.imgOpt[0]);
    MoveOver(m.picTop, {m.picTop->width() / 2, m.picTop->height() - 2});
    EXPECT_EQ(OptLooks(), (ButtonLooks{U, N, N}));

    // Each button shows the picture of its look, however often the looks were set.
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(m.imgCal[i]->pixmap().toImage(), ToolButtonArt::CalendarButton(i, m.imgCal[i]->Look()).toImage()) << i;
        EXPECT_EQ(m.imgOpt[i]->pixmap().toImage(), ToolButtonArt::OptionButton(i, m.imgOpt[i]->Look()).toImage()) << i;
    }
}

TEST_F(ToolBar, TheDateLabelTellsTheTime) {
    frmMain& m = Start();
    MoveOver(m.lblDate);
    EXPECT_EQ(m.lblDate->toolTip(), "The time is now 02:05:09 PM ");
    Clock::Set({DateSerial(2009, 3, 5), 9 * 60});
    MoveOver(m.lblDate);
    EXPECT_EQ(m.lblDate->toolTip(), "The time is now 12:09:00 AM ");
}

TEST_F(ToolBar, RightClickIgnoresThePendingAlertsWithoutWritingAnything) {
    std::string lines;
    for (int i = 0; i < 3; ++i) lines += *FormatAlertLine(DateSerial(2009, 3, 5 + i), 5, "Alert " + std::to_string(i)) + "\r\n";
    ASSERT_TRUE(WriteFileAtomic(dir + "Alerts.dat", lines));
    frmMain& m = Start();
    ASSERT_EQ(m.cmdAlert->text(), "3 Pending Alerts");
    auto before = Files();

    QTest::mousePress(m.cmdAlert, Qt::RightButton);
    QTest::mouseRelease(m.cmdAlert, Qt::RightButton);
    EXPECT_EQ(m.cmdAlert->text(), "Alerts Ignored");
    EXPECT_EQ(m.cmdAlert->styleSheet(), "");
    EXPECT_EQ(m.imgAlert->pixmap().toImage(), ToolButtonArt::AlertPicture(false).toImage());
    EXPECT_EQ(m.cmdAlert->toolTip(), "Left Click to View, Right Click to Ignore.");
    EXPECT_EQ(m.imgAlert->toolTip(), "Alerts Exist");
    EXPECT_EQ(Files(), before);

    // A read of the birthdays leaves it ignored; the next read of the alerts brings them back.
    ReadBirthdays(*s);
    EXPECT_EQ(m.cmdAlert->text(), "Alerts Ignored");
    ReadAlerts(*s);
    EXPECT_EQ(m.cmdAlert->text(), "3 Pending Alerts");
    EXPECT_EQ(m.imgAlert->pixmap().toImage(), ToolButtonArt::AlertPicture(true).toImage());
}

TEST_F(ToolBar, TheIndicatorsOpenTheirManagersOnceThereAreSome) {
    frmMain& m = Start();
    // No "Alerts.dat": the indicators keep their first state.
    EXPECT_EQ(m.cmdAlert->text(), "No Pending Alerts");
    EXPECT_EQ(m.cmdAlert->toolTip(), "Click to View");
    EXPECT_EQ(m.imgAlert->toolTip(), "No Alerts Pending");
    EXPECT_EQ(m.imgBDay->toolTip(), "No Birthdays Pending");
    // From the start a left click opens the alert manager on the pending alerts.
    QTest::mouseClick(m.cmdAlert, Qt::LeftButton);
    EXPECT_TRUE(m.findChild<QWidget*>("frmAlert"));
    EXPECT_TRUE(s->alerts.gAlertViewPending);
    s->alerts.gAlertViewPending = false;

    int alerts = 0, birthdays = 0;
    m.SetAlertManagerOpener([&] { ++alerts; });
    m.SetBirthdayManagerOpener([&] { ++birthdays; });
    QTest::mouseClick(m.cmdAlert, Qt::LeftButton);
    EXPECT_EQ(alerts, 1);
    EXPECT_TRUE(s->alerts.gAlertViewPending);
    s->alerts.gAlertViewPending = false;
    QTest::mouseClick(m.imgAlert, Qt::LeftButton);
    EXPECT_EQ(alerts, 2);
    EXPECT_TRUE(s->alerts.gAlertViewPending);
    QTest::mouseClick(m.imgBDay, Qt::LeftButton);
    EXPECT_EQ(birthdays, 1);
    // The middle button ignores the alerts, as the right one does.
    QTest::mousePress(m.cmdAlert, Qt::MiddleButton);
    EXPECT_EQ(m.cmdAlert->text(), "Alerts Ignored");
    EXPECT_EQ(alerts, 2);
}

} // namespace
} // namespace orvelle
