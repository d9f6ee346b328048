// The list menu's pointer events driven one by one: states, messages, pop-up chains.
#include <gtest/gtest.h>

#include "tests/lists/menu/lists_world.h"
#include "tests/widgets/tk_widget_probes.h"

namespace {

class MenuEvents : public tk_test::ListsWorld {
  protected:
    // A vertical menu at (100, 50) whose entries lie at y 53..73, 76..96, 99..119, x 103..223.
    static void Fill(tk_CDUI& m, int first) {
        for (int i = 0; i < 3; ++i) m.PRIDAJ(first + i, "x");
        m.CHOD_NA(100, 50);
    }
    static std::string States(tk_CDUI& m) {
        std::string s;
        for (int i = 0; i < m.Count(); ++i) s += std::to_string(m.Volba(i)->stav);
        return s;
    }
};

TEST_F(MenuEvents, HoverPressAndMessagesReportedOnce) {
    tk_CDUI_void_flag = true;
    tk_CDUI m;
    Fill(m, 4);
    // Not a pop-up, so that a release does not close it.
    m.je_popup = false;
    int value = -7, index = -7, id = -7;
    EXPECT_TRUE(m.INFORMUJ_SA(110, 80, 0));
    EXPECT_EQ(States(m), "010");
    EXPECT_TRUE(m.INFORMUJ_MA_3(&index, &id));
    EXPECT_EQ(index * 100 + id, 105);
    // Still on the same entry: nothing newly hovered.
    EXPECT_TRUE(m.INFORMUJ_SA(111, 81, 0));
    EXPECT_FALSE(m.INFORMUJ_MA_3(&index, &id));
    EXPECT_FALSE(m.INFORMUJ_MA(&value));
    EXPECT_TRUE(m.INFORMUJ_SA(110, 80, 1));
    EXPECT_EQ(States(m), "020");
    // A move while the message waits keeps the pressed look.
    EXPECT_TRUE(m.INFORMUJ_SA(112, 82, 0));
    EXPECT_EQ(States(m), "020");
    EXPECT_TRUE(m.INFORMUJ_MA(&value));
    EXPECT_EQ(value, 5);
    value = -7;
    EXPECT_FALSE(m.INFORMUJ_MA(&value));
    EXPECT_EQ(value, -7);
    EXPECT_TRUE(m.INFORMUJ_SA(110, 80, -1));
    EXPECT_EQ(States(m), "000");
    // Code 2 leaves the id + 100; all four edges of an entry belong to it.
    EXPECT_TRUE(m.INFORMUJ_SA(223, 119, 2));
    EXPECT_EQ(States(m), "001");
    EXPECT_TRUE(m.INFORMUJ_MA(&value));
    EXPECT_EQ(value, 106);
    // Between entries the list takes the event but nothing is hovered.
    EXPECT_TRUE(m.INFORMUJ_SA(150, 74, 0));
    EXPECT_EQ(m.hover, -1);
    EXPECT_EQ(States(m), "000");
    // Outside: not taken, and nothing counts as newly hovered.
    EXPECT_TRUE(m.INFORMUJ_SA(110, 80, 0));
    EXPECT_FALSE(m.INFORMUJ_SA(99, 80, 0));
    EXPECT_EQ(States(m), "000");
    EXPECT_FALSE(m.INFORMUJ_MA_3(&index, &id));
    // The pointer is shifted back before hit tests.
    m.posun = 1, m.posun_x = 10, m.posun_y = 0;
    EXPECT_TRUE(m.INFORMUJ_SA(120, 56, 1));
    EXPECT_TRUE(m.INFORMUJ_MA(&value));
    EXPECT_EQ(value, 4);
    m.posun = 0;
    // Locked or hidden lists take nothing.
    m.zamknute = true;
    EXPECT_FALSE(m.INFORMUJ_SA(110, 80, 1));
    m.zamknute = false;
    m.visible = false;
    EXPECT_FALSE(m.INFORMUJ_SA(110, 80, 1));
    EXPECT_FALSE(m.INFORMUJ_MA(&value));
}

TEST_F(MenuEvents, ContainerCollectsTheChoiceAndIdsBelowOneAreNeverReported) {
    tk_CDUI_void_flag = true;
    tk_test::Box root(nullptr, 900);
    root.handles_ = true;
    auto* m = new tk_CDUI(&root, 42);
    m->PRIDAJ(0, "nula");
    m->PRIDAJ(3, "tri");
    m->CHOD_NA(100, 50);
    int id = -1;
    EXPECT_TRUE(root.INFORMUJ_SA(110, 60, 1));
    EXPECT_FALSE(root.INFORMUJ_MA(&id));
    EXPECT_TRUE(root.INFORMUJ_SA(110, 80, 1));
    EXPECT_TRUE(root.INFORMUJ_MA(&id));
    EXPECT_EQ(id, 42);
    ASSERT_EQ(root.notes.size(), 1u);
    EXPECT_EQ(root.notes[0].value, 3);
    EXPECT_EQ(root.notes[0].sender, m);
    EXPECT_FALSE(root.INFORMUJ_MA(&id));
    // Moving the container moves the list's entries with it before the next hit test.
    root.CHOD_NA(root.x + 300, root.y);
    EXPECT_FALSE(m->INFORMUJ_SA(110, 80, 0));
    EXPECT_TRUE(m->INFORMUJ_SA(410, 80, 1));
    EXPECT_TRUE(m->INFORMUJ_MA(&id));
    EXPECT_EQ(id, 3);
}

TEST_F(MenuEvents, PopUpChainOpensOnHoverAndClosesOnAChoice) {
    tk_CDUI_void_flag = true;
    tk_CDUI main, sub, subsub;
    Fill(main, 1);
    Fill(sub, 11);
    Fill(subsub, 21);
    sub.visible = subsub.visible = false;
    main.Eviduj_Master_Detail_popup(2, &sub);
    sub.Eviduj_Master_Detail_popup(11, &subsub);
    main.Eviduj_Master_Detail_popup(99, &subsub);  // no such entry: nothing
    EXPECT_EQ(sub.master, &main);
    EXPECT_EQ(main.Volba(1)->detail, &sub);
    EXPECT_EQ(main.Volba(0)->detail, nullptr);

    main.INFORMUJ_SA(110, 80, 0);
    EXPECT_TRUE(sub.visible);
    EXPECT_TRUE(sub.je_popup);
    EXPECT_EQ(sub.x * 1000 + sub.y, 224 * 1000 + 76);
    EXPECT_EQ(States(main), "030");
    // Another entry hides the pop-up again.
    main.INFORMUJ_SA(110, 60, 0);
    EXPECT_FALSE(sub.visible);
    main.INFORMUJ_SA(110, 80, 0);
    // On the pop-up (laid out at its new place before the hit test) its first entry opens the next.
    EXPECT_FALSE(main.INFORMUJ_SA(240, 81, 0));
    EXPECT_TRUE(sub.INFORMUJ_SA(240, 81, 0));
    EXPECT_TRUE(subsub.visible);
    EXPECT_EQ(subsub.x * 1000 + subsub.y, (224 + 126 - 2) * 1000 + 79);
    // Back on the first menu's other entry: the pop-up and the one opened from it close.
    main.INFORMUJ_SA(110, 60, 0);
    EXPECT_FALSE(sub.visible || subsub.visible);

    // A press outside closes a pop-up only when none of its own pop-ups is open.
    main.INFORMUJ_SA(110, 80, 0);
    main.je_popup = true;
    main.INFORMUJ_SA(500, 500, 1);
    sub.INFORMUJ_SA(500, 500, 1);
    EXPECT_TRUE(main.visible);
    EXPECT_FALSE(sub.visible);
    main.INFORMUJ_SA(500, 500, 1);
    EXPECT_FALSE(main.visible);

    // A release on a pop-up's entry closes it and every pop-up master above it.
    main.visible = true;
    main.INFORMUJ_SA(110, 80, 0);
    sub.INFORMUJ_SA(240, 81, 0);
    subsub.INFORMUJ_SA(subsub.x + 5, subsub.y + 30, 1);
    subsub.INFORMUJ_SA(subsub.x + 5, subsub.y + 30, -1);
    EXPECT_FALSE(subsub.visible || sub.visible || main.visible);
    int value = 0;
    EXPECT_TRUE(subsub.INFORMUJ_MA(&value));
    EXPECT_EQ(value, 22);
    // A menu that is no pop-up stays.
    main.visible = true;
    main.je_popup = false;
    main.INFORMUJ_SA(110, 80, 0);
    sub.INFORMUJ_SA(240, 81, -1);
    EXPECT_FALSE(sub.visible);
    EXPECT_TRUE(main.visible);
}

TEST_F(MenuEvents, BarDropsItsPopUpAndLockedOrLoopedPopUpsAreSafe) {
    tk_CDUI_void_flag = true;
    tk_CDUI bar(1), sub, locked;
    bar.PRIDAJ(1, "DÁTA");
    bar.PRIDAJ(2, "Zvuk");
    bar.RESET_DEFAULT();
    sub.visible = false;
    locked.visible = false;
    locked.zamknute = true;
    bar.Eviduj_Master_Detail_popup(1, &sub);
    bar.Eviduj_Master_Detail_popup(2, &locked);
    bar.INFORMUJ_SA(10, 10, 0);
    EXPECT_TRUE(sub.visible);
    EXPECT_EQ(sub.x * 1000 + sub.y, 4 * 1000 + 26);
    bar.INFORMUJ_SA(50, 10, 0);
    EXPECT_FALSE(sub.visible);
    EXPECT_FALSE(locked.visible);

    // Two pop-ups that name each other as masters: a choice closes both and ends.
    tk_CDUI a, b;
    Fill(a, 1);
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
