// The emulated display-mode list: a short fixed list of common sizes that fit the desktop.
#include "platform/present/display_modes.h"

#include <algorithm>

namespace tkp::present {

namespace {

constexpr base::backend::DisplayMode kCommonModes[] = {
    {800, 600},   {1024, 768},  {1152, 864},  {1280, 720},  {1280, 800},
    {1280, 1024}, {1366, 768},  {1440, 900},  {1600, 900},  {1600, 1200},
    {1680, 1050}, {1920, 1080}, {1920, 1200}, {2560, 1440}, {3840, 2160},
};

bool before(const base::backend::DisplayMode& a, const base::backend::DisplayMode& b) {
    return a.width != b.width ? a.width < b.width : a.height < b.height;
}

}  // namespace

std::vector<base::backend::DisplayMode> EmulatedDisplayModes(int desktopWidth, int desktopHeight) {
    std::vector<base::backend::DisplayMode> modes;
    if (desktopWidth <= 0 || desktopHeight <= 0) return modes;
    for (const auto& m : kCommonModes) {
        if (m.width <= desktopWidth && m.height <= desktopHeight) modes.push_back(m);
    }
    const base::backend::DisplayMode desktop{desktopWidth, desktopHeight};
    auto at = std::lower_bound(modes.begin(), modes.end(), desktop, before);
    if (at == modes.end() || at->width != desktopWidth || at->height != desktopHeight)
        modes.insert(at, desktop);
    return modes;
}

}  // namespace tkp::present
