#include "platform/Printer.h"
#include "platform/PrinterCanvas.h"

#include "store/Store.h"
#include "store/TextFile.h"

#include "platform/Cp1252.h"

#include <QPrinter>
#include <QPrinterInfo>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

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

namespace {

QString ReadTrimmed(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()).trimmed() : QString();
}

// The print queue the test run starts for these tests (scripts/print-queue.sh), or why it has none.
QString PrintQueueProblem() {
    QString dir = qEnvironmentVariable("ORVELLE_PRINT_QUEUE");
    if (dir.isEmpty()) return "no print queue was started for this run (ctest starts one)";
    if (QString missing = ReadTrimmed(dir + "/missing"); !missing.isEmpty())
        return "no print queue for the tests, missing: " + missing;
    if (ReadTrimmed(dir + "/ready").isEmpty()) return "the print queue in " + dir + " did not start";
    if (QStandardPaths::findExecutable("pdftotext").isEmpty())
        return "pdftotext is missing (Debian package poppler-utils)";
    return {};
}

QString PdfText(const QString& pdf) {
    QProcess p;
    p.start(QStandardPaths::findExecutable("pdftotext"), {pdf, "-"});
    return p.waitForFinished(30000) && p.exitCode() == 0 ? QString::fromUtf8(p.readAllStandardOutput()) : QString();
}

} // namespace

// The preference reaches the print jobs through the printer check the main window runs; the
// queue named in it is not the system default, so a job that ignored it would print elsewhere.
TEST(Printer, ThePreferredPrinterIsTheOneEveryJobUses) {
    unsetenv("ORVELLE_PRINT_TO_PDF");
    Store s;
    s.prefs.gDefaultPrinter = "No Such Printer 42";
    CheckForPrinter(s);
    EXPECT_TRUE(SelectedPrinterName().isEmpty());
    EXPECT_EQ(s.flags.gPrinterPresent, PrinterAvailable());
    if (QString problem = PrintQueueProblem(); !problem.isEmpty()) GTEST_SKIP() << problem.toStdString();

    const QString dir = qEnvironmentVariable("ORVELLE_PRINT_QUEUE");
    const QString queue = ReadTrimmed(dir + "/ready");
    ASSERT_EQ(QPrinterInfo::defaultPrinter().printerName(), ReadTrimmed(dir + "/default"));
    ASSERT_NE(QPrinterInfo::defaultPrinter().printerName(), queue);
    s.prefs.gDefaultPrinter = ToCp1252(queue);
    CheckForPrinter(s);
    EXPECT_TRUE(s.flags.gPrinterPresent);
    EXPECT_EQ(SelectedPrinterName(), queue);
    EXPECT_EQ(MakePrinter()->printerName(), queue);

    QDir out(ReadTrimmed(dir + "/output"));
    const QStringList before = out.entryList({"*.pdf"}, QDir::Files);
    const QString words = QString("Printed through the queue %1").arg(QCoreApplication::applicationPid());
    {
        PrinterCanvas job;
        ASSERT_TRUE(job.IsActive());
        EXPECT_EQ(job.Printer().outputFormat(), QPrinter::NativeFormat);
        job.SetScale(-0.5, -0.5, 8, 11);
        job.SetFontName("Arial");
        job.SetFontSize(12);
        job.SetCurrentX(0.5);
        job.SetCurrentY(1);
        job.Print(words);
        EXPECT_TRUE(job.EndDoc());
    }
    // The queue's printer writes the page as a PDF file of its own, read back here. Its
    // conversion re-encodes the glyphs, so the words are known by their number, not their letters.
    const qsizetype wordCount = words.split(' ').size();
    bool came = false;
    for (int waited = 0; waited < 300 && !came; ++waited) {
        QTest::qWait(100);
        for (const QString& name : out.entryList({"*.pdf"}, QDir::Files)) {
            if (before.contains(name)) continue;
            QStringList printed = PdfText(out.filePath(name)).split(QRegularExpression("\\s+"), Qt::SkipEmptyParts);
            if (printed.isEmpty()) continue; // still being written
            EXPECT_EQ(printed.size(), wordCount) << printed.join(' ').toStdString();
            came = true;
            QFile::remove(out.filePath(name));
        }
    }
    EXPECT_TRUE(came) << "nothing came out of " << queue.toStdString() << " into " << out.path().toStdString();
}

TEST(Printer, APreferredPrinterThatIsNotInstalledLeavesTheDefault) {
    EXPECT_FALSE(SelectPrinterByName("No Such Printer 42"));
    EXPECT_FALSE(SelectPrinterByName(""));
    EXPECT_TRUE(SelectedPrinterName().isEmpty());
}
