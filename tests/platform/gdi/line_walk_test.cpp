// Lines of every slope and direction, thin and wide, starting inside, outside and far outside the
// target, against the pixels of the rounding rule worked out one step at a time: step i of a line
// of s steps lies at the start plus floor((2 i d + s) / 2 s) on each axis, the end point left out.
// A path goes on from where its last line ended; a line of no length paints nothing.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "tests/common/platform/gdi_test_util.h"

namespace {

constexpr int kW = 23;
constexpr int kH = 17;

std::int64_t floorDiv(std::int64_t a, std::int64_t b) {
    return a / b - ((a % b != 0) && ((a < 0) != (b < 0)));
}

// What the lines along the path (x, y pairs) paint with a pen of that width, pixel by pixel.
std::vector<std::uint16_t> expectedPixels(const std::vector<int>& path, int width) {
    std::vector<std::uint16_t> pixels(kW * kH, 0);
    for (std::size_t n = 2; n < path.size(); n += 2) {
        const std::int64_t x0 = path[n - 2], y0 = path[n - 1];
        const std::int64_t dx = path[n] - x0, dy = path[n + 1] - y0;
        const std::int64_t steps = std::max(std::llabs(dx), std::llabs(dy));
        for (std::int64_t i = 0; i < steps; ++i) {
            const std::int64_t x = x0 + floorDiv(2 * i * dx + steps, 2 * steps);
            const std::int64_t y = y0 + floorDiv(2 * i * dy + steps, 2 * steps);
            for (std::int64_t py = y - width / 2; py <= y + (width - 1) / 2; ++py)
                for (std::int64_t px = x - width / 2; px <= x + (width - 1) / 2; ++px)
                    if (px >= 0 && py >= 0 && px < kW && py < kH)
                        pixels[static_cast<std::size_t>(py * kW + px)] = 0xF800;
        }
    }
    return pixels;
}

TEST(LineWalk, EveryStepLandsOnItsRoundedPixel) {
    struct Line {
        int x0, y0, x1, y1;
    };
    const Line lines[] = {
        {0, 0, 22, 16},     {22, 16, 0, 0},     {3, 15, 20, 2},
        {20, 2, 3, 15},     {1, 8, 21, 9},      {21, 9, 1, 8},
        {5, 0, 6, 16},      {6, 16, 5, 0},      {2, 2, 13, 9},
        {13, 9, 2, 2},      {0, 5, 22, 5},      {22, 6, 0, 6},
        {4, 0, 4, 16},      {7, 16, 7, 0},      {-40, -30, 60, 45},
        {60, 45, -40, -30}, {-500, 3, 700, 12}, {11, -900, 12, 900},
        {-7, 20, 30, -9},   {100, 100, 200, 0}, {-99999, -70001, 99999, 70003},
        {3, 3, 3, 3},
    };
    // Each path: x, y of its start and of the points its lines go on to.
    std::vector<std::vector<int>> paths;
    for (const Line& l : lines) paths.push_back({l.x0, l.y0, l.x1, l.y1});
    paths.push_back({1, 1, 6, 1, 6, 5, 0, 2, 4, 4});
    for (int width : {1, 2, 3}) {
        for (const std::vector<int>& path : paths) {
            gdt::Canvas c(kW, kH, width);  // a new surface starts black
            MoveToEx(c.dc, path[0], path[1], nullptr);
            for (std::size_t n = 2; n < path.size(); n += 2) EXPECT_TRUE(LineTo(c.dc, path[n], path[n + 1]));
            EXPECT_EQ(c.Raw(), expectedPixels(path, width))
                << ::testing::PrintToString(path) << " width " << width;
        }
    }
}

}  // namespace
