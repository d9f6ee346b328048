// A picture of the game's Slovak texts for people to look at: sizes, bold, narrowed, alignments.
#include <gtest/gtest.h>

#include <string>

#include "platform/image/png_write.h"
#include "tests/platform/text/memory_target.h"
#include "tests/platform/text/text_fonts.h"

namespace {

TEST(TextScreenshotTest, SlovakTextsAtSeveralSizesAndAlignments) {
    MemoryTarget target(1360, 480, 0xF0F0E0);
    const char* texts[] = {"Zamiešaj", "Ozvučenie kariet...", "Rozlíšenie obrazovky", "čerešňa"};
    const tkp_TextStyle black{RGB(0, 0, 0), false, 0};
    int y = 8;
    // Sizes and weights, the skin's font first (15 x 9, normal), then the name fonts (bold).
    FontPtr fonts[] = {MakeFont(15, 9, FW_NORMAL, "Verdana"), MakeFont(22, 0, FW_NORMAL, "Verdana"),
                       MakeFont(22, 18, FW_BOLD, "Verdana"), MakeFont(-28, 0, FW_BOLD, "Verdana")};
    for (const FontPtr& font : fonts) {
        int x = 8;
        for (const char* t : texts) {
            tkp_TextOut(target, Use(font), black, x, y, t);
            x += Extent(font, t).cx + 16;
        }
        y += Strike(font).Height() + 6;
    }
    // A long name on 150 x 100 cards: the common font, then narrowed to fit (dark red), centred.
    FontPtr common = MakeFont(22, 18, FW_BOLD, "Verdana");
    const std::string name = "Rozlíšenie obrazovky";
    const int tw = Extent(common, name).cx + 1;
    FontPtr narrowed = MakeFont(22, static_cast<int>(18.0 * 149 / tw + 0.5), FW_BOLD, "Verdana");
    RECT card{8, y, 158, y + 100}, card2{170, y, 320, y + 100};
    target.Fill(card, RGB(255, 255, 255));
    target.Fill(card2, RGB(255, 255, 255));
    tkp_DrawText(&target, Use(common), black, name, &card, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    tkp_DrawText(&target, Use(narrowed), tkp_TextStyle{RGB(80, 0, 0), false, 0}, name, &card2,
                 DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    // Alignments in one box, an opaque background, a word-wrapped paragraph and a prefix.
    RECT box{340, y, 600, y + 100};
    target.Fill(box, RGB(200, 220, 240));
    FontPtr small = MakeFont(16, 0, FW_NORMAL, "Verdana");
    tkp_DrawText(&target, Use(small), black, "vľavo", &box, DT_LEFT | DT_TOP | DT_SINGLELINE);
    tkp_DrawText(&target, Use(small), black, "stred", &box, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    tkp_DrawText(&target, Use(small), black, "vpravo dole", &box, DT_RIGHT | DT_BOTTOM | DT_SINGLELINE);
    RECT para{620, y, 880, y + 100};
    tkp_DrawText(&target, Use(small), tkp_TextStyle{RGB(255, 255, 255), true, RGB(0, 0, 128)},
                 "Ozvučenie kariet: každá karta s vlastným zvukom zahrá, keď ju zoberieš.", &para,
                 DT_WORDBREAK | DT_CENTER);
    RECT menu{340, y + 104, 600, y + 130};
    tkp_DrawText(&target, Use(small), black, "&Koniec", &menu, DT_LEFT);
    y += 140;
    // The congratulation text, white on a dark table, 150 x 65.
    target.Fill({0, y, 1360, 480}, RGB(0, 90, 40));
    FontPtr super = MakeFont(150, 65, FW_NORMAL, "Verdana");
    tkp_TextOut(target, Use(super), tkp_TextStyle{RGB(255, 255, 255), false, 0}, 20, y + 20,
                "Super! Gratulujeme!");
    const std::string path = std::string(TK_SCREENSHOT_DIR) + "/text_slovak.png";
    ASSERT_TRUE(
        tkp_WritePng(path.c_str(), target.Width(), target.Height(), target.Pixels().data(), target.Width()));
}

}  // namespace
