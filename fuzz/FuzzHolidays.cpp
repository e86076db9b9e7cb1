#include "FuzzSupport.h"
ORVELLE_FUZZ_READER("Holidays/2009Holidays.dat", orvelle::AssignThisYearsHolidays(s))
