// The French texts of the two monthly lists, which their exports repeat: a phenomenon's row
// ("Début de passage"), a mutual event ("Io occulte Europe (partielle)") and its drop in
// magnitude ("0.42 mag").
#pragma once

#include <string>

#include "core/types.h"
#include "satellites/mutual_events.h"
#include "satellites/phenomena.h"

namespace vireon {

// "Début de passage", "Fin de passage de l'ombre", ..., "Passage de la Tache rouge".
const char* PhenomenonText(PhenomenonKind kind);

// "Io occulte Europe", "Io éclipse Europe", with " (partielle)", " (annulaire)" or " (pénombre)"
// for what covers the passive satellite at the maximum (nothing when it is wholly covered, or
// wholly in the umbra).
std::string MutualEventText(PlanetId planet, const MutualEvent& event);

// The drop in magnitude of the pair's light at the maximum, -2.5 log10(1 - flux drop): "0.42 mag".
std::string MagnitudeDropText(const MutualEvent& event);

}  // namespace vireon
