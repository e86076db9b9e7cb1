// Start-up to the painted twelve-month view beside a bare Qt main window started the same way.
// Cold: a fresh process each time (this program runs itself with ORVELLE_BENCH_CHILD set), which
// makes the application and then goes through the program's own start (StartProgram: the
// desktop name, Enter on buttons, the window icon, lock, stale temporary files, shipped
// defaults, the main window's load), shows and paints the window, and tells the parent through
// a pipe. The time is from starting the process to that word: what comes after the first paint
// (the pictures a first start copies, the printer check, the flush, the way out) is not start-up.
// The bare windows are made in the same process image on the same platform, and the one with
// text shows it in the windows' own face (DefaultWindowFont), as every window of the program
// does: a face is the cost any window with text pays once. The first start is on a folder that
// does not exist yet; a later start is on a folder as a new user has it after that. Warm:
// windows made one after another in this process, whose application already runs. Also on a
// folder with ten years of full planner and notes files (start-up must not grow with the years
// kept). To compare them side by side:
//   orvelle_bench --benchmark_filter=Cold --benchmark_repetitions=10
//     --benchmark_enable_random_interleaving=true --benchmark_report_aggregates_only=true
// With ORVELLE_BENCH_COMPARE=<another build's orvelle_bench> its cold starts run in the same run
// as "Compared..." (RegisterComparedColdStarts): a before and an after under the same load.
#include "ColdStart.h"
#include "mainwindow/PlannerLauncher.h"
#include "mainwindow/ProgramStart.h"
#include "mainwindow/frmMain.h"
#include "platform/DataFolder.h"
#include "platform/Fonts.h"
#include "store/Clock.h"
#include "store/Store.h"
#include "store/TextFile.h"

#include <QApplication>
#include <QLabel>
#include <QMainWindow>

#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

void EnsureOffscreen() {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
}

QApplication& App() {
    static QApplication* app = [] {
        EnsureOffscreen();
        static int argc = 1;
        static char name[] = "orvelle_bench";
        static char* argv[] = {name, nullptr};
        return new QApplication(argc, argv);
    }();
    return *app;
}

// A data folder as a new user has it: the shipped defaults and nothing else.
std::string ShippedDefaults() { return std::string(ORVELLE_BINARY_DIR) + "/defaults/"; }
// The window icon as the build tree has it for the program beside it.
std::string ProgramIcon() { return std::string(ORVELLE_BINARY_DIR) + "/icons/hicolor/256x256/apps/orvelle.png"; }

// The folders this run made, removed when it ends (a cold-start child ends without removing).
struct MadeFolders {
    std::vector<std::string> paths;
    ~MadeFolders() {
        std::error_code ec;
        for (const std::string& p : paths) std::filesystem::remove_all(p, ec);
    }
};
MadeFolders gMadeFolders;

std::string NewTempFolder(const char* name) {
    std::string t = (std::filesystem::temp_directory_path() / (std::string(name) + "-XXXXXX")).string();
    std::string made = std::string(mkdtemp(t.data())) + "/";
    gMadeFolders.paths.push_back(made);
    return made;
}

const std::string& DataFolder() {
    static const std::string dir = [] {
        std::string d = NewTempFolder("orvelle-bench");
        orvelle::SeedDataFolder(d, ShippedDefaults());
        return d;
    }();
    return dir;
}

// The defaults plus, for ten years around this one, a planner page and a note on every day.
const std::string& LargeDataFolder() {
    static const std::string dir = [] {
        std::string d = NewTempFolder("orvelle-bench-large");
        orvelle::SeedDataFolder(d, ShippedDefaults());
        int now = orvelle::Clock::CurrentYear();
        std::string record = "Meet the team about the quarter" + std::string(4100 - 31, ' ');
        std::string note = "Called the bank; the form goes out Monday.\xD5\xD2" + std::string(150, 'n');
        for (int year = now - 5; year < now + 5; ++year) {
            std::string planner, notes;
            for (orvelle::Date day = orvelle::DateSerial(year, 1, 1); orvelle::YearOf(day) == year; ++day) {
                std::string head = orvelle::FormatMmDdYy(day) + ":" + orvelle::CellStampOf(day) + ":";
                planner += head + record + "\r\n";
                notes += head + note + "\r\n";
            }
            orvelle::MakeFolder(d + std::to_string(year));
            orvelle::WriteFileAtomic(d + std::to_string(year) + "/Planner.dat", planner);
            orvelle::WriteFileAtomic(d + std::to_string(year) + "/Notes.dat", notes);
        }
        return d;
    }();
    return dir;
}

// In a cold-start child, the pipe to tell the parent that the window is painted.
int gPaintedPipe = -1;

// Shows and paints the window; a cold-start child then says "painted" and ends at once, before
// anything is taken down.
void ShowAndPaint(QWidget& w) {
    w.show();
    QApplication::processEvents();
    w.repaint();
    if (gPaintedPipe < 0) return;
    char painted = 'p';
    std::_Exit(::write(gPaintedPipe, &painted, 1) == 1 ? 0 : 1);
}

void StartBare() {
    QMainWindow w;
    w.resize(800, 600);
    ShowAndPaint(w);
}

// The same with one line of text: what the font set-up costs any window that shows text.
void StartBareWithText() {
    QMainWindow w;
    w.setFont(orvelle::DefaultWindowFont());
    w.resize(800, 600);
    QLabel label(QStringLiteral("Select >"), &w);
    ShowAndPaint(w);
}

void StartMainWindow(const std::string& dir) {
    orvelle::Store store(dir);
    orvelle::frmMain w(store);
    w.MDIForm_Load();
    ShowAndPaint(w);
}

// What the program's main does up to its event loop.
bool StartProgram(QApplication& app, const std::string& dir) {
    auto program = orvelle::StartProgram(app, {dir, ShippedDefaults(), ProgramIcon()});
    if (!program) return false;
    ShowAndPaint(*program->window);
    return true;
}

} // namespace

// The child's whole life, from the bench's main once every static object of the program is made,
// as the program's own main starts; ShowAndPaint ends it.
void RunColdStartChild() {
    const char* what = std::getenv("ORVELLE_BENCH_CHILD");
    const char* pipe = std::getenv("ORVELLE_BENCH_PIPE");
    if (!what || !pipe) return;
    gPaintedPipe = std::atoi(pipe);
    EnsureOffscreen();
    int argc = 1;
    char name[] = "orvelle_bench_child";
    char* argv[] = {name, nullptr};
    QApplication app(argc, argv);
    if (std::string(what) == "bare") StartBare();
    else if (std::string(what) == "text") StartBareWithText();
    else StartProgram(app, what);
    std::_Exit(1); // not painted
}

namespace {

// Runs `program` (this one unless another build is compared) as a child for one cold start: the
// iteration's time is from the spawn to the child's word that its window is painted.
void ColdStart(benchmark::State& state, const std::string& what, const char* program = "/proc/self/exe") {
    int fds[2];
    if (::pipe(fds) != 0) {
        state.SkipWithError("cannot make a pipe");
        return;
    }
    std::string child = "ORVELLE_BENCH_CHILD=" + what, pipe = "ORVELLE_BENCH_PIPE=" + std::to_string(fds[1]);
    std::vector<char*> envp;
    for (char** e = environ; *e; ++e) envp.push_back(*e);
    envp.push_back(child.data());
    envp.push_back(pipe.data());
    envp.push_back(nullptr);
    std::string path = program;
    char* argv[] = {path.data(), nullptr};
    pid_t pid = 0;
    auto started = std::chrono::steady_clock::now();
    if (posix_spawn(&pid, path.c_str(), nullptr, nullptr, argv, envp.data()) != 0) {
        state.SkipWithError("cannot start the child");
        ::close(fds[0]);
        ::close(fds[1]);
        return;
    }
    ::close(fds[1]);
    char word = 0;
    bool painted = ::read(fds[0], &word, 1) == 1;
    state.SetIterationTime(std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count());
    ::close(fds[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    if (!painted || !WIFEXITED(status) || WEXITSTATUS(status) != 0) state.SkipWithError("the child failed");
}

void BM_ColdBareQtWindow(benchmark::State& state) {
    for (auto _ : state) ColdStart(state, "bare");
}
BENCHMARK(BM_ColdBareQtWindow)->Unit(benchmark::kMillisecond)->UseManualTime();

void BM_ColdBareQtWindowWithText(benchmark::State& state) {
    for (auto _ : state) ColdStart(state, "text");
}
BENCHMARK(BM_ColdBareQtWindowWithText)->Unit(benchmark::kMillisecond)->UseManualTime();

void BM_ColdMainWindowToTwelveMonthView(benchmark::State& state) {
    const std::string& dir = DataFolder();
    for (auto _ : state) ColdStart(state, dir);
}
BENCHMARK(BM_ColdMainWindowToTwelveMonthView)->Unit(benchmark::kMillisecond)->UseManualTime();

// The very first start: the data folder is made and given the shipped defaults.
void BM_ColdFirstStartOnANewFolder(benchmark::State& state) {
    const std::string parent = NewTempFolder("orvelle-bench-first");
    int n = 0;
    for (auto _ : state) {
        std::string dir = parent + std::to_string(n++) + "/";
        ColdStart(state, dir);
        std::filesystem::remove_all(dir);
    }
    std::filesystem::remove_all(parent);
}
BENCHMARK(BM_ColdFirstStartOnANewFolder)->Unit(benchmark::kMillisecond)->UseManualTime();

void BM_ColdMainWindowTenFullYears(benchmark::State& state) {
    const std::string& dir = LargeDataFolder();
    for (auto _ : state) ColdStart(state, dir);
}
BENCHMARK(BM_ColdMainWindowTenFullYears)->Unit(benchmark::kMillisecond)->UseManualTime();

void BM_WarmBareQtWindow(benchmark::State& state) {
    App();
    for (auto _ : state) StartBare();
}
BENCHMARK(BM_WarmBareQtWindow)->Unit(benchmark::kMillisecond);

void BM_WarmMainWindowToTwelveMonthView(benchmark::State& state) {
    App();
    const std::string& dir = DataFolder();
    for (auto _ : state) StartMainWindow(dir);
}
BENCHMARK(BM_WarmMainWindowToTwelveMonthView)->Unit(benchmark::kMillisecond);

void BM_WarmMainWindowTenFullYears(benchmark::State& state) {
    App();
    const std::string& dir = LargeDataFolder();
    for (auto _ : state) StartMainWindow(dir);
}
BENCHMARK(BM_WarmMainWindowTenFullYears)->Unit(benchmark::kMillisecond);

} // namespace

void RegisterComparedColdStarts() {
    const char* other = std::getenv("ORVELLE_BENCH_COMPARE");
    if (!other || !*other) return;
    static const std::string program = other;
    auto add = [](const char* name, std::function<std::string()> what) {
        benchmark::RegisterBenchmark(name, [what](benchmark::State& state) {
            std::string w = what();
            for (auto _ : state) ColdStart(state, w, program.c_str());
        })->Unit(benchmark::kMillisecond)->UseManualTime();
    };
    add("BM_ComparedColdBareQtWindow", [] { return std::string("bare"); });
    add("BM_ComparedColdBareQtWindowWithText", [] { return std::string("text"); });
    add("BM_ComparedColdMainWindowToTwelveMonthView", [] { return DataFolder(); });
    add("BM_ComparedColdMainWindowTenFullYears", [] { return LargeDataFolder(); });
    benchmark::RegisterBenchmark("BM_ComparedColdFirstStartOnANewFolder", [](benchmark::State& state) {
        const std::string parent = NewTempFolder("orvelle-bench-first");
        int n = 0;
        for (auto _ : state) {
            std::string dir = parent + std::to_string(n++) + "/";
            ColdStart(state, dir, program.c_str());
            std::filesystem::remove_all(dir);
        }
    })->Unit(benchmark::kMillisecond)->UseManualTime();
}
