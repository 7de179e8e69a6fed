// "Enregistrer l'image..." and "Imprimer...": the view the window shows, with its legend under it,
// as a PNG image at the views' own pixels, or printed on a page.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>
#include <QStringList>

#include <functional>

#include "core/time_base.h"
#include "core/types.h"

class QPrinter;
class QWidget;

namespace vireon {

class QPainterCanvas;

// The view's persistent image with the legend's under it, pixel for pixel (the screen's device
// pixel ratio included: on a high-density screen the image has all its pixels).
QImage ViewWithLegend(const QPainterCanvas& view, const QPainterCanvas& legend);

// The name the save dialog suggests: "vireon-jupiter-2026-09-05.png", the planet and the day of the
// current instant on the chosen clock.
QString ViewImageFileName(PlanetId planet, const CalendarFields& current);

// The image as a PNG file's bytes.
QByteArray PngBytes(const QImage& image);

// Sets up the printer for a print; false when the user cancelled. The program's is the print
// dialog; tests set a PDF file instead.
using PrinterSetup = std::function<bool(QPrinter& printer, QWidget* parent)>;
bool AskPrinter(QPrinter& printer, QWidget* parent);

// Prints the image as large as the page allows keeping its aspect ratio, centred, with the
// caption's lines centred under it. A print to a PDF file is written whole or not at all, as
// WriteWholeFile writes. False when the printer cannot be started or the file cannot be written.
bool PrintImage(QPrinter& printer, const QImage& image, const QStringList& captionLines);

}  // namespace vireon
