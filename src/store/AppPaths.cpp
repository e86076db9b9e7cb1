#include "store/AppPaths.h"

#include <cstdlib>

namespace orvelle {

std::string DefaultDataFolder() {
    auto env = [](const char* name) -> std::string {
        const char* v = std::getenv(name);
        return v ? v : "";
    };
    std::string p = env("ORVELLE_HOME");
    if (p.empty()) {
        std::string xdg = env("XDG_DATA_HOME");
        if (xdg.empty()) xdg = env("HOME") + "/.local/share";
        p = xdg + "/orvelle";
    }
    if (p.back() != '/') p += '/';
    return p;
}

} // namespace orvelle
