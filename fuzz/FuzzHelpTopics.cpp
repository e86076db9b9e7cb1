#include "FuzzSupport.h"
ORVELLE_FUZZ_READER("Help_Topics.txt", orvelle::ReadHelpTopics(s))
