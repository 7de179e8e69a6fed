#include "ui/qt_platform.h"

#include "app/driver.h"

#include <QApplication>
#include <QDateTime>
#include <QDesktopServices>
#include <QMessageBox>
#include <QUrl>

namespace vireon {

Platform::Answer QtPlatform::ShowMessage(const std::string& text, Buttons buttons)
{
    QMessageBox box(QMessageBox::Question, QString::fromUtf8(ApplicationTitle), QString::fromStdString(text));
    if (buttons == Buttons::Ok) {
        box.setStandardButtons(QMessageBox::Ok);
        box.exec();
        return Answer::Ok;
    }
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes ? Answer::Yes : Answer::No;
}

namespace {

CalendarFields FieldsOf(const QDateTime& now)
{
    CalendarFields f;
    f.Day = static_cast<std::uint16_t>(now.date().day());
    f.Month = static_cast<std::uint16_t>(now.date().month());
    f.Year = static_cast<std::uint16_t>(now.date().year());
    f.Hour = static_cast<std::uint16_t>(now.time().hour());
    f.Minute = static_cast<std::uint16_t>(now.time().minute());
    f.Second = static_cast<std::uint16_t>(now.time().second());
    f.Millisecond = static_cast<std::uint16_t>(now.time().msec());
    return f;
}

}  // namespace

CalendarFields QtPlatform::LocalNow() { return FieldsOf(QDateTime::currentDateTime()); }

CalendarFields QtPlatform::UtcNow() { return FieldsOf(QDateTime::currentDateTimeUtc()); }

void QtPlatform::OpenAddress(const std::string& address)
{
    QDesktopServices::openUrl(QUrl(QString::fromStdString(address)));
}

}  // namespace vireon
