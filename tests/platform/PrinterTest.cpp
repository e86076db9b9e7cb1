#include "platform/Printer.h"
#include "platform/PrinterCanvas.h"

#include "store/Store.h"
#include "store/TextFile.h"

#include "platform/Cp1252.h"

#include <QPrinter>
#include <QPrinterInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdlib>

using namespace orvelle;

TEST(Printer, PrintToPdfMakesAPrinterPresentAndEveryJobWritesTheFile) {
    QTemporaryDir tmp;
    std::string pdf = tmp.path().toStdString() + "/out.pdf";
    setenv("ORVELLE_PRINT_TO_PDF", pdf.c_str(), 1);
    Store s;
    CheckForPrinter(s);
    EXPECT_TRUE(s.flags.gPrinterPresent);
    {
        PrinterCanvas job;
        ASSERT_TRUE(job.IsActive());
        EXPECT_EQ(job.Printer().outputFormat(), QPrinter::PdfFormat);
        // The one-month page: 8 x 11 units from (-0.5, -0.5).
        job.SetScale(-0.5, -0.5, 8, 11);
        job.SetFontName("Arial");
        job.SetFontSize(12);
        job.SetCurrentX(3.5 - job.TextWidth("March, 2009") / 2 - 0.5);
        job.SetCurrentY(0.1);
        job.Print("March, 2009");
        job.Line(0, 0.375, 7, 0.375, 0);
        EXPECT_GT(job.TextWidth("March, 2009"), 0.5);
        EXPECT_LT(job.TextWidth("March, 2009"), 3.0);
        EXPECT_TRUE(job.EndDoc());
    }
    auto bytes = ReadWholeFile(pdf);
    ASSERT_TRUE(bytes);
    EXPECT_EQ(bytes->substr(0, 5), "%PDF-");
    unsetenv("ORVELLE_PRINT_TO_PDF");
}

// The preference reaches the print jobs through the printer check the main window runs.
TEST(Printer, ThePreferredPrinterIsTheOneEveryJobUses) {
    unsetenv("ORVELLE_PRINT_TO_PDF");
    Store s;
    s.prefs.gDefaultPrinter = "No Such Printer 42";
    CheckForPrinter(s);
    EXPECT_TRUE(SelectedPrinterName().isEmpty());
    EXPECT_EQ(s.flags.gPrinterPresent, PrinterAvailable());
    QList<QPrinterInfo> installed = QPrinterInfo::availablePrinters();
    if (installed.isEmpty()) GTEST_SKIP() << "no printer is installed here: only the unmatched name was checked";
    QString name = installed.back().printerName();
    s.prefs.gDefaultPrinter = ToCp1252(name);
    CheckForPrinter(s);
    EXPECT_TRUE(s.flags.gPrinterPresent);
    EXPECT_EQ(SelectedPrinterName(), name);
    EXPECT_EQ(MakePrinter()->printerName(), name);
}

TEST(Printer, APreferredPrinterThatIsNotInstalledLeavesTheDefault) {
    EXPECT_FALSE(SelectPrinterByName("No Such Printer 42"));
    EXPECT_FALSE(SelectPrinterByName(""));
    EXPECT_TRUE(SelectedPrinterName().isEmpty());
}
