// GlobalSettings: every setting of a run and the current instant. Nothing is saved between runs.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "core/time_base.h"
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
    // (degrees), whose transits that dialog lists for Jupiter; none at first, never saved.
    std::optional<double> RedSpotLongitude{};

    // The increment dialog's unit (0 year .. 5 minute) and typed number, read by the status bar.
    int IncrementUnitIndex = 4;
    std::string IncrementText = "1";

    // The current instant: the calendar fields are the master; the theories rebuild
    // CurrentJD from them.
    CalendarFields Current{7, 1, 1610, 16, 45, 0, 0};
    Extended CurrentJD = 2309107.1979166665L;
    double CurrentDateTime = 0;
};

// The one settings object of the program.
extern GlobalSettings Settings;

// Puts every setting back to its start-up value (7 January 1610 16:45:00, Jupiter, ...).
void ResetToStartupValues(GlobalSettings& settings);

// Sets the current instant from a Julian Day: calendar fields rounded to the second, the
// date-time value rebuilt (milliseconds dropped), CurrentJD = jd.
void SetCurrentInstant(GlobalSettings& settings, Extended jd);

// Moves the current instant by a number of days if the target stays in the supported range.
// Returns false (and changes nothing) otherwise.
bool StepCurrentInstant(GlobalSettings& settings, Extended days);

}  // namespace vireon
