// Card sets: a folder of pictures whose name begins with "DATA", loaded into the registers of
// the card table with a thumbnail, a name and, where the set has one, a sound per picture.
#pragma once

#include <string>
#include <vector>

class CTableEvents;

// The folders the sets are looked for in, and the mask their names match.
inline constexpr const char* kSetsFolder = "../";
inline constexpr const char* kSetsMask = "DATA*";
// The folder's name of a set's path: the part after the last separator.
std::string FolderName(const std::string& path);
// A set's name as the menu shows it: the folder's name without the leading "DATA" and the one
// separator after it ("DATA_zvieratká zo zoo" gives "zvieratká zo zoo"); the whole name where
// nothing would be left or the name does not begin so.
std::string SetDisplayName(const std::string& folder);
// The loader's buffers: a thumbnail path and a pair name of at most this many bytes.
inline constexpr int kMaxThumbnailPath = 499;
inline constexpr int kMaxPairName = 103;

// Replaces the loaded set by the one in the folder at path and deals its cards: the previous
// set is destroyed, the events hear that a new set is loading, missing thumbnails are made (the
// events hear how far the pass is), and every "*.thm" file of the folder becomes a pair with its
// sound when a ".wav" of the same name lies beside it. A picture whose thumbnail could not be
// written beside it is dealt with its thumbnail from the user's cache, or, when even that could not
// be written, with its picture scaled in memory for this run. The caller then scatters and sets the
// name fonts. Returns the number of pairs. When leftOut is given, it receives one line per file of
// the folder that makes no card, with the reason in Slovak ("pes.jpg — poškodený súbor").
int NAHRAJ_DATA(const char* path, CTableEvents* events = nullptr,
                std::vector<std::string>* leftOut = nullptr);
