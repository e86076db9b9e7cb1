#pragma once
#include <string>

namespace orvelle {

// $ORVELLE_HOME, else $XDG_DATA_HOME/orvelle, else ~/.local/share/orvelle; ends in "/".
std::string DefaultDataFolder();

} // namespace orvelle
