// The mutual events of Jupiter's and Saturn's satellites: when one satellite, the active one,
// occults another, the passive one, as seen from the Earth's centre, or eclipses it with its
// shadow.
//
// Geometry. The satellites are spheres of their descriptor's radii (satellites/planet_descriptor.h),
// each taken where the light now arriving from it left it: at its own light time from the Earth,
// not the planet's. Seen from the Earth, two discs of angular radii R / distance, their centres
// an angle apart; A occults P while the discs overlap with A the nearer. In an eclipse P is taken
// at its own light time, A at P's instant less the light time from A to P (the sunlight that
// reaches P passed A then), and the shadow's axis runs from the Sun's centre through A's centre;
// the Sun's disc (radius 695 700 km) gives the umbra, the antumbra beyond the umbra's apex, and
// the penumbra. A eclipses P while P's disc meets the penumbra.
//
// Each event: the first and last contact (the penumbra's for an eclipse), the maximum (the least
// separation of the discs' centres, or of P's centre from the shadow's axis), each to the nearest
// whole second of the program's time scale (the date as entered, TT); the umbral contacts of an
// eclipse whose umbra reaches P; impact, magnitude and flux drop at the maximum, and whether P
// can be seen then.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "core/types.h"

namespace vireon {

enum class MutualKind : std::uint8_t { Occultation, Eclipse };

// What covers the passive satellite at the maximum.
enum class MutualCoverage : std::uint8_t {
    Total,      // P wholly behind A's disc, or wholly in the umbra
    Partial,    // part of P behind A's disc, or in the umbra
    Annular,    // A's disc wholly inside P's; or P in the antumbra (the umbra ends before P)
    Penumbral,  // an eclipse that reaches P with its penumbra only
};

struct MutualEvent {
    MutualKind Kind = MutualKind::Occultation;
    int Active = 0;   // the occulting or shadowing satellite, 1..8 within its planet
    int Passive = 0;  // the satellite covered
    // Julian Days of whole seconds (CalendarFromJulianDay gives them back exactly).
    Extended StartJD = 0, MaximumJD = 0, EndJD = 0;
    // An eclipse's contacts of P's disc with the umbra, next to the maximum; none when the umbra
    // does not reach P (a penumbral or an annular eclipse) and for occultations.
    std::optional<Extended> UmbralStartJD, UmbralEndJD;
    // At the maximum: the least separation over the contact distance (the sum of the discs'
    // radii, or of the penumbra's and P's: 0 central, 1 grazing); the fraction of P's diameter,
    // along the line of centres, behind A's disc or in the umbra (0 when the umbra does not
    // reach P); the fraction of the light of A and P together lost, each a uniform disc as
    // bright as its mean opposition magnitude, a point in the penumbra losing the part of the
    // Sun's disc that A hides from it.
    Extended Impact = 0, Magnitude = 0, FluxDrop = 0;
    MutualCoverage Coverage = MutualCoverage::Partial;
    // At the maximum P is neither hidden behind the planet nor in its shadow (the views' states,
    // satellites/globe_phenomena.h); P in front of the planet's disc can be seen.
    bool Visible = true;
};

// Whether the program lists the planet's mutual events (Jupiter and Saturn).
bool HasMutualEvents(PlanetId planet);

// The events whose maximum falls from firstJD to lastJD (both in the supported range, each taken
// to its nearest whole second), sorted by maximum, then occultations before eclipses, then by the
// active and the passive satellite. An event's start and end may fall outside the span. Empty
// for the planets without mutual events and for a span that ends before it starts.
std::vector<MutualEvent> FindMutualEvents(PlanetId planet, Extended firstJD, Extended lastJD);

// The discs of a pair at one instant, in km in P's plane: seen from the Earth for an occultation;
// for an eclipse, across the shadow's axis as seen from the Sun (the shadow's discs of
// satellites/disc_overlap.h).
struct MutualDiscs {
    Extended Active = 0;      // A's disc, or the caster's of the shadow
    Extended Sun = 0;         // the Sun's disc of the shadow (0 for an occultation)
    Extended Passive = 0;     // P's disc
    Extended Separation = 0;  // from the centre of A's disc, or the shadow's axis, to P's centre
};

// What the discs give at a maximum: the impact, the magnitude and the coverage of MutualEvent,
// and the fraction of P's own light lost.
struct MutualMeasures {
    Extended Impact = 0;
    Extended Magnitude = 0;
    Extended PassiveLightLost = 0;
    MutualCoverage Coverage = MutualCoverage::Partial;
};
MutualMeasures MeasureDiscs(MutualKind kind, const MutualDiscs& discs);

// The share of the pair's light that P gives, each satellite as bright as its mean opposition
// magnitude: the flux drop is this times the fraction of P's light lost.
Extended PassiveLightShare(Extended activeMagnitude, Extended passiveMagnitude);

// The two satellites of an event at one instant, for the event's pictures.
struct MutualAspect {
    Extended JD = 0;
    // The combined light of A and P, 1 when nothing is covered.
    Extended Light = 1;
    // In km in P's plane, seen from the Earth (an eclipse: the shadow's section across its axis,
    // turned onto the sky): P's radius; A's disc's radius (an occultation) or the umbra's (an
    // eclipse; negative for the antumbra) and the penumbra's; the centre of A's disc or of the
    // shadow from P's centre, east and north.
    Extended PassiveRadiusKm = 0;
    Extended ActiveRadiusKm = 0;
    Extended UmbraRadiusKm = 0;
    Extended PenumbraRadiusKm = 0;
    Extended CentreEastKm = 0;
    Extended CentreNorthKm = 0;
};

// The event's pair at each of the instants (Julian Days within a day of the event's maximum, in
// the supported range), computed as the search computes them.
std::vector<MutualAspect> MutualAspects(PlanetId planet, const MutualEvent& event, const std::vector<Extended>& jds);

// The name vireon-ephem gives a kind ("occultation", "eclipse").
const char* MutualKindName(MutualKind kind);

}  // namespace vireon
