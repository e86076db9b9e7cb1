// The planner's print preview driven by keys through the X server: while it shows, the keyboard
// is in the preview and nothing typed reaches a control it covers; Resume Editing gives the
// keyboard back to the line or the open time editor.
#include "DesktopFixture.h"
#include "RealClicks.h"

#include "planner/PlannerPageView.h"
#include "planner/PlannerPrinting.h"
#include "planner/frmPlanner.h"
#include "platform/MdiChildren.h"

#include <QMdiSubWindow>
#include <QScrollArea>
#include <QScrollBar>

namespace orvelle {

struct PlannerPreviewHoldsTheKeyboard : WindowsOnADesktop {
    void SetUp() override {
        WindowsOnADesktop::SetUp();
        if (IsSkipped()) return;
        StartOnDesktop();
        WriteTermList();
        w->Menu("mnuOptDateOpenPlanner")->trigger();
        planner = w->findChild<frmPlanner*>("frmPlanner");
        ASSERT_TRUE(planner && Shown(frmFUT::Find()));
    }
    // Picks `item` of the planner's menu by keys: Alt+letter, then the arrows.
    void Choose(const char* altKey, const char* menu, const char* item) {
        QMenu* m = planner->MenuBar()->findChild<QMenu*>(menu);
        ASSERT_TRUE(test::Tap({altKey}));
        ASSERT_TRUE(QTest::qWaitFor([m] { return m->isVisible(); }, test::kPatienceMs));
        for (QAction* a : m->actions()) {
            if (a->objectName() == item) break;
            if (!a->isSeparator() && a->isEnabled()) test::Tap({"Down"});
        }
        test::Tap({"Return"});
        ASSERT_TRUE(QTest::qWaitFor([m] { return !m->isVisible(); }, test::kPatienceMs));
    }
    void PreviewOrResume() { Choose("alt+f", "mnuFile", "mnuFilePreview"); }
    QWidget* Preview() const { return planner->findChild<QWidget*>("picPreview"); }
    QLineEdit* Editor() const { return planner->findChild<QLineEdit*>("txtTime"); }
    QLineEdit* Line(int i) const { return planner->Page()->txt(i); }
    bool HasTheKeyboard(QWidget* widget) const {
        return Active(w) && QTest::qWaitFor([widget] { return QApplication::focusWidget() == widget; }, test::kPatienceMs);
    }
    // Types `keys` and checks that they reached nothing on the page.
    void TypedIntoNothing(const char* keys) {
        auto texts = [this] {
            QStringList out{Editor()->text()};
            for (int i = 0; i < PlannerLayout::kBoxes; ++i) out << Line(i)->text();
            return out;
        };
        const QStringList before = texts();
        ASSERT_TRUE(test::TypeKeys(keys));
        test::LetKeysArrive(200);
        EXPECT_EQ(texts(), before);
    }
    static bool TypedInto(QLineEdit* box, const char* keys, const QString& text) {
        test::TypeKeys(keys);
        return QTest::qWaitFor([&] { return box->text() == text; }, test::kPatienceMs);
    }

    frmPlanner* planner = nullptr;
};

TEST_F(PlannerPreviewHoldsTheKeyboard, FromALineAndBackToIt) {
    ASSERT_TRUE(test::ClickAt(Line(3), QPoint(10, Line(3)->height() / 2)));
    ASSERT_TRUE(TypedInto(Line(3), "a", "a"));
    PreviewOrResume();
    ASSERT_NE(PreviewOverlay(*planner), nullptr);
    EXPECT_TRUE(HasTheKeyboard(Preview()));
    TypedIntoNothing("bq 5");
    // The preview's own keys work from there.
    QScrollBar* bar = planner->findChild<QScrollArea*>("scrPage")->verticalScrollBar();
    const int top = bar->value();
    ASSERT_TRUE(test::Tap({"pagedown"}));
    EXPECT_TRUE(QTest::qWaitFor([bar, top] { return bar->value() > top; }, test::kPatienceMs));

    // F3, and a term keyed in from the terms window, put nothing into the hidden line.
    test::Tap({"F3"});
    EXPECT_TRUE(HasTheKeyboard(Preview()));
    QListWidget* terms = frmFUT::Find()->lstFUT();
    test::ClickAt(terms->viewport(), terms->visualItemRect(terms->item(0)).center());
    ASSERT_TRUE(Active(frmFUT::Find()));
    ASSERT_TRUE(test::Tap({"Left"}));
    EXPECT_TRUE(HasTheKeyboard(Preview()));
    TypedIntoNothing("d");

    // Away to another window and back: the keyboard comes back to the preview.
    QWidget other;
    other.show();
    ASSERT_TRUE(Activate(&other));
    other.hide();
    ASSERT_TRUE(Activate(w));
    EXPECT_TRUE(HasTheKeyboard(Preview()));

    PreviewOrResume();
    EXPECT_EQ(PreviewOverlay(*planner), nullptr);
    EXPECT_TRUE(HasTheKeyboard(Line(3)));
    EXPECT_TRUE(TypedInto(Line(3), "c", "ac"));
}

TEST_F(PlannerPreviewHoldsTheKeyboard, TheTimeEditorIsHiddenAndGetsTheKeyboardBack) {
    // A note beside the page, loaded after it.
    w->Menu("mnuOptDateOpenNotes")->trigger();
    frmNotes* notes = frmNotes::Find(w->mdiArea());
    ASSERT_TRUE(notes && test::Tap({"ctrl+Tab"}));
    ASSERT_TRUE(QTest::qWaitFor([&] { return w->mdiArea()->activeSubWindow() == MdiSubWindowOf(planner); },
                                test::kPatienceMs));
    ASSERT_TRUE(test::ClickAt(Line(2), QPoint(10, Line(2)->height() / 2)));
    Choose("alt+e", "mnuEdit", "mnuEditTime");
    ASSERT_TRUE(HasTheKeyboard(Editor()));

    PreviewOrResume();
    EXPECT_TRUE(HasTheKeyboard(Preview()));
    EXPECT_TRUE(Editor()->isHidden());
    TypedIntoNothing("7");
    PreviewOrResume();
    EXPECT_TRUE(HasTheKeyboard(Editor()));
    // Its text is still selected, as the editor opened with it: typing replaces it.
    ASSERT_TRUE(TypedInto(Editor(), "9:30PM", "9:30PM"));
    test::Tap({"Return"});
    EXPECT_TRUE(QTest::qWaitFor([this] { return s->page.gTimeCaptions[2] == "09:30 PM"; }, test::kPatienceMs));
    EXPECT_TRUE(HasTheKeyboard(Line(2)));

    // Change Time chosen during the preview opens the editor over it, in sight and with the
    // keyboard; once it is done, the keyboard is in the preview again, not in the note.
    PreviewOrResume();
    Choose("alt+e", "mnuEdit", "mnuEditTime");
    EXPECT_TRUE(Editor()->isVisible());
    ASSERT_TRUE(TypedInto(Editor(), "7:15AM", "7:15AM"));
    test::Tap({"Return"});
    EXPECT_TRUE(QTest::qWaitFor([this] { return s->page.gTimeCaptions[2] == "07:15 AM"; }, test::kPatienceMs));
    EXPECT_TRUE(HasTheKeyboard(Preview()));
    TypedIntoNothing("x");
    EXPECT_EQ(notes->txtNotes()->toPlainText(), "");
}

} // namespace orvelle
