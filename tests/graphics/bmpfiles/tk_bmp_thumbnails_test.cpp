// Scaled copies and thumbnails: the exact, phase and band modes, the fit variants, the
// bundled sprite sheet with its marker, the pass over a folder, the listing variants, and area
// averaging with a before/after picture.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

#include "framework/graphics/tk_BMP.h"
#include "framework/graphics/tk_CDas_Surface.h"
#include "tests/common/graphics/tk_bmpfiles_world.h"

namespace tk_test {
namespace {

namespace fs = std::filesystem;

std::string bmpSizeOf(const std::string& file) {
    const std::string f = ReadFile(file);
    return f.size() < 54 ? "none" : Nums(Field(f, 18, 4), Field(f, 22, 4));
}

// Pixel (x, y) of a 24-bit BMP file as 0x00RRGGBB.
std::uint32_t bmpPixelOf(const std::string& f, int x, int y) {
    const std::size_t stride = (3u * Field(f, 18, 4) + 3) / 4 * 4;
    return Field(f, 54 + stride * (Field(f, 22, 4) - 1 - y) + 3u * x, 3);
}

// Pixels of two pictures of the same size whose channels differ by more than `by`.
int apart(const std::string& a, const std::string& b, int by) {
    int n = 0;
    for (std::uint32_t y = 0; y < Field(a, 22, 4); ++y)
        for (std::uint32_t x = 0; x < Field(a, 18, 4); ++x)
            for (int shift : {0, 8, 16})
                n += std::abs(int(bmpPixelOf(a, x, y) >> shift & 255) -
                              int(bmpPixelOf(b, x, y) >> shift & 255)) > by;
    return n;
}

// A gradient whose pixel (0, 0) alone is pure red: the phase around (10, 10) is the whole picture.
std::uint32_t gradient(int x, int y) {
    return x == 0 && y == 0 ? 0xFF0000 : static_cast<std::uint32_t>((x * 255 / 299) << 8 | (y * 255 / 299));
}

void writePicture(const std::string& path, int w, int h) {
    WriteFile(path, Picture24(w, h, gradient));
}

using ThumbnailTest = BmpWorld;

TEST_F(ThumbnailTest, ModesAndVariantsWithTheirSizes) {
    writePicture("sq.bmp", 300, 300);
    writePicture("wide.bmp", 40, 20);
    writePicture("long.bmp", 100, 50);
    EXPECT_EQ(tk_BMP_VYTVOR_BMP_3B_zFILE_doFILE__stretch_cezSRF(dd_, "sq.bmp", 150, 100, "exact.thm") +
                  tk_BMP_VYTVOR_BMP_4_zFILE_doFILE__stretch_FAZA_cezSRF(dd_, "sq.bmp", 150, 100, "phase.thm",
                                                                        10, 10) +
                  tk_BMP_VYTVOR_BMP_3C_zFILE_doFILE__stretch_cezSRF(dd_, "sq.bmp", 150, 100, 0.25f, 0.75f,
                                                                    "band.thm") +
                  tk_BMP_VYTVOR_BMP_3_zFILE_doFILE__stretch_cezSRF(dd_, "wide.bmp", 0, 150, 100, "fit.bmp") +
                  tk_BMP_VYTVOR_BMP_3_zFILE_doFILE__stretch_cezSRF(dd_, "long.bmp", 3, 0, 0, "third.bmp"),
              5);
    std::string sizes;
    for (const char* f : {"exact.thm", "phase.thm", "band.thm", "fit.bmp", "third.bmp"})
        sizes += bmpSizeOf(f) + " ";
    EXPECT_EQ(sizes, "150,100 100,100 150,50 150,75 33,16 ");
    // The band is rows 25 to 74 of the whole picture stretched to 150 x 100.
    EXPECT_TRUE(ReadFile("band.thm").substr(54) == ReadFile("exact.thm").substr(54 + 452 * 25, 452 * 50));
    // A surface fitted or stretched; a lost one is restored for its owner but not written.
    IDirectDrawSurface* s = Surface(300, 300, [](int x, int y) { return static_cast<std::uint16_t>(x ^ y); });
    EXPECT_EQ(tk_BMP_VYTVOR_BMP_0_zoSRF_doFILE__stretch(dd_, s, true, 150, 100, "s_fit.bmp") +
                  tk_BMP_VYTVOR_BMP_0_zoSRF_doFILE__stretch(dd_, s, false, 150, 100, "s_exact.bmp"),
              2);
    EXPECT_EQ(bmpSizeOf("s_fit.bmp") + " " + bmpSizeOf("s_exact.bmp"), "100,100 150,100");
    tkp::testing::MarkSurfaceLost(s);
    EXPECT_EQ(tk_BMP_VYTVOR_BMP_0_zoSRF_doFILE__stretch(dd_, s, true, 150, 100, "s_lost.bmp"), 0);
    EXPECT_EQ(s->IsLost(), DD_OK);
    // Pictures that cannot be loaded and sizes that cannot be made give no file and a log line.
    WriteFile("bad.bmp", "not a bitmap");
    EXPECT_EQ(tk_BMP_VYTVOR_BMP_3B_zFILE_doFILE__stretch_cezSRF(dd_, "bad.bmp", 150, 100, "bad.thm") +
                  tk_BMP_VYTVOR_BMP_4_zFILE_doFILE__stretch_FAZA_cezSRF(dd_, "bad.bmp", 150, 100, "bad.thm",
                                                                        10, 10) +
                  tk_BMP_VYTVOR_BMP_3_zFILE_doFILE__stretch_cezSRF(dd_, "wide.bmp", 50, 0, 0, "bad.thm"),
              0);
    EXPECT_FALSE(fs::exists("bad.thm") || fs::exists("s_lost.bmp"));
    EXPECT_TRUE(Logged("TSKW ERROR: picture cannot be loaded [bad.bmp]"));
    EXPECT_TRUE(Logged("tk_BMP_VYTVOR_BMP_3 - Chyba pri CreateSurface [0] [0]"));
}

// The bundled moon is a sprite sheet of three moods with a marker beside it: its thumbnail is
// the first mood (239 x 159 pixels) fitted into 150 x 100, within one colour level of that mood
// cut out and made into a thumbnail on its own.
TEST_F(ThumbnailTest, BundledSpriteSheetWithItsMarker) {
    MakeDir("set");
    for (const char* f : {"mesiac.bmp", "mesiac.faz"})
        fs::copy_file(CardSet("DATA_tvary") + "/" + f, "set/" + std::string(f));
    const std::string sheet = ReadFile("set/mesiac.bmp");
    WriteFile("mood.bmp", Picture24(239, 159, [&](int x, int y) { return bmpPixelOf(sheet, x + 1, y + 1); }));
    ASSERT_EQ(tk_BMP_VYTVOR_BMP_3B_zFILE_doFILE__stretch_cezSRF(dd_, "mood.bmp", 150, 100, "mood.thm"), 1);
    ASSERT_EQ(tk_BMP_Vytvor__bmp2thm("set", 150, 100, 1), 0);
    ASSERT_EQ(bmpSizeOf("set/mesiac.thm"), "150,100");
    EXPECT_EQ(apart(ReadFile("set/mesiac.thm"), ReadFile("mood.thm"), 9), 0);
}

// Notes each progress report as "done,total picture|".
void noteProgress(int done, int total, const char* picture, void* notes) {
    *static_cast<std::string*>(notes) += Nums(done, total) + " " + (picture ? picture : "-") + "|";
}

TEST_F(ThumbnailTest, PassOverAFolder) {
    MakeDir("pics");
    for (const char* name : {"a", "b", "c", "e", "rezia_x", "sprite"})
        writePicture("pics/" + std::string(name) + ".bmp", 60, 40);
    WriteFile("pics/d.bmp", "not a bitmap");
    // c has a thumbnail of its own, an hour old; e has an empty one.
    ASSERT_EQ(tk_BMP_VYTVOR_BMP_3B_zFILE_doFILE__stretch_cezSRF(dd_, "pics/c.bmp", 10, 10, "pics/c.thm"), 1);
    const auto hourAgo = fs::last_write_time("pics/c.thm") - std::chrono::hours(1);
    fs::last_write_time("pics/c.thm", hourAgo);
    const std::string c = ReadFile("pics/c.thm");
    WriteFile("pics/e.thm", "");
    // A pass that cannot write leaves nothing behind.
    OnAFullDisk(20000, [] { EXPECT_EQ(tk_BMP_Vytvor__bmp2thm("pics", 150, 100, 1), 0); });
    EXPECT_EQ(FilesIn("pics"), "a.bmp b.bmp c.bmp c.thm d.bmp e.bmp e.thm rezia_x.bmp sprite.bmp");
    std::string progress;
    ASSERT_EQ(tk_BMP_Vytvor__bmp2thm("pics", 150, 100, 1, noteProgress, &progress), 0);
    EXPECT_EQ(FilesIn("pics"),
              "a.bmp a.thm b.bmp b.thm c.bmp c.thm d.bmp e.bmp e.thm rezia_x.bmp sprite.bmp");
    EXPECT_EQ(bmpSizeOf("pics/a.thm") + " " + bmpSizeOf("pics/b.thm"), "150,100 150,100");
    EXPECT_TRUE(ReadFile("pics/c.thm") == c && fs::last_write_time("pics/c.thm") == hourAgo);
    EXPECT_TRUE(Logged("cannot be loaded [pics/d.bmp]") && Logged("made again [pics/e.thm]"));
    EXPECT_EQ(progress, "0,5 pics/a.bmp|1,5 pics/b.bmp|2,5 pics/c.bmp|3,5 pics/d.bmp|4,5 pics/e.bmp|5,5 -|");
    // The damaged picture is tried again on the next pass; the others are left alone.
    writePicture("pics/d.bmp", 60, 40);
    const auto a = fs::last_write_time("pics/a.thm");
    ASSERT_EQ(tk_BMP_Vytvor__bmp2thm("pics", 150, 100, 1), 0);
    EXPECT_EQ(bmpSizeOf("pics/d.thm"), "150,100");
    EXPECT_TRUE(fs::last_write_time("pics/a.thm") == a && ReadFile("pics/c.thm") == c);
    // Mode 2 makes bands; a missing folder has no pictures.
    MakeDir("bands");
    writePicture("bands/x.bmp", 60, 40);
    EXPECT_EQ(tk_BMP_Vytvor__bmp2thm("bands", 150, 100, 2) + tk_BMP_Vytvor__bmp2thm("nowhere", 150, 100, 1),
              0);
    EXPECT_EQ(bmpSizeOf("bands/x.thm"), "150,50");
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_DEATH(tk_BMP_Vytvor__bmp2thm("", 150, 100, 1), "Doslo k chybe pri nacitani BMP suborov");
}

TEST_F(ThumbnailTest, ListingVariants) {
    MakeDir("pics");
    for (const char* name : {"a", "b.c", "sprit"}) writePicture("pics/" + std::string(name) + ".bmp", 60, 40);
    char* entries[4] = {};
    int last = 7;
    ASSERT_EQ(tk_BMP_Zisti_Vytvor__bmp2thm("pics", false, dd_, 150, 100, entries, 4, &last), 0);
    ASSERT_EQ(tk_BMP_Zisti_Vytvor__bmp2thm_s3C("pics", true, dd_, 150, 100, entries + 2, 2, &last), 0);
    EXPECT_EQ(std::string(entries[0]) + " " + entries[1] + " " + entries[3] + " " + bmpSizeOf("pics/b.c.thm"),
              "a b.c pics/b.c.bmp 150,100");
    for (char* e : entries) delete[] e;
    EXPECT_EQ(tk_BMP_Zisti_Vytvor__bmp2thm("", true, dd_, 150, 100, entries, 4, &last), -1);
}

// FNV-1a of a file's bytes, as 16 hex digits.
std::string hashOf(const std::string& file) {
    std::uint64_t h = 14695981039346656037ull;
    for (unsigned char c : ReadFile(file)) h = (h ^ c) * 1099511628211ull;
    char b[17];
    std::snprintf(b, sizeof(b), "%016llx", static_cast<unsigned long long>(h));
    return b;
}

// The bundled sets' thumbnails are pinned byte for byte. Those of the card's shape come out as
// they always did (none is large enough to be decoded reduced); the three fruit of other shapes
// (banán 1 : 1, citrón and pomaranč 4 : 3) are fitted whole onto white.
TEST_F(ThumbnailTest, BundledSetsKeepTheirThumbnails) {
    std::string hashes;
    for (const char* set : {"DATA_ovocie", "DATA_tvary", "DATA_zvierata"}) {
        fs::copy(CardSet(set), set);
        ASSERT_EQ(tk_BMP_Vytvor__bmp2thm(set, 150, 100, 1), 0);
        std::vector<std::string> thumbnails;
        for (const auto& e : fs::directory_iterator(set))
            if (e.path().extension() == ".thm") thumbnails.push_back(e.path().filename().string());
        std::sort(thumbnails.begin(), thumbnails.end());
        for (const auto& t : thumbnails) hashes += t + "=" + hashOf(std::string(set) + "/" + t) + "\n";
    }
    EXPECT_EQ(hashes,
              "banán.thm=5decc5277770d674\n"
              "citrón.thm=46f7f3cd3195b7c4\n"
              "hrozno.thm=0d13b62caa6651e2\n"
              "hruška.thm=e2f4d86dae166a76\n"
              "jablko.thm=9f0dd3acd06ff0af\n"
              "jahoda.thm=c4bdc8ae9677132c\n"
              "pomaranč.thm=0d0cff8b6fb31bcc\n"
              "slivka.thm=381cf89db848698a\n"
              "vodný melón.thm=ca2d0fb3c20839bb\n"
              "čerešňa.thm=5215996200903368\n"
              "hviezda.thm=3908b21a5054afa4\n"
              "kosoštvorec.thm=0eb988ae5e173e1c\n"
              "kruh.thm=fa95a155ad3c2ae0\n"
              "mesiac.thm=95e2092dc441d642\n"
              "obdĺžnik.thm=b76e7dba5a8f1142\n"
              "srdce.thm=fe58b11f43a207b3\n"
              "trojuholník.thm=c6feec07abb887ae\n"
              "šesťuholník.thm=6eb9bcbf989f4c1d\n"
              "štvorec.thm=6c2427b7d0398a6a\n"
              "mačka.thm=ba10c727332337fd\n"
              "myš.thm=0df5428ffe6a02f6\n"
              "pes.thm=c065c3b405cc6c91\n"
              "prasiatko.thm=4f01bd2c68da9840\n"
              "ryba.thm=dfbaf9d0dcff8c76\n"
              "sova.thm=fcd343865b1763d7\n"
              "včela.thm=a778d61dbc6ae147\n"
              "žaba.thm=6dd4001c79f47669\n");
}

// A reduced picture is area-averaged: a one-pixel checkerboard becomes its mean grey, where
// sampling one pixel in many gives black or white. The picture shows rings that grow finer
// outwards: the original, reduced 4 : 1 by a plain stretching blit (top right) and by the
// thumbnail maker (bottom right), each shown twice as large.
TEST_F(ThumbnailTest, ReductionAveragesEverySourcePixel) {
    WriteFile("board.bmp",
              Picture24(300, 200, [](int x, int y) -> std::uint32_t { return (x + y) % 2 ? 0xFFFFFF : 0; }));
    ASSERT_EQ(tk_BMP_VYTVOR_BMP_3_zFILE_doFILE__stretch_cezSRF(dd_, "board.bmp", 0, 150, 100, "board.thm"),
              1);
    EXPECT_EQ(apart(ReadFile("board.thm"), Picture24(150, 100, [](int, int) { return 0x808080u; }), 4), 0);
    WriteFile("rings.bmp", Picture24(600, 400, [](int x, int y) -> std::uint32_t {
                  const double r2 = (x - 300.0) * (x - 300.0) + (y - 200.0) * (y - 200.0);
                  return static_cast<std::uint32_t>(static_cast<int>(127.5 + 127.5 * std::cos(r2 / 260.0)) *
                                                    0x010101);
              }));
    ASSERT_EQ(tk_BMP_VYTVOR_BMP_3_zFILE_doFILE__stretch_cezSRF(dd_, "rings.bmp", 4, 0, 0, "after.bmp"), 1);
    tk_CDas_Surface rings, after;
    ASSERT_EQ(rings.NAHRAJ_SURFACE(dd_, "rings.bmp") + after.NAHRAJ_SURFACE(dd_, "after.bmp"), 2);
    IDirectDrawSurface* sampled = Surface(150, 100, [](int, int) { return std::uint16_t{0}; });
    rings.Zobraz_Stretch_4(sampled);
    IDirectDrawSurface* page = Surface(900, 400, [](int, int) { return std::uint16_t{0xFFFF}; });
    RECT left{0, 0, 600, 400}, top{600, 0, 900, 200}, bottom{600, 200, 900, 400};
    page->Blt(&left, rings.SURFACE, nullptr, 0, nullptr);
    page->Blt(&top, sampled, nullptr, 0, nullptr);
    page->Blt(&bottom, after.SURFACE, nullptr, 0, nullptr);
    EXPECT_TRUE(tkp::testing::SaveSurfacePng(
        page, (std::string(TK_SCREENSHOT_DIR) + "/thumbnail_before_after.png").c_str()));
}

}  // namespace
}  // namespace tk_test
