// Text spans and UTF-8 decoding: counts, zero bytes, and every kind of broken sequence.
#include <gtest/gtest.h>

#include <string>

#include "platform/text/utf8.h"

namespace {

constexpr char32_t R = 0xFFFD;

TEST(Utf8Test, SpansEndAtTheCountOrTheFirstZeroByte) {
    const char text[] = "Koniec\0hidden";
    EXPECT_EQ(tkp_TextSpan(text, -1), "Koniec");
    EXPECT_EQ(tkp_TextSpan(text, 3), "Kon");
    EXPECT_EQ(tkp_TextSpan(text, 13), "Koniec");  // a count past the terminator stops at it
    EXPECT_EQ(tkp_TextSpan(text, 0), "");
    EXPECT_EQ(tkp_TextSpan(text, -2), "");
    EXPECT_EQ(tkp_TextSpan(nullptr, -1), "");
    // A byte count that is not zero-terminated is never read past.
    const char unterminated[4] = {'a', 'b', 'c', 'd'};
    EXPECT_EQ(tkp_TextSpan(unterminated, 4), "abcd");
}

TEST(Utf8Test, DecodesSlovakTextAndAllSequenceLengths) {
    EXPECT_EQ(tkp_DecodeUtf8("čerešňa"), U"čerešňa");
    EXPECT_EQ(tkp_DecodeUtf8("A\xC3\xA1\xE2\x82\xAC\xF0\x9F\x98\x80"),
              std::u32string({U'A', 0xE1, 0x20AC, 0x1F600}));
    EXPECT_EQ(tkp_DecodeUtf8("\xF4\x8F\xBF\xBF"), std::u32string({0x10FFFF}));
}

TEST(Utf8Test, EachBrokenSequenceBecomesOneReplacement) {
    // Stray continuation, impossible leads, overlong forms, surrogates, beyond U+10FFFF.
    EXPECT_EQ(tkp_DecodeUtf8("a\x80z"), std::u32string({U'a', R, U'z'}));
    EXPECT_EQ(tkp_DecodeUtf8("\xC0\xAF"), std::u32string({R, R}));
    EXPECT_EQ(tkp_DecodeUtf8("\xE0\x80\xAF"), std::u32string({R, R, R}));
    EXPECT_EQ(tkp_DecodeUtf8("\xED\xA0\x80"), std::u32string({R, R, R}));
    EXPECT_EQ(tkp_DecodeUtf8("\xF4\x90\x80\x80"), std::u32string({R, R, R, R}));
    EXPECT_EQ(tkp_DecodeUtf8("\xFF\xFE"), std::u32string({R, R}));
    // A sequence cut short by another character or by the end of the text.
    EXPECT_EQ(tkp_DecodeUtf8("\xE2\x82z"), std::u32string({R, U'z'}));
    EXPECT_EQ(tkp_DecodeUtf8("ok\xF0\x9F\x98"), std::u32string({U'o', U'k', R}));
    EXPECT_EQ(tkp_DecodeUtf8(std::string_view("\xC5\xA1\xC5", 3)), std::u32string({0x161, R}));
}

}  // namespace
