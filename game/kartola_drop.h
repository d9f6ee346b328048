// The drop rule: a card released near its partner makes a found pair.
#pragma once

class CStolUdalosti;

// Distance between the two top-left corners below which a dropped card matches its partner.
constexpr double SNAP_DISTANCE = 30.0;

// Runs when the left button was released over the held card (g_iHeldCard), after the card was
// told of the release. If its partner's top-left corner lies less than SNAP_DISTANCE away, the
// card takes the partner's place, both turn invisible and the events hear of the found pair, and
// of the won game once every pair is found. The held index is none afterwards. 1 when a pair was
// found; 0 otherwise, also when no card is held. Events may be null.
int PUSTI_KARTU(CStolUdalosti* events);
