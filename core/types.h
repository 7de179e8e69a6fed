// Basic types shared by every layer of Vireon.
#pragma once

#include <cstdint>
#include <iosfwd>

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

// The view, the orientation of the picture and the unit of the data panel; each value is the
// letter the program has always used for it.
enum class ViewMode : char {
    Equatorial = 'E',  // the sky as seen from the Earth
    Polar = 'P',       // from above the planet's north pole
    Graph = 'G',       // the satellites' east-west distances over a month
};
enum class Orientation : char {
    North = 'N',        // celestial north up
    South = 'S',        // celestial south up
    PlanetNorth = 'B',  // the planet's north pole up
    PlanetSouth = 'A',  // the planet's south pole up
};
enum class DistanceUnit : char {
    Arcseconds = 'S',
    PlanetRadii = 'P',
    ThousandsOfKm = 'K',
};

// The letter of a value, for texts and command lines.
constexpr char Letter(ViewMode v) { return static_cast<char>(v); }
constexpr char Letter(Orientation o) { return static_cast<char>(o); }
constexpr char Letter(DistanceUnit u) { return static_cast<char>(u); }

// Writes the letter (diagnostics and test messages).
std::ostream& operator<<(std::ostream& out, ViewMode v);
std::ostream& operator<<(std::ostream& out, Orientation o);
std::ostream& operator<<(std::ostream& out, DistanceUnit u);

// Whether the orientation turns the picture onto the planet's axes ('B' or 'A').
constexpr bool IsPlanetary(Orientation o) { return o == Orientation::PlanetNorth || o == Orientation::PlanetSouth; }

// Speed of light in km per day (299792.458 km/s x 86400) and the astronomical unit in km.
inline constexpr Extended SpeedOfLightKmPerDay = 25902068371.2L;
inline constexpr Extended AstronomicalUnitKm = 149597870.66L;

}  // namespace vireon
