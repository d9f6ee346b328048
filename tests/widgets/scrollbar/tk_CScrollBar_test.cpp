// Scroll bars from the real skin: the stock layout of both orientations, changing the length,
// arrows and a dragged knob reporting the position with the bar's own id, the tiled track cut
// at the bar's end, and a track picture that cannot be tiled.
#include <gtest/gtest.h>

#include <string>
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
    tk_CScrollBar* StockBar(char orientation, int rx, int ry, int length) {
        auto* bar = new tk_CScrollBar(&root, 9);
        bar->Dsgn_Stock(orientation, rx, ry, length);
        root.SetupVisual_Private();
        return bar;
    }
    // The pointer as the window procedure moves it: the event, then the value query.
    void Event(int px, int py, int code) {
        root.INFORMUJ_SA(px, py, code);
        int id = -1;
        root.INFORMUJ_MA(&id);
    }
    void Click(int px, int py) {
        Event(px, py, 0);
        Event(px, py, 1);
        Event(px, py, -1);
    }
    // The values the root received, each checked to come from the bar with its id.
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
    auto* v = StockBar('V', 40, 30, 200);
    EXPECT_EQ(v->class_id, 22);
    EXPECT_STREQ(v->name, "noname_scrollbar");
    ASSERT_EQ(v->children.count, 3);
    EXPECT_EQ(v->children.items[0], v->slider);
    EXPECT_EQ(v->children.items[2], v->btnB);
    EXPECT_EQ(v->slider->ID, 70001);
    EXPECT_EQ(v->btnB->ID, 70003);
    EXPECT_EQ(v->btnA->x, 40);
    EXPECT_EQ(v->btnA->y, 30);
    EXPECT_EQ(v->btnB->rx, 0);
    EXPECT_EQ(v->btnB->ry, 184);
    EXPECT_EQ(v->btnB->y, 214);
    EXPECT_EQ(v->slider->track_at_rel, 0);
    EXPECT_EQ(v->slider->track_from_rel, 16);
    EXPECT_EQ(v->slider->track_to_rel, 165);
    EXPECT_EQ(v->slider->track_from, 46);
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
    EXPECT_EQ(v->length, 250);
    EXPECT_EQ(v->btnB->y, 264);
    EXPECT_EQ(v->slider->track_to, 245);

    auto* hb = new tk_CScrollBar(&root, 10);
    hb->Dsgn_Stock('H', 0, 0, 150);
    hb->SR(50, 5);
    root.SetupVisual_Private();
    EXPECT_EQ(hb->btnB->rx, 134);
    EXPECT_EQ(hb->slider->track_to_rel, 115);
    EXPECT_EQ(hb->slider->min_value, 5);
    EXPECT_EQ(hb->slider->max_value, 50);
    hb->SetSize(300, 0);
    EXPECT_EQ(hb->btnB->rx, 284);
    EXPECT_EQ(hb->btnB->x, 284);
    EXPECT_EQ(hb->slider->track_to_rel, 265);
    EXPECT_EQ(hb->slider->track_to, 265);
    hb->GetSize(&w, &h);
    EXPECT_EQ(w, 300);
    EXPECT_EQ(h, 17);

    // The void design keeps the parts' own pictures; the size follows the void arrow.
    auto* plain = new tk_CScrollBar(&root, 11);
    plain->Dsgn_Void('H', 0, 100, 120, 30);
    root.SetupVisual_Private();
    EXPECT_EQ(plain->btnA->surface, nullptr);
    EXPECT_EQ(plain->thickness, 30);
    plain->GetSize(&w, &h);
    EXPECT_EQ(w, 120);
    EXPECT_EQ(h, 45);
    EXPECT_EQ(plain->slider->max_value, 100);
}

TEST_F(ScrollBarTest, ArrowsAndTheKnobReportThePositionWithTheBarsId) {
    auto* bar = StockBar('V', 40, 30, 200);
    bar->SR(0, 10);
    bar->SP(0);
    // Arrow A at the start of the range: the position stays 0 and is reported all the same.
    Click(45, 35);
    EXPECT_EQ(Reported(bar), (std::vector<int>{0}));
    Click(45, 220);
    Click(45, 220);
    EXPECT_EQ(Reported(bar), (std::vector<int>{1, 2}));
    bar->SP(10);
    Click(45, 220);
    EXPECT_EQ(Reported(bar), (std::vector<int>{10}));
    EXPECT_EQ(bar->GP(), 10);
    Event(300, 300, 0);

    // The knob, held, reports on every event: range 1 to 100 on a track of 149 pixels. The press
    // already reads the position from the knob's place, 24 where SP had put 25.
    bar->SR(1, 100);
    bar->SP(25);
    EXPECT_EQ(bar->slider->y, 82);
    Event(45, 85, 0);
    Event(45, 85, 1);
    Event(45, 63, 0);
    Event(90, 500, 0);
    Event(45, 0, 0);
    Event(45, 0, -1);
    Event(45, 0, 0);
    EXPECT_EQ(Reported(bar), (std::vector<int>{24, 10, 100, 1}));
    EXPECT_EQ(bar->slider->x, 40);
    // A press on the track outside the knob does nothing.
    Event(45, 150, 0);
    Event(45, 150, 1);
    Event(45, 150, -1);
    EXPECT_TRUE(Reported(bar).empty());
    EXPECT_EQ(bar->GP(), 1);
}

TEST_F(ScrollBarTest, TheTrackIsTiledAndCutAtTheBarsEnd) {
    auto* bar = StockBar('V', 40, 10, 200);
    const std::uint16_t under = 0x0841;
    const tk_TFAZA& tile = bar->track.phase;
    ASSERT_EQ(tile.h, 17);
    // Without arrow B the last, cut tile shows.
    bar->btnB->visible = false;
    bar->SP(1);
    screen.Fill(under);
    bar->ZOBRAZ(screen.get());
    int bad = 0;
    for (int row = 40; row < 200; ++row)
        for (int col = 0; col < 16; ++col)
            bad += screen.Pixel(40 + col, 10 + row) != SheetPixel(tile.x + col, tile.y + row % 16);
    EXPECT_EQ(bad, 0);
    EXPECT_EQ(screen.Pixel(45, 210), under);
    EXPECT_EQ(screen.Pixel(56, 100), under);

    // A track one pixel long cannot be tiled: only the parts are drawn.
    bar->track.phase.h = 1;
    screen.Fill(under);
    bar->ZOBRAZ(screen.get());
    EXPECT_EQ(screen.Pixel(45, 150), under);
    EXPECT_EQ(PhaseMismatches(*static_cast<tk_TFAZA*>(bar->btnA->phases.items[0]), 40, 10, under), 0);
    EXPECT_EQ(PhaseMismatches(*static_cast<tk_TFAZA*>(bar->slider->phases.items[0]), 40, 26, under), 0);
    bar->visible = false;
    screen.Fill(under);
    bar->ZOBRAZ(screen.get());
    EXPECT_EQ(screen.Pixel(45, 15), under);
}

}  // namespace
}  // namespace tk_test
