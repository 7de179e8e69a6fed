// The satellite record: what the shared projection (satellites/projection.h) writes for a view
// and an orientation, and every view, the data panel and vireon-ephem read.
#pragma once

#include <array>
#include <optional>

#include "core/types.h"
#include "ephemeris/apparent_place.h"
#include "ephemeris/horizon.h"
#include "ephemeris/planet_rotation.h"

namespace vireon {

// What the planet's globe does to a satellite at the instant (satellites/globe_phenomena.h).
struct SatellitePhenomena {
    bool Transit = false;        // in front of the globe, on the line of sight to it
    bool Occultation = false;    // hidden behind the globe
    bool ShadowTransit = false;  // its shadow falls on the side of the globe that faces the Earth
    bool Eclipse = false;        // in the globe's shadow

    friend bool operator==(const SatellitePhenomena&, const SatellitePhenomena&) = default;
};

// Per-satellite values are indexed 1..8 (slot 0 unused), as the satellites are numbered
// within their planet. A run writes entries 1..SatelliteCount only; the entries above keep
// what an earlier planet left there and are never read for the current planet.
struct SatelliteRecord {
    using PerSatellite = std::array<Extended, 9>;

    PerSatellite SatOffsetX{};           // arcsec, sky offset, horizontal axis (east for 'N'/'S')
    PerSatellite SatOffsetY{};           // arcsec, sky offset, vertical axis (north for 'N'/'S')
    PerSatellite SatDistance{};          // arcsec: sky distance in 'E', true distance on the planet's scale in 'P'/'G'
    PerSatellite SatApparentDiameter{};  // arcsec
    PerSatellite SatMagnitude{};         // visual magnitude
    std::array<char, 9> SatFarSide{};    // 'E' farther than the planet's centre, 'P' nearer (depth >= 0)
    PerSatellite SatPolarX{};            // polar-view coordinates (PolarPair, satellites/planet_descriptor.h)
    PerSatellite SatPolarY{};
    PerSatellite SatShadowX{};           // arcsec, sky position of the satellite's shadow (Mars, Jupiter, Saturn)
    PerSatellite SatShadowY{};
    // The phenomena that hold (Jupiter and Saturn, whose descriptors draw the shadows; all false
    // for the other planets, whose views keep the sky-distance hidden test).
    std::array<SatellitePhenomena, 9> SatPhenomena{};

    // Working values of the projection, not read by the display.
    PerSatellite SatDepth{};            // km, component toward the Earth
    PerSatellite SatRadiusVector{};     // km, distance from the planet's centre
    PerSatellite SatPlanetLongitude{};  // rad, planetocentric longitude in the planet's frame
    PerSatellite SatPlanetLatTan{};     // tangent of the planetocentric latitude

    std::array<Extended, 3> PlanetApparentDiameter{};  // [1] equatorial, [2] polar, arcsec
    Extended PlanetPolePA = 0;      // rad, position angle of the planet's north pole, from north through east
    Extended PhaseAngleSigned = 0;  // rad, phase angle signed by the side of the Sun
    Extended SatTheoryTime = 0;     // days from the theory's epoch less light time (Uranus)
    RingGeometry Rings;             // Saturn: the rings as drawn for the orientation
    CentralMeridians Meridians;     // Mars, Jupiter, Saturn: central meridians seen from the Earth
    // The planet's and the Sun's altitudes at the observing site, when there is one (the
    // equatorial view writes them in its top-left corner); empty otherwise.
    std::optional<SiteAltitudes> Horizon;
};

// The one record of the program.
extern SatelliteRecord Record;

}  // namespace vireon
