// Placement rules of DrawTextA against TextOutA and the measured extents: alignment, single and
// several lines, word breaks, prefixes, clipping, the opaque background and malformed text.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/platform/text/memory_target.h"
#include "tests/platform/text/text_fonts.h"

namespace {

constexpr int kW = 400;
constexpr int kH = 200;

struct Placed {
    std::string text;
    int x;
    int y;
};

class TextDrawTest : public ::testing::Test {
  protected:
    FontPtr font = MakeFont(20, 0, FW_BOLD, "Verdana");
    tkp_TextStyle style{RGB(80, 0, 0), false, 0};

    SIZE extent(const std::string& text) { return tkp_TextExtent(Use(font), text); }
    int lineHeight() { return Strike(font).Height(); }

    // DrawTextA onto a fresh picture; the result goes to *result.
    MemoryTarget drawText(const std::string& text, RECT rect, UINT flags, int* result = nullptr) {
        MemoryTarget target(kW, kH);
        const int r = tkp_DrawText(&target, Use(font), style, text, &rect, flags);
        if (result) *result = r;
        return target;
    }
    // The same texts drawn with TextOutA at the given places, clipped to clip when given.
    MemoryTarget textOut(const std::vector<Placed>& runs, const RECT* clip = nullptr) {
        MemoryTarget target(kW, kH);
        for (const Placed& run : runs) tkp_TextOut(target, Use(font), style, run.x, run.y, run.text);
        if (!clip) return target;
        MemoryTarget clipped(kW, kH);
        for (int y = clip->top; y < clip->bottom; ++y)
            for (int x = clip->left; x < clip->right; ++x) clipped.Set(x, y, target.At(x, y));
        return clipped;
    }
    RECT measure(const std::string& text, RECT rect, UINT flags, int* result = nullptr) {
        const int r = tkp_DrawText(nullptr, Use(font), style, text, &rect, flags | DT_CALCRECT);
        if (result) *result = r;
        return rect;
    }
};

TEST_F(TextDrawTest, SingleLinePlacementFollowsTheExtent) {
    const std::string t = "Zamiešaj";
    const SIZE s = extent(t);
    const RECT r{40, 30, 340, 130};
    int result = 0;
    EXPECT_EQ(drawText(t, r, DT_LEFT | DT_TOP | DT_SINGLELINE, &result), textOut({{t, 40, 30}}));
    EXPECT_EQ(result, s.cy);
    EXPECT_EQ(drawText(t, r, DT_CENTER | DT_SINGLELINE), textOut({{t, (40 + 340 - s.cx) / 2, 30}}));
    EXPECT_EQ(drawText(t, r, DT_RIGHT | DT_SINGLELINE), textOut({{t, 340 - s.cx, 30}}));
    // Vertical centring and bottom alignment; the result is the offset of the text's bottom.
    EXPECT_EQ(drawText(t, r, DT_CENTER | DT_VCENTER | DT_SINGLELINE, &result),
              textOut({{t, (40 + 340 - s.cx) / 2, 30 + 100 / 2 - s.cy / 2}}));
    EXPECT_EQ(result, 100 / 2 - s.cy / 2 + s.cy);
    EXPECT_EQ(drawText(t, r, DT_RIGHT | DT_BOTTOM | DT_SINGLELINE, &result),
              textOut({{t, 340 - s.cx, 130 - s.cy}}));
    EXPECT_EQ(result, 100);
    // Without DT_SINGLELINE vertical alignment does nothing.
    EXPECT_EQ(drawText(t, r, DT_VCENTER | DT_BOTTOM), textOut({{t, 40, 30}}));
}

TEST_F(TextDrawTest, CalcRectBoundsTheTextWithoutDrawing) {
    const SIZE s = extent("Rozlíšenie obrazovky");
    int result = 0;
    RECT r = measure("Rozlíšenie obrazovky", {10, 20, 10, 20}, 0, &result);
    EXPECT_EQ(r.left, 10);
    EXPECT_EQ(r.top, 20);
    EXPECT_EQ(r.right, 10 + s.cx);
    EXPECT_EQ(r.bottom, 20 + s.cy);
    EXPECT_EQ(result, s.cy);
    // Alignment flags change nothing in the measurement, and nothing is drawn.
    EXPECT_EQ(
        measure("Rozlíšenie obrazovky", {10, 20, 300, 200}, DT_CENTER | DT_VCENTER | DT_SINGLELINE).bottom,
        20 + s.cy);
    MemoryTarget untouched(kW, kH);
    RECT big{0, 0, kW, kH};
    tkp_DrawText(&untouched, Use(font), style, "Rozlíšenie", &big, DT_CALCRECT);
    EXPECT_EQ(untouched.Ink().right, 0);
    // Several lines: the widest line and one cell per line.
    r = measure("Ozvučenie\nkariet...\n\nKoniec", {0, 0, 0, 0}, 0, &result);
    EXPECT_EQ(r.right, std::max(extent("Ozvučenie").cx, extent("kariet...").cx));
    EXPECT_EQ(r.bottom, 4 * lineHeight());
    EXPECT_EQ(result, 4 * lineHeight());
    // A line end at the very end opens no line; CR LF and CR end lines too.
    EXPECT_EQ(measure("A\n", {0, 0, 0, 0}, 0).bottom, lineHeight());
    EXPECT_EQ(measure("A\r\nB\rC", {0, 0, 0, 0}, 0).bottom, 3 * lineHeight());
    EXPECT_EQ(measure("A\r\nB", {0, 0, 0, 0}, DT_SINGLELINE).bottom, lineHeight());
    EXPECT_EQ(measure("A\r\nB", {0, 0, 0, 0}, DT_SINGLELINE).right, extent("AB").cx);
    // An empty text is one empty line only when it is a single line.
    EXPECT_EQ(measure("", {5, 5, 50, 50}, 0, &result).bottom, 5);
    EXPECT_EQ(result, 0);
    r = measure("", {5, 5, 50, 50}, DT_SINGLELINE, &result);
    EXPECT_EQ(r.right, 5);
    EXPECT_EQ(r.bottom, 5 + lineHeight());
    EXPECT_EQ(result, lineHeight());
}

TEST_F(TextDrawTest, SeveralLinesAreAlignedOneByOne) {
    const std::string a = "Super!", b = "Gratulujeme!";
    const int h = lineHeight();
    const RECT r{20, 10, 380, 190};
    int result = 0;
    EXPECT_EQ(drawText(a + "\n" + b, r, DT_CENTER, &result),
              textOut({{a, (400 - extent(a).cx) / 2, 10}, {b, (400 - extent(b).cx) / 2, 10 + h}}));
    EXPECT_EQ(result, 2 * h);
    EXPECT_EQ(drawText(a + "\r\n" + b, r, DT_RIGHT),
              textOut({{a, 380 - extent(a).cx, 10}, {b, 380 - extent(b).cx, 10 + h}}));
}

TEST_F(TextDrawTest, WordBreakWrapsBetweenWords) {
    const std::string t = "Ozvučenie kariet...";
    const int full = extent(t).cx;
    const int first = extent("Ozvučenie").cx;
    const int h = lineHeight();
    // Narrower than the whole text but wide enough for each word: two lines, the space dropped.
    const RECT r{10, 10, 10 + full - 1, 150};
    int result = 0;
    EXPECT_EQ(drawText(t, r, DT_WORDBREAK, &result),
              textOut({{"Ozvučenie", 10, 10}, {"kariet...", 10, 10 + h}}));
    EXPECT_EQ(result, 2 * h);
    RECT m = measure(t, r, DT_WORDBREAK);
    EXPECT_EQ(m.right, 10 + std::max(first, extent("kariet...").cx));
    EXPECT_EQ(m.bottom, 10 + 2 * h);
    // Wide enough: one line. DT_SINGLELINE never wraps.
    EXPECT_EQ(measure(t, {0, 0, full, 0}, DT_WORDBREAK).bottom, h);
    EXPECT_EQ(measure(t, {0, 0, 5, 0}, DT_WORDBREAK | DT_SINGLELINE).bottom, h);
    // A word wider than the rectangle stays whole on its own line and widens the measurement.
    m = measure("a čerešňa b", {0, 0, first / 3, 0}, DT_WORDBREAK);
    EXPECT_EQ(m.bottom, 3 * h);
    EXPECT_EQ(m.right, extent("čerešňa").cx);
    // Centred wrapped lines are centred one by one.
    EXPECT_EQ(drawText(t, r, DT_WORDBREAK | DT_CENTER),
              textOut({{"Ozvučenie", (10 + r.right - first) / 2, 10},
                       {"kariet...", (10 + r.right - extent("kariet...").cx) / 2, 10 + h}}));
}

TEST_F(TextDrawTest, PrefixesUnderlineTheNextLetter) {
    const int baseline = 10 + Strike(font).Ascent();
    MemoryTarget prefixed = drawText("&Koniec", {10, 10, 300, 100}, 0);
    MemoryTarget plain = textOut({{"Koniec", 10, 10}});
    EXPECT_EQ(measure("&Koniec", {0, 0, 0, 0}, 0).right, extent("Koniec").cx);
    // The K's advance is underlined one pixel below the baseline; the rest is as without the prefix.
    const int k = extent("K").cx;
    for (int y = 0; y < kH; ++y)
        for (int x = 0; x < kW; ++x) {
            if (y == baseline + 1 && x >= 10 && x < 10 + k) {
                EXPECT_EQ(prefixed.At(x, y), MemoryTarget::rgb(RGB(80, 0, 0))) << x;
            } else if (prefixed.At(x, y) != plain.At(x, y)) {
                ADD_FAILURE() << "differs at " << x << "," << y;
                return;
            }
        }
    EXPECT_EQ(drawText("A&&B", {10, 10, 300, 100}, 0), textOut({{"A&B", 10, 10}}));
    EXPECT_EQ(drawText("&Koniec", {10, 10, 300, 100}, DT_NOPREFIX), textOut({{"&Koniec", 10, 10}}));
    EXPECT_EQ(drawText("AB&", {10, 10, 300, 100}, 0), textOut({{"AB", 10, 10}}));
}

TEST_F(TextDrawTest, ClipsToTheRectangleUnlessNoClip) {
    const std::string t = "Rozlíšenie obrazovky";
    const RECT r{30, 40, 90, 52};  // smaller than the text in both directions
    EXPECT_EQ(drawText(t, r, DT_SINGLELINE), textOut({{t, 30, 40}}, &r));
    EXPECT_EQ(drawText(t, r, DT_SINGLELINE | DT_NOCLIP), textOut({{t, 30, 40}}));
    // The picture's own edges always clip (the target fails the test on any write outside it).
    FontPtr big = MakeFont(150, 65, FW_NORMAL, "Verdana");
    MemoryTarget target(kW, kH);
    tkp_TextOut(target, Use(big), style, -37, -60, "Super! Gratulujeme!");
    tkp_TextOut(target, Use(big), style, 350, 150, "čerešňa");
    RECT wide{-500, -500, 2000, 2000};
    tkp_DrawText(&target, Use(big), style, "Super!\nGratulujeme!", &wide, DT_CENTER | DT_NOCLIP);
    EXPECT_GT(target.Darkness(), 0);
    // The whole coordinate range centres on the middle without overflowing: the text lies around 0.
    RECT whole{-2147483647 - 1, -2147483647 - 1, 2147483647, 2147483647};
    MemoryTarget centred(kW, kH);
    tkp_DrawText(&centred, Use(big), style, "Super!", &whole, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    EXPECT_EQ(centred.Ink().top, 0);
    EXPECT_EQ(centred.Ink().left, 0);
    // Rectangles at the far end of the range neither overflow nor draw.
    const MemoryTarget before = target;
    RECT far{2147483000, 2147483000, 2147483647, 2147483647};
    EXPECT_EQ(tkp_DrawText(&target, Use(big), style, "Super!\nGratulujeme!", &far,
                           DT_CENTER | DT_BOTTOM | DT_NOCLIP),
              2 * Strike(big).Height());
    tkp_TextOut(target, Use(big), style, 2147483647, 2147483647, "čerešňa");
    EXPECT_TRUE(before == target);
    RECT edge{2147483600, 0, 0, 0};
    tkp_DrawText(nullptr, Use(big), style, "Super! Gratulujeme!", &edge, DT_CALCRECT);
    EXPECT_EQ(edge.right, 2147483647);
}

TEST_F(TextDrawTest, OpaqueModeFillsTheCellBoxFirst) {
    tkp_TextStyle opaque{RGB(0, 0, 0), true, RGB(200, 220, 240)};
    const SIZE s = extent("Zamiešaj");
    MemoryTarget target(kW, kH);
    tkp_TextOut(target, Use(font), opaque, 20, 30, "Zamiešaj");
    EXPECT_EQ(target.Ink().left, 20);
    EXPECT_EQ(target.Ink().top, 30);
    EXPECT_EQ(target.Ink().right, 20 + s.cx);
    EXPECT_EQ(target.Ink().bottom, 30 + s.cy);
    EXPECT_EQ(target.At(20, 30), MemoryTarget::rgb(RGB(200, 220, 240)));
    // DrawTextA fills each line's box, clipped to the rectangle.
    MemoryTarget lines(kW, kH);
    RECT r{10, 10, 10 + s.cx / 2, 200};
    tkp_DrawText(&lines, Use(font), opaque, "Zamiešaj\nZamiešaj", &r, 0);
    EXPECT_EQ(lines.Ink().right, 10 + s.cx / 2);
    EXPECT_EQ(lines.Ink().bottom, 10 + 2 * s.cy);
}

TEST_F(TextDrawTest, MalformedTextIsDrawnSafely) {
    // Broken bytes show the replacement character; counts stop at the text's end.
    EXPECT_EQ(drawText("a\xFF"
                       "b",
                       {10, 10, 300, 100}, 0),
              drawText("a\xEF\xBF\xBD"
                       "b",
                       {10, 10, 300, 100}, 0));
    EXPECT_EQ(drawText("ok\xC5", {10, 10, 300, 100}, 0), drawText("ok\xEF\xBF\xBD", {10, 10, 300, 100}, 0));
    EXPECT_EQ(extent("a\xFF"
                     "b")
                  .cx,
              extent("a\xEF\xBF\xBD"
                     "b")
                  .cx);
    EXPECT_GT(extent("\xFF").cx, 0);
    // Control characters other than line ends take no room.
    EXPECT_EQ(extent("a\tb\x01").cx, extent("ab").cx);
    // No rectangle: nothing happens.
    MemoryTarget target(kW, kH);
    EXPECT_EQ(tkp_DrawText(&target, Use(font), style, "x", nullptr, 0), 0);
}

}  // namespace
