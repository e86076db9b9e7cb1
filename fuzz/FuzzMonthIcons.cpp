#include "FuzzSupport.h"
ORVELLE_FUZZ_READER("2009/Mar_Icons.dat", {
    orvelle::SetMonthIconFile(s, orvelle::DateSerial(2009, 3, 1));
    orvelle::ClearPlacedIcons(s);
    orvelle::Read1MonthIcons(s);
})
