// What the card table tells the game screen when a drop finds a pair or a set loads. The screen
// keeps the list of found pairs, the congratulation and the sounds; the table only moves and hides
// cards.
#pragma once

class CTableEvents {
  public:
    virtual ~CTableEvents() = default;
    // Both cards of the pair are off the table: play the snap sound and list the pair as found.
    virtual void PairFound(int pair) = 0;
    // How many pairs have been found so far.
    virtual int FoundPairs() = 0;
    // Every pair is found: show the congratulation and play the fanfare.
    virtual void GameWon() = 0;
    // Another card set is being loaded: the list of found pairs empties and the congratulation
    // hides.
    virtual void SetLoading() {}
    // The set's thumbnails are being made: told before each picture of the folder at set (done
    // pictures so far, their total, the picture's path) and once at the end with a null picture.
    virtual void ThumbnailProgress(const char* set, int done, int total, const char* picture) {
        (void)set, (void)done, (void)total, (void)picture;
    }
};
