// Satellite phenomena of Jupiter and Saturn: when each satellite, or its shadow, crosses the
// planet's disc, when the planet hides it and when the planet's shadow eclipses it, in the
// geometry the views draw (the program's instant and light time, the planet's spheroid about the
// theory's pole, the sunlight of the shadows).
#pragma once

#include <cstdint>
#include <vector>

#include "core/types.h"

namespace vireon {

enum class PhenomenonKind : std::uint8_t {
    TransitStart,
    TransitEnd,
    ShadowStart,
    ShadowEnd,
    OccultationStart,
    OccultationEnd,
    EclipseStart,
    EclipseEnd,
};

struct Phenomenon {
    Extended JD = 0;     // the instant, whole seconds, the program's time scale (as entered, TT)
    int Satellite = 0;   // 1..8, as the satellites are numbered within their planet
    PhenomenonKind Kind = PhenomenonKind::TransitStart;
    bool Visible = true; // false for an occultation start or end while eclipsed, an eclipse start or
                         // end while occulted
};

// Whether the program lists the planet's phenomena (Jupiter and Saturn).
bool HasPhenomena(PlanetId planet);

// The phenomena of the planet's satellites from firstJD to lastJD (both in the supported range),
// sorted by instant, then by satellite. A phenomenon under way at firstJD has no start row.
std::vector<Phenomenon> FindPhenomena(PlanetId planet, Extended firstJD, Extended lastJD);

// vireon-ephem's name of a kind: "transit_start", "shadow_end", ...
const char* EventName(PhenomenonKind kind);

}  // namespace vireon
