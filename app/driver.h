// The recompute driver and the start-up sequence.
//
// Every command changes GlobalSettings and ends in one RecomputeAndDraw(planet), which runs,
// in this order: record the planet; prepare the data panel; run the planet's satellite theory
// for the calendar fields (rebuilding CurrentJD, the instant on TT, from the fields read on the
// chosen clock) and, with a site, the planet's and the Sun's altitudes; apply the automatic
// zoom; format and fill the panel and the status bar; enable the planetary-pole menu items in
// the equatorial view; draw the current view.
#pragma once

#include "core/settings.h"
#include "core/types.h"

namespace vireon {

// The steps of the driver, each owned by a subsystem. DefaultDriverSteps calls the real
// ones; tests put a recording double in its place.
class DriverSteps {
public:
    virtual ~DriverSteps() = default;
    virtual void PreparePanel(PlanetId planet) = 0;
    virtual void RunTheory(PlanetId planet) = 0;
    virtual void FillPanelAndStatusBar(PlanetId planet) = 0;
    virtual void EnablePoleItems() = 0;
    virtual void DrawView(PlanetId planet) = 0;
};

class DefaultDriverSteps : public DriverSteps {
public:
    void PreparePanel(PlanetId planet) override;
    void RunTheory(PlanetId planet) override;
    void FillPanelAndStatusBar(PlanetId planet) override;
    void EnablePoleItems() override;
    void DrawView(PlanetId planet) override;
};

// Runs the theory of the current planet for the current calendar fields: CurrentJD is rebuilt
// from the fields first (on TT). Used by the driver and by the monthly graph.
void RunTheoryForCurrentInstant(PlanetId planet);

void RecomputeAndDraw(PlanetId planet);
void RecomputeAndDraw(PlanetId planet, DriverSteps& steps);

// The application title (the title of its message boxes).
extern const char* const ApplicationTitle;

// The text of the reminder shown at start-up.
extern const char* const StartupReminder;

// The start-up sequence, after the main window exists and before the event loop: the
// reminder (one OK button), the window to the top left (moveWindowToTopLeft), the clock read,
// the start-up settings with those kept from the last run, 7 January 1610 16:45:00 on the kept
// clock with the clock's milliseconds in CurrentDateTime, and RecomputeAndDraw(Jupiter).
void StartProgram(void (*moveWindowToTopLeft)(void*), void* window, const KeptSettings& kept = {});

}  // namespace vireon
