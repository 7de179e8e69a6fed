#include "display/view_options.h"

#include "display/view_common.h"

namespace vireon {
namespace {

struct OrientationItems {
    vireon::Orientation Orientation;
    const char* Caption;  // of panNS
    const char* MainItem;
    const char* PopupItem;
};

constexpr OrientationItems Orientations[4] = {
    {Orientation::North, "Pôle nord céleste", "miNordenhaut1", "miNordenhaut2"},
    {Orientation::South, "Pôle sud céleste", "miSudenhaut1", "miSudenhaut2"},
    {Orientation::PlanetNorth, "Pôle nord planétaire", "miPoleN1", "miPoleN2"},
    {Orientation::PlanetSouth, "Pôle sud planétaire", "miPoleS1", "miPoleS2"},
};

const OrientationItems* FindOrientation(Orientation c)
{
    for (const OrientationItems& o : Orientations)
        if (o.Orientation == c) return &o;
    return nullptr;
}

}  // namespace

void ShowOrientation(DisplayPort& port, Orientation orientation)
{
    const OrientationItems* chosen = FindOrientation(orientation);
    if (!chosen) return;
    port.SetText("panNS", chosen->Caption);
    for (const OrientationItems& o : Orientations) {
        port.SetChecked(o.MainItem, &o == chosen);
        port.SetChecked(o.PopupItem, &o == chosen);
    }
}

namespace {

void SetPair(DisplayPort& port, const char* first, const char* second, bool checked)
{
    port.SetChecked(first, checked);
    port.SetChecked(second, checked);
}

// What each view allows: the orientation and mirror items, the animation, the eyepiece
// field, the ruler and the increment dialog's controls.
struct ViewControls {
    ViewMode Mode;
    const char* MainItem;
    const char* PopupItem;
    const char* Button;
    bool Celestial, Planetary, Mirror, Animation, Field, Ruler, Increment;
};

constexpr ViewControls Views[3] = {
    {ViewMode::Equatorial, "miEquatoriale1", "miEquatoriale2", "sbEqu", true, true, true, true, true, true, true},
    {ViewMode::Polar, "miPolaire1", "miPolaire2", "sbPol", false, false, false, true, false, true, true},
    {ViewMode::Graph, "miGraphique1", "miGraphique2", "sbGraph", true, false, true, false, false, false, false},
};

void EnableAll(DisplayPort& port, std::initializer_list<const char*> names, bool enabled)
{
    for (const char* name : names) port.SetEnabled(name, enabled);
}

}  // namespace

void SwitchView(DisplayPort& port, GlobalSettings& settings, ViewMode mode)
{
    settings.ViewMode = mode;
    port.SetText("labEO", "");
    port.SetVisible("labEO", false);
    const ViewControls* chosen = nullptr;
    for (const ViewControls& v : Views) {
        const bool on = v.Mode == mode;
        if (on) chosen = &v;
        SetPair(port, v.MainItem, v.PopupItem, on);
        port.SetChecked(v.Button, on);
    }
    EnableAll(port, {"miNordenhaut1", "miSudenhaut1", "miNordenhaut2", "miSudenhaut2"}, chosen->Celestial);
    EnableAll(port, {"miPoleN1", "miPoleN2", "miPoleS1", "miPoleS2"}, chosen->Planetary);
    EnableAll(port, {"miInversionRC1", "miInversionRC2"}, chosen->Mirror);
    EnableAll(port, {"sbAnimR", "sbAnimA", "sbStop"}, chosen->Animation);
    EnableAll(port, {"sbAffChamp", "sbChgChamp"}, chosen->Field);
    EnableAll(port, {"sbRegle"}, chosen->Ruler);
    EnableAll(port, {"eIncr", "rgIncr", "rgDelai"}, chosen->Increment);
}

namespace {

void ShowMirrorChecks(DisplayPort& port, const GlobalSettings& settings)
{
    SetPair(port, "miInversionRC1", "miInversionRC2", settings.MirrorView);
}

}  // namespace

void EraseView(DisplayPort& port, GlobalSettings& settings)
{
    FillBackground(port.ViewCanvas());
    settings.ViewCleared = true;
    port.ViewChanged();
}

void SetOrientation(DisplayPort& port, GlobalSettings& settings, Orientation orientation)
{
    settings.Orientation = orientation;
    ShowOrientation(port, orientation);
    EraseView(port, settings);
}

void ToggleMirror(DisplayPort& port, GlobalSettings& settings)
{
    SetOrientation(port, settings, Orientation::North);
    settings.MirrorView = !settings.MirrorView;
    ShowMirrorChecks(port, settings);
}

void FlipMirrorKeepingOrientation(DisplayPort& port, GlobalSettings& settings)
{
    settings.MirrorView = !settings.MirrorView;
    ShowMirrorChecks(port, settings);
    port.SetStatusText(3, settings.MirrorView ? "Renvoi coudé" : "");
    // The whole picture turns over: earlier traces would no longer match it.
    EraseView(port, settings);
}

void ToggleTraces(DisplayPort& port, GlobalSettings& settings)
{
    settings.ShowTraces = !settings.ShowTraces;
    SetPair(port, "miTraces1", "miTraces2", settings.ShowTraces);
    port.SetChecked("sbTraces", settings.ShowTraces);
    settings.ViewCleared = true;
}

void ToggleNumbers(DisplayPort& port, GlobalSettings& settings)
{
    settings.ShowNumbers = !settings.ShowNumbers;
    SetPair(port, "miAffichagenumeros1", "miAffichagenumeros2", settings.ShowNumbers);
}

void ToggleCentralMeridian(DisplayPort& port, GlobalSettings& settings)
{
    settings.ShowCentralMeridian = !settings.ShowCentralMeridian;
    port.SetChecked("miMeridiencentral", settings.ShowCentralMeridian);
}

void Animate(DisplayPort& port, GlobalSettings& settings, bool run)
{
    const bool wasRunning = settings.AnimationRunning;
    settings.AnimationRunning = run;
    SetPair(port, "miAnimation1", "miAnimation2", run);
    const bool forward = settings.AnimationDirection == 1;
    port.SetChecked("sbAnimA", run && forward);
    port.SetChecked("sbAnimR", run && !forward);
    port.SetChecked("sbStop", !run);
    // One chain of frames only: a start while running just changes direction and buttons.
    if (run && !wasRunning) port.ScheduleAnimationFrame(0);
}

}  // namespace vireon
