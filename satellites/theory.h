// The contract every satellite theory keeps, and the run of a theory for the program's views.
//
// A theory computes, for one instant, its planet's apparent place (into PlanetPlaces, as the
// ephemeris pipeline leaves it), the planet-level values and each satellite's planetocentric
// position as seen from the Earth, in a SatelliteSystem. It computes nothing that depends on
// the view: one shared projection (satellites/projection.h) turns a SatelliteSystem into the
// SatelliteRecord for a view and an orientation.
#pragma once

#include <array>

#include "core/types.h"
#include "core/vector3.h"
#include "ephemeris/apparent_place.h"
#include "satellites/planet_descriptor.h"
#include "satellites/satellite_record.h"

namespace vireon {

// The instant of a run.
struct TheoryInstant {
    Extended JD = 0;  // Julian Day as entered (whole seconds; no time zone, no Delta T)
    int Year = 2000;  // its calendar year (Mars's pole moves once a year)
};

// What a theory computes for one instant. Frame: the true equator and equinox of the date; km.
struct SatelliteSystem {
    PlanetId Planet = Jupiter;

    // The planet.
    Vec3 Geocentric;     // the Earth to the planet, apparent (light time and aberration applied)
    Vec3 Heliocentric;   // the Sun to the planet at the instant: the sunlight of the shadows (zero
                         // when the theory computes none)
    Vec3 Pole;           // unit vector of the north pole of the globe the theory uses (zero when none)
    Extended PolePA = 0; // rad, position angle of the north pole drawn, from celestial north through east
    Extended EquatorialRadiusKm = 0;  // the globe drawn and the spheroid of the shadows
    Extended PolarRadiusKm = 0;
    Extended PhaseAngleSigned = 0;    // rad, Sun-planet-Earth, positive before opposition; 0 when none
    RingGeometry Rings;               // Saturn: the rings as seen from the Earth
    Extended TheoryTime = 0;          // days from the theory's epoch less light time (Uranus)

    // The satellites 1..Count: planetocentric position as seen from the Earth (the planet's light
    // time applied), and the same point in the theory's own planet frame, whose xy plane and x axis
    // give the polar view's longitudes.
    int Count = 0;
    std::array<Vec3, 9> Position{};
    std::array<Vec3, 9> PlanetFrame{};
};

// A system for planet p as its theory starts it from the planet's apparent place (places, after
// the apparent-place pipeline ran): the planet, its geocentric vector, the disc radii and the
// satellite count of its descriptor; everything else zero.
SatelliteSystem BeginSystem(PlanetId p, const PlanetPlaces& places);

// The six theories (one file each in satellites/).
void ComputeMarsSystem(const TheoryInstant& instant, PlanetPlaces& places, SatelliteSystem& system);
void ComputeJupiterSystem(const TheoryInstant& instant, PlanetPlaces& places, SatelliteSystem& system);
void ComputeSaturnSystem(const TheoryInstant& instant, PlanetPlaces& places, SatelliteSystem& system);
void ComputeUranusSystem(const TheoryInstant& instant, PlanetPlaces& places, SatelliteSystem& system);
void ComputeNeptuneSystem(const TheoryInstant& instant, PlanetPlaces& places, SatelliteSystem& system);
void ComputePlutoSystem(const TheoryInstant& instant, PlanetPlaces& places, SatelliteSystem& system);

// Runs planet p's theory for the instant (writes places and system).
void ComputeSatelliteSystem(PlanetId p, const TheoryInstant& instant, PlanetPlaces& places, SatelliteSystem& system);

// The instant and the view settings of a run for the views.
struct TheoryInput {
    Extended JD = 0;
    int Year = 2000;
    vireon::ViewMode ViewMode = ViewMode::Equatorial;
    vireon::Orientation Orientation = Orientation::North;
};

// Runs planet p's theory for the instant and projects it into the record for the view and
// orientation given (the record's slots above the planet's satellites keep what they held).
void RunSatelliteTheory(PlanetId p, const TheoryInput& in, PlanetPlaces& places, SatelliteRecord& record);

}  // namespace vireon
