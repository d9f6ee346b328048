#include "game/kartola_play_state.h"

int g_iHoverCard = -1;
int g_iHeldCard = -1;
bool g_bCardSounds = true;
