// Text layout: UTF-8 decoding; the placement rules of DrawTextA against TextOutA and
// the DT_CALCRECT measurement (alignment, single and several lines, clipping, malformed text).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/common/tk_test_surface.h"
#include "tests/platform/text/memory_target.h"
#include "tests/platform/text/text_fonts.h"

namespace {

using tk_test::Nums;

constexpr char32_t R = 0xFFFD;

TEST(Utf8Test, DecodesEverySequenceLengthAndEachBrokenSequenceBecomesReplacements) {
    // Stray continuation, impossible leads, overlong forms, surrogates, beyond U+10FFFF; a sequence
    // cut short by another character or by the end of the text.
    const std::pair<std::string, std::u32string> cases[] = {
        {"čerešňa", U"čerešňa"},
        {"A\xC3\xA1\xE2\x82\xAC\xF0\x9F\x98\x80", {U'A', 0xE1, 0x20AC, 0x1F600}},
        {"\xF4\x8F\xBF\xBF", {0x10FFFF}},
        {"a\x80z", {U'a', R, U'z'}},
        {"\xE0\x80\xAF", {R, R, R}},
        {"\xED\xA0\x80", {R, R, R}},
        {"\xF4\x90\x80\x80", {R, R, R, R}},
        {"\xFF\xFE", {R, R}},
        {"\xE2\x82z", {R, U'z'}},
        {"ok\xF0\x9F\x98", {U'o', U'k', R}}};
    for (const auto& [bytes, decoded] : cases) EXPECT_EQ(tkp::text::DecodeUtf8(bytes), decoded) << bytes;
}

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
    tkp::text::TextStyle style{RGB(80, 0, 0), false, 0};

    int lineHeight() { return Strike(font).Height(); }
    // DrawTextA onto a fresh picture; its result goes to *result.
    MemoryTarget drawText(const std::string& text, RECT rect, UINT flags, int* result = nullptr) {
        MemoryTarget target(kW, kH);
        const int r = tkp::text::DrawText(&target, Use(font), style, text, &rect, flags);
        if (result) *result = r;
        return target;
    }
    // The same texts drawn with TextOutA at the given places, clipped to clip when given.
    MemoryTarget textOut(const std::vector<Placed>& runs, const RECT* clip = nullptr) {
        MemoryTarget target(kW, kH), clipped(kW, kH);
        for (const Placed& run : runs) tkp::text::TextOut(target, Use(font), style, run.x, run.y, run.text);
        if (!clip) return target;
        for (int y = clip->top; y < clip->bottom; ++y)
            for (int x = clip->left; x < clip->right; ++x) clipped.Set(x, y, target.At(x, y));
        return clipped;
    }
    // DT_CALCRECT from rect: the rectangle and, in *result, the height returned.
    RECT measure(const std::string& text, RECT rect, UINT flags = 0, int* result = nullptr) {
        const int r = tkp::text::DrawText(nullptr, Use(font), style, text, &rect, flags | DT_CALCRECT);
        if (result) *result = r;
        return rect;
    }
    SIZE extent(const std::string& text) {
        const RECT r = measure(text, {0, 0, 0, 0}, DT_SINGLELINE);
        return {r.right, r.bottom};
    }
};

TEST_F(TextDrawTest, SingleLinePlacementFollowsTheCalcRectMeasurement) {
    const std::string t = "Zamiešaj";
    int result = 0;
    // The measurement: the text's extent from the rectangle's corner, whatever the alignment.
    const RECT m = measure(t, {10, 20, 300, 200}, DT_CENTER | DT_VCENTER | DT_SINGLELINE, &result);
    const SIZE s{m.right - 10, m.bottom - 20};
    EXPECT_EQ(Nums(m.left, m.top, s.cx, s.cy, result),
              Nums(10, 20, tkp::text::TextExtent(Use(font), t).cx, lineHeight(), lineHeight()));
    const RECT r{40, 30, 340, 130};
    EXPECT_TRUE(Same(drawText(t, r, DT_LEFT | DT_TOP | DT_SINGLELINE, &result), textOut({{t, 40, 30}})));
    EXPECT_EQ(result, s.cy);
    EXPECT_TRUE(Same(drawText(t, r, DT_CENTER | DT_SINGLELINE), textOut({{t, (40 + 340 - s.cx) / 2, 30}})));
    EXPECT_TRUE(Same(drawText(t, r, DT_RIGHT | DT_SINGLELINE), textOut({{t, 340 - s.cx, 30}})));
    // Vertical centring and bottom alignment; the result is the offset of the text's bottom.
    EXPECT_TRUE(Same(drawText(t, r, DT_CENTER | DT_VCENTER | DT_SINGLELINE, &result),
                     textOut({{t, (40 + 340 - s.cx) / 2, 30 + 100 / 2 - s.cy / 2}})));
    EXPECT_EQ(result, 100 / 2 - s.cy / 2 + s.cy);
    EXPECT_TRUE(Same(drawText(t, r, DT_RIGHT | DT_BOTTOM | DT_SINGLELINE, &result),
                     textOut({{t, 340 - s.cx, 130 - s.cy}})));
    EXPECT_EQ(result, 100);
    // Measuring draws nothing.
    EXPECT_EQ(drawText(t, r, DT_CALCRECT).Ink().right, 0);
}

TEST_F(TextDrawTest, SeveralLinesAreMeasuredAndAlignedOneByOne) {
    const int h = lineHeight();
    int result = 0;
    // The widest line and one cell per line; a line end at the very end opens no line; CR LF and
    // CR end lines too; DT_SINGLELINE joins them.
    RECT r = measure("Ozvučenie\nkariet...\n\nKoniec", {0, 0, 0, 0}, 0, &result);
    EXPECT_EQ(Nums(r.right, r.bottom, result),
              Nums(std::max(extent("Ozvučenie").cx, extent("kariet...").cx), 4 * h, 4 * h));
    const RECT singled = measure("A\r\nB", {0, 0, 0, 0}, DT_SINGLELINE);
    EXPECT_EQ(Nums(measure("A\n", {0, 0, 0, 0}).bottom, measure("A\r\nB\rC", {0, 0, 0, 0}).bottom,
                   singled.bottom, singled.right),
              Nums(h, 3 * h, h, extent("AB").cx));
    // An empty text is one empty line only when it is a single line.
    int single = 0;
    r = measure("", {5, 5, 50, 50}, 0, &result);
    const RECT one = measure("", {5, 5, 50, 50}, DT_SINGLELINE, &single);
    EXPECT_EQ(Nums(r.bottom, result, one.right, one.bottom, single), Nums(5, 0, 5, 5 + h, h));
    const std::string a = "Super!", b = "Gratulujeme!";
    const RECT box{20, 10, 380, 190};
    EXPECT_TRUE(Same(drawText(a + "\n" + b, box, DT_CENTER, &result),
                     textOut({{a, (400 - extent(a).cx) / 2, 10}, {b, (400 - extent(b).cx) / 2, 10 + h}})));
    EXPECT_EQ(result, 2 * h);
    EXPECT_TRUE(Same(drawText(a + "\r\n" + b, box, DT_RIGHT),
                     textOut({{a, 380 - extent(a).cx, 10}, {b, 380 - extent(b).cx, 10 + h}})));
}

TEST_F(TextDrawTest, ClipsToTheRectangleAndNeverLeavesThePicture) {
    const std::string t = "Rozlíšenie obrazovky";
    const RECT r{30, 40, 90, 52};  // smaller than the text in both directions
    EXPECT_TRUE(Same(drawText(t, r, DT_SINGLELINE), textOut({{t, 30, 40}}, &r)));
    // The picture's own edges always clip (the target fails the test on any write outside it).
    FontPtr big = MakeFont(150, 65, FW_NORMAL, "Verdana");
    MemoryTarget target(kW, kH);
    tkp::text::TextOut(target, Use(big), style, -37, -60, "Super! Gratulujeme!");
    tkp::text::TextOut(target, Use(big), style, 350, 150, "čerešňa");
    RECT wide{-500, -500, 2000, 2000};
    tkp::text::DrawText(&target, Use(big), style, "Super!\nGratulujeme!", &wide, DT_CENTER);
    EXPECT_GT(target.Darkness(), 0);
}

TEST_F(TextDrawTest, MalformedTextIsDrawnSafely) {
    // Broken bytes show the replacement character.
    const RECT r{10, 10, 300, 100};
    const std::string broken = std::string("a\xFF") + "b", replaced = std::string("a\xEF\xBF\xBD") + "b";
    EXPECT_TRUE(Same(drawText(broken, r, 0), drawText(replaced, r, 0)));
    // Control characters other than line ends take no room.
    EXPECT_EQ(Nums(extent(broken).cx, extent("a\tb\x01").cx), Nums(extent(replaced).cx, extent("ab").cx));
    EXPECT_GT(extent("\xFF").cx, 0);
}

}  // namespace
