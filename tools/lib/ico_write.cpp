#include "tools/lib/ico_write.h"

#include <cstddef>

namespace art {

namespace {

void put(std::vector<std::uint8_t>& out, std::uint32_t v, int bytes) {
    for (int i = 0; i < bytes; ++i) out.push_back(static_cast<std::uint8_t>((v >> (8 * i)) & 255));
}

// BITMAPINFOHEADER (double height: colour rows then mask rows), BGRA rows bottom-up, AND mask.
std::vector<std::uint8_t> entry(const IconImage& img) {
    const int n = img.size;
    const int maskStride = (n + 31) / 32 * 4;
    std::vector<std::uint8_t> out;
    put(out, 40, 4);
    put(out, static_cast<std::uint32_t>(n), 4);
    put(out, static_cast<std::uint32_t>(2 * n), 4);
    put(out, 1, 2);
    put(out, 32, 2);
    put(out, 0, 4);
    put(out, static_cast<std::uint32_t>(n * n * 4 + maskStride * n), 4);
    put(out, 0, 4);
    put(out, 0, 4);
    put(out, 0, 4);
    put(out, 0, 4);
    for (int y = n - 1; y >= 0; --y)
        for (int x = 0; x < n; ++x) put(out, img.argb[static_cast<std::size_t>(y) * n + x], 4);
    for (int y = n - 1; y >= 0; --y) {
        std::vector<std::uint8_t> row(static_cast<std::size_t>(maskStride), 0);
        for (int x = 0; x < n; ++x)
            if ((img.argb[static_cast<std::size_t>(y) * n + x] >> 24) == 0)
                row[x / 8] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
        out.insert(out.end(), row.begin(), row.end());
    }
    return out;
}

}  // namespace

std::vector<std::uint8_t> EncodeIco(const std::vector<IconImage>& images) {
    std::vector<std::uint8_t> out;
    put(out, 0, 2);
    put(out, 1, 2);
    put(out, static_cast<std::uint32_t>(images.size()), 2);
    std::vector<std::vector<std::uint8_t>> bodies;
    for (const auto& img : images) bodies.push_back(entry(img));
    std::uint32_t offset = 6 + 16 * static_cast<std::uint32_t>(images.size());
    for (std::size_t i = 0; i < images.size(); ++i) {
        out.push_back(static_cast<std::uint8_t>(images[i].size >= 256 ? 0 : images[i].size));
        out.push_back(static_cast<std::uint8_t>(images[i].size >= 256 ? 0 : images[i].size));
        out.push_back(0);
        out.push_back(0);
        put(out, 1, 2);
        put(out, 32, 2);
        put(out, static_cast<std::uint32_t>(bodies[i].size()), 4);
        put(out, offset, 4);
        offset += static_cast<std::uint32_t>(bodies[i].size());
    }
    for (const auto& b : bodies) out.insert(out.end(), b.begin(), b.end());
    return out;
}

}  // namespace art
