// Satellite phenomena of Jupiter and Saturn: when each satellite, or its shadow, crosses the
// planet's disc, when the planet hides it and when the planet's shadow eclipses it, in the
// geometry the views draw (the program's instant and light time, the planet's spheroid about the
// theory's pole, the sunlight of the shadows).
#pragma once

#include <cstdint>
#include <vector>

#include "core/time_scale.h"
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
    RedSpotTransit,  // Jupiter's Great Red Spot on the central meridian (satellite 0, always visible)
};

struct Phenomenon {
    // The instant, a whole second of the program's calendar (as entered, TT; CalendarFromJulianDay
    // gives it back exactly): the first second at which the phenomenon holds for a start, the last
    // for an end, so that the views at that instant show it. Within a second of the true change,
    // for the satellite's or the shadow's centre.
    Extended JD = 0;
    int Satellite = 0;   // 1..8, as the satellites are numbered within their planet
    PhenomenonKind Kind = PhenomenonKind::TransitStart;
    bool Visible = true; // false for an occultation start or end while eclipsed, an eclipse start or
                         // end while occulted
};

// Whether the program lists the planet's phenomena (Jupiter and Saturn).
bool HasPhenomena(PlanetId planet);

// The phenomena of the planet's satellites from firstJD to lastJD (both in the supported range,
// each taken to its nearest whole second), sorted by instant, then by satellite, then by kind.
// A phenomenon under way at firstJD has no start row, one under way at lastJD no end row; one
// that holds at no whole second is not listed. Empty for the planets without phenomena and for
// a span that ends before it starts.
std::vector<Phenomenon> FindPhenomena(PlanetId planet, Extended firstJD, Extended lastJD);

// The rows with the transits of Jupiter's Great Red Spot from firstJD to lastJD merged in: the
// instants at which Jupiter's System II central meridian equals longitudeII (degrees, 0..360;
// the spot drifts, so the observer gives its longitude), as rows of kind RedSpotTransit with
// satellite 0, always visible, in the order of FindPhenomena (a transit before the satellites'
// rows of the same second).
std::vector<Phenomenon> WithRedSpotTransits(std::vector<Phenomenon> rows, Extended firstJD, Extended lastJD,
                                            Extended longitudeII);

// How a row's instant is read on a clock whose seconds are not TT's (ReadingFieldsOf): a start
// at the first whole second after it, an end at the last before it, so that the views at the
// listed second show the phenomenon; the Red Spot's transit at the nearest.
SecondRounding ListedRounding(PhenomenonKind kind);

// The name vireon-ephem gives a kind ("transit_start", "shadow_end", ..., "grs_transit") and
// the name of a row's body ("Io", ..., "Tache rouge").
const char* EventName(PhenomenonKind kind);
const char* BodyName(PlanetId planet, const Phenomenon& row);


}  // namespace vireon
