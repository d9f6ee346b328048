// Which card the pointer is over.
#pragma once

// Index in REG_KARTY of the topmost visible card whose box, edges included, contains (px, py);
// -1 for none. Later cards lie over earlier ones.
int KARTA_POD_KURZOROM(int px, int py);
