// The list menu's pointer events driven one by one: states, messages, pop-up chains.
#include <gtest/gtest.h>

#include "tests/lists/menu/lists_world.h"
#include "tests/widgets/tk_widget_probes.h"

namespace {

class MenuEvents : public tk_test::ListsWorld {
  protected:
    static std::string States(tk_CDUI& m) {
        std::string s;
        for (int i = 0; i < m.Count(); ++i) s += std::to_string(m.Volba(i)->stav);
        return s;
    }
};

TEST_F(MenuEvents, HoverPressAndMessagesReportedOnce) {
    tk_CDUI_void_flag = true;
    tk_CDUI m;
    Three(m, 4);
    m.je_popup = false;
    int value = -7, index = -7, id = -7;
    EXPECT_TRUE(m.INFORMUJ_SA(110, 80, 0));
    EXPECT_EQ(States(m), "010");
    EXPECT_TRUE(m.INFORMUJ_MA_3(&index, &id));
    EXPECT_EQ(index * 100 + id, 105);
    // Still on the same entry: nothing newly hovered.
    m.INFORMUJ_SA(111, 81, 0);
    EXPECT_FALSE(m.INFORMUJ_MA_3(&index, &id));
    EXPECT_FALSE(m.INFORMUJ_MA(&value));
    m.INFORMUJ_SA(110, 80, 1);
    // A move while the message waits keeps the pressed look.
    m.INFORMUJ_SA(112, 82, 0);
    EXPECT_EQ(States(m), "020");
    EXPECT_TRUE(m.INFORMUJ_MA(&value));
    EXPECT_EQ(value, 5);
    EXPECT_FALSE(m.INFORMUJ_MA(&value));
    m.INFORMUJ_SA(110, 80, -1);
    EXPECT_EQ(States(m), "000");
    // Code 2 leaves the id + 100; all four edges of an entry belong to it.
    m.INFORMUJ_SA(223, 119, 2);
    EXPECT_EQ(States(m), "001");
    EXPECT_TRUE(m.INFORMUJ_MA(&value));
    EXPECT_EQ(value, 106);
    // Between entries the list takes the event; outside it does not, and nothing is hovered.
    EXPECT_TRUE(m.INFORMUJ_SA(150, 74, 0));
    EXPECT_EQ(m.hover, -1);
    m.INFORMUJ_SA(110, 80, 0);
    EXPECT_FALSE(m.INFORMUJ_SA(99, 80, 0));
    EXPECT_EQ(States(m), "000");
    EXPECT_FALSE(m.INFORMUJ_MA_3(&index, &id));
    // The pointer is shifted back before hit tests; a locked list takes nothing.
    m.posun = 1, m.posun_x = 10;
    EXPECT_TRUE(m.INFORMUJ_SA(120, 56, 0));
    EXPECT_EQ(m.hover, 0);
    m.zamknute = true;
    EXPECT_FALSE(m.INFORMUJ_SA(120, 56, 1));
}

TEST_F(MenuEvents, ContainerCollectsTheChoiceOfAListThatFollowsIt) {
    tk_CDUI_void_flag = true;
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
    EXPECT_EQ(id, 42);
    ASSERT_EQ(root.notes.size(), 1u);
    EXPECT_EQ(root.notes[0].value * 1000 + (root.notes[0].sender == m), 3001);
    // Moving the container moves the list's entries with it before the next hit test.
    root.CHOD_NA(root.x + 300, root.y);
    EXPECT_FALSE(m->INFORMUJ_SA(110, 80, 0));
    EXPECT_TRUE(m->INFORMUJ_SA(410, 80, 0));
}

TEST_F(MenuEvents, PopUpChainOpensOnHoverAndClosesOnAChoice) {
    tk_CDUI_void_flag = true;
    tk_CDUI main, sub, subsub;
    Three(main, 1);
    Three(sub, 11);
    Three(subsub, 21);
    sub.visible = subsub.visible = false;
    main.Eviduj_Master_Detail_popup(2, &sub);
    sub.Eviduj_Master_Detail_popup(11, &subsub);
    EXPECT_EQ(sub.master, &main);

    main.INFORMUJ_SA(110, 80, 0);
    EXPECT_TRUE(sub.visible && sub.je_popup);
    EXPECT_EQ(sub.x * 1000 + sub.y, 224 * 1000 + 76);
    EXPECT_EQ(States(main), "030");
    main.INFORMUJ_SA(110, 60, 0);
    EXPECT_FALSE(sub.visible);
    // The pop-up is hit at its new place, and its first entry opens the next one.
    main.INFORMUJ_SA(110, 80, 0);
    EXPECT_FALSE(main.INFORMUJ_SA(240, 81, 0));
    EXPECT_TRUE(sub.INFORMUJ_SA(240, 81, 0));
    EXPECT_EQ(subsub.x * 1000 + subsub.y, 348 * 1000 + 79);
    // Another entry of the first menu closes both.
    main.INFORMUJ_SA(110, 60, 0);
    EXPECT_FALSE(sub.visible || subsub.visible);

    // A press outside closes a pop-up only when none of its own pop-ups is open.
    main.INFORMUJ_SA(110, 80, 0);
    main.INFORMUJ_SA(500, 500, 1);
    sub.INFORMUJ_SA(500, 500, 1);
    EXPECT_TRUE(main.visible && !sub.visible);
    main.INFORMUJ_SA(500, 500, 1);
    EXPECT_FALSE(main.visible);

    // A release on a pop-up's entry closes it and every pop-up master above it.
    main.visible = true;
    main.INFORMUJ_SA(110, 80, 0);
    sub.INFORMUJ_SA(240, 81, 0);
    subsub.INFORMUJ_SA(353, 109, 1);
    subsub.INFORMUJ_SA(353, 109, -1);
    EXPECT_FALSE(subsub.visible || sub.visible || main.visible);
    int value = 0;
    EXPECT_TRUE(subsub.INFORMUJ_MA(&value));
    EXPECT_EQ(value, 22);
    // A master that is no pop-up stays.
    main.visible = true;
    main.je_popup = false;
    main.INFORMUJ_SA(110, 80, 0);
    sub.INFORMUJ_SA(240, 81, -1);
    EXPECT_TRUE(main.visible && !sub.visible);
}

TEST_F(MenuEvents, BarDropsItsPopUpAndLoopedPopUpsAreSafe) {
    tk_CDUI_void_flag = true;
    tk_CDUI bar(1), sub;
    bar.PRIDAJ(1, "DÁTA");
    sub.visible = false;
    sub.zamknute = true;
    bar.Eviduj_Master_Detail_popup(1, &sub);
    bar.INFORMUJ_SA(10, 10, 0);
    EXPECT_EQ(sub.x * 1000 + sub.y, 4 * 1000 + 26);
    EXPECT_FALSE(sub.visible);

    // Two pop-ups that name each other as masters: a choice closes both and ends.
    tk_CDUI a, b;
    Three(a, 1);
    a.master = &b;
    b.master = &a;
    b.je_popup = true;
    a.INFORMUJ_SA(110, 60, -1);
    EXPECT_FALSE(a.visible || b.visible);
    // A list is not its own pop-up.
    a.Eviduj_Master_Detail_popup(1, &a);
    EXPECT_EQ(a.Volba(0)->detail, nullptr);
    EXPECT_TRUE(Logged("TSKW ERROR:  [tk_CDUI::Eviduj_Master_Detail_popup - popup == this]"));
}

}  // namespace
