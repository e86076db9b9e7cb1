#pragma once
// Shared by the notes tests: the test program's QApplication and fresh data folders.
#include <QApplication>
#include <filesystem>
#include <stdlib.h>
#include <string>

namespace orvelle::test {

inline QApplication& App() { return *static_cast<QApplication*>(QApplication::instance()); }

// Base of window test fixtures: the application exists before any member widget.
struct UsesQtApp {
    UsesQtApp() { App(); }
};

// A new empty folder, ending in "/".
inline std::string TempFolder() {
    std::string t = (std::filesystem::temp_directory_path() / "orvelle-notes-XXXXXX").string();
    return std::string(mkdtemp(t.data())) + "/";
}

} // namespace orvelle::test
