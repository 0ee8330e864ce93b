#pragma once
// The window's painter on a device context (the back buffer): opaque rectangles and text
// with GDI, which is fastest; rounded shapes smoothed into the pixels directly; translucent
// and slanted shapes with GDI+; pictures from the image cache with AlphaBlend.
#include "htmlengine/paint/ClipStack.h"
#include "htmlengine/paint/Painter.h"
#include "htmlengine/paint/gdi/PixelCanvas.h"

#include <windows.h>

#include <memory>

namespace htmlengine {

class Document;
class FontCache;
class ImageCache;

class GdiPainter : public Painter {
public:
    // `bounds`: what may be drawn (the invalid part of the window); `document` owns the URLs;
    // `canvas`: the DC's pixels, for smooth rounded shapes.
    GdiPainter(HDC dc, PixelCanvas canvas, const Rect& bounds, FontCache& fonts, ImageCache& images,
               Document& document);
    ~GdiPainter() override;
    GdiPainter(const GdiPainter&) = delete;
    GdiPainter& operator=(const GdiPainter&) = delete;

    void FillRect(const Rect& rect, Color color) override;
    void FillRoundRect(const Rect& rect, int radius, Color color) override;
    void StrokeRoundRect(const Rect& rect, int radius, int width, Color color) override;
    void FillPolygon(const std::vector<Point>& points, Color color) override;
    void DrawLines(const std::vector<Point>& points, int width, Color color) override;
    void DrawString(Point origin, std::wstring_view text, const Font& font, Color color) override;
    bool ImageSize(const std::wstring& url, Size& size) override;
    void DrawImage(const std::wstring& url, const Rect& target, float opacity) override;
    void PushClip(const Rect& rect) override;
    void PopClip() override;
    Rect ClipBounds() const override { return clips_.Current(); }

private:
    class Smooth;  // GDI+ drawing on the same DC
    void BeforeGdi();
    void BeforePixels();
    void ApplyClip();

    HDC dc_;
    PixelCanvas canvas_;
    int savedDc_;
    HDC imageDc_;
    ClipStack clips_;
    FontCache& fonts_;
    ImageCache& images_;
    Document& document_;
    std::unique_ptr<Smooth> smooth_;
};

}  // namespace htmlengine
