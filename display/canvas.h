// The 2-D canvas every view draws through: pen, brush (solid or clear), font colour, ellipse
// in a box, move-to/line-to (one at a time or a path of them), polyline, rectangle, text. The
// Qt side (QPainterCanvas) and the test recorder implement the protected Do* operations; the
// public ones skip any primitive with a coordinate that PixelRound refused (NoPixel), so
// nothing absurd is ever drawn.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "core/conventions.h"

namespace vireon {

struct Color {
    std::uint8_t R = 0;
    std::uint8_t G = 0;
    std::uint8_t B = 0;
    friend bool operator==(const Color&, const Color&) = default;
};

struct Point {
    int X = 0;
    int Y = 0;
    friend bool operator==(const Point&, const Point&) = default;
};

enum class BrushStyle { Solid, Clear };

class Canvas {
public:
    virtual ~Canvas() = default;

    virtual int Width() const = 0;
    virtual int Height() const = 0;

    void SetPen(Color c) { pen_ = c; DoSetPen(c); }
    void SetBrush(Color c, BrushStyle style) { brush_ = c; brushStyle_ = style; DoSetBrush(c, style); }
    void SetBrushStyle(BrushStyle style) { SetBrush(brush_, style); }
    void SetFontColor(Color c) { font_ = c; DoSetFontColor(c); }
    Color Pen() const { return pen_; }
    Color Brush() const { return brush_; }
    BrushStyle BrushStyleNow() const { return brushStyle_; }
    Color FontColor() const { return font_; }

    // Ellipse inscribed in the box from (x1, y1) to (x2, y2), outlined with the pen, filled
    // with the brush when it is solid.
    void Ellipse(int x1, int y1, int x2, int y2)
    {
        if (Drawable({x1, y1, x2, y2})) DoEllipse(x1, y1, x2, y2);
    }
    void Rectangle(int x1, int y1, int x2, int y2)
    {
        if (Drawable({x1, y1, x2, y2})) DoRectangle(x1, y1, x2, y2);
    }
    void MoveTo(int x, int y)
    {
        penPosValid_ = Drawable({x, y});
        if (penPosValid_) DoMoveTo(x, y);
    }
    void LineTo(int x, int y)
    {
        const bool ok = Drawable({x, y});
        if (ok && penPosValid_) DoLineTo(x, y);
        else if (ok) DoMoveTo(x, y);
        penPosValid_ = ok;
    }
    // The pen moves to the first point and draws a line to each of the others in turn: the
    // picture of MoveTo(first) and LineTo(each other), a refused point breaking the path there
    // as it does in LineTo, delivered in one call when every point is drawable.
    void Path(std::span<const Point> points)
    {
        if (points.empty()) return;
        int refused = 0;  // an int, not a bool, lets the compiler test several points at once
        for (const Point& p : points) refused |= (p.X == NoPixel) | (p.Y == NoPixel);
        if (refused == 0) {
            DoPath(points);
            penPosValid_ = true;
            return;
        }
        MoveTo(points.front().X, points.front().Y);
        for (const Point& p : points.subspan(1)) LineTo(p.X, p.Y);
    }
    void Polyline(const std::vector<Point>& points)
    {
        for (const Point& p : points)
            if (!Drawable({p.X, p.Y})) return;
        DoPolyline(points);
    }
    // Text with its top-left corner at (x, y), in the font colour; the background is filled
    // with the brush only when the brush is solid.
    void Text(int x, int y, const std::string& utf8)
    {
        if (Drawable({x, y})) DoText(x, y, utf8);
    }

protected:
    virtual void DoSetPen(Color) {}
    virtual void DoSetBrush(Color, BrushStyle) {}
    virtual void DoSetFontColor(Color) {}
    virtual void DoEllipse(int x1, int y1, int x2, int y2) = 0;
    virtual void DoRectangle(int x1, int y1, int x2, int y2) = 0;
    virtual void DoMoveTo(int x, int y) = 0;
    virtual void DoLineTo(int x, int y) = 0;
    virtual void DoPolyline(const std::vector<Point>& points) = 0;
    // Every point is drawable. By default DoMoveTo(first) and DoLineTo(each other), which a
    // canvas may replace by an equivalent that costs less per point.
    virtual void DoPath(std::span<const Point> points)
    {
        DoMoveTo(points.front().X, points.front().Y);
        for (const Point& p : points.subspan(1)) DoLineTo(p.X, p.Y);
    }
    virtual void DoText(int x, int y, const std::string& utf8) = 0;

private:
    static bool Drawable(std::initializer_list<int> coordinates)
    {
        for (int c : coordinates)
            if (c == NoPixel) return false;
        return true;
    }

    Color pen_{};
    Color brush_{};
    BrushStyle brushStyle_ = BrushStyle::Solid;
    Color font_{};
    bool penPosValid_ = false;
};

}  // namespace vireon
