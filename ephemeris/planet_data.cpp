#include "ephemeris/planet_data.h"

#include <cassert>

namespace vireon {
namespace {

// Diameters in km (equatorial, polar); Pluto is taken as a sphere.
constexpr PlanetData Planets[6] = {
    {2, 6794, 6750},      // Mars
    {4, 142796, 133708},  // Jupiter
    {8, 120536, 108728},  // Saturn
    {5, 51118, 48946},    // Uranus
    {2, 50538, 49600},    // Neptune
    {1, 2306, 2306},      // Pluto
};

}  // namespace

const PlanetData& PlanetInfo(PlanetId p)
{
    assert(IsPlanetId(p));
    return Planets[(IsPlanetId(p) ? p : Jupiter) - FirstPlanet];
}

}  // namespace vireon
