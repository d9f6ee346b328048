// Thumbnails of a folder of twelve 4000 x 3000 JPEG photos, as a phone gives them: the framework's
// pass (150 x 100, mode 1: fitted with the aspect kept) against ImageMagick's quickest way to the
// same result, `convert -define jpeg:size=300x200 in.jpg -thumbnail 150x100 out.bmp` (which also
// lets the JPEG decoder reduce the picture), picture by picture, in the same run. Each side is
// timed over several rounds and the best round counts; the table gives milliseconds per photo and
// how many times faster the pass is.
//
//   bench_thumbnails [rounds]
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
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

// clang-format off: jpeglib.h needs FILE and size_t declared first.
#include <jpeglib.h>
// clang-format on

extern char** environ;

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

constexpr int kPictures = 12;
constexpr int kWidth = 4000;
constexpr int kHeight = 3000;

// A photo-like JPEG at a camera's quality: smooth colour fields, fine detail and a little noise.
void writePicture(const fs::path& path, int seed) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) return;
    jpeg_compress_struct cinfo{};
    jpeg_error_mgr err{};
    cinfo.err = jpeg_std_error(&err);
    jpeg_create_compress(&cinfo);
    jpeg_stdio_dest(&cinfo, file);
    cinfo.image_width = kWidth;
    cinfo.image_height = kHeight;
    cinfo.input_components = 3;
    cinfo.in_color_space = JCS_RGB;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, 90, TRUE);
    jpeg_start_compress(&cinfo, TRUE);
    std::vector<double> across(kWidth);
    for (int x = 0; x < kWidth; ++x) across[std::size_t(x)] = 128 + 100 * std::sin(x / 397.0 + seed);
    std::uint32_t noise = 2463534242u + static_cast<std::uint32_t>(seed);
    std::vector<unsigned char> row(3 * std::size_t(kWidth));
    for (int y = 0; y < kHeight; ++y) {
        const double down = 128 + 100 * std::cos(y / 271.0 - seed);
        for (int x = 0; x < kWidth; ++x) {
            noise ^= noise << 13, noise ^= noise >> 17, noise ^= noise << 5;
            const int n = static_cast<int>(noise % 17) - 8;
            const int fine = ((x / 7 + y / 5 + seed) % 9) * 4;
            auto channel = [&](double base) {
                return static_cast<unsigned char>(std::clamp(static_cast<int>(base) + fine + n, 0, 255));
            };
            row[3 * std::size_t(x)] = channel(across[std::size_t(x)]);
            row[3 * std::size_t(x) + 1] = channel(down);
            row[3 * std::size_t(x) + 2] = channel((across[std::size_t(x)] + down) / 2);
        }
        JSAMPROW r = row.data();
        jpeg_write_scanlines(&cinfo, &r, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    std::fclose(file);
}

// Runs a program with its arguments, without a shell and with its output discarded; true when
// it ran and exited with 0.
bool run(const std::vector<std::string>& args) {
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

double secondsSince(Clock::time_point from) {
    return std::chrono::duration<double>(Clock::now() - from).count();
}

// CPU seconds used so far by this process (self) or by its finished children: on a machine shared
// with other work the wall clock mostly measures the others, CPU time what each side costs.
double cpuSeconds(int who) {
    rusage u{};
    getrusage(who, &u);
    return double(u.ru_utime.tv_sec + u.ru_stime.tv_sec) +
           1e-6 * double(u.ru_utime.tv_usec + u.ru_stime.tv_usec);
}

void removeThumbnails(const fs::path& folder) {
    for (const auto& e : fs::directory_iterator(folder))
        if (e.path().extension() == ".thm" || e.path().filename().string().rfind("im_", 0) == 0)
            fs::remove(e.path());
}

}  // namespace

int main(int argc, char** argv) {
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 3;
    std::string tmpl = (fs::temp_directory_path() / "tk_bench_thm_XXXXXX").string();
    if (!mkdtemp(tmpl.data())) return 1;
    const fs::path folder = tmpl;
    std::printf("Writing %d JPEG photos of %d x %d...\n", kPictures, kWidth, kHeight);
    std::fflush(stdout);
    for (int i = 0; i < kPictures; ++i) writePicture(folder / ("picture" + std::to_string(i) + ".jpg"), i);
    // Thumbnails that cannot go beside the photos would go to the cache: keep that inside the folder.
    setenv("XDG_CACHE_HOME", folder.c_str(), 1);
    tk_LOG_SetONOFF(0);
    if (DirectDrawCreate(nullptr, &tk_lpDD, nullptr) != DD_OK) return 1;

    double pass = 1e9;
    double passCpu = 1e9;
    for (int r = 0; r < rounds; ++r) {
        removeThumbnails(folder);
        const auto start = Clock::now();
        const double cpu = cpuSeconds(RUSAGE_SELF);
        tk_BMP_Vytvor__bmp2thm(folder.c_str(), 150, 100, 1);
        pass = std::min(pass, secondsSince(start));
        passCpu = std::min(passCpu, cpuSeconds(RUSAGE_SELF) - cpu);
    }
    int made = 0;
    for (const auto& e : fs::directory_iterator(folder)) made += e.path().extension() == ".thm";

    double magick = 0;
    double magickCpu = 0;
    bool magickRan = run({"convert", "-version"});
    if (magickRan) {
        magick = 1e9;
        magickCpu = 1e9;
        for (int r = 0; r < rounds && magickRan; ++r) {
            removeThumbnails(folder);
            const auto start = Clock::now();
            const double cpu = cpuSeconds(RUSAGE_CHILDREN);
            for (int i = 0; i < kPictures && magickRan; ++i) {
                const std::string name = "picture" + std::to_string(i);
                magickRan =
                    run({"convert", "-define", "jpeg:size=300x200", (folder / (name + ".jpg")).string(),
                         "-thumbnail", "150x100", (folder / ("im_" + name + ".bmp")).string()});
            }
            magick = std::min(magick, secondsSince(start));
            magickCpu = std::min(magickCpu, cpuSeconds(RUSAGE_CHILDREN) - cpu);
        }
    }
    removeThumbnails(folder);
    fs::remove_all(folder);
    tk_lpDD->Release();

    std::printf("Thumbnails of %d JPEG photos of %d x %d, 150 x 100, best of %d rounds\n", kPictures, kWidth,
                kHeight, rounds);
    std::printf("  %-44s %8.2f ms per photo, %.2f ms of CPU (%d made)\n", "tk_BMP_Vytvor__bmp2thm",
                1000 * pass / kPictures, 1000 * passCpu / kPictures, made);
    if (!magickRan) {
        std::printf("  ImageMagick's convert did not run: install it (scripts/setup.sh) to compare\n");
        return made == kPictures ? 0 : 1;
    }
    std::printf("  %-44s %8.2f ms per photo, %.2f ms of CPU\n",
                "convert -define jpeg:size=300x200 -thumbnail", 1000 * magick / kPictures,
                1000 * magickCpu / kPictures);
    std::printf("  the pass is %.1f times as fast as ImageMagick (%.1f times in CPU time)\n", magick / pass,
                magickCpu / passCpu);
    return made == kPictures ? 0 : 1;
}
