// The marker colour and caption dialog and the displayed-markers dialog, opened from the main
// window's Manage menu and driven through their controls.
#include "common/MainWindowFixture.h"
#include "common/TypedText.h"
#include "store/DataFiles.h"
#include "store/MarkerCategories.h"
#include "views/frmColors.h"
#include "views/frmMarkers.h"
#include "views/frmYear.h"

#include <QCheckBox>
#include <QPlainTextEdit>
#include <QPushButton>

#include <map>

namespace orvelle {
namespace {

class MarkerDialogs : public MainWindowTest {
protected:
    std::string Defaults() const { return ReadWholeFile(std::string(ORVELLE_DEFAULTS) + "/Marker Colors.dat").value(); }
    std::string File() const { return ReadWholeFile(dir + "Marker Colors.dat").value_or("<missing>"); }
    // The shipped file with line `index` (0-based) replaced.
    std::string DefaultsWith(std::map<int, std::string> changed) const {
        std::vector<std::string> lines = SplitLines(Defaults());
        for (auto& [i, line] : changed) lines[i] = line;
        return JoinCrLf(lines);
    }
    static std::vector<std::string> SplitLines(const std::string& text) {
        std::vector<std::string> out;
        size_t at = 0;
        while (at < text.size()) {
            size_t end = text.find("\r\n", at);
            out.push_back(text.substr(at, end - at));
            at = end == std::string::npos ? text.size() : end + 2;
        }
        return out;
    }

    frmColors* OpenColors() {
        w->Menu("mnuManageUserColors")->trigger();
        Settle();
        auto* f = w->findChild<frmColors*>("frmColors");
        EXPECT_NE(f, nullptr);
        return f;
    }
    frmMarkers* OpenMarkers() {
        w->Menu("mnuManageDisplayedMarks")->trigger();
        Settle();
        auto* f = w->findChild<frmMarkers*>("frmMarkers");
        EXPECT_NE(f, nullptr);
        return f;
    }
    static void Select(frmColors* f, int index) { QTest::mouseClick(f->lblMarker[index], Qt::LeftButton); }
};

TEST_F(MarkerDialogs, ColourClicksNeedACategoryAndTheCaptionBoxGuardsProtectedCaptions) {
    Start();
    frmColors* f = OpenColors();
    ASSERT_TRUE(f);
    EXPECT_EQ(f->windowTitle(), "Available Marker Colors");
    EXPECT_EQ(f->lblMarker[8]->text(), "Holiday");
    EXPECT_TRUE(f->cmdColor[2]->styleSheet().contains("#ff8000"));

    // Nothing selected: a colour click changes nothing, and typing has no category to rename.
    std::array<VbColor, 14> before{};
    for (int i = 0; i < 14; ++i) before[i] = f->MarkerColor(i);
    f->cmdColor[15]->click();
    for (int i = 0; i < 14; ++i) EXPECT_EQ(f->MarkerColor(i), before[i]) << i;
    EXPECT_FALSE(f->txtEdit->isEnabled());

    Select(f, 8);
    EXPECT_EQ(f->txtEdit->text(), "Holiday");
    EXPECT_FALSE(f->txtEdit->isEnabled());
    EXPECT_EQ(f->lblMarker[8]->frameShape(), QFrame::Box);
    Select(f, 10);
    EXPECT_EQ(f->txtEdit->text(), "Quick Mark");
    EXPECT_TRUE(f->txtEdit->isReadOnly());
    EXPECT_EQ(f->lblMarker[8]->frameShape(), QFrame::NoFrame);
    Select(f, 1);
    EXPECT_TRUE(f->txtEdit->isEnabled());
    EXPECT_FALSE(f->txtEdit->isReadOnly());
    f->cmdColor[15]->click();
    EXPECT_EQ(f->MarkerColor(1), 8421504);

    // Leaving without saving stores nothing and the next opening reads the file again.
    f->cmdExit->click();
    Settle();
    EXPECT_FALSE(s->markers.gMarkerColorsLoaded);
    EXPECT_EQ(File(), Defaults());
    EXPECT_EQ(s->markers.gMarkerColors[1], 16711680);
}

TEST_F(MarkerDialogs, RefusedSavesChangeNeitherTheFileNorTheCategories) {
    Start();
    frmColors* f = OpenColors();
    ASSERT_TRUE(f);
    // "Appointment" takes "Meeting"'s blue.
    Select(f, 0);
    f->cmdColor[10]->click();
    prompter.Expect(MsgAnswer::OK, kDuplicateMarkerColor);
    f->cmdSave->click();
    Settle();
    EXPECT_EQ(File(), Defaults());
    EXPECT_EQ(s->markers.gMarkerColors[0], 255) << "memory unchanged too";
    ASSERT_EQ(w->findChild<frmColors*>("frmColors"), f) << "the window stays open";

    // A ":" would split the line at the wrong place.
    f->cmdColor[0]->click();
    Select(f, 3);
    f->txtEdit->setText("Trip: abroad");
    prompter.Expect(MsgAnswer::OK, std::string(kColonInMarkerCaption) + "\"Trip: abroad\".");
    f->cmdSave->click();
    EXPECT_EQ(File(), Defaults());
    EXPECT_EQ(s->markers.gMarkerCaptions[3], "Travel");

    // What the file cannot hold never comes in.
    prompter.Expect(MsgAnswer::OK, "\"ő\" cannot be kept");
    test::TypeText(f->txtEdit, "ő");
    EXPECT_EQ(f->lblMarker[3]->text(), "Trip: abroad");
}

TEST_F(MarkerDialogs, SavedCaptionAndColourKeepTheOtherLinesAndTheStoredHiddenMarks) {
    // "Vacation" is stored hidden; "Personal" is hidden for this session only.
    WriteFileAtomic(dir + "Marker Colors.dat", DefaultsWith({{5, "Vacation:65280*"}}));
    Start();
    s->markers.gMarkerHidden[6] = -1;
    frmColors* f = OpenColors();
    ASSERT_TRUE(f);
    Select(f, 2);
    QTest::keyClicks(f->txtEdit, "Exam");
    EXPECT_EQ(f->lblMarker[2]->text(), "Exam");
    f->cmdColor[5]->click(); // olive, used by no category
    prompter.Expect(MsgAnswer::OK, "Marker Colors Saved.");
    f->cmdSave->click();
    Settle();
    EXPECT_EQ(File(), DefaultsWith({{2, "Exam:32896"}, {5, "Vacation:65280*"}}));
    EXPECT_EQ(s->markers.gMarkerCaptions[2], "Exam");
    EXPECT_EQ(s->markers.gMarkerColors[2], 32896);
    EXPECT_EQ(s->markers.gMarkerHidden[5], -1);
    EXPECT_EQ(w->Menu("mnuEditMark_2")->text(), "Exam");
    EXPECT_EQ(w->Menu("mnuOptDateMarkAs_2")->text(), "Exam");
    EXPECT_EQ(w->findChild<frmColors*>("frmColors"), nullptr) << "closed after redrawing the view";
}

TEST_F(MarkerDialogs, SavingColoursHidesNoCategoryTheUserHasShown) {
    WriteFileAtomic(dir + "Marker Colors.dat", DefaultsWith({{3, "Travel:32768*"}}));
    WriteFileAtomic(dir + "2009Marks.dat", "02:02:01:32768"); // Travel on 10 March 2009
    Start();
    ASSERT_EQ(s->markers.gMarkerHidden[3], -1);
    w->Menu("mnuEditMarksShowAll")->trigger();
    PictureBox* march = w->yearView()->picMonth[2];
    ASSERT_EQ(march->Point(2.15, 1.9), 32768);

    frmColors* f = OpenColors();
    ASSERT_TRUE(f);
    Select(f, 1);
    f->txtEdit->setText("Meetings");
    prompter.Expect(MsgAnswer::OK, "Marker Colors Saved.");
    f->cmdSave->click();
    Settle();
    // The stored choice stays in the file for the next start; this session keeps Travel shown.
    EXPECT_EQ(File(), DefaultsWith({{1, "Meetings:16711680"}, {3, "Travel:32768*"}}));
    EXPECT_EQ(s->markers.gMarkerHidden[3], 0);
    EXPECT_TRUE(w->Menu("mnuEditMark_3")->isChecked());
    EXPECT_EQ(w->yearView()->picMonth[2]->Point(2.15, 1.9), 32768);
    // Opened again, the window reads the file again, and hides nothing either.
    OpenColors()->cmdExit->click();
    EXPECT_EQ(s->markers.gMarkerHidden[3], 0);
}

TEST_F(MarkerDialogs, ANoteOverTheViewIsAskedAboutBeforeTheColoursAreWritten) {
    Start();
    SetPicker("May", "05", "2009");
    w->Menu("mnuOptDateOpenNotes")->trigger();
    Settle();
    auto* notes = w->findChild<QWidget*>("frmNotes");
    ASSERT_TRUE(notes);
    notes->findChild<QPlainTextEdit*>()->setPlainText("typed");
    frmColors* f = OpenColors();
    ASSERT_TRUE(f);
    Select(f, 13);
    f->txtEdit->setText("Misc");

    // Cancel keeps the note, the dialog and its change; the view and the file stay as they were.
    prompter.Expect(MsgAnswer::Cancel, "Text has been changed.");
    f->cmdSave->click();
    Settle();
    EXPECT_EQ(File(), Defaults());
    EXPECT_EQ(s->markers.gMarkerCaptions[13], "Other");
    ASSERT_EQ(w->findChild<frmColors*>("frmColors"), f);
    EXPECT_EQ(f->lblMarker[13]->text(), "Misc");
    EXPECT_TRUE(s->flags.gNotesOpen);

    prompter.Expect(MsgAnswer::No, "Text has been changed.");
    prompter.Expect(MsgAnswer::OK, "Marker Colors Saved.");
    f->cmdSave->click();
    Settle();
    EXPECT_EQ(File(), DefaultsWith({{13, "Misc:8421504"}}));
    EXPECT_FALSE(s->flags.gNotesOpen);
    EXPECT_EQ(w->findChild<frmColors*>("frmColors"), nullptr);
}

TEST_F(MarkerDialogs, WithThePlannerInPlaceTheSavedDialogStaysOpen) {
    Start();
    frmColors* f = OpenColors();
    ASSERT_TRUE(f);
    s->flags.gCalendarView = 0;
    Select(f, 13);
    f->txtEdit->setText("Misc");
    prompter.Expect(MsgAnswer::OK, "Marker Colors Saved.");
    f->cmdSave->click();
    Settle();
    EXPECT_EQ(File(), DefaultsWith({{13, "Misc:8421504"}}));
    EXPECT_EQ(w->findChild<frmColors*>("frmColors"), f);
}

TEST_F(MarkerDialogs, BoxesShowAndHideCategoriesAndTheSavedSettingMarksTheHiddenLines) {
    Start();
    frmMarkers* f = OpenMarkers();
    ASSERT_TRUE(f);
    EXPECT_EQ(f->windowTitle(), "Marker Options");
    for (int i = 0; i < 14; ++i) EXPECT_TRUE(f->chkMarker[i]->isChecked()) << i;
    EXPECT_EQ(f->chkMarker[8]->text(), "Holiday");

    f->chkMarker[3]->click();
    f->chkMarker[9]->click();
    EXPECT_EQ(s->markers.gMarkerHidden[3], -1);
    EXPECT_EQ(s->markers.gMarkerHidden[9], -1);
    EXPECT_FALSE(w->Menu("mnuEditMark_3")->isChecked()) << "the Edit menu agrees with the box";
    EXPECT_TRUE(s->flags.gHighlightToday) << "only categories 4, 8 and 11 govern today's highlight";
    prompter.Expect(MsgAnswer::OK, "Marker Colors Saved.");
    f->cmdSave->click();
    EXPECT_EQ(File(), DefaultsWith({{3, "Travel:32768*"}, {9, "Reminder:12632256*"}}));
    EXPECT_EQ(w->findChild<frmMarkers*>("frmMarkers"), f) << "saving keeps the window open";

    f->chkMarker[4]->click();
    EXPECT_EQ(s->markers.gMarkerHidden[4], -1);
    EXPECT_FALSE(s->flags.gHighlightToday);
    // Today (5 March 2009) is drawn without the highlight now.
    PictureBox* march = w->yearView()->picMonth[2];
    EXPECT_NE(march->Point(4.15, 0.92), s->markers.gMarkerColors[kTodayCategory]);
    f->chkMarker[4]->click();
    EXPECT_TRUE(s->flags.gHighlightToday);
    EXPECT_EQ(march->Point(4.15, 0.92), s->markers.gMarkerColors[kTodayCategory]);

    // The Edit menu's commands move the boxes; Check All brings everything back.
    w->Menu("mnuEditMarksHideAll")->trigger();
    for (int i = 0; i < 14; ++i) EXPECT_FALSE(f->chkMarker[i]->isChecked()) << i;
    f->cmdCheck[0]->click();
    for (int i = 0; i < 14; ++i) {
        EXPECT_TRUE(f->chkMarker[i]->isChecked()) << i;
        EXPECT_EQ(s->markers.gMarkerHidden[i], 0) << i;
        EXPECT_TRUE(w->Menu(QString("mnuEditMark_%1").arg(i))->isChecked()) << i;
    }
    EXPECT_TRUE(s->flags.gHighlightToday);
}

TEST_F(MarkerDialogs, ARefusedDisplaySettingSaveKeepsTheCategoriesAsShown) {
    // "Vacation" is stored hidden; "Other" has a caption that leaves no room for a "*".
    std::string other = std::string(kLongestListLine - 8, 'x') + ":8421504";
    WriteFileAtomic(dir + "Marker Colors.dat", DefaultsWith({{5, "Vacation:65280*"}, {13, other}}));
    Start();
    ASSERT_EQ(s->markers.gMarkerHidden[5], -1);
    frmMarkers* f = OpenMarkers();
    ASSERT_TRUE(f);
    f->chkMarker[5]->click();
    f->chkMarker[13]->click();
    ASSERT_EQ(s->markers.gMarkerHidden[5], 0);
    prompter.Expect(MsgAnswer::OK, "Marker Colors.dat was not saved");
    f->cmdSave->click();
    Settle();
    EXPECT_EQ(File(), DefaultsWith({{5, "Vacation:65280*"}, {13, other}}));
    // The refused save takes back none of the choices on show.
    EXPECT_EQ(s->markers.gMarkerHidden[5], 0);
    EXPECT_TRUE(f->chkMarker[5]->isChecked());
    EXPECT_TRUE(w->Menu("mnuEditMark_5")->isChecked());
    EXPECT_EQ(s->markers.gMarkerHidden[13], -1);
}

} // namespace
} // namespace orvelle
