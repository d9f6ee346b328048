// Loss of every surface (ddraw.h), and the surface hooks of platform/testing/test_hooks.h: loss of
// one surface, a busy blitter, live surfaces, pictures of surfaces.
#include "platform/ddraw/ddraw.h"
#include "platform/ddraw/display_state.h"
#include "platform/ddraw/surface.h"
#include "platform/image/png_write.h"

void tkp::ddraw::MarkSurfacesLost() {
    for (tkp::ddraw::Surface* s : tkp::ddraw::LiveSurfaces()) s->MarkLost();
}

namespace tkp::testing {
void MarkSurfaceLost(LPDIRECTDRAWSURFACE surface) {
    if (tkp::ddraw::Surface* s = tkp::ddraw::FindSurface(surface)) s->MarkLost();
}

void SetSurfaceStillDrawing(LPDIRECTDRAWSURFACE surface, int count) {
    if (tkp::ddraw::Surface* s = tkp::ddraw::FindSurface(surface)) s->SetStillDrawing(count);
}

int LiveSurfaceCount() {
    return static_cast<int>(tkp::ddraw::LiveSurfaces().size());
}

bool SaveSurfacePng(LPDIRECTDRAWSURFACE surface, const char* path) {
    tkp::ddraw::Surface* s = tkp::ddraw::FindSurface(surface);
    if (!s || !path) return false;
    return tkp::image::WritePng565(path, s->View());
}
}  // namespace tkp::testing
