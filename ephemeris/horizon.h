// The planet and the Sun in the sky of an observing site: topocentric altitude and azimuth,
// geometric (no refraction), and whether an event is observable from the site.
//
// Frames and scales: the bodies' apparent geocentric places referred to the true equator and
// equinox of the date (ephemeris/apparent_place.h), at a TT Julian Day; the Earth's rotation from
// Greenwich apparent sidereal time (ephemeris/sidereal_time.h) at the UT1 Julian Day of the same
// instant (UT1 taken as UT). The site is geodetic on the WGS84 ellipsoid (core/observing_site.h);
// polar motion is neglected (under 0.5", along the vertical). The topocentric place is the
// geocentric vector less the site's (Meeus, Astronomical Algorithms, ch. 11 and ch. 40, in
// rectangular form: the parallax in hour angle and declination, without approximation), and the
// altitude and azimuth are taken about the ellipsoid's normal (Meeus, ch. 13, with the azimuth
// counted from north through east instead of from south).
//
// The satellites are not treated here: their offsets from the planet change with the site by far
// less than 0.01".
#pragma once

#include <vector>

#include "core/observing_site.h"
#include "core/types.h"
#include "core/vector3.h"
#include "ephemeris/apparent_place.h"
#include "ephemeris/sine_cosine.h"

namespace vireon {

// One body in the site's sky.
struct HorizontalPlace {
    Extended AltitudeDeg = 0;  // degrees above the horizon, [-90, 90], geometric
    Extended AzimuthDeg = 0;   // degrees in [0, 360), from north through east
};

// What the program shows for a site at one instant.
struct SiteAltitudes {
    Extended PlanetAltitudeDeg = 0;  // the planet's topocentric altitude, degrees, geometric
    Extended PlanetAzimuthDeg = 0;   // its azimuth, degrees in [0, 360), from north through east
    Extended SunAltitudeDeg = 0;     // the Sun's topocentric altitude, degrees, geometric
};

// The site's place on the rotating Earth, worked out once per site.
struct SiteFrame {
    SineAndCosine Latitude;           // of the geodetic latitude phi
    Extended EastLongitude = 0;       // radians, east positive
    Extended DistanceFromAxisKm = 0;  // rho cos(phi'), km (Meeus ch. 11 times the equatorial radius)
    Extended DistanceFromEquatorKm = 0;  // rho sin(phi'), km, north positive
};
SiteFrame SiteFrameOf(const ObservingSite& site);

// Altitude and azimuth at the site of a body whose apparent geocentric vector (km, true equator
// and equinox of the date) is given, the Greenwich apparent sidereal time gast in radians.
HorizontalPlace TopocentricHorizontal(const Vec3& geocentricKm, const SiteFrame& site, Extended gast);

// The Sun's apparent geocentric vector, km, true equator and equinox of the date, from the
// Earth's place of an apparent-place computation (PlanetPlaces::Earth, with its aberration terms)
// and the true obliquity of the same instant (radians): the Earth's heliocentric vector reversed,
// turned about the ecliptic pole of the date by the aberration in longitude a (Meeus ch. 25: the
// apparent Sun = the true Sun, with the nutation, less the aberration). The Sun standing at the
// origin of the heliocentric frame, the light time has no effect beyond the aberration.
Vec3 SunApparentGeocentric(const EarthPlace& earth, Extended trueObliquity);

// The planet p (4..9) and the Sun at the site, at the instant whose TT and UT1 Julian Days are
// jdTT and jdUT: the whole computation (one apparent place of the planet, about 5 us).
SiteAltitudes AltitudesAt(const ObservingSite& site, PlanetId p, Extended jdTT, Extended jdUT);
// The same from an apparent place already computed: places as PlanetApparent(p, jdTT, places) (or
// a satellite theory's run for p at jdTT) left it, its Planet[p], Earth, Nutation and
// TrueObliquity read; only the sidereal time and the Sun are worked out.
SiteAltitudes AltitudesAt(const ObservingSite& site, PlanetId p, const PlanetPlaces& places, Extended jdUT);

// The altitudes at many instants of one span (the rows of a list of phenomena): the planet's and
// the Sun's apparent vectors are computed once a day, at whole Julian Days (TT) from the day
// before the span to two days after it, and interpolated to each instant by the four nearest
// (Lagrange, cubic); the sidereal time and its nutation are computed exactly at each instant.
// Within 0.002" of AltitudesAt inside the span (0.0016" measured over months of each planet,
// Mars at its opposition of 2003 included: the interpolation misses a fraction of a kilometre of
// the orbits' curvature and a few 0.0001" of the nutation's terms of 9 to 14 days in the frame of
// the date). Instants outside the span are extrapolated from its end nodes and lose that
// accuracy. Holds two vectors per day of the span; building it costs one apparent place per node.
class AltitudeTrack {
public:
    AltitudeTrack(const ObservingSite& site, PlanetId p, Extended firstJdTT, Extended lastJdTT);
    SiteAltitudes At(Extended jdTT, Extended jdUT) const;

private:
    struct Node {
        Vec3 Planet;  // apparent geocentric vectors, km, true equator and equinox of the node's date
        Vec3 Sun;
    };
    SiteFrame site_;
    Extended firstNodeJD_ = 0;  // TT Julian Day of nodes_[0]; node i at firstNodeJD_ + i
    std::vector<Node> nodes_;
};

// An event is observable from the site when the planet stands at least 10 degrees above the
// horizon and the Sun at least 6 degrees below it (civil twilight over), both geometric, at the
// event's instant.
inline constexpr Extended ObservablePlanetAltitudeDeg = 10;
inline constexpr Extended ObservableSunAltitudeDeg = -6;
bool IsObservable(const SiteAltitudes& altitudes);
// The rule in words, for the user interface.
inline constexpr const char* ObservableRuleText =
    "Hauteur de la planète d'au moins 10° et Soleil à au moins 6° sous l'horizon";

}  // namespace vireon
