// Zero-filled memory for a picture's pixels. A block the size of a screen is taken straight from the
// kernel, which hands it over already zero and, where the system allows, in huge pages: a new
// full-screen surface then costs no fill and a handful of page faults instead of one per 4 KiB on
// its first drawing. Smaller blocks come from the C heap.
#pragma once

#include <cstddef>
#include <cstdint>

namespace tkp::pixels {

class PixelMemory {
  public:
    PixelMemory() = default;
    // count zero pixels; throws std::bad_alloc when the memory cannot be had.
    explicit PixelMemory(std::size_t count);
    ~PixelMemory();
    PixelMemory(PixelMemory&& other) noexcept;
    PixelMemory& operator=(PixelMemory&& other) noexcept;
    PixelMemory(const PixelMemory&) = delete;
    PixelMemory& operator=(const PixelMemory&) = delete;

    std::uint16_t* Data() const { return pixels_; }
    std::size_t Size() const { return count_; }

  private:
    void release() noexcept;

    std::uint16_t* pixels_ = nullptr;
    std::size_t count_ = 0;
    // The length of the kernel's mapping; 0 for a block from the heap.
    std::size_t mapped_ = 0;
};

}  // namespace tkp::pixels
