// One phase: the rectangle of a single sprite image on a sheet.
#pragma once

struct tk_TFAZA {
    // The source rectangle; x2 and y2 are exclusive (the first column and row after the phase).
    int x;
    int y;
    int x2;
    int y2;
    // One more than the drawn width and height; used only for clipping against the screen.
    int w;
    int h;

    tk_TFAZA() : x(0), y(0), x2(0), y2(0), w(100), h(100) {}
    // A phase built this way draws (width - 1) x (height - 1) pixels.
    tk_TFAZA(int left, int top, int width, int height)
        : x(left), y(top), x2(left + width - 1), y2(top + height - 1), w(width), h(height) {}
};
