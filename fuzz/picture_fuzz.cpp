// Feeds arbitrary bytes to the picture decoder of files (PNG, JPEG and BMP by signature) and to
// the EXIF orientation reader; the sanitizers report any read or write outside the buffers.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "platform/image/exif_orientation.h"
#include "platform/image/picture_decode.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    tkp::image::BmpImage img;
    const char* reason = nullptr;
    const bool ok = tkp::image::DecodePictureFile(data, size, &img, &reason);
    if (ok != !img.pixels.empty() || (!ok && !reason)) std::abort();
    if (ok && (img.width < 1 || img.height < 1 ||
               std::int64_t(img.width) * img.height > tkp::image::kBmpMaxPixels ||
               img.pixels.size() != std::size_t(img.width) * std::size_t(img.height)))
        std::abort();
    const int orientation = tkp::image::ExifOrientation(data, size);
    if (orientation < 1 || orientation > 8) std::abort();
    return 0;
}
