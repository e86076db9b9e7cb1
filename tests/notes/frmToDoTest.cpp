#include "common/KeyboardWaits.h"
#include "common/MainWindowFixture.h"
#include "common/TypedText.h"

#include "notes/ToDoRows.h"
#include "notes/frmToDo.h"
#include "mainwindow/PlannerLauncher.h"
#include "planner/frmPlanner.h"
#include "platform/Canvas.h"
#include "store/DataFiles.h"
#include "store/ToDoList.h"

#include <QImage>
#include <QKeyEvent>
#include <QProcess>
#include <QStandardPaths>

using namespace orvelle;

namespace {

struct ToDoWindowTest : MainWindowTest {
    std::string ToDoFile() const { return dir + "To Do.dat"; }
    void WriteList(const std::vector<std::pair<std::string, bool>>& items) {
        std::string content;
        for (size_t i = 0; i < 10; ++i) {
            auto item = i < items.size() ? items[i] : std::pair<std::string, bool>{"", false};
            content += FormatToDoLine(item.first, item.second) + "\r\n";
        }
        ASSERT_TRUE(WriteFileAtomic(ToDoFile(), content));
    }
    frmToDo* OpenFromManage() {
        if (!w) Start();
        w->Menu("mnuManageToDo")->trigger();
        Settle();
        return w->findChild<frmToDo*>("frmToDo");
    }
    static QStringList Texts(const frmToDo* t) {
        QStringList out;
        for (int i = 0; i < 10; ++i) out << t->txt(i)->text();
        return out;
    }
    static std::vector<bool> Marks(const frmToDo* t) {
        return std::vector<bool>(t->Rows().done.begin(), t->Rows().done.end());
    }
    static void ClickMark(frmToDo* t, int i) {
        QTest::mouseClick(t->findChild<QWidget*>(QString("imgChkBox_%1").arg(i)), Qt::LeftButton);
    }
};

// Claims a key for the widget it watches, as a desktop key scheme does for a line edit (the X11
// scheme's Ctrl+U clears the line), so that the key would go to the widget, not to a shortcut.
struct ClaimsKey : QObject {
    ClaimsKey(QWidget* w, QKeySequence key) : key_(key) { w->installEventFilter(this); }
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::ShortcutOverride &&
            QKeySequence(static_cast<QKeyEvent*>(e)->keyCombination()) == key_)
            e->accept();
        return false;
    }
    QKeySequence key_;
};

} // namespace

TEST_F(ToDoWindowTest, MovesCarryTheirMarksAndAMoveBlockedByAFilledEndLineChangesNothing) {
    WriteList({{"Call Bob", true}, {"Buy milk", false}, {"", true}, {"Pay rent", true}});
    frmToDo* t = OpenFromManage();
    ASSERT_NE(t, nullptr);
    EXPECT_EQ(t->windowTitle(), "To Do List");
    EXPECT_EQ(Texts(t).mid(0, 4), (QStringList{"Call Bob", "Buy milk", "", "Pay rent"}));

    t->mnuOptMoveDown_Click();
    EXPECT_EQ(Texts(t).mid(0, 5), (QStringList{"", "Call Bob", "Buy milk", "", "Pay rent"}));
    EXPECT_EQ(Marks(t), (std::vector<bool>{false, true, false, true, true, false, false, false, false, false}));
    EXPECT_TRUE(s->todo.gToDoChanged);
    EXPECT_EQ(s->todo.gToDoTexts[1], "Call Bob");

    // Up again brings back the list as it was.
    t->mnuOptMoveUp_Click();
    EXPECT_EQ(Texts(t).mid(0, 4), (QStringList{"Call Bob", "Buy milk", "", "Pay rent"}));
    EXPECT_EQ(Marks(t), (std::vector<bool>{true, false, true, true, false, false, false, false, false, false}));

    // Line 1 filled: up is refused; line 10 filled: down is refused.
    QStringList before = Texts(t);
    t->mnuOptMoveUp_Click();
    EXPECT_EQ(Texts(t), before);
    t->txt(9)->setText("Last");
    before = Texts(t);
    auto marks = Marks(t);
    t->mnuOptMoveDown_Click();
    EXPECT_EQ(Texts(t), before);
    EXPECT_EQ(Marks(t), marks);

    // Remove empties the line and leaves its mark.
    t->cmdDelete_Click(0);
    EXPECT_EQ(t->txt(0)->text(), "");
    EXPECT_TRUE(t->Rows().done[0]);

    // The menu keys work from inside a line, also where the line has a binding of its own for
    // the key: the list moves up and the line's item is not wiped.
    t->activateWindow();
    ASSERT_TRUE(test::BecomesActive(t));
    ClaimsKey claim(t->txt(1), QKeySequence("Ctrl+U"));
    t->txt(1)->setFocus();
    QTest::keyClick(t->txt(1), Qt::Key_U, Qt::ControlModifier);
    EXPECT_EQ(Texts(t).mid(0, 3), (QStringList{"Buy milk", "", "Pay rent"}));
    QTest::keyClick(t->txt(0), Qt::Key_D, Qt::ControlModifier);
    EXPECT_EQ(Texts(t).mid(0, 3), (QStringList{"", "Buy milk", ""}));

    prompter.Expect(MsgAnswer::No, "To Do List has been changed. Do you want to save the changes?");
    EXPECT_TRUE(t->close());
    EXPECT_EQ(prompter.SeenDialogs().back().title, "To Do List Changed");
    EXPECT_EQ(FormatToDoLine("Call Bob", true), ReadWholeFile(ToDoFile())->substr(0, 9));
}

TEST_F(ToDoWindowTest, ALineLongerThanAPlannerLineShowsRedOnLeavingIt) {
    frmToDo* t = OpenFromManage();
    ASSERT_NE(t, nullptr);
    QApplication::setActiveWindow(t);
    t->txt(0)->setText(QString(61, 'x'));
    t->txt(1)->setText(QString(60, 'y'));
    t->txt(0)->setFocus();
    Settle();
    EXPECT_EQ(t->txt(0)->palette().color(QPalette::Base), QColor(0, 255, 255));
    QTest::keyClick(t->txt(0), Qt::Key_Down);
    Settle();
    EXPECT_TRUE(t->txt(1)->hasFocus());
    EXPECT_EQ(t->txt(0)->palette().color(QPalette::Base), QColor(255, 0, 0));
    QTest::keyClick(t->txt(1), Qt::Key_Return);
    Settle();
    EXPECT_EQ(t->txt(1)->palette().color(QPalette::Base), QColor(255, 255, 255));
    EXPECT_EQ(t->txt(1)->text(), QString(60, 'y')); // Enter inserts nothing
    // Up on line 1 and Down on line 10 keep the focus.
    t->txt(9)->setFocus();
    QTest::keyClick(t->txt(9), Qt::Key_Down);
    EXPECT_TRUE(t->txt(9)->hasFocus());
    t->txt(0)->setFocus();
    QTest::keyClick(t->txt(0), Qt::Key_Up);
    EXPECT_TRUE(t->txt(0)->hasFocus());
    s->todo.gToDoChanged = false;
}

TEST_F(ToDoWindowTest, ADoneMarkIsAChangeThatCloseAsksAboutAndSaveWrites) {
    WriteList({{"Call Bob", false}});
    frmToDo* t = OpenFromManage();
    ASSERT_NE(t, nullptr);
    ClickMark(t, 0);
    EXPECT_TRUE(t->Rows().done[0]);
    EXPECT_TRUE(s->todo.gToDoChanged);
    // Nothing reaches the store's list (the calendar pane, the planner's import) before Save.
    EXPECT_FALSE(s->todo.gToDoChecks[0]);

    prompter.Expect(MsgAnswer::Cancel, "To Do List has been changed.");
    EXPECT_FALSE(t->close());
    EXPECT_TRUE(t->isVisible());

    // Opening again only brings the window forward, with its edit.
    EXPECT_EQ(OpenFromManage(), t);
    EXPECT_TRUE(t->Rows().done[0]);

    prompter.Expect(MsgAnswer::Yes, "To Do List has been changed.").Expect(MsgAnswer::OK, "To Do List Saved.");
    EXPECT_TRUE(t->close());
    EXPECT_EQ(ReadWholeFile(ToDoFile())->substr(0, 10), FormatToDoLine("Call Bob", true) + "\r");
    EXPECT_TRUE(s->todo.gToDoChecks[0]);
    EXPECT_FALSE(s->todo.gToDoChanged);
}

TEST_F(ToDoWindowTest, AnItemTooLongToBeReadBackIsRefusedAndStaysInTheWindow) {
    WriteList({{"Call Bob", false}});
    const std::string before = *ReadWholeFile(ToDoFile());
    frmToDo* t = OpenFromManage();
    ASSERT_NE(t, nullptr);
    // A line field takes far more than the file's reader takes in one line.
    const QString longItem(20000, 'z');
    t->txt(1)->setText(longItem);
    ASSERT_TRUE(s->todo.gToDoChanged);
    prompter.Expect(MsgAnswer::OK, "To Do.dat was not saved: its line 2 would hold 20001 characters, more than the 16384");
    EXPECT_FALSE(t->mnuFileSave_Click());
    EXPECT_EQ(ReadWholeFile(ToDoFile()), before);
    EXPECT_EQ(t->txt(1)->text(), longItem);
    EXPECT_TRUE(s->todo.gToDoChanged);

    // A list file past its size limit is refused the same way.
    {
        ScopedSizeLimit limit(100);
        t->txt(1)->setText(QString(100, 'y'));
        prompter.Expect(MsgAnswer::OK, "more than the 100 such a file may hold");
        EXPECT_FALSE(t->mnuFileSave_Click());
        EXPECT_EQ(ReadWholeFile(ToDoFile()), before);
    }
    prompter.Expect(MsgAnswer::OK, "To Do List Saved.");
    EXPECT_TRUE(t->mnuFileSave_Click());
    EXPECT_EQ(s->todo.gToDoLines[1], std::string(100, 'y'));
    EXPECT_FALSE(s->todo.gToDoChanged);
}

// A line box takes what the file's line keeps besides the done mark: typing past it, or a paste
// that would not fit, is refused whole as it comes, told once, and the list then saves.
TEST_F(ToDoWindowTest, ALineBoxTakesOnlyWhatItsLineInTheFileKeeps) {
    frmToDo* t = OpenFromManage();
    ASSERT_NE(t, nullptr);
    const qsizetype most = static_cast<qsizetype>(kLongestListLine) - 1;
    QLineEdit* box = t->txt(1);
    box->setFocus();
    box->setText(QString(most - 2, 'a'));
    test::TypeText(box, "bc");
    prompter.Expect(MsgAnswer::OK, "This box holds at most 16383 characters");
    test::TypeText(box, "d");
    box->setCursorPosition(5);
    box->cursorForward(true, 2);
    prompter.Expect(MsgAnswer::OK, "This box holds at most 16383 characters");
    test::PasteText(box, "xyz"); // two characters in place of three would not fit
    EXPECT_EQ(box->text().size(), most);
    EXPECT_TRUE(box->text().endsWith("abc"));
    prompter.Expect(MsgAnswer::OK, "To Do List Saved.");
    EXPECT_TRUE(t->mnuFileSave_Click());
    EXPECT_EQ(s->todo.gToDoLines[1].size(), static_cast<size_t>(most));
}

TEST_F(ToDoWindowTest, PrintedPageHasTheHeadingTheItemsAndCrossedBoxes) {
    std::string pdf = dir + "todo.pdf";
    WriteList({{"Call Bob", true}, {"Buy milk", false}, {"Pay rent", true}});
    frmToDo* t = OpenFromManage();
    ASSERT_NE(t, nullptr);
    // Without a printer, or with one that starts no job, nothing comes out and the command says so.
    QAction* print = t->findChild<QAction*>("mnuFilePrint");
    s->flags.gPrinterPresent = false;
    prompter.Expect(MsgAnswer::OK, "Printer could not be found");
    print->trigger();
    s->flags.gPrinterPresent = true;
    qputenv("ORVELLE_PRINT_TO_PDF", QByteArray::fromStdString(dir + "no such folder/todo.pdf"));
    prompter.Expect(MsgAnswer::OK, "Printer could not be found");
    print->trigger();
    EXPECT_TRUE(prompter.Finished());
    qputenv("ORVELLE_PRINT_TO_PDF", QByteArray::fromStdString(pdf));
    print->trigger();
    qunsetenv("ORVELLE_PRINT_TO_PDF");
    ASSERT_TRUE(PathIsFile(pdf));

    // The boxes, drawn on an image of the page: crossed where done, after a move too.
    ToDoRows rows = t->Rows();
    ASSERT_TRUE(rows.MoveDown());
    QImage page(1224, 1584, QImage::Format_RGB32);
    page.fill(Qt::white);
    Canvas c;
    c.SetDevice(&page);
    DrawToDoPage(c, "h", rows);
    auto centreIsBlack = [&](int row) {
        ToDoWindowRow p = ToDoWindowRowPlacement(row);
        double x = (p.checkLeft + 720 + p.checkSize / 2) / 10, y = (p.checkTop + 720 + p.checkSize / 2) / 10;
        for (int dx = -1; dx <= 1; ++dx)
            for (int dy = -1; dy <= 1; ++dy)
                if (qGray(page.pixel(int(x) + dx, int(y) + dy)) < 128) return true;
        return false;
    };
    auto edgeIsBlack = [&](int row) {
        ToDoWindowRow p = ToDoWindowRowPlacement(row);
        return qGray(page.pixel(int((p.checkLeft + 720) / 10), int((p.checkTop + 720 + p.checkSize / 2) / 10))) < 128;
    };
    for (int row = 0; row < 10; ++row) {
        EXPECT_TRUE(edgeIsBlack(row)) << "row " << row;
        EXPECT_EQ(centreIsBlack(row), row == 1 || row == 3) << "row " << row;
    }

    QString pdftotext = QStandardPaths::findExecutable("pdftotext");
    if (pdftotext.isEmpty()) GTEST_SKIP() << "pdftotext is not installed (poppler-utils); printed text not checked";
    QProcess p;
    p.start(pdftotext, {"-layout", QString::fromStdString(pdf), "-"});
    ASSERT_TRUE(p.waitForFinished(30000));
    QString text = QString::fromUtf8(p.readAllStandardOutput());
    EXPECT_TRUE(text.contains("Mar 05, 2009 To Do List")) << text.toStdString();
    for (const char* item : {"Call Bob", "Buy milk", "Pay rent"}) EXPECT_TRUE(text.contains(item)) << item;
    for (int n = 1; n <= 10; ++n) EXPECT_TRUE(text.contains(QString::number(n)));
    EXPECT_FALSE(text.contains("Enter To Do information"));
    EXPECT_FALSE(text.contains("Remove"));
}

TEST_F(ToDoWindowTest, ThePlannersEditDefaultToDoListOpensTheWindow) {
    Start();
    InstallPlannerWindow(*w);
    w->Menu("mnuOptDateOpenPlanner")->trigger();
    Settle();
    auto* planner = w->findChild<frmPlanner*>("frmPlanner");
    ASSERT_NE(planner, nullptr);
    QAction* edit = planner->findChild<QAction*>("mnuToDoEdit");
    ASSERT_NE(edit, nullptr);
    EXPECT_TRUE(edit->isEnabled());
    edit->trigger();
    Settle();
    frmToDo* t = w->findChild<frmToDo*>("frmToDo");
    ASSERT_NE(t, nullptr);
    EXPECT_TRUE(t->isVisible());
}

TEST_F(ToDoWindowTest, AChangedListAsksAtProgramCloseAndCancelKeepsTheProgramOpen) {
    frmToDo* t = OpenFromManage();
    ASSERT_NE(t, nullptr);
    t->txt(0)->setText("Unsaved");
    prompter.Expect(MsgAnswer::Cancel, "To Do List has been changed.");
    EXPECT_FALSE(w->close());
    EXPECT_TRUE(w->isVisible());
    EXPECT_TRUE(t->isVisible());
    EXPECT_EQ(t->txt(0)->text(), "Unsaved");
    s->todo.gToDoChanged = false;
}
