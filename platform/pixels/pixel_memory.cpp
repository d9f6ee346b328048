#include "platform/pixels/pixel_memory.h"

#include <sys/mman.h>

#include <cstdlib>
#include <new>
#include <utility>

namespace tkp::pixels {

namespace {

constexpr std::size_t kHugePage = std::size_t{2} << 20;

// A mapping of at least bytes, starting on a huge-page boundary so the whole block can be backed by
// huge pages: a larger mapping is taken and its unaligned ends given back.
void* mapAligned(std::size_t bytes, std::size_t& mapped) {
    const std::size_t length = (bytes + kHugePage - 1) / kHugePage * kHugePage;
    void* raw = mmap(nullptr, length + kHugePage, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (raw == MAP_FAILED) return nullptr;
    const auto start = reinterpret_cast<std::uintptr_t>(raw);
    const std::uintptr_t aligned = (start + kHugePage - 1) / kHugePage * kHugePage;
    const std::size_t head = aligned - start;
    if (head > 0) munmap(raw, head);
    const std::size_t tail = kHugePage - head;
    if (tail > 0) munmap(reinterpret_cast<void*>(aligned + length), tail);
    void* block = reinterpret_cast<void*>(aligned);
    // Only advice: without transparent huge pages the block is simply made of small pages.
    madvise(block, length, MADV_HUGEPAGE);
    mapped = length;
    return block;
}

}  // namespace

PixelMemory::PixelMemory(std::size_t count) : count_(count) {
    if (count == 0) return;
    if (count > SIZE_MAX / sizeof(std::uint16_t)) throw std::bad_alloc();
    const std::size_t bytes = count * sizeof(std::uint16_t);
    void* block = bytes >= kHugePage ? mapAligned(bytes, mapped_) : std::calloc(count, sizeof(std::uint16_t));
    if (block == nullptr) throw std::bad_alloc();
    pixels_ = static_cast<std::uint16_t*>(block);
}

PixelMemory::~PixelMemory() {
    release();
}

PixelMemory::PixelMemory(PixelMemory&& other) noexcept
    : pixels_(std::exchange(other.pixels_, nullptr)),
      count_(std::exchange(other.count_, 0)),
      mapped_(std::exchange(other.mapped_, 0)) {}

PixelMemory& PixelMemory::operator=(PixelMemory&& other) noexcept {
    if (this != &other) {
        release();
        pixels_ = std::exchange(other.pixels_, nullptr);
        count_ = std::exchange(other.count_, 0);
        mapped_ = std::exchange(other.mapped_, 0);
    }
    return *this;
}

void PixelMemory::release() noexcept {
    if (pixels_ == nullptr) return;
    if (mapped_ > 0) {
        munmap(pixels_, mapped_);
    } else {
        std::free(pixels_);
    }
    pixels_ = nullptr;
    count_ = 0;
    mapped_ = 0;
}

}  // namespace tkp::pixels
