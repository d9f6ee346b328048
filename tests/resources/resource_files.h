// Reading the committed resources and card sets for the tests: paths, little-endian fields, and
// sheets loaded by the framework with their phases.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "framework/graphics/tk_CDas_Surface.h"
#include "platform/pixels/pixel565.h"
#include "tests/common/tk_test_files.h"

namespace tk_res_test {

using tk_test::Field;
using tk_test::RepoPath;
// Files of a folder with the extension (".wav"), sorted by name.
std::vector<std::string> FilesIn(const std::string& folder, const std::string& extension);
// The pictures of a folder (BMP, PNG, JPEG; the extension in any case), sorted by name.
std::vector<std::string> PicturesIn(const std::string& folder);
// The DATA_* folders under cardsets/, sorted.
std::vector<std::string> CardSetFolders();

// A committed sheet loaded as the framework loads it, into a surface on the headless backend;
// phases are located by the framework's own locator. Colours are 16-bit 5-6-5 pixels, as the
// framework's surfaces hold them.
class SheetView {
  public:
    // Fails the test when the file cannot be loaded.
    explicit SheetView(const std::string& relative);
    ~SheetView();
    SheetView(const SheetView&) = delete;
    SheetView& operator=(const SheetView&) = delete;
    int Width() const { return sheet_.w; }
    int Height() const { return sheet_.h; }
    std::uint16_t Pixel(int x, int y) const { return px_[static_cast<std::size_t>(y) * sheet_.w + x]; }
    std::uint32_t Rgb(int x, int y) const { return tkp::pixels::XrgbOf565(Pixel(x, y)); }
    // The phase through (x, y), framed by the background colour.
    tk_TFAZA Locate(int x, int y, std::uint16_t background);

  private:
    IDirectDraw* dd_ = nullptr;
    tk_CDas_Surface sheet_;
    std::vector<std::uint16_t> px_;
};

}  // namespace tk_res_test
