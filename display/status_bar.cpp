#include "display/status_bar.h"

#include <cmath>
#include <iterator>

#include "core/conventions.h"

namespace vireon {
namespace {

// A value split into whole units, minutes and tenths of seconds. The seconds are rounded to
// a tenth first and only then carried, so 59.97 s never shows as "60.0".
struct SexagesimalTenths {
    bool Negative = false;
    long long Units = 0;
    int Minutes = 0;
    int Tenths = 0;  // tenths of a second, 0..599
};

SexagesimalTenths SplitToTenths(Extended value, int wrap)
{
    SexagesimalTenths out;
    // A place is never beyond a few hundred units; anything else is no place at all.
    if (!std::isfinite(value) || std::abs(value) > 1e6L) return out;
    out.Negative = value < 0;
    const Extended a = std::abs(value);
    const Extended minutes = FractionalPart(a) * 60;
    const Extended seconds = FractionalPart(minutes) * 60;
    out.Units = static_cast<long long>(std::trunc(a));
    out.Minutes = static_cast<int>(std::trunc(minutes));
    out.Tenths = static_cast<int>(std::nearbyint(seconds * 10));
    if (out.Tenths >= 600) {
        out.Tenths -= 600;
        ++out.Minutes;
    }
    if (out.Minutes >= 60) {
        out.Minutes -= 60;
        ++out.Units;
    }
    if (wrap > 0 && out.Units >= wrap) out.Units -= wrap;
    return out;
}

std::string SecondsText(int tenths) { return FormatInt(tenths / 10) + "." + FormatInt(tenths % 10); }

std::string RightAscensionText(Extended hours)
{
    const SexagesimalTenths ra = SplitToTenths(hours, 24);
    return "AD : " + FormatTwoDigits(ra.Units) + "h" + FormatTwoDigits(ra.Minutes) + "m" + (ra.Tenths < 100 ? "0" : "") +
           SecondsText(ra.Tenths) + "s";
}

std::string DeclinationText(Extended degrees)
{
    const SexagesimalTenths dec = SplitToTenths(degrees, 0);
    std::string text = "Déclinaison : ";
    if (dec.Units >= 10) {
        // No plus sign for northern declinations of ten degrees or more.
        if (dec.Negative) text += '-';
        text += FormatInt(dec.Units);
    } else {
        text += std::string(degrees >= 0 ? "+" : "-") + "0" + FormatInt(dec.Units);
    }
    text += "°" + FormatTwoDigits(dec.Minutes) + "'" + (dec.Tenths < 100 ? "0" : "") + SecondsText(dec.Tenths) + "\"";
    return text;
}

// The units of the increment dialog, in its order.
constexpr const char* IncrementUnitNames[6] = {" an", " mois", " semaine", " jour", " heure", " minute"};

std::string IncrementValueText(Extended days, int unitIndex)
{
    switch (unitIndex) {
    case 0: return FormatFixed(days / 365.25L, 0, 7);
    case 1: return FormatFixed(days / 30.6001L, 0, 7);
    case 2: return FormatFixed(days / 7, 0, 7);
    case 3: return FormatFixed(days, 0, 7);
    case 4: return FormatFixed(days * 24, 0, 7);
    case 5: return FormatFixed(days * 1440, 0, 7);
    default: return "";
    }
}

}  // namespace

std::string PlanetPlaceText(Extended raHours, Extended decDegrees, Extended diameterArcsec)
{
    return RightAscensionText(raHours) + "  -  " + DeclinationText(decDegrees) +
           "  -  Diam. app. : " + FormatFixed(diameterArcsec, 2, 7) + "\"";
}

bool IncrementIsPlural(const std::string& typed)
{
    const auto first = typed.find_first_not_of(" \t");
    if (first == std::string::npos) return false;
    const auto last = typed.find_last_not_of(" \t");
    std::string number = typed.substr(first, last - first + 1);
    bool negative = false;
    if (number[0] == '+' || number[0] == '-') {
        negative = number[0] == '-';
        number.erase(0, 1);
    }
    if (number.empty() || number.find_first_not_of("0123456789") != std::string::npos) return false;
    if (negative) return false;
    // Compared as text, so that no number of digits can overflow.
    const auto significant = number.find_first_not_of('0');
    if (significant == std::string::npos) return false;
    const std::string digits = number.substr(significant);
    return digits.size() > 1 || digits[0] > '1';
}

std::string IncrementStatusText(Extended incrementDays, int unitIndex, const std::string& typed)
{
    if (unitIndex < 0 || unitIndex >= static_cast<int>(std::size(IncrementUnitNames))) return "Incrément : ";
    std::string text = "Incrément : " + IncrementValueText(incrementDays, unitIndex) + IncrementUnitNames[unitIndex];
    // "mois" is the same in the plural.
    if (unitIndex != 1 && IncrementIsPlural(typed)) text += "s";
    return text;
}

StatusBarTexts FormatStatusBar(const StatusBarInputs& in)
{
    const bool graph = in.ViewMode == ViewMode::Graph;
    StatusBarTexts texts;
    texts[0] = graph ? "" : PlanetPlaceText(in.PlanetRA, in.PlanetDec, in.PlanetDiameter);
    texts[1] = "Zoom : " + FormatInt(in.ZoomFactor) + "x - Champ : " + FormatFixed(in.FieldOfView, 0, 7) + " minutes";
    texts[2] = graph ? IncrementStatusText(30.0L, 1, in.IncrementText)
                     : IncrementStatusText(in.IncrementDays, in.IncrementUnitIndex, in.IncrementText);
    texts[3] = in.MirrorView ? "Renvoi coudé" : "";
    if (!graph) texts[4] = in.DateTimeText;
    else texts[4] = "01/" + (in.DateTimeText.size() > 3 ? in.DateTimeText.substr(3) : std::string());
    return texts;
}

void RefreshStatusBar(DisplayPort& port, GlobalSettings& settings, const SatelliteRecord& record,
                      const PlanetPlaces& places, const std::string& dateTimeText)
{
    if (settings.ViewMode == ViewMode::Graph) {
        settings.IncrementUnitIndex = 1;
        settings.IncrementDays = 30.0L;
    }
    StatusBarInputs in;
    in.ViewMode = settings.ViewMode;
    in.PlanetRA = places.PlanetRA;
    in.PlanetDec = places.PlanetDec;
    in.PlanetDiameter = record.PlanetApparentDiameter[1];
    in.ZoomFactor = settings.ZoomFactor;
    in.FieldOfView = settings.FieldOfView;
    in.IncrementDays = settings.IncrementDays;
    in.IncrementUnitIndex = settings.IncrementUnitIndex;
    in.IncrementText = settings.IncrementText;
    in.MirrorView = settings.MirrorView;
    in.DateTimeText = dateTimeText;
    const StatusBarTexts texts = FormatStatusBar(in);
    for (int i = 0; i < static_cast<int>(texts.size()); ++i) port.SetStatusText(i, texts[i]);
}

}  // namespace vireon
