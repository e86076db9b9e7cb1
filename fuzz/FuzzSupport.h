#pragma once
// Shared by the reader fuzz targets: each input becomes one data file in a scratch data folder,
// and a fresh Store reads it through the program's own reader. The readers must never crash,
// hang or trip a sanitizer, whatever the bytes.
#include "store/Clock.h"
#include "store/Store.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace orvelle::fuzz {

inline const std::string& Folder() {
    static const std::string folder = [] {
        std::string t = (std::filesystem::temp_directory_path() / "orvelle-fuzz-XXXXXX").string();
        if (!mkdtemp(t.data())) std::abort();
        std::filesystem::create_directories(t + "/2009");
        std::filesystem::create_directories(t + "/Holidays");
        return t + "/";
    }();
    return folder;
}

// Writes the input as `name` (relative to the data folder) and hands a fresh Store, pinned to
// 5 March 2009, to `read`.
template <class Read>
int ReadAs(const char* name, const uint8_t* data, size_t size, Read read) {
    {
        std::ofstream out(Folder() + name, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }
    Clock::Set({DateSerial(2009, 3, 5), 12 * 3600});
    Store s(Folder());
    s.dates.gSelectedDate = DateSerial(2009, 3, 5);
    s.dates.gYear = 2009;
    s.dates.gMonth = 3;
    s.dates.gDay = 5;
    s.flags.gViewYear = 2008;
    s.view.gThisYear = 2009;
    read(s);
    return 0;
}

} // namespace orvelle::fuzz

// One target per reader: ORVELLE_FUZZ_READER(file name, statements reading through `s`).
#define ORVELLE_FUZZ_READER(fileName, ...)                                                         \
    extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {                    \
        return orvelle::fuzz::ReadAs(fileName, data, size, [](orvelle::Store& s) { __VA_ARGS__; }); \
    }
