// Finding the installed font file for a LOGFONT through fontconfig.
#pragma once

#include <string>

#include "platform/text/text.h"

namespace tkp::text {

struct FontMatch {
    std::string file;
    int index = 0;
    bool embolden = false;  // bold was asked for and the face is not bold
    bool oblique = false;   // italic was asked for and the face is upright
};

// Starts fontconfig once; false (logged) when it cannot be started.
bool FontconfigReady();

// Whether fontconfig knows any font at all; when it knows none, says so once.
bool FontsInstalled();

// The best installed scalable face for the font's face name, weight, italic flag, character set
// and pitch and family, after fontconfig's substitutions ("Verdana" -> DejaVu Sans on Debian).
// Results are remembered. False (logged) when fontconfig finds nothing.
bool MatchFont(const LOGFONTA& lf, FontMatch* out);

// A language fontconfig knows that needs the character set's letters (null for none in particular).
const char* CharsetLanguage(int charset);

}  // namespace tkp::text
