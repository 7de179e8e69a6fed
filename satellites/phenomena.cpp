// Placeholder until the search lands: no phenomena.
#include "satellites/phenomena.h"

namespace vireon {

bool HasPhenomena(PlanetId planet) { return planet == Jupiter || planet == Saturn; }

std::vector<Phenomenon> FindPhenomena(PlanetId, Extended, Extended) { return {}; }

const char* EventName(PhenomenonKind kind)
{
    static constexpr const char* Names[] = {"transit_start",     "transit_end",     "shadow_start", "shadow_end",
                                            "occultation_start", "occultation_end", "eclipse_start", "eclipse_end"};
    return Names[static_cast<int>(kind)];
}

}  // namespace vireon
