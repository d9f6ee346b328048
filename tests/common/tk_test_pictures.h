// Picture files of the kinds a camera or a phone gives beyond PNG and JPEG, made at test time
// with their own libraries so that no binary has to be committed: GIF, WebP, HEIC and a CMYK
// JPEG as print software writes it. Pixels are 0x00RRGGBB in top-down rows.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tk_test {

// A GIF of one picture, its colours taken to a 6 x 6 x 6 cube.
std::string GifFile(int w, int h, const std::vector<std::uint32_t>& xrgb);
// A lossless WebP.
std::string WebpFile(int w, int h, const std::vector<std::uint32_t>& xrgb);
// A HEIC (HEVC) picture; empty when no HEVC encoder is installed.
std::string HeicFile(int w, int h, const std::vector<std::uint32_t>& xrgb);
// A JPEG with four channels, as Adobe's software stores them (inverted inks, with the Adobe
// segment); ycck stores them in YCCK instead of plain CMYK.
std::string CmykJpegFile(int w, int h, const std::vector<std::uint32_t>& xrgb, bool ycck);

}  // namespace tk_test
