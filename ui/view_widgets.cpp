#include "ui/view_widgets.h"

#include <QContextMenuEvent>
#include <QMouseEvent>
#include <QPainter>

#include "ui/qt_display_port.h"

namespace vireon {

ImageBox::ImageBox(const QString& objectName, QWidget* parent) : QWidget(parent)
{
    setObjectName(objectName);
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ImageBox::SetCanvas(const QPainterCanvas* canvas)
{
    canvas_ = canvas;
    update();
}

void ImageBox::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (canvas_) painter.drawImage(QPoint(0, 0), canvas_->Image());
    else painter.fillRect(rect(), Qt::black);
}

void ImageBox::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) leftPressed_ = true;
    emit MouseDown(event->position().toPoint(), event->button());
}

void ImageBox::mouseReleaseEvent(QMouseEvent* event)
{
    const bool click = event->button() == Qt::LeftButton && leftPressed_ && rect().contains(event->position().toPoint());
    if (event->button() == Qt::LeftButton) leftPressed_ = false;
    if (click) emit Click();
}

void ImageBox::contextMenuEvent(QContextMenuEvent* event) { emit ContextMenuRequested(event->globalPos()); }

CaptionPanel::CaptionPanel(const QString& objectName, QWidget* parent) : QLabel(parent)
{
    setObjectName(objectName);
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignCenter);
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    QFont bold = font();
    bold.setBold(true);
    setFont(bold);
}

void CaptionPanel::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) emit DoubleClicked();
    QLabel::mouseDoubleClickEvent(event);
}

}  // namespace vireon
