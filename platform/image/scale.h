// Resampling pictures by area averaging.
#pragma once

#include <cstdint>

namespace tkp::image {

// Resamples src (sw x sh pixels of 0x00RRGGBB, rows srcStride pixels apart) onto dst (dw x dh,
// rows dstStride apart). Each destination pixel is the average of the source area it covers,
// weighted by how much of each source pixel lies in it, rounded to the nearest: shrinking looks
// smooth, not aliased. Enlarging uses the same rule, so a destination pixel inside one source
// pixel takes its colour and one straddling a source edge blends the two (nearest-neighbour with
// soft edges). False, with dst untouched, on sizes below 1 or above 65536, or strides shorter
// than a row.
bool ScaleArea(const std::uint32_t* src, int sw, int sh, int srcStride, std::uint32_t* dst, int dw, int dh,
               int dstStride);

}  // namespace tkp::image
