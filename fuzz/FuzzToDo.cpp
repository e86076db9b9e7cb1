#include "FuzzSupport.h"
ORVELLE_FUZZ_READER("To Do.dat", orvelle::ReadToDoList(s))
