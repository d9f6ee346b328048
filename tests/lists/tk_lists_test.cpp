// The list menu and the row list: placeholders, the layout numbers of the three looks and of the
// scrolling rows, placement codes, drawing pixel by pixel, pointer events driven one by one
// through pop-up chains and scroll buttons, lookups, and a picture for people.
#include <gtest/gtest.h>

#include <string>

#include "framework/graphics/tk_Draw.h"
#include "framework/lists/tk_CDUI.h"
#include "framework/lists/tk_CDUIR.h"
#include "framework/lists/tk_TVOLBA.h"
#include "framework/lists/tk_TVOLBAR.h"
#include "framework/widgets/tk_CDUI_podklad_efekt.h"
#include "framework/widgets/tk_CIcon.h"
#include "framework/widgets/tk_DSGN.h"
#include "tests/common/graphics/tk_test_sheet.h"
#include "tests/common/widgets/tk_test_screen.h"
#include "tests/common/widgets/tk_widget_probes.h"

using tk_test::Logged;
using tk_test::Nums;
using tk_test::TestSurface;

namespace {

// Left, top, right, bottom as "l,t,r,b".
std::string edges(const RECT& r) {
    return Nums(r.left, r.top, r.right, r.bottom);
}
// The entries' rectangles, one after another.
std::string entryRects(tk_CDUI& m) {
    std::string s;
    for (int i = 0; i < m.Count(); ++i) s += (i ? " " : "") + edges(m.EntryAt(i)->rect);
    return s;
}
// The place of a list, as "x,y".
std::string placeOf(const tk_CDUI& m) {
    return Nums(m.x, m.y);
}

// The lettered test sheet as tk_lpDD's sheet, a full-size screen, a fresh log, and the
// placeholder flag set (most tests want real entries only) and cleared after every test.
class Lists : public tk_test::SheetWorld {
  protected:
    void SetUp() override {
        tk_test::SheetWorld::SetUp();
        ASSERT_EQ(sheet.NAHRAJ_SURFACE("SHEET.BMP"), 1);
        sheet.BC_NASTAV(0, 10);
        tk_CDUI_void_flag = true;
    }
    void TearDown() override {
        tk_CDUI_void_flag = false;
        tk_test::SheetWorld::TearDown();
    }

    // The entries' texts, one after another ("-" for none).
    static std::string Texts(tk_CDUI& list) {
        std::string s;
        for (int i = 0; i < list.volby.count; ++i) s += list.EntryAt(i)->text ? list.EntryAt(i)->text : "-";
        return s;
    }
    // A vertical menu at (100, 50) with entries at y 53..73, 76..96, 99..119 and x 103..223.
    static void Three(tk_CDUI& m, int first) {
        for (int i = 0; i < 3; ++i) m.PRIDAJ(first + i, "x");
        m.CHOD_NA(100, 50);
    }

    tk_test::ScopedScreen screen_{1920, 1080};
    tk_CDas_Surface sheet;
};

// The 20 x 10 phase of the test sheet: its phase w, h are 21, 11.
constexpr int kWideX = 15;
constexpr int kWideY = 10;

// The entries' states, one digit each.
std::string entryStates(tk_CDUI& m) {
    std::string s;
    for (int i = 0; i < m.Count(); ++i) s += std::to_string(m.EntryAt(i)->stav);
    return s;
}

// Three entries without texts, (1, 1, 9, 5), (1, 7, 9, 11), (1, 13, 9, 17), in obal
// (0, 0, 10, 18), without a background.
void tiny(tk_CDUI& m) {
    for (int i = 1; i <= 3; ++i) m.PRIDAJ(i, nullptr);
    m.Nastav_Konstanty(4, 6, 8, 1);
    m.CHOD_NA(0, 0);
    m.podklad = 0;
}

using Menu = Lists;

TEST_F(Menu, PlaceholdersGiveWayToRealEntriesUntilTheFirstClear) {
    tk_CDUI_void_flag = false;
    tk_CDUI m, cut;
    EXPECT_EQ(Texts(m), "void_0void_1void_2");
    // A text naming a placeholder is appended; an entry without text is a real one.
    int id = 7;
    for (const char* t : {"Zamiešaj", "void_x", static_cast<const char*>(nullptr), "Koniec", "Ďalej"})
        m.PRIDAJ(id++, t);
    EXPECT_EQ(Texts(m) + Nums(m.EntryAt(0)->id), "Zamiešaj-Koniecvoid_xĎalej7");
    // A placeholder removed before real entries came is not taken for one later.
    cut.ODOBER();
    for (const char* t : {"A", "B", "C", "D"}) cut.PRIDAJ(1, t);
    EXPECT_EQ(Texts(cut), "ABCD");
    m.VYMAZ();
    EXPECT_TRUE(tk_CDUI_void_flag);
    tk_CDUI later;
    later.PRIDAJ(1, "A");
    EXPECT_EQ(Texts(later), "A");
}

TEST_F(Menu, VerticalMenuOfThreeEntries) {
    tk_CDUI m;
    Three(m, 1);
    m.RESET_DEFAULT();
    EXPECT_EQ(placeOf(m), Nums(960 - 60 - 3, 540 - 34 - 3));
    m.CHOD_NA(100, 50);
    m.RESET_GEOMETRIE();
    EXPECT_EQ(edges(m.obal) + " " + entryRects(m),
              "100,50,226,122 103,53,223,73 103,76,223,96 103,99,223,119");
    // Centring lays a changed list out first.
    m.Nastav_Konstanty(20, 23, 120, 13);
    m.CHOD_NA_CENTER(400, 300);
    EXPECT_EQ(placeOf(m), Nums(400 - 73, 300 - 46));
    // Only max_riadkov entries are laid out; the others keep their places.
    m.PRIDAJ(4, "x");
    RECT kept = m.EntryAt(2)->rect;
    m.Nastav_Konstanty(20, 23, 120, 3);
    m.max_riadkov = 2;
    m.CHOD_NA(100, 50);
    m.RESET_GEOMETRIE();
    EXPECT_EQ(edges(m.obal) + " " + edges(m.EntryAt(2)->rect), "100,50,226,99 " + edges(kept));
}

TEST_F(Menu, RowOfButtonsRisesToTheMiddleAndTheBarFitsItsTexts) {
    tk_CDUI row(0), bar(1);
    for (int i = 1; i <= 4; ++i) row.PRIDAJ(i, "X");
    row.RESET_DEFAULT();
    EXPECT_EQ(placeOf(row), Nums(960 - 245, 540));
    row.CHOD_NA(0, 0);
    row.RESET_GEOMETRIE();
    // The union grown by d is (0, -29, 550, 171), then limited to the screen.
    EXPECT_EQ(entryRects(row) + " " + edges(row.obal),
              "30,61,130,141 160,31,260,111 290,1,390,81 420,31,520,111 1,1,550,171");
    bar.PRIDAJ(1, "DÁTA");
    bar.PRIDAJ(2, "Zamiešaj");
    bar.RESET_GEOMETRIE();
    // Eight pixels per character (not per byte) and the text margin on both sides.
    EXPECT_EQ(edges(bar.obal) + " " + entryRects(bar), "1,3,1919,29 4,6,38,26 41,6,107,26");
}

TEST_F(Menu, PlacementCodesStepThroughTheEnglishNine) {
    tk_CDUI m;
    Three(m, 1);
    m.SetTextMode("RB");
    m.SetTextMode_NEXT();
    m.SetIconMode("CB");
    m.SetIconMode_NEXT();
    EXPECT_EQ(std::string(m.text_mode) + m.icon_mode, "LTRB");
}

TEST_F(Menu, HighlightsOfTheThreeStatesAndFramesOfIdleEntries) {
    TestSurface s(12, 20);
    const tk_test::Legend legend =
        TestSurface::LegendOf("BRY", {RGB(60, 60, 255), RGB(255, 60, 60), RGB(255, 255, 60)});
    tk_CDUI m;
    tiny(m);
    m.ramik_volieb = 1;
    m.INFORMUJ_SA(3, 3, 0);
    m.EntryAt(1)->stav = 2;
    m.ZOBRAZ(s.get());
    const std::string hover = ".BBBBBBBB..|", pressed = ".RRRRRRRR..|", blank = "...........|",
                      e = "...........";
    EXPECT_TRUE(s.Shows(0, 0, 11, 18, legend,
                        blank + hover + hover + hover + hover + blank + blank + pressed + pressed + pressed +
                            pressed + blank + blank + hover + ".B......B..|.B......B..|" + hover + e));
    // An open pop-up's entry is yellow; only max_riadkov entries are drawn.
    s.Fill(0);
    m.EntryAt(0)->stav = 3;
    m.max_riadkov = 1;
    m.ZOBRAZ(s.get());
    const std::string open = ".YYYYYYYY..|";
    EXPECT_TRUE(
        s.Shows(0, 0, 11, 12, legend,
                blank + open + open + open + open + blank + blank + blank + blank + blank + blank + e));
}

TEST_F(Menu, HighlightsOverTheNetMatchTheHelpers) {
    TestSurface s(60, 40), ref(60, 40);
    s.Fill(0x8410);
    ref.Fill(0x8410);
    tk_CDUI m;
    tiny(m);
    m.CHOD_NA(20, 10);
    m.podklad = 1;
    m.EntryAt(0)->stav = 1;
    m.EntryAt(2)->stav = 2;
    m.ZOBRAZ(s.get());
    tk_CDUI_podklad_efekt_A_biela_siet(ref.get(), RECT{20, 10, 30, 28}, true);
    HDC dc = nullptr;
    ASSERT_EQ(ref.get()->GetDC(&dc), DD_OK);
    RECT hover{21, 11, 29, 15}, pressed{21, 23, 29, 27};
    FillRect(dc, &hover, tk_glob_GDI().brush_blue);
    FillRect(dc, &pressed, tk_glob_GDI().brush_red);
    ref.get()->ReleaseDC(dc);
    EXPECT_TRUE(s.Same(ref));
    // Hidden lists, and empty lists once the program has cleared a list, draw nothing.
    s.Fill(0);
    m.visible = false;
    m.ZOBRAZ(s.get());
    m.visible = true;
    m.VYMAZ();
    m.ZOBRAZ(s.get());
    EXPECT_EQ(s.Inked(), 0);
}

TEST_F(Menu, IconsSitInTheirCornerAndCutEntriesShowWhatTheWholeEntryShowsThere) {
    TestSurface whole(200, 100), cut(200, 100);
    tk_CIcon icon(&sheet, kWideX, kWideY);
    tk_CDUI m, entry;
    m.PRIDAJ(1, nullptr, &icon);
    m.Nastav_Konstanty(40, 43, 100, 3);
    m.CHOD_NA(50, 30);
    m.podklad = 0, m.icon_okraj = 2;
    // Entry (53, 33, 153, 73) and the 20 x 10 picture (phase 21 x 11): its bottom-right corner.
    m.SetIconMode("PD");
    m.ZOBRAZ(whole.get());
    EXPECT_EQ(Nums(whole.Pixel(131, 61), whole.Pixel(150, 70), whole.Pixel(130, 61), whole.Pixel(151, 70),
                   whole.Pixel(150, 71)),
              Nums(tk_test::kWide, tk_test::kWide, 0, 0, 0));

    // The icon and text of an entry cut at the top or bottom are the whole entry's, clipped.
    entry.PRIDAJ(1, "Zamiešaj", &icon);
    entry.Nastav_Konstanty(40, 43, 120, 3);
    entry.CHOD_NA(20, 20);
    entry.podklad = 0;
    struct Case {
        const char* code;
        int mode, top, bottom;
    } cases[] = {{"CB", 1, 45, 63}, {"LD", 1, 50, 63}, {"CT", 2, 23, 35}, {"PH", 2, 23, 45}};
    for (const Case& c : cases) {
        entry.SetTextMode(c.code);
        entry.RESET_GEOMETRIE();
        tk_TVOLBA* v = entry.EntryAt(0);
        v->rect2_mode = 0;
        whole.Fill(0xFFFF);
        cut.Fill(0xFFFF);
        entry.ZOBRAZ(whole.get());
        v->rect2 = v->rect;
        v->rect.top = c.top, v->rect.bottom = c.bottom;
        v->rect2_mode = c.mode;
        entry.ZOBRAZ(cut.get());
        // Rows of the visible part shrunk by one pixel, where the cut text may show; the icon
        // (rows 25..34) shows in the entries cut at the bottom.
        int differ = 0, ink = 0;
        for (int y = c.top + 1; y < c.bottom - 1; ++y) {
            for (int x = 0; x < 200; ++x) {
                differ += whole.Pixel(x, y) != cut.Pixel(x, y);
                ink += cut.Pixel(x, y) != 0xFFFF;
            }
        }
        EXPECT_TRUE(differ == 0 && ink > 0) << c.code << " " << differ << " " << ink;
    }
}

TEST_F(Menu, HoverPressAndMessagesReportedOnce) {
    tk_CDUI m;
    Three(m, 4);
    m.je_popup = false;
    // Each step: the event, whether the list takes it, the entries' states, the newly hovered
    // entry and the message then read once (-1: none; 0: not read yet).
    const struct {
        int x, y, code;
        bool takes;
        const char* states;
        int fresh, message;
    } steps[] = {{110, 80, 0, true, "010", 1, 0},    // hovered
                 {111, 81, 0, true, "010", -1, -1},  // still on the same entry
                 {110, 80, 1, true, "020", -1, 0},
                 {112, 82, 0, true, "020", -1, 5},  // a move while the message waits keeps it pressed
                 {110, 80, -1, true, "000", -1, -1},
                 {223, 119, 2, true, "001", 2, 106},  // code 2 leaves the id + 100; edges belong
                 {150, 74, 0, true, "000", -1, -1},   // between entries: taken, nothing hovered
                 {110, 80, 0, true, "010", 1, 0},
                 {99, 80, 0, false, "000", -1, -1}};  // outside: not taken
    for (const auto& s : steps) {
        const bool takes = m.INFORMUJ_SA(s.x, s.y, s.code);
        int index = -7, id = -7, value = -7;
        const int fresh = m.INFORMUJ_MA_3(&index, &id) ? index * 100 + id : -1;
        const int read = s.message ? (m.INFORMUJ_MA(&value) ? value : -1) : 0;
        // Once read, the message is gone.
        const bool again = s.message && m.INFORMUJ_MA(&value);
        EXPECT_EQ(Nums(takes, fresh, read, again) + entryStates(m),
                  Nums(s.takes, s.fresh < 0 ? -1 : s.fresh * 100 + 4 + s.fresh, s.message, 0) + s.states)
            << s.x << "," << s.y << "," << s.code;
    }
}

TEST_F(Menu, ContainerCollectsTheChoiceOfAListThatFollowsIt) {
    tk_test::Box root(nullptr, 900);
    root.handles_ = true;
    auto* m = new tk_CDUI(&root, 42);
    m->PRIDAJ(0, "nula");
    m->PRIDAJ(3, "tri");
    m->CHOD_NA(100, 50);
    int id = -1;
    // Ids below 1 are never reported.
    root.INFORMUJ_SA(110, 60, 1);
    EXPECT_FALSE(root.INFORMUJ_MA(&id));
    root.INFORMUJ_SA(110, 80, 1);
    EXPECT_TRUE(root.INFORMUJ_MA(&id));
    ASSERT_EQ(root.notes.size(), 1u);
    EXPECT_EQ(Nums(id, root.notes[0].value, root.notes[0].sender == m), "42,3,1");
    // Moving the container moves the list's entries with it before the next hit test.
    root.CHOD_NA(root.x + 300, root.y);
    EXPECT_FALSE(m->INFORMUJ_SA(110, 80, 0));
    EXPECT_TRUE(m->INFORMUJ_SA(410, 80, 0));
}

TEST_F(Menu, PopUpChainOpensOnHoverAndClosesOnAChoice) {
    tk_CDUI main, sub, subsub;
    Three(main, 1);
    Three(sub, 11);
    Three(subsub, 21);
    sub.visible = subsub.visible = false;
    main.Eviduj_Master_Detail_popup(2, &sub);
    sub.Eviduj_Master_Detail_popup(11, &subsub);
    EXPECT_EQ(sub.master, &main);
    const auto shown = [&] { return Nums(main.visible, sub.visible, subsub.visible); };

    main.INFORMUJ_SA(110, 80, 0);
    EXPECT_EQ(Nums(sub.visible, sub.je_popup, sub.x, sub.y) + " " + entryStates(main), "1,1,224,76 030");
    main.INFORMUJ_SA(110, 60, 0);
    EXPECT_FALSE(sub.visible);
    // The pop-up is hit at its new place, and its first entry opens the next one.
    main.INFORMUJ_SA(110, 80, 0);
    EXPECT_FALSE(main.INFORMUJ_SA(240, 81, 0));
    EXPECT_TRUE(sub.INFORMUJ_SA(240, 81, 0));
    EXPECT_EQ(placeOf(subsub), "348,79");
    // Another entry of the first menu closes both.
    main.INFORMUJ_SA(110, 60, 0);
    EXPECT_EQ(shown(), "1,0,0");

    // A press outside closes a pop-up only when none of its own pop-ups is open.
    main.INFORMUJ_SA(110, 80, 0);
    main.INFORMUJ_SA(500, 500, 1);
    sub.INFORMUJ_SA(500, 500, 1);
    EXPECT_EQ(shown(), "1,0,0");
    main.INFORMUJ_SA(500, 500, 1);
    EXPECT_FALSE(main.visible);

    // A release on a pop-up's entry closes it and every pop-up master above it.
    main.visible = true;
    main.INFORMUJ_SA(110, 80, 0);
    sub.INFORMUJ_SA(240, 81, 0);
    subsub.INFORMUJ_SA(353, 109, 1);
    subsub.INFORMUJ_SA(353, 109, -1);
    int value = 0;
    EXPECT_TRUE(subsub.INFORMUJ_MA(&value));
    EXPECT_EQ(shown() + " " + Nums(value), "0,0,0 22");
    // A master that is no pop-up stays.
    main.visible = true;
    main.je_popup = false;
    main.INFORMUJ_SA(110, 80, 0);
    sub.INFORMUJ_SA(240, 81, -1);
    EXPECT_EQ(shown(), "1,0,0");
}

TEST_F(Menu, BarDropsItsPopUpBelowTheEntry) {
    tk_CDUI bar(1), sub;
    bar.PRIDAJ(1, "DÁTA");
    sub.visible = false;
    sub.zamknute = true;
    bar.Eviduj_Master_Detail_popup(1, &sub);
    bar.INFORMUJ_SA(10, 10, 0);
    EXPECT_EQ(Nums(sub.x, sub.y, sub.visible), "4,26,0");
}

// n rows "r0", "r1", ... with ids 10, 11, ... at (100, 50): the entry area is x 103..223 from
// y 53; the slider's column starts at x 226.
void fillList(tk_CDUIR& list, int n, int lines) {
    for (int i = 0; i < n; ++i) list.PRIDAJR(10 + i, ("r" + std::to_string(i)).c_str(), nullptr, false);
    list.riadkov = lines;
    list.CHOD_NA(100, 50);
    list.RESET_GEOMETRIER();
}
// Row shown by each laid-out entry, with its rectangle and cut mode.
std::string shownRows(tk_CDUIR& list) {
    std::string s;
    int r = list.max_riadkov > 0 ? list.max_riadkov : list.volby.count;
    for (int i = 0; i < r; ++i) {
        tk_TVOLBA* e = list.EntryAt(i);
        s += std::string(e->text) + "@" + std::to_string(e->rect.top) + "-" + std::to_string(e->rect.bottom);
        if (e->rect2_mode) s += "/" + std::to_string(e->rect2_mode) + ":" + std::to_string(e->rect2.top);
        s += " ";
    }
    return s;
}
void scrollTo(tk_CDUIR& list, int position) {
    list.posuv.SP(position);
    list.zmenaR = true;
    list.RESET_GEOMETRIER();
}

using Rows = Lists;

TEST_F(Rows, PlaceholderRowsLendTheirTextsUntilTheFirstClear) {
    tk_CDUI_void_flag = false;
    tk_CDUIR list;
    list.PRIDAJ(5, "Päť");
    ASSERT_EQ(list.Count(), 3);
    EXPECT_STREQ(list[1]->text, "voidR_1");
    list.RESET_GEOMETRIE();
    EXPECT_TRUE(list.EntryAt(0)->text == list[0]->text && !list.EntryAt(0)->text_vlastny);
    list.VYMAZ();
    tk_CDUIR later("duir_FINAL");
    EXPECT_EQ(Nums(tk_CDUI_void_flag, list.Count(), later.Count()), "1,0,0");
}

TEST_F(Rows, ShortListIsAPlainVerticalMenuAndLinesStayWithinThreeTo25) {
    tk_CDUIR list;
    fillList(list, 3, 7);
    EXPECT_FALSE(list.posuvanie || list.posuv.visible || list.tlac_hore.visible || list.draha.visible);
    EXPECT_EQ(edges(list.obal) + " " + shownRows(list), "100,50,226,122 r0@53-73 r1@76-96 r2@99-119 ");
    list.riadkov = 2;
    list.RESET_GEOMETRIER();
    const int raised = list.riadkov;
    list.riadkov = 40;
    list.CHOD_NA(0, 0);
    list.ZOBRAZ(nullptr);
    const int kept = list.riadkov;
    list.CHOD_NA_CENTER(500, 500);
    EXPECT_EQ(Nums(raised, kept, list.riadkov), "3,40,25");
}

TEST_F(Rows, TenRowsOnFourLinesScrollByPixelsWithCutRows) {
    tk_CDUIR list;
    fillList(list, 10, 4);
    EXPECT_EQ(Nums(list.rozsah, list.volby.count, list.max_riadkov, list.vnutro.top, list.vnutro.bottom) +
                  " " + edges(list.obal),
              "138,5,4,53,142 100,50,249,145");
    EXPECT_EQ(shownRows(list), "r0@53-73 r1@76-96 r2@99-119 r3@122-142 ");
    // The scroll parts, in absolute places.
    EXPECT_EQ(Nums(list.posuv.track_at, list.posuv.track_from, list.posuv.track_to, list.posuv.max_value,
                   list.tlac_hore.y, list.tlac_dole.y),
              "226,71,64,138,53,123");

    // At 30: row 1 cut 7 pixels into its top, rows 2..4, and row 5 cut at the area's bottom.
    scrollTo(list, 30);
    EXPECT_EQ(shownRows(list) + Nums(list.pozicia, list.EntryAt(4)->rect2.bottom),
              "r1@53-66/1:46 r2@69-89 r3@92-112 r4@115-135 r5@138-142/2:138 30,158");
    // A choice on the cut row reports that row's value.
    list.je_popup = false;
    int value = 0;
    EXPECT_TRUE(list.INFORMUJ_SA(150, 55, 1));
    EXPECT_TRUE(list.INFORMUJ_MA(&value));
    EXPECT_EQ(value, 11);
    // Wholly scrolled past the top row: it is left out, the bottom one fills the last line.
    scrollTo(list, 45);
    EXPECT_EQ(shownRows(list), "r2@54-74 r3@77-97 r4@100-120 r5@123-142/2:123 ");
    // The end of the range shows the last four rows whole.
    scrollTo(list, 1000);
    EXPECT_EQ(shownRows(list) + Nums(list.pozicia), "r6@53-73 r7@76-96 r8@99-119 r9@122-142 138");
    // A row step of zero scrolls by single pixels instead of dividing by it.
    list.Nastav_Konstanty(20, 0, 120, 3);
    list.RESET_GEOMETRIER();
    EXPECT_EQ(list.rozsah, 6);
}

TEST_F(Rows, ButtonsScrollByATenthOfTheRangeAndNewRowsScrollToTheEnd) {
    tk_CDUIR list, found;
    fillList(list, 13, 7);
    ASSERT_EQ(list.rozsah, 138);
    // The down button lies at (226, 192), the up button at (226, 53): each press moves 13.
    const struct {
        int y, code, position;
    } presses[] = {{200, 0, 0}, {200, 1, 13}, {200, -1, 13}, {200, 1, 26}, {60, 0, 26}, {60, 1, 13}};
    for (const auto& p : presses) {
        EXPECT_TRUE(list.INFORMUJ_SA(231, p.y, p.code));
        EXPECT_EQ(Nums(list.posuv.GP(), list.pozicia), Nums(p.position, p.position)) << p.y << " " << p.code;
    }
    EXPECT_EQ(list.EntryAt(0)->rect2.top, 53 - 13);

    found.na_koniec = true;
    found.riadkov = 4;
    for (int i = 0; i < 10; ++i) found.PRIDAJ(i + 1, ("pair" + std::to_string(i)).c_str());
    found.RESET_GEOMETRIE();
    EXPECT_EQ(found.posuv.GP(), found.rozsah);
    EXPECT_EQ(std::string(found.EntryAt(0)->text) + found.EntryAt(3)->text, "pair6pair9");
}

TEST_F(Rows, LookupsAndRowPopUps) {
    tk_CDUIR list("sady");
    fillList(list, 4, 7);
    EXPECT_EQ(list.VratVolbu__hodnotovo(12), list[2]);
    EXPECT_EQ(list.VratVolbu__podla_textu("r3"), list.VratVolbu__indexovo(3));
    EXPECT_FALSE(list.VratVolbu__hodnotovo(99) || list.VratVolbu__podla_textu("R3") || list[4]);
    EXPECT_TRUE(Logged("Index je mimo rozsah [4] [4]"));
    // A row's pop-up reaches its entry at the next layout and opens to the right.
    tk_CDUI popup;
    popup.visible = false;
    list.Eviduj_Master_Detail_popup(11, &popup);
    EXPECT_EQ(popup.master, &list);
    list.INFORMUJ_SA(150, 80, 0);
    EXPECT_EQ(Nums(popup.visible) + " " + placeOf(popup), "1 224,76");
}

// The three looks, a pop-up and a scrolling row list on the skin, saved for people to look at.
TEST_F(Lists, PictureOfThreeLooksWithAPopUpAndAScrollingRowList) {
    TestSurface screen(800, 600);
    tk_test::ScopedScreen::Set(800, 600, 400, 300);
    tk_lpDDSPrimary = screen.get();
    ASSERT_EQ(tk_DSGN_INIT(), 1);
    HFONT font = CreateFontA(-12, 0, 0, 0, 400, FALSE, FALSE, FALSE, EASTEUROPE_CHARSET, OUT_DEFAULT_PRECIS,
                             CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, VARIABLE_PITCH | FF_SWISS, "Verdana");
    screen.Fill(screen.RawOf(RGB(40, 70, 110)));
    const char* kMain[] = {"DÁTA - karty...", "Zamiešaj", "Ozvučenie kariet...", "Koniec"};
    {
        tk_CDUI bar(1), menu, zvuk, row(0);
        tk_CDUIR found;
        bar.font = menu.font = zvuk.font = row.font = found.font = font;
        for (int i = 0; i < 4; ++i) bar.PRIDAJ(i + 1, kMain[i]);
        bar.RESET_DEFAULT();
        bar.INFORMUJ_SA(bar.EntryAt(1)->rect.left + 3, 12, 0);

        for (int i = 0; i < 4; ++i) menu.PRIDAJ(i + 1, kMain[i]);
        zvuk.PRIDAJ(1, "Vypnúť");
        zvuk.PRIDAJ(2, "Zapnúť");
        zvuk.visible = false;
        zvuk.styl = 3;
        menu.Eviduj_Master_Detail_popup(3, &zvuk);
        menu.CHOD_NA(40, 80);
        menu.INFORMUJ_SA(60, 80 + 3 + 2 * 23 + 5, 0);
        ASSERT_TRUE(zvuk.visible);
        zvuk.INFORMUJ_SA(zvuk.x + 20, zvuk.y + 30, 0);

        tk_CIcon* icons[] = {tk_DSGN.ico_ok, tk_DSGN.ico_cancel, tk_DSGN.ico_help, tk_DSGN.ico_logo};
        for (int i = 0; i < 4; ++i) row.PRIDAJ(i + 1, kMain[i], icons[i]);
        row.oble = true;
        row.CHOD_NA(20, 400);
        row.INFORMUJ_SA(20 + 30 + 130 * 2 + 50, 400 + 40, 0);

        found.riadkov = 4, found.podklad = 2, found.ramik_volieb = 1, found.text_okraj = 60;
        found.SetIconMode("LC");
        found.SetTextMode("LC");
        found.Nastav_Konstanty(40, 44, 220, 4);
        found.posuv.Dsgn1_Stock(0, 0, "_posuvV_");
        found.tlac_hore.Dsgn1_Stock(0, 0, "_posuvV_btnA_");
        found.tlac_dole.Dsgn1_Stock(0, 0, "_posuvV_btnB_");
        found.tlac_hore.void_VYS = found.tlac_hore.AktVYS();
        found.posuv.void_VYS = found.posuv.AktVYS();
        found.draha.EVIDUJ_PREBER(&tk_DSGN._posuvV_track);
        const char* kNames[] = {"jablko",  "hruška",   "slivka", "čerešňa",
                                "marhuľa", "broskyňa", "malina", "jahoda"};
        for (int i = 0; i < 8; ++i) found.PRIDAJ(i + 1, kNames[i], icons[i % 3]);
        found.CHOD_NA(450, 80);
        found.posuv.SP(60);
        found.zmenaR = true;
        found.RESET_GEOMETRIE();
        EXPECT_EQ(Nums(found.EntryAt(0)->rect2_mode, found.EntryAt(found.max_riadkov - 1)->rect2_mode),
                  "1,2");
        found.INFORMUJ_SA(500, found.EntryAt(1)->rect.top + 5, 0);

        for (tk_CDUI* list : {static_cast<tk_CDUI*>(&bar), &menu, &zvuk, &row, static_cast<tk_CDUI*>(&found)})
            list->ZOBRAZ(screen.get());
        screen.SavePng("lists_showcase");
        // The open pop-up's entry is yellow in the master; the row list's hovered row is blue.
        const tk_TVOLBA *open = menu.EntryAt(2), *hovered = found.EntryAt(1);
        EXPECT_EQ(Nums(screen.Pixel(open->rect.left + 2, open->rect.top + 2),
                       screen.Pixel(hovered->rect.right - 3, hovered->rect.top + 2)),
                  Nums(screen.RawOf(RGB(255, 255, 60)), screen.RawOf(RGB(60, 60, 255))));
    }
    tk_DSGN_DONE();
    DeleteObject(font);
    tk_lpDDSPrimary = nullptr;
}

TEST_F(Menu, AnAmpersandInAnEntryIsALetter) {
    // Entries are often file and folder names: a lone "&" taken for a prefix would draw nothing.
    TestSurface with(200, 40), without(200, 40);
    for (auto [surface, text] :
         {std::pair{&with, "&"}, std::pair{&without, static_cast<const char*>(nullptr)}}) {
        tk_CDUI m;
        surface->Fill(0xFFFF);
        m.PRIDAJ(1, text);
        m.CHOD_NA(0, 0);
        m.podklad = 0;
        m.ZOBRAZ(surface->get());
    }
    EXPECT_NE(tk_test::PixelsOf(with.get()), tk_test::PixelsOf(without.get()));
}

// Columns of the band's rows from left to right (exclusive) holding a pixel other than white:
// the first and the last, and how many pixels in all.
struct Ink {
    int first = -1, last = -1, pixels = 0;
};
Ink inkIn(const TestSurface& s, int left, int top, int right, int bottom) {
    Ink ink;
    for (int x = left; x < right; ++x)
        for (int y = top; y < bottom; ++y) {
            if (s.Pixel(x, y) == 0xFFFF) continue;
            if (ink.first < 0) ink.first = x;
            ink.last = x;
            ++ink.pixels;
        }
    return ink;
}

TEST_F(Menu, TextsAreNeverCutAndPopUpsStayOnTheScreen) {
    TestSurface screen(800, 600), loose(2000, 40);
    tk_test::ScopedScreen::Set(800, 600, 400, 300);
    tk_lpDDSPrimary = screen.get();
    const char* const kTexts[] = {"Ozvučenie kariet...", "zvieratká z celého sveta a ich mláďatá"};
    // Widened to its longest entry: each text shows as much as drawn with nothing to cut it, and
    // inside its entry. Narrowed in its entry: inside it too, where the old way cuts both ends.
    for (int fit : {1, 2, 0}) {
        SCOPED_TRACE(fit);
        tk_CDUI m;
        m.text_fit = fit;
        for (int i = 0; i < 2; ++i) m.PRIDAJ(i + 1, kTexts[i]);
        m.podklad = 0;
        m.CHOD_NA(10, 10);
        screen.Fill(0xFFFF);
        m.ZOBRAZ(screen.get());
        for (int i = 0; i < 2; ++i) {
            const RECT& e = m.EntryAt(i)->rect;
            const Ink ink = inkIn(screen, 0, e.top, 800, e.bottom);
            loose.Fill(0xFFFF);
            HDC dc = nullptr;
            ASSERT_EQ(loose.get()->GetDC(&dc), DD_OK);
            RECT whole{0, 0, 2000, 40};
            tk_glob_Text_draw_font(dc, &whole, DT_CENTER | DT_VCENTER | DT_SINGLELINE, 0, m.font, kTexts[i]);
            loose.get()->ReleaseDC(dc);
            const int uncut = inkIn(loose, 0, 0, 2000, 40).pixels;
            if (fit == 0) {
                // Cut: the 120-pixel entry is too narrow for both, the ink runs into its edge.
                EXPECT_EQ(Nums(ink.pixels < uncut, ink.first), Nums(1, e.left + 1));
                continue;
            }
            // Clear of the edges a cut text is clipped at (a pixel inside the entry).
            EXPECT_GT(ink.first, e.left + 1);
            EXPECT_LT(ink.last, e.right - 2);
            if (fit == 1) {
                EXPECT_EQ(ink.pixels, uncut);
            } else {
                EXPECT_EQ(m.obal.right - m.obal.left, 120 + 2 * 3);
            }
        }
    }
    // A menu opened at the bottom-right corner, and the pop-ups it opens there, a menu and a
    // scrolling row list, lie inside the screen.
    tk_CDUI menu, popup;
    tk_CDUIR rows;
    for (int i = 1; i <= 3; ++i) menu.PRIDAJ(i, "x");
    popup.PRIDAJ(1, "y");
    for (int i = 1; i <= 30; ++i) rows.PRIDAJ(i, kTexts[1]);
    rows.text_fit = 1;
    menu.Eviduj_Master_Detail_popup(1, &popup);
    menu.Eviduj_Master_Detail_popup(3, &rows);
    menu.CHOD_NA(799, 599);
    menu.RESET_GEOMETRIE();
    auto inside = [](const RECT& r) {
        return r.left >= 0 && r.top >= 0 && r.right <= 799 && r.bottom <= 599;
    };
    EXPECT_TRUE(inside(menu.obal)) << edges(menu.obal);
    for (tk_CDUI* open : {&popup, static_cast<tk_CDUI*>(&rows)}) {
        const RECT& e = menu.EntryAt(open == &popup ? 0 : 2)->rect;
        menu.INFORMUJ_SA(e.left + 3, e.top + 3, 0);
        ASSERT_TRUE(open->visible);
        screen.Fill(0xFFFF);
        open->ZOBRAZ(screen.get());
        EXPECT_TRUE(inside(open->obal)) << edges(open->obal);
        // No room on the right: it opens to the menu's left, clear of the entry that opened it.
        EXPECT_LE(open->obal.right, menu.obal.left + 2) << edges(open->obal);
    }
    tk_lpDDSPrimary = nullptr;
}

}  // namespace
