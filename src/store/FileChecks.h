#pragma once
// Existence tests used before every read and write of a data file, and the file-name check of
// the export and terms dialogs.
#include <string>
#include <string_view>

namespace orvelle {

struct Store;

// True when the name is an existing file (not a folder) in the folder, found through
// PathInFolder. The name is taken literally: "*" and "?" are ordinary characters. A missing
// folder gives False.
bool FileExists(const std::string& folder, const std::string& name);

// True when the folder holds a sub-folder of that name, compared without regard to letter case;
// a file of that name does not count. A missing folder gives False; any other failure to list
// the folder is reported in its own box and gives False.
bool FolderExists(Store& s, const std::string& folder, const std::string& name);

// True when the name holds any of / \ : * ? < > |.
bool ContainsIllegalFileChar(std::string_view name);
// The same test, telling the user why the action was cancelled.
bool IllegalFileName(Store& s, const std::string& name);

} // namespace orvelle
