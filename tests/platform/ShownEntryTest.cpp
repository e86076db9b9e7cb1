#include "common/KeyboardWaits.h"
#include "platform/ShownEntry.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

#include <gtest/gtest.h>

using namespace orvelle;

namespace {

struct DayBox {
    DayBox() {
        auto* layout = new QVBoxLayout(&window);
        layout->addWidget(before);
        layout->addWidget(box);
        box->setEditable(true);
        for (int d = 1; d <= 31; ++d) box->addItem(QString::number(d));
        FollowShownEntry(box);
        window.show();
        window.activateWindow();
        before->setFocus();
        EXPECT_TRUE(test::TakesTheKeyboard(before));
    }
    // Tab from the line edit in front selects the box's whole text, as a user's Tab does.
    void TabIn() {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        ASSERT_TRUE(test::TakesTheKeyboard(box));
    }
    void Key(Qt::Key key) { QTest::keyClick(QApplication::focusWidget(), key); }
    QWidget window;
    QLineEdit* before = new QLineEdit;
    QComboBox* box = new QComboBox;
};

} // namespace

TEST(ShownEntry, DigitsNameTheirEntryByValue) {
    DayBox w;
    EXPECT_EQ(EntryNamedBy(w.box, "07"), 6);
    EXPECT_EQ(EntryNamedBy(w.box, " 31"), 30);
    EXPECT_EQ(EntryNamedBy(w.box, "32"), -1);
    EXPECT_EQ(EntryNamedBy(w.box, "7a"), -1);
    QComboBox months;
    months.addItems({"January", "February"});
    EXPECT_EQ(EntryNamedBy(&months, "february"), 1);
}

// The arrows step from the day the program showed, Return keeps it, and the box's text changes
// only where the key moved it.
TEST(ShownEntry, ArrowsStepFromTheShownDayAndReturnKeepsIt) {
    DayBox w;
    QSignalSpy changes(w.box, &QComboBox::editTextChanged);
    ShowEntryText(w.box, "07");
    EXPECT_EQ(w.box->currentText(), "07");
    EXPECT_EQ(changes.count(), 1);
    w.TabIn();
    w.Key(Qt::Key_Return);
    EXPECT_EQ(w.box->currentText(), "07");
    w.Key(Qt::Key_Down);
    EXPECT_EQ(w.box->currentText(), "8");
    w.Key(Qt::Key_Up);
    w.Key(Qt::Key_Up);
    EXPECT_EQ(w.box->currentText(), "6");
    EXPECT_EQ(w.box->count(), 31);
}

// A day typed over the selection is where the next arrow starts from, and Return with the
// selected text of a box never set by the program keeps that text too.
TEST(ShownEntry, ArrowsStepFromATypedDay) {
    DayBox w;
    w.box->setEditText("12");
    w.TabIn();
    w.Key(Qt::Key_Return);
    EXPECT_EQ(w.box->currentText(), "12");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ShiftModifier);
    w.TabIn();
    QTest::keyClicks(QApplication::focusWidget(), "20");
    w.Key(Qt::Key_Down);
    EXPECT_EQ(w.box->currentText(), "21");
}
