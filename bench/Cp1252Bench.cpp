// Every planner page and note passes through the codec on its way to and from the widgets: a
// whole 4100-character planner record each way must cost a few microseconds at most.
#include "platform/Cp1252.h"

#include <benchmark/benchmark.h>

#include <string>

using namespace orvelle;

namespace {

// A planner record's worth of text with the program's flag characters and some punctuation
// from the 0x80-0x9F range mixed in.
std::string RecordBytes() {
    std::string line = "09:00 AM  Meeting with \x93Smith\x94 \x96 budget \x80 120.00 \xF3\xD5\xD2 ";
    std::string out;
    while (out.size() < 4100) out += line;
    out.resize(4100);
    return out;
}

void BM_Cp1252ToQString(benchmark::State& state) {
    const std::string bytes = RecordBytes();
    for (auto _ : state) benchmark::DoNotOptimize(FromCp1252(bytes));
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(bytes.size()));
}
BENCHMARK(BM_Cp1252ToQString);

void BM_QStringToCp1252(benchmark::State& state) {
    const QString text = FromCp1252(RecordBytes());
    for (auto _ : state) benchmark::DoNotOptimize(ToCp1252(text));
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * text.size());
}
BENCHMARK(BM_QStringToCp1252);

} // namespace
