#include "FuzzSupport.h"
ORVELLE_FUZZ_READER("Marker Colors.dat", orvelle::ReadMarkerColors(s))
