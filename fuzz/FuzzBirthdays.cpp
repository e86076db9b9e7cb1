#include "FuzzSupport.h"
ORVELLE_FUZZ_READER("Birthdays.dat", orvelle::ReadBirthdays(s))
