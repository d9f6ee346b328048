// A frame of 5-6-5 pixels drawn into a 0x00RRGGBB picture of another size, a rectangle at a time,
// for a presentation that sends only what changed.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/base/wintypes.h"

namespace tkp::present {

// Widens a row of 5-6-5 pixels to 0x00RRGGBB, each channel's top bits repeated into its low ones;
// the rows do not overlap.
void Widen565Row(const std::uint16_t* src, std::uint32_t* dst, int count);

// Where each destination pixel of one axis reads from: two neighbouring source pixels and the
// weight of the first (0..256). Enlarging, a destination pixel takes the source pixels it covers in
// proportion to their share, so pixels stay sharp and only those straddling a source edge blend;
// shrinking, it takes the two source pixels around its centre, weighted by distance.
struct ScaleTaps {
    std::vector<int> first;
    std::vector<int> second;
    std::vector<std::uint16_t> weight;
};
ScaleTaps MakeScaleTaps(int sourceSize, int destSize);

class FrameScaler {
  public:
    // Frames of sourceW x sourceH pixels are drawn into destW x destH; equal sizes copy 1:1.
    void SetSizes(int sourceW, int sourceH, int destW, int destH);
    // Draws the part of the destination that depends on the frame's pixels inside source (clipped
    // to the frame) into dest (rows destPitch pixels apart) and returns that part, empty if none.
    RECT Draw(const std::uint16_t* frame, int framePitch, const RECT& source, std::uint32_t* dest,
              int destPitch);

  private:
    // Source row y, columns [from, to), widened; the two latest rows are kept, and the one holding
    // row keep is not the one replaced.
    const std::uint32_t* widenedRow(const std::uint16_t* frame, int framePitch, int y, int keep, int from,
                                    int to);

    int sourceW_ = 0;
    int sourceH_ = 0;
    int destW_ = 0;
    int destH_ = 0;
    ScaleTaps x_;
    ScaleTaps y_;
    std::vector<std::uint32_t> rows_[2];
    int rowOf_[2] = {-1, -1};
    std::vector<std::uint32_t> mixed_;
};

}  // namespace tkp::present
