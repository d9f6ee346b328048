// Redrawing only what changed. A frame is described, before it is drawn, as the list of what it
// draws in drawing order: each item with a box that holds every pixel it may touch and a key made
// of everything its pixels depend on. Between two such lists the pixels can differ only where an
// item appeared, went, moved or changed its key; everything drawn over or under such a place is
// drawn again, and whatever it overlaps, until no item drawn again reaches outside the area. The
// rest of the frame keeps last frame's pixels untouched.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "platform/platform.h"

struct FrameItem {
    // What the item is (its kind and its index among its kind); unique within a frame.
    std::uint32_t id = 0;
    // Every pixel the item may draw (edges exclusive).
    RECT box{};
    // Everything the item's pixels depend on, folded together.
    std::uint64_t key = 0;
};

// Whether two boxes (edges exclusive) share a pixel.
inline bool BoxesMeet(const RECT& a, const RECT& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

// Folds values into an item's key.
class ItemKey {
  public:
    ItemKey& Add(std::uint64_t value) {
        hash_ = (hash_ ^ value) * 1099511628211ULL;
        hash_ ^= hash_ >> 29;
        return *this;
    }
    ItemKey& Add(const void* pointer) { return Add(reinterpret_cast<std::uintptr_t>(pointer)); }
    ItemKey& Add(const RECT& r) {
        return Add(static_cast<std::uint64_t>(r.left))
            .Add(static_cast<std::uint64_t>(r.top))
            .Add(static_cast<std::uint64_t>(r.right))
            .Add(static_cast<std::uint64_t>(r.bottom));
    }
    // A text by its contents: a text may be freed and another one written at the same address.
    ItemKey& Add(std::string_view text);
    std::uint64_t Value() const { return hash_; }

  private:
    std::uint64_t hash_ = 1469598103934665603ULL;
};

// What this frame must redraw, given the last frame's items and this frame's: the rectangles whose
// pixels may change (to clear, draw and compare there only), and the ids of the items to draw again,
// ascending. An item drawn again lies wholly inside the rectangles.
struct FrameChanges {
    std::vector<RECT> area;
    std::vector<std::uint32_t> redrawn;
};
FrameChanges ChangesBetween(const std::vector<FrameItem>& last, const std::vector<FrameItem>& now);
