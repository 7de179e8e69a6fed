// GlobalSettings: every setting of a run and the current instant. Only the clock the dates are
// read on (its scale and zone), the observing site and the Red Spot's longitude are kept between
// runs (KeptSettings); every other setting starts afresh.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "core/observing_site.h"
#include "core/time_base.h"
#include "core/time_scale.h"
#include "core/types.h"

namespace vireon {

struct GlobalSettings {
    PlanetId CurrentPlanet = Jupiter;
    vireon::ViewMode ViewMode = ViewMode::Equatorial;
    vireon::Orientation Orientation = Orientation::North;
    bool MirrorView = false;  // star-diagonal mirror image
    bool ShowTraces = false;
    bool ShowNumbers = true;
    bool ShowAxis = false;
    bool ShowCentralMeridian = true;  // the equatorial view writes the central meridians
    bool AnimationRunning = false;
    std::int8_t AnimationDirection = +1;
    std::uint32_t AnimationDelayMs = 200;
    Extended IncrementDays = 1.0L / 24;  // one hour
    std::int32_t ZoomFactor = 1;         // 1..4000
    bool AutoZoom = false;
    double FieldOfView = 15.0;  // diameter of the eyepiece field circle, arcminutes
    bool ShowField = false;     // the field button is down: the equatorial view draws the circle
    vireon::DistanceUnit DistanceUnit = DistanceUnit::PlanetRadii;  // of the data panel
    char RulerState = '0';      // '0' off, '1' waiting for the first point, '2' for the second
    bool ViewCleared = true;    // the view has just been erased and must be drawn whole
    bool DialogAccepted = false;  // set by the date and increment dialogs' OK; never reset

    // The Great Red Spot's System II longitude the observer last entered in the phenomena dialog
    // (degrees), whose transits that dialog lists for Jupiter; none at first, kept between runs.
    std::optional<double> RedSpotLongitude{};

    // The clock the dates are shown and typed on: TT at first (the date as entered is the
    // theories' time), UT, or the civil time of a zone; kept between runs.
    vireon::TimeScale TimeScale{};
    // Where the observer stands, for the altitudes of the planet and the Sun; none at first, kept
    // between runs.
    std::optional<ObservingSite> Site{};

    // The increment dialog's unit (0 year .. 5 minute) and typed number, read by the status bar.
    int IncrementUnitIndex = 4;
    std::string IncrementText = "1";

    // The current instant: the calendar fields are the master, read on the TimeScale's clock; the
    // theories rebuild CurrentJD, the instant on TT, from them. The date-time value is that of the
    // fields.
    CalendarFields Current{7, 1, 1610, 16, 45, 0, 0};
    Extended CurrentJD = 2309107.1979166665L;
    double CurrentDateTime = 0;
};

// The settings kept between runs.
struct KeptSettings {
    vireon::TimeScale TimeScale{};
    std::optional<ObservingSite> Site{};
    std::optional<double> RedSpotLongitude{};

    friend bool operator==(const KeptSettings&, const KeptSettings&) = default;
};
KeptSettings KeptSettingsOf(const GlobalSettings& settings);
// Puts them back; the calendar fields stay as they are and name an instant on the new clock.
void ApplyKeptSettings(GlobalSettings& settings, const KeptSettings& kept);

// The one settings object of the program.
extern GlobalSettings Settings;

// Puts every setting back to its start-up value (7 January 1610 16:45:00, Jupiter, ...).
void ResetToStartupValues(GlobalSettings& settings);

// Sets the current instant from a TT Julian Day: calendar fields of the scale's clock rounded to
// the second (or to the second next after it, or before it), the date-time value rebuilt
// (milliseconds dropped), CurrentJD = jd.
void SetCurrentInstant(GlobalSettings& settings, Extended jd, SecondRounding rounding = SecondRounding::Nearest);

// Moves the current instant by a number of days (elapsed time) if the target, read on the scale's
// clock, stays in the supported range. Returns false (and changes nothing) otherwise.
bool StepCurrentInstant(GlobalSettings& settings, Extended days);

// The TT instant the calendar fields name on the scale's clock (a local time the zone skips is
// taken as the instant the clocks jumped to).
Extended TerrestrialOfFields(const GlobalSettings& settings, const CalendarFields& fields);

// Changes the clock the dates are read on, keeping the instant: the fields are read anew.
void SetTimeScale(GlobalSettings& settings, const vireon::TimeScale& scale);

}  // namespace vireon
