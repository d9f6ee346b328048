#include "framework/graphics/tk_BMPFormat.h"

namespace {

// Pixels per metre in both directions: 72 dots per inch.
constexpr std::uint32_t kResolution = 2880;

void put(std::uint8_t* at, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) at[i] = static_cast<std::uint8_t>(value >> (8 * i));
}

}  // namespace

bool tk_BMP_Layout(int w, int h, std::uint32_t* stride, std::uint32_t* file_size) {
    if (w <= 0 || h <= 0) return false;
    const std::uint64_t row = (std::uint64_t{3} * static_cast<std::uint64_t>(w) + 3) / 4 * 4;
    const std::uint64_t total = tk_BMP_HEADERS_SIZE + row * static_cast<std::uint64_t>(h);
    if (total > UINT32_MAX) return false;
    if (stride) *stride = static_cast<std::uint32_t>(row);
    if (file_size) *file_size = static_cast<std::uint32_t>(total);
    return true;
}

void tk_BMP_Headers(int w, int h, std::uint8_t (&out)[tk_BMP_HEADERS_SIZE]) {
    std::uint32_t file_size = 0;
    tk_BMP_Layout(w, h, nullptr, &file_size);
    out[0] = 'B';
    out[1] = 'M';
    // clang-format off
    const std::uint32_t fields[][3] = {
        // offset, value, bytes
        {2, file_size, 4}, {6, 0, 2}, {8, 0, 2}, {10, tk_BMP_HEADERS_SIZE, 4},
        {14, 40, 4}, {18, static_cast<std::uint32_t>(w), 4}, {22, static_cast<std::uint32_t>(h), 4},
        {26, 1, 2}, {28, 24, 2}, {30, 0, 4}, {34, 0, 4}, {38, kResolution, 4}, {42, kResolution, 4},
        {46, 0, 4}, {50, 0, 4}};
    // clang-format on
    for (const auto& f : fields) put(out + f[0], f[1], static_cast<int>(f[2]));
}
