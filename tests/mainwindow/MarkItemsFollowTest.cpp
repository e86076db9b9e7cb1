// "Quick Mark Selected Date" and "Clear Mark from Selected Date" offer what the selected date's
// cell allows, by every road that moves the selected date, also where nothing is drawn.
#include "common/MainWindowFixture.h"

#include "notes/frmNoteList.h"
#include "notes/frmNotes.h"
#include "notes/frmSearch.h"
#include "planner/PlannerPageView.h"
#include "planner/frmPlanner.h"
#include "store/NotesStore.h"
#include "views/frmMonth.h"

#include <QListWidget>
#include <QMdiArea>
#include <QPushButton>

namespace orvelle {
namespace {

class MarkItemsFollow : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        ASSERT_TRUE(WriteFileAtomic(dir + "2009Marks.dat", "02:02:01:255\r\n")); // 10 March 2009
        ASSERT_TRUE(MakeFolder(dir + "2009"));
        ASSERT_TRUE(WriteFileAtomic(dir + "2009/Notes.dat", Note(kMarked, "lunch") + Note(kUnmarked, "dentist")));
    }
    static std::string Note(Date d, const std::string& text) {
        return FormatMmDdYy(d) + ":" + CellStampOf(d) + ":" + EncodeNoteText(text) + "\r\n";
    }
    // "quick" when only Quick Mark is offered, "clear" when only Clear Mark is.
    std::string Offered() const {
        bool quick = w->MenuEnabled("mnuOptDateQuickMark"), clear = w->MenuEnabled("mnuOptDateClearMark");
        return quick && !clear ? "quick" : clear && !quick ? "clear" : quick ? "both" : "none";
    }
    static void Click(QWidget* in, const char* name) {
        in->findChild<QPushButton*>(name)->click();
        Settle();
    }
    static void PickRow(QListWidget* list, const QString& text) {
        const QList<QListWidgetItem*> hits = list->findItems(text, Qt::MatchExactly);
        ASSERT_EQ(hits.size(), 1) << text.toStdString();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(hits[0]).center());
    }

    const Date kMarked = DateSerial(2009, 3, 10);
    const Date kUnmarked = DateSerial(2009, 3, 12);
};

TEST_F(MarkItemsFollow, ThePickerTheNotesThePlannerAndTheListsMoveThemAlong) {
    StartWithPlanner();
    SetPicker("March", "10", "2009");
    w->mnuCalOneMonth_Click();
    Settle();
    ASSERT_EQ(Offered(), "clear");

    // The picker, read by a command that draws nothing: the view stays on March.
    SetPicker("April", "1", "2009");
    w->Menu("mnuOptDateOpenNotes")->trigger();
    Settle();
    EXPECT_EQ(s->dates.gSelectedDate, DateSerial(2009, 4, 1));
    EXPECT_EQ(Offered(), "quick");
    frmNotes::Find(w->mdiArea())->CloseWindow();
    Settle();
    ASSERT_NE(w->monthView(), nullptr);
    EXPECT_EQ(w->windowTitle(), "Orvelle: Mar 2009 Calendar");
    EXPECT_EQ(Offered(), "quick");

    // A click on the view selects the marked date; the note of the 12th opened from the picker
    // leaves it; the note's planner button brings back the note's own date.
    ClickCell(w->monthView()->picMonth, 2, 1);
    EXPECT_EQ(Offered(), "clear");
    SetPicker("March", "12", "2009");
    w->Menu("mnuOptDateOpenNotes")->trigger();
    Settle();
    EXPECT_EQ(Offered(), "quick");
    ClickCell(w->monthView()->picMonth, 2, 1);
    ASSERT_EQ(s->dates.gSelectedDate, kMarked);
    frmNotes::Find(w->mdiArea())->cmdPlanner_Click();
    Settle();
    EXPECT_EQ(s->dates.gSelectedDate, kUnmarked);
    EXPECT_EQ(Offered(), "quick");

    // The planner's day buttons.
    auto* planner = w->findChild<frmPlanner*>("frmPlanner");
    ASSERT_NE(planner, nullptr);
    for (int back = 0; back < 2; ++back) Click(planner->Page(), "cmdDay_0");
    EXPECT_EQ(s->dates.gSelectedDate, kMarked);
    EXPECT_EQ(Offered(), "clear");

    // The search's hit and the note list's row.
    w->Menu("mnuEditFind")->trigger();
    auto* search = w->findChild<frmSearch*>("frmSearch");
    ASSERT_NE(search, nullptr);
    search->cmbPhrase()->setEditText("dentist");
    prompter.Expect(MsgAnswer::OK, "Search Phrase appears on 1 date");
    Click(search, "cmdSearch");
    PickRow(search->lstResults(), "03/12/09");
    Click(search, "cmdOpen");
    EXPECT_EQ(s->dates.gSelectedDate, kUnmarked);
    EXPECT_EQ(Offered(), "quick");
    search->close();
    w->Menu("mnuManageNotes")->trigger();
    auto* list = w->findChild<frmNoteList*>("frmNoteList");
    ASSERT_NE(list, nullptr);
    PickRow(list->lst(0), "03/10/09");
    Click(list, "cmdOpen_0");
    EXPECT_EQ(s->dates.gSelectedDate, kMarked);
    EXPECT_EQ(Offered(), "clear");
    list->close();
}

// Today's own mark is offered to clear from the start.
TEST_F(MarkItemsFollow, AtStartUpTheyFollowToday) {
    ASSERT_TRUE(WriteFileAtomic(dir + "2009Marks.dat", "02:04:00:255\r\n")); // 5 March 2009
    Start();
    EXPECT_EQ(Offered(), "clear");
}

} // namespace
} // namespace orvelle
