// Basic types shared by every layer of Vireon.
#pragma once

#include <cstdint>

namespace vireon {

// All astronomy is computed in the x87 80-bit extended format.
using Extended = long double;

// Planet index used by every planet table: 4 Mars .. 9 Pluto.
using PlanetId = std::uint8_t;

inline constexpr PlanetId Mars = 4;
inline constexpr PlanetId Jupiter = 5;
inline constexpr PlanetId Saturn = 6;
inline constexpr PlanetId Uranus = 7;
inline constexpr PlanetId Neptune = 8;
inline constexpr PlanetId Pluto = 9;
inline constexpr PlanetId FirstPlanet = Mars;
inline constexpr PlanetId LastPlanet = Pluto;

inline constexpr bool IsPlanetId(int p) { return p >= FirstPlanet && p <= LastPlanet; }

// Speed of light in km per day (299792.458 km/s x 86400) and the astronomical unit in km.
inline constexpr Extended SpeedOfLightKmPerDay = 25902068371.2L;
inline constexpr Extended AstronomicalUnitKm = 149597870.66L;

}  // namespace vireon
