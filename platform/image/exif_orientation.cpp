// EXIF orientation: the one tag read from IFD0, and the eight turns and mirrors it names.
#include "platform/image/exif_orientation.h"

#include <cstring>
#include <new>
#include <utility>
#include <vector>

namespace {

constexpr std::uint16_t kOrientationTag = 0x0112;
constexpr std::uint16_t kTypeShort = 3;

struct Reader {
    const std::uint8_t* p;
    std::size_t size;
    bool big;
    bool has(std::size_t at, std::size_t n) const { return at <= size && size - at >= n; }
    std::uint32_t u16(std::size_t at) const {
        return big ? (std::uint32_t{p[at]} << 8) | p[at + 1] : p[at] | (std::uint32_t{p[at + 1]} << 8);
    }
    std::uint32_t u32(std::size_t at) const {
        return big ? (u16(at) << 16) | u16(at + 2) : u16(at) | (u16(at + 2) << 16);
    }
};

}  // namespace

int tkp::image::ExifOrientation(const std::uint8_t* payload, std::size_t size) {
    if (!payload || size < 6 + 8 || std::memcmp(payload, "Exif\0\0", 6) != 0) return 1;
    // Offsets inside the TIFF block count from its first byte.
    Reader r{payload + 6, size - 6, false};
    if (r.p[0] == 'M' && r.p[1] == 'M') {
        r.big = true;
    } else if (r.p[0] != 'I' || r.p[1] != 'I') {
        return 1;
    }
    if (r.u16(2) != 42) return 1;
    const std::size_t ifd = r.u32(4);
    if (!r.has(ifd, 2)) return 1;
    const std::size_t count = r.u16(ifd);
    for (std::size_t i = 0; i < count; ++i) {
        const std::size_t entry = ifd + 2 + 12 * i;
        if (!r.has(entry, 12)) return 1;
        if (r.u16(entry) != kOrientationTag) continue;
        if (r.u16(entry + 2) != kTypeShort || r.u32(entry + 4) != 1) return 1;
        const std::uint32_t value = r.u16(entry + 8);
        return value >= 1 && value <= 8 ? static_cast<int>(value) : 1;
    }
    return 1;
}

bool tkp::image::ApplyOrientation(tkp::image::BmpImage* image, int orientation) {
    if (orientation <= 1 || orientation > 8) return true;
    const int w = image->width;
    const int h = image->height;
    const bool swap = orientation >= 5;
    const int ow = swap ? h : w;
    const int oh = swap ? w : h;
    std::vector<std::uint32_t> turned;
    try {
        turned.resize(image->pixels.size());
    } catch (const std::bad_alloc&) {
        return false;
    }
    for (int y = 0; y < oh; ++y) {
        for (int x = 0; x < ow; ++x) {
            // The stored pixel that shows at (x, y) once the picture is upright.
            int sx = x, sy = y;
            switch (orientation) {
                case 2:
                    sx = w - 1 - x;
                    break;
                case 3:
                    sx = w - 1 - x, sy = h - 1 - y;
                    break;
                case 4:
                    sy = h - 1 - y;
                    break;
                case 5:
                    sx = y, sy = x;
                    break;
                case 6:
                    sx = y, sy = h - 1 - x;
                    break;
                case 7:
                    sx = w - 1 - y, sy = h - 1 - x;
                    break;
                case 8:
                    sx = w - 1 - y, sy = x;
                    break;
            }
            turned[std::size_t(y) * ow + x] = image->pixels[std::size_t(sy) * w + sx];
        }
    }
    image->pixels = std::move(turned);
    image->width = ow;
    image->height = oh;
    return true;
}
