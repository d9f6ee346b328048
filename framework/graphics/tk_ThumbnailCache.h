// Where a picture's thumbnail goes when it cannot lie beside the picture (a read-only folder, a
// full disk): the user's cache, $XDG_CACHE_HOME/kartola/thumbnails/ (else
// ~/.cache/kartola/thumbnails/), one file per picture named by a hash of the picture's full path,
// size and modification time, so that a changed picture gets a new thumbnail.
#pragma once

#include <string>

// The cache folder ("" when neither variable gives one).
std::string tk_BMP_ThumbnailCacheFolder();
// The cached thumbnail's path for the picture ("" when the picture cannot be looked at or there is
// no cache folder). The file need not exist.
std::string tk_BMP_CachedThumbnailPath(const char* picture);
// Creates the cache folder and its parents; false when that fails.
bool tk_BMP_MakeThumbnailCacheFolder();
