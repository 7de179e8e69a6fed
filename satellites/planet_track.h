// The planet between full runs of its theory, for the searches over a span of whole seconds
// (satellites/phenomena.cpp, satellites/mutual_events.cpp).
//
// The planet-level values (the Earth's and the Sun's planetocentric positions, the pole, the
// light time, the satellites' axes and the Earth's heliocentric position) come from full runs
// of the theory every half day and are interpolated in between by cubic Lagrange polynomials;
// only the satellites themselves are computed at every instant a search examines. Against full
// runs at every instant, the phenomena's changes found this way moved by at most 0.04 ms
// (Jupiter and Saturn, some 2400 changes in the years 1700, 1800, 2024, 2025 and 3000; 0.4 ms
// with nodes a day apart).
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "core/types.h"
#include "core/vector3.h"
#include "satellites/globe_phenomena.h"
#include "satellites/theory.h"

namespace vireon {

// What the satellites' geometry depends on besides the satellites' own motion.
struct PlanetState {
    GlobeScene Scene;
    SatelliteAxes Axes;
};

// The times of a track are seconds from a base Julian Day (a whole second).
class PlanetTrack {
public:
    // Nodes for every instant from firstSecond to lastSecond, with one spacing to spare at each
    // end (the whole seconds just beyond a search's last samples, or a light time earlier).
    PlanetTrack(PlanetId planet, Extended baseJD, std::int64_t firstSecond, std::int64_t lastSecond);

    Extended JulianDay(Extended second) const { return baseJD_ + second / 86400; }

    PlanetState At(Extended second) const;

    // The Sun's planetocentric position (minus the planet's heliocentric vector) and the Earth's
    // heliocentric position at the instant (km, true equator of the date), and their rates of
    // change (km per second).
    Vec3 SunAt(Extended second) const;
    Vec3 SunRateAt(Extended second) const;
    Vec3 EarthHeliocentricAt(Extended second) const;

private:
    struct Node {
        PlanetState State;
        Vec3 EarthHeliocentric;
    };
    // The four nodes around an instant and the cell's weights.
    struct Cell {
        const Node* Nodes[4];
        Extended U = 0;  // in [0, 1) between the second and third node
    };
    Cell CellAt(Extended second) const;

    Extended baseJD_;
    std::int64_t firstNode_ = 0;
    std::vector<Node> nodes_;
};

}  // namespace vireon
