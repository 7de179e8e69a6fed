// Recording doubles of the canvas and the display port: every primitive with the pen, brush
// and font it was drawn with, and every widget text, visibility, check and enabled state.
#pragma once

#include <map>
#include <ostream>
#include <string>
#include <vector>

#include "display/canvas.h"
#include "display/display_port.h"

namespace vireon {

inline std::ostream& operator<<(std::ostream& os, const Color& c)
{
    return os << "rgb(" << int(c.R) << "," << int(c.G) << "," << int(c.B) << ")";
}

struct DrawOp {
    enum Kind { Ellipse, Rectangle, MoveTo, LineTo, Polyline, Text } kind;
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    std::string text;
    Color pen, brush, font;
    BrushStyle style = BrushStyle::Solid;
};

inline std::ostream& operator<<(std::ostream& os, const DrawOp& op)
{
    static const char* names[] = {"Ellipse", "Rectangle", "MoveTo", "LineTo", "Polyline", "Text"};
    os << names[op.kind] << "(" << op.x1 << "," << op.y1;
    if (op.kind == DrawOp::Ellipse || op.kind == DrawOp::Rectangle) os << "," << op.x2 << "," << op.y2;
    if (op.kind == DrawOp::Text) os << ",\"" << op.text << "\"";
    return os << ") pen " << op.pen << " brush " << op.brush << (op.style == BrushStyle::Clear ? " clear" : " solid")
              << " font " << op.font;
}

class RecordingCanvas : public Canvas {
public:
    RecordingCanvas(int w, int h) : w_(w), h_(h) {}
    int Width() const override { return w_; }
    int Height() const override { return h_; }

    std::vector<DrawOp> ops;

    std::vector<DrawOp> Of(DrawOp::Kind kind) const
    {
        std::vector<DrawOp> out;
        for (const DrawOp& op : ops)
            if (op.kind == kind) out.push_back(op);
        return out;
    }
    std::vector<DrawOp> Texts(const std::string& text) const
    {
        std::vector<DrawOp> out;
        for (const DrawOp& op : ops)
            if (op.kind == DrawOp::Text && op.text == text) out.push_back(op);
        return out;
    }

protected:
    void DoEllipse(int x1, int y1, int x2, int y2) override { Add(DrawOp::Ellipse, x1, y1, x2, y2); }
    void DoRectangle(int x1, int y1, int x2, int y2) override { Add(DrawOp::Rectangle, x1, y1, x2, y2); }
    void DoMoveTo(int x, int y) override { Add(DrawOp::MoveTo, x, y, 0, 0); }
    void DoLineTo(int x, int y) override { Add(DrawOp::LineTo, x, y, 0, 0); }
    void DoPolyline(const std::vector<Point>& points) override
    {
        Add(DrawOp::Polyline, points.empty() ? 0 : points.front().X, points.empty() ? 0 : points.front().Y, 0, 0);
    }
    void DoText(int x, int y, const std::string& utf8) override
    {
        Add(DrawOp::Text, x, y, 0, 0);
        ops.back().text = utf8;
    }

private:
    void Add(DrawOp::Kind kind, int x1, int y1, int x2, int y2)
    {
        ops.push_back({kind, x1, y1, x2, y2, "", Pen(), Brush(), FontColor(), BrushStyleNow()});
    }
    int w_, h_;
};

class RecordingPort : public DisplayPort {
public:
    RecordingCanvas view{753, 603};
    RecordingCanvas legend{753, 36};
    int viewChanged = 0;
    std::map<std::string, std::string> texts;
    std::map<std::string, bool> visible;
    std::map<std::string, bool> checked;
    std::map<std::string, bool> enabled;
    std::string status[5];
    std::vector<unsigned> scheduled;

    Canvas& ViewCanvas() override { return view; }
    Canvas& LegendCanvas() override { return legend; }
    void ViewChanged() override { ++viewChanged; }
    void SetText(const std::string& name, const std::string& utf8) override { texts[name] = utf8; }
    void SetVisible(const std::string& name, bool v) override { visible[name] = v; }
    void SetChecked(const std::string& name, bool c) override { checked[name] = c; }
    void SetEnabled(const std::string& name, bool e) override { enabled[name] = e; }
    void SetStatusText(int panel, const std::string& utf8) override { status[panel] = utf8; }
    void ScheduleAnimationFrame(unsigned delayMs) override { scheduled.push_back(delayMs); }
    void Beep() override {}

    void ClearDrawing()
    {
        view.ops.clear();
        legend.ops.clear();
    }
};

}  // namespace vireon
