// Names ordered as Slovak orders them ("šport" before "zvieratá", "chlieb" after "hrozno"): the C
// library's collation for sk_SK.UTF-8, or byte order where that locale is not installed.
#pragma once

#include <string>
#include <vector>

// Sorts the names in Slovak order; equal names by collation keep byte order between them.
void SortSlovak(std::vector<std::string>* names);
// Whether the Slovak collation is at hand (false: byte order is used).
bool SlovakCollationAvailable();
