// The run of a theory: the planet's descriptor names its theory; the shared projection writes
// the record.
#include "satellites/projection.h"
#include "satellites/theory.h"

namespace vireon {

SatelliteSystem BeginSystem(PlanetId p, const PlanetPlaces& places)
{
    const PlanetDescriptor& planet = Planet(p);
    const PlanetPlace& place = places.Planet[p];
    SatelliteSystem system;
    system.Planet = p;
    system.Geocentric = {place.X, place.Y, place.Z};
    system.EquatorialRadiusKm = planet.DiscEquatorialRadiusKm;
    system.PolarRadiusKm = planet.DiscPolarRadiusKm;
    system.Count = planet.SatelliteCount;
    return system;
}

void ComputeSatelliteSystem(PlanetId p, const TheoryInstant& instant, PlanetPlaces& places, SatelliteSystem& system)
{
    Planet(p).Theory(instant, places, system);
}

void RunSatelliteTheory(PlanetId p, const TheoryInput& in, PlanetPlaces& places, SatelliteRecord& record)
{
    SatelliteSystem system;
    ComputeSatelliteSystem(p, {in.JD, in.Year}, places, system);
    ProjectSystem(system, in.ViewMode, in.Orientation, record);
}

}  // namespace vireon
