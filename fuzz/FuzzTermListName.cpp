// The name check of term lists, alone and as the preferences hand a name to it: whatever the
// bytes, an accepted name is one plain ".fut" file name in the data folder.
#include "FuzzSupport.h"
#include "store/Preferences.h"
#include "store/TermLists.h"

#include <filesystem>

namespace {

void MustBeAListName(const std::string& name) {
    if (!orvelle::ValidFUTFileName(name)) std::abort();
    if (name.size() > 255 || name.find_first_of("/\\:*?<>|") != std::string::npos) std::abort();
    for (char c : name)
        if (static_cast<unsigned char>(c) < 32) std::abort();
    std::string stem = name.substr(0, name.size() - 4), tail = name.substr(name.size() - 4);
    if (stem.find_first_not_of('.') == std::string::npos) std::abort();
    for (char& c : tail) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (tail != ".fut") std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string name(reinterpret_cast<const char*>(data), size);
    if (orvelle::ValidFUTFileName(name)) MustBeAListName(name);
    std::string prefs;
    for (int i = 0; i < orvelle::kPrefTermsFile; ++i) prefs += "\r\n";
    prefs += "Frequent Terms File:" + name + "\r\n";
    return orvelle::fuzz::ReadAs("UserPreferences.txt", reinterpret_cast<const uint8_t*>(prefs.data()), prefs.size(),
                                 [](orvelle::Store& s) {
                                     orvelle::GetUserPreferences(s);
                                     const std::string listName = s.prefs.gFUTFileName;
                                     if (listName.empty()) return;
                                     MustBeAListName(listName);
                                     orvelle::ReadFrequentlyUsedTerms(s);
                                     std::error_code ec;
                                     std::filesystem::remove(s.gAppPath + listName, ec);
                                 });
}
