#include "FuzzSupport.h"
#include "store/Exchange.h"
ORVELLE_FUZZ_READER("Day.pln", orvelle::ReadExternalPlanner(s, orvelle::fuzz::Folder(), "Day.pln", [] {}))
