// Strict readers for what the user types in the dialogs: the date and time of the date dialog,
// the increment's number, the zoom and the eyepiece field. Each returns a value or nothing;
// a refused text must leave the program's state unchanged (the dialog then shows the matching
// message and stays open).
//
// Numbers use "." as the decimal separator whatever the locale; blanks around a text are
// ignored; nothing else is tolerated (no exponent, no thousands separator, no comma).
#pragma once

#include <optional>
#include <string_view>

#include "core/types.h"

namespace vireon {

struct DialogDate {
    int Day = 1;
    int Month = 1;
    int Year = 1;
};

struct DialogTime {
    int Hour = 0;
    int Minute = 0;
    int Second = 0;
};

// "d/m/yyyy": day and month of one or two digits, year of one to four digits taken literally
// (no century window), year 1..9999, and a day that exists in this program's calendar (Julian
// rule up to 1582: 29/02/1500 exists, and 5..14/10/1582 are Julian dates).
std::optional<DialogDate> ParseDialogDate(std::string_view text);

// "hh:mm:ss" or "hh:mm" (seconds 0), fields of one or two digits, 0..23, 0..59, 0..59.
std::optional<DialogTime> ParseDialogTime(std::string_view text);

// The number of units of the increment: a finite decimal number with |n| <= 100000.
std::optional<Extended> ParseIncrementNumber(std::string_view text);

// The zoom: an integer with an optional sign; one too large for an int saturates, and the
// result is then limited to 1..4000 (5000 gives 4000, 0 and -3 give 1).
std::optional<int> ParseZoomValue(std::string_view text);

// The eyepiece field diameter in arcminutes: a decimal number greater than 0 and at most 6000
// (100 degrees, wider than any eyepiece).
std::optional<double> ParseFieldMinutes(std::string_view text);

// A longitude in degrees from 0 to 360, both included (the Great Red Spot's System II
// longitude): a decimal number.
std::optional<double> ParseLongitudeDegrees(std::string_view text);

// A decimal number from lowest to highest, both included (a site's latitude, longitude and
// height).
std::optional<double> ParseDecimalWithin(std::string_view text, double lowest, double highest);

// Largest magnitude of the increment's number and the zoom's limits.
inline constexpr Extended MaxIncrementNumber = 100000.0L;
inline constexpr int MinZoom = 1;
inline constexpr int MaxZoom = 4000;
inline constexpr double MaxFieldMinutes = 6000.0;

// The warnings shown when a text is refused.
inline constexpr const char* InvalidDateMessage = "Date invalide : utilisez la forme JJ/MM/AAAA.";
inline constexpr const char* InvalidTimeMessage = "Heure invalide : utilisez la forme HH:MM:SS.";
inline constexpr const char* InvalidIncrementMessage = "Incrément invalide.";
inline constexpr const char* InvalidZoomMessage = "Zoom invalide.";
inline constexpr const char* InvalidFieldMessage = "Champ invalide.";
inline constexpr const char* InvalidLongitudeMessage = "Longitude invalide.";
inline constexpr const char* InvalidLatitudeMessage = "Latitude invalide.";
inline constexpr const char* InvalidHeightMessage = "Altitude invalide.";
inline constexpr const char* SkippedLocalTimeMessage = "Cette heure n'existe pas dans le fuseau horaire choisi.";

}  // namespace vireon
