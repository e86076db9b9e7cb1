// A full year of planner pages and notes read and rewritten, beside the floor of writing the
// same bytes in one go (write, fsync, rename). The save should stay within a few times the
// floor, the read within a few milliseconds: both run on every open and save of a date.
#include "store/NotesStore.h"
#include "store/PlannerRecord.h"
#include "store/PlannerStore.h"
#include "store/Store.h"
#include "store/TextFile.h"

#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <unistd.h>

using namespace orvelle;

namespace {

constexpr int kYear = 2008;  // a leap year: 366 days

std::string TempFolder() {
    std::string t = (std::filesystem::temp_directory_path() / "orvelle-bench-XXXXXX").string();
    return std::string(mkdtemp(t.data())) + "/";
}

// Every day of the year with a filled page and a two-line note.
std::string FullPlannerYear() {
    std::string out;
    PlannerPage page;
    for (int line = 0; line < PlannerPage::kLines; ++line) page.SetLine(line, "Line " + std::to_string(line) + " text");
    for (Date d = DateSerial(kYear, 1, 1); d <= DateSerial(kYear, 12, 31); ++d)
        out += FormatMmDdYy(d) + ":" + CellStampOf(d) + ":" + BuildPlannerRecord(page) + "\r\n";
    return out;
}

std::string FullNotesYear() {
    std::string out;
    for (Date d = DateSerial(kYear, 1, 1); d <= DateSerial(kYear, 12, 31); ++d)
        out += FormatMmDdYy(d) + ":" + CellStampOf(d) + ":" +
               EncodeNoteText("Meeting with the team about the budget.\r\nBring the printed figures.") + "\r\n";
    return out;
}

struct YearFixture {
    std::string dir = TempFolder();
    Store s{dir};
    YearFixture(const std::string& fileName, const std::string& content) {
        std::filesystem::create_directories(dir + std::to_string(kYear));
        WriteFileAtomic(dir + std::to_string(kYear) + "/" + fileName, content);
        s.dates.gSelectedDate = DateSerial(kYear, 6, 1);
    }
    ~YearFixture() {
        std::error_code ec;
        std::filesystem::remove_all(dir, ec);
    }
};

// The floor: the same bytes in one write, flushed and renamed into place.
void RawWrite(const std::string& path, const std::string& content) {
    std::string tmp = path + ".tmp";
    int fd = ::open(tmp.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0 || ::write(fd, content.data(), content.size()) != static_cast<ssize_t>(content.size()) ||
        ::fsync(fd) != 0) {
        std::perror("raw write");
    }
    ::close(fd);
    std::rename(tmp.c_str(), path.c_str());
}

void BM_PlannerReadFullYear(benchmark::State& state) {
    YearFixture f("Planner.dat", FullPlannerYear());
    for (auto _ : state) {
        ReadThisYearsPlanner(f.s);
        benchmark::DoNotOptimize(f.s.planner.gThisYearsPlannerRecords.data());
    }
    if (f.s.planner.gThisYearsPlannerCount() != 366) state.SkipWithError("not a full year");
}

// Saves and floor writes take turns, so both meet the same disk weather; the reported time is
// the save's, the counters give the floor and the ratio.
template <class Save>
void SaveAgainstFloor(benchmark::State& state, YearFixture& f, const std::string& fileName, Save save) {
    using Clock = std::chrono::steady_clock;
    std::string path = f.dir + std::to_string(kYear) + "/" + fileName;
    std::string content = ReadWholeFile(path).value_or("");
    double saveSeconds = 0, floorSeconds = 0;
    for (auto _ : state) {
        auto t0 = Clock::now();
        if (!save()) state.SkipWithError("save failed");
        auto t1 = Clock::now();
        RawWrite(path + ".floor", content);
        auto t2 = Clock::now();
        double s = std::chrono::duration<double>(t1 - t0).count();
        saveSeconds += s;
        floorSeconds += std::chrono::duration<double>(t2 - t1).count();
        state.SetIterationTime(s);
    }
    double n = static_cast<double>(state.iterations());
    state.counters["floor_ms"] = floorSeconds / n * 1e3;
    state.counters["save_over_floor"] = floorSeconds > 0 ? saveSeconds / floorSeconds : 0;
}

void BM_PlannerSaveFullYear(benchmark::State& state) {
    YearFixture f("Planner.dat", FullPlannerYear());
    ReadThisYearsPlanner(f.s);
    SaveAgainstFloor(state, f, "Planner.dat", [&] { return SaveThisYearsPlannerFile(f.s); });
}

void BM_NotesReadFullYear(benchmark::State& state) {
    YearFixture f("Notes.dat", FullNotesYear());
    for (auto _ : state) {
        ReadThisYearsNotes(f.s);
        benchmark::DoNotOptimize(f.s.notes.gThisYearsNoteTexts.data());
    }
    if (f.s.notes.gThisYearsNoteCount() != 366) state.SkipWithError("not a full year");
}

void BM_NotesSaveFullYear(benchmark::State& state) {
    YearFixture f("Notes.dat", FullNotesYear());
    ReadThisYearsNotes(f.s);
    f.s.notes.gNotesBoxText = "Changed note.\r\nSecond line.";
    SaveAgainstFloor(state, f, "Notes.dat", [&] { return SaveThisYearsNotes(f.s); });
}

} // namespace

BENCHMARK(BM_PlannerReadFullYear)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PlannerSaveFullYear)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_NotesReadFullYear)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_NotesSaveFullYear)->UseManualTime()->Unit(benchmark::kMillisecond);
