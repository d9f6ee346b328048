// The card-table tests' world: a fresh folder for the log, a chosen screen, a scatter clock the
// test sets, and registers emptied after every test.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "framework/app/tk_Display.h"
#include "framework/support/tk_LOG.h"
#include "framework/widgets/tk_CIcon.h"
#include "game/CKarta.h"
#include "game/kartola_deal.h"
#include "game/kartola_play_state.h"
#include "game/kartola_registers.h"
#include "game/kartola_scatter.h"
#include "tests/common/tk_test_files.h"

namespace table_test {

// The second the scatter is seeded from.
inline long long g_second = 1000;

using Layout = std::vector<std::pair<int, int>>;

class TableTest : public ::testing::Test {
  protected:
    void SetUp() override {
        tk_LOG_on = 1;
        tk_LOG_reset_done = true;
        Screen(1024, 768);
        g_second = 1000;
        ZAMIESAJ_NASTAV_HODINY([] { return g_second; });
    }
    void TearDown() override {
        UVOLNI_REGISTRE();
        ZAMIESAJ_NASTAV_HODINY(nullptr);
    }

    static void Screen(int w, int h) { tk_ScreenW = w, tk_ScreenH = h; }
    // Deals n pairs named "p0", "p1", ... with empty pictures and no sounds.
    static void Deal(int n) {
        for (int i = 0; i < n; ++i) ROZDAJ_PAR(i, ("p" + std::to_string(i)).c_str(), new tk_CIcon(), nullptr);
    }
    static CKarta& Card(int i) { return *VRAT_KARTU(i); }
    static Layout Places() {
        Layout places;
        for (int i = 0; i < REG_KARTY.count; ++i) places.emplace_back(Card(i).x, Card(i).y);
        return places;
    }
    static void Place(int i, int x, int y) { Card(i).x = x, Card(i).y = y; }

    tk_test::ScopedWorkDir dir_;
};

}  // namespace table_test
