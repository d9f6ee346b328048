// Text through a surface's device context, as a frame of the game draws it: fifty card names and
// menu rows, bold and plain, some narrowed, onto a 1024 x 768 surface.
#include <benchmark/benchmark.h>

#include <cstdio>

#include "platform/ddraw/surface_access.h"
#include "platform/platform.h"

namespace {

void FiftyLabels(benchmark::State& state) {
    LPDIRECTDRAW dd = nullptr;
    DirectDrawCreate(nullptr, &dd, nullptr);
    LPDIRECTDRAWSURFACE surface = tkp::ddraw::CreateOffscreenSurface(dd, 1024, 768);
    HFONT bold = CreateFontA(22, 0, 0, 0, FW_BOLD, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, "Verdana");
    HFONT narrow = CreateFontA(22, 6, 0, 0, FW_BOLD, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, "Verdana");
    HFONT plain = CreateFontA(18, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, "Verdana");
    const char* names[] = {"čerešňa", "vodný melón", "Ozvučenie kariet...", "šesťuholník", "Zamiešaj"};
    for (auto _ : state) {
        HDC dc = nullptr;
        surface->GetDC(&dc);
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, RGB(20, 20, 20));
        for (int i = 0; i < 50; ++i) {
            SelectObject(dc, i % 3 == 0 ? bold : i % 3 == 1 ? narrow : plain);
            RECT r{(i % 6) * 160, (i / 6) * 80, (i % 6) * 160 + 150, (i / 6) * 80 + 100};
            DrawTextA(dc, names[i % 5], -1, &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        }
        surface->ReleaseDC(dc);
    }
    DeleteObject(bold);
    DeleteObject(narrow);
    DeleteObject(plain);
    surface->Release();
    dd->Release();
}
BENCHMARK(FiftyLabels)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
