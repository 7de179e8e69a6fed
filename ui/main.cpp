// Vireon: where the satellites of Mars, Jupiter, Saturn, Uranus, Neptune and Pluto stand
// around their planet, as seen from the Earth, for any date and time.
#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "ui/main_window.h"
#include "ui/qt_platform.h"

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName("vireon");
    // The program speaks French: so do Qt's own windows and buttons (the file and print dialogs,
    // Oui/Non, the fields' context menu), from Qt's translations when they are installed
    // (qt6-translations-l10n); without them those stay in English.
    QTranslator qtTexts;
    if (qtTexts.load(QLocale(QLocale::French, QLocale::France), "qtbase", "_",
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTexts);
    vireon::QtPlatform platform;
    vireon::SetPlatform(&platform);

    vireon::TForm1 window;
    vireon::RunStartup(window);
    const int status = QApplication::exec();
    vireon::SetPlatform(nullptr);
    return status;
}
