// Lettering with FreeType and the DejaVu fonts: UTF-8 text rendered into a coverage mask.
#pragma once

#include <memory>
#include <string>

#include "tools/lib/mask.h"

namespace art {

// The DejaVu faces the tools letter with.
enum class Face { Sans, SansBold };

class Font {
  public:
    Font(Face face, double pixelSize);
    ~Font();
    Font(const Font&) = delete;
    Font& operator=(const Font&) = delete;

    // Advance width of the text in pixels.
    double Measure(const std::string& utf8) const;
    // The text with its baseline starting at (x, y), onto a mask of w x h.
    Mask Render(const std::string& utf8, double x, double y, int w, int h) const;
    // The same, centred on cx.
    Mask RenderCentred(const std::string& utf8, double cx, double y, int w, int h) const;
    double Ascender() const;

  private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

}  // namespace art
