// Sizes shared by the card table, the card-set loader and the game screen.
#pragma once

// A name card, a thumbnail and the box the scatter keeps clear are CARD_W x CARD_H pixels.
constexpr int CARD_W = 150;
constexpr int CARD_H = 100;
