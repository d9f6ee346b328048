// CStolUdalosti: what the card table tells the game screen when a drop finds a pair. The screen
// keeps the list of found pairs, the congratulation and the sounds; the table only moves and
// hides cards.
#pragma once

class CStolUdalosti {
  public:
    virtual ~CStolUdalosti() = default;
    // Both cards of the pair are off the table: play the snap sound and list the pair as found.
    virtual void PairFound(int pair) = 0;
    // How many pairs have been found so far.
    virtual int FoundPairs() = 0;
    // Every pair is found: show the congratulation and play the fanfare.
    virtual void GameWon() = 0;
};
