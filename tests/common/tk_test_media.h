// Picture and sound files made at test time with libpng, libjpeg and libsndfile: the fixtures of
// the PNG, JPEG, OGG, MP3 and FLAC readers, so that no binary has to be committed.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tk_test {

// A PNG of raw rows as the format stores them (packed samples, 16-bit ones big-endian), of a
// libpng colour type (PNG_COLOR_TYPE_...) and bit depth; a palette of 0x00RRGGBB entries and
// its alpha values (tRNS) for palette pictures. Empty on a writer error.
std::string PngFile(int w, int h, int colorType, int bitDepth, const std::vector<std::uint8_t>& rows,
                    const std::vector<std::uint32_t>& palette = {},
                    const std::vector<std::uint8_t>& alpha = {});

// A JPEG of 0x00RRGGBB pixels at quality 95: grey (one channel) or colour, baseline or
// progressive, with an EXIF block holding the orientation when it is 1 to 8 (none for 0).
std::string JpegFile(int w, int h, const std::vector<std::uint32_t>& xrgb, bool grey, bool progressive,
                     int orientation = 0, bool bigEndianExif = false);

// The payload of an EXIF APP1 segment with one IFD0 entry: the orientation tag.
std::string ExifPayload(int orientation, bool bigEndian);

// A sound file in a libsndfile format (SF_FORMAT_OGG | SF_FORMAT_VORBIS, ...), 16-bit samples
// interleaved. Empty when libsndfile cannot write it.
std::string SoundFile(int format, int channels, int rate, const std::vector<short>& samples);

}  // namespace tk_test
