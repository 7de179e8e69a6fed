#include "app/view_commands.h"

#include "app/driver.h"
#include "display/view_options.h"
#include "display/views.h"
#include "ephemeris/apparent_place.h"
#include "satellites/satellite_record.h"

namespace vireon {

void SetEquatorialView(DisplayPort& port, GlobalSettings& settings)
{
    SwitchView(port, settings, ViewMode::Equatorial);
    ShowOrientation(port, settings.Orientation);
    EraseView(port, settings);
    RecomputeAndDraw(settings.CurrentPlanet);
}

void SetPolarView(DisplayPort& port, GlobalSettings& settings)
{
    SwitchView(port, settings, ViewMode::Polar);
    port.SetText("panNS", "Vue polaire nord");
    EraseView(port, settings);
    RecomputeAndDraw(settings.CurrentPlanet);
}

void SetGraphView(DisplayPort& port, GlobalSettings& settings)
{
    SwitchView(port, settings, ViewMode::Graph);
    // Drawn directly, over whatever the view showed: the graph erases its own box.
    DrawGraphView(port, settings, Record, Places, RunTheoryForCurrentInstant);
}

void AnimationFrame(DisplayPort& port, GlobalSettings& settings)
{
    if (!settings.AnimationRunning) return;
    if (!StepCurrentInstant(settings, settings.AnimationDirection * settings.IncrementDays)) {
        // The next date lies outside the supported range: stop there, the date stays.
        Animate(port, settings, false);
        return;
    }
    RecomputeAndDraw(settings.CurrentPlanet);
    if (settings.AnimationRunning) port.ScheduleAnimationFrame(settings.AnimationDelayMs);
}

}  // namespace vireon
