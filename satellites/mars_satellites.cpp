#include "satellites/theories.h"

namespace vireon {

// Not built yet in this version: leaves the record as it is.
void ComputeMarsSatellites(const TheoryInput&, PlanetPlaces&, SatelliteRecord&) {}

}  // namespace vireon
