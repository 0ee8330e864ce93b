#include "htmlengine/paint/RecordingPainter.h"

#include "htmlengine/document/dom/AsciiCase.h"

#include <cstdio>

namespace htmlengine {

namespace {

std::string PointsText(const std::vector<Point>& points)
{
    std::string text;
    for (const Point& p : points)
        text += (text.empty() ? "" : " ") + std::to_string(p.x) + "," + std::to_string(p.y);
    return text;
}

}  // namespace

std::string ColorText(Color color)
{
    char text[16];
    snprintf(text, sizeof text, color.a == 255 ? "#%02X%02X%02X" : "#%02X%02X%02X/%02X", color.r, color.g, color.b,
             color.a);
    return text;
}

std::string RectText(const Rect& rect)
{
    return std::to_string(rect.x) + "," + std::to_string(rect.y) + " " + std::to_string(rect.width) + "x" +
           std::to_string(rect.height);
}

void RecordingPainter::FillRect(const Rect& rect, Color color)
{
    Add("fill " + RectText(rect) + " " + ColorText(color));
}

void RecordingPainter::FillRoundRect(const Rect& rect, int radius, Color color)
{
    Add("fill " + RectText(rect) + " r" + std::to_string(radius) + " " + ColorText(color));
}

void RecordingPainter::StrokeRoundRect(const Rect& rect, int radius, int width, Color color)
{
    Add("stroke " + RectText(rect) + " r" + std::to_string(radius) + " w" + std::to_string(width) + " " +
        ColorText(color));
}

void RecordingPainter::FillPolygon(const std::vector<Point>& points, Color color)
{
    Add("polygon " + PointsText(points) + " " + ColorText(color));
}

void RecordingPainter::DrawLines(const std::vector<Point>& points, int width, Color color)
{
    Add("lines " + PointsText(points) + " w" + std::to_string(width) + " " + ColorText(color));
}

void RecordingPainter::DrawString(Point origin, std::wstring_view text, const Font& font, Color color)
{
    Add("text " + std::to_string(origin.x) + "," + std::to_string(origin.y) + " \"" + Narrow(text) + "\" " +
        std::to_string(font.size) + "px" + (font.weight >= 600 ? " bold" : "") + " " + ColorText(color));
}

bool RecordingPainter::ImageSize(const std::wstring& url, Size& size)
{
    auto found = images_.find(url);
    if (found == images_.end())
        return false;
    size = found->second;
    return true;
}

void RecordingPainter::DrawImage(const std::wstring& url, const Rect& target, float opacity)
{
    if (!images_.count(url))
        return;
    Add("image " + Narrow(url) + " " + RectText(target) + (opacity < 1 ? " faded" : ""));
}

void RecordingPainter::PushClip(const Rect& rect)
{
    clips_.Push(rect);
    Add("clip " + RectText(clips_.Current()));
}

void RecordingPainter::PopClip()
{
    clips_.Pop();
    Add("unclip");
}

}  // namespace htmlengine
