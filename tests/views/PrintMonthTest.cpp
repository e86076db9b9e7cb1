// File > Print 1 Month Calendar, printed to a PDF file and read back with poppler's tools.
#include "common/MainWindowFixture.h"
#include "platform/Printer.h"
#include "views/CalendarViews.h"
#include "store/Holidays.h"
#include "views/Print1MonthCalendar.h"

#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

#include <cstdlib>
#include <filesystem>

namespace orvelle {
namespace {

namespace fs = std::filesystem;

// March 2009 starts on a Sunday: day d sits in column (d - 1) % 7, row (d - 1) / 7.
std::string MarkLine(int day, long color, const std::string& note = {}) {
    char cell[32];  // room for any two ints, so the compiler sees no truncation
    std::snprintf(cell, sizeof cell, "02:%02d:%02d:", (day - 1) % 7, (day - 1) / 7);
    return cell + std::to_string(color) + (note.empty() ? "" : "-" + note);
}

class PrintMonth : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        pdf = dir + "month.pdf";
        qputenv("ORVELLE_PRINT_TO_PDF", QByteArray::fromStdString(pdf));
    }
    void TearDown() override {
        qunsetenv("ORVELLE_PRINT_TO_PDF");
        MainWindowTest::TearDown();
    }

    // 36 messages for March 2009 while "Travel" is hidden, 37 with it shown.
    std::vector<std::string> WriteMonthData() {
        std::vector<std::string> holidays, expected;
        std::string birthdays, marks;
        for (int d = 1; d <= 20; ++d) {
            std::string dd = (d < 10 ? "0" : "") + std::to_string(d);
            if (d <= 10) {
                holidays.push_back("03/" + dd + "/09:Feast " + std::to_string(d));
                expected.push_back(std::to_string(d) + ": Holiday: Feast " + std::to_string(d));
            }
            if (d == 2) holidays.push_back("03/02/09:Second Feast"); // only the first of a day is listed
            if (d >= 3 && d <= 8) {
                birthdays += "03/" + dd + ":-1:Guest " + std::to_string(d) + ":1970\r\n";
                expected.push_back(std::to_string(d) + ": Birthday: Guest " + std::to_string(d));
            }
            bool withNote = d % 2 == 0;
            marks += MarkLine(d, 255, withNote ? "Visit " + std::to_string(d) : "") + "\r\n";
            expected.push_back(std::to_string(d) + ": Appointment" + (withNote ? ": Visit " + std::to_string(d) : ""));
        }
        marks += MarkLine(21, 32768, "Flight") + "\r\n"; // Travel
        EXPECT_TRUE(WriteHolidayFile(*s, 2009, holidays));
        WriteFileAtomic(dir + "Birthdays.dat", birthdays);
        WriteFileAtomic(dir + "2009Marks.dat", marks);
        std::string colors = ReadWholeFile(dir + "Marker Colors.dat").value();
        colors.replace(colors.find("Travel:32768"), 12, "Travel:32768*");
        WriteFileAtomic(dir + "Marker Colors.dat", colors);
        return expected;
    }

    void ShowMonth() {
        SetPicker("March", "05", "2009");
        w->Menu("mnuCalOneMonth")->trigger();
        Settle();
        ASSERT_EQ(s->flags.gCalendarView, 1);
        // As the main window does once it is painted.
        CheckForPrinter(*s);
    }

    // The page's text in drawing order, every run of blanks made one space.
    QString PrintedText() {
        QString tool = QStandardPaths::findExecutable("pdftotext");
        if (tool.isEmpty()) return {};
        QProcess p;
        p.start(tool, {"-raw", QString::fromStdString(pdf), "-"});
        EXPECT_TRUE(p.waitForFinished(30000));
        return QString::fromUtf8(p.readAllStandardOutput()).simplified();
    }

    // Each of `parts` found after the one before it.
    static void ExpectInOrder(const QString& text, const QStringList& parts) {
        qsizetype at = 0;
        for (const QString& part : parts) {
            qsizetype found = text.indexOf(part, at);
            ASSERT_GE(found, 0) << "\"" << part.toStdString() << "\" not found after position " << at << " in\n"
                                << text.toStdString();
            at = found + part.size();
        }
    }

    static QString DayNumbers(int last) {
        QStringList n;
        for (int d = 1; d <= last; ++d) n << QString::number(d);
        return n.join(' ');
    }

    std::string pdf;
};

TEST_F(PrintMonth, TheMonthPrintsItsGridAndThirtySixMessagesInOrder) {
    std::vector<std::string> expected = WriteMonthData();
    ASSERT_EQ(expected.size(), 36u);
    Start();
    ShowMonth();
    ASSERT_TRUE(s->flags.gPrinterPresent);
    ASSERT_TRUE(w->MenuEnabled("mnuFilePrintCalendar"));
    w->Menu("mnuFilePrintCalendar")->trigger();
    ASSERT_TRUE(fs::exists(pdf));
    QString text = PrintedText();
    if (text.isEmpty()) GTEST_SKIP() << "pdftotext is not installed (scripts/install-deps.sh adds poppler-utils)";

    QStringList parts{"March, 2009", "Sun Mon Tue Wed Thu Fri Sat", DayNumbers(31)};
    for (const std::string& e : expected) parts << QString::fromStdString(e);
    ExpectInOrder(text, parts);
    EXPECT_FALSE(text.contains("Second Feast"));
    EXPECT_FALSE(text.contains("Flight")) << "hidden categories are not listed";

    // With "Travel" shown the 37th message is dropped after a warning; the other item prints
    // the same page.
    fs::remove(pdf);
    s->markers.gMarkerHidden[3] = 0;
    prompter.Expect(MsgAnswer::OK, kTooManyPrintedMessages);
    w->Menu("mnuFilePrintBirthdays")->trigger();
    text = PrintedText();
    ExpectInOrder(text, parts);
    EXPECT_FALSE(text.contains("Flight"));
}

TEST_F(PrintMonth, TheTemplatePrintsJanuaryWithoutHeadsOrMessages) {
    WriteMonthData();
    Start();
    ShowMonth();
    s->flags.gTemplateMode = true;
    Show1MonthCalendar(*s, *w);
    std::string marchCell = s->dates.gThisYearsDateHolders[2][0][0];
    w->Menu("mnuFilePrintCalendar")->trigger();
    EXPECT_EQ(s->dates.gThisYearsDateHolders[2][0][0], marchCell) << "the selected month's grid keeps its dates";
    EXPECT_EQ(s->dates.gThisYearsDateHolders[2][0][0], "03/01/09");
    QString text = PrintedText();
    if (text.isEmpty()) GTEST_SKIP() << "pdftotext is not installed";
    // January 2009 starts on a Thursday.
    ExpectInOrder(text, {"Monthly Template", DayNumbers(31)});
    EXPECT_FALSE(text.contains("Sun")) << text.toStdString();
    EXPECT_FALSE(text.contains("Feast")) << "the template lists no messages";
}

TEST_F(PrintMonth, PlacedIconsArePrintedAndAFailedJobIsReported) {
    // The month's icon file puts picture 7 on the 5th.
    std::string built = fs::path(ORVELLE_BINARY).parent_path().string() + "/defaults/Images";
    fs::copy(built, dir + "Images", fs::copy_options::recursive);
    fs::create_directories(dir + "2009");
    WriteFileAtomic(dir + "2009/Mar_Icons.dat", "04:00 Index:07\r\n");
    Start();
    ShowMonth();
    w->Menu("mnuFilePrintCalendar")->trigger();
    ASSERT_TRUE(fs::exists(pdf));
    QString tool = QStandardPaths::findExecutable("pdfimages");
    if (!tool.isEmpty()) {
        QProcess p;
        p.start(tool, {"-list", QString::fromStdString(pdf)});
        ASSERT_TRUE(p.waitForFinished(30000));
        QStringList rows = QString::fromUtf8(p.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
        EXPECT_GE(rows.size(), 3) << "a header of two lines, then one line per picture";
    }

    // A PDF that cannot be written: the job is abandoned and reported, nothing claims success.
    std::string blocked = dir + "no-such-folder/month.pdf";
    qputenv("ORVELLE_PRINT_TO_PDF", QByteArray::fromStdString(blocked));
    prompter.Expect(MsgAnswer::OK, "An error occurred in Print1MonthCalendar.");
    EXPECT_FALSE(Print1MonthCalendar(*s));
    EXPECT_FALSE(fs::exists(blocked));
    EXPECT_NE(ReadWholeFile(dir + "Error.log").value_or("").find("Print1MonthCalendar"), std::string::npos);

    // Without a printer nothing is printed.
    s->flags.gPrinterPresent = false;
    prompter.Expect(MsgAnswer::OK, "Printer could not be found");
    EXPECT_FALSE(Print1MonthCalendar(*s));
    EXPECT_FALSE(fs::exists(blocked));
}

TEST_F(PrintMonth, ANoteOfAnotherMonthLeavesThePrintedMonthAsShown) {
    WriteMonthData();
    Start();
    ShowMonth();
    // The note moves the selected date to May; the view keeps showing March.
    SetPicker("May", "05", "2009");
    w->Menu("mnuOptDateOpenNotes")->trigger();
    Settle();
    ASSERT_EQ(MonthOf(s->dates.gSelectedDate), 5);
    ASSERT_EQ(s->flags.gCalendarView, 1);
    w->Menu("mnuFilePrintCalendar")->trigger();
    QString text = PrintedText();
    if (text.isEmpty()) GTEST_SKIP() << "pdftotext is not installed";
    ExpectInOrder(text, {"March, 2009", DayNumbers(31), "1: Holiday: Feast 1", "3: Birthday: Guest 3"});
    EXPECT_FALSE(text.contains("May")) << text.toStdString();
}

} // namespace
} // namespace orvelle
