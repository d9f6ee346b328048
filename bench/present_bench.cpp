// The SDL backend's presentation in a real X server: the CPU time of one presented frame, the
// program's own (conversion, comparison, upload) and the X server's (drawing into the screen),
// as a multiple of memcpy of the same frame. Run by present_cpu.sh inside Xvfb, which passes the
// server's process id; at 1:1 (the frame the size of the screen) and scaled (800 x 600 on it),
// each with nothing changed, a small block moving, and the whole frame changed every time.
#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "platform/base/backend.h"

namespace {

constexpr int kFrames = 300;

double processCpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    auto s = [](const timeval& t) { return static_cast<double>(t.tv_sec) + t.tv_usec * 1e-6; };
    return s(usage.ru_utime) + s(usage.ru_stime);
}

// User and system time of another process, from /proc/<pid>/stat; 0 when it cannot be read.
double otherCpuSeconds(const std::string& pid) {
    std::ifstream in("/proc/" + pid + "/stat");
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const std::size_t close = text.rfind(')');
    if (close == std::string::npos) return 0;
    // Fields after the command: state is the 3rd field, utime the 14th, stime the 15th.
    std::istringstream fields(text.substr(close + 2));
    std::string field;
    double ticks = 0;
    for (int i = 3; i <= 15 && fields >> field; ++i)
        if (i >= 14) ticks += std::stod(field);
    return ticks / static_cast<double>(sysconf(_SC_CLK_TCK));
}

double memcpyMs(std::size_t bytes) {
    std::vector<std::uint8_t> a(bytes, 1), b(bytes, 2);
    double best = 1e9;
    for (int i = 0; i < 50; ++i) {
        const auto t0 = std::chrono::steady_clock::now();
        std::memcpy(b.data(), a.data(), bytes);
        const auto t1 = std::chrono::steady_clock::now();
        best = std::min(best, std::chrono::duration<double, std::milli>(t1 - t0).count());
        a[static_cast<std::size_t>(i)] = b[bytes - 1 - static_cast<std::size_t>(i)];
    }
    return best;
}

// A picture with detail in every row: diagonal stripes of colour.
std::vector<std::uint16_t> picture(int w, int h, int seed) {
    std::vector<std::uint16_t> px(static_cast<std::size_t>(w) * h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            px[static_cast<std::size_t>(y) * w + x] =
                static_cast<std::uint16_t>((x + y + seed) * 2654435761u >> 16);
    return px;
}

enum class Change { None, SmallBlock, Whole };

void run(const char* name, int w, int h, Change change, const std::string& serverPid) {
    tkp::base::backend::SetPresentationSize(w, h);
    std::vector<std::uint16_t> frame = picture(w, h, 0);
    std::vector<std::uint16_t> other = picture(w, h, 7);
    // Settle: the first frame after a size change is drawn whole.
    tkp::base::backend::Present(frame.data(), w, h, w * 2);
    tkp::base::backend::PumpEvents();
    const double ms = memcpyMs(frame.size() * 2);
    const double c0 = processCpuSeconds(), x0 = otherCpuSeconds(serverPid);
    for (int i = 0; i < kFrames; ++i) {
        if (change == Change::Whole) {
            frame.swap(other);
        } else if (change == Change::SmallBlock) {
            // A 300 x 40 block two pixels further right each frame, as the game's banner moves.
            const int bx = (i * 2) % (w - 302);
            for (int y = 30; y < 70; ++y) {
                std::uint16_t* row = frame.data() + static_cast<std::size_t>(y) * w;
                row[bx] = row[bx + 1] = 0;
                std::fill(row + bx + 2, row + bx + 302, static_cast<std::uint16_t>(0xF800 + i));
            }
        }
        tkp::base::backend::Present(frame.data(), w, h, w * 2);
        tkp::base::backend::PumpEvents();
    }
    const double own = (processCpuSeconds() - c0) * 1000 / kFrames;
    const double server = (otherCpuSeconds(serverPid) - x0) * 1000 / kFrames;
    std::printf("%-28s %4dx%-4d  own %7.3f ms  X server %7.3f ms  per frame  = %6.2f x memcpy (%.3f ms)\n",
                name, w, h, own, server, (own + server) / ms, ms);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: bench_present XSERVER_PID (run it through present_cpu.sh)\n");
        return 2;
    }
    const std::string serverPid = argv[1];
    if (!tkp::base::backend::CreateMainWindow(nullptr, "Present Bench")) return 1;
    const auto screen = tkp::base::backend::DesktopSize();
    for (int i = 0; i < 20; ++i) tkp::base::backend::PumpEvents();
    std::printf("screen %dx%d, %d frames each, CPU per presented frame (process + X server)\n", screen.width,
                screen.height, kFrames);
    run("1:1, nothing changed", screen.width, screen.height, Change::None, serverPid);
    run("1:1, a 300x40 block moves", screen.width, screen.height, Change::SmallBlock, serverPid);
    run("1:1, whole frame changes", screen.width, screen.height, Change::Whole, serverPid);
    run("scaled, nothing changed", 800, 600, Change::None, serverPid);
    run("scaled, a 300x40 block moves", 800, 600, Change::SmallBlock, serverPid);
    run("scaled, whole frame changes", 800, 600, Change::Whole, serverPid);
    tkp::base::backend::DestroyMainWindow(nullptr);
    return 0;
}
