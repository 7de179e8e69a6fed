#include "ui/icons.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include <cmath>
#include <functional>
#include <map>

namespace vireon {
namespace {

// Icons are drawn on a 16 x 16 grid, rendered at twice that resolution so they stay sharp on
// high-density screens.
constexpr int IconGrid = 16;
constexpr int IconScale = 2;

const QColor Outline(40, 40, 40);
const QColor StepBlue(30, 90, 200);
const QColor GoGreen(20, 140, 40);
const QColor StopRed(200, 30, 30);
const QColor NavGrey(70, 70, 80);

using Drawing = std::function<void(QPainter&)>;

void Triangle(QPainter& p, qreal tipX, qreal baseX, const QColor& fill)
{
    p.setPen(QPen(fill.darker(140), 0.8));
    p.setBrush(fill);
    p.drawPolygon(QPolygonF({QPointF(tipX, 8), QPointF(baseX, 3.5), QPointF(baseX, 12.5)}));
}

void Disc(QPainter& p, QPointF centre, qreal radius, const QColor& fill)
{
    p.setPen(QPen(fill.darker(160), 0.8));
    p.setBrush(fill);
    p.drawEllipse(centre, radius, radius);
}

void SignInCircle(QPainter& p, bool plus)
{
    Disc(p, QPointF(8, 8), 6.5, StepBlue);
    p.setPen(QPen(Qt::white, 2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(4.8, 8), QPointF(11.2, 8));
    if (plus) p.drawLine(QPointF(8, 4.8), QPointF(8, 11.2));
}

// A magnifying glass with a mark inside its lens.
void Magnifier(QPainter& p, const std::function<void(QPainter&)>& mark)
{
    p.setPen(QPen(QColor(90, 60, 30), 2.4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(10.5, 10.5), QPointF(14.5, 14.5));
    p.setPen(QPen(Outline, 1.2));
    p.setBrush(QColor(225, 240, 255));
    p.drawEllipse(QPointF(6.5, 6.5), 5, 5);
    p.setPen(QPen(Outline, 1.4, Qt::SolidLine, Qt::RoundCap));
    mark(p);
}

void Letter(QPainter& p, const QRectF& box, const QString& text, const QColor& colour, int pixelSize)
{
    QFont font("DejaVu Sans");
    font.setPixelSize(pixelSize);
    font.setBold(true);
    p.setFont(font);
    p.setPen(colour);
    p.drawText(box, Qt::AlignCenter, text);
}

void PlanetDisc(QPainter& p, const QColor& colour, bool bands)
{
    Disc(p, QPointF(8, 8), 6, colour);
    if (bands) {
        p.setPen(QPen(colour.darker(140), 1));
        p.drawLine(QPointF(3, 6.5), QPointF(13, 6.5));
        p.drawLine(QPointF(3, 9.5), QPointF(13, 9.5));
    }
}

const std::map<QString, Drawing>& Drawings()
{
    static const std::map<QString, Drawing> drawings = {
        {"sbQuit",
         [](QPainter& p) {
             p.setPen(QPen(Outline, 1));
             p.setBrush(QColor(170, 110, 60));
             p.drawRect(QRectF(2.5, 1.5, 7, 13));
             p.setPen(QPen(StopRed, 2, Qt::SolidLine, Qt::RoundCap));
             p.drawLine(QPointF(7, 8), QPointF(14, 8));
             p.drawLine(QPointF(11.5, 5.5), QPointF(14, 8));
             p.drawLine(QPointF(11.5, 10.5), QPointF(14, 8));
         }},
        {"sbJour",
         [](QPainter& p) {
             p.setPen(QPen(Outline, 1));
             p.setBrush(Qt::white);
             p.drawRect(QRectF(1.5, 2.5, 13, 12));
             p.setBrush(StopRed);
             p.drawRect(QRectF(1.5, 2.5, 13, 3));
             p.setPen(Qt::NoPen);
             p.setBrush(NavGrey);
             for (int row = 0; row < 3; ++row)
                 for (int col = 0; col < 4; ++col) p.drawRect(QRectF(3 + 3 * col, 7 + 2.5 * row, 1.6, 1.6));
         }},
        {"sbIncr",
         [](QPainter& p) {
             Disc(p, QPointF(8, 8), 6.5, QColor(250, 250, 235));
             p.setPen(QPen(Outline, 1.4, Qt::SolidLine, Qt::RoundCap));
             p.drawLine(QPointF(8, 8), QPointF(8, 3.5));
             p.drawLine(QPointF(8, 8), QPointF(11, 9.5));
         }},
        {"sbIncrMoins", [](QPainter& p) { SignInCircle(p, false); }},
        {"sbIncrPlus", [](QPainter& p) { SignInCircle(p, true); }},
        {"sbAnimR",
         [](QPainter& p) {
             Triangle(p, 1, 8, GoGreen);
             Triangle(p, 8, 15, GoGreen);
         }},
        {"sbStop",
         [](QPainter& p) {
             p.setPen(QPen(StopRed.darker(140), 0.8));
             p.setBrush(StopRed);
             p.drawRect(QRectF(3.5, 3.5, 9, 9));
         }},
        {"sbAnimA",
         [](QPainter& p) {
             Triangle(p, 8, 1, GoGreen);
             Triangle(p, 15, 8, GoGreen);
         }},
        {"sbMars", [](QPainter& p) { PlanetDisc(p, QColor(176, 99, 61), false); }},
        {"sbJupiter", [](QPainter& p) { PlanetDisc(p, QColor(168, 142, 117), true); }},
        {"sbSaturne",
         [](QPainter& p) {
             Disc(p, QPointF(8, 8), 4.5, QColor(211, 202, 173));
             p.setPen(QPen(QColor(120, 110, 90), 1.3));
             p.setBrush(Qt::NoBrush);
             p.drawEllipse(QPointF(8, 8), 7.5, 2.6);
         }},
        {"sbUranus", [](QPainter& p) { PlanetDisc(p, QColor(149, 177, 189), false); }},
        {"sbNeptune", [](QPainter& p) { PlanetDisc(p, QColor(94, 132, 233), false); }},
        {"sbPluton", [](QPainter& p) { Disc(p, QPointF(8, 8), 4, QColor(125, 133, 148)); }},
        {"sbPremPla",
         [](QPainter& p) {
             p.fillRect(QRectF(2, 3.5, 2, 9), NavGrey);
             Triangle(p, 4, 13, NavGrey);
         }},
        {"sbPlaPrec", [](QPainter& p) { Triangle(p, 3.5, 12.5, NavGrey); }},
        {"sbPlaSuiv", [](QPainter& p) { Triangle(p, 12.5, 3.5, NavGrey); }},
        {"sbDernPla",
         [](QPainter& p) {
             p.fillRect(QRectF(12, 3.5, 2, 9), NavGrey);
             Triangle(p, 12, 3, NavGrey);
         }},
        {"sbutZoomPlus",
         [](QPainter& p) {
             Magnifier(p, [](QPainter& q) {
                 q.drawLine(QPointF(4, 6.5), QPointF(9, 6.5));
                 q.drawLine(QPointF(6.5, 4), QPointF(6.5, 9));
             });
         }},
        {"sbutZoomMoins",
         [](QPainter& p) { Magnifier(p, [](QPainter& q) { q.drawLine(QPointF(4, 6.5), QPointF(9, 6.5)); }); }},
        {"sbZoom",
         [](QPainter& p) {
             Magnifier(p, [](QPainter& q) {
                 q.drawLine(QPointF(4, 5.3), QPointF(9, 5.3));
                 q.drawLine(QPointF(4, 7.7), QPointF(9, 7.7));
             });
         }},
        {"sbZoomAuto",
         [](QPainter& p) {
             Magnifier(p, [](QPainter& q) { Letter(q, QRectF(1.5, 1.5, 10, 10), "A", StepBlue, 8); });
         }},
        {"sbAffNum", [](QPainter& p) { Letter(p, QRectF(0, 0, 16, 16), "12", StepBlue, 10); }},
        {"sbAxe",
         [](QPainter& p) {
             Disc(p, QPointF(8, 8), 5, QColor(168, 142, 117));
             p.setPen(QPen(NavGrey, 1.4, Qt::SolidLine, Qt::RoundCap));
             p.drawLine(QPointF(5, 1), QPointF(11, 15));
         }},
        {"sbTraces",
         [](QPainter& p) {
             p.setPen(Qt::NoPen);
             for (int i = 0; i < 5; ++i) {
                 p.setBrush(QColor(255, 200, 0).darker(100 + 25 * (4 - i)));
                 p.drawEllipse(QPointF(2 + 3 * i, 12 - 2 * i), 0.8 + 0.3 * i, 0.8 + 0.3 * i);
             }
         }},
        {"sbAffChamp",
         [](QPainter& p) {
             p.setPen(QPen(Outline, 1.3));
             p.setBrush(QColor(20, 20, 40));
             p.drawEllipse(QPointF(8, 8), 6.5, 6.5);
             p.setPen(Qt::NoPen);
             p.setBrush(QColor(168, 142, 117));
             p.drawEllipse(QPointF(8, 8), 1.8, 1.8);
         }},
        {"sbChgChamp",
         [](QPainter& p) {
             p.setPen(QPen(Outline, 1.3));
             p.setBrush(Qt::NoBrush);
             p.drawEllipse(QPointF(8, 8), 5, 5);
             p.setPen(QPen(StepBlue, 1.3, Qt::SolidLine, Qt::RoundCap));
             p.drawLine(QPointF(1, 8), QPointF(15, 8));
             p.drawLine(QPointF(1, 8), QPointF(3, 6));
             p.drawLine(QPointF(1, 8), QPointF(3, 10));
             p.drawLine(QPointF(15, 8), QPointF(13, 6));
             p.drawLine(QPointF(15, 8), QPointF(13, 10));
         }},
        {"sbRegle",
         [](QPainter& p) {
             p.translate(8, 8);
             p.rotate(-35);
             p.setPen(QPen(Outline, 0.8));
             p.setBrush(QColor(240, 210, 80));
             p.drawRect(QRectF(-7.5, -2.5, 15, 5));
             for (int i = -6; i <= 6; i += 2) p.drawLine(QPointF(i, -2.5), QPointF(i, i % 4 == 0 ? 0.5 : -0.5));
         }},
        {"sbEqu",
         [](QPainter& p) {
             Disc(p, QPointF(8, 8), 3, QColor(168, 142, 117));
             p.setPen(Qt::NoPen);
             p.setBrush(QColor(200, 160, 0));
             for (qreal x : {1.5, 4.0, 12.5, 14.8}) p.drawEllipse(QPointF(x, 8), 1.1, 1.1);
         }},
        {"sbPol",
         [](QPainter& p) {
             p.setPen(QPen(NavGrey, 0.9));
             p.setBrush(Qt::NoBrush);
             p.drawEllipse(QPointF(8, 8), 7, 7);
             p.drawEllipse(QPointF(8, 8), 4.5, 4.5);
             Disc(p, QPointF(8, 8), 2, QColor(168, 142, 117));
             p.setPen(Qt::NoPen);
             p.setBrush(GoGreen);
             p.drawEllipse(QPointF(12.9, 5), 1.2, 1.2);
         }},
        {"sbGraph",
         [](QPainter& p) {
             p.setPen(QPen(NavGrey, 0.8));
             p.drawLine(QPointF(1.5, 1.5), QPointF(1.5, 14.5));
             QPainterPath first;
             QPainterPath second;
             first.moveTo(8, 1);
             second.moveTo(8, 1);
             for (int i = 1; i <= 14; ++i) {
                 first.lineTo(8 + 5 * std::sin(i * 0.9), 1 + i);
                 second.lineTo(8 + 3 * std::sin(i * 0.45 + 1.2), 1 + i);
             }
             p.setBrush(Qt::NoBrush);
             p.setPen(QPen(StopRed, 1.2));
             p.drawPath(first);
             p.setPen(QPen(StepBlue, 1.2));
             p.drawPath(second);
         }},
        {"sbPhenomenes",
         [](QPainter& p) {
             // A satellite just off the limb and its shadow on the disc: a transit.
             const QColor jupiter(168, 142, 117);
             Disc(p, QPointF(9.8, 8), 5.6, jupiter);
             p.setPen(QPen(jupiter.darker(140), 1));
             p.drawLine(QPointF(5, 6.5), QPointF(14.6, 6.5));
             p.drawLine(QPointF(5, 9.5), QPointF(14.6, 9.5));
             p.setPen(Qt::NoPen);
             p.setBrush(Qt::black);
             p.drawEllipse(QPointF(7.6, 8), 1.4, 1.4);
             Disc(p, QPointF(2.3, 8), 1.7, QColor(255, 230, 60));
         }},
        {"sbMAJ",
         [](QPainter& p) {
             Disc(p, QPointF(8, 8), 6.5, QColor(90, 150, 230));
             p.setPen(QPen(Qt::white, 0.9));
             p.setBrush(Qt::NoBrush);
             p.drawEllipse(QPointF(8, 8), 2.8, 6.5);
             p.drawLine(QPointF(1.5, 8), QPointF(14.5, 8));
             p.drawLine(QPointF(8, 1.5), QPointF(8, 14.5));
         }},
    };
    return drawings;
}

QPixmap Render(const Drawing& draw, int logicalSize)
{
    QPixmap pixmap(logicalSize * IconScale, logicalSize * IconScale);
    pixmap.setDevicePixelRatio(IconScale);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.scale(static_cast<qreal>(logicalSize) / IconGrid, static_cast<qreal>(logicalSize) / IconGrid);
    draw(painter);
    return pixmap;
}

}  // namespace

QIcon ToolIcon(const QString& buttonName)
{
    const auto& drawings = Drawings();
    const auto found = drawings.find(buttonName);
    if (found != drawings.end()) return QIcon(Render(found->second, IconGrid));
    return QIcon(Render([](QPainter& p) { p.fillRect(QRectF(3, 3, 10, 10), Qt::gray); }, IconGrid));
}

QPixmap ProgramPicture(int size)
{
    return Render(
        [](QPainter& p) {
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(10, 15, 45));
            p.drawRoundedRect(QRectF(0, 0, 16, 16), 2.5, 2.5);
            const QColor jupiter(168, 142, 117);
            p.setBrush(jupiter);
            p.drawEllipse(QPointF(8, 8), 3.6, 3.4);
            p.setPen(QPen(jupiter.darker(140), 0.6));
            p.drawLine(QPointF(4.8, 7.2), QPointF(11.2, 7.2));
            p.drawLine(QPointF(4.8, 9), QPointF(11.2, 9));
            p.setPen(Qt::NoPen);
            const QColor satellites[4] = {QColor(255, 255, 0), QColor(0, 255, 0), QColor(0, 255, 255),
                                          QColor(255, 0, 0)};
            const qreal positions[4] = {2.0, 12.8, 3.3, 14.6};
            for (int k = 0; k < 4; ++k) {
                p.setBrush(satellites[k]);
                p.drawEllipse(QPointF(positions[k], 8 + (k % 2 ? 0.4 : -0.3)), 0.75, 0.75);
            }
        },
        size);
}

QIcon ProgramIcon()
{
    QIcon icon;
    for (int size : {16, 32, 48, 64}) icon.addPixmap(ProgramPicture(size));
    return icon;
}

}  // namespace vireon
