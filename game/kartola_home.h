// Where an installed Kartola plays: the card sets it brings lie in a folder no user can write, so
// the first start copies them into a folder of the user's own (under the XDG data folder) and the
// game plays from a work folder inside it, where thumbnails, the log and the settings are written.
// A user adds card sets by putting "DATA..." folders there. Run from the build tree, nothing of
// this happens: the game plays from its working folder as it always did.
#pragma once

#include <string>

// The user's folder under the data folder, and the work folder inside it.
inline constexpr const char* kUserFolderName = "kartola";
inline constexpr const char* kWorkFolderName = "hra";
// The installed card sets relative to the installed executable's folder (set by the build).
inline constexpr const char* kBundledSetsFromBin = KARTOLA_SETS_FROM_BINDIR;

// The bundled card sets of an installed program, found from its executable's folder through the
// relative path the build put beside it; empty when there is none (a program in the build tree).
std::string BundledSetsFolder(const std::string& executable);

// $XDG_DATA_HOME/kartola, or $HOME/.local/share/kartola when the variable is unset, empty or not
// an absolute path; empty when neither gives an absolute folder. Either argument may be null.
std::string UserSetsFolder(const char* xdgDataHome, const char* home);

// Makes the user's folder and its work folder, and copies into it each bundled "DATA..." set that
// was never copied there before: a set the user deleted stays deleted, a folder of the user's with
// the same name is kept as it is, and a set added by a newer version arrives on its next start.
// Each set is copied to a hidden folder first and renamed into place only when complete, so a
// failed copy leaves no half set (it is tried again on the next start). Returns the work folder,
// or empty when it cannot be made; every problem is added to *problems, one line each.
std::string PrepareUserFolder(const std::string& bundled, const std::string& user, std::string* problems);

// The text of --help: what the game is, where its card sets are looked for (installed or not) and
// which kinds of picture and sound a set may hold.
std::string KartolaAbout(bool installed, const std::string& user);
