// The three things the generator writes.
#pragma once

#include <string>

namespace resgen {

// rezia_dll.bmp, rezia.bmp, sprite_plane.bmp, kartola.ico and the four WAV sounds.
bool WriteResources(const std::string& folder);
// One DATA_* folder per card set with its pictures and .faz markers.
bool WriteCardSets(const std::string& folder);
// A PNG showing the resources and every card as the game shows it.
bool WriteContactSheet(const std::string& file);

}  // namespace resgen
