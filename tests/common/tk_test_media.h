// Sound files made at test time with libsndfile, and the files the tools' picture writers make
// (tools/lib/photo_write.h) as strings: the fixtures of the PNG, JPEG, OGG, MP3 and FLAC readers,
// so that no binary has to be committed.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "tools/lib/photo_write.h"

namespace tk_test {

inline std::string AsString(const std::vector<std::uint8_t>& bytes) {
    return std::string(bytes.begin(), bytes.end());
}

inline std::string PngFile(int w, int h, int colourType, int bitDepth, const std::vector<std::uint8_t>& rows,
                           const std::vector<std::uint32_t>& palette = {},
                           const std::vector<std::uint8_t>& alpha = {}) {
    return AsString(art::EncodePng(w, h, colourType, bitDepth, rows, palette, alpha));
}

// A JPEG of w x h pixels (0x00RRGGBB, top-down rows).
inline std::string JpegFile(int w, int h, const std::vector<std::uint32_t>& xrgb,
                            const art::JpegOptions& options) {
    art::RgbImage img(w, h);
    img.px = xrgb;
    return AsString(art::EncodeJpeg(img, options));
}

// A sound file in a libsndfile format (SF_FORMAT_OGG | SF_FORMAT_VORBIS, ...), 16-bit samples
// interleaved. Empty when libsndfile cannot write it.
std::string SoundFile(int format, int channels, int rate, const std::vector<short>& samples);

}  // namespace tk_test
