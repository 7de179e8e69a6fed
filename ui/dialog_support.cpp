#include "ui/dialog_support.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

#include "core/time_base.h"
#include "satellites/planet_descriptor.h"

namespace vireon {

std::optional<std::pair<int, int>> SteppedMonth(int month, int year, int months)
{
    const int target = MonthIndex(month, year) + months;
    if (target < FirstMonthIndex || target > LastMonthIndex) {
        QApplication::beep();
        return std::nullopt;
    }
    return std::pair{target % 12 + 1, target / 12};
}
namespace {

const char* const MonthNames[12] = {"janvier", "février", "mars",      "avril",   "mai",      "juin",
                                    "juillet", "août",    "septembre", "octobre", "novembre", "décembre"};

}  // namespace

QPushButton* MakeDialogButton(const QString& objectName, const QString& caption, QWidget* parent)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(objectName);
    return button;
}

QString MonthTitle(PlanetId planet, int month, int year, const TimeScale& scale)
{
    QString title = QString("%1 - %2 %3")
                        .arg(QString::fromUtf8(Planet(planet).CapitalName), QString::fromUtf8(MonthNames[month - 1]))
                        .arg(year);
    if (scale.Kind == TimeScaleKind::Universal) title += " (UT)";
    if (scale.Kind == TimeScaleKind::Local) title += " (" + QString::fromStdString(scale.Zone) + ")";
    return title;
}

MonthSpan MonthSpanOf(const TimeScale& scale, int month, int year)
{
    return {TerrestrialFromReadingOrLater(scale, JulianDayFromCalendar(1, month, year, 0, 0, 0)),
            TerrestrialFromReadingOrLater(scale, JulianDayFromCalendar(DaysInMonth(month, year), month, year, 59, 59, 23))};
}

void WarnInvalidInput(QWidget* dialog, const char* utf8Message)
{
    QMessageBox box(QMessageBox::Warning, dialog->windowTitle(), QString::fromUtf8(utf8Message), QMessageBox::Ok,
                    dialog);
    box.setObjectName("InvalidInputBox");
    box.exec();
}

}  // namespace vireon
