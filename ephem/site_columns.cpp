// vireon-ephem --site: the planet's and the Sun's altitudes from the observer's site.
#include "ephem/ephem_cli.h"

#include "ephemeris/horizon.h"

namespace vireon::ephem {

std::optional<SiteColumns> SiteColumnsAt(const EphemRequest& request, Extended jdTT, const PlanetPlaces& places)
{
    if (!request.Site) return std::nullopt;
    return SiteColumnsOf(AltitudesAt(*request.Site, request.Planet, places, UniversalFromTerrestrial(jdTT)));
}

}  // namespace vireon::ephem
