// The search that places a card the scatter's random tries could not place clear of the others:
// every place of a grid over the table and every place beside a card is weighed, and the best kept.
#pragma once

// The table a card may lie on: its top-left corner within [left, right] x [top, bottom].
struct TableArea {
    int left;
    int top;
    int right;
    int bottom;
};

// The best place on the area for card i against the visible cards placed before it: a place clear
// of them all by more than the clearance when there is one, the one farthest from its nearest card;
// else the one covering the least of them, counting a name card's cover four times over, so that
// names stay readable. Deterministic: the same cards give the same place.
void BestPlace(int i, const TableArea& area, int* x, int* y);
// The same against every other visible card, before or after card i.
void BestPlaceAmongAll(int i, const TableArea& area, int* x, int* y);

// Where cards still touch or overlap after the scatter, each such card (the topmost first) moves to
// the best place against all the others when that is better than where it lies; twice over at most.
void SpreadOverlappingCards(const TableArea& area);
