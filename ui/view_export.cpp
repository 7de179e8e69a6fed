#include "ui/view_export.h"

#include <QBuffer>
#include <QFont>
#include <QFontMetrics>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>

#include <algorithm>

#include "satellites/planet_descriptor.h"
#include "ui/file_saving.h"
#include "ui/qt_display_port.h"

namespace vireon {
namespace {

// The caption under a printed view: 11 points, a gap of half a line above it.
constexpr int CaptionPoints = 11;

// The image as large as the page allows, centred at its top, the caption's lines under it.
bool PaintPage(QPagedPaintDevice& page, const QImage& image, const QStringList& captionLines)
{
    QPainter painter;
    if (!painter.begin(&page)) return false;
    QFont font("Arial", CaptionPoints);
    font.setStyleHint(QFont::SansSerif);
    painter.setFont(font);
    const QFontMetrics metrics(font, &page);
    const QRect area = painter.viewport();
    const int captionHeight = metrics.height() * (static_cast<int>(captionLines.size()) * 2 + 1) / 2;
    const QSize room(area.width(), std::max(1, area.height() - captionHeight));
    const QSize drawn = image.size().scaled(room, Qt::KeepAspectRatio);
    const QRect target(area.left() + (area.width() - drawn.width()) / 2, area.top(), drawn.width(), drawn.height());
    painter.drawImage(target, image);
    painter.setPen(Qt::black);
    int y = target.bottom() + metrics.height() / 2;
    for (const QString& line : captionLines) {
        painter.drawText(QRect(area.left(), y, area.width(), metrics.height()), Qt::AlignHCenter | Qt::AlignTop, line);
        y += metrics.height();
    }
    return painter.end();
}

}  // namespace

QImage ViewWithLegend(const QPainterCanvas& view, const QPainterCanvas& legend)
{
    // Drawn pixel for pixel, whatever the images' device pixel ratio.
    QImage top = view.Image();
    QImage bottom = legend.Image();
    top.setDevicePixelRatio(1);
    bottom.setDevicePixelRatio(1);
    QImage both(std::max(top.width(), bottom.width()), top.height() + bottom.height(), QImage::Format_RGB32);
    both.fill(Qt::black);
    QPainter painter(&both);
    painter.drawImage(QPoint(0, 0), top);
    painter.drawImage(QPoint(0, top.height()), bottom);
    return both;
}

QString ViewImageFileName(PlanetId planet, const CalendarFields& current)
{
    return QString("vireon-%1-%2-%3-%4.png")
        .arg(QString::fromUtf8(Planet(planet).CommandName))
        .arg(current.Year, 4, 10, QChar('0'))
        .arg(current.Month, 2, 10, QChar('0'))
        .arg(current.Day, 2, 10, QChar('0'));
}

QByteArray PngBytes(const QImage& image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

bool AskPrinter(QPrinter& printer, QWidget* parent)
{
    QPrintDialog dialog(&printer, parent);
    dialog.setObjectName("dlgImprimer");
    return dialog.exec() == QDialog::Accepted;
}

bool PrintImage(QPrinter& printer, const QImage& image, const QStringList& captionLines)
{
    if (printer.outputFormat() != QPrinter::PdfFormat || printer.outputFileName().isEmpty()) {
        return PaintPage(printer, image, captionLines);
    }
    // A PDF file is made in memory, then written as the other files are: whole, or not at all.
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter pdf(&buffer);
    pdf.setPageLayout(printer.pageLayout());
    pdf.setResolution(printer.resolution());
    pdf.setTitle(printer.docName());
    pdf.setCreator("Vireon");
    return PaintPage(pdf, image, captionLines) && WriteWholeFile(printer.outputFileName(), bytes);
}

}  // namespace vireon
