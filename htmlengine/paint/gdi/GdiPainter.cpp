#include "htmlengine/paint/gdi/GdiPainter.h"

#include "htmlengine/paint/gdi/FontCache.h"
#include "htmlengine/paint/gdi/Gdiplus.h"
#include "htmlengine/paint/gdi/ImageCache.h"

#include <algorithm>

namespace htmlengine {

using namespace Gdiplus;
using namespace Gdiplus::DllExports;

namespace {

ARGB ToArgb(Color c)
{
    return (ARGB(c.a) << 24) | (ARGB(c.r) << 16) | (ARGB(c.g) << 8) | c.b;
}

std::vector<GpPointF> ToPoints(const std::vector<Point>& points)
{
    std::vector<GpPointF> converted;
    for (const Point& p : points)
        converted.push_back({ REAL(p.x), REAL(p.y) });
    return converted;
}

}  // namespace

// GDI+ graphics over the painter's DC, smoothed, with pixel edges at whole coordinates.
class GdiPainter::Smooth {
public:
    explicit Smooth(HDC dc)
    {
        if (!EnsureGdiplus() || GdipCreateFromHDC(dc, &graphics_) != Ok)
            graphics_ = nullptr;
        if (!graphics_)
            return;
        GdipSetSmoothingMode(graphics_, SmoothingModeAntiAlias);
        GdipSetPixelOffsetMode(graphics_, PixelOffsetModeHalf);
    }
    ~Smooth()
    {
        if (graphics_)
            GdipDeleteGraphics(graphics_);
    }
    Smooth(const Smooth&) = delete;
    Smooth& operator=(const Smooth&) = delete;
    GpGraphics* Get() const { return graphics_; }

    GpPen* Pen(Color color, int width)
    {
        GpPen* pen = nullptr;
        GdipCreatePen1(ToArgb(color), REAL(width), UnitPixel, &pen);
        return pen;
    }

private:
    GpGraphics* graphics_ = nullptr;
};

GdiPainter::GdiPainter(HDC dc, PixelCanvas canvas, const Rect& bounds, FontCache& fonts, ImageCache& images,
                       Document& document)
    : dc_(dc),
      canvas_(canvas),
      savedDc_(SaveDC(dc)),
      imageDc_(CreateCompatibleDC(dc)),
      clips_(bounds),
      fonts_(fonts),
      images_(images),
      document_(document)
{
    SetBkMode(dc_, TRANSPARENT);
    SetTextAlign(dc_, TA_BASELINE | TA_LEFT | TA_NOUPDATECP);
    ApplyClip();
    // Made while the DC's clip is the whole area: GDI+ never draws outside the DC's clip of
    // the moment it was made, whatever clip it is given later.
    smooth_ = std::make_unique<Smooth>(dc_);
}

GdiPainter::~GdiPainter()
{
    smooth_.reset();
    DeleteDC(imageDc_);
    RestoreDC(dc_, savedDc_);
}

// GDI+ may hold drawing back; GDI must draw over what it drew.
void GdiPainter::BeforeGdi()
{
    if (smooth_->Get())
        GdipFlush(smooth_->Get(), FlushIntentionSync);
}

// Drawing into the pixels directly comes after everything GDI and GDI+ were asked to draw.
void GdiPainter::BeforePixels()
{
    BeforeGdi();
    GdiFlush();
}

void GdiPainter::ApplyClip()
{
    const Rect& clip = clips_.Current();
    HRGN region = CreateRectRgn(clip.x, clip.y, clip.Right(), clip.Bottom());
    SelectClipRgn(dc_, region);
    DeleteObject(region);
    if (smooth_ && smooth_->Get())
        GdipSetClipRectI(smooth_->Get(), clip.x, clip.y, clip.width, clip.height, CombineModeReplace);
}

void GdiPainter::PushClip(const Rect& rect)
{
    clips_.Push(rect);
    ApplyClip();
}

void GdiPainter::PopClip()
{
    clips_.Pop();
    ApplyClip();
}

void GdiPainter::FillRect(const Rect& rect, Color color)
{
    if (rect.Empty() || !color.Visible())
        return;
    if (color.a < 255) {
        GpSolidFill* brush = nullptr;
        if (!smooth_->Get())
            return;
        GdipCreateSolidFill(ToArgb(color), &brush);
        GdipFillRectangleI(smooth_->Get(), brush, rect.x, rect.y, rect.width, rect.height);
        GdipDeleteBrush(brush);
        return;
    }
    BeforeGdi();
    RECT area = { rect.x, rect.y, rect.Right(), rect.Bottom() };
    SetDCBrushColor(dc_, RGB(color.r, color.g, color.b));
    ::FillRect(dc_, &area, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
}

void GdiPainter::FillRoundRect(const Rect& rect, int radius, Color color)
{
    if (radius <= 0)
        return FillRect(rect, color);
    if (rect.Empty() || !color.Visible())
        return;
    BeforePixels();
    canvas_.FillRoundRect(rect, radius, color, clips_.Current());
}

void GdiPainter::StrokeRoundRect(const Rect& rect, int radius, int width, Color color)
{
    if (rect.Empty() || width <= 0 || !color.Visible())
        return;
    BeforePixels();
    canvas_.StrokeRoundRect(rect, radius, width, color, clips_.Current());
}

void GdiPainter::FillPolygon(const std::vector<Point>& points, Color color)
{
    if (points.size() < 3 || !color.Visible() || !smooth_->Get())
        return;
    std::vector<GpPointF> converted = ToPoints(points);
    GpSolidFill* brush = nullptr;
    GdipCreateSolidFill(ToArgb(color), &brush);
    GdipFillPolygon(smooth_->Get(), brush, converted.data(), INT(converted.size()), FillModeAlternate);
    GdipDeleteBrush(brush);
}

void GdiPainter::DrawLines(const std::vector<Point>& points, int width, Color color)
{
    if (points.size() < 2 || !color.Visible() || !smooth_->Get())
        return;
    std::vector<GpPointF> converted = ToPoints(points);
    GpPen* pen = smooth_->Pen(color, width);
    GdipSetPenLineJoin(pen, LineJoinRound);
    GdipSetPenStartCap(pen, LineCapRound);
    GdipSetPenEndCap(pen, LineCapRound);
    GdipDrawLines(smooth_->Get(), pen, converted.data(), INT(converted.size()));
    GdipDeletePen(pen);
}

void GdiPainter::DrawString(Point origin, std::wstring_view text, const Font& font, Color color)
{
    if (text.empty() || !color.Visible())
        return;
    BeforeGdi();
    SelectObject(dc_, fonts_.Get(font).font);
    SetTextColor(dc_, RGB(color.r, color.g, color.b));
    ExtTextOutW(dc_, origin.x, origin.y, 0, nullptr, text.data(), UINT(text.size()), nullptr);
}

bool GdiPainter::ImageSize(const std::wstring& url, Size& size)
{
    const DecodedImage* image = images_.Get(document_, url);
    if (image)
        size = image->size;
    return image != nullptr;
}

void GdiPainter::DrawImage(const std::wstring& url, const Rect& target, float opacity)
{
    const DecodedImage* image = images_.Get(document_, url);
    if (!image || target.Empty() || opacity <= 0)
        return;
    BeforeGdi();
    HGDIOBJ old = SelectObject(imageDc_, image->bitmap);
    BLENDFUNCTION blend = { AC_SRC_OVER, 0, BYTE(std::min(1.f, opacity) * 255 + 0.5f), AC_SRC_ALPHA };
    AlphaBlend(dc_, target.x, target.y, target.width, target.height, imageDc_, 0, 0, image->size.width,
               image->size.height, blend);
    SelectObject(imageDc_, old);
}

}  // namespace htmlengine
