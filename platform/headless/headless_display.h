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

namespace tkp::headless {

// One presented frame: 16-bit 5-6-5 pixels, rows width apart.
struct Frame {
    int width = 0;
    int height = 0;
    std::vector<std::uint16_t> pixels;
};

void SetDisplayModes(const std::vector<tkp::base::backend::DisplayMode>& modes);
// Back to the default modes and desktop; forgets the frames, the presentation size and a window
// asked for with tkp::user::SetWindowedMode (which makes the modes those emulated for the window's size).
void ResetDisplay();

// The size SetDisplayMode last gave the presentation (0 x 0 before any).
tkp::base::backend::DisplayMode PresentationSize();
// Frames presented since the last reset.
int FrameCount();
// A copy of the last presented frame (empty before the first).
Frame LastFrame();
// Pixel (x, y) of the last frame as 0x00RRGGBB, each channel widened from 5 or 6 bits by bit
// replication; 0xFFFFFFFF outside the frame.
std::uint32_t FramePixel(int x, int y);
// Writes the last frame as a PNG file; false when nothing was presented or the write failed.
bool SaveFramePng(const char* path);

}  // namespace tkp::headless
