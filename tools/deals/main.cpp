// Deals the cards a thousand times for each screen size and set size and prints, per case, the share
// of deals where any two cards overlap and the largest share of a name card that the cards above it
// cover. Usage: kartola_deals [table top in pixels, default 40] [deals per case, default 1000]
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "framework/graphics/tk_Display.h"
#include "framework/support/tk_LOG.h"
#include "game/CKarta.h"
#include "game/kartola_rules.h"
#include "game/kartola_table.h"

namespace {

long long g_seed = 0;

bool overlap(const CKarta& a, const CKarta& b) {
    return a.x < b.x + b.sir && b.x < a.x + a.sir && a.y < b.y + b.vys && b.y < a.y + a.vys;
}

// The share of name card i's pixels under the visible cards that lie over it.
double coveredShare(int i) {
    const CKarta& name = *CardAt(i);
    std::vector<char> covered(static_cast<std::size_t>(name.sir) * name.vys, 0);
    for (int k = i + 1; k < REG_KARTY.count; ++k) {
        const CKarta& over = *CardAt(k);
        if (!over.visible || !overlap(name, over)) continue;
        const int x0 = std::max(name.x, over.x) - name.x,
                  x1 = std::min(name.x + name.sir, over.x + over.sir) - name.x;
        const int y0 = std::max(name.y, over.y) - name.y,
                  y1 = std::min(name.y + name.vys, over.y + over.vys) - name.y;
        for (int y = y0; y < y1; ++y)
            for (int x = x0; x < x1; ++x) covered[static_cast<std::size_t>(y) * name.sir + x] = 1;
    }
    long long n = 0;
    for (char c : covered) n += c;
    return static_cast<double>(n) / covered.size();
}

}  // namespace

int main(int argc, char** argv) {
    const int top = argc > 1 ? std::atoi(argv[1]) : 40;
    const int deals = argc > 2 ? std::max(1, std::atoi(argv[2])) : 1000;
    tk_LOG_on = 0;
    SetTableTop(top);
    SetScatterClock([] { return g_seed; });
    const int screens[][2] = {{800, 600}, {1024, 768}, {1366, 768}, {1280, 1024}, {1920, 1080}, {3840, 2160}};
    // The bundled sets' sizes (fruit 10, shapes 9, animals 8 pictures) and two big sets.
    const int sets[] = {8, 9, 10, 30, 60};
    std::printf("table top %d, %d deals per case\n\n", top, deals);
    std::printf(
        "| screen | pictures | cards | deals with an overlap | largest covered share of a name card |\n");
    std::printf("|---|---|---|---|---|\n");
    for (const auto& screen : screens) {
        tk_ScreenW = screen[0], tk_ScreenH = screen[1];
        for (int pictures : sets) {
            for (int i = 0; i < pictures; ++i)
                DealPair(i, ("p" + std::to_string(i)).c_str(), nullptr, nullptr);
            int overlapping = 0;
            double worst = 0;
            for (g_seed = 1; g_seed <= deals; ++g_seed) {
                ZAMIESAJ();
                bool any = false;
                for (int i = 0; i < REG_KARTY.count && !any; ++i)
                    for (int j = 0; j < i && !any; ++j) any = overlap(*CardAt(i), *CardAt(j));
                overlapping += any;
                for (int i = 1; i < REG_KARTY.count; i += 2) worst = std::max(worst, coveredShare(i));
            }
            std::printf("| %d × %d | %d | %d | %.1f %% | %.0f %% |\n", screen[0], screen[1], pictures,
                        2 * pictures, 100.0 * overlapping / deals, 100.0 * worst);
            std::fflush(stdout);
            UVOLNI_REGISTRE();
        }
    }
    return 0;
}
