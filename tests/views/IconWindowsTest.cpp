// The icon palette, dragging onto the one-month view, the template and the caption editor,
// through the real windows. The platform drag needs a mouse, so the tests put a drop of their
// own in its place: the drop event goes to the month box as the platform would send it.
#include "../common/MainWindowFixture.h"
#include "../common/TypedText.h"

#include "mainwindow/IconMenus.h"
#include "mainwindow/MainMenuCommands.h"
#include "notes/frmNoteList.h"
#include "notes/frmNotes.h"
#include "platform/MdiChildren.h"
#include "reports/ReportPickers.h"
#include "reports/frmReport.h"
#include "store/IconFiles.h"
#include "store/NotesStore.h"
#include "views/IconDrag.h"
#include "views/frmIconTag.h"
#include "views/frmIcons.h"
#include "views/frmMonth.h"

#include <QComboBox>
#include <QDropEvent>
#include <QListWidget>
#include <QMenuBar>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMimeData>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>

namespace orvelle {
namespace {

class IconWindowsTest : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        SetIconDragRunner([this](QWidget*, const QImage&) { DropNow(); });
    }
    void TearDown() override {
        SetIconDragRunner({});
        MainWindowTest::TearDown();
    }

    frmMonth& ShowMonth(const QString& month, const QString& year) {
        SetPicker(month, "10", year);
        w->mnuCalOneMonth_Click();
        Settle();
        return *w->monthView();
    }
    frmIcons& Palette() { return *w->findChild<frmIcons*>("frmIcons"); }
    // The palette and its caption editor stay on top: they must leave the menus and the date
    // picker clear.
    void ExpectClearOfMenus(QWidget* window) {
        for (QWidget* under : std::initializer_list<QWidget*>{w->menuBar(), w->cmbMonth, w->cmbDay, w->cmbYear})
            EXPECT_FALSE(window->frameGeometry().intersects(QRect(under->mapToGlobal(QPoint(0, 0)), under->size())))
                << under->objectName().toStdString();
    }
    void Trigger(const char* item) {
        ASSERT_TRUE(w->MenuEnabled(item)) << item;
        w->Menu(item)->trigger();
        Settle();
    }

    // What the platform sends to the month box when the drag is released over cell (c, r).
    void DropNow() {
        ++drops;
        if (!dropOn) return; // released somewhere else
        PictureBox* box = w->monthView()->picMonth;
        QMimeData mime;
        mime.setData(kIconMimeType, "icon");
        QPoint at = At(box, dropOn->x(), dropOn->y());
        // The application hands the drop to the widget that took the drag's entry.
        QDragEnterEvent enter(at, Qt::MoveAction, &mime, Qt::LeftButton, {});
        QApplication::sendEvent(box, &enter);
        QDropEvent drop(at, Qt::MoveAction, &mime, Qt::LeftButton, {});
        QApplication::sendEvent(box, &drop);
    }
    static void PressAndMove(QWidget* from, Qt::MouseButton button = Qt::LeftButton) {
        QPointF p(4, 4);
        QMouseEvent press(QEvent::MouseButtonPress, p, from->mapToGlobal(p), button, button, {});
        QApplication::sendEvent(from, &press);
        if (button != Qt::LeftButton) return;
        QPointF q(9, 9);
        QMouseEvent move(QEvent::MouseMove, q, from->mapToGlobal(q), Qt::NoButton, Qt::LeftButton, {});
        QApplication::sendEvent(from, &move);
        QMouseEvent release(QEvent::MouseButtonRelease, q, from->mapToGlobal(q), Qt::LeftButton, {}, {});
        QApplication::sendEvent(from, &release);
    }
    void DragSlot(int slot, int column, int row) {
        dropOn = QPointF(column + 0.5, row + 1.25);
        PressAndMove(Palette().imgIcon[slot]);
    }
    PictureBox* Icon(int k) { return w->monthView()->findChild<PictureBox*>(QString("picIcon_%1").arg(k)); }
    // The icon control's top left corner in the month box's grid units.
    QPointF IconAt(int k) {
        PictureBox* box = w->monthView()->picMonth;
        return box->WidgetToUser(QPointF(Icon(k)->pos()) + QPointF(box->contentsRect().topLeft()));
    }
    std::string File(const std::string& name) { return ReadWholeFile(dir + name).value_or("<none>"); }

    std::optional<QPointF> dropOn;
    int drops = 0;
};

} // namespace

TEST_F(IconWindowsTest, ThreeIconsDraggedOntoADayAreSavedAndComeBack) {
    Start();
    frmMonth& view = ShowMonth("March", "2009");
    Trigger("mnuOptDateShowIcons");
    ASSERT_TRUE(Palette().isVisible());
    ExpectClearOfMenus(&Palette());
    EXPECT_EQ(Palette().windowTitle(), "Available Icons");
    EXPECT_EQ(Palette().imgIcon[0]->toolTip(), "Rent");

    for (int slot : {0, 1, 2}) DragSlot(slot, 2, 1); // 10 March 2009
    EXPECT_EQ(drops, 3);
    for (int k = 0; k < 3; ++k) {
        ASSERT_TRUE(Icon(k) && Icon(k)->isVisible()) << k;
        EXPECT_NEAR(IconAt(k).x(), 2 + IconFiles::gIconSlotOffsetsX[k], 0.02) << k;
        EXPECT_NEAR(IconAt(k).y(), 1 + 1.45, 0.02) << k;
        EXPECT_EQ(Icon(k)->toolTip().toStdString(), s->icons.gIconTagCaptions[k]);
    }
    EXPECT_EQ(Icon(1)->Tag(), "09:01 Index:01");
    EXPECT_TRUE(s->flags.gMonthIconsChanged);
    EXPECT_TRUE(w->MenuEnabled("mnuOptDateRemoveAll"));
    EXPECT_EQ(s->dates.gSelectedDate, DateSerial(2009, 3, 10)); // a drop selects nothing

    prompter.Expect(MsgAnswer::OK, "Calendar Saved.");
    Trigger("mnuFileSaveCalendar");
    EXPECT_EQ(File("2009/Mar_Icons.dat"), "09:00 Index:00\r\n09:01 Index:01\r\n09:02 Index:02\r\n");
    EXPECT_FALSE(s->flags.gMonthIconsChanged);

    // Saved: stepping away asks nothing, and the month shows them again.
    view.cmdNext_Click();
    EXPECT_FALSE(Icon(0)->isVisible());
    view.cmdPrev_Click();
    for (int k = 0; k < 3; ++k) EXPECT_TRUE(Icon(k)->isVisible()) << k;
    EXPECT_EQ(Icon(2)->Tag(), "09:02 Index:02");
}

TEST_F(IconWindowsTest, MovedIconsStayOnARefusedDropAndChangedIconsAreAskedAboutOnEscape) {
    Start();
    frmMonth& view = ShowMonth("March", "2009");
    ShowIconPalette(*w);
    DragSlot(4, 0, 0); // the 1st
    for (int i = 0; i < 4; ++i) DragSlot(5, 1, 0); // the 2nd is full

    dropOn = QPointF(1.5, 1.25);
    prompter.Expect(MsgAnswer::OK, "Day Full");
    PressAndMove(Icon(0));
    EXPECT_EQ(Icon(0)->Tag(), "00:00 Index:04");
    dropOn.reset(); // released outside the month
    PressAndMove(Icon(0));
    EXPECT_EQ(s->icons.gDayIconSlots[0][0], -1);
    dropOn = QPointF(3.5, 3.25); // the 18th
    PressAndMove(Icon(0));
    EXPECT_EQ(Icon(0)->Tag(), "17:00 Index:04");
    EXPECT_NEAR(IconAt(0).x(), 3.04, 0.02);
    EXPECT_EQ(s->icons.gDayIconSlots[0][0], 0);

    // A redraw of the same month (showing every mark) keeps the icons it has not saved.
    Trigger("mnuEditMarksShowAll");
    EXPECT_EQ(w->monthView(), &view);
    EXPECT_TRUE(Icon(0)->isVisible());
    EXPECT_EQ(s->icons.gMonthIconLines[0], "17:00 Index:04");

    // So does the way back to the year view that the notes window's Esc takes.
    prompter.Expect(MsgAnswer::Cancel, "Monthly Icons have been changed");
    ShowYearViewAlone(*w);
    ASSERT_EQ(w->monthView(), &view);
    prompter.Expect(MsgAnswer::Cancel, "Monthly Icons have been changed");
    QTest::keyClick(view.picMonth, Qt::Key_Escape);
    Settle();
    ASSERT_EQ(w->monthView(), &view);
    EXPECT_EQ(s->flags.gCalendarView, 1);
    prompter.Expect(MsgAnswer::No, "Monthly Icons have been changed");
    QTest::keyClick(view.picMonth, Qt::Key_Escape);
    Settle();
    EXPECT_EQ(w->monthView(), nullptr);
    EXPECT_EQ(s->flags.gCalendarView, 12);
    EXPECT_EQ(File("2009/Mar_Icons.dat"), "<none>");
    EXPECT_FALSE(w->MenuEnabled("mnuFileSaveCalendar"));
}

TEST_F(IconWindowsTest, TheReportsAskAboutTheMonthsIconsAndNoChangeIsTakenForAnotherMonths) {
    Start();
    ShowMonth("March", "2009");
    ShowIconPalette(*w);
    DragSlot(0, 2, 1); // 10 March 2009
    auto viewer = [&](const char* name) -> frmReport* {
        for (QMdiSubWindow* sub : w->mdiArea()->subWindowList())
            if (auto* r = qobject_cast<frmReport*>(sub->widget()); r && r->objectName() == name && r->isVisible())
                return r;
        return nullptr;
    };
    // File > Generate ... Report, March 2009, Generate Report Now, answering the icons question.
    auto generate = [&](const char* item, MsgAnswer answer) {
        prompter.Expect(answer, "Monthly Icons have been changed. Do you want to save those changes?");
        if (answer == MsgAnswer::Yes) prompter.Expect(MsgAnswer::OK, "Calendar Saved.");
        Trigger(item);
        auto* picker = w->findChild<frmSelectMonth*>("frmSelectMonth");
        ASSERT_NE(picker, nullptr);
        picker->cmbMonth->setEditText("March");
        picker->cmbYear->setEditText("2009");
        QTest::mouseClick(picker->findChild<QPushButton*>("cmdReport"), Qt::LeftButton);
        Settle();
        EXPECT_TRUE(prompter.Finished()) << item;
    };

    // Cancel builds nothing: the month stays with its unsaved icon.
    generate("mnuFileOpenMiles", MsgAnswer::Cancel);
    generate("mnuFileOpenExpenses", MsgAnswer::Cancel);
    EXPECT_EQ(viewer("frmMileage"), nullptr);
    EXPECT_EQ(viewer("frmExpenses"), nullptr);
    ASSERT_NE(w->monthView(), nullptr);
    EXPECT_TRUE(Icon(0)->isVisible());
    EXPECT_TRUE(s->flags.gMonthIconsChanged);

    // Yes stores March's icon; the expense report leaves the views open under it.
    generate("mnuFileOpenExpenses", MsgAnswer::Yes);
    ASSERT_NE(viewer("frmExpenses"), nullptr);
    EXPECT_EQ(File("2009/Mar_Icons.dat"), "09:00 Index:00\r\n");
    viewer("frmExpenses")->mnuFileExit_Click();
    Settle();

    // No drops the second icon, and the mileage report closes the month view.
    ShowMonth("March", "2009");
    ASSERT_TRUE(Icon(0)->isVisible());
    DragSlot(1, 2, 1);
    generate("mnuFileOpenMiles", MsgAnswer::No);
    ASSERT_NE(viewer("frmMileage"), nullptr);
    EXPECT_EQ(w->monthView(), nullptr);
    EXPECT_FALSE(s->flags.gMonthIconsChanged);
    EXPECT_EQ(File("2009/Mar_Icons.dat"), "09:00 Index:00\r\n");
    viewer("frmMileage")->mnuFileExit_Click();
    Settle();

    // Months shown later were never changed: stepping through them asks nothing, writes nothing.
    frmMonth& april = ShowMonth("April", "2009");
    april.cmdNext_Click();
    april.cmdNext_Click();
    EXPECT_EQ(File("2009/Apr_Icons.dat"), "<none>");
    EXPECT_EQ(File("2009/May_Icons.dat"), "<none>");
    april.cmdPrev_Click();
    april.cmdPrev_Click();
    april.cmdPrev_Click();
    ASSERT_TRUE(Icon(0)->isVisible());
    EXPECT_EQ(Icon(0)->Tag(), "09:00 Index:00");
    EXPECT_FALSE(Icon(1) && Icon(1)->isVisible());

    // A June note opened from the note list takes the month view's date away from March.
    Date june1 = DateSerial(2009, 6, 1);
    ASSERT_TRUE(WriteFileAtomic(dir + "2009/Notes.dat",
                                FormatMmDdYy(june1) + ":" + CellStampOf(june1) + ":" + EncodeNoteText("june") + "\r\n"));
    DragSlot(2, 3, 2);
    Trigger("mnuManageNotes");
    auto* list = w->findChild<frmNoteList*>("frmNoteList");
    ASSERT_NE(list, nullptr);
    QListWidget* notes = list->lst(0);
    ASSERT_EQ(notes->count(), 1);
    QTest::mouseClick(notes->viewport(), Qt::LeftButton, {}, notes->visualItemRect(notes->item(0)).center());
    prompter.Expect(MsgAnswer::Cancel, "Monthly Icons have been changed");
    QTest::mouseClick(list->findChild<QPushButton*>("cmdOpen_0"), Qt::LeftButton);
    Settle();
    EXPECT_EQ(frmNotes::Find(w->mdiArea()), nullptr);
    EXPECT_EQ(MonthOf(s->dates.gSelectedDate), 3);
    EXPECT_TRUE(s->flags.gMonthIconsChanged);
}

TEST_F(IconWindowsTest, AfterANoteOfAnotherMonthTheViewActsOnTheMonthItShows) {
    Start();
    frmMonth& view = ShowMonth("March", "2009");
    ShowIconPalette(*w);
    // A May note moves the selected date away from March; the view stays on March.
    SetPicker("May", "05", "2009");
    Trigger("mnuOptDateOpenNotes");
    auto* notes = frmNotes::Find(w->mdiArea());
    ASSERT_NE(notes, nullptr);
    MdiSubWindowOf(notes)->close();
    Settle();
    ASSERT_EQ(w->monthView(), &view);
    ASSERT_EQ(MonthOf(s->dates.gSelectedDate), 5);

    ClickCell(view.picMonth, 3, 2); // Wednesday 18 March
    EXPECT_EQ(s->dates.gSelectedDate, DateSerial(2009, 3, 18));
    EXPECT_EQ(Picker(), "March 18, 2009");
    DragSlot(4, 3, 2);
    EXPECT_EQ(s->icons.gMonthIconLines[0], "17:00 Index:04");
    prompter.Expect(MsgAnswer::OK, "Calendar Saved.");
    Trigger("mnuFileSaveCalendar");
    EXPECT_EQ(File("2009/Mar_Icons.dat"), "17:00 Index:04\r\n");

    // Next steps from the month on show.
    OpenAndCloseNote("May", "05", "2009");
    view.cmdNext_Click();
    EXPECT_EQ(s->dates.gSelectedDate, DateSerial(2009, 4, 1));
    EXPECT_EQ(s->view.gMonthViewDate, DateSerial(2009, 4, 1));

    // A redraw for the display choices stays on April with its changed icons, whatever month a
    // note has selected since; the selected date stays June's.
    OpenAndCloseNote("June", "05", "2009");
    DragSlot(5, 3, 2); // Wednesday 15 April
    Trigger("mnuEditMarksShowAll");
    EXPECT_EQ(s->view.gMonthViewDate, DateSerial(2009, 4, 1));
    EXPECT_EQ(s->dates.gSelectedDate, DateSerial(2009, 6, 5));
    EXPECT_TRUE(s->flags.gMonthIconsChanged);
    EXPECT_TRUE(Icon(0)->isVisible());
    prompter.Expect(MsgAnswer::OK, "Calendar Saved.");
    Trigger("mnuFileSaveCalendar");
    EXPECT_EQ(File("2009/Apr_Icons.dat"), "14:00 Index:05\r\n");
}

TEST_F(IconWindowsTest, TheDateMenuRemovesOneIconOrAllOfThem) {
    Start();
    ShowMonth("March", "2009");
    ShowIconPalette(*w);
    DragSlot(1, 3, 2);
    DragSlot(2, 3, 2);
    PressAndMove(Icon(0), Qt::RightButton);
    w->mnuDateOptions->hide();
    Trigger("mnuOptDateRemoveIcon");
    EXPECT_FALSE(Icon(0)->isVisible());
    EXPECT_TRUE(Icon(1)->isVisible());
    Trigger("mnuOptDateRemoveIcon"); // already gone: nothing more happens
    EXPECT_EQ(s->icons.gDayIconSlots[17][1], -1);

    prompter.Expect(MsgAnswer::No, "remove all icons for the entire month");
    Trigger("mnuOptDateRemoveAll");
    EXPECT_TRUE(Icon(1)->isVisible());
    prompter.Expect(MsgAnswer::Yes, "remove all icons for the entire month");
    Trigger("mnuOptDateRemoveAll");
    EXPECT_FALSE(Icon(1)->isVisible());
    prompter.Expect(MsgAnswer::OK, "Calendar Saved.");
    Trigger("mnuFileSaveCalendar");
    EXPECT_EQ(File("2009/Mar_Icons.dat"), "");
}

TEST_F(IconWindowsTest, TheTemplateTakesThe31stRefusesThe29thAndLandsOnEachMonthsLastDay) {
    Start();
    ShowMonth("May", "2009");
    ShowIconPalette(*w);
    DragSlot(6, 2, 1);
    prompter.Expect(MsgAnswer::No, "Monthly Icons have been changed");
    prompter.Expect(MsgAnswer::OK, "Click and Drag the Icons onto the selected dates.");
    Trigger("mnuFileCreateTemplate");
    ASSERT_TRUE(s->flags.gTemplateMode);
    EXPECT_EQ(prompter.SeenDialogs().back().text,
              "Click and Drag the Icons onto the selected dates. Icons inserted\r\n"
              "on the 29th and 30th will be discarded and Icons inserted on the 31st\r\n"
              "will appear on the last day of each month, i.e., the 28th for February,\r\n"
              "the 30th for September and so on.\r\n\r\n"
              "When you are finished, select \"Save Calendar Template\" from under\r\n"
              "the menu \"File\". Shortcut = CTRL + T");
    EXPECT_EQ(w->windowTitle(), "Orvelle - Modifying Template");
    EXPECT_FALSE(w->monthView()->picNav->isVisible());
    ExpectClearOfMenus(&Palette());
    EXPECT_FALSE(Icon(0)->isVisible());

    // January 2009: the 29th, 30th and 31st are cells (4, 4), (5, 4) and (6, 4).
    DragSlot(3, 4, 4);
    DragSlot(3, 5, 4);
    EXPECT_FALSE(Icon(0)->isVisible());
    EXPECT_FALSE(s->flags.gMonthIconsChanged);
    DragSlot(3, 6, 4);
    EXPECT_TRUE(Icon(0)->isVisible());
    EXPECT_EQ(s->icons.gTemplateIconLines[0], "30:00 Index:03");

    EXPECT_EQ(w->Menu("mnuFileSaveTemplate")->shortcut(), QKeySequence("Ctrl+T"));
    prompter.Expect(MsgAnswer::OK, "Template Saved.");
    Trigger("mnuFileSaveTemplate");
    EXPECT_EQ(File("Template.dat"), "30:00 Index:03\r\n");
    EXPECT_FALSE(s->flags.gTemplateMode);
    EXPECT_EQ(s->flags.gCalendarView, 12);
    EXPECT_EQ(w->monthView(), nullptr);

    struct Case {
        const char* month;
        const char* year;
        const char* tag;
    };
    for (Case c : {Case{"April", "2009", "29:00 Index:03"}, Case{"February", "2009", "27:00 Index:03"},
                   Case{"February", "2008", "28:00 Index:03"}, Case{"May", "2009", "30:00 Index:03"}}) {
        ShowMonth(c.month, c.year);
        ASSERT_TRUE(Icon(0)->isVisible()) << c.month << c.year;
        EXPECT_EQ(Icon(0)->Tag(), c.tag) << c.month << c.year;
    }

    // Opened in the year view, the File menu greys its Save submenu, which holds Ctrl+T back
    // until the template mode that follows enables it again.
    w->mnuCalOneYear_Click();
    emit w->findChild<QMenu*>("mnuFile")->aboutToShow();
    ASSERT_FALSE(w->MenuEnabled("mnuFileSave"));
    prompter.Expect(MsgAnswer::OK, "Click and Drag");
    Trigger("mnuFileCreateTemplate");
    EXPECT_TRUE(w->MenuEnabled("mnuFileSave"));
    EXPECT_TRUE(w->MenuEnabled("mnuFileSaveTemplate"));
}

// Next from the template, answered Yes, steps from today (the save's date), not from the last
// month shown before; a save of the template asks first about a note open over the month.
TEST_F(IconWindowsTest, NextFromTheTemplateStepsFromTodayAndItsSavesAskTheNoteFirst) {
    Start();
    ShowMonth("July", "2010");
    frmIcons& palette = ShowIconPalette(*w);
    prompter.Expect(MsgAnswer::OK, "Click and Drag");
    Trigger("mnuFileCreateTemplate");
    w->imgOpt_Click(1);
    Settle();
    auto* notes = frmNotes::Find(w->mdiArea());
    ASSERT_NE(notes, nullptr);
    QTest::keyClicks(notes->txtNotes(), "keep");
    std::string before = File("Template.dat");
    prompter.Expect(MsgAnswer::Cancel, "Text has been changed.");
    Trigger("mnuFileSaveTemplate");
    prompter.Expect(MsgAnswer::Cancel, "Text has been changed.");
    QTest::keyClick(&palette, Qt::Key_S, Qt::ShiftModifier);
    Settle();
    EXPECT_TRUE(s->flags.gTemplateMode);
    EXPECT_EQ(File("Template.dat"), before);
    EXPECT_EQ(notes->txtNotes()->toPlainText(), "keep");
    prompter.Expect(MsgAnswer::No, "Text has been changed.");
    ASSERT_TRUE(notes->CloseWindow());
    Settle();

    DragSlot(3, 4, 1);
    ASSERT_TRUE(s->flags.gMonthIconsChanged);
    prompter.Expect(MsgAnswer::Yes, "Monthly Icons have been changed").Expect(MsgAnswer::OK, "Template Saved.");
    w->monthView()->Form_KeyDown(39, 0);
    Settle();
    EXPECT_EQ(File("Template.dat"), "06:00 Index:03\r\n");
    EXPECT_FALSE(s->flags.gTemplateMode);
    EXPECT_EQ(w->yearView(), nullptr);
    ASSERT_NE(w->monthView(), nullptr);
    EXPECT_EQ(s->view.gMonthViewDate, DateSerial(2009, 4, 1));
    EXPECT_EQ(w->windowTitle(), "Orvelle: Apr 2009 Calendar");
}

TEST_F(IconWindowsTest, ShiftSSavesOnlyTheTemplateBeingEditedAndAnEmptyOneWritesAnEmptyFile) {
    ASSERT_TRUE(WriteFileAtomic(dir + "Template.dat", "29:00 Index:08\r\n"));
    Start();
    ShowMonth("March", "2009");
    frmIcons& palette = ShowIconPalette(*w);
    QTest::keyClick(&palette, Qt::Key_S, Qt::ShiftModifier); // not in template mode: nothing
    EXPECT_EQ(File("Template.dat"), "29:00 Index:08\r\n");

    prompter.Expect(MsgAnswer::OK, "Click and Drag");
    Trigger("mnuFileCreateTemplate");
    ASSERT_TRUE(Icon(0)->isVisible()); // the 30th of January
    prompter.Expect(MsgAnswer::Yes, "remove all icons");
    Trigger("mnuOptDateRemoveAll");
    QTest::keyClick(&palette, Qt::Key_S, Qt::ControlModifier);
    QTest::keyClick(&palette, Qt::Key_S);
    EXPECT_TRUE(s->flags.gTemplateMode);
    prompter.Expect(MsgAnswer::OK, "Template Saved.");
    QTest::keyClick(&palette, Qt::Key_S, Qt::ShiftModifier);
    Settle();
    EXPECT_EQ(File("Template.dat"), "");
    EXPECT_EQ(s->flags.gCalendarView, 12);
    EXPECT_FALSE(s->flags.gTemplateMode);
}

TEST_F(IconWindowsTest, TheCaptionEditorRewritesOnlyItsSlotsLine) {
    Start();
    std::vector<std::string> before = ReadLines(dir + "Icon Tags.dat").value();
    ASSERT_EQ(before.size(), 96u);
    mnuOptDateShowIcons_Click(*w); // not in the year view
    EXPECT_EQ(w->findChild<frmIcons*>("frmIcons"), nullptr);
    Trigger("mnuManageIcons");
    prompter.Expect(MsgAnswer::OK, "Icons can only be inserted on the 1 Month Calendar.\r\nRight Click");
    PressAndMove(Palette().imgIcon[0]);
    EXPECT_EQ(drops, 0);

    PressAndMove(Palette().imgIcon[0], Qt::RightButton);
    frmIconTag* editor = Palette().iconTag();
    ASSERT_TRUE(editor && editor->isVisible());
    ExpectClearOfMenus(editor);
    EXPECT_EQ(editor->windowTitle(), "Icon Manager");
    EXPECT_EQ(editor->txtTag->text(), "Rent");
    EXPECT_EQ(editor->txtTag->selectedText(), "Rent");
    EXPECT_EQ(editor->gIconTagIconNumber, 0);
    PictureBox* pic143 = editor->findChild<PictureBox*>("imgIcon_143");
    ASSERT_TRUE(pic143 && pic143->isVisible());
    QTest::mouseClick(pic143, Qt::LeftButton);
    EXPECT_EQ(editor->gIconTagIconNumber, 143);
    editor->cmdSave->click();
    PressAndMove(Palette().imgIcon[5], Qt::RightButton);
    editor->txtTag->setText("Cable: and more");
    editor->cmdSave->click();

    std::vector<std::string> after = ReadLines(dir + "Icon Tags.dat").value();
    ASSERT_EQ(after.size(), 96u);
    EXPECT_EQ(after[0], "143:Rent");
    EXPECT_EQ(after[5], "005:Cable: and more");
    for (int k = 1; k < 96; ++k) {
        if (k == 5) continue;
        EXPECT_EQ(after[k], before[k]) << k;
    }
    EXPECT_EQ(Palette().imgIcon[5]->toolTip(), "Cable: and more");
    EXPECT_EQ(Palette().imgIcon[0]->Image(), editor->imgIcon[143]->Image());

    // A caption too long to be read back is refused, told, and kept neither in the file nor in
    // the palette, so that the next save of another slot does not write it either.
    QString tooLong(20000, 'x');
    editor->txtTag->setText(tooLong);
    prompter.Expect(MsgAnswer::OK, "Icon Tags.dat was not saved");
    editor->cmdSave->click();
    EXPECT_EQ(ReadLines(dir + "Icon Tags.dat").value(), after);
    EXPECT_EQ(s->icons.gIconTagCaptions[5], "Cable: and more");
    EXPECT_EQ(Palette().imgIcon[5]->toolTip(), "Cable: and more");
    EXPECT_EQ(editor->txtTag->text(), tooLong) << "left to be shortened";
    PressAndMove(Palette().imgIcon[7], Qt::RightButton);
    editor->txtTag->setText("Water");
    editor->cmdSave->click();
    std::vector<std::string> last = ReadLines(dir + "Icon Tags.dat").value();
    EXPECT_EQ(last[5], "005:Cable: and more");
    EXPECT_EQ(last[7].substr(3), ":Water");

    // A line break pasted into the caption would split its line and shift every later slot.
    PressAndMove(Palette().imgIcon[8], Qt::RightButton);
    editor->txtTag->setText("Gas\r\nbill");
    editor->cmdSave->click();
    last = ReadLines(dir + "Icon Tags.dat").value();
    ASSERT_EQ(last.size(), 96u);
    EXPECT_EQ(last[8].substr(3), ":Gas  bill");
    EXPECT_EQ(last[9], before[9]);
    PressAndMove(Palette().imgIcon[7], Qt::RightButton);

    // Nor does a character the file has no byte for come in.
    prompter.Expect(MsgAnswer::OK, "\"ő\" cannot be kept");
    test::TypeText(editor->txtTag, "ő");
    EXPECT_EQ(editor->txtTag->text(), "Water");
}

} // namespace orvelle
