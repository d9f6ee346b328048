// EnumFontFamiliesExA: families from fontconfig, character sets per family, names, stopping.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "platform/kernel/debug.h"
#include "platform/text/text.h"

namespace {

struct Call {
    std::string face;
    int charset;
    DWORD type;
    std::string script;
    std::string style;
    std::string fullName;
    LONG height;
    DWORD codePages;
};

// Declared with the extended records, as a program's callback usually is.
int CALLBACK collect(ENUMLOGFONTEXA* elf, NEWTEXTMETRICEXA* ntm, DWORD type, LPARAM lParam) {
    auto* calls = reinterpret_cast<std::vector<Call>*>(lParam);
    calls->push_back({elf->elfLogFont.lfFaceName, elf->elfLogFont.lfCharSet, type,
                      reinterpret_cast<const char*>(elf->elfScript),
                      reinterpret_cast<const char*>(elf->elfStyle),
                      reinterpret_cast<const char*>(elf->elfFullName), elf->elfLogFont.lfHeight,
                      ntm->ntmFontSig.fsCsb[0]});
    return 1;
}

std::vector<Call> enumerate(BYTE charset, const char* face = "", int* result = nullptr) {
    LOGFONTA lf{};
    lf.lfCharSet = charset;
    std::snprintf(lf.lfFaceName, sizeof lf.lfFaceName, "%s", face);
    std::vector<Call> calls;
    const int r = EnumFontFamiliesExA(nullptr, &lf, reinterpret_cast<FONTENUMPROCA>(&collect),
                                      reinterpret_cast<LPARAM>(&calls), 0);
    if (result) *result = r;
    return calls;
}

// Face names with consecutive repeats left out, as the game keeps them.
std::vector<std::string> runs(const std::vector<Call>& calls) {
    std::vector<std::string> names;
    for (const Call& c : calls)
        if (names.empty() || names.back() != c.face) names.push_back(c.face);
    return names;
}

TEST(FontEnumTest, DefaultCharsetListsEveryFamilyInEachCharacterSet) {
    int result = 0;
    const std::vector<Call> calls = enumerate(DEFAULT_CHARSET, "", &result);
    EXPECT_EQ(result, 1);
    const std::vector<std::string> names = runs(calls);
    // Each family's calls come together, so no family shows up twice among the runs.
    EXPECT_EQ(std::set<std::string>(names.begin(), names.end()).size(), names.size());
    for (const char* expected :
         {"DejaVu Sans", "DejaVu Serif", "DejaVu Sans Mono", "DejaVu Sans Condensed"}) {
        EXPECT_NE(std::find(names.begin(), names.end(), expected), names.end()) << expected;
    }
    std::vector<Call> dejavu;
    for (const Call& c : calls)
        if (c.face == "DejaVu Sans") dejavu.push_back(c);
    ASSERT_GE(dejavu.size(), 4u);
    EXPECT_EQ(dejavu[0].charset, ANSI_CHARSET);
    EXPECT_EQ(dejavu[0].script, "Western");
    EXPECT_EQ(dejavu[1].charset, EASTEUROPE_CHARSET);
    EXPECT_EQ(dejavu[1].script, "Central European");
    EXPECT_EQ(dejavu[2].charset, RUSSIAN_CHARSET);
    EXPECT_EQ(dejavu[0].type, TRUETYPE_FONTTYPE);
    EXPECT_EQ(dejavu[0].style, "Book");
    EXPECT_EQ(dejavu[0].fullName, "DejaVu Sans");
    EXPECT_NEAR(dejavu[0].height, 16, 1);
    EXPECT_EQ(dejavu[0].codePages & 0x3, 0x3u);
}

TEST(FontEnumTest, OneCharacterSetListsTheFamiliesThatCoverIt) {
    const std::vector<Call> all = enumerate(DEFAULT_CHARSET);
    const std::vector<Call> central = enumerate(EASTEUROPE_CHARSET);
    std::vector<std::string> expected;
    for (const Call& c : all)
        if (c.charset == EASTEUROPE_CHARSET) expected.push_back(c.face);
    std::vector<std::string> got;
    for (const Call& c : central) {
        EXPECT_EQ(c.charset, EASTEUROPE_CHARSET);
        got.push_back(c.face);
    }
    EXPECT_EQ(got, expected);
    EXPECT_NE(std::find(got.begin(), got.end(), "DejaVu Sans"), got.end());
}

TEST(FontEnumTest, AFaceNameListsThatFamilyOncePerStyle) {
    const std::vector<Call> calls = enumerate(EASTEUROPE_CHARSET, "dejavu sans");
    std::set<std::string> styles;
    for (const Call& c : calls) {
        EXPECT_EQ(c.face, "DejaVu Sans");
        styles.insert(c.style);
    }
    EXPECT_EQ(calls.size(), styles.size());
    EXPECT_EQ(styles, (std::set<std::string>{"Book", "Bold", "Oblique", "Bold Oblique"}));
    EXPECT_TRUE(enumerate(DEFAULT_CHARSET, "No Such Face 4711").empty());
}

int CALLBACK stopAtOnce(const LOGFONTA*, const TEXTMETRICA*, DWORD, LPARAM lParam) {
    ++*reinterpret_cast<int*>(lParam);
    return 0;
}

TEST(FontEnumTest, TheCallbackStopsTheEnumerationAndBadArgumentsAreRefused) {
    LOGFONTA lf{};
    lf.lfCharSet = DEFAULT_CHARSET;
    int calls = 0;
    EXPECT_EQ(EnumFontFamiliesExA(nullptr, &lf, stopAtOnce, reinterpret_cast<LPARAM>(&calls), 0), 0);
    EXPECT_EQ(calls, 1);
    tkp_CaptureDebugOutput(true);
    EXPECT_EQ(EnumFontFamiliesExA(nullptr, nullptr, stopAtOnce, 0, 0), 0);
    EXPECT_EQ(EnumFontFamiliesExA(nullptr, &lf, nullptr, 0, 0), 0);
    const std::string log = tkp_TakeDebugOutput();
    tkp_CaptureDebugOutput(false);
    EXPECT_EQ(log,
              "text: EnumFontFamiliesExA: no LOGFONT or no callback\n"
              "text: EnumFontFamiliesExA: no LOGFONT or no callback\n");
}

}  // namespace
