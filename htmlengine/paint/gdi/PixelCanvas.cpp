#include "htmlengine/paint/gdi/PixelCanvas.h"

#include <algorithm>

namespace htmlengine {

namespace {

const int kSamples = 4;  // per axis

// Whether a point lies inside the rounded rectangle.
bool Inside(const Rect& r, int radius, float x, float y)
{
    if (r.Empty() || x < r.x || y < r.y || x > r.Right() || y > r.Bottom())
        return false;
    float cx = std::clamp(x, float(r.x + radius), float(r.Right() - radius));
    float cy = std::clamp(y, float(r.y + radius), float(r.Bottom() - radius));
    float dx = x - cx, dy = y - cy;
    return dx * dx + dy * dy <= float(radius) * float(radius);
}

}  // namespace

int PixelCanvas::Coverage(const Shape& shape, int x, int y)
{
    int covered = 0;
    for (int i = 0; i < kSamples; ++i)
        for (int j = 0; j < kSamples; ++j) {
            float sx = x + (i + 0.5f) / kSamples, sy = y + (j + 0.5f) / kSamples;
            if (Inside(shape.outer, shape.outerRadius, sx, sy) && !Inside(shape.inner, shape.innerRadius, sx, sy))
                ++covered;
        }
    return covered;
}

void PixelCanvas::Blend(int x, int y, Color color, int coverage)
{
    uint32_t& pixel = pixels_[size_t(y) * size_.width + x];
    int alpha = color.a * coverage / (kSamples * kSamples);
    auto mix = [&](int shift, int source) {
        int target = int((pixel >> shift) & 0xFF);
        return uint32_t((source * alpha + target * (255 - alpha) + 127) / 255) << shift;
    };
    pixel = mix(16, color.r) | mix(8, color.g) | mix(0, color.b);
}

void PixelCanvas::Paint(const Shape& shape, const Rect& area, Color color, const Rect& clip)
{
    Rect visible = area.Intersection(clip).Intersection({ 0, 0, size_.width, size_.height });
    for (int y = visible.y; y < visible.Bottom(); ++y)
        for (int x = visible.x; x < visible.Right(); ++x)
            if (int coverage = Coverage(shape, x, y))
                Blend(x, y, color, coverage);
}

void PixelCanvas::Solid(const Rect& area, Color color, const Rect& clip)
{
    Rect visible = area.Intersection(clip).Intersection({ 0, 0, size_.width, size_.height });
    uint32_t opaque = (uint32_t(color.r) << 16) | (uint32_t(color.g) << 8) | color.b;
    for (int y = visible.y; y < visible.Bottom(); ++y)
        for (int x = visible.x; x < visible.Right(); ++x)
            if (color.a == 255)
                pixels_[size_t(y) * size_.width + x] = opaque;
            else
                Blend(x, y, color, kSamples * kSamples);
}

// Only the corners need their coverage worked out; the rest is solid.
void PixelCanvas::PaintCorners(const Shape& shape, int corner, Color color, const Rect& clip)
{
    const Rect& r = shape.outer;
    Paint(shape, { r.x, r.y, corner, corner }, color, clip);
    Paint(shape, { r.Right() - corner, r.y, corner, corner }, color, clip);
    Paint(shape, { r.x, r.Bottom() - corner, corner, corner }, color, clip);
    Paint(shape, { r.Right() - corner, r.Bottom() - corner, corner, corner }, color, clip);
}

void PixelCanvas::FillRoundRect(const Rect& rect, int radius, Color color, const Rect& clip)
{
    int r = std::min({ radius, rect.width / 2, rect.height / 2 });
    Solid({ rect.x, rect.y + r, rect.width, rect.height - 2 * r }, color, clip);
    Solid({ rect.x + r, rect.y, rect.width - 2 * r, r }, color, clip);
    Solid({ rect.x + r, rect.Bottom() - r, rect.width - 2 * r, r }, color, clip);
    PaintCorners({ rect, r, {}, 0 }, r, color, clip);
}

void PixelCanvas::StrokeRoundRect(const Rect& rect, int radius, int width, Color color, const Rect& clip)
{
    int r = std::min({ radius, rect.width / 2, rect.height / 2 });
    int c = std::min({ std::max(r, width), rect.width / 2, rect.height / 2 });
    Solid({ rect.x + c, rect.y, rect.width - 2 * c, width }, color, clip);
    Solid({ rect.x + c, rect.Bottom() - width, rect.width - 2 * c, width }, color, clip);
    Solid({ rect.x, rect.y + c, width, rect.height - 2 * c }, color, clip);
    Solid({ rect.Right() - width, rect.y + c, width, rect.height - 2 * c }, color, clip);
    PaintCorners({ rect, r, Inset(rect, { width, width, width, width }), std::max(0, r - width) }, c, color, clip);
}

}  // namespace htmlengine
