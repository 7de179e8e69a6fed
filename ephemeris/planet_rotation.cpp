// The rotation models and central meridians of Mars, Jupiter and Saturn (see
// ephemeris/planet_rotation.h), and the search for the Red Spot's transits.
//
// Geometry: with the pole p = (cos d0 cos a0, cos d0 sin a0, sin d0), the ascending node of the
// body's equator on the J2000.0 equator lies along n = (-sin a0, cos a0, 0), and q = p x n
// completes the body's equatorial basis. A direction s at angle lambda from n, counted toward q
// (eastward, the sense of the rotation), lies W - lambda west of the prime meridian, which stands
// at W from n. The sub-Earth point is the direction of the Earth from the planet's centre; its
// latitude is the angle of s from the equator plane (planetocentric).
//
// The Earth's direction is the reverse of the program's apparent geocentric vector, which puts
// the planet and the Earth both one light time earlier: the Earth's motion over that time turns it
// by under 30" against the geometric light-time vector, 0.01 deg at most on a central meridian.
#include "ephemeris/planet_rotation.h"

#include <cassert>
#include <cmath>

#include "core/angles.h"
#include "core/time_base.h"
#include "core/vector3.h"

namespace vireon {
namespace {

// W = W0 + rate x d, d in days from J2000.0 (JD 2451545.0).
struct MeridianModel {
    Extended W0Degrees = 0;
    Extended DegreesPerDay = 0;
};

// The pole in degrees and degrees per Julian century from J2000.0, the meridians.
struct RotationModel {
    PlanetId Planet = Jupiter;
    Extended Alpha0 = 0, Alpha0PerCentury = 0;
    Extended Delta0 = 0, Delta0PerCentury = 0;
    std::optional<MeridianModel> Main, SystemI, SystemII;
};

// Seidelmann et al. 2002, Table I (Mars, Jupiter System III, Saturn System III); Explanatory
// Supplement 1992, sec. 7.4 (Jupiter Systems I and II).
constexpr RotationModel RotationModels[] = {
    {Mars, 317.68143L, -0.1061L, 52.88650L, -0.0609L, MeridianModel{176.630L, 350.89198226L}, std::nullopt,
     std::nullopt},
    {Jupiter, 268.05L, -0.009L, 64.49L, 0.003L, MeridianModel{284.95L, 870.5360000L}, MeridianModel{67.1L, 877.900L},
     MeridianModel{43.3L, 870.270L}},
    {Saturn, 40.589L, -0.036L, 83.537L, -0.004L, MeridianModel{38.90L, 810.7939024L}, std::nullopt, std::nullopt},
};

const RotationModel* ModelOf(PlanetId p)
{
    for (const RotationModel& model : RotationModels) {
        if (model.Planet == p) return &model;
    }
    return nullptr;
}

PoleDirection PoleOf(const RotationModel& model, Extended jd)
{
    const Extended T = (jd - 2451545) / 36525;
    return {(model.Alpha0 + model.Alpha0PerCentury * T) * RadiansPerDegree,
            (model.Delta0 + model.Delta0PerCentury * T) * RadiansPerDegree};
}

// The Earth's direction from the planet, unit vector, mean equator and equinox of J2000.0: the
// apparent geocentric vector reversed and turned back from the true equator and equinox of jd
// (IAU 1976 precession, IAU 1980 nutation).
Vec3 EarthSeenFromPlanetJ2000(Extended jd, const PlanetPlace& planet, const NutationAngles& nutation)
{
    const Vec3 g = EquatorOfDateToJ2000(JulianMillenniaOf(jd), nutation, {planet.X, planet.Y, planet.Z});
    return (-1 / planet.Distance) * g;
}

// The angle from the node to the meridian of a direction, eastward, and its latitude, degrees.
struct BodyEquatorialPlace {
    Extended FromNodeDegrees = 0;
    Extended LatitudeDegrees = 0;
};

// 64-bit cosines, sines and arctangents: under 1e-16 rad of rounding each, 1e-14 deg on a
// central meridian; the extended ones reduce every argument beyond pi/4 by the slow general method.
BodyEquatorialPlace PlaceOnBodyEquator(const Vec3& s, const PoleDirection& pole)
{
    const double alpha0 = static_cast<double>(pole.Alpha0), delta0 = static_cast<double>(pole.Delta0);
    const Extended ca = std::cos(alpha0), sa = std::sin(alpha0);
    const Extended cd = std::cos(delta0), sd = std::sin(delta0);
    const Extended towardPoleMeridian = ca * s.x + sa * s.y;  // along (cos a0, sin a0, 0)
    const double alongNode = static_cast<double>(-sa * s.x + ca * s.y);
    const double alongQ = static_cast<double>(-sd * towardPoleMeridian + cd * s.z);
    const double alongPole = static_cast<double>(cd * towardPoleMeridian + sd * s.z);
    return {std::atan2(alongQ, alongNode) * DegreesPerRadian,
            std::atan2(alongPole, std::sqrt(alongNode * alongNode + alongQ * alongQ)) * DegreesPerRadian};
}

std::optional<Extended> WestLongitude(const std::optional<MeridianModel>& model, Extended daysFromJ2000,
                                      Extended fromNodeDegrees)
{
    if (!model) return std::nullopt;
    return ReduceDegrees(model->W0Degrees + model->DegreesPerDay * daysFromJ2000 - fromNodeDegrees);
}

// An angle in degrees reduced into (-180, 180].
Extended SignedDegrees(Extended degrees)
{
    const Extended r = ReduceDegrees(degrees);
    return r > 180 ? r - 360 : r;
}

// The rate of System II's central meridian is W's, 870.27 deg/day, to within 4e-4 of itself:
// Jupiter's geocentric motion (under 0.25 deg/day) and the change of its light time (under
// 1e-4 day/day) make the rest. Steps of the difference over this rate converge by more than three
// digits each.
constexpr Extended SystemIIDegreesPerDay = 870.270L;
// Stop when a step is below 0.1 ms; the last step taken makes it far smaller still.
constexpr Extended TransitToleranceDays = 1e-4L / 86400;
constexpr int MaxTransitSteps = 8;

// The instant near guess at which System II's central meridian is longitudeII.
Extended TransitNear(Extended guess, Extended longitudeII)
{
    Extended t = guess;
    for (int i = 0; i < MaxTransitSteps; ++i) {
        const Extended step = SignedDegrees(longitudeII - JupiterSystemIIMeridian(t)) / SystemIIDegreesPerDay;
        t += step;
        if (std::abs(step) < TransitToleranceDays) break;
    }
    return t;
}

// The program instant of the whole second nearest jd.
Extended NearestProgramInstant(Extended jd) { return JulianDayFromCalendar(CalendarFromJulianDay(jd)); }

}  // namespace

bool HasRotationModel(PlanetId p) { return ModelOf(p) != nullptr; }

PoleDirection IauPoleJ2000(PlanetId p, Extended jd)
{
    const RotationModel* model = ModelOf(p);
    assert(model);
    return model ? PoleOf(*model, jd) : PoleDirection{};
}

CentralMeridians CentralMeridiansOf(PlanetId p, Extended jd, const PlanetPlace& planet, const NutationAngles& nutation)
{
    const RotationModel* model = ModelOf(p);
    if (!model) return {};
    // The planet as the light now arriving left it.
    const Extended emitted = jd - planet.Distance / SpeedOfLightKmPerDay;
    const Extended d = emitted - 2451545;
    const BodyEquatorialPlace earth =
        PlaceOnBodyEquator(EarthSeenFromPlanetJ2000(jd, planet, nutation), PoleOf(*model, emitted));

    CentralMeridians meridians;
    meridians.Main = WestLongitude(model->Main, d, earth.FromNodeDegrees);
    meridians.SystemI = WestLongitude(model->SystemI, d, earth.FromNodeDegrees);
    meridians.SystemII = WestLongitude(model->SystemII, d, earth.FromNodeDegrees);
    meridians.SubEarthLatitude = earth.LatitudeDegrees;
    return meridians;
}

Extended JupiterSystemIIMeridian(Extended jd)
{
    PlanetPlaces places;
    JupiterApparent(jd, places);
    return *CentralMeridiansOf(Jupiter, jd, places.Planet[Jupiter], places.Nutation).SystemII;
}

std::vector<Extended> RedSpotTransits(Extended firstJD, Extended lastJD, Extended longitudeII)
{
    std::vector<Extended> transits;
    const Extended target = ReduceDegrees(longitudeII);
    const Extended period = 360 / SystemIIDegreesPerDay;
    const Extended lastSearched = lastJD + 1.0L / 86400;  // a transit that rounds down onto lastJD
    // The first guess: the meridian still has to turn from where it stands at firstJD to the target.
    Extended guess = firstJD + ReduceDegrees(target - JupiterSystemIIMeridian(firstJD)) / SystemIIDegreesPerDay;
    while (guess <= lastSearched + period) {
        const Extended transit = TransitNear(guess, target);
        if (transit > lastSearched) break;
        const Extended instant = NearestProgramInstant(transit);
        if (instant >= firstJD && instant <= lastJD) transits.push_back(instant);
        guess = transit + period;
    }
    return transits;
}

}  // namespace vireon
