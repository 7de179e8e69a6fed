// The date dialog "Date": the current date and time typed as "dd/mm/yyyy" and "hh:mm:ss", or
// picked on a month calendar (shown from 1900 on), or taken from the computer clock.
#pragma once

#include <QDialog>

class QCalendarWidget;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace vireon {

class DisplayPort;

class TfSaisieJour : public QDialog {
    Q_OBJECT

public:
    TfSaisieJour(DisplayPort& port, QWidget* parent);

    // Before showing: places and sizes the dialog by the current year (the calendar is hidden
    // and disabled before 1900), rebuilds the date-time value from the calendar fields and
    // fills the dialog from it.
    void Prepare();

    static constexpr int Left = 727;
    static constexpr int Width = 300;
    static constexpr int HeightWithCalendar = 350;
    static constexpr int TopWithCalendar = 395;
    static constexpr int HeightWithoutCalendar = 221;
    static constexpr int TopWithoutCalendar = 525;
    static constexpr int FirstCalendarYear = 1900;

    QGroupBox* GroupBox1;
    QLabel* labJour;
    QLabel* labHeure;
    QLineEdit* eJour;
    QLineEdit* eHeure;
    QCalendarWidget* MonthCalendar1;
    QPushButton* bbOK;
    QPushButton* bbAnn;
    QPushButton* bbHorloge;
    QPushButton* bbZeroHeure;

    void bbOKClick();
    void bbHorlogeClick();
    void bbZeroHeureClick();
    void MonthCalendar1Click();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Shows the current instant (calendar fields) in the edits and the calendar.
    void ShowCurrentInstant();

    DisplayPort& port_;
};

}  // namespace vireon
