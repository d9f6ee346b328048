#include "tests/common/tk_test_surface.h"

#include <algorithm>

#include "platform/ddraw/surface_access.h"
#include "platform/headless/headless_display.h"
#include "platform/image/picture_decode.h"
#include "platform/image/png_write.h"
#include "platform/platform.h"
#include "platform/testing/test_hooks.h"
#include "tests/common/tk_test_files.h"

namespace tk_test {

std::uint16_t PixelOf(IDirectDrawSurface* s, int x, int y) {
    tkp::ddraw::LockedSurface px(s);
    return px.ok() && px.inside(x, y) ? px.at(x, y) : 0xDEAD;
}

std::vector<std::uint16_t> PixelsOf(IDirectDrawSurface* s) {
    std::vector<std::uint16_t> all;
    tkp::ddraw::LockedSurface px(s);
    for (int y = 0; px.ok() && y < px.height(); ++y) all.insert(all.end(), px.row(y), px.row(y) + px.width());
    return all;
}

void Paint(IDirectDrawSurface* s, const std::function<std::uint16_t(int, int)>& f) {
    tkp::ddraw::LockedSurface px(s);
    ASSERT_TRUE(px.ok());
    for (int y = 0; y < px.height(); ++y)
        for (int x = 0; x < px.width(); ++x) px.at(x, y) = f(x, y);
}

std::pair<int, int> SizeOf(IDirectDrawSurface* s) {
    DDSURFACEDESC d{};
    d.dwSize = sizeof(d);
    if (!s || s->GetSurfaceDesc(&d) != DD_OK) return {0, 0};
    return {static_cast<int>(d.dwWidth), static_cast<int>(d.dwHeight)};
}

std::string Lines(IDirectDrawSurface* s, RECT r, const Legend& legend) {
    std::string out;
    tkp::ddraw::LockedSurface px(s);
    for (int y = r.top; y < r.bottom; ++y) {
        if (y > r.top) out += '|';
        for (int x = r.left; x < r.right; ++x) {
            const std::uint16_t v = px.ok() && px.inside(x, y) ? px.at(x, y) : 0xDEAD;
            const auto it = legend.find(v);
            out += it != legend.end() ? it->second : v == 0 ? '.' : '?';
        }
    }
    return out;
}

namespace {

std::vector<std::uint32_t> toXrgb(const std::vector<std::uint16_t>& pixels) {
    std::vector<std::uint32_t> out;
    for (std::uint16_t p : pixels) out.push_back(tkp::pixels::XrgbOf565(p));
    return out;
}

// Writes the expected and the actual picture side by side, enlarged so that small ones can be
// seen, as TK_SCREENSHOT_DIR/<suite>.<test>[-n].png; returns the file's path.
std::string saveSideBySide(int w, int h, const std::vector<std::uint32_t>& expected,
                           const std::vector<std::uint32_t>& actual) {
    const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string name = test ? std::string(test->test_suite_name()) + "." + test->name() : "picture";
    std::replace(name.begin(), name.end(), '/', '_');
    static std::map<std::string, int> saved;
    const int n = ++saved[name];
    const std::string path =
        std::string(TK_SCREENSHOT_DIR) + "/" + name + (n > 1 ? "-" + std::to_string(n) : "") + ".png";
    const int k = std::max(1, 240 / std::max({w, h, 1})), gap = 8, cw = 2 * w * k + gap, ch = h * k;
    std::vector<std::uint32_t> canvas(static_cast<std::size_t>(cw) * ch, 0x808080);
    for (int y = 0; y < ch; ++y) {
        for (int x = 0; x < w * k; ++x) {
            const std::size_t from = static_cast<std::size_t>(y / k) * w + x / k;
            canvas[static_cast<std::size_t>(y) * cw + x] = expected[from];
            canvas[static_cast<std::size_t>(y) * cw + w * k + gap + x] = actual[from];
        }
    }
    tkp::image::WritePng(path.c_str(), cw, ch, canvas.data(), cw);
    return path;
}

}  // namespace

::testing::AssertionResult Shows(IDirectDrawSurface* s, RECT r, const Legend& legend,
                                 const std::string& rows) {
    const std::string got = Lines(s, r, legend);
    if (got == rows) return ::testing::AssertionSuccess();
    // The expected picture: each letter as its legend value, '.' as 0, anything else magenta.
    std::map<char, std::uint16_t> value{{'.', 0}};
    for (const auto& [raw, letter] : legend) value[letter] = raw;
    const int w = r.right - r.left, h = r.bottom - r.top;
    std::vector<std::uint16_t> expected, actual;
    std::size_t at = 0;
    for (int y = 0; y < h; ++y, ++at) {
        for (int x = 0; x < w; ++x, ++at) {
            const auto it = at < rows.size() ? value.find(rows[at]) : value.end();
            expected.push_back(it != value.end() ? it->second : 0xF81F);
            actual.push_back(PixelOf(s, r.left + x, r.top + y));
        }
    }
    return ::testing::AssertionFailure() << "shows    " << got << "\nexpected " << rows << "\nsaved as "
                                         << saveSideBySide(w, h, toXrgb(expected), toXrgb(actual));
}

::testing::AssertionResult SamePicture(IDirectDrawSurface* actual, IDirectDrawSurface* expected) {
    const auto [w, h] = SizeOf(actual);
    if (SizeOf(expected) != std::pair(w, h)) return ::testing::AssertionFailure() << "the sizes differ";
    return SamePixels(w, h, toXrgb(PixelsOf(actual)), toXrgb(PixelsOf(expected)));
}

::testing::AssertionResult SamePicture(IDirectDrawSurface* actual,
                                       const std::vector<std::uint16_t>& expected) {
    const auto [w, h] = SizeOf(actual);
    return SamePixels(w, h, toXrgb(PixelsOf(actual)), toXrgb(expected));
}

::testing::AssertionResult SamePixels(int w, int h, const std::vector<std::uint32_t>& actual,
                                      const std::vector<std::uint32_t>& expected) {
    const std::size_t n = static_cast<std::size_t>(w) * h;
    if (actual.size() != n || expected.size() != n)
        return ::testing::AssertionFailure() << "the sizes differ";
    std::size_t differ = 0;
    for (std::size_t i = 0; i < n; ++i) differ += actual[i] != expected[i];
    if (differ == 0) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << differ << " of " << n << " pixels differ; saved as " << saveSideBySide(w, h, expected, actual);
}

bool ReadPng(const std::string& path, int* w, int* h, std::vector<std::uint32_t>* xrgb) {
    const std::string bytes = ReadFile(path);
    tkp::image::BmpImage image;
    if (!tkp::image::DecodePictureFile(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size(),
                                       &image, nullptr))
        return false;
    *w = image.width, *h = image.height;
    *xrgb = std::move(image.pixels);
    return true;
}

TestSurface::TestSurface(int w, int h) : w_(w), h_(h) {
    EXPECT_EQ(DirectDrawCreate(nullptr, &dd_, nullptr), DD_OK);
    s_ = tkp::ddraw::CreateOffscreenSurface(dd_, w, h);
    EXPECT_NE(s_, nullptr);
    Fill(0);
}

TestSurface::~TestSurface() {
    if (s_) s_->Release();
    if (dd_) dd_->Release();
}

void TestSurface::Fill(std::uint16_t raw) {
    DDBLTFX fx{};
    fx.dwSize = sizeof(fx);
    fx.dwFillColor = raw;
    s_->Blt(nullptr, nullptr, nullptr, DDBLT_COLORFILL | DDBLT_WAIT, &fx);
}

Legend TestSurface::LegendOf(const char* letters, std::initializer_list<COLORREF> colours) {
    Legend legend;
    for (COLORREF c : colours) legend[RawOf(c)] = *letters++;
    return legend;
}

int TestSurface::Inked() const {
    const std::vector<std::uint16_t> all = PixelsOf(s_);
    return static_cast<int>(all.size()) - static_cast<int>(std::count(all.begin(), all.end(), 0));
}

void TestSurface::SavePng(const std::string& name) const {
    tkp::testing::SaveSurfacePng(s_, (std::string(TK_SCREENSHOT_DIR) + "/" + name + ".png").c_str());
}

Session::Session(int width, int height) {
    tkp::headless::ResetDisplay();
    EXPECT_EQ(DirectDrawCreate(nullptr, &dd, nullptr), DD_OK);
    EXPECT_EQ(dd->SetCooperativeLevel(nullptr, DDSCL_EXCLUSIVE | DDSCL_FULLSCREEN), DD_OK);
    EXPECT_EQ(dd->SetDisplayMode(width, height, 16), DD_OK);
    EXPECT_EQ(MakePrimary(), DD_OK);
}

Session::~Session() {
    if (primary) primary->Release();
    if (dd) dd->Release();
}

HRESULT Session::MakePrimary() {
    DDSURFACEDESC desc{};
    desc.dwSize = sizeof(desc);
    desc.dwFlags = DDSD_CAPS | DDSD_BACKBUFFERCOUNT;
    desc.ddsCaps.dwCaps = DDSCAPS_PRIMARYSURFACE | DDSCAPS_FLIP | DDSCAPS_COMPLEX;
    desc.dwBackBufferCount = 1;
    const HRESULT r = dd->CreateSurface(&desc, &primary, nullptr);
    DDSCAPS caps{DDSCAPS_BACKBUFFER};
    if (primary) {
        EXPECT_EQ(primary->GetAttachedSurface(&caps, &back), DD_OK);
    }
    return r;
}

IDirectDrawSurface* Session::Surface(int w, int h) const {
    IDirectDrawSurface* s = tkp::ddraw::CreateOffscreenSurface(dd, w, h);
    EXPECT_NE(s, nullptr);
    return s;
}

}  // namespace tk_test
