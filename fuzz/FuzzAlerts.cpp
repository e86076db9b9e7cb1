#include "FuzzSupport.h"
ORVELLE_FUZZ_READER("Alerts.dat", orvelle::ReadAlerts(s))
