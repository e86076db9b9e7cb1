#include "platform/Dialogs.h"

#include "common/Patience.h"
#include "common/TypedText.h"
#include "store/ScriptedPrompter.h"
#include "store/Store.h"

#include <QApplication>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

using namespace orvelle;

namespace {

// Runs `act` on the modal box as soon as it is up.
void WhenBoxShows(std::function<void(QWidget*)> act) {
    auto* timer = new QTimer;
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, [timer, act] {
        if (QWidget* w = QApplication::activeModalWidget()) {
            timer->stop();
            timer->deleteLater();
            act(w);
        }
    });
    timer->start();
}

struct RealBoxes : ::testing::Test {
    QtPrompter prompter;
    void SetUp() override { QtPrompter::ShowBoxesWithoutDisplay(true); }
    void TearDown() override { QtPrompter::ShowBoxesWithoutDisplay(false); }
};

} // namespace

TEST(DialogSeam, ScriptedPrompterInstalledProgramWideRefusesUnexpectedDialogs) {
    Store store;
    ScriptedPrompter script;
    {
        ScopedPrompter scope(store, script);
        EXPECT_EQ(store.ui, &script);
        EXPECT_EQ(&AppPrompter(), &script);

        script.Expect(MsgAnswer::No, "keep this Window Open");
        EXPECT_EQ(store.ui->MsgBox("Click No to keep this Window Open.", MsgButtons::YesNoCancel, "Preparing"),
                  MsgAnswer::No);
        EXPECT_TRUE(script.Finished());

        // A box nobody expected is refused and answered with the cautious choice.
        EXPECT_EQ(AppPrompter().MsgBox("Delete everything?", MsgButtons::YesNo, ""), MsgAnswer::No);
        EXPECT_EQ(AppPrompter().MsgBox("Save?", MsgButtons::YesNoCancel, ""), MsgAnswer::Cancel);
        EXPECT_EQ(AppPrompter().InputBox("Name?", ""), "");
        EXPECT_EQ(script.Failures().size(), 3u);
        EXPECT_FALSE(script.Finished());
    }
    EXPECT_NE(store.ui, &script);
    EXPECT_NE(&AppPrompter(), &script);
}

TEST(DialogSeam, AnAnswerLeftInTheQueueIsNotFinished) {
    Store store;
    ScriptedPrompter script;
    ScopedPrompter scope(store, script);
    script.Expect(MsgAnswer::OK, "Planner Records Updated").ExpectInput("s", "drive letter");
    EXPECT_EQ(store.ui->MsgBox("Planner Records Updated", MsgButtons::OK, ""), MsgAnswer::OK);
    EXPECT_EQ(script.Pending(), 1u);
    EXPECT_FALSE(script.Finished());
    EXPECT_EQ(AppPrompter().InputBox("Enter the drive letter", "Share"), "s");
    EXPECT_TRUE(script.Finished());
}

TEST(DialogSeam, WithoutADisplayTheQtPrompterNeverWaits) {
    QtPrompter prompter;
    EXPECT_EQ(prompter.MsgBox("x", MsgButtons::YesNoCancel, "t", MsgIcon::None), MsgAnswer::Cancel);
    EXPECT_EQ(prompter.MsgBox("x", MsgButtons::YesNo, "t", MsgIcon::None), MsgAnswer::No);
    EXPECT_EQ(prompter.MsgBox("x", MsgButtons::OK, "t", MsgIcon::None), MsgAnswer::OK);
    EXPECT_EQ(prompter.InputBox("x", "t", "default"), "");
}

TEST_F(RealBoxes, MessageBoxShowsTitleTextAndTheButtonSet) {
    QString title, text;
    QList<QMessageBox::StandardButton> buttons;
    WhenBoxShows([&](QWidget* w) {
        auto* box = qobject_cast<QMessageBox*>(w);
        ASSERT_NE(box, nullptr);
        title = box->windowTitle();
        text = box->text();
        for (QAbstractButton* b : box->buttons()) buttons << box->standardButton(b);
        box->button(QMessageBox::No)->click();
    });
    MsgAnswer a = prompter.MsgBox("Are you sure? Click Cancel to\r\nreturn <now>.", MsgButtons::YesNoCancel,
                                  "Preparing to Close the Application", MsgIcon::None);
    EXPECT_EQ(a, MsgAnswer::No);
    EXPECT_EQ(title, "Preparing to Close the Application");
    EXPECT_EQ(text, "Are you sure? Click Cancel to\nreturn <now>.");
    std::sort(buttons.begin(), buttons.end());
    EXPECT_EQ(buttons, (QList<QMessageBox::StandardButton>{QMessageBox::Yes, QMessageBox::No, QMessageBox::Cancel}));
}

TEST_F(RealBoxes, UntitledBoxCarriesTheProgramsNameAndOkCancelMaps) {
    QString title;
    WhenBoxShows([&](QWidget* w) {
        auto* box = qobject_cast<QMessageBox*>(w);
        ASSERT_NE(box, nullptr);
        title = box->windowTitle();
        box->button(QMessageBox::Cancel)->click();
    });
    EXPECT_EQ(prompter.MsgBox("Printer error.", MsgButtons::OKCancel, "", MsgIcon::None), MsgAnswer::Cancel);
    EXPECT_EQ(title, "Orvelle");
}

TEST_F(RealBoxes, InputBoxGivesTheTypedTextAndCancelGivesNothing) {
    QString prompt, shownDefault;
    WhenBoxShows([&](QWidget* w) {
        auto* dlg = qobject_cast<QInputDialog*>(w);
        ASSERT_NE(dlg, nullptr);
        prompt = dlg->labelText();
        shownDefault = dlg->textValue();
        dlg->setTextValue(QString::fromUtf8("Caf\u00e9 \u20ac"));
        dlg->accept();
    });
    EXPECT_EQ(prompter.InputBox("Enter a name", "Names", "Default"), "Caf\xE9 \x80");
    EXPECT_EQ(prompt, "Enter a name");
    EXPECT_EQ(shownDefault, "Default");

    WhenBoxShows([](QWidget* w) { qobject_cast<QDialog*>(w)->reject(); });
    EXPECT_EQ(prompter.InputBox("Enter a name", "Names", "Default"), "");

    // Every answer is kept in a file or names one: what the files cannot hold is refused as typed.
    ScriptedPrompter told;
    SetAppPrompter(&told);
    told.Expect(MsgAnswer::OK, "\"ő\" cannot be kept");
    WhenBoxShows([](QWidget* w) {
        test::TypeText(w->findChild<QLineEdit*>(), "ő");
        qobject_cast<QDialog*>(w)->accept();
    });
    EXPECT_EQ(prompter.InputBox("Enter a name", "Names", "Default"), "Default");
    SetAppPrompter(nullptr);
    EXPECT_TRUE(told.Finished());
}

// The message naming characters a box refused shows them as typed, over the window they were typed
// in rather than over the main window, which would come in front of it on a desktop.
TEST_F(RealBoxes, TheMessageNamingCharactersShowsOverTheWindowTypedIn) {
    QWidget main, typedIn;
    prompter.SetParent(&main);
    main.show();
    typedIn.show();
    typedIn.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&typedIn, test::kPatienceMs));
    QWidget* parent = nullptr;
    QString text;
    WhenBoxShows([&](QWidget* w) {
        parent = w->parentWidget();
        text = qobject_cast<QMessageBox*>(w)->text();
        qobject_cast<QDialog*>(w)->accept();
    });
    EXPECT_EQ(prompter.MsgBoxUtf8("\"ő\" cannot be kept", MsgButtons::OK, ""), MsgAnswer::OK);
    EXPECT_EQ(parent, &typedIn);
    EXPECT_EQ(text, QString("\"ő\" cannot be kept"));
}

// A text laid out in lines of its own keeps those lines: the box is wide enough for the longest,
// so none of them breaks again in the middle.
TEST_F(RealBoxes, LinesOfTheTextAreNotWrappedAgain) {
    const std::string line = "Search is performed for a single phrase only throughout each category. If you've";
    int labelWidth = 0, lineWidth = 0;
    bool wraps = true;
    WhenBoxShows([&](QWidget* w) {
        auto* box = qobject_cast<QMessageBox*>(w);
        ASSERT_NE(box, nullptr);
        auto* label = box->findChild<QLabel*>("qt_msgbox_label");
        ASSERT_NE(label, nullptr);
        box->adjustSize();
        labelWidth = label->contentsRect().width();
        lineWidth = label->fontMetrics().horizontalAdvance(QString::fromStdString(line));
        wraps = label->heightForWidth(labelWidth) > 3 * label->fontMetrics().lineSpacing();
        box->button(QMessageBox::Ok)->click();
    });
    prompter.MsgBox(line + "\r\nmore than one word.\r\nreturned.", MsgButtons::OK, "", MsgIcon::None);
    EXPECT_GE(labelWidth, lineWidth);
    EXPECT_FALSE(wraps);
}
