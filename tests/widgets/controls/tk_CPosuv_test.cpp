// Slider knobs: ranges, placing the knob from the position, dragging along vertical and
// horizontal tracks with clamping, the value reported while held, tracks that follow the parent
// or that the owner sets, a track of no length; and the whole-sheet phase of tk_CDS.
#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "framework/widgets/tk_CDS.h"
#include "framework/widgets/tk_CPosuv.h"
#include "tests/widgets/controls/tk_skin_world.h"
#include "tests/widgets/tk_widget_probes.h"

namespace tk_test {
namespace {

class SliderTest : public SkinWorld {};

TEST_F(SliderTest, RangesAreNeverEmptyAndKeepThePositionInside) {
    tk_CPosuv s;
    EXPECT_EQ(s.class_id, 5);
    EXPECT_STREQ(s.name, "noname_posuv");
    EXPECT_EQ(s.GP(), 25);
    s.SR(10, 10);
    EXPECT_EQ(s.min_value, 10);
    EXPECT_EQ(s.max_value, 110);
    EXPECT_EQ(s.GP(), 25);
    s.SR(50, 0);
    EXPECT_EQ(s.min_value, 0);
    EXPECT_EQ(s.max_value, 50);
    s.SR(30, 40);
    EXPECT_EQ(s.GP(), 30);
    s.SP(1000);
    EXPECT_EQ(s.GP(), 40);
    s.SP(-1000);
    EXPECT_EQ(s.GP(), 30);
    // Where a + 100 does not fit, the range of 100 ends at the largest int.
    s.SR(INT_MAX, INT_MAX);
    EXPECT_EQ(s.min_value, INT_MAX - 100);
    EXPECT_EQ(s.max_value, INT_MAX);
    s.SR(INT_MIN, INT_MAX);
    s.SP(INT_MAX);
    EXPECT_EQ(s.GP(), INT_MAX);
}

// Moves the pointer as the window procedure does: the event, then the value query.
struct Pointer {
    Box& root;
    bool Event(int px, int py, int code) {
        bool taken = root.INFORMUJ_SA(px, py, code);
        int id = -1;
        root.INFORMUJ_MA(&id);
        return taken;
    }
};

TEST_F(SliderTest, AHeldKnobSlidesAlongItsTrackAndReportsItsPosition) {
    Box root(nullptr, 0);
    root.MoveToRel(0, 0);
    root.handles_ = true;
    auto* knob = new tk_CPosuv(&root, 42);
    // The default track: 20 to 120 down the parent at x 50; a void knob of 10 x 10.
    EXPECT_EQ(knob->track_from, 20);
    EXPECT_EQ(knob->track_to, 120);
    EXPECT_EQ(knob->track_at, 50);
    EXPECT_EQ(knob->y, 45);
    knob->SP(50);
    EXPECT_EQ(knob->x, 50);
    EXPECT_EQ(knob->y, 70);
    EXPECT_EQ(knob->ry, 70);

    Pointer p{root};
    EXPECT_TRUE(p.Event(55, 75, 0));
    EXPECT_TRUE(p.Event(55, 75, 1));
    EXPECT_EQ(knob->current, 2);
    struct Drag {
        int px, py;
        int y, position;
    };
    // Grabbed 5 pixels into the knob; sideways moves leave it on the track.
    const std::vector<Drag> drags = {
        {90, 50, 45, 25}, {55, 300, 120, 100}, {55, 126, 120, 100}, {0, -50, 20, 0}, {55, 54, 49, 29},
    };
    for (const Drag& d : drags) {
        SCOPED_TRACE(std::to_string(d.px) + "," + std::to_string(d.py));
        EXPECT_TRUE(p.Event(d.px, d.py, 0));
        EXPECT_EQ(knob->x, 50);
        EXPECT_EQ(knob->y, d.y);
        EXPECT_EQ(knob->ry, d.y);
        EXPECT_EQ(knob->GP(), d.position);
    }
    EXPECT_TRUE(p.Event(55, 54, -1));
    EXPECT_EQ(knob->state, 1);
    EXPECT_TRUE(p.Event(55, 54, 0));
    // Each event while held reported the value (the press too), with the knob's ID and itself.
    std::vector<int> values;
    for (const auto& n : root.notes) {
        EXPECT_EQ(n.id, 42);
        EXPECT_EQ(n.sender, knob);
        values.push_back(n.value);
    }
    EXPECT_EQ(values, (std::vector<int>{50, 25, 100, 100, 0, 29}));

    // The track and the knob follow the parent.
    root.CHOD_NA(100, 200);
    EXPECT_EQ(knob->track_from, 220);
    EXPECT_EQ(knob->track_at, 150);
    EXPECT_EQ(knob->x, 150);
    EXPECT_EQ(knob->y, 249);
}

TEST_F(SliderTest, HorizontalAndOwnerSetTracks) {
    Box root(nullptr, 0);
    root.MoveToRel(10, 10);
    auto* knob = new tk_CPosuv(&root, 5, 0, 0);
    knob->Dsgn(0, 'H', 30, 10, 200);
    knob->SR(0, 1000);
    knob->SP(250);
    EXPECT_EQ(knob->orientation, 'H');
    EXPECT_EQ(knob->x, 70);
    EXPECT_EQ(knob->y, 40);
    EXPECT_EQ(knob->rx, 60);
    EXPECT_TRUE(knob->INFORMUJ_SA(72, 42, 0));
    EXPECT_TRUE(knob->INFORMUJ_SA(72, 42, 1));
    EXPECT_TRUE(knob->INFORMUJ_SA(172, 0, 0));
    EXPECT_EQ(knob->x, 170);
    EXPECT_EQ(knob->y, 40);
    EXPECT_EQ(knob->GP(), 750);
    // Any orientation other than 'H' is vertical.
    knob->Dsgn(0, 'x', 0, 0, 10);
    EXPECT_EQ(knob->orientation, 'V');

    // Without a parent the owner writes the absolute track.
    tk_CPosuv free;
    free.Rodic_reset();
    EXPECT_EQ(free.track_to, 0);
    free.track_from = 300;
    free.track_to = 400;
    free.track_at = 7;
    free.SR(0, 3);
    free.SP(1);
    EXPECT_EQ(free.x, 7);
    EXPECT_EQ(free.y, 333);
}

TEST_F(SliderTest, AKnobHeldOnATrackOfNoLengthStaysAtTheStartOfTheRange) {
    Box root(nullptr, 0);
    root.MoveToRel(0, 0);
    auto* knob = new tk_CPosuv(&root, 1);
    knob->Dsgn(0, 'V', 50, 20, 0);
    knob->SR(-5, 5);
    knob->SP(3);
    EXPECT_EQ(knob->y, 20);
    EXPECT_TRUE(knob->INFORMUJ_SA(52, 22, 0));
    EXPECT_TRUE(knob->INFORMUJ_SA(52, 22, 1));
    EXPECT_TRUE(knob->INFORMUJ_SA(52, 80, 0));
    EXPECT_EQ(knob->y, 20);
    EXPECT_EQ(knob->GP(), -5);
}

TEST_F(SliderTest, TheWholeSheetPhaseNeedsASheet) {
    ASSERT_EQ(tk_DSGN_INIT(), 1);
    tk_CDS sprite("cds", 5, 6);
    EXPECT_EQ(sprite.class_id, 3);
    sprite.EVIDUJ_2();
    EXPECT_EQ(sprite.phases.count, 0);
    sprite.surface = tk_DSGN.rezia_dll_srf;
    sprite.EVIDUJ_2();
    ASSERT_EQ(sprite.phases.count, 1);
    auto* f = static_cast<tk_TFAZA*>(sprite.phases.items[0]);
    EXPECT_EQ(f->x, 1);
    EXPECT_EQ(f->y, 1);
    EXPECT_EQ(f->x2, 234);
    EXPECT_EQ(f->y2, 210);
    EXPECT_EQ(LogLines(),
              (std::vector<std::string>{"TK_DAS_w(N) : TSKW ERROR:  [tk_CDS::EVIDUJ_2 - surface == NULL]"}));
}

}  // namespace
}  // namespace tk_test
