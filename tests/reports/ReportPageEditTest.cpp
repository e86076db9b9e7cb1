// An edit box left open when the viewer turns its page: the page shown, its total, its copy and
// its print stay in step, and the typed text lands in no row.
#include "common/KeyboardWaits.h"
#include "common/MainWindowFixture.h"
#include "common/Patience.h"
#include "common/ReportPlannerDays.h"
#include "mainwindow/ReportMenus.h"
#include "platform/Printer.h"
#include "reports/frmReport.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>

namespace orvelle {
namespace {

class ReportPageEditTest : public MainWindowTest {
protected:
    frmReport& Build(ReportKind kind, Date first, Date last) {
        days.WriteYear(dir, 2009);
        Start();
        w->activateWindow();
        EXPECT_TRUE(test::BecomesActive(w));
        s->reports.gReportStartDate = first;
        s->reports.gReportEndDate = last;
        frmReport& v = GenerateReportInto(*w, kind);
        Settle();
        return v;
    }
    static QWidget* Focused() { return QApplication::focusWidget(); }
    // Right click on a cell, then the text typed where the keyboard is.
    static void TypeIntoCell(frmReport& v, int column, int row, const QString& text) {
        QTest::mouseClick(v.Cell(column, row), Qt::RightButton);
        ASSERT_TRUE(test::TakesTheKeyboard(v.EditBox(column)));
        QTest::keyClicks(Focused(), text);
    }
    static void Page(frmReport& v, const char* button) {
        QTest::mouseClick(v.findChild<QPushButton*>(button), Qt::LeftButton);
    }
    // What the user saw go wrong: the box still up on the new page, clicked into, Enter.
    static void EnterInAnyBoxStillShown(frmReport& v) {
        for (int c = 0; c < v.Columns(); ++c) {
            QLineEdit* box = v.EditBox(c);
            EXPECT_FALSE(box->isVisibleTo(&v)) << box->objectName().toStdString();
            if (!box->isVisibleTo(&v)) continue;
            QTest::mouseClick(box, Qt::LeftButton);
            if (test::TakesTheKeyboard(box)) QTest::keyClick(Focused(), Qt::Key_Return);
        }
    }
    // The sum of the number column over the rows shown black, and whether `text` shows in any.
    static double ShownSum(const frmReport& v) {
        double sum = 0;
        for (int r = 0; r < kReportPageRows; ++r) {
            if (v.Cell(0, r)->isVisibleTo(&v) && !v.RowGrey(r)) sum += v.Cell(v.Columns() - 1, r)->text().toDouble();
        }
        return sum;
    }
    static bool AnyCellHolds(const frmReport& v, const QString& text) {
        for (int c = 0; c < v.Columns(); ++c) {
            for (int r = 0; r < kReportPageRows; ++r) {
                if (v.Cell(c, r)->text().contains(text)) return true;
            }
        }
        return false;
    }
    // The clipboard after Copy: its row count and the sum of its last column.
    std::pair<int, double> Copied(frmReport& v) {
        prompter.Expect(MsgAnswer::OK, "Data Copied.");
        v.findChild<QAction*>("mnuOptCopy")->trigger();
        QStringList lines = QGuiApplication::clipboard()->text().split("\r\n", Qt::SkipEmptyParts);
        double sum = 0;
        for (int i = 1; i < lines.size(); ++i) sum += lines[i].split('\t').last().toDouble();
        return {static_cast<int>(lines.size()) - 1, sum};
    }
    // The page printed to a PDF file by the Print command, as text; empty without pdftotext.
    QString Printed(frmReport& v) {
        QString pdftotext = QStandardPaths::findExecutable("pdftotext");
        if (pdftotext.isEmpty()) return {};
        std::string pdf = dir + "page.pdf";
        std::filesystem::remove(pdf);
        qputenv("ORVELLE_PRINT_TO_PDF", QByteArray::fromStdString(pdf));
        CheckForPrinter(*s);
        v.findChild<QAction*>("mnuFilePrint")->trigger();
        qunsetenv("ORVELLE_PRINT_TO_PDF");
        QProcess proc;
        proc.start(pdftotext, {QString::fromStdString(pdf), "-"});
        EXPECT_TRUE(proc.waitForFinished(test::kPatienceMs));
        return QString::fromUtf8(proc.readAllStandardOutput());
    }
    ReportPlannerDays days;
};

TEST_F(ReportPageEditTest, ExpenseEditLeftOpenIsDroppedByThePageChange) {
    // 54 rows in March 2009: six lines on each of nine days; 40 × 6.50 on page 1, then 158.50.
    for (int d = 1; d <= 9; ++d) {
        for (int j = 0; j < 6; ++j) {
            int row = (d - 1) * 6 + j;
            days.Expense(DateSerial(2009, 3, d), j, "Item " + std::to_string(row),
                         row < 40 ? "6.50" : row < 53 ? "11.50" : "9.00");
        }
    }
    frmReport& v = Build(ReportKind::Expense, DateSerial(2009, 3, 1), DateSerial(2009, 3, 31));
    ASSERT_EQ(v.PageLabel()->text(), "Page 1 of 2");
    EXPECT_EQ(v.TotalLabel()->text(), "260");

    TypeIntoCell(v, 2, 29, "999");
    Page(v, "cmdNext");
    EXPECT_EQ(v.PageLabel()->text(), "Page 2 of 2");
    EnterInAnyBoxStillShown(v);
    EXPECT_FALSE(AnyCellHolds(v, "999"));
    EXPECT_EQ(v.TotalLabel()->text(), "158.50");
    EXPECT_DOUBLE_EQ(ShownSum(v), 158.5);
    EXPECT_EQ(Copied(v), std::make_pair(14, 158.5));
    QString printed = Printed(v);
    if (!printed.isEmpty()) {
        EXPECT_TRUE(printed.contains("158.50")) << printed.toStdString();
        EXPECT_FALSE(printed.contains("999")) << printed.toStdString();
    }

    // The page change closed the edit: a row of the new page opens its own, and greying counts.
    TypeIntoCell(v, 2, 13, "1");
    QTest::keyClick(Focused(), Qt::Key_Return);
    EXPECT_EQ(v.TotalLabel()->text(), "150.50");
    QTest::mouseClick(v.Cell(0, 0), Qt::LeftButton);
    EXPECT_EQ(v.TotalLabel()->text(), "139.00");
    EXPECT_EQ(Copied(v), std::make_pair(13, 139.0));

    // Back on page 1 the dropped edit is nowhere: the row and the total are as built.
    Page(v, "cmdPrev");
    EXPECT_EQ(v.Cell(2, 29)->text(), "6.50");
    EXPECT_EQ(v.TotalLabel()->text(), "260.00");
}

TEST_F(ReportPageEditTest, MileageEditLeftOpenIsDroppedByThePageChange) {
    // 45 rows in February 2009: five lines on each of nine days; 40 × 1 mile on page 1, then 174.
    const char* lastMiles[] = {"30", "40", "50", "24", "30"};
    for (int d = 1; d <= 9; ++d) {
        for (int j = 0; j < 5; ++j) {
            int row = (d - 1) * 5 + j;
            std::string miles = row < 40 ? "1" : lastMiles[row - 40];
            days.Mileage(DateSerial(2009, 2, d), j, "Trip " + std::to_string(row), "100",
                         std::to_string(100 + std::stoi(miles)), miles);
        }
    }
    frmReport& v = Build(ReportKind::Mileage, DateSerial(2009, 2, 1), DateSerial(2009, 2, 28));
    ASSERT_EQ(v.PageLabel()->text(), "Page 1 of 2");
    EXPECT_EQ(v.TotalLabel()->text(), "40");

    // Neither the miles box nor an odometer box carries its text onto the next page.
    for (int column : {4, 3}) {
        TypeIntoCell(v, column, 29, "999");
        Page(v, "cmdNext");
        EXPECT_EQ(v.PageLabel()->text(), "Page 2 of 2");
        EnterInAnyBoxStillShown(v);
        EXPECT_FALSE(AnyCellHolds(v, "999"));
        EXPECT_EQ(v.TotalLabel()->text(), "174");
        Page(v, "cmdPrev");
        EXPECT_EQ(v.Cell(column, 29)->text(), column == 4 ? "1" : "101");
        EXPECT_EQ(v.TotalLabel()->text(), "40");
    }

    TypeIntoCell(v, 4, 29, "999");
    Page(v, "cmdNext");
    EnterInAnyBoxStillShown(v);
    QTest::mouseClick(v.Cell(0, 0), Qt::LeftButton);
    EXPECT_EQ(v.TotalLabel()->text(), "144");
    EXPECT_DOUBLE_EQ(ShownSum(v), 144);
    EXPECT_EQ(Copied(v), std::make_pair(4, 144.0));
    QString printed = Printed(v);
    if (!printed.isEmpty()) {
        EXPECT_TRUE(printed.contains("144")) << printed.toStdString();
        EXPECT_FALSE(printed.contains("999")) << printed.toStdString();
    }
}

} // namespace
} // namespace orvelle
