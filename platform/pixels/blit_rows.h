// The row loops under the blits, written as whole-row loops without per-pixel branches or calls so
// that the compiler turns them into vector code (blit_rows.cpp is built for that). Internal to
// platform/pixels; blit.cpp walks rectangles with them.
#pragma once

#include <cstdint>

namespace tkp::pixels {

struct ColourKey;

namespace rows {

void Fill(std::uint16_t* out, int n, std::uint16_t value);
// out[i] = in[i] unless in[i] lies in the key; in and out must not overlap.
void Keyed(std::uint16_t* out, const std::uint16_t* in, int n, ColourKey key);
// out[i] mixed towards in[i] by alpha (1 .. 254); with Keyed, pixels in the key are left out.
void Alpha(std::uint16_t* out, const std::uint16_t* in, int n, std::uint16_t alpha);
void AlphaKeyed(std::uint16_t* out, const std::uint16_t* in, int n, ColourKey key, std::uint16_t alpha);

// Scaled source rows. Double writes each of m source pixels twice (in[0] in[0] in[1] in[1] ...),
// DoubleMirrored the same from the last one backwards (in[m - 1] in[m - 1] in[m - 2] ...); Gather
// takes out[i] = in[columns[i]] for any scale.
void Double(std::uint16_t* out, const std::uint16_t* in, int m);
void DoubleMirrored(std::uint16_t* out, const std::uint16_t* in, int m);
void Gather(std::uint16_t* out, const std::uint16_t* in, const int* columns, int n);

}  // namespace rows
}  // namespace tkp::pixels
