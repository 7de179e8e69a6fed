#include "ui/date_dialog.h"

#include <QCalendarWidget>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/date_commands.h"
#include "core/input_parsing.h"
#include "core/platform.h"
#include "core/settings.h"
#include "display/display_port.h"
#include "ui/dialog_support.h"

namespace vireon {
namespace {

QString CalendarText(const QDate& date) { return date.toString("dd/MM/yyyy"); }

}  // namespace

TfSaisieJour::TfSaisieJour(DisplayPort& port, QWidget* parent) : QDialog(parent), port_(port)
{
    setObjectName("fSaisieJour");
    setWindowTitle("Date");
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    // Month and day names of the calendar in French, weeks from Monday.
    setLocale(QLocale(QLocale::French, QLocale::France));

    MonthCalendar1 = new QCalendarWidget(this);
    MonthCalendar1->setObjectName("MonthCalendar1");
    MonthCalendar1->setMinimumDate(QDate(FirstCalendarYear, 1, 1));
    MonthCalendar1->setMaximumDate(QDate(9999, 12, 31));
    MonthCalendar1->setFirstDayOfWeek(Qt::Monday);
    MonthCalendar1->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    MonthCalendar1->setGridVisible(false);

    GroupBox1 = new QGroupBox(this);
    GroupBox1->setObjectName("GroupBox1");
    labJour = new QLabel("Jour", GroupBox1);
    labJour->setObjectName("labJour");
    labHeure = new QLabel("Heure", GroupBox1);
    labHeure->setObjectName("labHeure");
    labHeure->installEventFilter(this);
    eJour = new QLineEdit(GroupBox1);
    eJour->setObjectName("eJour");
    eJour->setMaxLength(10);
    eHeure = new QLineEdit(GroupBox1);
    eHeure->setObjectName("eHeure");
    eHeure->setMaxLength(8);
    bbHorloge = MakeDialogButton("bbHorloge", "&Maintenant", GroupBox1);
    bbZeroHeure = MakeDialogButton("bbZeroHeure", "00:00:00", GroupBox1);
    auto* grid = new QGridLayout(GroupBox1);
    grid->addWidget(labJour, 0, 0);
    grid->addWidget(eJour, 0, 1);
    grid->addWidget(bbHorloge, 0, 2);
    grid->addWidget(labHeure, 1, 0);
    grid->addWidget(eHeure, 1, 1);
    grid->addWidget(bbZeroHeure, 1, 2);

    bbOK = MakeDialogButton("bbOK", "OK", this);
    bbOK->setDefault(true);
    bbAnn = MakeDialogButton("bbAnn", "Annuler", this);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(bbOK);
    buttons->addWidget(bbAnn);

    // Without the calendar the date and time sit in the middle of the shorter dialog.
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(MonthCalendar1, 100);
    layout->addStretch(1);
    layout->addWidget(GroupBox1);
    layout->addStretch(1);
    layout->addLayout(buttons);

    connect(bbOK, &QPushButton::clicked, this, &TfSaisieJour::bbOKClick);
    connect(bbAnn, &QPushButton::clicked, this, &QDialog::reject);
    connect(bbHorloge, &QPushButton::clicked, this, &TfSaisieJour::bbHorlogeClick);
    connect(bbZeroHeure, &QPushButton::clicked, this, &TfSaisieJour::bbZeroHeureClick);
    connect(MonthCalendar1, &QCalendarWidget::clicked, this, &TfSaisieJour::MonthCalendar1Click);
    connect(MonthCalendar1, &QCalendarWidget::selectionChanged, this, &TfSaisieJour::MonthCalendar1Click);
    connect(MonthCalendar1, &QCalendarWidget::currentPageChanged, this, &TfSaisieJour::MonthCalendar1Click);
}

void TfSaisieJour::Prepare()
{
    const bool calendar = Settings.Current.Year >= FirstCalendarYear;
    MonthCalendar1->setVisible(calendar);
    MonthCalendar1->setEnabled(calendar);
    setFixedSize(Width, calendar ? HeightWithCalendar : HeightWithoutCalendar);
    move(Left, calendar ? TopWithCalendar : TopWithoutCalendar);

    // The date-time value is rebuilt from the calendar fields, which are the master.
    Settings.CurrentDateTime = DateTimeFromCalendar(Settings.Current);
    SetInstantFromDateTime(Settings, Settings.CurrentDateTime);
    ShowCurrentInstant();
}

void TfSaisieJour::ShowCurrentInstant()
{
    const CalendarFields& f = Settings.Current;
    if (f.Year >= FirstCalendarYear) {
        const QSignalBlocker quiet(MonthCalendar1);
        MonthCalendar1->setSelectedDate(QDate(f.Year, f.Month, f.Day));
    }
    eJour->setText(QString::fromStdString(FormatDialogDate(f)));
    eHeure->setText(QString::fromStdString(FormatDialogTime(f)));
}

void TfSaisieJour::bbOKClick()
{
    const auto date = ParseDialogDate(eJour->text().toStdString());
    if (!date) {
        WarnInvalidInput(this, InvalidDateMessage);
        return;
    }
    const auto time = ParseDialogTime(eHeure->text().toStdString());
    if (!time) {
        WarnInvalidInput(this, InvalidTimeMessage);
        return;
    }
    const CalendarFields typed = MakeCalendarFields(date->Day, date->Month, date->Year, time->Hour, time->Minute, time->Second);
    if (!TerrestrialFromReading(Settings.TimeScale, JulianDayFromCalendar(typed))) {
        WarnInvalidInput(this, SkippedLocalTimeMessage);
        return;
    }
    SetInstantFromDialog(Settings, date->Day, date->Month, date->Year, time->Hour, time->Minute, time->Second);
    port_.SetStatusText(0, FormatDateAndTime(Settings.Current));
    accept();
}

void TfSaisieJour::bbHorlogeClick()
{
    // The clock's date and time become the current instant at once, whether or not the
    // dialog is then accepted.
    SetInstantFromClock(Settings, ClockNowOnScale(Settings.TimeScale));
    ShowCurrentInstant();
}

void TfSaisieJour::bbZeroHeureClick() { eHeure->setText("00:00:00"); }

void TfSaisieJour::MonthCalendar1Click() { eJour->setText(CalendarText(MonthCalendar1->selectedDate())); }

bool TfSaisieJour::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == labHeure && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        bbZeroHeureClick();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace vireon
