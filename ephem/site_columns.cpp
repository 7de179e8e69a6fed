// vireon-ephem --site: the planet's and the Sun's altitudes from the observer's site.
#include "ephem/ephem_cli.h"

#include "ephemeris/horizon.h"

namespace vireon::ephem {
namespace {

EphemRow::SiteColumns ColumnsOf(const SiteAltitudes& a)
{
    return {static_cast<double>(a.PlanetAltitudeDeg), static_cast<double>(a.PlanetAzimuthDeg),
            static_cast<double>(a.SunAltitudeDeg)};
}

}  // namespace

std::optional<EphemRow::SiteColumns> SiteColumnsAt(const EphemRequest& request, Extended jdTT, const PlanetPlaces& places)
{
    if (!request.Site) return std::nullopt;
    return ColumnsOf(AltitudesAt(*request.Site, request.Planet, places, UniversalFromTerrestrial(jdTT)));
}

std::vector<std::optional<EphemRow::SiteColumns>> SiteColumnsAtInstants(const EphemRequest& request,
                                                                        const std::vector<Extended>& sortedJDs)
{
    std::vector<std::optional<EphemRow::SiteColumns>> columns(sortedJDs.size());
    if (!request.Site || sortedJDs.empty()) return columns;
    // One track for the span of the instants.
    const AltitudeTrack track(*request.Site, request.Planet, sortedJDs.front(), sortedJDs.back());
    for (std::size_t i = 0; i < sortedJDs.size(); ++i) {
        columns[i] = ColumnsOf(track.At(sortedJDs[i], UniversalFromTerrestrial(sortedJDs[i])));
    }
    return columns;
}

bool IsObservable(const EphemRow::SiteColumns& site)
{
    return site.PlanetAltitudeDeg >= ObservablePlanetAltitudeDeg && site.SunAltitudeDeg <= ObservableSunAltitudeDeg;
}

}  // namespace vireon::ephem
