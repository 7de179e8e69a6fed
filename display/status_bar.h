// The five status-bar panels: the planet's apparent place and diameter, the zoom and field,
// the increment, the mirror, and the date and time.
#pragma once

#include <array>
#include <string>

#include "core/settings.h"
#include "display/display_port.h"
#include "ephemeris/apparent_place.h"
#include "satellites/satellite_record.h"

namespace vireon {

struct StatusBarInputs {
    vireon::ViewMode ViewMode = ViewMode::Equatorial;
    Extended PlanetRA = 0;        // hours, apparent
    Extended PlanetDec = 0;       // degrees, apparent
    Extended PlanetDiameter = 0;  // arcseconds, apparent equatorial diameter
    int ZoomFactor = 1;
    double FieldOfView = 15;      // arcminutes
    Extended IncrementDays = 1.0L / 24;
    int IncrementUnitIndex = 4;       // increment dialog: 0 year, 1 month, 2 week, 3 day, 4 hour, 5 minute
    std::string IncrementText = "1";  // the number typed in the increment dialog
    bool MirrorView = false;
    std::string DateTimeText;
};

using StatusBarTexts = std::array<std::string, 5>;

// The five texts. In the monthly graph the increment reads as one month (30 days), the place
// panel is empty and the date is the first of the month.
StatusBarTexts FormatStatusBar(const StatusBarInputs& in);

// "AD : hhhmmmss.ss  -  Déclinaison : ±dd°mm'ss.s\"  -  Diam. app. : d.dd\"". The seconds are
// rounded to 0.1 before they carry into minutes and degrees (right ascension wraps at 24 h).
std::string PlanetPlaceText(Extended raHours, Extended decDegrees, Extended diameterArcsec);

// Whether the increment's unit takes a plural "s": the typed text, blanks trimmed, is a whole
// number (digits with an optional sign) greater than 1.
bool IncrementIsPlural(const std::string& typed);

// "Incrément : " with the value in the dialog's unit and the unit's name.
std::string IncrementStatusText(Extended incrementDays, int unitIndex, const std::string& typed);

// Writes the five panels. In the monthly graph it first sets the increment to one month of 30
// days (unit index 1), as the graph's rows are days of a month.
void RefreshStatusBar(DisplayPort& port, GlobalSettings& settings, const SatelliteRecord& record,
                      const PlanetPlaces& places, const std::string& dateTimeText);

}  // namespace vireon
