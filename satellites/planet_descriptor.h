// One descriptor per planet: everything the program knows of a planet and its satellites that
// is a fact rather than a computation. The theories, the shared projection, the driver, the
// views, the data panel and vireon-ephem read these instead of keeping their own per-planet
// switches, so adding a planet or a satellite is one entry here plus its theory.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "core/types.h"
#include "ephemeris/planet_rotation.h"

namespace vireon {

struct PlanetPlaces;
struct SatelliteAxes;
struct SatelliteSystem;
struct TheoryInstant;

// A theory: computes the planet's apparent place into places and the planet-level values and
// satellite positions into system (satellites/theory.h).
using SatelliteTheory = void (*)(const TheoryInstant& instant, PlanetPlaces& places, SatelliteSystem& system);
// The satellites of such a theory from the instant and the planet-level axes of a run
// (satellites/theory.h): PlanetFrame and Position of the satellites first..last.
using SatellitePlacer = void (*)(Extended jd, const SatelliteAxes& axes, int first, int last, SatelliteSystem& system);

struct SatelliteFacts {
    const char* Name = "";    // as shown to the user, UTF-8
    Extended RadiusKm = 0;    // for the apparent diameter
    Extended Magnitude = 0;   // mean visual magnitude at opposition
};

// What the polar view's pair (SatPolarX, SatPolarY) holds for a planet.
enum class PolarPair : std::uint8_t {
    // sin and cos of the planetocentric longitude in the theory's planet frame, times SatDistance
    FromLongitude,
    // minus the offset along the planet's projected equator, and the depth on the planet's angular
    // scale; the polar view with south up keeps the previous run's pair
    FromEquatorOffsetAndDepth,
    // the sky distance and the position angle of the offsets
    SkyDistanceAndAngle,
};

// A central meridian the equatorial view writes: its label ("MC I") and the rotation system.
struct MeridianLine {
    const char* Label = "";
    std::optional<Extended> CentralMeridians::*System = nullptr;
};

struct PlanetDescriptor {
    PlanetId Id = Jupiter;
    const char* CommandName = "";  // vireon-ephem's --planet value
    const char* Name = "";         // in a sentence ("Saturne"), UTF-8
    const char* CapitalName = "";  // the data panel's and the graph's caption
    std::array<std::uint8_t, 3> Colour{};  // of the disc, red, green, blue

    int SatelliteCount = 0;
    std::array<SatelliteFacts, 9> Satellites{};  // indexed 1..SatelliteCount

    // The globe: diameters of the catalogue (the data panel's thousands of km, the true distances
    // of the polar view), and the radii of the disc drawn and of the spheroid that casts and
    // receives the shadows, km.
    Extended EquatorialDiameterKm = 0;
    Extended PolarDiameterKm = 0;
    Extended DiscEquatorialRadiusKm = 0;
    Extended DiscPolarRadiusKm = 0;

    SatelliteTheory Theory = nullptr;
    // Set for the theories whose satellites depend on the planet only through SatelliteAxes
    // (Jupiter, Saturn): the phenomena search places them between full runs of the theory.
    SatellitePlacer PlaceSatellites = nullptr;

    // The shared projection's rules.
    bool OrientsOffsets = false;      // the planetary orientations turn the offsets onto the planet's axes
    PolarPair Polar = PolarPair::FromLongitude;
    Extended SkyFlattening = 1;       // SatDistance in the equatorial view is hypot(X, f Y)
    Extended TrueDistanceScale = 1;   // SatDistance in the polar and graph views, in units of the true distance
    bool SkyDistanceInEveryView = false;
    bool RecordsMagnitudes = true;    // writes SatMagnitude (the panel shows Magnitude in any case)
    bool SignedPhaseAngle = false;    // the theory computes the phase angle (0 otherwise)
    bool ComputesShadows = false;     // SatShadowX/Y are computed
    bool DrawsShadows = false;        // and drawn on the disc, with the satellites' transits, occultations
                                      // and eclipses by the globe (satellites/globe_phenomena.h)
    bool HasRings = false;

    // The views.
    int AutoZoom = 1;                  // the zoom factor the automatic zoom gives
    Extended MinDiscArcsecPerPixel = 0;  // the disc and scale bar never get coarser than this (0: no limit)
    Extended ScaleBarArcsec = 10;
    Extended GraphFactor = 1;          // the monthly graph widens the satellites' distances by this
    bool PolarEarthSunMarks = false;   // the polar view marks the directions of the Earth and the Sun
    std::array<MeridianLine, 2> MeridianLines{};  // the equatorial view's corner, top down
    int MeridianLineCount = 0;
};

// The descriptor of planet p (4 Mars .. 9 Pluto); asserted.
const PlanetDescriptor& Planet(PlanetId p);

// Name of satellite k (1..8) of planet p as shown to the user (UTF-8); empty above its count.
const char* SatelliteName(PlanetId p, int k);

}  // namespace vireon
