#include "satellites/theories.h"

namespace vireon {

bool HasSatelliteTheory(PlanetId p)
{
    return p == Jupiter || p == Mars || p == Neptune || p == Pluto || p == Saturn || p == Uranus;
}

void RunSatelliteTheory(PlanetId p, const TheoryInput& in, PlanetPlaces& places, SatelliteRecord& record)
{
    switch (p) {
    case Mars: ComputeMarsSatellites(in, places, record); break;
    case Jupiter: ComputeJupiterSatellites(in, places, record); break;
    case Saturn: ComputeSaturnSatellites(in, places, record); break;
    case Uranus: ComputeUranusSatellites(in, places, record); break;
    case Neptune: ComputeNeptuneSatellites(in, places, record); break;
    case Pluto: ComputeCharon(in, places, record); break;
    default: break;
    }
}

}  // namespace vireon
