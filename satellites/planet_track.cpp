#include "satellites/planet_track.h"

#include <cmath>

#include "core/time_base.h"
#include "satellites/search_support.h"

namespace vireon {
namespace {

constexpr std::int64_t NodeSpacingSeconds = SecondsPerDay / 2;

// Cubic Lagrange weights on the nodes -1, 0, 1, 2 at u in [0, 1), and their derivatives in u.
std::array<Extended, 4> CubicWeights(Extended u)
{
    return {-u * (u - 1) * (u - 2) / 6, (u + 1) * (u - 1) * (u - 2) / 2, -(u + 1) * u * (u - 2) / 2,
            (u + 1) * u * (u - 1) / 6};
}

std::array<Extended, 4> CubicWeightRates(Extended u)
{
    return {-(3 * u * u - 6 * u + 2) / 6, (3 * u * u - 4 * u - 1) / 2, -(3 * u * u - 2 * u - 2) / 2,
            (3 * u * u - 1) / 6};
}

template <class T>
T Weighted(const std::array<Extended, 4>& w, const T& a, const T& b, const T& c, const T& d)
{
    return w[0] * a + w[1] * b + w[2] * c + w[3] * d;
}

Mat3 WeightedMatrix(const std::array<Extended, 4>& w, const Mat3& a, const Mat3& b, const Mat3& c, const Mat3& d)
{
    Mat3 m;
    for (int i = 0; i < 3; ++i) m.Rows[i] = Weighted(w, a.Rows[i], b.Rows[i], c.Rows[i], d.Rows[i]);
    return m;
}

std::int64_t FloorDiv(std::int64_t a, std::int64_t b) { return a / b - (a % b < 0 ? 1 : 0); }

}  // namespace

PlanetTrack::PlanetTrack(PlanetId planet, Extended baseJD, std::int64_t firstSecond, std::int64_t lastSecond)
    : baseJD_(baseJD)
{
    // Every instant has two nodes on each side, with one spacing to spare at each end.
    firstNode_ = FloorDiv(firstSecond, NodeSpacingSeconds) - 2;
    const std::int64_t lastNode = FloorDiv(lastSecond, NodeSpacingSeconds) + 3;
    PlanetPlaces places;
    SatelliteSystem system;
    for (std::int64_t i = firstNode_; i <= lastNode; ++i) {
        const Extended jd = baseJD + static_cast<Extended>(i * NodeSpacingSeconds) / SecondsPerDay;
        ComputeSatelliteSystem(planet, {jd, CalendarFromJulianDay(jd).Year}, places, system);
        nodes_.push_back({{GlobeSceneOf(system), system.Axes}, {places.Earth.X, places.Earth.Y, places.Earth.Z}});
    }
}

PlanetTrack::Cell PlanetTrack::CellAt(Extended second) const
{
    const Extended x = second / NodeSpacingSeconds;
    const Extended cell = std::floor(x);
    const auto i = static_cast<std::size_t>(static_cast<std::int64_t>(cell) - firstNode_);
    return {{&nodes_[i - 1], &nodes_[i], &nodes_[i + 1], &nodes_[i + 2]}, x - cell};
}

PlanetState PlanetTrack::At(Extended second) const
{
    const Cell cell = CellAt(second);
    const std::array<Extended, 4> w = CubicWeights(cell.U);
    const PlanetState& a = cell.Nodes[0]->State;
    const PlanetState& b = cell.Nodes[1]->State;
    const PlanetState& c = cell.Nodes[2]->State;
    const PlanetState& d = cell.Nodes[3]->State;
    PlanetState s;
    s.Scene.Earth = Weighted(w, a.Scene.Earth, b.Scene.Earth, c.Scene.Earth, d.Scene.Earth);
    s.Scene.Sun = Weighted(w, a.Scene.Sun, b.Scene.Sun, c.Scene.Sun, d.Scene.Sun);
    s.Scene.Pole = Weighted(w, a.Scene.Pole, b.Scene.Pole, c.Scene.Pole, d.Scene.Pole);
    s.Scene.EquatorialRadiusKm = b.Scene.EquatorialRadiusKm;
    s.Scene.PolarRadiusKm = b.Scene.PolarRadiusKm;
    s.Axes.LightTimeDays =
        Weighted(w, a.Axes.LightTimeDays, b.Axes.LightTimeDays, c.Axes.LightTimeDays, d.Axes.LightTimeDays);
    s.Axes.ToEquatorOfDate =
        WeightedMatrix(w, a.Axes.ToEquatorOfDate, b.Axes.ToEquatorOfDate, c.Axes.ToEquatorOfDate, d.Axes.ToEquatorOfDate);
    return s;
}

Vec3 PlanetTrack::SunAt(Extended second) const
{
    const Cell cell = CellAt(second);
    const std::array<Extended, 4> w = CubicWeights(cell.U);
    return Weighted(w, cell.Nodes[0]->State.Scene.Sun, cell.Nodes[1]->State.Scene.Sun, cell.Nodes[2]->State.Scene.Sun,
                    cell.Nodes[3]->State.Scene.Sun);
}

Vec3 PlanetTrack::SunRateAt(Extended second) const
{
    const Cell cell = CellAt(second);
    const std::array<Extended, 4> w = CubicWeightRates(cell.U);
    return (Extended{1} / NodeSpacingSeconds) *
           Weighted(w, cell.Nodes[0]->State.Scene.Sun, cell.Nodes[1]->State.Scene.Sun, cell.Nodes[2]->State.Scene.Sun,
                    cell.Nodes[3]->State.Scene.Sun);
}

Vec3 PlanetTrack::EarthHeliocentricAt(Extended second) const
{
    const Cell cell = CellAt(second);
    const std::array<Extended, 4> w = CubicWeights(cell.U);
    return Weighted(w, cell.Nodes[0]->EarthHeliocentric, cell.Nodes[1]->EarthHeliocentric,
                    cell.Nodes[2]->EarthHeliocentric, cell.Nodes[3]->EarthHeliocentric);
}

}  // namespace vireon
