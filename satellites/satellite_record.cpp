#include "satellites/satellite_record.h"

namespace vireon {

SatelliteRecord Record;

}  // namespace vireon
