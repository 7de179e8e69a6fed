#include "app/driver.h"

#include "core/platform.h"
#include "core/settings.h"
#include "display/display.h"
#include "ephemeris/apparent_place.h"
#include "ephemeris/horizon.h"
#include "satellites/satellite_record.h"
#include "satellites/planet_descriptor.h"
#include "satellites/theory.h"

namespace vireon {

const char* const ApplicationTitle =
    "Vireon - programme d'affichage des positions des satellites des planètes du système solaire";

const char* const StartupReminder =
    "Pensez à vérifier s'il n'y a pas une version plus récente du logiciel en cliquant sur le bouton de mise à jour";

void RunTheoryForCurrentInstant(PlanetId planet)
{
    Settings.CurrentJD = TerrestrialOfFields(Settings, Settings.Current);
    TheoryInput in;
    in.JD = Settings.CurrentJD;
    in.Year = Settings.TimeScale.Kind == TimeScaleKind::Terrestrial ? Settings.Current.Year
                                                                    : CalendarFromJulianDay(in.JD).Year;
    in.ViewMode = Settings.ViewMode;
    in.Orientation = Settings.Orientation;
    RunSatelliteTheory(planet, in, Places, Record);
}

void DefaultDriverSteps::RunTheory(PlanetId planet)
{
    RunTheoryForCurrentInstant(planet);
    // The site's sky, for the corner of the equatorial view (the monthly graph's runs need none):
    // the planet's place as the theory left it, the Earth's rotation from UT.
    if (Settings.Site) {
        Record.Horizon = AltitudesAt(*Settings.Site, planet, Places, UniversalFromTerrestrial(Settings.CurrentJD));
    } else {
        Record.Horizon.reset();
    }
}

void DefaultDriverSteps::PreparePanel(PlanetId planet) { vireon::PreparePanel(CurrentDisplayPort(), Settings, planet); }


void DefaultDriverSteps::FillPanelAndStatusBar(PlanetId)
{
    FormatAndFillPanel(CurrentDisplayPort(), Settings, Record, Places);
}

void DefaultDriverSteps::EnablePoleItems()
{
    DisplayPort& port = CurrentDisplayPort();
    for (const char* item : {"miPoleN1", "miPoleN2", "miPoleS1", "miPoleS2"}) port.SetEnabled(item, true);
}

void DefaultDriverSteps::DrawView(PlanetId) { DrawCurrentView(CurrentDisplayPort(), Settings, Record, Places, RunTheoryForCurrentInstant); }

void RecomputeAndDraw(PlanetId planet, DriverSteps& steps)
{
    if (!IsPlanetId(planet)) return;
    Settings.CurrentPlanet = planet;
    steps.PreparePanel(planet);
    steps.RunTheory(planet);
    if (Settings.AutoZoom) Settings.ZoomFactor = Planet(planet).AutoZoom;
    steps.FillPanelAndStatusBar(planet);
    if (Settings.ViewMode == ViewMode::Equatorial) steps.EnablePoleItems();
    steps.DrawView(planet);
}

void RecomputeAndDraw(PlanetId planet)
{
    DefaultDriverSteps steps;
    RecomputeAndDraw(planet, steps);
}

void StartProgram(void (*moveWindowToTopLeft)(void*), void* window, const KeptSettings& kept)
{
    CurrentPlatform().ShowMessage(StartupReminder, Platform::Buttons::Ok);
    if (moveWindowToTopLeft) moveWindowToTopLeft(window);

    // The clock is read first; only its milliseconds survive into the date-time value.
    const CalendarFields clock = CurrentPlatform().LocalNow();
    ResetToStartupValues(Settings);
    ApplyKeptSettings(Settings, kept);
    Settings.Current.Millisecond = clock.Millisecond;
    Settings.CurrentJD = TerrestrialOfFields(Settings, Settings.Current);
    Settings.CurrentDateTime = DateTimeFromCalendar(Settings.Current);

    RecomputeAndDraw(Jupiter);
}

}  // namespace vireon
