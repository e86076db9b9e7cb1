#include "FuzzSupport.h"
ORVELLE_FUZZ_READER("2009/Notes.dat", {
    orvelle::ReadThisYearsNotes(s);
    for (const auto& text : s.notes.gThisYearsNoteTexts) (void)orvelle::DecodeNoteText(text);
})
