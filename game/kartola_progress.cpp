// The progress screen of a card set whose thumbnails are being made: the first load of a big
// folder of photos takes seconds, during which the table shows the set's name, a bar and
// "n / total" instead of cards and menus, and the pointer follows the mouse. Buttons and keys
// wait in the queue for the game, which handles them in order once the set is loaded (the release
// of the click that chose the set among them).
#include <cstdint>
#include <cstring>
#include <string>

#include "framework/app/tk_APP.h"
#include "framework/graphics/tk_Display.h"
#include "framework/graphics/tk_Draw.h"
#include "framework/support/tk_FSI.h"
#include "game/kartola_app.h"
#include "platform/ddraw/surface_access.h"

namespace {

// A set of more pictures than this shows the screen while its thumbnails are checked, too.
constexpr int kBigSet = 300;
// While thumbnails are only checked, the screen is drawn again after this many pictures.
constexpr int kCheckedStep = 50;
constexpr COLORREF kBarColour = RGB(90, 200, 90);
constexpr COLORREF kTextColour = RGB(255, 255, 255);

// Whether the picture still lacks its thumbnail: only those take time.
bool lacksThumbnail(const char* picture) {
    if (std::strlen(picture) + 4 >= static_cast<std::size_t>(tk_FSI_PATH_SIZE)) return false;
    char thumbnail[tk_FSI_PATH_SIZE];
    tk_FSI_Zmen_priponu(picture, "thm", thumbnail);
    return !tk_FSI_Existuje_sub(thumbnail);
}

// The last part of the set's path, without the separators that end it.
std::string folderName(const char* set) {
    std::string path = set ? set : "";
    while (!path.empty() && (path.back() == '/' || path.back() == '\\')) path.pop_back();
    const std::size_t cut = path.find_last_of("/\\");
    return cut == std::string::npos ? path : path.substr(cut + 1);
}

void fill(HDC dc, const RECT& r, COLORREF colour) {
    HBRUSH brush = CreateSolidBrush(colour);
    FillRect(dc, &r, brush);
    DeleteObject(brush);
}

}  // namespace

void CKartolaApp::ThumbnailProgress(const char* set, int done, int total, const char* picture) {
    if (!picture) {
        progress_set_.clear();
        return;
    }
    // Pictures that have their thumbnails pass in no time: the screen shows progress from the
    // first picture that has none, so that loading a prepared set does not flicker; a big set
    // shows it from the start, since checking its thumbnails takes a moment too.
    const bool lacks = lacksThumbnail(picture);
    if (progress_set_.empty()) {
        if (!lacks && total <= kBigSet) return;
        progress_set_ = folderName(set);
        if (progress_set_.empty()) progress_set_ = "?";
    } else if (!lacks && done % kCheckedStep != 0) {
        return;
    }
    progress_done_ = done;
    progress_total_ = total;
    FollowPointer();
    IDirectDrawSurface* back = tk_lpDDSBack;
    if (!back || !tk_lpDDSPrimary) return;
    DrawProgress(back);
    pointer_sprite.ZOBRAZ(back);
    tk_APP_CopyBackToPrimary();
}

// Takes the pointer's moves out of the queue and moves the pointer.
void CKartolaApp::FollowPointer() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, WM_MOUSEMOVE, WM_MOUSEMOVE, PM_REMOVE)) {
        const auto packed = static_cast<std::uintptr_t>(msg.lParam);
        px_ = LOWORD(packed);
        py_ = HIWORD(packed);
        pointer_sprite.CHOD_NA(px_, py_);
    }
}

// The set's name above a bar as wide as half the screen, "n / total" below it.
void CKartolaApp::DrawProgress(IDirectDrawSurface* surface) {
    DDSURFACE_ZMAZ(surface, kTableColour);
    tkp::ddraw::SurfaceDC dc(surface);
    if (!dc.ok()) return;
    const int barW = m_ScrW / 2, barH = 28;
    const RECT bar{(m_ScrW - barW) / 2, m_ScrH / 2 - barH / 2, (m_ScrW + barW) / 2, m_ScrH / 2 + barH / 2};
    RECT title{0, bar.top - 60, m_ScrW, bar.top - 14};
    tk_glob_Text_draw_font(dc, &title, kTableTextFormat, kTextColour, HintFont(), progress_set_.c_str());
    fill(dc, bar, kTextColour);
    const RECT inside{bar.left + 2, bar.top + 2, bar.right - 2, bar.bottom - 2};
    fill(dc, inside, RGB(0, 0, 0));
    const int total = progress_total_ > 0 ? progress_total_ : 1;
    const long long filled = static_cast<long long>(inside.right - inside.left) * progress_done_ / total;
    fill(dc, RECT{inside.left, inside.top, inside.left + static_cast<int>(filled), inside.bottom},
         kBarColour);
    RECT count{0, bar.bottom + 14, m_ScrW, bar.bottom + 60};
    const std::string counted = std::to_string(progress_done_) + " / " + std::to_string(progress_total_);
    tk_glob_Text_draw_font(dc, &count, kTableTextFormat, kTextColour, HintFont(), counted.c_str());
}
