#include "tools/lib/mask.h"

#include <algorithm>
#include <cmath>

namespace art {

namespace {

double signedArea(const std::vector<Vec>& c) {
    double a = 0;
    for (std::size_t i = 0; i < c.size(); ++i) {
        const Vec& p = c[i];
        const Vec& q = c[(i + 1) % c.size()];
        a += p.x * q.y - q.x * p.y;
    }
    return a / 2;
}

// Accumulates the signed area one edge adds to each pixel; a running sum over a row is coverage.
class Accumulator {
  public:
    Accumulator(int w, int h) : w_(w), h_(h), acc_(static_cast<std::size_t>(w + 2) * h, 0.0) {}

    void Edge(Vec p0, Vec p1) {
        // Parts left of the canvas cover everything to their right, parts right of it nothing:
        // cut the edge at x = 0 and x = w and lay the outside pieces on those borders.
        double xs[2] = {0.0, static_cast<double>(w_)};
        for (double cut : xs) {
            if ((p0.x < cut && p1.x > cut) || (p0.x > cut && p1.x < cut)) {
                double t = (cut - p0.x) / (p1.x - p0.x);
                Vec m{cut, p0.y + t * (p1.y - p0.y)};
                Edge(p0, m);
                Edge(m, p1);
                return;
            }
        }
        p0.x = std::clamp(p0.x, 0.0, static_cast<double>(w_));
        p1.x = std::clamp(p1.x, 0.0, static_cast<double>(w_));
        Line(p0, p1);
    }

    void Resolve(Mask& m) const {
        int ymin = h_, ymax = 0;
        for (int y = 0; y < h_; ++y) {
            double sum = 0;
            const double* row = &acc_[static_cast<std::size_t>(y) * (w_ + 2)];
            bool any = false;
            for (int x = 0; x < w_; ++x) {
                sum += row[x];
                float c = static_cast<float>(std::min(1.0, std::fabs(sum)));
                if (c < 1e-6f) c = 0;
                m.At(x, y) = c;
                any = any || c > 0;
            }
            if (any) {
                ymin = std::min(ymin, y);
                ymax = y + 1;
            }
        }
        m.MarkRows(ymin < ymax ? ymin : 0, ymin < ymax ? ymax : 0);
    }

  private:
    void Add(int x, int y, double v) {
        if (x < 0) x = 0;
        if (x > w_ + 1) x = w_ + 1;
        acc_[static_cast<std::size_t>(y) * (w_ + 2) + x] += v;
    }

    void Line(Vec p0, Vec p1) {
        if (p0.y == p1.y) return;
        double dir = 1.0;
        if (p0.y > p1.y) {
            std::swap(p0, p1);
            dir = -1.0;
        }
        double dxdy = (p1.x - p0.x) / (p1.y - p0.y);
        double ystart = std::max(p0.y, 0.0);
        double yend = std::min(p1.y, static_cast<double>(h_));
        if (ystart >= yend) return;
        double x = p0.x + (ystart - p0.y) * dxdy;
        for (int y = static_cast<int>(ystart); y < h_ && y < yend; ++y) {
            double dy = std::min(static_cast<double>(y + 1), yend) - std::max(static_cast<double>(y), ystart);
            double xnext = x + dxdy * dy;
            double d = dy * dir;
            double xa = std::min(x, xnext), xb = std::max(x, xnext);
            double xaf = std::floor(xa);
            int xai = static_cast<int>(xaf);
            double xbc = std::ceil(xb);
            int xbi = static_cast<int>(xbc);
            if (xbi <= xai + 1) {
                // The edge stays within one pixel column on this row.
                double xmf = 0.5 * (x + xnext) - xaf;
                Add(xai, y, d - d * xmf);
                Add(xai + 1, y, d * xmf);
            } else {
                double s = 1.0 / (xb - xa);
                double xa0 = xa - xaf;
                double a0 = 0.5 * s * (1 - xa0) * (1 - xa0);
                double xb1 = xb - xbc + 1;
                double am = 0.5 * s * xb1 * xb1;
                Add(xai, y, d * a0);
                if (xbi == xai + 2) {
                    Add(xai + 1, y, d * (1 - a0 - am));
                } else {
                    double a1 = s * (1.5 - xa0);
                    Add(xai + 1, y, d * (a1 - a0));
                    for (int xi = xai + 2; xi < xbi - 1; ++xi) Add(xi, y, d * s);
                    double a2 = a1 + (xbi - xai - 3) * s;
                    Add(xbi - 1, y, d * (1 - a2 - am));
                }
                Add(xbi, y, d * am);
            }
            x = xnext;
        }
    }

    int w_, h_;
    std::vector<double> acc_;
};

}  // namespace

void Mask::MarkRows(int y0, int y1) {
    y0_ = y0;
    y1_ = y1;
}

Mask& Mask::Subtract(const Mask& o) {
    for (std::size_t i = 0; i < cov_.size(); ++i) cov_[i] *= 1.0f - o.cov_[i];
    return *this;
}

Mask& Mask::Intersect(const Mask& o) {
    for (std::size_t i = 0; i < cov_.size(); ++i) cov_[i] *= o.cov_[i];
    return *this;
}

Mask& Mask::Unite(const Mask& o) {
    for (std::size_t i = 0; i < cov_.size(); ++i) cov_[i] = cov_[i] + o.cov_[i] - cov_[i] * o.cov_[i];
    if (o.y1_ > o.y0_) {
        y0_ = y1_ > y0_ ? std::min(y0_, o.y0_) : o.y0_;
        y1_ = std::max(y1_, o.y1_);
    }
    return *this;
}

Mask& Mask::Scale(float factor) {
    for (float& c : cov_) c *= factor;
    return *this;
}

Mask Rasterize(const Path& path, int w, int h) {
    Accumulator acc(w, h);
    for (const auto& c : path.Contours()) {
        if (c.size() < 3) continue;
        bool reverse = signedArea(c) < 0;
        for (std::size_t i = 0; i < c.size(); ++i) {
            Vec p = c[i], q = c[(i + 1) % c.size()];
            if (reverse) std::swap(p, q);
            acc.Edge(p, q);
        }
    }
    Mask m(w, h);
    acc.Resolve(m);
    return m;
}

}  // namespace art
