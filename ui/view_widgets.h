// The plain widgets of the main window: the paint boxes that show the persistent images of
// the view and the legend, and the caption bar above the view.
#pragma once

#include <QLabel>
#include <QPoint>
#include <QWidget>

namespace vireon {

class QPainterCanvas;

// A paint box: painting copies its canvas's image, nothing is computed here.
class ImageBox : public QWidget {
    Q_OBJECT

public:
    ImageBox(const QString& objectName, QWidget* parent);
    void SetCanvas(const QPainterCanvas* canvas);

signals:
    void MouseDown(QPoint point, Qt::MouseButton button);
    // A left button pressed and released over the box.
    void Click();
    void ContextMenuRequested(QPoint globalPoint);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    const QPainterCanvas* canvas_ = nullptr;
    bool leftPressed_ = false;
};

// The bold caption bar above the view (panNS); a double click is reported.
class CaptionPanel : public QLabel {
    Q_OBJECT

public:
    CaptionPanel(const QString& objectName, QWidget* parent);

signals:
    void DoubleClicked();

protected:
    void mouseDoubleClickEvent(QMouseEvent* event) override;
};

}  // namespace vireon
