// The notice of the files a card set left out: a white box at the foot of the table listing each
// file and why, shown from the set's loading until the next click.
#include "framework/graphics/tk_Draw.h"
#include "game/CKarta.h"
#include "game/kartola_app.h"
#include "game/kartola_table.h"
#include "platform/ddraw/surface_access.h"

namespace {

constexpr int kLineH = 26;
constexpr int kMostLines = 8;
constexpr UINT kLineFormat = DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX;

}  // namespace

void CKartolaApp::DrawLeftOutNotice(IDirectDrawSurface* surface) {
    if (left_out_.empty()) return;
    std::vector<std::string> lines{"Tieto súbory nie sú na kartách:"};
    const std::size_t shown = left_out_.size() > kMostLines ? kMostLines - 1 : left_out_.size();
    lines.insert(lines.end(), left_out_.begin(), left_out_.begin() + static_cast<long>(shown));
    if (shown < left_out_.size())
        lines.push_back("… a ďalšie (" + std::to_string(left_out_.size() - shown) + ")");
    tkp::ddraw::SurfaceDC dc(surface);
    if (!dc.ok()) return;
    const int left = CARD_W + 40;
    const int right = m_ScrW - 20;
    const int bottom = m_ScrH - 20;
    const int top = bottom - static_cast<int>(lines.size()) * kLineH - 16;
    HGDIOBJ oldPen = SelectObject(dc, GetStockObject(BLACK_PEN));
    HGDIOBJ oldBrush = SelectObject(dc, GetStockObject(WHITE_BRUSH));
    Rectangle(dc, left, top, right, bottom);
    SelectObject(dc, oldBrush);
    SelectObject(dc, oldPen);
    int lineTop = top + 8;
    for (const std::string& line : lines) {
        RECT r{left + 14, lineTop, right - 14, lineTop + kLineH};
        tk_glob_Text_draw_font(dc, &r, kLineFormat, RGB(0, 0, 0), HintFont(), line.c_str());
        lineTop += kLineH;
    }
}
