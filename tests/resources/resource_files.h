// Reading the committed resources and card sets for the tests: paths, little-endian fields, BMP
// headers, and locating a phase on a sprite sheet the way the framework does.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "tests/common/tk_test_files.h"

namespace tk_res_test {

using tk_test::RepoPath;
// Files of a folder with the extension (".wav"), sorted by name.
std::vector<std::string> FilesIn(const std::string& folder, const std::string& extension);
// The pictures of a folder (BMP, PNG, JPEG; the extension in any case), sorted by name.
std::vector<std::string> PicturesIn(const std::string& folder);
// The DATA_* folders under cardsets/, sorted.
std::vector<std::string> CardSetFolders();

// The n-byte little-endian number at the offset.
inline std::uint32_t U(const std::string& b, std::size_t at, int n) {
    std::uint32_t v = 0;
    for (int i = n - 1; i >= 0; --i) v = (v << 8) | static_cast<unsigned char>(b[at + i]);
    return v;
}

struct BmpInfo {
    int width = 0, height = 0, bits = 0;
    std::uint32_t compression = 0, fileSize = 0;
};

// Reads the file and info headers; false when the file is not a BMP with a 40-byte info header.
bool ReadBmpInfo(const std::string& bytes, BmpInfo* info);
struct Phase {
    int x = 0, y = 0, x2 = 0, y2 = 0, w = 100, h = 100;
};

// A committed sheet, decoded by the platform's BMP decoder. Colours are compared as 16-bit 5-6-5
// pixels, as the framework's surfaces hold them.
class SheetView {
  public:
    // Fails the test when the file is not a readable BMP.
    explicit SheetView(const std::string& relative);
    int Width() const { return w_; }
    int Height() const { return h_; }
    std::uint32_t Rgb(int x, int y) const { return px_[static_cast<std::size_t>(y) * w_ + x]; }
    std::uint16_t Pixel(int x, int y) const;
    // From a seed point, scans up and down along its column and left and right along its row
    // until the background colour is met.
    Phase Locate(int x, int y, std::uint16_t background) const;

  private:
    std::vector<std::uint32_t> px_{0};
    int w_ = 1, h_ = 1;
};

}  // namespace tk_res_test
