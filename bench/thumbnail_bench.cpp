// Thumbnails of a folder of twelve 1024 x 768 pictures: the framework's pass (150 x 100, exact
// mode) against ImageMagick's `convert in.bmp -resize 150x100! out.bmp` doing the same work
// picture by picture, in the same run. Each side is timed over several rounds and the best round
// counts; the table gives milliseconds per picture and how many times faster the pass is.
//
//   bench_thumbnails [rounds]
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "framework/graphics/tk_BMP.h"
#include "framework/graphics/tk_Display.h"
#include "framework/support/tk_LOG.h"
#include "platform/platform.h"

extern char** environ;

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

constexpr int kPictures = 12;
constexpr int kWidth = 1024;
constexpr int kHeight = 768;

// A photo-like 24-bit BMP: smooth colour fields, fine detail and a little noise.
void WritePicture(const fs::path& path, int seed) {
    const int stride = (3 * kWidth + 3) / 4 * 4;
    std::string b = "BM";
    auto put = [&b](std::uint32_t v, int n) {
        for (int i = 0; i < n; ++i) b += static_cast<char>(v >> (8 * i));
    };
    put(54 + stride * kHeight, 4), put(0, 4), put(54, 4), put(40, 4), put(kWidth, 4), put(kHeight, 4);
    put(1, 2), put(24, 2), put(0, 4), put(stride * kHeight, 4), put(2835, 4), put(2835, 4), put(0, 4),
        put(0, 4);
    std::uint32_t noise = 2463534242u + static_cast<std::uint32_t>(seed);
    std::string row(static_cast<std::size_t>(stride), '\0');
    for (int y = kHeight - 1; y >= 0; --y) {
        for (int x = 0; x < kWidth; ++x) {
            noise ^= noise << 13, noise ^= noise >> 17, noise ^= noise << 5;
            const double fine = std::sin((x * x + y * y) / (900.0 + 40 * seed));
            const int n = static_cast<int>(noise % 17) - 8;
            auto channel = [&](double base) {
                return static_cast<char>(std::clamp(static_cast<int>(base + 30 * fine) + n, 0, 255));
            };
            row[3 * x] = channel(128 + 100 * std::sin(x / 97.0 + seed));
            row[3 * x + 1] = channel(128 + 100 * std::cos(y / 71.0 - seed));
            row[3 * x + 2] = channel(128 + 100 * std::sin((x + y) / 151.0));
        }
        b += row;
    }
    std::ofstream(path, std::ios::binary) << b;
}

// Runs a program with its arguments, without a shell and with its output discarded; true when
// it ran and exited with 0.
bool Run(const std::vector<std::string>& args) {
    std::vector<char*> argv;
    for (const auto& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    posix_spawn_file_actions_t quiet;
    posix_spawn_file_actions_init(&quiet);
    posix_spawn_file_actions_addopen(&quiet, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    const int spawned = posix_spawnp(&pid, argv[0], &quiet, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&quiet);
    if (spawned != 0) return false;
    int status = 0;
    return waitpid(pid, &status, 0) == pid && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

double Seconds(Clock::time_point from) {
    return std::chrono::duration<double>(Clock::now() - from).count();
}

void RemoveThumbnails(const fs::path& folder) {
    for (const auto& e : fs::directory_iterator(folder))
        if (e.path().extension() == ".thm" || e.path().filename().string().rfind("im_", 0) == 0)
            fs::remove(e.path());
}

}  // namespace

int main(int argc, char** argv) {
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    std::string tmpl = (fs::temp_directory_path() / "tk_bench_thm_XXXXXX").string();
    if (!mkdtemp(tmpl.data())) return 1;
    const fs::path folder = tmpl;
    for (int i = 0; i < kPictures; ++i) WritePicture(folder / ("picture" + std::to_string(i) + ".bmp"), i);
    tk_LOG_SetONOFF(0);
    if (DirectDrawCreate(nullptr, &tk_lpDD, nullptr) != DD_OK) return 1;

    double pass = 1e9;
    for (int r = 0; r < rounds; ++r) {
        RemoveThumbnails(folder);
        const auto start = Clock::now();
        tk_BMP_Vytvor__bmp2thm(folder.c_str(), 150, 100, 1);
        pass = std::min(pass, Seconds(start));
    }
    int made = 0;
    for (const auto& e : fs::directory_iterator(folder)) made += e.path().extension() == ".thm";

    double magick = 0;
    bool magickRan = Run({"convert", "-version"});
    if (magickRan) {
        magick = 1e9;
        for (int r = 0; r < rounds && magickRan; ++r) {
            RemoveThumbnails(folder);
            const auto start = Clock::now();
            for (int i = 0; i < kPictures && magickRan; ++i) {
                const std::string name = "picture" + std::to_string(i);
                magickRan = Run({"convert", (folder / (name + ".bmp")).string(), "-resize", "150x100!",
                                 (folder / ("im_" + name + ".bmp")).string()});
            }
            magick = std::min(magick, Seconds(start));
        }
    }
    RemoveThumbnails(folder);
    fs::remove_all(folder);
    tk_lpDD->Release();

    std::printf("Thumbnails of %d pictures of %d x %d, 150 x 100, best of %d rounds\n", kPictures, kWidth,
                kHeight, rounds);
    std::printf("  %-34s %8.2f ms per picture (%d made)\n", "tk_BMP_Vytvor__bmp2thm", 1000 * pass / kPictures,
                made);
    if (!magickRan) {
        std::printf("  ImageMagick's convert did not run: install it (scripts/setup.sh) to compare\n");
        return made == kPictures ? 0 : 1;
    }
    std::printf("  %-34s %8.2f ms per picture\n", "convert -resize 150x100!", 1000 * magick / kPictures);
    std::printf("  the pass is %.1f times as fast as ImageMagick\n", magick / pass);
    return made == kPictures ? 0 : 1;
}
