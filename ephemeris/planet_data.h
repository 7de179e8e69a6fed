// Physical data of the planets whose satellites the program shows.
#pragma once

#include <cstdint>

#include "core/types.h"

namespace vireon {

struct PlanetData {
    std::uint8_t SatelliteCount;
    std::int32_t PlanetEquatorialDiameterKm;
    std::int32_t PlanetPolarDiameterKm;
};

// Checked accessor: p must be 4..9 (asserted).
const PlanetData& PlanetInfo(PlanetId p);

}  // namespace vireon
