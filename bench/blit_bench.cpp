// Blits of a full 1920 x 1080 surface against a memcpy of the same bytes: colour fill, plain and
// colour-keyed BltFast, and stretching, mirrored and alpha Blts. After the runs a table gives each
// blit's time as a multiple of the memcpy's.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "platform/ddraw/surface_access.h"
#include "platform/platform.h"

namespace {

constexpr int kWidth = 1920;
constexpr int kHeight = 1080;
constexpr std::size_t kBytes = std::size_t{kWidth} * kHeight * 2;

// A sprite-like picture: bands of colour with about a third of the pixels the key colour.
void paint(LPDIRECTDRAWSURFACE s) {
    {
        tkp::ddraw::LockedSurface px(s);
        for (int y = 0; y < px.height(); ++y)
            for (int x = 0; x < px.width(); ++x)
                px.at(x, y) = ((x / 7 + y / 5) % 3 == 0) ? 0xF81F : static_cast<std::uint16_t>(x * 31 + y);
    }
    DDCOLORKEY key{0xF81F, 0xF81F};
    s->SetColorKey(DDCKEY_SRCBLT, &key);
}

struct Surfaces {
    LPDIRECTDRAW dd = nullptr;
    LPDIRECTDRAWSURFACE src = nullptr;
    LPDIRECTDRAWSURFACE half = nullptr;
    LPDIRECTDRAWSURFACE dst = nullptr;
    Surfaces() {
        DirectDrawCreate(nullptr, &dd, nullptr);
        src = tkp::ddraw::CreateOffscreenSurface(dd, kWidth, kHeight);
        half = tkp::ddraw::CreateOffscreenSurface(dd, kWidth / 2, kHeight / 2);
        dst = tkp::ddraw::CreateOffscreenSurface(dd, kWidth, kHeight);
        paint(src);
        paint(half);
    }
    ~Surfaces() {
        src->Release();
        half->Release();
        dst->Release();
        dd->Release();
    }
};

Surfaces& sharedSurfaces() {
    static Surfaces surfaces;
    return surfaces;
}

void Memcpy(benchmark::State& state) {
    std::vector<unsigned char> from(kBytes, 1);
    std::vector<unsigned char> to(kBytes, 0);
    for (auto _ : state) {
        std::memcpy(to.data(), from.data(), kBytes);
        benchmark::DoNotOptimize(to.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * kBytes));
}

void ColourFill(benchmark::State& state) {
    Surfaces& s = sharedSurfaces();
    DDBLTFX fx{};
    fx.dwSize = sizeof(fx);
    for (auto _ : state) {
        fx.dwFillColor = static_cast<DWORD>(state.iterations() & 0xFFFF);
        s.dst->Blt(nullptr, nullptr, nullptr, DDBLT_COLORFILL | DDBLT_WAIT, &fx);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * kBytes));
}

void BltFastPlain(benchmark::State& state) {
    Surfaces& s = sharedSurfaces();
    for (auto _ : state) s.dst->BltFast(0, 0, s.src, nullptr, DDBLTFAST_NOCOLORKEY | DDBLTFAST_WAIT);
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * kBytes));
}

void BltFastKeyed(benchmark::State& state) {
    Surfaces& s = sharedSurfaces();
    for (auto _ : state) s.dst->BltFast(0, 0, s.src, nullptr, DDBLTFAST_SRCCOLORKEY | DDBLTFAST_WAIT);
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * kBytes));
}

void BltStretchDouble(benchmark::State& state) {
    Surfaces& s = sharedSurfaces();
    for (auto _ : state) s.dst->Blt(nullptr, s.half, nullptr, DDBLT_WAIT, nullptr);
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * kBytes));
}

void BltStretchKeyedMirrored(benchmark::State& state) {
    Surfaces& s = sharedSurfaces();
    DDBLTFX fx{};
    fx.dwSize = sizeof(fx);
    fx.dwDDFX = DDBLTFX_MIRRORLEFTRIGHT;
    for (auto _ : state) s.dst->Blt(nullptr, s.half, nullptr, DDBLT_KEYSRC | DDBLT_DDFX | DDBLT_WAIT, &fx);
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * kBytes));
}

void BltAlpha(benchmark::State& state) {
    Surfaces& s = sharedSurfaces();
    DDBLTFX fx{};
    fx.dwSize = sizeof(fx);
    fx.dwAlphaSrcConst = 128;
    for (auto _ : state) s.dst->Blt(nullptr, s.src, nullptr, DDBLT_ALPHASRCCONSTOVERRIDE | DDBLT_WAIT, &fx);
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * kBytes));
}

BENCHMARK(Memcpy);
BENCHMARK(ColourFill);
BENCHMARK(BltFastPlain);
BENCHMARK(BltFastKeyed);
BENCHMARK(BltStretchDouble);
BENCHMARK(BltStretchKeyedMirrored);
BENCHMARK(BltAlpha);

// Keeps each run's time per iteration, to compare with the memcpy's after all runs.
class RatioReporter : public benchmark::ConsoleReporter {
  public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) times[run.benchmark_name()] = run.GetAdjustedRealTime();
        ConsoleReporter::ReportRuns(runs);
    }
    std::map<std::string, double> times;
};

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    auto base = reporter.times.find("Memcpy");
    if (base != reporter.times.end() && base->second > 0) {
        std::printf("\nTime of a 1920 x 1080 blit as a multiple of memcpy of its %zu bytes:\n", kBytes);
        for (const auto& [name, time] : reporter.times)
            std::printf("  %-26s %6.2f x\n", name.c_str(), time / base->second);
    }
    benchmark::Shutdown();
    return 0;
}
