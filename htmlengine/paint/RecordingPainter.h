#pragma once
// A painter for tests: it draws nothing and lists every call as one line of text, such as
//   fill 0,0 100x20 #F3F4F6
//   text 8,14 "Name" 12px #1E2A33
//   image res:A.png 4,4 16x16
//   clip 0,0 100x50 / unclip
// Images have the sizes tests give them; others are missing.
#include "htmlengine/paint/ClipStack.h"
#include "htmlengine/paint/Painter.h"

#include <map>
#include <string>
#include <vector>

namespace htmlengine {

class RecordingPainter : public Painter {
public:
    explicit RecordingPainter(const Rect& bounds = { 0, 0, 10000, 10000 }) : clips_(bounds) {}

    void SetImage(const std::wstring& url, Size size) { images_[url] = size; }
    const std::vector<std::string>& Lines() const { return lines_; }

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
    void Add(std::string line) { lines_.push_back(std::move(line)); }

    ClipStack clips_;
    std::map<std::wstring, Size> images_;
    std::vector<std::string> lines_;
};

// "#RRGGBB", with "/AA" after it when the colour is not opaque; "x,y wxh" for rectangles.
std::string ColorText(Color color);
std::string RectText(const Rect& rect);

}  // namespace htmlengine
