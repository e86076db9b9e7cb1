#include "FuzzSupport.h"
ORVELLE_FUZZ_READER("Icon Tags.dat", orvelle::ReadIconTags(s))
