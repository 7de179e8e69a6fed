// The satellite theories, one per planet, and the dispatcher the driver and the graph view use.
#pragma once

#include "core/types.h"
#include "ephemeris/apparent_place.h"
#include "satellites/satellite_record.h"

namespace vireon {

// What a theory reads besides the planet places: the instant and the view settings.
struct TheoryInput {
    Extended JD = 0;        // Julian Day rebuilt from the calendar fields (whole seconds)
    int Year = 2000;        // calendar year of the instant (Mars's pole moves once a year)
    vireon::ViewMode ViewMode = ViewMode::Equatorial;
    vireon::Orientation Orientation = Orientation::North;
};

// Each computes its planet's apparent place into places and fills record entries 1..N.
void ComputeMarsSatellites(const TheoryInput& in, PlanetPlaces& places, SatelliteRecord& record);
void ComputeJupiterSatellites(const TheoryInput& in, PlanetPlaces& places, SatelliteRecord& record);
void ComputeSaturnSatellites(const TheoryInput& in, PlanetPlaces& places, SatelliteRecord& record);
void ComputeUranusSatellites(const TheoryInput& in, PlanetPlaces& places, SatelliteRecord& record);
void ComputeNeptuneSatellites(const TheoryInput& in, PlanetPlaces& places, SatelliteRecord& record);
void ComputeCharon(const TheoryInput& in, PlanetPlaces& places, SatelliteRecord& record);

// Whether the planet's theory is built into this version (vireon-ephem refuses the others).
bool HasSatelliteTheory(PlanetId p);

// Runs the theory of planet p for the instant of the calendar fields given.
void RunSatelliteTheory(PlanetId p, const TheoryInput& in, PlanetPlaces& places, SatelliteRecord& record);

}  // namespace vireon
