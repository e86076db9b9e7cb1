#include "FuzzSupport.h"
ORVELLE_FUZZ_READER("2009Marks.dat", (void)orvelle::ReadThisYearsMarks(s))
