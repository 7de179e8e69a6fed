// Pixel coordinates of a fixed set of unit coordinates drawn at many scales: origin + u k for
// every u, rounded by PixelRound. Saturn's ring bands draw one half-ellipse outline at 85
// scales per side, some seven thousand points a frame.
//
// The integers are those of the extended computation PixelRound(origin + u * k), always. They
// are first computed in 64-bit arithmetic, which is exact enough wherever the result is not
// close to a half-integer: with |origin| <= 2^16, |u| <= 2^30, |k| <= 2^30 and |u k| <= 2^20,
// the 64-bit sum S_d differs from the exact origin + u k by at most
//     2^-53 (3 |u k| + |origin + u k|) (1 + 1e-7) < 2^-53 x 2^22.1 < 2^-30.9
// (rounding of u, of k, of their product and of the sum; a subnormal u, k or product adds at
// most 2^-1040), and the extended sum S_e by at most 2^-64 (|u k| + |S_e|) < 2^-42. So
// |S_d - S_e| < 2^-30. Where S_d lies farther than 2^-20 from every half-integer, S_e lies on
// the same side of each and rounds to the same integer (a tie of S_e would put S_d within
// 2^-30 of it). The few points within 2^-20 of a half-integer, and every point of a scale
// outside those bounds (or not finite), are computed in extended.
// Both computations assume the default rounding mode, as PixelRound's ties-to-even does.
#pragma once

#include <array>
#include <cmath>
#include <cstddef>

#include "core/conventions.h"

namespace vireon {

template <std::size_t N>
class ScaledPixels {
public:
    explicit ScaledPixels(const std::array<Extended, N>& unit) : unit_(unit)
    {
        for (std::size_t n = 0; n < N; ++n) {
            const Extended a = std::fabs(unit[n]);
            // False for a NaN, which then admits no scale.
            unitBounded_ = unitBounded_ && a <= Limit30;
            if (a > maxAbs_) maxAbs_ = a;
            unitDouble_[n] = static_cast<double>(unit[n]);
        }
    }

    // out[n] = PixelRound(origin + unit[n] * k), origin converted to extended.
    void Round(int origin, Extended k, std::array<int, N>& out) const
    {
        const Extended absK = std::fabs(k);
        // Each comparison is false for a NaN.
        const bool bounded = unitBounded_ && origin >= -Limit16 && origin <= Limit16 && absK <= Limit30 &&
                             absK * maxAbs_ <= Limit20;
        if (!bounded) {
            for (std::size_t n = 0; n < N; ++n) out[n] = RoundExtended(origin, unit_[n], k);
            return;
        }
        const double o = origin;
        const double kd = static_cast<double>(k);
        // Free of branches, so that it runs on pairs of doubles; the few points near a
        // half-integer are done again in extended afterwards.
        int nearHalf = 0;
        for (std::size_t n = 0; n < N; ++n) {
            const double s = o + unitDouble_[n] * kd;
            const double r = RoundDouble(s);
            nearHalf |= NearHalf(s, r);
            out[n] = static_cast<int>(r);
        }
        if (nearHalf == 0) return;
        for (std::size_t n = 0; n < N; ++n) {
            const double s = o + unitDouble_[n] * kd;
            if (NearHalf(s, RoundDouble(s))) out[n] = RoundExtended(origin, unit_[n], k);
        }
    }

private:
    static int RoundExtended(int origin, Extended u, Extended k) { return PixelRound(origin + u * k); }
    // s rounded to an integer, ties to even, for |s| < 2^51: the sum lies in [2^52, 2^53),
    // where the unit of the 53-bit significand is 1.
    static double RoundDouble(double s) { return (s + 0x1.8p52) - 0x1.8p52; }

    // Whether s lies within 2^-20 of a half-integer, r being s rounded. s - r is exact (the two
    // are within half a unit), and so is its scaling by 2^21, which the conversion truncates:
    // the test reads |s - r| >= 0.5 - 2^-20. Integers, not a comparison of doubles, let the
    // compiler test two points at once.
    static int NearHalf(double s, double r) { return static_cast<int>(std::fabs(s - r) * 0x1p21) >= (1 << 20) - 2; }

    static constexpr int Limit16 = 1 << 16;
    static constexpr Extended Limit20 = 0x1p20L;
    static constexpr Extended Limit30 = 0x1p30L;

    std::array<Extended, N> unit_;
    std::array<double, N> unitDouble_{};
    Extended maxAbs_ = 0;
    bool unitBounded_ = true;
};

}  // namespace vireon
