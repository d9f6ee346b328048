// Feeds arbitrary bytes to the BMP decoder as a file and as a resource, and resamples what it
// accepts; the sanitizers report any read or write outside the buffers.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "platform/image/bmp_decode.h"
#include "platform/image/scale.h"

namespace {

void check(bool ok, const tkp::image::BmpImage& img) {
    if (!ok) {
        if (!img.pixels.empty()) std::abort();
        return;
    }
    if (img.width < 1 || img.height < 1 || img.width > tkp::image::kBmpMaxSide ||
        img.height > tkp::image::kBmpMaxSide)
        std::abort();
    if (img.pixels.size() != std::size_t(img.width) * std::size_t(img.height)) std::abort();
    for (std::uint32_t p : img.pixels)
        if (p > 0xFFFFFF) std::abort();
    std::vector<std::uint32_t> small(7 * 5);
    if (!tkp::image::ScaleArea(img.pixels.data(), img.width, img.height, img.width, small.data(), 7, 5, 7))
        std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    tkp::image::BmpImage img;
    const char* reason = nullptr;
    check(tkp::image::DecodeBmpFile(data, size, &img, &reason), img);
    check(tkp::image::DecodeDib(data, size, &img, &reason), img);
    return 0;
}
