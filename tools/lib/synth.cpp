#include "tools/lib/synth.h"

#include <algorithm>
#include <cmath>

#include "tools/lib/dmath.h"

namespace art {

int Samples(int rate, double seconds) {
    return static_cast<int>(std::lround(rate * seconds));
}

void AddNote(std::vector<double>& buf, int rate, const Note& n, double gain) {
    const int first = Samples(rate, n.start);
    const int count = Samples(rate, n.length);
    std::vector<double> phase(n.partials.size(), 0.0);
    for (int i = 0; i < count && first + i < static_cast<int>(buf.size()); ++i) {
        double t = static_cast<double>(i) / rate;
        // Envelope: raised-cosine attack, hold, exponential decay, raised-cosine release.
        double env = 1.0;
        if (t < n.attack) env = 0.5 - 0.5 * dm::Cos(dm::kPi * t / n.attack);
        if (t > n.attack + n.hold) env *= dm::Exp(-n.decay * (t - n.attack - n.hold));
        double untilEnd = n.length - t;
        if (untilEnd < n.release) env *= 0.5 - 0.5 * dm::Cos(dm::kPi * std::max(0.0, untilEnd) / n.release);
        double f = n.frequency;
        if (n.glideTo > 0) {
            double g = std::min(1.0, t / n.glideTime);
            f = n.frequency + (n.glideTo - n.frequency) * (1 - (1 - g) * (1 - g));
        }
        if (n.vibrato > 0) f *= 1.0 + n.vibrato * dm::Sin(dm::kTwoPi * 5.5 * t) * std::min(1.0, t / 0.15);
        double v = 0;
        for (std::size_t k = 0; k < n.partials.size(); ++k) {
            const Partial& p = n.partials[k];
            double fk = f * p.ratio;
            if (fk >= rate / 2.0) continue;  // nothing above the Nyquist limit
            phase[k] += dm::kTwoPi * fk / rate;
            if (phase[k] > dm::kTwoPi) phase[k] -= dm::kTwoPi;
            v += p.amplitude * dm::Exp(-p.decay * t) * dm::Sin(phase[k]);
        }
        buf[first + i] += gain * n.level * env * v;
    }
}

void Normalize(std::vector<std::vector<double>>& channels, double peak) {
    double top = 0;
    for (const auto& ch : channels)
        for (double v : ch) top = std::max(top, std::fabs(v));
    if (top <= 0) return;
    double k = peak / top;
    for (auto& ch : channels)
        for (double& v : ch) v *= k;
}

}  // namespace art
