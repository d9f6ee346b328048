// The editor's overlay, drawn over every frame while it is on: the help for the mode, the current
// element's data, and the markers of the target.
#include <cstdio>

#include "framework/editor/tk_KM_internal.h"
#include "framework/graphics/tk_Draw.h"
#include "framework/widgets/tk_ClassTable.h"
#include "platform/ddraw/surface_access.h"

namespace {

constexpr COLORREF kTextColour = RGB(255, 255, 200);
constexpr int kLineStep = 18;
constexpr int kHelpX = 420, kHelpY = 40, kKeyIndent = 50;
constexpr int kDataX = 800, kDataY = 40;

template <typename... Args>
std::string format(const char* pattern, Args... args) {
    char line[160];
    std::snprintf(line, sizeof line, pattern, args...);
    return line;
}

void listLines(std::vector<std::string>& out, tk_CDUI* list) {
    if (!list) return;
    out.push_back(format("[F2]  TextMode: %s", list->text_mode));
    out.push_back(format("[F3]  IconMode: %s", list->icon_mode));
    out.push_back(format("[F5]  TextPadding: %d", list->text_okraj));
    out.push_back(format("[F6]  IconPadding: %d", list->icon_okraj));
    out.push_back(format("[F7]  a,b: %d,%d", list->a, list->b));
    out.push_back(format("[F8]  c: %d", list->c));
}

// A filled disc of the radius around the point, outlined with the selected pen.
void disc(HDC dc, HBRUSH brush, int x, int y, int r) {
    HGDIOBJ old = SelectObject(dc, brush);
    Ellipse(dc, x - r, y - r, x + r, y + r);
    SelectObject(dc, old);
}

// The element's rectangle (its origin and size) with the pen, hollow.
void frame(HDC dc, HPEN pen, tk_CPol* e) {
    int w = 0, h = 0;
    e->GetSize(&w, &h);
    HGDIOBJ old_pen = SelectObject(dc, pen);
    HGDIOBJ old_brush = SelectObject(dc, GetStockObject(NULL_BRUSH));
    Rectangle(dc, e->x, e->y, e->x + w, e->y + h);
    SelectObject(dc, old_brush);
    SelectObject(dc, old_pen);
}

bool selected(int i) {
    for (int k = 0; k < tk_KM_sel_count; ++k) {
        if (tk_KM_sel[k] == i) return true;
    }
    return false;
}

HBRUSH dotBrush(int i) {
    const tk_KM_TGDI& g = tk_KM_GDI();
    if (tk_KM_multi) return selected(i) ? g.orange : g.yellow;
    if (i != tk_KM_item) return g.yellow;
    return tk_KM_sel_count > 0 && tk_KM_sel[0] == i ? g.magenta : g.red;
}

void containerMarkers(HDC dc, tk_CPolCHLO* box) {
    const tk_KM_TGDI& g = tk_KM_GDI();
    HGDIOBJ old_pen = SelectObject(dc, GetStockObject(WHITE_PEN));
    HGDIOBJ old_brush = SelectObject(dc, GetStockObject(NULL_BRUSH));
    Rectangle(dc, box->x - 10, box->y - 10, box->x + 10, box->y + 10);
    SelectObject(dc, GetStockObject(BLACK_PEN));
    disc(dc, g.green, box->x, box->y, 4);
    frame(dc, g.pen_green, box);
    SelectObject(dc, GetStockObject(BLACK_PEN));
    for (int i = 0; i < box->children.count; ++i) {
        if (tk_CPol* c = tk_KM_Child(i)) disc(dc, dotBrush(i), c->x, c->y, 3);
    }
    for (int k = 0; k < tk_KM_drag.count && tk_KM_drag.moving; ++k) {
        if (tk_CPol* c = tk_KM_Child(tk_KM_drag.index[k])) frame(dc, g.pen_red, c);
    }
    if (tk_KM_band.right_down) {
        SelectObject(dc, g.pen_orange);
        SelectObject(dc, GetStockObject(NULL_BRUSH));
        Rectangle(dc, tk_KM_band.box.left, tk_KM_band.box.top, tk_KM_band.box.right, tk_KM_band.box.bottom);
    }
    SelectObject(dc, old_brush);
    SelectObject(dc, old_pen);
}

void markers(HDC dc) {
    const tk_KM_TGDI& g = tk_KM_GDI();
    if (tk_CDUI* list = tk_KM_List()) {
        HGDIOBJ old_pen = SelectObject(dc, g.pen_green);
        HGDIOBJ old_brush = SelectObject(dc, GetStockObject(NULL_BRUSH));
        Rectangle(dc, list->obal.left, list->obal.top, list->obal.right, list->obal.bottom);
        SelectObject(dc, old_brush);
        SelectObject(dc, old_pen);
    } else if (tk_KM_mod == 9 && tk_KM_cPolCHLO_9) {
        containerMarkers(dc, tk_KM_cPolCHLO_9);
    } else if (tk_KM_mod == 10 && tk_KM_cPol_10) {
        HGDIOBJ old_pen = SelectObject(dc, GetStockObject(BLACK_PEN));
        disc(dc, g.green, tk_KM_cPol_10->x, tk_KM_cPol_10->y, 4);
        SelectObject(dc, old_pen);
        frame(dc, g.pen_green, tk_KM_cPol_10);
    }
}

void text(HDC dc, int x, int y, const std::vector<std::string>& lines, int indent) {
    HFONT font = static_cast<HFONT>(GetStockObject(SYSTEM_FONT));
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const int left = i == 0 ? x : x + indent;
        tk_glob_Text_font(dc, left, y + static_cast<int>(i) * kLineStep, kTextColour, font, lines[i].c_str());
    }
}

}  // namespace

const tk_KM_TGDI& tk_KM_GDI() {
    static const tk_KM_TGDI objects{
        CreateSolidBrush(RGB(255, 255, 0)),     CreateSolidBrush(RGB(255, 0, 0)),
        CreateSolidBrush(RGB(255, 158, 50)),    CreateSolidBrush(RGB(255, 0, 255)),
        CreateSolidBrush(RGB(0, 255, 0)),       CreatePen(PS_SOLID, 2, RGB(255, 0, 0)),
        CreatePen(PS_SOLID, 3, RGB(0, 255, 0)), CreatePen(PS_SOLID, 2, RGB(255, 158, 50)),
    };
    return objects;
}

std::vector<std::string> tk_KM_HelpLines() {
    std::vector<std::string> lines;
    const bool hasParent = tk_KM_cPol_10 && tk_KM_cPol_10->parent;
    switch (tk_KM_mod) {
        case 0:
            lines.push_back("tk_KM_mod=0: nic-ostry rezim");
            break;
        case 1:
            lines.push_back("tk_KM_mod=1: DUI");
            listLines(lines, tk_KM_cDUI_1);
            break;
        case 2:
            lines.push_back("tk_KM_mod=2: DUIR");
            listLines(lines, tk_KM_cDUIR_2);
            break;
        case 9:
            lines.push_back("tk_KM_mod=9: PolCHLO");
            lines.push_back("[F2]  Next/Prev Child");
            lines.push_back("[Return]  Go Down to Child");
            lines.push_back("[Backspace]  Go Up to Parent");
            if (tk_KM_cPolCHLO_9 && tk_KM_cPolCHLO_9->parent) lines.push_back("[Tab]  Go to Sibling");
            break;
        case 10:
            lines.push_back("tk_KM_mod=10: Pol");
            lines.push_back("[Arrow keys]  Moving Pol");
            lines.push_back("[Shift]+[Arrow keys]  Resize Pol");
            if (hasParent) lines.push_back("[Tab]  Go to Sibling");
            break;
        default:
            lines.push_back(format("tk_KM_mod=%d", tk_KM_mod));
            break;
    }
    lines.push_back(format("[F11]  SAVE => %s", tk_KM_REPORT_FILE));
    if (*tk_KM_SaveError()) lines.push_back(tk_KM_SaveError());
    return lines;
}

std::vector<std::string> tk_KM_DataLines() {
    tk_CPol* e = tk_KM_cPol_10;
    if (!e) return {};
    int w = 0, h = 0;
    e->GetSize(&w, &h);
    return {format("           ID = [ %d ]", e->ID), format("     [ x, y ] = [ %d, %d ]", e->x, e->y),
            format("   [ rx, ry ] = [ %d, %d ]", e->rx, e->ry), format("[ sir x vys ] = [ %d x %d ]", w, h)};
}

void tk_KM_ZOBRAZ(IDirectDrawSurface* back) {
    if (!tk_KM_on || !back) return;
    tkp::ddraw::SurfaceDC dc(back);
    if (!dc.ok()) return;
    text(dc, kHelpX, kHelpY, tk_KM_HelpLines(), kKeyIndent);
    // The data lines all start at the same place: their own padding lines them up.
    text(dc, kDataX, kDataY, tk_KM_DataLines(), 0);
    markers(dc);
}
