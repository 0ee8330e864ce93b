#pragma once
// What the engine draws with. Everything is in view (window client) coordinates and clipped
// to the current clip. The window's painter is GDI with GDI+ (gdi/GdiPainter.h); tests use
// the recording painter, which lists the calls as text.
#include "htmlengine/document/style/ComputedStyle.h"
#include "htmlengine/document/geometry/Geometry.h"

#include <string>
#include <string_view>
#include <vector>

namespace htmlengine {

class Painter {
public:
    virtual ~Painter() = default;

    virtual void FillRect(const Rect& rect, Color color) = 0;
    // Rounded corners of one radius; a radius of half the side makes a circle.
    virtual void FillRoundRect(const Rect& rect, int radius, Color color) = 0;
    // The outline, `width` pixels wide, drawn inside the rectangle.
    virtual void StrokeRoundRect(const Rect& rect, int radius, int width, Color color) = 0;
    virtual void FillPolygon(const std::vector<Point>& points, Color color) = 0;
    // Connected lines through the points (ticks, chevrons), smoothed.
    virtual void DrawLines(const std::vector<Point>& points, int width, Color color) = 0;

    // A run of text that starts at `origin.x` and stands on the baseline `origin.y`.
    virtual void DrawString(Point origin, std::wstring_view text, const Font& font, Color color) = 0;

    // Images by URL, decoded once; false (and nothing drawn) for one that cannot be had.
    virtual bool ImageSize(const std::wstring& url, Size& size) = 0;
    virtual void DrawImage(const std::wstring& url, const Rect& target, float opacity) = 0;

    // Clips nest: each one is cut by the clips outside it.
    virtual void PushClip(const Rect& rect) = 0;
    virtual void PopClip() = 0;
    // The current clip: what lies outside it need not be drawn at all.
    virtual Rect ClipBounds() const = 0;
};

// Keeps a clip pushed for the length of a scope.
class ClipScope {
public:
    ClipScope(Painter& painter, const Rect& rect) : painter_(painter) { painter_.PushClip(rect); }
    ~ClipScope() { painter_.PopClip(); }
    ClipScope(const ClipScope&) = delete;
    ClipScope& operator=(const ClipScope&) = delete;

private:
    Painter& painter_;
};

// The colour with its alpha multiplied by `opacity` (0..1).
Color Faded(Color color, float opacity);

}  // namespace htmlengine
