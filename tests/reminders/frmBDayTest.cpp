#include "ReminderTestSupport.h"
#include "common/FocusTakingPrompter.h"
#include "common/KeyboardWaits.h"

#include "reminders/frmBDay.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTest>

using namespace orvelle;

namespace {

struct BirthdayWindowTest : test::ReminderTest {
    ~BirthdayWindowTest() override {
        if (w) delete w.data();
    }
    frmBDay* OpenWindow() {
        ReadBirthdays(*s);
        w = new frmBDay(*s);
        w->show();
        w->activateWindow();
        EXPECT_TRUE(test::BecomesActive(w));
        return w;
    }
    template <class T> T* Get(const char* name) { return w->findChild<T*>(name); }
    void Enter(const QString& name, const QString& date) {
        Get<QLineEdit>("txt_0")->setText(name);
        Get<QLineEdit>("txt_1")->setText(date);
    }
    QStringList Rows(const char* list) {
        QStringList out;
        QListWidget* l = Get<QListWidget>(list);
        for (int i = 0; i < l->count(); ++i) out << l->item(i)->text();
        return out;
    }
    void ClickRow(const char* list, int row) {
        QListWidget* l = Get<QListWidget>(list);
        QTest::mouseClick(l->viewport(), Qt::LeftButton, {}, l->visualItemRect(l->item(row)).center());
    }
    QPointer<frmBDay> w;
};

} // namespace

TEST_F(BirthdayWindowTest, SavesKeepTheBirthYearAndOnlyTheSecondOneSpeaks) {
    OpenWindow();
    EXPECT_EQ(w->windowTitle(), "Birthday Management - Viewing All");
    EXPECT_EQ(Get<QLabel>("lblAge")->text(), "Age");
    EXPECT_TRUE(Get<QRadioButton>("optNotify_5")->isChecked());
    Enter("Ruth Ann Cole", "03/15/1925");
    w->cmdSave_Click(); // silent
    Enter("Alan Reed Jr.", "1/2/62");
    prompter.Expect(MsgAnswer::OK, "Birthdays Updated.");
    w->cmdSave_Click();
    Enter("Bo", "7/4");
    Get<QCheckBox>("chkRememberAge")->setChecked(false);
    Get<QRadioButton>("optNotify_1")->setChecked(true);
    prompter.Expect(MsgAnswer::OK, "Birthdays Updated.");
    w->cmdSave_Click();
    EXPECT_EQ(Read("Birthdays.dat"), "01/02:07:Alan Reed Jr.:1962\r\n03/15:07:Ruth Ann Cole:1925\r\n07/04:00:Bo:****\r\n");
    EXPECT_EQ(Rows("lstData_2"), (QStringList{"Bo - 07/04", "Cole, Ruth Ann - 03/15/1925", "Reed Jr., Alan - 01/02/1962"}));
    EXPECT_EQ(Rows("lstData_1"), (QStringList{"01/02\tAlan Reed Jr.", "03/15\tRuth Ann Cole", "07/04\tBo"}));

    // Shown for editing with its four-digit year, saved unchanged: still 1925.
    ClickRow("lstData_2", 1);
    EXPECT_EQ(Get<QLineEdit>("txt_1")->text(), "03/15/1925");
    EXPECT_EQ(Get<QLabel>("lblAge")->text(), "Age = 83");
    prompter.Expect(MsgAnswer::OK, "Birthdays Updated.");
    w->cmdSave_Click();
    EXPECT_EQ(Read("Birthdays.dat"), "01/02:07:Alan Reed Jr.:1962\r\n03/15:07:Ruth Ann Cole:1925\r\n07/04:00:Bo:****\r\n");
    // A birthday without a year saves unchanged too.
    ClickRow("lstData_2", 0);
    EXPECT_EQ(Get<QLabel>("lblAge")->text(), "Age = NA");
    EXPECT_FALSE(Get<QCheckBox>("chkRememberAge")->isChecked());
    EXPECT_TRUE(Get<QRadioButton>("optNotify_1")->isChecked());
    prompter.Expect(MsgAnswer::OK, "Birthdays Updated.");
    w->cmdSave_Click();
    EXPECT_EQ(Read("Birthdays.dat").substr(Read("Birthdays.dat").rfind("07/04")), "07/04:00:Bo:****\r\n");

    prompter.Expect(MsgAnswer::OK, "February 29 cannot be entered");
    Enter("Leap", "2/29/2008");
    w->cmdSave_Click();
}

TEST_F(BirthdayWindowTest, ATwoDigitBirthYearNeverLiesInTheFuture) {
    OpenWindow();
    Enter("Old Friend", "5/5/20");  // not 2020, still ahead
    w->cmdSave_Click();
    Enter("New Baby", "3/5/09");  // today
    prompter.Expect(MsgAnswer::OK, "Birthdays Updated.");
    w->cmdSave_Click();
    EXPECT_EQ(Read("Birthdays.dat"), "03/05:07:New Baby:2009\r\n05/05:07:Old Friend:1920\r\n");
    ClickRow("lstData_2", 1);
    EXPECT_EQ(Get<QLabel>("lblAge")->text(), "Age = 88");
}

// A birthday typed without a year takes the last year that puts it no later than today: on
// 9 December "12/25" is last year's and "12/9" today's. 29 February typed so is a date only in
// a leap year, where Save refuses it for what it is.
TEST_F(BirthdayWindowTest, ABirthdayTypedWithoutAYearIsNeverInTheFuture) {
    SetToday(2009, 12, 9);
    OpenWindow();
    Enter("Noel", "12/25");
    w->cmdSave_Click(); // silent
    Enter("Dee", "12/9");
    prompter.Expect(MsgAnswer::OK, "Birthdays Updated.");
    w->cmdSave_Click();
    EXPECT_EQ(Read("Birthdays.dat"), "12/09:07:Dee:2009\r\n12/25:07:Noel:2008\r\n");

    // Typed as a user types: "2/29" is no date in a common year, and a date in a leap year.
    QLineEdit* date = Get<QLineEdit>("txt_1");
    Enter("", "");
    Get<QLineEdit>("txt_0")->setFocus();
    QTest::keyClicks(QApplication::focusWidget(), "Leap");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), date);
    QTest::keyClicks(QApplication::focusWidget(), "2/29");
    prompter.Expect(MsgAnswer::OK, "Please enter a date.");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_S, Qt::ControlModifier);
    prompter.Expect(MsgAnswer::OK, "Invalid Date");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    SetToday(2012, 3, 5);
    date->setFocus();
    const size_t seen = prompter.SeenDialogs().size();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(prompter.SeenDialogs().size(), seen);
    prompter.Expect(MsgAnswer::OK, "February 29 cannot be entered");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(Read("Birthdays.dat"), "12/09:07:Dee:2009\r\n12/25:07:Noel:2008\r\n");
    SetToday(2009, 12, 9);

    // A year of the future typed in full is refused, unless the year is not kept.
    Enter("Kid", "12/25/2009");
    prompter.Expect(MsgAnswer::OK, "A birth date cannot be after today.");
    w->cmdSave_Click();
    EXPECT_EQ(Read("Birthdays.dat"), "12/09:07:Dee:2009\r\n12/25:07:Noel:2008\r\n");
    Get<QCheckBox>("chkRememberAge")->setChecked(false);
    prompter.Expect(MsgAnswer::OK, "Birthdays Updated.");
    w->cmdSave_Click();
    EXPECT_EQ(Read("Birthdays.dat"), "12/09:07:Dee:2009\r\n12/25:07:Kid:****\r\n12/25:07:Noel:2008\r\n");
}

TEST_F(BirthdayWindowTest, DeletingTakesOnlyTheSelectedRecordsWhateverTheirNames) {
    // Names holding ":" and the index mark 0xE0, in a file not in date order.
    Write("Birthdays.dat", "05/01:07:Zed:****\r\n03/05:00:A:B \xE0" "0:1970\r\n01/01:07:Amy:****\r\n");
    OpenWindow();
    EXPECT_EQ(w->windowTitle(), "Birthday Management - Viewing Pending");
    // Pending marks follow their records into the sorted list.
    EXPECT_EQ(Rows("lstData_2"), QStringList{QString::fromUtf8("\xC3\xA0" "0, A:B - 03/05/1970")});
    w->mnuViewAll_Click();
    ASSERT_EQ(Rows("lstData_2").size(), 3);
    prompter.Expect(MsgAnswer::OK, "Nothing selected to delete.");
    w->cmdDelete_Click();
    EXPECT_EQ(Rows("lstData_2").last(), QString::fromUtf8("\xC3\xA0" "0, A:B - 03/05/1970"));
    Get<QListWidget>("lstData_2")->item(2)->setSelected(true);
    w->cmdDelete_Click(); // the first delete since opening says nothing
    EXPECT_EQ(Read("Birthdays.dat"), "01/01:07:Amy:****\r\n05/01:07:Zed:****\r\n");

    Get<QListWidget>("lstData_2")->item(0)->setSelected(true);
    Get<QListWidget>("lstData_2")->item(1)->setSelected(true);
    prompter.Expect(MsgAnswer::No, "delete these multiple items");
    w->cmdDelete_Click();
    prompter.Expect(MsgAnswer::Yes, "delete these multiple items");
    w->cmdDelete_Click();
    EXPECT_FALSE(PathIsFile(dir + "Birthdays.dat"));
    EXPECT_TRUE(Rows("lstData_2").isEmpty());
}

TEST_F(BirthdayWindowTest, FortyTwoRowsPrintOnOnePageAndFortyThreeAskFirst) {
    std::string pdf = dir + "birthdays.pdf";
    qputenv("ORVELLE_PRINT_TO_PDF", QByteArray::fromStdString(pdf));
    s->flags.gPrinterPresent = true;
    std::string lines;
    for (int i = 1; i <= 43; ++i) lines += "02/" + TwoDigits(i % 28 + 1) + ":-1:Person " + TwoDigits(i) + ":****\r\n";
    Write("Birthdays.dat", lines);
    OpenWindow();
    auto pdfText = [&](int page) {
        QProcess p;
        p.start(QStandardPaths::findExecutable("pdftotext"),
                {"-layout", "-f", QString::number(page), "-l", QString::number(page), QString::fromStdString(pdf), "-"});
        p.waitForFinished(30000);
        QStringList out;
        for (const QString& l : QString::fromUtf8(p.readAllStandardOutput()).split('\n'))
            if (!l.trimmed().isEmpty() && l.trimmed() != "\f") out << l.trimmed();
        return out;
    };
    if (QStandardPaths::findExecutable("pdftotext").isEmpty()) {
        qunsetenv("ORVELLE_PRINT_TO_PDF");
        GTEST_SKIP() << "pdftotext is not installed (scripts/install-deps.sh installs poppler-utils)";
    }
    prompter.Expect(MsgAnswer::Cancel, "Click OK to begin printing these 2 pages. Click Cancel to exit.");
    w->mnuFilePrintList_Click();
    EXPECT_FALSE(PathIsFile(pdf));
    prompter.Expect(MsgAnswer::OK, "these 2 pages");
    w->mnuFilePrintList_Click();
    QStringList first = pdfText(1), second = pdfText(2);
    ASSERT_EQ(first.size(), 42);
    EXPECT_EQ(first.front(), "01, Person - 02/02");
    ASSERT_EQ(second.size(), 1);

    // 42 selected rows: one page, no question.
    std::filesystem::remove(pdf);
    QListWidget* list = Get<QListWidget>("lstData_2");
    for (int i = 0; i < 42; ++i) list->item(i)->setSelected(true);
    w->mnuFilePrintSelected_Click();
    EXPECT_EQ(pdfText(1).size(), 42);
    EXPECT_TRUE(pdfText(2).isEmpty());

    // The month list's rows hold a tab between the date and the name: both are printed, the
    // name at the next tab stop.
    std::filesystem::remove(pdf);
    QTest::mouseClick(Get<QPushButton>("cmdSort"), Qt::LeftButton);
    QListWidget* months = Get<QListWidget>("lstData_1");
    ASSERT_EQ(months->item(0)->text(), "02/01\tPerson 28");
    months->item(0)->setSelected(true);
    months->item(2)->setSelected(true);
    w->mnuFilePrintSelected_Click();
    QStringList printed = pdfText(1);
    ASSERT_EQ(printed.size(), 2);
    EXPECT_TRUE(QRegularExpression("^02/01 +Person 28$").match(printed[0]).hasMatch()) << printed[0].toStdString();
    EXPECT_TRUE(QRegularExpression("^02/02 +Person 29$").match(printed[1]).hasMatch()) << printed[1].toStdString();
    qunsetenv("ORVELLE_PRINT_TO_PDF");
}

// Without a printer, or with one that starts no job, every print command says so.
TEST_F(BirthdayWindowTest, EveryPrintCommandSaysWhenThereIsNoPrinter) {
    Write("Birthdays.dat", "07/04:00:Bo:****\r\n");
    OpenWindow();
    Enter("Bo", "07/04");
    Get<QListWidget>("lstData_2")->item(0)->setSelected(true);
    auto print = [&](const char* item) {
        prompter.Expect(MsgAnswer::OK, "Printer not found.");
        w->findChild<QAction*>(item)->trigger();
        EXPECT_TRUE(prompter.Finished()) << item;
    };
    s->flags.gPrinterPresent = false;
    for (const char* item : {"mnuFilePrint", "mnuFilePrintList", "mnuFilePrintSelected"}) print(item);
    s->flags.gPrinterPresent = true;
    qputenv("ORVELLE_PRINT_TO_PDF", QByteArray::fromStdString(dir + "no such folder/b.pdf"));
    for (const char* item : {"mnuFilePrint", "mnuFilePrintList", "mnuFilePrintSelected"}) print(item);
    qunsetenv("ORVELLE_PRINT_TO_PDF");
}

TEST_F(BirthdayWindowTest, TheEditorFollowsTheRowTheKeysMoveToInBothLists) {
    Write("Birthdays.dat", "01/02:07:Alan Reed Jr.:1962\r\n03/15:07:Ruth Ann Cole:1925\r\n07/04:00:Bo:****\r\n");
    OpenWindow();
    QListWidget* names = Get<QListWidget>("lstData_2");
    ClickRow("lstData_2", 0);
    EXPECT_EQ(Get<QLineEdit>("txt_0")->text(), "Bo");
    QTest::keyClick(names, Qt::Key_Down);
    EXPECT_EQ(Get<QLineEdit>("txt_0")->text(), "Ruth Ann Cole");
    EXPECT_EQ(Get<QLineEdit>("txt_1")->text(), "03/15/1925");
    EXPECT_EQ(Get<QLabel>("lblAge")->text(), "Age = 83");
    // Save replaces the record shown, not the one clicked.
    Get<QLineEdit>("txt_0")->setText("Ruth Cole");
    w->cmdSave_Click();
    EXPECT_EQ(Read("Birthdays.dat"), "01/02:07:Alan Reed Jr.:1962\r\n03/15:07:Ruth Cole:1925\r\n07/04:00:Bo:****\r\n");

    w->cmdSort_Click();
    QListWidget* months = Get<QListWidget>("lstData_1");
    ASSERT_EQ(w->VisibleList(), months);
    ClickRow("lstData_1", 0);
    EXPECT_EQ(Get<QLineEdit>("txt_0")->text(), "Alan Reed Jr.");
    QTest::keyClick(months, Qt::Key_End);
    EXPECT_EQ(Get<QLineEdit>("txt_0")->text(), "Bo");
    EXPECT_FALSE(Get<QCheckBox>("chkRememberAge")->isChecked());
    EXPECT_TRUE(Get<QRadioButton>("optNotify_1")->isChecked());
}

TEST_F(BirthdayWindowTest, AWrongDateIsSaidOnceThoughItsBoxLosesTheFocusToTheMessage) {
    OpenWindow();
    test::FocusTakingPrompter boxes(prompter);
    ScopedPrompter real(*s, boxes);
    Enter("Ann", "13/45");
    QLineEdit* date = Get<QLineEdit>("txt_1");
    date->setFocus();
    prompter.Expect(MsgAnswer::OK, "Please enter a date.");
    QTest::keyClick(date, Qt::Key_S, Qt::ControlModifier);
    QTest::qWait(150);
    EXPECT_EQ(prompter.SeenDialogs().size(), 1u);
    EXPECT_FALSE(PathIsFile(dir + "Birthdays.dat"));
    // Leaving the box for another control still says it, once.
    prompter.Expect(MsgAnswer::OK, "Invalid Date");
    QTest::keyClick(date, Qt::Key_Tab);
    QTest::qWait(150);
    EXPECT_EQ(prompter.SeenDialogs().size(), 2u);
}
