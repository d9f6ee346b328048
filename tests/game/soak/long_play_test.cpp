// Long play: many whole games in a row on the headless backend, each driven by pointer messages
// only (every pair dragged together, the win, the other set chosen from the menu), with the live
// surfaces, device contexts, GDI objects, fonts, sound buffers and the resident size read at the
// same moment of every game: once a game has been played with each set, none of them may grow.
// The counts are printed. TK_SOAK_GAMES sets the number of games (the valgrind run plays one).
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>

#include "platform/testing/test_hooks.h"
#include "tests/common/game/kartola_world.h"

#if defined(__SANITIZE_ADDRESS__)
#define TK_SOAK_UNDER_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define TK_SOAK_UNDER_ASAN 1
#endif
#endif

namespace tk_test {
namespace {

// Under AddressSanitizer a game costs many times more, and freed memory is held back in its
// quarantine, so the resident size says nothing there; LeakSanitizer checks memory at the exit.
#ifdef TK_SOAK_UNDER_ASAN
constexpr int kGames = 40;
constexpr bool kResidentSizeMeans = false;
#else
constexpr int kGames = 200;
constexpr bool kResidentSizeMeans = true;
#endif
// Growth of the resident size allowed between the first measured game and the last: allocator
// noise, far below what a leak of one card set's pictures per game would add over the run.
constexpr long kResidentSlackKb = 3 * 1024;

long residentSizeKb() {
    std::ifstream statm("/proc/self/statm");
    long pages = 0, resident = 0;
    statm >> pages >> resident;
    return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

struct Counts {
    int cards, surfaces, dcs, gdiObjects, fonts, sounds;
    long residentKb;

    static Counts Now() {
        return Counts{REG_KARTY.count,
                      tkp::testing::LiveSurfaceCount(),
                      tkp::testing::LiveDCCount(),
                      tkp::testing::LiveGdiObjectCount(),
                      tkp::testing::LiveGdiFontCount(),
                      tkp::testing::LiveSoundBufferCount(),
                      residentSizeKb()};
    }
    std::string Objects() const { return Nums(cards, surfaces, dcs, gdiObjects, fonts, sounds); }
};

int gamesToPlay() {
    const char* wanted = std::getenv("TK_SOAK_GAMES");
    const int n = wanted ? std::atoi(wanted) : 0;
    return n > 0 ? n : kGames;
}

using LongPlay = GameWorld;

TEST_F(LongPlay, WholeGamesInARowLeaveNoSurfaceContextObjectFontSoundOrMemoryBehind) {
    CopySet("DATA_ovocie");
    CopySet("DATA_tvary");
    const int games = gamesToPlay();
    GameApp app;
    std::vector<Counts> seen;
    int played = 0;
    // The shapes set, listed second, is loaded at start; each later game loads the other one.
    int nextSet = 100;

    std::function<void(GameApp&)> game;
    game = [&](GameApp& a) {
        const int pairs = REG_KARTY.count / 2;
        ASSERT_GT(pairs, 0) << "game " << played + 1 << ": no cards";
        Steps steps;
        for (int p = 0; p < pairs; ++p) steps.push_back([p](GameApp& b) { DragOnto(b, 2 * p, 2 * p + 1); });
        steps.push_back(kIdle);
        steps.push_back([&, pairs](GameApp& b) {
            ++played;
            EXPECT_EQ(Nums(b.duir_FINAL.CountR(), b.m_lblSuper->visible), Nums(pairs, 1))
                << "game " << played << " is not won";
            seen.push_back(Counts::Now());
            b.TakeSounds();
            if (played == games) return Press(VK_ESCAPE);
            // The menu where the won table is empty, then the other set.
            RightClick(700, 400);
        });
        ChooseSet(steps, nextSet);
        nextSet = nextSet == 100 ? 101 : 100;
        steps.push_back(kIdle);
        steps.push_back([&](GameApp& b) {
            ASSERT_EQ(Nums(b.duir_FINAL.CountR(), b.m_lblSuper->visible, b.dui_Main.visible,
                           b.utl_duir_DATA.visible),
                      "0,0,0,0")
                << "game " << played + 1 << " did not start";
            game(b);
        });
        for (auto it = steps.rbegin(); it != steps.rend(); ++it) a.script.push_front(*it);
    };
    EXPECT_EQ(Run(app, "800 600\n2 16", {kIdle, game}), 0);
    ASSERT_EQ(played, games);

    // Every game from the third on is compared with the one before it with the same set.
    std::printf(
        "[ counts ] game: cards, surfaces, device contexts, GDI objects, fonts, sound buffers, resident "
        "KB\n");
    for (int i = 0; i < played; ++i) {
        if (i < 4 || i % 20 == 19 || i == played - 1)
            std::printf("[ counts ] %d: %s, %ld\n", i + 1, seen[i].Objects().c_str(), seen[i].residentKb);
        if (i >= 2) {
            EXPECT_EQ(seen[i].Objects(), seen[i - 2].Objects()) << "game " << i + 1 << " grew";
        }
    }
    // Caches (fonts, strikes, thumbnails read once) settle in the first games.
    if (kResidentSizeMeans && played > 20) {
        EXPECT_LE(seen.back().residentKb - seen[9].residentKb, kResidentSlackKb)
            << "resident size grew from game 10 to game " << played;
    }
    EXPECT_EQ(LogLines("TSKW ERROR"), "");
}

}  // namespace
}  // namespace tk_test
