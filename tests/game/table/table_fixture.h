// The world of the card-table tests: a fresh working folder for the log, a chosen screen size,
// a scatter clock the test sets, and registers emptied after every test.
#pragma once

#include <gtest/gtest.h>

#include <regex>
#include <sstream>
#include <string>
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
inline long long TestClock() {
    return g_second;
}

class TableTest : public ::testing::Test {
  protected:
    void SetUp() override {
        tk_LOG_on = 1;
        tk_LOG_reset_done = true;
        savedW_ = tk_ScreenW;
        savedH_ = tk_ScreenH;
        Screen(1024, 768);
        g_second = 1000;
        ZAMIESAJ_NASTAV_HODINY(TestClock);
        g_bCardSounds = true;
    }
    void TearDown() override {
        UVOLNI_REGISTRE();
        ZAMIESAJ_NASTAV_HODINY(nullptr);
        tk_ScreenW = savedW_;
        tk_ScreenH = savedH_;
    }

    static void Screen(int w, int h) {
        tk_ScreenW = w;
        tk_ScreenH = h;
    }
    // Deals n pairs named "p0", "p1", ... with empty pictures and no sounds.
    static void Deal(int n) {
        for (int i = 0; i < n; ++i) ROZDAJ_PAR(i, ("p" + std::to_string(i)).c_str(), new tk_CIcon(), nullptr);
    }
    static CKarta& Card(int i) { return *VRAT_KARTU(i); }
    // Every card's top-left corner.
    static std::vector<std::pair<int, int>> Layout() {
        std::vector<std::pair<int, int>> layout;
        for (int i = 0; i < REG_KARTY.count; ++i) layout.emplace_back(Card(i).x, Card(i).y);
        return layout;
    }
    // The log's lines with the source line numbers written as N.
    static std::vector<std::string> LogLines() {
        std::vector<std::string> lines;
        std::istringstream in(tk_test::ReadFile("tk_LOG.txt"));
        static const std::regex number(R"(\((\d+)\) : )");
        for (std::string line; std::getline(in, line);)
            lines.push_back(std::regex_replace(line, number, "(N) : "));
        return lines;
    }

    tk_test::ScopedWorkDir dir_;

  private:
    int savedW_ = 0;
    int savedH_ = 0;
};

}  // namespace table_test
