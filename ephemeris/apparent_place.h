// Apparent geocentric places of the planets (true equator and equinox of the date), with
// nutation (IAU 1980), light time and aberration by three-point interpolation of the
// geocentric vector, and Saturn's ring geometry.
//
// Every function takes its instant explicitly; nothing depends on a value that another call
// happened to leave behind. JD is the Julian Day as entered (no Delta T).
#pragma once

#include <cstdint>

#include "core/types.h"

namespace vireon {

// Nutation in longitude and obliquity, arcseconds.
struct NutationAngles {
    Extended Longitude = 0;  // delta psi
    Extended Obliquity = 0;  // delta epsilon
};

// Heliocentric ecliptic place, mean ecliptic and equinox of the date (VSOP87D):
// L in [0, 2pi) and B in radians, R in km.
struct HeliocentricPlace {
    Extended L = 0;
    Extended B = 0;
    Extended R = 0;
};

// The Earth at one instant: heliocentric place, its rectangular position in the true
// equatorial frame of the date (km), and the aberration quantities (radians).
struct EarthPlace {
    HeliocentricPlace Helio;
    Extended X = 0, Y = 0, Z = 0;
    Extended Aberration = 0;  // aberration in longitude a
    Extended AberrationC1 = 0, AberrationD1 = 0, AberrationC2 = 0, AberrationD2 = 0;
};

// One planet's apparent place at the current instant.
struct PlanetPlace {
    HeliocentricPlace Helio;       // the planet at the instant itself (no light time)
    Extended X = 0, Y = 0, Z = 0;  // apparent geocentric vector, true equator of date, km
    Extended RA = 0;               // apparent right ascension, hours in [0, 24)
    Extended Dec = 0;              // apparent declination, degrees
    Extended Distance = 0;         // apparent geocentric distance, km
};

// Saturn's rings as seen from the Earth (Meeus, Astronomical Algorithms, ch. 45).
struct RingGeometry {
    double RingMajorAxis = 0;   // apparent semi-major axis of the outer edge, arcseconds
    double RingMinorAxis = 0;   // |B| x RingMajorAxis, B in radians
    std::int8_t RingSide = 1;   // the side drawn: -1 when B as drawn is negative, +1 otherwise
    double EarthLatitude = 0;   // B, rad: the Earth's saturnicentric latitude on the ring plane
};

// What the apparent-place operations leave for the satellite theories and the display.
struct PlanetPlaces {
    PlanetPlace Planet[10];  // indexed by PlanetId 4..9
    EarthPlace Earth;        // the Earth at the current instant
    NutationAngles Nutation;  // at the current instant
    Extended TrueObliquity = 0;  // radians, at the current instant
    Extended LightTime = 0;      // days, of the last planet computed
    Extended PlanetRA = 0;       // hours, copy for the status bar
    Extended PlanetDec = 0;      // degrees
    Extended PlanetPolePA = 0;   // radians; set for Saturn, Uranus, Neptune and Pluto
    RingGeometry Rings;          // Saturn only
};

// The one set of planet places of the program.
extern PlanetPlaces Places;

// --- Building blocks (exposed for the theories and for tests) ---

// T = (jd - 2451545) / 365250, Julian millennia from J2000.0.
Extended JulianMillenniaOf(Extended jd);

NutationAngles Nutation(Extended julianMillennia);
// Mean obliquity (IAU 1976) plus delta epsilon, radians.
Extended TrueObliquity(Extended julianMillennia, const NutationAngles& nutation);

// VSOP87D series of one body (3 = the Earth, 4..8 = Mars..Neptune) at T in Julian millennia.
HeliocentricPlace HeliocentricSeries(int body, Extended julianMillennia);

// The Earth's place; the longitude is not reduced by the aberration a (that is applied by
// the light-time interpolation).
EarthPlace EarthPosition(Extended julianMillennia, const NutationAngles& nutation, Extended trueObliquity);

// --- Apparent places: each writes places.Planet[p], Earth, Nutation, TrueObliquity, LightTime,
// PlanetRA, PlanetDec for the instant jd. ---
void MarsApparent(Extended jd, PlanetPlaces& places);
void JupiterApparent(Extended jd, PlanetPlaces& places);
// Also the rings (RingSide for B itself: the views turn it over with celestial north up) and
// PlanetPolePA.
void SaturnApparent(Extended jd, PlanetPlaces& places);
void UranusApparent(Extended jd, PlanetPlaces& places);    // PlanetPolePA = 1.707979206010067
void NeptuneApparent(Extended jd, PlanetPlaces& places);   // PlanetPolePA = 0.5162683927424666
void PlutoApparent(Extended jd, PlanetPlaces& places);     // PlanetPolePA = 1.0035643199016846

// A mean place of J2000.0 (alpha, delta in radians) turned into the place referred to the true
// equator and equinox of jd: precession (IAU 1976), nutation and annual aberration.
void ApparentFromJ2000(Extended jd, Extended& alpha, Extended& delta);

// A frame rotation, row-major: v' = M v.
struct RotationMatrix {
    Extended M[3][3] = {};
};

// From the mean equator and equinox of J2000.0 to the true equator and equinox of the date,
// T in Julian millennia: the IAU 1976 precession by the ecliptic angles pi_A, Pi_A, p_A (Lieske
// et al. 1977) with the nutation (arcseconds) in longitude and obliquity. Zero nutation gives
// the precession alone, to the mean equator and equinox of the date. ApparentFromJ2000 turns
// its places with it.
RotationMatrix J2000ToEquatorOfDate(Extended julianMillennia, const NutationAngles& nutation);

// --- Stages of the apparent-place pipeline (exposed for the theories and for tests) ---

// A position in the true equatorial frame of the date, km.
struct EquatorialVector {
    Extended X = 0, Y = 0, Z = 0;
};

// An ecliptic place of the date (longitude and latitude in radians, radius in km) in the true
// equatorial frame of the date, the obliquity in radians.
EquatorialVector EclipticToEquatorial(Extended longitude, Extended latitude, Extended radius, Extended obliquity);

// One evaluation of a planet and the Earth at one instant.
struct GeocentricEvaluation {
    HeliocentricPlace Helio;        // the planet (Pluto: ecliptic and equinox of J2000.0)
    EarthPlace Earth;
    NutationAngles Nutation;
    Extended TrueObliquity = 0;     // radians
    EquatorialVector Heliocentric;  // the planet, heliocentric, true equator of the date, km
    EquatorialVector Geocentric;    // the planet minus the Earth, km
};

// Planet p (4..9) at the instant jd - (epochJD - 2451545): epochJD = 2451546 gives the day
// before jd, 2451544 the day after, 2451545 jd itself. The nutation and the Earth are those of
// that instant; the planet's longitude gets the nutation in longitude (and, for Pluto, the
// general precession from J2000.0), no aberration.
GeocentricEvaluation PlanetGeocentric(PlanetId p, Extended jd, Extended epochJD);

// Pluto's heliocentric place, ecliptic and equinox of J2000.0, T in Julian CENTURIES from
// J2000.0 (Meeus 1st ed., Table 36.A): L in [0, 2pi) and B in radians, R in km.
HeliocentricPlace PlutoSeries(Extended julianCenturies);

// The geocentric vector tau days before the middle instant, by quadratic interpolation of the
// vectors one day before, at and one day after it, where tau is the light time of the vector
// itself (five passes, starting from the middle vector). Taking both bodies tau earlier applies
// the light time and the aberration due to the Earth's motion together. Writes tau (days).
EquatorialVector LightTimeInterpolation(const EquatorialVector& dayBefore, const EquatorialVector& now,
                                        const EquatorialVector& dayAfter, Extended& lightTimeDays);

// Right ascension in hours [0, 24) and declination in degrees of an equatorial vector; 0 h on
// the origin of the equator plane, +-90 deg on the pole.
Extended RightAscensionHours(const EquatorialVector& v);
Extended DeclinationDegrees(const EquatorialVector& v);

// The whole pipeline for planet p (4..9) at jd, written into places (no ring or pole values).
void PlanetApparent(PlanetId p, Extended jd, PlanetPlaces& places);

}  // namespace vireon
