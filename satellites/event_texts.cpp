#include "satellites/event_texts.h"

#include <algorithm>
#include <cmath>

#include "core/conventions.h"
#include "satellites/planet_descriptor.h"

namespace vireon {
namespace {

const char* CoverageText(const MutualEvent& e)
{
    switch (e.Coverage) {
    case MutualCoverage::Total: return "";
    case MutualCoverage::Partial: return " (partielle)";
    case MutualCoverage::Annular: return " (annulaire)";
    case MutualCoverage::Penumbral: return " (pénombre)";
    }
    return "";
}

}  // namespace

const char* PhenomenonText(PhenomenonKind kind)
{
    switch (kind) {
    case PhenomenonKind::TransitStart: return "Début de passage";
    case PhenomenonKind::TransitEnd: return "Fin de passage";
    case PhenomenonKind::ShadowStart: return "Début de passage de l'ombre";
    case PhenomenonKind::ShadowEnd: return "Fin de passage de l'ombre";
    case PhenomenonKind::OccultationStart: return "Début d'occultation";
    case PhenomenonKind::OccultationEnd: return "Fin d'occultation";
    case PhenomenonKind::EclipseStart: return "Début d'éclipse";
    case PhenomenonKind::EclipseEnd: return "Fin d'éclipse";
    case PhenomenonKind::RedSpotTransit: return "Passage de la Tache rouge";
    }
    return "";
}

std::string MutualEventText(PlanetId planet, const MutualEvent& e)
{
    const char* verb = e.Kind == MutualKind::Occultation ? " occulte " : " éclipse ";
    return std::string(SatelliteName(planet, e.Active)) + verb + SatelliteName(planet, e.Passive) + CoverageText(e);
}

std::string MagnitudeDropText(const MutualEvent& e)
{
    const Extended magnitudes = -2.5L * std::log10(1 - std::min(e.FluxDrop, Extended{0.999999}));
    return FormatFixed(magnitudes, 2) + " mag";
}

}  // namespace vireon
