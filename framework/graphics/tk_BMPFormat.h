// The 24-bit BMP files the framework writes (thumbnails among them): a 14-byte file header, a
// 40-byte info header, then the rows bottom-up, each w pixels of blue, green, red padded to a
// multiple of four bytes.
#pragma once

#include <cstdint>

constexpr int tk_BMP_HEADERS_SIZE = 54;

// Row stride and file size of a w x h picture; false when either side is not positive or a size
// would not fit the 32-bit fields of the headers.
bool tk_BMP_Layout(int w, int h, std::uint32_t* stride, std::uint32_t* file_size);

// The two headers of a w x h picture (sizes as tk_BMP_Layout gives them, which must succeed).
void tk_BMP_Headers(int w, int h, std::uint8_t (&out)[tk_BMP_HEADERS_SIZE]);
