// The test hooks of ddraw.h: loss, a busy blitter, live surfaces, pictures of surfaces.
#include <cstdint>
#include <vector>

#include "platform/ddraw/ddraw.h"
#include "platform/ddraw/display_state.h"
#include "platform/ddraw/pixel565.h"
#include "platform/ddraw/surface.h"
#include "platform/image/png_write.h"

void tkp_MarkSurfacesLost() {
    for (tkp_Surface* s : tkp::LiveSurfaces()) s->MarkLost();
}

void tkp_MarkSurfaceLost(LPDIRECTDRAWSURFACE surface) {
    if (tkp_Surface* s = tkp::FindSurface(surface)) s->MarkLost();
}

void tkp_SetSurfaceStillDrawing(LPDIRECTDRAWSURFACE surface, int count) {
    if (tkp_Surface* s = tkp::FindSurface(surface)) s->SetStillDrawing(count);
}

int tkp_LiveSurfaceCount() {
    return static_cast<int>(tkp::LiveSurfaces().size());
}

bool tkp_SaveSurfacePng(LPDIRECTDRAWSURFACE surface, const char* path) {
    tkp_Surface* s = tkp::FindSurface(surface);
    if (!s || !path) return false;
    const tkp::PixelView view = s->View();
    std::vector<std::uint32_t> xrgb(static_cast<std::size_t>(view.width) *
                                    static_cast<std::size_t>(view.height));
    for (int y = 0; y < view.height; ++y) {
        const std::uint16_t* row = view.Row(y);
        for (int x = 0; x < view.width; ++x)
            xrgb[static_cast<std::size_t>(y) * view.width + x] = tkp::XrgbOf565(row[x]);
    }
    return tkp_WritePng(path, view.width, view.height, xrgb.data(), view.width);
}
