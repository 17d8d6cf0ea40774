// One-dimensional searches shared by the event and eclipse searches: the lowest point of a
// function with a single dip in an interval, and where a function changes sign.
#pragma once

#include <cmath>

namespace astro {

inline constexpr double kGoldenSection = 0.6180339887498949;  // (sqrt(5) - 1) / 2
inline constexpr double kOneSecondInHours = 1.0 / 3600;     // the precision searches over hours ask

// The argument of f's minimum in [a, b], by golden sections until the interval is narrower
// than `tolerance`; f has a single dip there.
template <class F>
double lowest_between(const F& f, double a, double b, double tolerance) {
    double c = b - kGoldenSection * (b - a), d = a + kGoldenSection * (b - a);
    double fc = f(c), fd = f(d);
    while (b - a > tolerance) {
        if (fc < fd) {
            b = d;
            d = c;
            fd = fc;
            c = b - kGoldenSection * (b - a);
            fc = f(c);
        } else {
            a = c;
            c = d;
            fc = fd;
            d = a + kGoldenSection * (b - a);
            fd = f(d);
        }
    }
    return 0.5 * (a + b);
}

// Where f changes sign in [a, b] (f(a) and f(b) on either side of zero), by halving until
// the interval is narrower than `tolerance`.
template <class F>
double sign_change_between(const F& f, double a, double b, double tolerance) {
    const bool rising = f(a) < 0;
    while (std::fabs(b - a) > tolerance) {
        const double m = 0.5 * (a + b);
        ((f(m) < 0) == rising ? a : b) = m;
    }
    return 0.5 * (a + b);
}

}  // namespace astro
