// A small reader of the BMP files the resource tools write: headers, and pixels of uncompressed
// 24-bit pictures and of RLE8/RLE4 pictures, checked against the file's length as they go.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tk_res_test {

struct BmpInfo {
    int width = 0, height = 0, bits = 0;
    std::uint32_t compression = 0, offset = 0, fileSize = 0, imageSize = 0, colours = 0;
};

// Reads the file and info headers; false when the file is not a BMP with a 40-byte info header.
bool ReadBmpInfo(const std::string& bytes, BmpInfo* info);

// Pixels of an uncompressed 24-bit picture, rows top-down, 0x00RRGGBB; empty on failure.
std::vector<std::uint32_t> ReadBmp24(const std::string& bytes, int* w, int* h);

// Palette indices of an RLE8 or RLE4 picture, rows top-down; false when the data runs past the
// file, past the picture, or ends without the end-of-bitmap mark.
bool DecodeRle(const std::string& bytes, std::vector<std::uint8_t>* indices, int* w, int* h);

}  // namespace tk_res_test
