// Pixel memory from the heap and from the kernel: every size comes zero-filled and writable to its
// last pixel, a screen-sized block starts on a huge-page boundary, and a moved block changes hands
// without being copied or freed twice.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <utility>

#include "platform/pixels/pixel_memory.h"

namespace {

using tkp::pixels::PixelMemory;

TEST(PixelMemory, EverySizeIsZeroAndWritableToItsEnd) {
    constexpr std::size_t kHugePage = std::size_t{2} << 20;
    // Heap sizes, the first kernel size, one just past a huge page, a full screen at 16 bits.
    for (const std::size_t count :
         {std::size_t{1}, std::size_t{1000}, kHugePage / 2, kHugePage / 2 + 3, std::size_t{1920} * 1080}) {
        PixelMemory memory(count);
        ASSERT_NE(memory.Data(), nullptr) << count;
        EXPECT_EQ(memory.Size(), count);
        std::uint16_t* const end = memory.Data() + count;
        EXPECT_TRUE(std::all_of(memory.Data(), end, [](std::uint16_t p) { return p == 0; })) << count;
        std::fill(memory.Data(), end, std::uint16_t{0xFFFF});
        EXPECT_EQ(memory.Data()[count - 1], 0xFFFF) << count;
        if (count * sizeof(std::uint16_t) >= kHugePage) {
            EXPECT_EQ(reinterpret_cast<std::uintptr_t>(memory.Data()) % kHugePage, 0u) << count;
        }
    }
}

TEST(PixelMemory, AMovedBlockChangesHands) {
    PixelMemory first(std::size_t{1920} * 1080);
    first.Data()[5] = 7;
    std::uint16_t* const block = first.Data();
    PixelMemory second(std::move(first));
    EXPECT_EQ(second.Data(), block);
    EXPECT_EQ(second.Data()[5], 7);
    EXPECT_EQ(first.Data(), nullptr);  // NOLINT(bugprone-use-after-move): the moved-from state is the point
    EXPECT_EQ(first.Size(), 0u);
    PixelMemory third(10);
    third = std::move(second);
    EXPECT_EQ(third.Data(), block);
    EXPECT_EQ(PixelMemory(0).Data(), nullptr);
}

}  // namespace
