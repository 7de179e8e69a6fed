// Vireon: where the satellites of Mars, Jupiter, Saturn, Uranus, Neptune and Pluto stand
// around their planet, as seen from the Earth, for any date and time.
#include <QApplication>

#include "ui/main_window.h"
#include "ui/qt_platform.h"

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName("vireon");
    vireon::QtPlatform platform;
    vireon::SetPlatform(&platform);

    vireon::TForm1 window;
    vireon::RunStartup(window);
    const int status = QApplication::exec();
    vireon::SetPlatform(nullptr);
    return status;
}
