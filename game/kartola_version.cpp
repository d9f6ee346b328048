#include "game/kartola_version.h"

const char* const kKartolaVersion = "(verzia: 1.1)";
