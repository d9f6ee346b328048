// The headless backend's display: a mode list and desktop size set by tests, and a memory copy of
// every presented frame.
#include "platform/headless/headless_display.h"

#include <algorithm>
#include <mutex>

#include "platform/image/png_write.h"
#include "platform/pixels/pixel565.h"
#include "platform/present/display_modes.h"

namespace {

const std::vector<tkp::base::backend::DisplayMode> kDefaultModes = {
    {800, 600}, {1024, 768}, {1280, 1024}, {1920, 1080}};
constexpr tkp::base::backend::DisplayMode kDefaultDesktop = {1920, 1080};

struct DisplayState {
    std::mutex mutex;
    std::vector<tkp::base::backend::DisplayMode> modes = kDefaultModes;
    tkp::base::backend::DisplayMode desktop = kDefaultDesktop;
    tkp::base::backend::DisplayMode presentation = {0, 0};
    // A window asked for instead of the whole screen; 0 x 0 for none.
    tkp::base::backend::DisplayMode windowed = {0, 0};
    int frames = 0;
    tkp::headless::Frame last;
};

DisplayState& displayState() {
    static auto* state = new DisplayState();
    return *state;
}

}  // namespace

namespace tkp::base::backend {

// In a window the modes are those the SDL backend emulates for a desktop of the window's size.
std::vector<DisplayMode> DisplayModes() {
    std::lock_guard<std::mutex> lock(displayState().mutex);
    const DisplayMode w = displayState().windowed;
    if (w.width > 0) return tkp::present::EmulatedDisplayModes(w.width, w.height);
    return displayState().modes;
}

DisplayMode DesktopSize() {
    std::lock_guard<std::mutex> lock(displayState().mutex);
    return displayState().windowed.width > 0 ? displayState().windowed : displayState().desktop;
}

void SetWindowed(int width, int height) {
    std::lock_guard<std::mutex> lock(displayState().mutex);
    displayState().windowed = {width, height};
}

void SetPresentationSize(int width, int height) {
    std::lock_guard<std::mutex> lock(displayState().mutex);
    displayState().presentation = {width, height};
}

void Present(const std::uint16_t* pixels, int width, int height, int pitchBytes) {
    if (!pixels || width <= 0 || height <= 0 || pitchBytes < width * 2) return;
    std::lock_guard<std::mutex> lock(displayState().mutex);
    tkp::headless::Frame& frame = displayState().last;
    frame.width = width;
    frame.height = height;
    frame.pixels.resize(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
    const auto* bytes = reinterpret_cast<const unsigned char*>(pixels);
    for (int y = 0; y < height; ++y) {
        const auto* row =
            reinterpret_cast<const std::uint16_t*>(bytes + static_cast<std::ptrdiff_t>(y) * pitchBytes);
        std::copy_n(row, width, frame.pixels.begin() + static_cast<std::ptrdiff_t>(y) * width);
    }
    ++displayState().frames;
}

// Only the changed rectangles are copied, so a change left out of them shows in every test's frame.
void PresentChanges(const std::uint16_t* pixels, int width, int height, int pitchBytes,
                    const std::vector<RECT>& changes) {
    {
        std::lock_guard<std::mutex> lock(displayState().mutex);
        tkp::headless::Frame& frame = displayState().last;
        if (pixels && frame.width == width && frame.height == height && pitchBytes >= width * 2) {
            const int pitch = pitchBytes / 2;
            for (const RECT& r : changes) {
                for (int y = r.top; y < r.bottom; ++y)
                    std::copy(pixels + static_cast<std::ptrdiff_t>(y) * pitch + r.left,
                              pixels + static_cast<std::ptrdiff_t>(y) * pitch + r.right,
                              frame.pixels.begin() + static_cast<std::ptrdiff_t>(y) * width + r.left);
            }
            ++displayState().frames;
            return;
        }
    }
    Present(pixels, width, height, pitchBytes);
}

}  // namespace tkp::base::backend

void tkp::headless::SetDisplayModes(const std::vector<tkp::base::backend::DisplayMode>& modes) {
    std::lock_guard<std::mutex> lock(displayState().mutex);
    displayState().modes = modes;
}

void tkp::headless::ResetDisplay() {
    std::lock_guard<std::mutex> lock(displayState().mutex);
    displayState().modes = kDefaultModes;
    displayState().desktop = kDefaultDesktop;
    displayState().presentation = {0, 0};
    displayState().windowed = {0, 0};
    displayState().frames = 0;
    displayState().last = tkp::headless::Frame{};
}

tkp::base::backend::DisplayMode tkp::headless::PresentationSize() {
    std::lock_guard<std::mutex> lock(displayState().mutex);
    return displayState().presentation;
}

int tkp::headless::FrameCount() {
    std::lock_guard<std::mutex> lock(displayState().mutex);
    return displayState().frames;
}

tkp::headless::Frame tkp::headless::LastFrame() {
    std::lock_guard<std::mutex> lock(displayState().mutex);
    return displayState().last;
}

std::uint32_t tkp::headless::FramePixel(int x, int y) {
    std::lock_guard<std::mutex> lock(displayState().mutex);
    const tkp::headless::Frame& f = displayState().last;
    if (x < 0 || y < 0 || x >= f.width || y >= f.height) return 0xFFFFFFFF;
    return tkp::pixels::XrgbOf565(f.pixels[static_cast<std::size_t>(y) * f.width + x]);
}

bool tkp::headless::SaveFramePng(const char* path) {
    tkp::headless::Frame frame = tkp::headless::LastFrame();
    if (frame.width == 0 || !path) return false;
    return tkp::image::WritePng565(path, {frame.pixels.data(), frame.width, frame.height, frame.width});
}
