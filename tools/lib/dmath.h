// Deterministic elementary functions: the same bits on every build type and optimisation level,
// so regenerated resources compare byte for byte (libm results may differ from compile-time folding).
#pragma once

#include <cmath>

namespace dm {

constexpr double kPi = 3.14159265358979323846;
constexpr double kTwoPi = 2.0 * kPi;

// Sine by reduction to [-pi/2, pi/2] and a Taylor series accurate far below 8-bit or 16-bit steps.
inline double Sin(double x) {
    double k = std::floor(x / kTwoPi + 0.5);
    x -= k * kTwoPi;
    if (x > kPi / 2) x = kPi - x;
    if (x < -kPi / 2) x = -kPi - x;
    double x2 = x * x;
    double term = x, sum = x;
    for (int n = 1; n < 12; ++n) {
        term *= -x2 / ((2.0 * n) * (2.0 * n + 1.0));
        sum += term;
    }
    return sum;
}

inline double Cos(double x) {
    return Sin(x + kPi / 2);
}

// e^x for the envelopes: 2^k scaling (exact) and a series for the small remainder.
inline double Exp(double x) {
    if (x < -700) return 0.0;
    double k = std::floor(x / 0.69314718055994530942 + 0.5);
    double r = x - k * 0.69314718055994530942;
    double term = 1.0, sum = 1.0;
    for (int n = 1; n < 20; ++n) {
        term *= r / n;
        sum += term;
    }
    return std::ldexp(sum, static_cast<int>(k));
}

inline double Clamp(double v, double lo, double hi) {
    return v < lo ? lo : (v > hi ? hi : v);
}

}  // namespace dm
