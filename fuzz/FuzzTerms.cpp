#include "FuzzSupport.h"
#include "store/TermLists.h"
ORVELLE_FUZZ_READER("Work.fut", s.prefs.gFUTFileName = "Work.fut"; orvelle::ReadFrequentlyUsedTerms(s))
