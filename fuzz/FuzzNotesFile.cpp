#include "FuzzSupport.h"
#include "store/Exchange.h"
ORVELLE_FUZZ_READER("Day.nte", orvelle::ReadExternalNotes(s, orvelle::fuzz::Folder(), "Day.nte"))
