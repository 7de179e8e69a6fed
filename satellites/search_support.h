// What the searches over a span of whole seconds share (satellites/phenomena.cpp,
// satellites/mutual_events.cpp): the whole seconds of the program's calendar counted from a
// base instant, and the one-dimensional root and minimum finders that refine a bracketed change.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "core/instants.h"
#include "core/time_base.h"
#include "core/types.h"

namespace vireon {

// --- Whole seconds of the program's calendar ---

// Julian Day of 00:00:00 of the fields' day (x.5 exactly).
Extended MidnightJD(const CalendarFields& f);

std::int64_t SecondOfDay(const CalendarFields& f);

// The fields n whole seconds after base (n may be negative).
CalendarFields FieldsAfter(const CalendarFields& base, std::int64_t n);

// Whole seconds from one instant to another (both whole seconds).
std::int64_t SecondsBetween(const CalendarFields& from, const CalendarFields& to);

// --- Refinement ---

// Brent's method (Brent 1973, Algorithms for Minimization without Derivatives, ch. 4) for the
// zero of f in [a, b], where f(a) and f(b) differ in sign, to within tol.
template <class F>
Extended BrentZero(F f, Extended a, Extended b, Extended fa, Extended fb, Extended tol)
{
    Extended c = a, fc = fa, d = b - a, e = d;
    for (int iteration = 0; iteration < 100; ++iteration) {
        if ((fb < 0) == (fc < 0)) {
            c = a;
            fc = fa;
            d = e = b - a;
        }
        if (std::fabs(fc) < std::fabs(fb)) {
            a = b;
            b = c;
            c = a;
            fa = fb;
            fb = fc;
            fc = fa;
        }
        const Extended m = (c - b) / 2;
        if (std::fabs(m) <= tol || fb == 0) break;
        if (std::fabs(e) >= tol && std::fabs(fa) > std::fabs(fb)) {
            // Secant or inverse quadratic interpolation, accepted when it stays well inside.
            Extended p, q;
            const Extended s = fb / fa;
            if (a == c) {
                p = 2 * m * s;
                q = 1 - s;
            } else {
                const Extended r = fb / fc, t = fa / fc;
                p = s * (2 * m * t * (t - r) - (b - a) * (r - 1));
                q = (t - 1) * (r - 1) * (s - 1);
            }
            if (p > 0) q = -q;
            else p = -p;
            if (2 * p < std::min(3 * m * q - std::fabs(tol * q), std::fabs(e * q))) {
                e = d;
                d = p / q;
            } else {
                d = e = m;
            }
        } else {
            d = e = m;
        }
        a = b;
        fa = fb;
        b += std::fabs(d) > tol ? d : (m > 0 ? tol : -tol);
        fb = f(b);
    }
    return b;
}

// Where f takes its least value on [a, b], and that value.
struct Minimum {
    Extended X = 0;
    Extended F = 0;
};

// Brent's method for a minimum (Brent 1973, ch. 5: golden sections with parabolic steps) of f
// on [a, b], to within tol; f is evaluated at interior points only. A minimum at an end of the
// bracket is approached to within tol of it.
template <class F>
Minimum BrentMinimum(F f, Extended a, Extended b, Extended tol)
{
    const Extended golden = (3 - std::sqrt(Extended{5})) / 2;
    Extended v = a + golden * (b - a), w = v, x = v;
    Extended fx = f(x), fv = fx, fw = fx;
    Extended d = 0, e = 0;
    for (int iteration = 0; iteration < 100; ++iteration) {
        const Extended middle = (a + b) / 2;
        const Extended tol2 = 2 * tol;
        if (std::fabs(x - middle) <= tol2 - (b - a) / 2) break;
        bool goldenStep = true;
        if (std::fabs(e) > tol) {
            // A parabola through x, v and w, taken when it falls inside and shrinks the steps.
            Extended r = (x - w) * (fx - fv);
            Extended q = (x - v) * (fx - fw);
            Extended p = (x - v) * q - (x - w) * r;
            q = 2 * (q - r);
            if (q > 0) p = -p;
            else q = -q;
            const Extended previous = e;
            e = d;
            if (std::fabs(p) < std::fabs(q * previous / 2) && p > q * (a - x) && p < q * (b - x)) {
                d = p / q;
                const Extended u = x + d;
                if (u - a < tol2 || b - u < tol2) d = x < middle ? tol : -tol;
                goldenStep = false;
            }
        }
        if (goldenStep) {
            e = (x < middle ? b : a) - x;
            d = golden * e;
        }
        const Extended u = x + (std::fabs(d) >= tol ? d : (d > 0 ? tol : -tol));
        const Extended fu = f(u);
        if (fu <= fx) {
            (u < x ? b : a) = x;
            v = w;
            fv = fw;
            w = x;
            fw = fx;
            x = u;
            fx = fu;
        } else {
            (u < x ? a : b) = u;
            if (fu <= fw || w == x) {
                v = w;
                fv = fw;
                w = u;
                fw = fu;
            } else if (fu <= fv || v == x || v == w) {
                v = u;
                fv = fu;
            }
        }
    }
    return {x, fx};
}

}  // namespace vireon
