// The numerical model behind Pluto's Chebyshev table (ephemeris/pluto_chebyshev.cpp), shared by
// its generator (tools/generate_pluto_table.cpp) and by the test that regenerates a few of its
// segments from the committed start state.
//
// Model: six point masses under Newtonian gravity, barycentric, ICRF, au and days of TDB (taken
// as TT): the Sun with the masses of Mercury to Mars and the Moon added to its own, the
// barycentres of the systems of Jupiter, Saturn, Uranus and Neptune, and the barycentre of the
// Pluto system. Masses (GM) from the DE440/DE441 constants (Park et al. 2021, AJ 161, 105).
// Neglected: relativity (0.0004" a century on Pluto's perihelion), the asteroids, the Kuiper belt
// and the Sun's oblateness; the start state fitted to DE441 absorbs what they do over the fit.
//
// Integrator: the eight-stage Gauss-Legendre collocation method, of order 16, symplectic and
// symmetric (Hairer, Lubich & Wanner, Geometric Numerical Integration, 2nd ed. 2006, II.1.3 and
// VIII.6), written for second-order equations (the position stages use the square of the
// Runge-Kutta matrix), its implicit stages solved by fixed-point iteration. Its nodes, weights
// and matrix are computed from the roots of the Legendre polynomial, not typed in.
//
// Table: segments of 2922 days (8 Julian years) from JD 1721045.0, J2000.0 being the start of
// segment 250; in each, Pluto's heliocentric position (Pluto system barycentre minus the model's
// Sun) is interpolated at the twelve Chebyshev-Lobatto points, so that both ends of a segment are
// integration values and neighbouring segments meet exactly at their join. The Sun's motion about
// the barycentre (Jupiter's 0.005 au, with the harmonics of its eccentric orbit) is what limits
// the interpolation: with ten coefficients 0.004" at worst, with twelve 0.0004".
#pragma once

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <vector>

#include "core/types.h"
#include "core/vector3.h"

namespace vireon::pluto_model {

constexpr int BodyCount = 6;
constexpr int SunBody = 0, JupiterBody = 1, SaturnBody = 2, UranusBody = 3, NeptuneBody = 4, PlutoBody = 5;

// GM, au^3/day^2 (Park et al. 2021, Table 8): the Sun plus Mercury to Mars and the Moon
// (1.76867e-9), the systems of Jupiter to Neptune, the Pluto system.
constexpr std::array<Extended, BodyCount> GM = {
    2.9591220828411956e-4L + 1.76867e-9L, 2.8253458252257917e-7L, 8.4597059933762903e-8L,
    1.2920265649682399e-8L, 1.5243573478851939e-8L, 2.1750964648933581e-12L,
};

using Bodies = std::array<Vec3, BodyCount>;

// Barycentric positions (au) and velocities (au/day) at Day, days of TDB from J2000.0.
struct State {
    Extended Day = 0;
    Bodies Position{}, Velocity{};
};

// The table's grid, in days from J2000.0 (JD 2451545.0).
constexpr Extended FirstDay = -730500;  // JD 1721045.0, in December of year 0 (-1)
constexpr Extended SegmentDays = 2922;
constexpr int SegmentCount = 1250;      // to JD 5373545.0, in March of year 10000
constexpr int CoefficientCount = 12;    // per coordinate: Chebyshev polynomials T0..T11
constexpr int NodeCount = CoefficientCount;

// The default longest step, days; halving it moves Pluto by far less than the table's error.
constexpr Extended MaxStepDays = 32;

inline void Accelerations(const Bodies& r, Bodies& a)
{
    a.fill({});
    for (int i = 0; i < BodyCount; ++i) {
        for (int j = i + 1; j < BodyCount; ++j) {
            const Vec3 d = r[j] - r[i];
            const Extended r2 = Dot(d, d);
            const Extended inverseCube = 1 / (r2 * std::sqrt(r2));
            a[i] = a[i] + (GM[j] * inverseCube) * d;
            a[j] = a[j] - (GM[i] * inverseCube) * d;
        }
    }
}

constexpr int Stages = 8;

// Nodes c, weights b, and the matrices of the collocation method for y'' = f(y): with
// A_ij = integral from 0 to c_i of the j-th Lagrange polynomial on the nodes, the position
// stages take Abar = A A and the position update bbar = b A.
struct GaussLegendre {
    std::array<Extended, Stages> c{}, b{}, bbar{};
    std::array<std::array<Extended, Stages>, Stages> abar{};

    GaussLegendre()
    {
        // Roots of P_s on [-1, 1] by Newton's method from Tricomi's first guess; weights
        // 2 / ((1 - x^2) P_s'(x)^2); both mapped to [0, 1].
        for (int k = 0; k < Stages; ++k) {
            Extended x = std::cos(std::numbers::pi_v<Extended> * (k + 0.75L) / (Stages + 0.5L));
            Extended derivative = 1;
            for (int iteration = 0; iteration < 100; ++iteration) {
                Extended p0 = 1, p1 = x;
                for (int n = 2; n <= Stages; ++n) {
                    const Extended p2 = ((2 * n - 1) * x * p1 - (n - 1) * p0) / n;
                    p0 = p1;
                    p1 = p2;
                }
                derivative = Stages * (x * p1 - p0) / (x * x - 1);
                const Extended step = p1 / derivative;
                x -= step;
                if (std::fabs(step) < 1e-21L) break;
            }
            c[k] = (1 - x) / 2;
            b[k] = 1 / ((1 - x * x) * derivative * derivative);
        }
        auto lagrange = [this](int j, Extended x) {
            Extended v = 1;
            for (int m = 0; m < Stages; ++m)
                if (m != j) v *= (x - c[m]) / (c[j] - c[m]);
            return v;
        };
        // The integrals by the Gauss rule itself, exact for these polynomials of degree s - 1.
        std::array<std::array<Extended, Stages>, Stages> a{};
        for (int i = 0; i < Stages; ++i)
            for (int j = 0; j < Stages; ++j) {
                Extended sum = 0;
                for (int k = 0; k < Stages; ++k) sum += b[k] * lagrange(j, c[i] * c[k]);
                a[i][j] = c[i] * sum;
            }
        for (int i = 0; i < Stages; ++i)
            for (int j = 0; j < Stages; ++j) {
                Extended sum = 0;
                for (int k = 0; k < Stages; ++k) sum += a[i][k] * a[k][j];
                abar[i][j] = sum;
            }
        for (int j = 0; j < Stages; ++j) {
            Extended sum = 0;
            for (int i = 0; i < Stages; ++i) sum += b[i] * a[i][j];
            bbar[j] = sum;
        }
    }
};

// One step of h days (negative to go back). The stages' accelerations start from the step's
// initial acceleration and are iterated until the stage positions move by under 1e-16 au
// (1.5e-5 m; the last ulp of a position at 30 au is 3.5e-18 au).
inline void Step(const GaussLegendre& method, State& s, Extended h)
{
    std::array<Bodies, Stages> f, q;
    Bodies a0;
    Accelerations(s.Position, a0);
    f.fill(a0);
    for (int iteration = 0; iteration < 30; ++iteration) {
        Extended change = 0;
        for (int i = 0; i < Stages; ++i) {
            for (int n = 0; n < BodyCount; ++n) {
                Vec3 sum{};
                for (int j = 0; j < Stages; ++j) sum = sum + method.abar[i][j] * f[j][n];
                const Vec3 next = s.Position[n] + (method.c[i] * h) * s.Velocity[n] + (h * h) * sum;
                const Vec3 d = next - q[i][n];
                change = std::max({change, std::fabs(d.x), std::fabs(d.y), std::fabs(d.z)});
                q[i][n] = next;
            }
        }
        for (int i = 0; i < Stages; ++i) Accelerations(q[i], f[i]);
        if (iteration > 0 && change < 1e-16L) break;
    }
    for (int n = 0; n < BodyCount; ++n) {
        Vec3 dv{}, dq{};
        for (int j = 0; j < Stages; ++j) {
            dv = dv + method.b[j] * f[j][n];
            dq = dq + method.bbar[j] * f[j][n];
        }
        s.Position[n] = s.Position[n] + h * s.Velocity[n] + (h * h) * dq;
        s.Velocity[n] = s.Velocity[n] + h * dv;
    }
    s.Day += h;
}

// From s.Day to day exactly, in equal steps of at most maxStep days.
inline void Propagate(const GaussLegendre& method, State& s, Extended day, Extended maxStep = MaxStepDays)
{
    const Extended span = day - s.Day;
    if (span == 0) return;
    const long steps = static_cast<long>(std::ceil(std::fabs(span) / maxStep));
    const Extended h = span / steps;
    for (long k = 0; k < steps; ++k) Step(method, s, h);
    s.Day = day;
}

inline Vec3 PlutoHeliocentric(const State& s) { return s.Position[PlutoBody] - s.Position[SunBody]; }

// Where node m (0..11) of segment k stands, in days from J2000.0: the Chebyshev-Lobatto points
// x = -cos(pi m / 11), from the segment's start (x = -1) to its end (x = +1).
inline Extended NodeDay(int k, int m)
{
    const Extended start = FirstDay + k * SegmentDays;
    if (m == 0) return start;
    if (m == NodeCount - 1) return start + SegmentDays;
    return start + SegmentDays * (1 - std::cos(std::numbers::pi_v<Extended> * m / (NodeCount - 1))) / 2;
}

// One segment: Pluto's heliocentric position (au, ICRF) as Chebyshev coefficients per
// coordinate, and what the integration gave halfway between consecutive nodes (for checking
// the interpolation where it is worst).
struct Segment {
    int Index = 0;
    std::array<std::array<Extended, CoefficientCount>, 3> Coefficients{};
    std::array<Extended, NodeCount - 1> CheckDays{};
    std::array<Vec3, NodeCount - 1> CheckPositions{};
};

// Chebyshev coefficients of the polynomial of degree 11 through the values at the nodes
// (discrete cosine transform on the Lobatto points, first and last terms halved).
inline std::array<Extended, CoefficientCount> ChebyshevThrough(const std::array<Extended, NodeCount>& atNode)
{
    constexpr int N = NodeCount - 1;
    std::array<Extended, CoefficientCount> a{};
    for (int j = 0; j <= N; ++j) {
        Extended sum = 0;
        for (int m = 0; m <= N; ++m) {
            // Node m stands at x = cos(pi (N - m) / N).
            const Extended term = atNode[m] * std::cos(std::numbers::pi_v<Extended> * j * (N - m) / N);
            sum += (m == 0 || m == N) ? term / 2 : term;
        }
        a[j] = (j == 0 || j == N ? 1 : 2) * sum / N;
    }
    return a;
}

// The segments from the join where s stands, forward (direction +1: segments k, k + 1, ...)
// or backward (-1: k - 1, k - 2, ...), count of them; s is left at the last join reached.
inline std::vector<Segment> IntegrateSegments(const GaussLegendre& method, State& s, int direction, int count,
                                       Extended maxStep = MaxStepDays)
{
    std::vector<Segment> segments;
    const int join = static_cast<int>(std::lround((s.Day - FirstDay) / SegmentDays));
    for (int n = 0; n < count; ++n) {
        Segment seg;
        seg.Index = direction > 0 ? join + n : join - 1 - n;
        std::array<Vec3, NodeCount> atNode;
        for (int step = 0; step < NodeCount; ++step) {
            const int m = direction > 0 ? step : NodeCount - 1 - step;
            if (step > 0) {
                const int previous = direction > 0 ? m - 1 : m + 1;
                const int check = std::min(m, previous);
                seg.CheckDays[check] = (NodeDay(seg.Index, m) + NodeDay(seg.Index, previous)) / 2;
                Propagate(method, s, seg.CheckDays[check], maxStep);
                seg.CheckPositions[check] = PlutoHeliocentric(s);
            }
            Propagate(method, s, NodeDay(seg.Index, m), maxStep);
            atNode[m] = PlutoHeliocentric(s);
        }
        for (int axis = 0; axis < 3; ++axis) {
            std::array<Extended, NodeCount> values;
            for (int m = 0; m < NodeCount; ++m) values[m] = axis == 0 ? atNode[m].x : axis == 1 ? atNode[m].y : atNode[m].z;
            seg.Coefficients[axis] = ChebyshevThrough(values);
        }
        segments.push_back(seg);
    }
    return segments;
}

}  // namespace vireon::pluto_model
