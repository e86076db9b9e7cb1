// The side panels and the To Do pane of the real view windows, filled from the data files.
#include "common/MainWindowFixture.h"
#include "notes/frmHelp.h"
#include "platform/Cp1252.h"
#include "store/ToDoList.h"
#include "views/ViewPanels.h"
#include "views/frm6Months.h"
#include "views/frmMonth.h"
#include "views/frmYear.h"

#include <QListWidget>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QSet>

namespace orvelle {
namespace {

class SidePanels : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        Clock::Set({DateSerial(2009, 2, 25), 9 * 3600});
        std::string alerts;
        const char* messages[] = {"zero", "one", "two", "Pay rent", "four", "apple pie", "six", "Call bank"};
        for (int i = 0; i < 8; ++i) {
            Date d = i == 3 ? DateSerial(2009, 3, 1) : i == 7 ? DateSerial(2009, 2, 27) : DateSerial(2009, 12, 1);
            alerts += std::to_string(d) + (i == 3 || i == 7 ? ":0010:" : ":0000:") + messages[i] + "\r\n";
        }
        Write("Alerts.dat", alerts);
        Write("Birthdays.dat", "02/29:07:Leap:1980\r\n03/01:07:amy:****\r\n03/15:-1:Zed:****\r\n");
        std::string todo = "\xF3" "Done thing\r\n\xF5   leading blanks\r\n\xF5   \r\n\xF3\r\n";
        for (int i = 4; i < 10; ++i) todo += "\xF5\r\n";
        Write(kToDoFile, todo);
    }
    void Write(const std::string& name, const std::string& content) {
        std::string error;
        ASSERT_TRUE(WriteFileAtomic(dir + name, content, &error)) << error;
    }
    static void ClickRow(QListWidget* list, int row) {
        QRect r = list->visualItemRect(list->item(row));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, r.center());
    }
    // Starts the program in a window wide and tall enough for the side panels and the To Do pane.
    void StartWide() {
        Start();
        w->setWindowState(Qt::WindowNoState);
        w->resize(1400, 1000);
        Settle();
    }
    static QLabel* Label(QWidget* parent, const QString& name) { return parent->findChild<QLabel*>(name); }
    void ToSixMonths() {
        SetPicker("March", "10", "2009");
        w->imgCal_MouseDown(1, Qt::LeftButton);
        Settle();
    }
};

TEST_F(SidePanels, PendingAlertsSortWithoutCaseAndAClickShowsTheRightDate) {
    StartWide();
    frmYear* y = w->yearView();
    ASSERT_TRUE(y->framRight->isVisible()) << y->width() << "x" << y->height();
    QListWidget* lst = y->lstAlerts;
    ASSERT_EQ(lst->count(), 2);
    EXPECT_EQ(lst->item(0)->text(), "Call bank");
    EXPECT_EQ(lst->item(1)->text(), "Pay rent");
    QLabel* date = Label(y, "lblAlertDate");
    EXPECT_EQ(date->text(), "Alert Date =");
    // Alert labels teal, birthday labels blue.
    for (const char* name : {"lblAlerts", "lblAlertDate"})
        EXPECT_EQ(Label(y, name)->palette().color(QPalette::WindowText), QColor(0, 128, 128)) << name;
    for (const char* name : {"lblBirthdays", "lblBirthdayDate"})
        EXPECT_EQ(Label(y, name)->palette().color(QPalette::WindowText), QColor(0, 0, 255)) << name;
    ClickRow(lst, 1);
    EXPECT_EQ(date->text(), "Alert Date = 03/01/09");
    ClickRow(lst, 0);
    EXPECT_EQ(date->text(), "Alert Date = 02/27/09");
    ClickRow(lst, 1);

    // The alerts were read again with fewer records: the row of alert 7 shows nothing.
    s->alerts.gAlertCount = 4;
    s->alerts.gAlertDates.resize(4);
    ClickRow(lst, 0);
    EXPECT_EQ(date->text(), "Alert Date = 03/01/09");
    auto* panels = y->findChild<ViewPanels*>("ViewPanels");
    ASSERT_NE(panels, nullptr);
    EXPECT_EQ(panels->mAlertIndex, 3);
    lst->clearSelection();
    panels->lstAlerts_Click();
    EXPECT_EQ(date->text(), "Alert Date = 03/01/09");

    // A resize while wide refills the list from the store.
    s->alerts.gPendingAlertLines[7].clear();
    y->Form_Resize();
    EXPECT_EQ(lst->count(), 1);
}

TEST_F(SidePanels, LeapDayBirthdayShowsAsWrittenInACommonYear) {
    StartWide();
    ToSixMonths();
    frm6Months* six = w->sixMonthView();
    ASSERT_NE(six, nullptr);
    QListWidget* lst = six->lstBirthdays;
    ASSERT_EQ(lst->count(), 2);
    EXPECT_EQ(lst->item(0)->text(), "amy");
    EXPECT_EQ(lst->item(1)->text(), "Leap");
    QLabel* date = Label(six, "lblBirthdayDate");
    ClickRow(lst, 1);
    EXPECT_EQ(date->text(), "Date = 02/29/09");
    ClickRow(lst, 0);
    EXPECT_EQ(date->text(), "Date = 03/01/09");
}

TEST_F(SidePanels, HelpTopicsAndTheHelpImageInEveryView) {
    StartWide();
    ASSERT_GT(s->help.gHelpCount, 2);
    auto checkTopicClick = [this](QWidget* view) {
        auto* lst = view->findChild<QListWidget*>("lstHelp");
        ASSERT_EQ(lst->count(), s->help.gHelpCount);
        ClickRow(lst, 2);
        EXPECT_EQ(Label(view, "lblSubject")->text(), FromCp1252(s->help.gHelpTitles[2]));
        EXPECT_FALSE(view->findChild<QPlainTextEdit*>("txtHelp")->toPlainText().isEmpty());
        ClickRow(lst, 2);
        EXPECT_EQ(Label(view, "lblSubject")->text(), FromCp1252(s->help.gHelpTitles[2]));
    };
    checkTopicClick(w->yearView());
    ToSixMonths();
    checkTopicClick(w->sixMonthView());

    // Two clicks on the image: one help window, every title once.
    QLabel* img = Label(w->sixMonthView(), "imgHelp");
    QTest::mouseClick(img, Qt::LeftButton);
    QTest::mouseClick(img, Qt::LeftButton);
    auto helps = w->findChildren<frmHelp*>("frmHelp");
    ASSERT_EQ(helps.size(), 1);
    auto* list = helps.front()->findChild<QListWidget*>("lstHelp");
    ASSERT_EQ(list->count(), s->help.gHelpCount);
    QSet<QString> titles;
    for (int i = 0; i < list->count(); ++i) titles.insert(list->item(i)->text());
    EXPECT_EQ(titles.size(), list->count());
    helps.front()->close();
}

TEST_F(SidePanels, MessageStripShowsWholeCaptionsAndScrolls) {
    StartWide();
    SetPicker("March", "10", "2009");
    w->imgCal_MouseDown(0, Qt::LeftButton);
    Settle();
    frmMonth* month = w->monthView();
    ASSERT_NE(month, nullptr);
    ASSERT_TRUE(month->picLeft->isVisible());
    QLabel* label = month->lblTTT[3];
    label->setText("03/10 Meeting: budget review with the whole department");
    QPointF at(5, 5);
    QMouseEvent move(QEvent::MouseMove, at, label->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(label, &move);
    EXPECT_EQ(label->toolTip(), label->text());

    month->VScroll1->setValue(300);
    EXPECT_EQ(month->picTTT->y(), -TwipsToPixelsY(300));
    month->VScroll1->setValue(5400);
    EXPECT_EQ(month->picTTT->y(), -TwipsToPixelsY(5400));
}

TEST_F(SidePanels, ToDoPaneShowsDoneAndOpenItemsWithRowsMadeOnce) {
    StartWide();
    frmYear* y = w->yearView();
    QWidget* pane = y->picToDo;
    ASSERT_TRUE(pane->isVisible());
    QImage checked = Label(pane, "imgChkBoxChecked")->pixmap().toImage();
    QImage unchecked = Label(pane, "imgChkBoxUnChecked")->pixmap().toImage();
    ASSERT_NE(checked, unchecked);
    EXPECT_EQ(Label(pane, "lblToDo_0")->text(), "Done thing");
    EXPECT_EQ(Label(pane, "imgChkBox_0")->pixmap().toImage(), checked);
    EXPECT_EQ(Label(pane, "lblToDo_1")->text(), "   leading blanks");
    EXPECT_EQ(Label(pane, "imgChkBox_1")->pixmap().toImage(), unchecked);
    EXPECT_EQ(Label(pane, "lblToDo_2")->text(), "");
    EXPECT_EQ(Label(pane, "lblToDo_3")->text(), "");
    EXPECT_EQ(Label(pane, "imgChkBox_3")->pixmap().toImage(), checked);
    EXPECT_EQ(Label(pane, "lbl_5")->text(), "6");
    EXPECT_EQ(Label(pane, "lbl_5")->pos(), QPoint(TwipsToPixelsX(6180), TwipsToPixelsY(510)));
    EXPECT_EQ(Label(pane, "lbl_9")->text(), "10");
    QLabel* top = Label(pane, "lblTop");
    EXPECT_TRUE(top->isVisible());
    EXPECT_EQ(top->text().left(28), "The To Do List is displayed ");
    EXPECT_NEAR(top->x(), (pane->contentsRect().width() - top->width()) / 2, 1);

    auto rows = [pane] { return pane->findChildren<QLabel*>(QRegularExpression("^lblToDo_\\d+$")).size(); };
    EXPECT_EQ(rows(), 10);
    QPoint row7 = Label(pane, "imgChkBox_7")->pos();
    EXPECT_TRUE(y->mToDoRowsLoaded);
    y->Form_Resize();
    EXPECT_EQ(rows(), 10);
    EXPECT_EQ(Label(pane, "imgChkBox_7")->pos(), row7);

    // A later read of the list (the to-do window's save) refills the pane.
    Write(kToDoFile, "\xF5" "Call bank\r\n");
    ReadToDoList(*s);
    EXPECT_EQ(Label(pane, "lblToDo_0")->text(), "Call bank");
    EXPECT_EQ(Label(pane, "imgChkBox_0")->pixmap().toImage(), unchecked);
    EXPECT_EQ(Label(pane, "lblToDo_1")->text(), "");
}

// An item far longer than its box is cut at the box: rendered, the view differs from the same
// view with an empty first item only inside that item's box.
TEST_F(SidePanels, ALongToDoItemPaintsOnlyInsideItsBox) {
    std::string todo = "\xF5" + std::string(16383, 'W') + "\r\n\xF5second\r\n";
    for (int i = 2; i < 10; ++i) todo += "\xF5\r\n";
    Write(kToDoFile, todo);
    StartWide();
    frmYear* y = w->yearView();
    QWidget* pane = y->picToDo;
    ASSERT_TRUE(pane->isVisible());
    QLabel* item = Label(pane, "lblToDo_0");
    ASSERT_EQ(item->text().size(), 16383);
    const QRect box(pane->mapTo(y, QPoint(TwipsToPixelsX(720), TwipsToPixelsY(450))),
                    QSize(TwipsToPixelsX(4695), TwipsToPixelsY(285)));
    EXPECT_EQ(QRect(item->mapTo(y, QPoint(0, 0)), item->size()), box);
    QImage withLong = y->grab().toImage();

    Write(kToDoFile, "\xF5\r\n\xF5second\r\n");
    ReadToDoList(*s);
    Settle();
    QImage withEmpty = y->grab().toImage();
    ASSERT_EQ(withLong.size(), withEmpty.size());
    int differing = 0, inside = 0;
    for (int py = 0; py < withLong.height(); ++py)
        for (int px = 0; px < withLong.width(); ++px) {
            if (withLong.pixel(px, py) == withEmpty.pixel(px, py)) continue;
            if (box.contains(px, py)) ++inside;
            else ++differing;
        }
    EXPECT_GT(inside, 0);
    EXPECT_EQ(differing, 0);
}

// The pane first shown because the user made a small window larger: its heading shows too.
TEST_F(SidePanels, ToDoHeadingShowsWhenAGrowingWindowBringsThePane) {
    SetScreenPixelsForTests(QSize(1000, 720));
    Start();
    QWidget* pane = w->yearView()->picToDo;
    ASSERT_FALSE(pane->isVisible());
    w->resize(1400, 1000);
    Settle();
    ASSERT_TRUE(pane->isVisible());
    QLabel* top = Label(pane, "lblTop");
    ASSERT_NE(top, nullptr);
    EXPECT_TRUE(top->isVisible());
    EXPECT_TRUE(Label(pane, "lblToDo_9")->isVisible());
}

TEST_F(SidePanels, SixMonthViewPlacesItsOwnPane) {
    StartWide();
    ToSixMonths();
    QWidget* pane = w->sixMonthView()->picToDo;
    ASSERT_TRUE(pane->isVisible());
    EXPECT_EQ(pane->geometry(), QRect(TwipsToPixelsX(120), TwipsToPixelsY(7290), TwipsToPixelsX(11270),
                                      TwipsToPixelsY(2300)));
    EXPECT_EQ(pane->findChild<QLabel*>("lblToDo_0")->text(), "Done thing");
}

// A window that starts small and is made larger shows the side panels by its resize alone, with
// no drawing of the view after it: the help frame is filled all the same.
TEST_F(SidePanels, PanelsShownByGrowingTheWindowListTheHelpTopics) {
    SetScreenPixelsForTests(QSize(1000, 720));
    Start();
    ASSERT_FALSE(w->yearView()->framRight->isVisible());
    w->imgCal_MouseDown(0, Qt::LeftButton);
    Settle();
    frmMonth* m = w->monthView();
    ASSERT_NE(m, nullptr);
    ASSERT_FALSE(m->picRight->isVisible());
    w->resize(1400, 1000);
    Settle();
    ASSERT_TRUE(m->picRight->isVisible());
    ASSERT_GT(s->help.gHelpCount, 0);
    EXPECT_EQ(m->lstHelp->count(), s->help.gHelpCount);
    EXPECT_EQ(m->lblSubject->text(), FromCp1252(s->help.gHelpTitles[0]));
    EXPECT_TRUE(m->txtHelp->toPlainText().startsWith("Orvelle is a desktop calendar"));

    // Drawn again, the list is filled once, not twice.
    m->cmdNext_Click();
    Settle();
    EXPECT_EQ(m->lstHelp->count(), s->help.gHelpCount);
}

// The panels are built when a window first grows wide enough to show them: then they work as if
// built with the view (a click on a pending alert shows its date, the subject is bold), and Tab
// takes their controls where they stand, after the Prev/Next bar and before the next window.
TEST_F(SidePanels, PanelsBuiltWhenFirstShownWorkAndKeepTheirTabPlace) {
    SetScreenPixelsForTests(QSize(1000, 720));
    Start();
    frmYear* y = w->yearView();
    ASSERT_FALSE(y->framRight->isVisible());
    EXPECT_EQ(y->findChild<QListWidget*>("lstAlerts"), nullptr);
    w->resize(1400, 1000);
    Settle();
    ASSERT_TRUE(y->framRight->isVisible());
    ASSERT_NE(y->lstAlerts, nullptr);
    ASSERT_EQ(y->lstAlerts->count(), 2);
    ClickRow(y->lstAlerts, 0);
    EXPECT_EQ(Label(y, "lblAlertDate")->text(), "Alert Date = 02/27/09");
    EXPECT_TRUE(y->lblSubject->font().bold());
    EXPECT_EQ(y->lblSubject->font().family(), y->lstHelp->font().family());

    QStringList tab;
    for (QWidget* c = y->nextInFocusChain(); c != y; c = c->nextInFocusChain())
        if (y->isAncestorOf(c) && (c->focusPolicy() & Qt::TabFocus) == Qt::TabFocus) tab << c->objectName();
    qsizetype first = tab.indexOf("cmdNext");
    ASSERT_GE(first, 0) << tab.join(" ").toStdString();
    EXPECT_EQ(tab.mid(first, 5).join(" ").toStdString(), "cmdNext lstHelp txtHelp lstAlerts lstBirthdays");
    EXPECT_EQ(tab.indexOf("cmdMonth_11") + 1, tab.indexOf("cmdPrev")) << tab.join(" ").toStdString();
}

} // namespace
} // namespace orvelle
