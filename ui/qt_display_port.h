// The Qt side of the display: a Canvas that paints into a persistent image, and the
// DisplayPort that reaches the main window's widgets by their object names.
#pragma once

#include <QColor>
#include <QFont>
#include <QHash>
#include <QImage>
#include <QPointer>
#include <QString>
#include <QTimer>

#include <array>

#include "display/display_port.h"

class QLabel;
class QObject;
class QWidget;

namespace vireon {

// A canvas with the semantics of the classic 2-D device interface the views were designed
// for: 1-pixel pens without antialiasing, a rectangle or ellipse from (x1, y1) to (x2, y2)
// covering x1..x2-1 and y1..y2-1, lines that stop one pixel short of their end point, text
// placed by its top-left corner. It draws into a persistent image at the screen's device pixel
// ratio; painting a widget only copies that image, so traces and ruler marks survive exposes.
class QPainterCanvas final : public Canvas {
public:
    QPainterCanvas(int width, int height, const QFont& font);

    int Width() const override { return width_; }
    int Height() const override { return height_; }

    const QImage& Image() const { return image_; }
    // Re-creates the image (black) for another device pixel ratio.
    void SetDevicePixelRatio(qreal ratio);

protected:
    void DoSetPen(Color c) override;
    void DoSetBrush(Color c, BrushStyle style) override;
    void DoSetFontColor(Color c) override;
    void DoEllipse(int x1, int y1, int x2, int y2) override;
    void DoRectangle(int x1, int y1, int x2, int y2) override;
    void DoMoveTo(int x, int y) override;
    void DoLineTo(int x, int y) override;
    void DoPolyline(const std::vector<Point>& points) override;
    void DoPath(std::span<const Point> points) override;
    void DoText(int x, int y, const std::string& utf8) override;

private:
    void PrepareShape(class QPainter& painter) const;

    int width_;
    int height_;
    QFont font_;
    QImage image_;
    QColor pen_{0, 0, 0};
    QColor brush_{0, 0, 0};
    bool brushSolid_ = true;
    QColor fontColor_{0, 0, 0};
    int penX_ = 0;
    int penY_ = 0;
};

// The DisplayPort of the main window. SetText, SetVisible, SetChecked and SetEnabled find the
// object by name among the window's descendants (labels, panels, menu actions, tool buttons,
// and the increment dialog's controls): a tool button's "down" state is its action's checked
// state. The animation's next frame is a single-shot timer; a frame that falls due while a
// modal dialog or message box is open waits until it closes.
class QtDisplayPort final : public DisplayPort {
public:
    // window: the object whose descendants are looked up; the two widgets are repainted when
    // the images change; panels: the five status-bar sections.
    QtDisplayPort(QObject* window, QWidget* viewWidget, QWidget* legendWidget, const std::array<QLabel*, 5>& panels,
                  const QFont& canvasFont);

    Canvas& ViewCanvas() override { return view_; }
    Canvas& LegendCanvas() override { return legend_; }
    void ViewChanged() override;

    void SetText(const std::string& objectName, const std::string& utf8) override;
    void SetVisible(const std::string& objectName, bool visible) override;
    void SetChecked(const std::string& objectName, bool checked) override;
    void SetEnabled(const std::string& objectName, bool enabled) override;
    void SetStatusText(int panel, const std::string& utf8) override;
    void ScheduleAnimationFrame(unsigned delayMs) override;
    void Beep() override;

    QPainterCanvas& View() { return view_; }
    QPainterCanvas& Legend() { return legend_; }

    // Cancels a pending animation frame (the window is closing).
    void CancelAnimationFrame();
    bool AnimationFramePending() const { return animationTimer_.isActive(); }

    // How long a frame due during a modal dialog waits before it looks again, ms.
    static constexpr int ModalRetryMs = 50;

private:
    QObject* Find(const std::string& objectName);
    void OnAnimationTimer();

    QObject* window_;
    QWidget* viewWidget_;
    QWidget* legendWidget_;
    std::array<QLabel*, 5> panels_;
    QPainterCanvas view_;
    QPainterCanvas legend_;
    QHash<QString, QPointer<QObject>> found_;
    QTimer animationTimer_;
};

}  // namespace vireon
