// Small helpers shared by the dialogs.
#pragma once

#include <QString>

#include <optional>
#include <utility>

#include "core/time_scale.h"
#include "core/types.h"

class QPushButton;
class QWidget;

namespace vireon {

// A dialog button with its object name ("bbOK", "bbCancel", ...) and caption.
QPushButton* MakeDialogButton(const QString& objectName, const QString& caption, QWidget* parent);

// The months of the monthly lists, counted as year x 12 + (month - 1) so that a step over the new
// year is an addition; the supported range runs from January of year 1 to December of 9999.
inline constexpr int FirstMonthIndex = 1 * 12;
inline constexpr int LastMonthIndex = 9999 * 12 + 11;
inline int MonthIndex(int month, int year) { return year * 12 + month - 1; }

// The month `months` after (before, when negative) month/year, as {month, year}; none, with a
// beep, when it would leave the supported range.
std::optional<std::pair<int, int>> SteppedMonth(int month, int year, int months);

// A monthly list's title: the planet's capital name and the month, "JUPITER - septembre 2026",
// followed in UT by " (UT)" and in local time by the zone (" (Europe/Paris)").
QString MonthTitle(PlanetId planet, int month, int year, const TimeScale& scale);

// The TT Julian Days of the first and last whole seconds of a month read on a scale (the 1st at
// 00:00:00, the last day at 23:59:59).
struct MonthSpan {
    Extended FirstJD = 0, LastJD = 0;
};
MonthSpan MonthSpanOf(const TimeScale& scale, int month, int year);

// Shows a refused input's message in a warning box over the dialog and waits for OK.
void WarnInvalidInput(QWidget* dialog, const char* utf8Message);

}  // namespace vireon
