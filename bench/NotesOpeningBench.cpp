// Files from the share, opened as the user opens them, until the window is painted: a note as a
// user types it (3 KB in short lines) beside the largest note the program takes, in lines, in
// one paragraph, as one unbroken run and as NUL bytes (target: under a second each); the user's
// own note from before there was a limit, four times the largest, opened and laid out in lines
// as printing does (target: under a second and a half); a 50 MiB note, refused unread; the
// open-file dialog on a folder of 10,000 large files, pipes and dangling links; the terms window
// on the largest term list, of short terms and of the longest terms; and a character typed into
// the typed note and into the largest ones.
#include "mainwindow/frmMain.h"
#include "notes/frmFUT.h"
#include "notes/frmFile.h"
#include "notes/frmNotes.h"
#include "store/DataFiles.h"
#include "store/DateModel.h"
#include "store/Dates.h"
#include "store/Exchange.h"
#include "store/NotesStore.h"
#include "store/Store.h"
#include "store/TextFile.h"

#include <QApplication>
#include <QMdiArea>
#include <QPlainTextEdit>

#include <benchmark/benchmark.h>
#include <filesystem>
#include <fstream>
#include <sys/stat.h>

using namespace orvelle;
namespace fs = std::filesystem;

namespace {

QApplication& App() {
    if (auto* app = qobject_cast<QApplication*>(QCoreApplication::instance())) return *app;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "orvelle_bench";
    static char* argv[] = {name, nullptr};
    return *new QApplication(argc, argv);
}

// `size` bytes of prose, in lines of about 80 characters or in one paragraph.
std::string Prose(size_t size, bool lines) {
    const std::string words = "the quarterly figures go to the board on Monday, with the budget sheet ";
    std::string text;
    text.reserve(size + words.size() + 2);
    while (text.size() < size) {
        text += words;
        if (lines && text.size() % 81 < words.size()) text += "\r\n";
    }
    text.resize(size);
    return text;
}

// The main window on a fresh data folder with the share's folder made.
struct Program {
    std::string dir, share;
    Store s;
    frmMain w;
    Program() : dir(TempFolder()), share(dir + kPlannersAndNotesFolder + "/"), s(dir), w(s) {
        w.MDIForm_Load();
        w.show();
        QApplication::processEvents();
        MakeFolder(share);
    }
    ~Program() {
        s.flags.gNotesChanged = false;
        w.close();
        std::error_code ec;
        fs::remove_all(dir, ec);
    }
    static std::string TempFolder() {
        std::string t = (fs::temp_directory_path() / "orvelle-bench-XXXXXX").string();
        return std::string(mkdtemp(t.data())) + "/";
    }
};

void OpenNote(benchmark::State& state, const std::string& text) {
    App();
    Program p;
    WriteFileAtomic(p.share + "note.nte", "07/04/09:" + text);
    for (auto _ : state) {
        if (!ReadExternalNotes(p.s, p.share, "note.nte")) {
            state.SkipWithError("the note was not opened");
            return;
        }
        frmNotes* notes = frmNotes::Find(p.w.findChild<QMdiArea*>());
        notes->txtNotes()->repaint();
        QApplication::processEvents();
        state.PauseTiming();
        notes->CloseWindow();
        QApplication::processEvents();
        state.ResumeTiming();
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(text.size()));
}

void BM_OpenTypedNote(benchmark::State& state) { OpenNote(state, Prose(3000, true)); }
BENCHMARK(BM_OpenTypedNote)->Unit(benchmark::kMillisecond);

void BM_OpenLargestNoteInLines(benchmark::State& state) { OpenNote(state, Prose(kLongestNote, true)); }
BENCHMARK(BM_OpenLargestNoteInLines)->Unit(benchmark::kMillisecond);

void BM_OpenLargestNoteInOneParagraph(benchmark::State& state) { OpenNote(state, Prose(kLongestNote, false)); }
BENCHMARK(BM_OpenLargestNoteInOneParagraph)->Unit(benchmark::kMillisecond);

void BM_OpenLargestNoteOneUnbrokenRun(benchmark::State& state) { OpenNote(state, std::string(kLongestNote, 'x')); }
BENCHMARK(BM_OpenLargestNoteOneUnbrokenRun)->Unit(benchmark::kMillisecond);

// A broken export: the largest note of NUL bytes, each a character no font has, the slowest
// for the text layout.
void BM_OpenLargestNoteOfNulBytes(benchmark::State& state) { OpenNote(state, std::string(kLongestNote, '\0')); }
BENCHMARK(BM_OpenLargestNoteOfNulBytes)->Unit(benchmark::kMillisecond);

// Kept in the year's file as one unbroken run, which the box can only wrap anywhere.
void BM_OpenOwnNoteFourTimesTheLargestInLines(benchmark::State& state) {
    App();
    Program p;
    const Date day = DateSerial(2009, 3, 5);
    MakeFolder(p.dir + "2009");
    WriteFileAtomic(p.dir + "2009/Notes.dat",
                    FormatMmDdYy(day) + ":" + CellStampOf(day) + ":" + std::string(4 * kLongestNote, 'o') + "\r\n");
    p.s.dates.gSelectedDate = day;
    SetDateVariables(p.s);
    for (auto _ : state) {
        if (!DisplayThisNote(p.s)) {
            state.SkipWithError("the note was not opened");
            return;
        }
        frmNotes* notes = frmNotes::Find(p.w.findChild<QMdiArea*>());
        notes->txtNotes()->repaint();
        QApplication::processEvents();
        benchmark::DoNotOptimize(notes->DisplayLines());
        state.PauseTiming();
        notes->CloseWindow();
        QApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_OpenOwnNoteFourTimesTheLargestInLines)->Unit(benchmark::kMillisecond);

void BM_RefuseNoteOf50MiB(benchmark::State& state) {
    App();
    Program p;
    WriteFileAtomic(p.share + "huge.nte", "07/04/09:");
    fs::resize_file(p.share + "huge.nte", 50u << 20);
    for (auto _ : state)
        if (ReadExternalNotes(p.s, p.share, "huge.nte")) state.SkipWithError("the note was opened");
}
BENCHMARK(BM_RefuseNoteOf50MiB)->Unit(benchmark::kMicrosecond);

void BM_ListShareOfBigAndOddFiles(benchmark::State& state) {
    App();
    Program p;
    for (int i = 0; i < 10000; ++i) {
        std::string name = p.share + "note " + std::to_string(i);
        if (i % 10 == 1) ::mkfifo((name + ".nte").c_str(), 0644);
        else if (i % 10 == 2) fs::create_symlink(p.share + "gone", name + ".pln");
        else std::ofstream(name + ".nte"), fs::resize_file(name + ".nte", 50u << 20);
    }
    for (auto _ : state) {
        frmFile f(p.s, FileDialogMode::NotesImport);
        benchmark::DoNotOptimize(f.Folder());
    }
}
BENCHMARK(BM_ListShareOfBigAndOddFiles)->Unit(benchmark::kMillisecond);

// The largest term list (8 MiB) of terms of the given length, read and shown.
void BM_OpenLargestTermList(benchmark::State& state) {
    App();
    Program p;
    const size_t length = static_cast<size_t>(state.range(0));
    std::string terms;
    for (int i = 0; terms.size() + length + 2 <= SizeLimitFor(p.dir + "big.fut"); ++i)
        terms += std::string(length, static_cast<char>('a' + i % 26)) + "\r\n";
    WriteFileAtomic(p.dir + "big.fut", terms);
    p.s.prefs.gFUTFileName = "big.fut";
    for (auto _ : state) {
        frmFUT* f = frmFUT::ShowWindow(p.s);
        f->repaint();
        QApplication::processEvents();
        state.PauseTiming();
        f->close();
        QApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_OpenLargestTermList)->Arg(100)->Arg(kLongestTerm)->Unit(benchmark::kMillisecond);

// One character typed at the end of the note, until it is painted.
void TypeInto(benchmark::State& state, const std::string& text) {
    App();
    Program p;
    WriteFileAtomic(p.share + "note.nte", "07/04/09:" + text);
    ReadExternalNotes(p.s, p.share, "note.nte");
    QPlainTextEdit* box = frmNotes::Find(p.w.findChild<QMdiArea*>())->txtNotes();
    box->moveCursor(QTextCursor::End);
    for (auto _ : state) {
        box->insertPlainText("a");
        box->repaint();
        QApplication::processEvents();
    }
}

void BM_TypeIntoTypedNote(benchmark::State& state) { TypeInto(state, Prose(3000, true)); }
BENCHMARK(BM_TypeIntoTypedNote)->Unit(benchmark::kMillisecond);

void BM_TypeIntoLargestNoteInLines(benchmark::State& state) { TypeInto(state, Prose(kLongestNote, true)); }
BENCHMARK(BM_TypeIntoLargestNoteInLines)->Unit(benchmark::kMillisecond);

void BM_TypeIntoLargestNoteInOneParagraph(benchmark::State& state) { TypeInto(state, Prose(kLongestNote, false)); }
BENCHMARK(BM_TypeIntoLargestNoteInOneParagraph)->Unit(benchmark::kMillisecond);

} // namespace
