#include "FuzzSupport.h"
ORVELLE_FUZZ_READER("UserPreferences.txt", orvelle::GetUserPreferences(s))
