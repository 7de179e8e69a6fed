// What the display subsystem needs from the window, without knowing the toolkit: the two
// canvases, and the widgets it fills or toggles, named by their object names ("labPla",
// "labX1d", "miPoleN1", "sbAnimA", "panNS", ...). The Qt main window implements it; tests use
// a recording fake. A null port (NullDisplayPort) ignores everything.
#pragma once

#include <string>

#include "core/types.h"
#include "display/canvas.h"

namespace vireon {

class DisplayPort {
public:
    virtual ~DisplayPort() = default;

    virtual Canvas& ViewCanvas() = 0;    // pbSatel's persistent image
    virtual Canvas& LegendCanvas() = 0;  // pbLegendeSat
    virtual void ViewChanged() = 0;      // the images changed: repaint them

    // Caption or text of a label or panel ("labPla", "labNom3", "labX3d", "panNS", "labEO").
    virtual void SetText(const std::string& objectName, const std::string& utf8) = 0;
    virtual void SetVisible(const std::string& objectName, bool visible) = 0;  // "pSep1", "labEO"
    // Menu items (check, enable) and tool buttons (down, enable), by object name.
    virtual void SetChecked(const std::string& objectName, bool checked) = 0;
    virtual void SetEnabled(const std::string& objectName, bool enabled) = 0;
    // Status bar panel 0..4.
    virtual void SetStatusText(int panel, const std::string& utf8) = 0;
    // Next animation frame after a delay (single-shot timer; the window stays responsive).
    // Arming it again while a frame is pending replaces that frame: one chain of frames only.
    virtual void ScheduleAnimationFrame(unsigned delayMs) = 0;
    virtual void Beep() = 0;
};

class NullDisplayPort : public DisplayPort {
public:
    NullDisplayPort();
    Canvas& ViewCanvas() override;
    Canvas& LegendCanvas() override;
    void ViewChanged() override {}
    void SetText(const std::string&, const std::string&) override {}
    void SetVisible(const std::string&, bool) override {}
    void SetChecked(const std::string&, bool) override {}
    void SetEnabled(const std::string&, bool) override {}
    void SetStatusText(int, const std::string&) override {}
    void ScheduleAnimationFrame(unsigned) override {}
    void Beep() override {}

private:
    class NullCanvas : public Canvas {
    public:
        NullCanvas(int w, int h) : w_(w), h_(h) {}
        int Width() const override { return w_; }
        int Height() const override { return h_; }

    protected:
        void DoEllipse(int, int, int, int) override {}
        void DoRectangle(int, int, int, int) override {}
        void DoMoveTo(int, int) override {}
        void DoLineTo(int, int) override {}
        void DoPolyline(const std::vector<Point>&) override {}
        void DoPath(std::span<const Point>) override {}
        void DoText(int, int, const std::string&) override {}

    private:
        int w_, h_;
    };
    NullCanvas view_;
    NullCanvas legend_;
};

// The port of the program's main window; a NullDisplayPort until the window installs itself.
DisplayPort& CurrentDisplayPort();
void SetDisplayPort(DisplayPort* port);

}  // namespace vireon
