#include "NotesTestSupport.h"

#include "notes/NotePrintLayout.h"
#include "notes/NotesHooks.h"
#include "notes/frmNotes.h"
#include "store/DateModel.h"
#include "store/NotesStore.h"
#include "store/ScriptedPrompter.h"
#include "store/Store.h"
#include "store/TextFile.h"

#include <QMdiArea>
#include <QPlainTextEdit>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <gtest/gtest.h>

using namespace orvelle;

namespace {

QStringList NonEmptyTrimmed(const QStringList& lines) {
    QStringList out;
    for (const QString& l : lines)
        if (!l.trimmed().isEmpty()) out << l.trimmed();
    return out;
}

// Pages of a PDF file as Qt writes them: one "/Type /Page" object per page.
int PdfPageCount(const std::string& pdf) {
    return static_cast<int>(QString::fromLatin1(pdf).count(QRegularExpression("/Type\\s*/Page\\b(?!s)")));
}

struct NotesPrintTest : test::UsesQtApp, ::testing::Test {
    NotesPrintTest() : store(test::TempFolder()) {
        store.ui = &prompter;
        pdf = store.gAppPath + "note.pdf";
        qputenv("ORVELLE_PRINT_TO_PDF", QByteArray::fromStdString(pdf));
        area.resize(900, 600);
        area.show();
        InstallNotesHooks(store, &area);
        store.dates.gSelectedDate = DateSerial(2009, 3, 5);
        SetDateVariables(store);
    }
    ~NotesPrintTest() override {
        qunsetenv("ORVELLE_PRINT_TO_PDF");
        EXPECT_TRUE(prompter.Finished()) << testing::PrintToString(prompter.Failures());
    }
    frmNotes* OpenWith(const QString& text) {
        DisplayThisNote(store);
        frmNotes* w = frmNotes::Find(&area);
        store.flags.gNotesLoading = true; // a prepared text, not an edit
        w->txtNotes()->setPlainText(text);
        store.flags.gNotesLoading = false;
        return w;
    }

    ScriptedPrompter prompter;
    Store store;
    QMdiArea area;
    std::string pdf;
};

} // namespace

TEST(NotePrintLayout, HeadingThenLinesAtOneAndAHalfHeightsWithPageBreaks) {
    QStringList lines;
    for (int i = 0; i < 100; ++i) lines << QString("line %1").arg(i);
    const double h = 230, page = 15000;
    auto items = LayoutNotePrint("Notes for Mar 05, 2009", lines, h, page);
    ASSERT_EQ(items.size(), 101u);
    EXPECT_EQ(items[0].y, kNotePrintTop);
    EXPECT_EQ(items[1].y, kNotePrintTop + 3 * h); // the heading and two blank lines
    EXPECT_EQ(items[2].y, items[1].y + 1.5 * h);
    int pages = 1;
    for (size_t i = 1; i < items.size(); ++i) {
        EXPECT_EQ(items[i].x, kNotePrintLeft);
        EXPECT_LE(items[i].y + h, page) << "line " << i << " runs past the bottom";
        if (items[i].page != items[i - 1].page) {
            EXPECT_EQ(items[i].page, items[i - 1].page + 1);
            EXPECT_EQ(items[i].y, kNotePrintTop);
            ++pages;
        }
    }
    EXPECT_EQ(pages, 3); // 41 lines a page
    // An empty note prints the heading alone.
    EXPECT_EQ(LayoutNotePrint("h", {}, h, page).size(), 1u);
}

TEST_F(NotesPrintTest, NoPrinterPrintsNothing) {
    frmNotes* w = OpenWith("text");
    store.flags.gPrinterPresent = false;
    prompter.Expect(MsgAnswer::OK, "Could not find Printer.");
    w->mnuFilePrint_Click();
    EXPECT_FALSE(PathIsFile(pdf));
}

TEST_F(NotesPrintTest, PrintedLinesAreTheLinesAsWrappedOnScreen) {
    store.flags.gPrinterPresent = true;
    QString para = "The quick brown fox jumps over the lazy dog while the planner waits for the afternoon "
                   "meeting to begin and the notes keep growing line after line without end.";
    frmNotes* w = OpenWith(para + "\n\nShort line\n" + para);
    QStringList shown = w->DisplayLines();
    ASSERT_GT(shown.size(), 4) << "the long paragraphs should wrap";
    w->mnuFilePrint_Click();
    auto content = ReadWholeFile(pdf);
    ASSERT_TRUE(content);
    EXPECT_EQ(PdfPageCount(*content), 1);

    QString pdftotext = QStandardPaths::findExecutable("pdftotext");
    if (pdftotext.isEmpty()) GTEST_SKIP() << "pdftotext is not installed; page count checked only";
    QProcess p;
    p.start(pdftotext, {QString::fromStdString(pdf), "-"});
    ASSERT_TRUE(p.waitForFinished(30000));
    QStringList printed = NonEmptyTrimmed(QString::fromUtf8(p.readAllStandardOutput()).split('\n'));
    printed.removeAll(QString("\f"));
    QStringList expected = QStringList{"Notes for Mar 05, 2009"} + NonEmptyTrimmed(shown);
    EXPECT_EQ(printed, expected);
}

TEST_F(NotesPrintTest, ALongNoteRunsOntoFurtherPages) {
    store.flags.gPrinterPresent = true;
    QStringList lines;
    for (int i = 1; i <= 90; ++i) lines << QString("Item %1").arg(i);
    frmNotes* w = OpenWith(lines.join('\n'));
    w->mnuFilePrint_Click();
    auto content = ReadWholeFile(pdf);
    ASSERT_TRUE(content);
    EXPECT_GE(PdfPageCount(*content), 2);

    QString pdftotext = QStandardPaths::findExecutable("pdftotext");
    if (pdftotext.isEmpty()) GTEST_SKIP() << "pdftotext is not installed; page count checked only";
    QProcess p;
    p.start(pdftotext, {"-f", "2", "-l", "2", QString::fromStdString(pdf), "-"});
    ASSERT_TRUE(p.waitForFinished(30000));
    QStringList second = NonEmptyTrimmed(QString::fromUtf8(p.readAllStandardOutput()).split('\n'));
    ASSERT_FALSE(second.isEmpty());
    EXPECT_TRUE(second.front().startsWith("Item ")); // the second page goes on with the note
}

// Another date picked on the calendar since the note opened: the printout still names the
// note's own date.
TEST_F(NotesPrintTest, TheHeadingNamesTheNotesOwnDate) {
    store.flags.gPrinterPresent = true;
    frmNotes* w = OpenWith("Call the bank");
    store.dates.gSelectedDate = DateSerial(2009, 7, 20);
    SetDateVariables(store);
    w->mnuFilePrint_Click();
    ASSERT_TRUE(PathIsFile(pdf));
    QString pdftotext = QStandardPaths::findExecutable("pdftotext");
    if (pdftotext.isEmpty()) GTEST_SKIP() << "pdftotext (Debian package poppler-utils) is not installed";
    QProcess p;
    p.start(pdftotext, {QString::fromStdString(pdf), "-"});
    ASSERT_TRUE(p.waitForFinished(30000));
    QStringList printed = NonEmptyTrimmed(QString::fromUtf8(p.readAllStandardOutput()).split('\n'));
    ASSERT_FALSE(printed.isEmpty());
    EXPECT_EQ(printed.front(), "Notes for Mar 05, 2009");
}
