#include "tools/lib/canvas.h"

#include <algorithm>
#include <cmath>

namespace art {

std::uint8_t ToByte(float v) {
    float c = std::clamp(v, 0.0f, 1.0f);
    return static_cast<std::uint8_t>(std::lround(c * 255.0f));
}

Rgba Hex(std::uint32_t rgb, float alpha) {
    return {((rgb >> 16) & 255) / 255.0f, ((rgb >> 8) & 255) / 255.0f, (rgb & 255) / 255.0f, alpha};
}

Rgba Mix(Rgba a, Rgba b, double t) {
    float u = static_cast<float>(t);
    return {a.r + (b.r - a.r) * u, a.g + (b.g - a.g) * u, a.b + (b.b - a.b) * u, a.a + (b.a - a.a) * u};
}

Rgba Lighter(Rgba c, double t) {
    return Mix(c, {1, 1, 1, c.a}, t);
}
Rgba Darker(Rgba c, double t) {
    return Mix(c, {0, 0, 0, c.a}, t);
}

Paint Solid(Rgba c) {
    return [c](double, double) { return c; };
}

Paint Linear(Vec p0, Rgba c0, Vec p1, Rgba c1) {
    double dx = p1.x - p0.x, dy = p1.y - p0.y;
    double len2 = dx * dx + dy * dy;
    return [=](double x, double y) {
        double t = len2 > 0 ? ((x - p0.x) * dx + (y - p0.y) * dy) / len2 : 0;
        return Mix(c0, c1, std::clamp(t, 0.0, 1.0));
    };
}

Paint Radial(Vec centre, double radius, Rgba inner, Rgba outer) {
    return [=](double x, double y) {
        double d = std::sqrt((x - centre.x) * (x - centre.x) + (y - centre.y) * (y - centre.y));
        return Mix(inner, outer, std::clamp(d / radius, 0.0, 1.0));
    };
}

Canvas::Canvas(int w, int h, Rgba fill) : w_(w), h_(h) {
    Rgba pre{fill.r * fill.a, fill.g * fill.a, fill.b * fill.a, fill.a};
    px_.assign(static_cast<std::size_t>(w) * h, pre);
}

void Canvas::Fill(const Mask& m, const Paint& paint) {
    for (int y = m.RowBegin(); y < m.RowEnd(); ++y) {
        for (int x = 0; x < w_; ++x) {
            float cov = m.At(x, y);
            if (cov <= 0) continue;
            Rgba c = paint(x + 0.5, y + 0.5);
            float a = c.a * cov;
            Rgba& d = At(x, y);
            d.r = c.r * a + d.r * (1 - a);
            d.g = c.g * a + d.g * (1 - a);
            d.b = c.b * a + d.b * (1 - a);
            d.a = a + d.a * (1 - a);
        }
    }
}

void Canvas::Draw(const Canvas& src, int dx, int dy) {
    for (int y = 0; y < src.h_; ++y) {
        int ty = y + dy;
        if (ty < 0 || ty >= h_) continue;
        for (int x = 0; x < src.w_; ++x) {
            int tx = x + dx;
            if (tx < 0 || tx >= w_) continue;
            Rgba s = src.At(x, y);
            Rgba& d = At(tx, ty);
            d.r = s.r + d.r * (1 - s.a);
            d.g = s.g + d.g * (1 - s.a);
            d.b = s.b + d.b * (1 - s.a);
            d.a = s.a + d.a * (1 - s.a);
        }
    }
}

void Canvas::DrawScaled(const Canvas& src, int dx, int dy, int dw, int dh) {
    Canvas tmp(dw, dh);
    double sx = static_cast<double>(src.w_) / dw, sy = static_cast<double>(src.h_) / dh;
    for (int y = 0; y < dh; ++y) {
        for (int x = 0; x < dw; ++x) {
            // Average the source pixels the target pixel covers (at least the nearest one).
            double x0 = x * sx, x1 = (x + 1) * sx, y0 = y * sy, y1 = (y + 1) * sy;
            int ix0 = static_cast<int>(x0), iy0 = static_cast<int>(y0);
            int ix1 = std::max(ix0 + 1, static_cast<int>(std::ceil(x1)));
            int iy1 = std::max(iy0 + 1, static_cast<int>(std::ceil(y1)));
            Rgba acc{};
            double wsum = 0;
            for (int yy = iy0; yy < iy1 && yy < src.h_; ++yy) {
                double wy = std::min<double>(yy + 1, std::max(y1, y0 + 1e-9)) - std::max<double>(yy, y0);
                if (sy < 1) wy = 1;
                for (int xx = ix0; xx < ix1 && xx < src.w_; ++xx) {
                    double wx = std::min<double>(xx + 1, x1) - std::max<double>(xx, x0);
                    if (sx < 1) wx = 1;
                    double wgt = std::max(0.0, wx) * std::max(0.0, wy);
                    Rgba s = src.At(xx, yy);
                    acc.r += static_cast<float>(s.r * wgt);
                    acc.g += static_cast<float>(s.g * wgt);
                    acc.b += static_cast<float>(s.b * wgt);
                    acc.a += static_cast<float>(s.a * wgt);
                    wsum += wgt;
                }
            }
            if (wsum > 0) {
                float k = static_cast<float>(1.0 / wsum);
                tmp.At(x, y) = {acc.r * k, acc.g * k, acc.b * k, acc.a * k};
            }
        }
    }
    Draw(tmp, dx, dy);
}

std::uint32_t Canvas::Xrgb(int x, int y, Rgba bg) const {
    Rgba s = At(x, y);
    float r = s.r + bg.r * (1 - s.a), g = s.g + bg.g * (1 - s.a), b = s.b + bg.b * (1 - s.a);
    return (static_cast<std::uint32_t>(ToByte(r)) << 16) | (static_cast<std::uint32_t>(ToByte(g)) << 8) |
           ToByte(b);
}

}  // namespace art
