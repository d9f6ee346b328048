// PNG output through libpng's simplified interface (no setjmp in our code).
#include "platform/image/png_write.h"

#include <fcntl.h>
#include <png.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "platform/kernel/debug.h"
#include "platform/pixels/pixel565.h"

namespace {

void report(const char* what, const char* path) {
    std::string line = std::string("tkp::image::WritePng: ") + what + " (" + (path ? path : "(null)") + ")\n";
    OutputDebugStringA(line.c_str());
}

// Largest side accepted; a PNG allows more, but nothing here draws pictures that big.
constexpr int kMaxSide = 1 << 16;

}  // namespace

bool tkp::image::WritePng(const char* path, int width, int height, const std::uint32_t* xrgb,
                          int strideInPixels) {
    if (!path || !*path || !xrgb || width <= 0 || height <= 0 || width > kMaxSide || height > kMaxSide ||
        strideInPixels < width) {
        report("bad arguments", path);
        return false;
    }
    // libpng wants bytes in R, G, B order.
    const std::size_t w = static_cast<std::size_t>(width);
    const std::size_t h = static_cast<std::size_t>(height);
    std::vector<png_byte> rgb(w * h * 3);
    for (std::size_t y = 0; y < h; ++y) {
        const std::uint32_t* src = xrgb + y * static_cast<std::size_t>(strideInPixels);
        png_byte* dst = rgb.data() + y * w * 3;
        for (std::size_t x = 0; x < w; ++x) {
            dst[3 * x] = static_cast<png_byte>(src[x] >> 16);
            dst[3 * x + 1] = static_cast<png_byte>(src[x] >> 8);
            dst[3 * x + 2] = static_cast<png_byte>(src[x]);
        }
    }

    // A unique temporary file in the target's folder, so that rename() replaces atomically.
    std::string temp = std::string(path) + ".XXXXXX";
    int fd = mkstemp(temp.data());
    if (fd < 0) {
        report("cannot create the file", path);
        return false;
    }
    fchmod(fd, 0644);
    FILE* file = fdopen(fd, "wb");
    if (!file) {
        close(fd);
        unlink(temp.c_str());
        report("cannot open the file", path);
        return false;
    }

    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    image.width = static_cast<png_uint_32>(width);
    image.height = static_cast<png_uint_32>(height);
    image.format = PNG_FORMAT_RGB;
    bool ok =
        png_image_write_to_stdio(&image, file, 0, rgb.data(), static_cast<png_int_32>(w * 3), nullptr) != 0;
    if (!ok) report(image.message, path);
    png_image_free(&image);
    ok = (std::fflush(file) == 0) && ok;
    ok = (fsync(fileno(file)) == 0) && ok;
    ok = (std::fclose(file) == 0) && ok;
    if (ok && std::rename(temp.c_str(), path) != 0) {
        report("cannot rename into place", path);
        ok = false;
    }
    if (!ok) unlink(temp.c_str());
    return ok;
}

bool tkp::image::WritePng565(const char* path, const tkp::pixels::PixelView& pixels) {
    // An empty view converts nothing and is refused by tkp::image::WritePng.
    const int w = std::max(pixels.width, 0);
    const int h = std::max(pixels.height, 0);
    std::vector<std::uint32_t> xrgb(static_cast<std::size_t>(w) * static_cast<std::size_t>(h));
    for (int y = 0; y < h; ++y) {
        const std::uint16_t* row = pixels.Row(y);
        for (int x = 0; x < w; ++x)
            xrgb[static_cast<std::size_t>(y) * w + x] = tkp::pixels::XrgbOf565(row[x]);
    }
    return tkp::image::WritePng(path, pixels.width, pixels.height, xrgb.data(), w);
}
