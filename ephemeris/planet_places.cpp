#include "ephemeris/apparent_place.h"

namespace vireon {

PlanetPlaces Places;

}  // namespace vireon
