// Apparent geocentric places of the planets (true equator and equinox of the date), with
// nutation (IAU 1980), light time and aberration by three-point interpolation of the
// geocentric vector, and Saturn's ring geometry.
//
// Every function takes its instant explicitly; nothing depends on a value that another call
// happened to leave behind. JD is the Julian Day as entered (no Delta T).
#pragma once

#include <cstdint>

#include "core/types.h"
#include "core/vector3.h"
#include "ephemeris/around_instant.h"
#include "ephemeris/sine_cosine.h"

namespace vireon {

// Nutation in longitude and obliquity, arcseconds.
struct NutationAngles {
    Extended Longitude = 0;  // delta psi
    Extended Obliquity = 0;  // delta epsilon
};

// Heliocentric ecliptic place, mean ecliptic and equinox of the date (VSOP87D; Pluto's table
// turned to that frame): L in [0, 2pi) and B in radians, R in km.
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
// T of the day before jd, of jd and of the day after, each computed from its own Julian Day.
AroundInstant<Extended> JulianMillenniaAround(Extended jd);

NutationAngles Nutation(Extended julianMillennia);
// The same at the three epochs of JulianMillenniaAround at once (each equal to Nutation's).
AroundInstant<NutationAngles> NutationAround(const AroundInstant<Extended>& julianMillennia);
// Mean obliquity (IAU 1976) plus delta epsilon, radians.
Extended TrueObliquity(Extended julianMillennia, const NutationAngles& nutation);

// VSOP87D series of one body (3 = the Earth, 4..8 = Mars..Neptune) at T in Julian millennia.
HeliocentricPlace HeliocentricSeries(int body, Extended julianMillennia);
// The same at the three epochs of JulianMillenniaAround, each series evaluated once; the
// Instant place equals HeliocentricSeries(body, julianMillennia.Instant) exactly.
AroundInstant<HeliocentricPlace> HeliocentricSeriesAround(int body, const AroundInstant<Extended>& julianMillennia);

// The Earth's place; the longitude is not reduced by the aberration a (that is applied by
// the light-time interpolation).
EarthPlace EarthPosition(Extended julianMillennia, const NutationAngles& nutation, Extended trueObliquity);
// The same from the Earth's heliocentric place at that T (HeliocentricSeries(3, T)).
EarthPlace EarthPosition(const HeliocentricPlace& earth, Extended julianMillennia, const NutationAngles& nutation,
                         Extended trueObliquity);

// --- Apparent places: each writes places.Planet[p], Earth, Nutation, TrueObliquity, LightTime,
// PlanetRA, PlanetDec for the instant jd. ---
void MarsApparent(Extended jd, PlanetPlaces& places);
void JupiterApparent(Extended jd, PlanetPlaces& places);
// Also the rings (RingSide for B itself: the views turn it over with celestial north up) and
// PlanetPolePA.
void SaturnApparent(Extended jd, PlanetPlaces& places);
// Also PlanetPolePA: the position angle of the planet's IAU north pole at jd, from celestial north
// through east, radians in [0, 2pi).
void UranusApparent(Extended jd, PlanetPlaces& places);
void NeptuneApparent(Extended jd, PlanetPlaces& places);
void PlutoApparent(Extended jd, PlanetPlaces& places);

// A mean place of J2000.0 (alpha, delta in radians) turned into the place referred to the true
// equator and equinox of jd: precession (IAU 1976), nutation and annual aberration.
void ApparentFromJ2000(Extended jd, Extended& alpha, Extended& delta);
// The same with what an apparent place of the same instant jd computed: its nutation, true
// obliquity (radians) and the Earth's aberration terms (places.Nutation, places.TrueObliquity,
// places.Earth after one of the functions above), so no series is evaluated again.
void ApparentFromJ2000(Extended jd, const NutationAngles& nutation, Extended trueObliquity, const EarthPlace& earth,
                       Extended& alpha, Extended& delta);

// From the mean equator and equinox of J2000.0 to the true equator and equinox of the date,
// T in Julian millennia: the IAU 1976 precession by the ecliptic angles pi_A, Pi_A, p_A (Lieske
// et al. 1977) with the nutation (arcseconds) in longitude and obliquity. Zero nutation gives
// the precession alone, to the mean equator and equinox of the date. ApparentFromJ2000 turns
// its places with it.
Mat3 J2000ToEquatorOfDate(Extended julianMillennia, const NutationAngles& nutation);

// --- Stages of the apparent-place pipeline (exposed for the theories and for tests) ---


// The reverse turn of J2000ToEquatorOfDate applied to one vector: from the true equator and
// equinox of the date (T in Julian millennia, nutation in arcseconds) back to the mean equator
// and equinox of J2000.0: the same five turns, undone in the opposite order.
Vec3 EquatorOfDateToJ2000(Extended julianMillennia, const NutationAngles& nutation, const Vec3& v);

// A vector on the mean equator and equinox of J2000.0 turned to the mean ecliptic and equinox of
// the date (T in Julian millennia): to the J2000 ecliptic by the IAU 1976 obliquity 84381.448",
// then the precession of the ecliptic and the general precession, pi_A, Pi_A, p_A (the first four
// turns of J2000ToEquatorOfDate without the nutation).
Vec3 J2000EquatorToEclipticOfDate(Extended julianMillennia, const Vec3& v);

// An ecliptic place of the date (longitude and latitude in radians, radius in km) in the true
// equatorial frame of the date, the obliquity in radians.
Vec3 EclipticToEquatorial(Extended longitude, Extended latitude, Extended radius, Extended obliquity);
// The same from the three angles' sines and cosines.
Vec3 EclipticToEquatorial(const SineAndCosine& longitude, const SineAndCosine& latitude, Extended radius,
                                      const SineAndCosine& obliquity);

// The two parts of EarthPosition: the longitude of the Earth's vector (L plus the nutation in
// longitude, radians), and the aberration terms from the sines and cosines of L and of the
// true obliquity (T in Julian millennia).
Extended EarthApparentLongitude(const HeliocentricPlace& earth, const NutationAngles& nutation);
void SetEarthAberration(Extended julianMillennia, const SineAndCosine& longitude, const SineAndCosine& trueObliquity,
                        EarthPlace& earth);

// One evaluation of a planet and the Earth at one instant.
struct GeocentricEvaluation {
    HeliocentricPlace Helio;        // the planet
    EarthPlace Earth;
    NutationAngles Nutation;
    Extended TrueObliquity = 0;     // radians
    Vec3 Heliocentric;  // the planet, heliocentric, true equator of the date, km
    Vec3 Geocentric;    // the planet minus the Earth, km
};

// Planet p (4..9) at the instant jd - (epochJD - 2451545): epochJD = 2451546 gives the day
// before jd, 2451544 the day after, 2451545 jd itself. The nutation and the Earth are those of
// that instant; the planet's longitude gets the nutation in longitude, no aberration.
GeocentricEvaluation PlanetGeocentric(PlanetId p, Extended jd, Extended epochJD);

// Pluto's heliocentric place at T in Julian millennia from J2000.0 (TT), from its Chebyshev table
// (ephemeris/pluto_theory.h), mean ecliptic and equinox of the date as VSOP87D's: L in [0, 2pi)
// and B in radians, R in km (the au of DE441).
HeliocentricPlace PlutoHeliocentric(Extended julianMillennia);

// The geocentric vector tau days before the middle instant, by quadratic interpolation of the
// vectors one day before, at and one day after it, where tau is the light time of the vector
// itself (five passes, starting from the middle vector). Taking both bodies tau earlier applies
// the light time and the aberration due to the Earth's motion together. Writes tau (days).
Vec3 LightTimeInterpolation(const Vec3& dayBefore, const Vec3& now,
                                        const Vec3& dayAfter, Extended& lightTimeDays);

// Right ascension in hours [0, 24) and declination in degrees of an equatorial vector; 0 h on
// the origin of the equator plane, +-90 deg on the pole.
Extended RightAscensionHours(const Vec3& v);
Extended DeclinationDegrees(const Vec3& v);

// The whole pipeline for planet p (4..9) at jd, written into places (no ring or pole values).
void PlanetApparent(PlanetId p, Extended jd, PlanetPlaces& places);

}  // namespace vireon
