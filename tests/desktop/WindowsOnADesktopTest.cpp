// The program's windows under a window manager, which decides which window is in front and
// where the keyboard goes; offscreen none of that shows. The boxes are the program's own, each
// answered by a click once the window manager has given it the keyboard, and what is asserted
// is the window manager's own account: its active window and its stacking order.
#include "DesktopFixture.h"

namespace orvelle {

TEST_F(WindowsOnADesktop, AfterABoxTheWindowThatAskedIsInFrontWithTheKeyboard) {
    StartOnDesktop();
    w->Menu("mnuManageAlerts")->trigger();
    QWidget* alerts = w->findChild<QWidget*>("frmAlert");
    ASSERT_TRUE(alerts && Active(alerts));
    Answer("Alert List Updated.", QMessageBox::Ok, [&](QWidget* box) { EXPECT_TRUE(Above(box, alerts)); });
    alerts->findChild<QPushButton*>("cmdSave_0")->click();
    EXPECT_TRUE(Active(alerts));
    EXPECT_TRUE(Above(alerts, w));
}

// The window manager would put a window without a place of its own in the top left corner, over
// the menus and the date picker.
TEST_F(WindowsOnADesktop, WindowsOpenClearOfTheMenusAndTheDatePicker) {
    StartOnDesktop();
    const QList<QWidget*> needed{w->menuBar(), w->cmbMonth, w->cmbDay, w->cmbYear};
    for (const char* command : {"mnuManageAlerts", "mnuManageNotes", "mnuManageToDo", "mnuManageHolidays",
                                "mnuManageBDays", "mnuManageEmailList", "mnuManageIcons", "mnuEditFind",
                                "mnuHelpContents", "mnuFileOpenExpenses", "mnuFileOpenNotes"}) {
        if (std::strcmp(command, "mnuManageHolidays") == 0) Answer("There is no Holiday List for", QMessageBox::Ok);
        QWidget* opened = OpenedBy(command);
        ASSERT_TRUE(Shown(opened)) << command;
        for (QWidget* under : needed)
            EXPECT_FALSE(opened->frameGeometry().intersects(QRect(under->mapToGlobal(QPoint()), under->size())))
                << command << " covers " << under->objectName().toStdString();
        opened->close();
    }
}

TEST_F(WindowsOnADesktop, BoxesAndDialogsOpenAboveTheWindowsKeptOnTop) {
    StartOnDesktop();
    WriteTermList();
    w->Menu("mnuOptDateOpenPlanner")->trigger();
    frmFUT* terms = frmFUT::Find();
    ASSERT_TRUE(Shown(terms));
    QWidget* planner = w->findChild<QWidget*>("frmPlanner");
    ASSERT_TRUE(planner);
    QTest::keyClicks(planner->findChild<QWidget*>("txt_0"), "Dentist");

    // The planner's question, the terms window's own dialog and input box.
    Answer("The Planner has been changed.", QMessageBox::Cancel, [&](QWidget* box) { EXPECT_TRUE(Above(box, terms)); });
    planner->findChild<QPushButton*>("cmdDay_1")->click();
    terms->findChild<QPushButton*>("cmdOpt_1")->click();
    frmAddFUT* add = frmAddFUT::Find();
    ASSERT_TRUE(Shown(add));
    EXPECT_TRUE(Above(add, terms));
    add->close();
    Answer("Please enter a name for the Frequent Terms File.", QMessageBox::Cancel,
           [&](QWidget* box) { EXPECT_TRUE(Above(box, terms)); });
    terms->findChild<QAction*>("mnuFileNewFUT")->trigger();
    for (const char* command : {"mnuManageFUTPreferences", "mnuManageEmailList", "mnuFileOpenExpenses", "mnuNumOfDays"}) {
        QWidget* dialog = OpenedBy(command);
        ASSERT_TRUE(Shown(dialog)) << command;
        EXPECT_TRUE(Above(dialog, terms)) << command;
        dialog->close();
    }

    // The alarm clock, on top as well and taking the keyboard for a time, and its own message.
    w->Menu("mnuToolsAlarm")->trigger();
    QWidget* alarm = w->findChild<QWidget*>("frmAlarm");
    ASSERT_TRUE(alarm && Active(alarm));
    Answer("A valid time has not been entered.", QMessageBox::Ok, [&](QWidget* box) {
        EXPECT_TRUE(Above(box, alarm));
        EXPECT_TRUE(Above(box, terms));
    });
    alarm->findChild<QPushButton*>("cmdAM")->click();

    // The palette's caption editor, on top too, takes the keyboard for the caption.
    w->Menu("mnuManageIcons")->trigger();
    auto* palette = w->findChild<frmIcons*>("frmIcons");
    ASSERT_TRUE(Shown(palette));
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(4, 4), palette->imgIcon[0]->mapToGlobal(QPointF(4, 4)),
                      Qt::RightButton, Qt::RightButton, {});
    QApplication::sendEvent(palette->imgIcon[0], &press);
    EXPECT_TRUE(palette->iconTag() && Active(palette->iconTag()));
}

TEST_F(WindowsOnADesktop, ATermPutInFromTheTermsWindowTakesTheKeyboardAlong) {
    StartOnDesktop();
    WriteTermList();
    w->Menu("mnuOptDateOpenNotes")->trigger();
    frmNotes* notes = frmNotes::Find(w->mdiArea());
    frmFUT* terms = frmFUT::Find();
    ASSERT_TRUE(notes && Shown(terms));

    // Left in the list, as after a click into it.
    ASSERT_TRUE(Activate(terms));
    terms->lstFUT()->setCurrentRow(0);
    QTest::keyClick(terms->lstFUT(), Qt::Key_Left);
    EXPECT_EQ(notes->txtNotes()->toPlainText(), "Meeting ");
    EXPECT_TRUE(Active(w));
    EXPECT_EQ(QApplication::focusWidget(), notes->txtNotes());

    // Over to the planner, which keeps the terms window, and a term dropped on one of its lines.
    Answer("The Notes have been changed.", QMessageBox::No);
    notes->findChild<QPushButton*>("cmdPlanner")->click();
    QWidget* planner = w->findChild<QWidget*>("frmPlanner");
    ASSERT_TRUE(planner && frmFUT::Find() == terms);
    ASSERT_TRUE(Activate(terms));
    QWidget* line = planner->findChild<QWidget*>("txt_2");
    QMimeData data;
    data.setData(kTermDragFormat, "Lunch");
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(line, &enter);
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(line, &drop);
    EXPECT_TRUE(Active(w));
    EXPECT_EQ(QApplication::focusWidget(), line);
}

} // namespace orvelle
