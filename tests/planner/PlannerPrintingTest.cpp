// The planner page drawn onto a recording target, previewed on the window and printed to PDF.
#include "PlannerWindowFixture.h"
#include "common/KeyboardWaits.h"

#include "planner/PlannerPrinting.h"
#include "planner/PlannerSideCommands.h"
#include "platform/Twips.h"
#include "store/FileChecks.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTest>

namespace orvelle {
namespace {

const Date kMar5 = DateSerial(2009, 3, 5);
using Op = RecordingDrawTarget::Op;

double Twips(int pixels) { return pixels * PixelsToTwipsX(1000) / 1000.0; }

const Op* TextOp(const std::vector<Op>& ops, const QString& text) {
    for (const Op& op : ops)
        if (op.kind == Op::Text && op.text == text) return &op;
    return nullptr;
}

std::vector<Op> OpsAtTop(const std::vector<Op>& ops, double top, double bottom) {
    std::vector<Op> out;
    for (const Op& op : ops)
        if (op.y1 >= top - 1 && op.y1 <= bottom + 1) out.push_back(op);
    return out;
}

class PlannerPrintingTest : public PlannerWindowTest {
protected:
    void Fill() {
        Open(kMar5);
        Box(0)->setText("Dentist");
        Box(32)->setText("5.00");
        Box(44)->setText("1200");
        imgChkBox_Click(*w, *s, 2);
    }
    QRectF BoxTwips(int i) const {
        QRect g = Box(i)->geometry();
        return {Twips(g.x()), Twips(g.y()), Twips(g.width()), Twips(g.height())};
    }
};

TEST_F(PlannerPrintingTest, EachBoxKindIsPlacedByItsTypeAndDoneItemsAreCrossed) {
    Fill();
    mnuOptShowCursPos_Click(*w);
    RecordingDrawTarget rec(true);
    PrintThePlanner(*w->Page(), w->Model(), rec);
    const auto& ops = rec.Ops();

    const Op* amount = TextOp(ops, "5.00");
    ASSERT_NE(amount, nullptr);
    EXPECT_NEAR(amount->x2, BoxTwips(32).right(), 1.0);
    EXPECT_DOUBLE_EQ(amount->font.pointSizeF(), Box(32)->font().pointSizeF() * 0.95);
    const Op* begin = TextOp(ops, "1200");
    ASSERT_NE(begin, nullptr);
    EXPECT_NEAR((begin->x1 + begin->x2) / 2, BoxTwips(44).center().x(), 1.0);
    const Op* appt = TextOp(ops, "Dentist");
    ASSERT_NE(appt, nullptr);
    EXPECT_NEAR(appt->x1, BoxTwips(0).left(), 0.01);
    EXPECT_NE(TextOp(ops, Label("lblMain")->text()), nullptr);
    EXPECT_NE(TextOp(ops, "06:00 AM"), nullptr);

    // An empty box is only its ruled line, 60 twips above its bottom.
    QRectF empty = BoxTwips(1);
    auto inBox = OpsAtTop(ops, empty.top(), empty.bottom());
    std::vector<Op> mine;
    for (const Op& op : inBox)
        if (op.x1 >= empty.left() - 1 && op.x1 <= empty.right()) mine.push_back(op);
    ASSERT_EQ(mine.size(), 1u);
    EXPECT_EQ(mine[0].kind, Op::Line);
    EXPECT_NEAR(mine[0].y1, empty.bottom() - 60, 0.01);

    // Item 3 is done: its box and two diagonals; item 4 only its box.
    auto marks = [&](int k) {
        QRect g = Label(QString("imgChkBox_%1").arg(k))->geometry();
        int boxes = 0, lines = 0;
        for (const Op& op : ops)
            if (std::abs(op.x1 - Twips(g.x())) < 1 || std::abs(op.x1 - Twips(g.right() + 1)) < 1) {
                if (std::abs(std::min(op.y1, op.y2) - Twips(g.y())) < 1) (op.kind == Op::Box ? boxes : lines)++;
            }
        return std::pair(boxes, lines);
    };
    EXPECT_EQ(marks(2), std::pair(1, 2));
    EXPECT_EQ(marks(3), std::pair(1, 0));

    for (const Op& op : ops) EXPECT_FALSE(op.text.startsWith("Cursor Position")) << op.text.toStdString();
    // Printing leaves the page as it was on screen.
    EXPECT_FALSE(Box(0)->isHidden());
    EXPECT_FALSE(Label("lblCursPos_0")->isHidden());
}

TEST_F(PlannerPrintingTest, PreviewHidesThePageAndResumeBringsItAllBack) {
    Fill();
    s->flags.gPrinterPresent = true;
    mnuOptShowCursPos_Click(*w);
    w->mnuOptShowMainLabel_Click(); // the date label hidden: it still previews
    ASSERT_TRUE(Label("lblMain")->isHidden());
    QAction* preview = Item("mnuFilePreview");
    ASSERT_TRUE(preview->isEnabled());

    preview->trigger();
    EXPECT_EQ(preview->text(), "Resume Editing");
    EXPECT_FALSE(Item("mnuFilePrint")->isEnabled());
    PlannerPreviewOverlay* overlay = PreviewOverlay(*w);
    ASSERT_NE(overlay, nullptr);
    EXPECT_NE(TextOp(overlay->Ops(), "5.00"), nullptr);
    EXPECT_NE(TextOp(overlay->Ops(), Label("lblMain")->text()), nullptr);
    EXPECT_EQ(overlay->palette().color(QPalette::Window), QColor(Qt::white));
    for (const Op& op : overlay->Ops()) EXPECT_FALSE(op.text.startsWith("Cursor Position"));
    EXPECT_TRUE(Box(0)->isHidden());
    EXPECT_TRUE(Label("lblTime_0")->isHidden());
    EXPECT_TRUE(Label("lblCursPos_0")->isHidden());
    EXPECT_EQ(Label("lblCursPos_1")->property("Tag").toString(), "WasVisible");
    EXPECT_TRUE(DayButton(0)->isHidden());
    EXPECT_TRUE(DayButton(1)->isHidden());
    // The preview measures with the box font: the amount still ends at its box's edge.
    QRect g = Box(32)->geometry();
    EXPECT_NEAR(TextOp(overlay->Ops(), "5.00")->x2, Twips(g.x() + g.width()), 1.0);
    // Another day opened meanwhile is what the preview shows.
    s->flags.gPlannerChanged = false;
    w->OpenPlannerFor(kMar5 + 1);
    EXPECT_EQ(TextOp(overlay->Ops(), "Dentist"), nullptr);
    EXPECT_NE(TextOp(overlay->Ops(), Label("lblMain")->text()), nullptr);
    EXPECT_TRUE(Box(0)->isHidden());

    preview->trigger();
    EXPECT_EQ(preview->text(), "Print Preview");
    EXPECT_EQ(PreviewOverlay(*w), nullptr);
    EXPECT_TRUE(Item("mnuFilePrint")->isEnabled());
    EXPECT_FALSE(Box(0)->isHidden());
    EXPECT_FALSE(Label("lblTime_0")->isHidden());
    EXPECT_FALSE(Label("lblCursPos_0")->isHidden());
    EXPECT_FALSE(Label("lblCursPos_1")->isHidden());
    EXPECT_EQ(Label("lblCursPos_1")->property("Tag").toString(), "Hide");
    EXPECT_FALSE(DayButton(0)->isHidden());
    EXPECT_FALSE(DayButton(1)->isHidden());
    // The date label is back, and its menu check says so.
    EXPECT_FALSE(Label("lblMain")->isHidden());
    EXPECT_TRUE(Item("mnuOptShowMainLabel")->isChecked());
}

TEST_F(PlannerPrintingTest, ResumeEditingGivesTheKeyboardBackToItsLine) {
    Open(kMar5);
    w->show();
    w->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w, test::kPatienceMs));
    QTest::mouseClick(Box(5), Qt::LeftButton);
    QTest::keyClicks(QApplication::focusWidget(), "Call");
    ASSERT_EQ(Box(5)->text(), "Call");
    QAction* preview = Item("mnuFilePreview");
    preview->trigger();
    preview->trigger();
    ASSERT_EQ(preview->text(), "Print Preview");
    ASSERT_TRUE(test::TakesTheKeyboard(Box(5)));
    QTest::keyClicks(QApplication::focusWidget(), " Ann");
    EXPECT_EQ(Box(5)->text(), "Call Ann");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), Box(6));

    // With the time editor open, editing goes on in the editor.
    Item("mnuEditTime")->trigger();
    QLineEdit* editor = w->findChild<QLineEdit*>("txtTime");
    ASSERT_TRUE(test::TakesTheKeyboard(editor));
    preview->trigger();
    preview->trigger();
    ASSERT_TRUE(test::TakesTheKeyboard(editor));
    QTest::keyClicks(QApplication::focusWidget(), "9:30PM");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(s->page.gTimeCaptions[6], "09:30 PM");
    EXPECT_EQ(Box(6)->text(), "");
    EXPECT_EQ(QApplication::focusWidget(), Box(6));
}

TEST_F(PlannerPrintingTest, PrintWritesThePageOnlyWithAPrinterAndSurvivesAFailedJob) {
    if (QStandardPaths::findExecutable("pdftotext").isEmpty())
        GTEST_SKIP() << "pdftotext is not installed (scripts/install-deps.sh installs poppler-utils)";
    std::string pdf = dir + "planner.pdf";
    qputenv("ORVELLE_PRINT_TO_PDF", QByteArray::fromStdString(pdf));
    Fill();
    s->flags.gPrinterPresent = false;
    mnuFilePrint_Click(*w, *s);
    EXPECT_FALSE(PathIsFile(pdf));

    s->flags.gPrinterPresent = true;
    mnuFilePrint_Click(*w, *s);
    ASSERT_TRUE(PathIsFile(pdf));
    QProcess p;
    p.start(QStandardPaths::findExecutable("pdftotext"), {"-layout", QString::fromStdString(pdf), "-"});
    p.waitForFinished(30000);
    QString text = QString::fromUtf8(p.readAllStandardOutput());
    EXPECT_TRUE(text.contains("Dentist"));
    EXPECT_TRUE(text.contains("5.00"));
    EXPECT_TRUE(text.contains("1200"));
    EXPECT_TRUE(text.contains("Thursday, March 5 2009"));
    EXPECT_TRUE(text.contains("To Do List"));

    // A job that cannot start is logged and reported; the window goes on.
    prompter.Expect(MsgAnswer::OK, "An error occurred in mnuFilePrint_Click.");
    qputenv("ORVELLE_PRINT_TO_PDF", QByteArray::fromStdString(dir + "no/such/folder/x.pdf"));
    mnuFilePrint_Click(*w, *s);
    qunsetenv("ORVELLE_PRINT_TO_PDF");
    EXPECT_FALSE(Box(0)->isHidden());
}

} // namespace
} // namespace orvelle
