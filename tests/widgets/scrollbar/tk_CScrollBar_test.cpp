// Scroll bars from the real skin: the stock layout, changing the length, arrows and a held knob
// reporting the position with the bar's own id, and the track tiled and cut at the bar's end.
#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "framework/widgets/tk_CPosuv.h"
#include "framework/widgets/tk_CScrollBar.h"
#include "framework/widgets/tk_CTlac.h"
#include "tests/widgets/controls/tk_skin_world.h"
#include "tests/widgets/tk_widget_probes.h"

namespace tk_test {
namespace {

class ScrollBarTest : public SkinWorld {
  protected:
    void SetUp() override {
        SkinWorld::SetUp();
        ASSERT_EQ(tk_DSGN_INIT(), 1);
        root.MoveToRel(0, 0);
    }
    // A stock bar laid out as the application does when it starts.
    tk_CScrollBar* StockBar(char orientation, int length) {
        auto* bar = new tk_CScrollBar(&root, 9);
        bar->Dsgn_Stock(orientation, 40, 30, length);
        root.SetupVisual_Private();
        return bar;
    }
    // The pointer as the window procedure moves it: the event, then the value query.
    void Event(int px, int py, int code) {
        root.INFORMUJ_SA(px, py, code);
        int id = -1;
        root.INFORMUJ_MA(&id);
    }
    // The values the root received since the last call, each from the bar with its id.
    std::vector<int> Reported(tk_CScrollBar* bar) {
        std::vector<int> values;
        for (const auto& n : root.notes) {
            EXPECT_EQ(n.id, 9);
            EXPECT_EQ(n.sender, bar);
            values.push_back(n.value);
        }
        root.notes.clear();
        return values;
    }
    Box root{nullptr, 0};
};

TEST_F(ScrollBarTest, StockLayoutAndLength) {
    // Arrows of 17 x 17 and a knob of 17 x 20.
    auto* v = StockBar('V', 200);
    EXPECT_EQ(v->children.items[0], v->slider);
    EXPECT_EQ(v->children.items[2], v->btnB);
    EXPECT_EQ(v->btnA->y, 30);
    EXPECT_EQ(v->btnB->ry, 184);
    EXPECT_EQ(v->slider->track_from_rel, 16);
    EXPECT_EQ(v->slider->track_to_rel, 165);
    EXPECT_EQ(v->slider->track_to, 195);
    EXPECT_EQ(v->slider->track_at, 40);
    // No range given: 1 to 100.
    EXPECT_EQ(v->slider->min_value, 1);
    EXPECT_EQ(v->slider->max_value, 100);
    int w = 0, h = 0;
    v->GetSize(&w, &h);
    EXPECT_EQ(w, 17);
    EXPECT_EQ(h, 200);
    // A vertical bar takes only the height.
    v->SetSize(500, 250);
    EXPECT_EQ(v->btnB->y, 264);
    EXPECT_EQ(v->slider->track_to, 245);

    auto* hb = StockBar('H', 150);
    EXPECT_EQ(hb->btnB->rx, 134);
    EXPECT_EQ(hb->slider->track_to_rel, 115);
    hb->SetSize(300, 0);
    EXPECT_EQ(hb->btnB->x, 324);
    EXPECT_EQ(hb->slider->track_to, 305);
    hb->GetSize(&w, &h);
    EXPECT_EQ(w, 300);
    EXPECT_EQ(h, 17);
}

TEST_F(ScrollBarTest, ArrowsAndTheKnobReportThePositionWithTheBarsId) {
    auto* bar = StockBar('V', 200);
    bar->SR(0, 10);
    bar->SP(0);
    // Arrow A at the start of the range: the position stays 0 and is reported all the same.
    for (int py : {35, 220, 220}) {
        for (int code : {0, 1, -1}) Event(45, py, code);
    }
    EXPECT_EQ(Reported(bar), (std::vector<int>{0, 1, 2}));
    Event(300, 300, 0);

    // Range 1 to 100 on a track of 149 pixels; the press already reads the knob's place (24).
    bar->SR(1, 100);
    bar->SP(25);
    EXPECT_EQ(bar->slider->y, 82);
    for (auto [px, py, code] : std::vector<std::array<int, 3>>{
             {45, 85, 0}, {45, 85, 1}, {45, 63, 0}, {90, 500, 0}, {45, 0, 0}, {45, 0, -1}, {45, 0, 0}})
        Event(px, py, code);
    EXPECT_EQ(Reported(bar), (std::vector<int>{24, 10, 100, 1}));
    // A press on the track outside the knob does nothing.
    for (int code : {0, 1, -1}) Event(45, 150, code);
    EXPECT_TRUE(Reported(bar).empty());
}

TEST_F(ScrollBarTest, TheTrackIsTiledAndCutAtTheBarsEnd) {
    auto* bar = StockBar('V', 200);
    const tk_TFAZA tile = bar->track.phase;
    // Without arrow B the last, cut tile shows.
    bar->btnB->visible = false;
    bar->SP(1);
    screen.Fill(0x0841);
    bar->ZOBRAZ(screen.get());
    int bad = 0;
    for (int row = 40; row < 200; ++row)
        for (int col = 0; col < 16; ++col)
            bad += screen.Pixel(40 + col, 30 + row) != SheetPixel(tile.x + col, tile.y + row % 16);
    EXPECT_EQ(bad, 0);
    EXPECT_EQ(screen.Pixel(45, 230), 0x0841);
    // A track one pixel long cannot be tiled: only the parts are drawn.
    bar->track.phase.h = 1;
    screen.Fill(0x0841);
    bar->ZOBRAZ(screen.get());
    EXPECT_EQ(screen.Pixel(45, 150), 0x0841);
    EXPECT_EQ(Mismatches(screen, bar->btnA), 0);
    EXPECT_EQ(Mismatches(screen, bar->slider), 0);
}

}  // namespace
}  // namespace tk_test
