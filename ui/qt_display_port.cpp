#include "ui/qt_display_port.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPolygon>
#include <QToolButton>
#include <QWidget>
#include <QtMath>

#include "app/view_commands.h"
#include "core/settings.h"
#include "display/view_options.h"

namespace vireon {
namespace {

QColor ToQColor(Color c) { return QColor(c.R, c.G, c.B); }

// The box from (x1, y1) to (x2, y2) with its right and bottom edges excluded, as an outline
// rectangle for a 1-pixel pen (QPainter's outline of QRect(x, y, w, h) covers x..x+w).
QRect OutlineBox(int x1, int y1, int x2, int y2)
{
    const int left = std::min(x1, x2);
    const int top = std::min(y1, y2);
    const int right = std::max(x1, x2) - 1;
    const int bottom = std::max(y1, y2) - 1;
    return QRect(QPoint(left, top), QPoint(std::max(left, right), std::max(top, bottom)))
        .adjusted(0, 0, -1, -1);
}

}  // namespace

QPainterCanvas::QPainterCanvas(int width, int height, const QFont& font)
    : width_(width), height_(height), font_(font)
{
    SetDevicePixelRatio(1.0);
}

void QPainterCanvas::SetDevicePixelRatio(qreal ratio)
{
    if (ratio <= 0) ratio = 1.0;
    image_ = QImage(qCeil(width_ * ratio), qCeil(height_ * ratio), QImage::Format_RGB32);
    image_.setDevicePixelRatio(ratio);
    image_.fill(Qt::black);
}

void QPainterCanvas::DoSetPen(Color c) { pen_ = ToQColor(c); }

void QPainterCanvas::DoSetBrush(Color c, BrushStyle style)
{
    brush_ = ToQColor(c);
    brushSolid_ = style == BrushStyle::Solid;
}

void QPainterCanvas::DoSetFontColor(Color c) { fontColor_ = ToQColor(c); }

void QPainterCanvas::PrepareShape(QPainter& painter) const
{
    painter.setRenderHint(QPainter::Antialiasing, false);
    // A flat cap leaves out a line's last pixel, as the device interface the views follow does.
    QPen pen(pen_, 1.0, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
    painter.setPen(pen);
    painter.setBrush(brushSolid_ ? QBrush(brush_) : QBrush(Qt::NoBrush));
}

void QPainterCanvas::DoEllipse(int x1, int y1, int x2, int y2)
{
    QPainter painter(&image_);
    PrepareShape(painter);
    painter.drawEllipse(OutlineBox(x1, y1, x2, y2));
}

void QPainterCanvas::DoRectangle(int x1, int y1, int x2, int y2)
{
    QPainter painter(&image_);
    PrepareShape(painter);
    painter.drawRect(OutlineBox(x1, y1, x2, y2));
}

void QPainterCanvas::DoMoveTo(int x, int y)
{
    penX_ = x;
    penY_ = y;
}

void QPainterCanvas::DoLineTo(int x, int y)
{
    QPainter painter(&image_);
    PrepareShape(painter);
    painter.drawLine(penX_, penY_, x, y);
    penX_ = x;
    penY_ = y;
}

// One painter for the whole path, each segment drawn as DoLineTo draws it: a painter per
// segment would cost more than the segment.
void QPainterCanvas::DoPath(std::span<const Point> points)
{
    QPainter painter(&image_);
    PrepareShape(painter);
    for (std::size_t n = 1; n < points.size(); ++n)
        painter.drawLine(points[n - 1].X, points[n - 1].Y, points[n].X, points[n].Y);
    penX_ = points.back().X;
    penY_ = points.back().Y;
}

void QPainterCanvas::DoPolyline(const std::vector<Point>& points)
{
    if (points.empty()) return;
    QPolygon polygon;
    polygon.reserve(static_cast<int>(points.size()));
    for (const Point& p : points) polygon << QPoint(p.X, p.Y);
    QPainter painter(&image_);
    PrepareShape(painter);
    painter.drawPolyline(polygon);
    penX_ = points.back().X;
    penY_ = points.back().Y;
}

void QPainterCanvas::DoText(int x, int y, const std::string& utf8)
{
    const QString text = QString::fromStdString(utf8);
    QPainter painter(&image_);
    painter.setFont(font_);
    const QFontMetrics metrics(font_);
    if (brushSolid_) painter.fillRect(QRect(x, y, metrics.horizontalAdvance(text), metrics.height()), brush_);
    painter.setPen(fontColor_);
    painter.drawText(x, y + metrics.ascent(), text);
}

QtDisplayPort::QtDisplayPort(QObject* window, QWidget* viewWidget, QWidget* legendWidget,
                             const std::array<QLabel*, 5>& panels, const QFont& canvasFont)
    : window_(window),
      viewWidget_(viewWidget),
      legendWidget_(legendWidget),
      panels_(panels),
      view_(viewWidget->width(), viewWidget->height(), canvasFont),
      legend_(legendWidget->width(), legendWidget->height(), canvasFont)
{
    animationTimer_.setSingleShot(true);
    QObject::connect(&animationTimer_, &QTimer::timeout, [this] { OnAnimationTimer(); });
}

void QtDisplayPort::ViewChanged()
{
    viewWidget_->update();
    legendWidget_->update();
}

QObject* QtDisplayPort::Find(const std::string& objectName)
{
    const QString name = QString::fromStdString(objectName);
    auto cached = found_.constFind(name);
    if (cached != found_.constEnd() && !cached->isNull()) return cached->data();
    QObject* object = window_->findChild<QObject*>(name);
    if (object) found_.insert(name, object);
    return object;
}

void QtDisplayPort::SetText(const std::string& objectName, const std::string& utf8)
{
    QObject* object = Find(objectName);
    const QString text = QString::fromStdString(utf8);
    if (auto* label = qobject_cast<QLabel*>(object)) label->setText(text);
    else if (auto* action = qobject_cast<QAction*>(object)) action->setText(text);
    else if (auto* edit = qobject_cast<QLineEdit*>(object)) edit->setText(text);
    else if (auto* combo = qobject_cast<QComboBox*>(object)) combo->setEditText(text);
    else if (auto* group = qobject_cast<QGroupBox*>(object)) group->setTitle(text);
    else if (auto* button = qobject_cast<QAbstractButton*>(object)) button->setText(text);
}

void QtDisplayPort::SetVisible(const std::string& objectName, bool visible)
{
    QObject* object = Find(objectName);
    if (auto* action = qobject_cast<QAction*>(object)) action->setVisible(visible);
    else if (auto* widget = qobject_cast<QWidget*>(object)) widget->setVisible(visible);
}

void QtDisplayPort::SetChecked(const std::string& objectName, bool checked)
{
    QObject* object = Find(objectName);
    if (auto* tool = qobject_cast<QToolButton*>(object); tool && tool->defaultAction()) object = tool->defaultAction();
    if (auto* action = qobject_cast<QAction*>(object)) action->setChecked(checked);
    else if (auto* button = qobject_cast<QAbstractButton*>(object)) button->setChecked(checked);
}

void QtDisplayPort::SetEnabled(const std::string& objectName, bool enabled)
{
    QObject* object = Find(objectName);
    if (auto* tool = qobject_cast<QToolButton*>(object); tool && tool->defaultAction()) object = tool->defaultAction();
    if (auto* action = qobject_cast<QAction*>(object)) action->setEnabled(enabled);
    else if (auto* widget = qobject_cast<QWidget*>(object)) widget->setEnabled(enabled);
}

void QtDisplayPort::SetStatusText(int panel, const std::string& utf8)
{
    if (panel < 0 || panel >= static_cast<int>(panels_.size())) return;
    panels_[static_cast<std::size_t>(panel)]->setText(QString::fromStdString(utf8));
}

void QtDisplayPort::ScheduleAnimationFrame(unsigned delayMs)
{
    animationTimer_.start(static_cast<int>(std::min<unsigned>(delayMs, 24u * 3600u * 1000u)));
}

void QtDisplayPort::CancelAnimationFrame() { animationTimer_.stop(); }

void QtDisplayPort::Beep() { QApplication::beep(); }

void QtDisplayPort::OnAnimationTimer()
{
    if (QApplication::activeModalWidget()) {
        // A dialog is open: its settings may be half edited; the frame waits for it to close.
        animationTimer_.start(ModalRetryMs);
        return;
    }
    AnimationFrame(*this, Settings);
}

}  // namespace vireon
