// The headless display's test interface: mode list, desktop, presentation size and frames.
#include <gtest/gtest.h>

#include <string>

#include "platform/headless/headless_display.h"
#include "tests/common/tk_test_files.h"

TEST(HeadlessDisplay, DefaultsAndTheTestsOwnSettings) {
    tkp_HeadlessResetDisplay();
    auto modes = tkp::backend::DisplayModes();
    ASSERT_EQ(modes.size(), 4u);
    EXPECT_EQ(modes[0].width, 800);
    EXPECT_EQ(modes[3].height, 1080);
    EXPECT_EQ(tkp::backend::DesktopSize().width, 1920);
    tkp_HeadlessSetDisplayModes({{1024, 768}, {800, 600}});
    tkp_HeadlessSetDesktopSize(1366, 768);
    EXPECT_EQ(tkp::backend::DisplayModes()[0].width, 1024);
    EXPECT_EQ(tkp::backend::DesktopSize().width, 1366);
    tkp::backend::SetPresentationSize(1024, 768);
    EXPECT_EQ(tkp_HeadlessPresentationSize().height, 768);
    tkp_HeadlessResetDisplay();
    EXPECT_EQ(tkp::backend::DisplayModes().size(), 4u);
    EXPECT_EQ(tkp_HeadlessPresentationSize().width, 0);
}

TEST(HeadlessDisplay, KeepsTheLastFrameRowByRowAndSavesIt) {
    tk_test::ScopedWorkDir dir;
    tkp_HeadlessResetDisplay();
    EXPECT_FALSE(tkp_HeadlessSaveFramePng("nothing.png"));
    EXPECT_EQ(tkp_HeadlessFramePixel(0, 0), 0xFFFFFFFFu);
    // Two rows of three pixels, with a padded pitch of four.
    const std::uint16_t pixels[] = {0xF800, 0x07E0, 0x001F, 0xDEAD, 0x0000, 0xFFFF, 0x8410, 0xDEAD};
    tkp::backend::Present(pixels, 3, 2, 8);
    EXPECT_EQ(tkp_HeadlessFrameCount(), 1);
    tkp_HeadlessFrame frame = tkp_HeadlessLastFrame();
    EXPECT_EQ(frame.pixels, (std::vector<std::uint16_t>{0xF800, 0x07E0, 0x001F, 0x0000, 0xFFFF, 0x8410}));
    EXPECT_EQ(tkp_HeadlessFramePixel(1, 0), 0x00FF00u);
    EXPECT_EQ(tkp_HeadlessFramePixel(2, 1), 0x848284u);  // 16 of 31, 32 of 63 and 16 of 31, bits replicated
    EXPECT_EQ(tkp_HeadlessFramePixel(3, 0), 0xFFFFFFFFu);
    // A frame whose pitch is shorter than its rows is not taken.
    tkp::backend::Present(pixels, 3, 2, 4);
    EXPECT_EQ(tkp_HeadlessFrameCount(), 1);
    ASSERT_TRUE(tkp_HeadlessSaveFramePng("frame.png"));
    EXPECT_EQ(tk_test::ReadFile("frame.png").substr(1, 3), "PNG");
    tkp_HeadlessResetDisplay();
    EXPECT_EQ(tkp_HeadlessFrameCount(), 0);
}
