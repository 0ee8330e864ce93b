#pragma once
// Smooth rounded rectangles and circles drawn straight into a 32-bit DIB: Wine's GDI+ fills
// small arcs as ragged polygons without anti-aliasing, so the engine computes each corner
// pixel's coverage itself (4 x 4 samples) and blends it; straight parts are plain fills.
#include "htmlengine/document/style/ComputedStyle.h"
#include "htmlengine/document/geometry/Geometry.h"

#include <cstdint>

namespace htmlengine {

class PixelCanvas {
public:
    // `pixels`: top-down rows of `size.width` 32-bit pixels (blue, green, red, unused).
    PixelCanvas(uint32_t* pixels, Size size) : pixels_(pixels), size_(size) {}

    void FillRoundRect(const Rect& rect, int radius, Color color, const Rect& clip);
    // The outline `width` pixels wide inside the rectangle.
    void StrokeRoundRect(const Rect& rect, int radius, int width, Color color, const Rect& clip);

private:
    // Coverage (0..16 samples) of one pixel by the ring between `outer` and `inner`
    // (inner may be empty: a fill).
    struct Shape {
        Rect outer;
        int outerRadius;
        Rect inner;
        int innerRadius;
    };
    static int Coverage(const Shape& shape, int x, int y);
    void Paint(const Shape& shape, const Rect& area, Color color, const Rect& clip);
    void PaintCorners(const Shape& shape, int corner, Color color, const Rect& clip);
    void Solid(const Rect& area, Color color, const Rect& clip);
    void Blend(int x, int y, Color color, int coverage);

    uint32_t* pixels_;
    Size size_;
};

}  // namespace htmlengine
