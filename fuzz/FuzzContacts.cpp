#include "FuzzSupport.h"
ORVELLE_FUZZ_READER("Employee Info.dat", orvelle::ReadEmployeeInfo(s))
