#include "FuzzSupport.h"
ORVELLE_FUZZ_READER("Template.dat", {
    orvelle::ClearPlacedIcons(s);
    orvelle::SetTemplateDate(s, 2009);
    orvelle::ReadTemplateTags(s);
})
