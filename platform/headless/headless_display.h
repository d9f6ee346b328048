// Headless display: the display-mode list a test sets, and the presented frames.
//
// Defaults: modes 800 x 600, 1024 x 768, 1280 x 1024, 1920 x 1080; desktop 1920 x 1080. The modes
// are offered in the order the test gives them (duplicates included), so that the program's own
// handling of odd lists can be tried.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/base/backend.h"
#include "platform/base/wintypes.h"

// One presented frame: 16-bit 5-6-5 pixels, rows width apart.
struct tkp_HeadlessFrame {
    int width = 0;
    int height = 0;
    std::vector<std::uint16_t> pixels;
};

void tkp_HeadlessSetDisplayModes(const std::vector<tkp::backend::DisplayMode>& modes);
// Back to the default modes and desktop; forgets the frames, the presentation size and a window
// asked for with tkp_SetWindowedMode (which makes the modes those emulated for the window's size).
void tkp_HeadlessResetDisplay();

// The size SetDisplayMode last gave the presentation (0 x 0 before any).
tkp::backend::DisplayMode tkp_HeadlessPresentationSize();
// Frames presented since the last reset.
int tkp_HeadlessFrameCount();
// A copy of the last presented frame (empty before the first).
tkp_HeadlessFrame tkp_HeadlessLastFrame();
// Pixel (x, y) of the last frame as 0x00RRGGBB, each channel widened from 5 or 6 bits by bit
// replication; 0xFFFFFFFF outside the frame.
std::uint32_t tkp_HeadlessFramePixel(int x, int y);
// Writes the last frame as a PNG file; false when nothing was presented or the write failed.
bool tkp_HeadlessSaveFramePng(const char* path);
