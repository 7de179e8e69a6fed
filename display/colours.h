// Colours of the views and the legend (red, green, blue, 0..255), and Saturn's ring bands.
#pragma once

#include "core/types.h"
#include "display/canvas.h"
#include "satellites/planet_descriptor.h"

namespace vireon {

inline constexpr Color GreyBorder{128, 128, 128};  // erase border, day grid, field circle in trace mode
inline constexpr Color Black{0, 0, 0};             // background, hidden satellites, shadows
inline constexpr Color ScaleRed{255, 0, 0};        // scale bar and its text
inline constexpr Color AxisGrey{192, 192, 192};    // the planet's rotation axis
inline constexpr Color Navy{0, 0, 128};            // satellite in the planet's shadow
inline constexpr Color EarthBlue{0, 0, 255};       // "T" mark of the polar view
inline constexpr Color SunYellow{255, 255, 0};     // "S" mark of the polar view
inline constexpr Color DirectionMagenta{255, 0, 255};  // "Nord"/"Sud" of the monthly graph

// Outline, fill and number colour of satellite k (1..8).
inline constexpr Color SatelliteColour(int k)
{
    constexpr Color table[9] = {
        {0, 0, 0},       {255, 255, 0}, {0, 255, 0}, {0, 255, 255}, {255, 0, 0},
        {0, 128, 128},   {255, 0, 255}, {0, 128, 0}, {128, 128, 0},
    };
    return (k >= 1 && k <= 8) ? table[k] : table[0];
}

// Outline and fill of the planet's disc.
inline Color PlanetColour(PlanetId p)
{
    if (!IsPlanetId(p)) return {255, 255, 255};
    const auto& rgb = Planet(p).Colour;
    return {rgb[0], rgb[1], rgb[2]};
}

// Saturn's rings are drawn as bands of concentric ellipses whose size factor f (a fraction of
// the outer edge of the ring system) runs down by 0.005 from First while it stays above Below.
// The factors are kept in units of 1/4000 so that the number of ellipses of a band is an exact
// integer count (an accumulated 0.005 drifts and can add or drop the last one).
struct RingBand {
    int FirstQuarterMils;  // f = FirstQuarterMils / 4000
    int BelowQuarterMils;  // exclusive lower bound, same unit
    Color Pen;

    static constexpr int StepQuarterMils = 20;  // 0.005
    constexpr int Count() const
    {
        return (FirstQuarterMils - BelowQuarterMils + StepQuarterMils - 1) / StepQuarterMils;
    }
    Extended Factor(int j) const
    {
        return static_cast<Extended>(FirstQuarterMils - StepQuarterMils * j) / 4000.0L;
    }
};

// Outer (A ring), middle (B ring) and inner (C ring) bands, from the outside in.
inline constexpr RingBand RingBands[3] = {
    {4000, 3530, {160, 160, 160}},  // 1.0 down to 0.8825
    {3430, 2660, {200, 200, 200}},  // 0.8575 down to 0.665
    {2640, 2200, {51, 51, 51}},     // 0.66 down to 0.55
};
static_assert(RingBands[0].Count() == 24 && RingBands[1].Count() == 39 && RingBands[2].Count() == 22);

}  // namespace vireon
