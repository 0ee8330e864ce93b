#include "htmlengine/paint/StockGlyphs.h"

#include "htmlengine/paint/Painter.h"

#include <cstring>

namespace htmlengine {

namespace {

using Draw = void (*)(const Rect& r, Color color, Painter& painter);

// Points of a glyph in a 10 x 10 grid, scaled into the area.
Point At(const Rect& r, int x, int y)
{
    return { r.x + x * r.width / 10, r.y + y * r.height / 10 };
}

void Triangle(const Rect& r, Color c, Painter& p, Point a, Point b, Point d)
{
    p.FillPolygon({ At(r, a.x, a.y), At(r, b.x, b.y), At(r, d.x, d.y) }, c);
}

void Chevron(const Rect& r, Color c, Painter& p, Point a, Point b, Point d)
{
    p.DrawLines({ At(r, a.x, a.y), At(r, b.x, b.y), At(r, d.x, d.y) }, 2, c);
}

void Calendar(const Rect& r, Color c, Painter& p)
{
    Rect page = { r.x + 1, r.y + 2, r.width - 2, r.height - 3 };
    p.StrokeRoundRect(page, 2, 1, c);
    p.FillRect({ page.x, page.y, page.width, 3 }, c);
    for (int row = 0; row < 2; ++row)
        for (int column = 0; column < 3; ++column)
            p.FillRect({ page.x + 2 + column * (page.width - 4) / 3, page.y + 5 + row * 3, 2, 2 }, c);
}

struct Glyph {
    const char* name;
    int width, height;
    Draw draw;
};

const Glyph kGlyphs[] = {
    { "arrow-up", 8, 8,
      [](const Rect& r, Color c, Painter& p) {
          Triangle(r, c, p, { 0, 8 }, { 5, 2 }, { 10, 8 });
      } },
    { "arrow-down", 8, 8,
      [](const Rect& r, Color c, Painter& p) {
          Triangle(r, c, p, { 0, 2 }, { 5, 8 }, { 10, 2 });
      } },
    { "arrow-left", 8, 8,
      [](const Rect& r, Color c, Painter& p) {
          Triangle(r, c, p, { 8, 0 }, { 2, 5 }, { 8, 10 });
      } },
    { "arrow-right", 8, 8,
      [](const Rect& r, Color c, Painter& p) {
          Triangle(r, c, p, { 2, 0 }, { 8, 5 }, { 2, 10 });
      } },
    { "chevron-up", 10, 10,
      [](const Rect& r, Color c, Painter& p) {
          Chevron(r, c, p, { 2, 6 }, { 5, 3 }, { 8, 6 });
      } },
    { "chevron-down", 10, 10,
      [](const Rect& r, Color c, Painter& p) {
          Chevron(r, c, p, { 2, 4 }, { 5, 7 }, { 8, 4 });
      } },
    { "chevron-left", 10, 10,
      [](const Rect& r, Color c, Painter& p) {
          Chevron(r, c, p, { 6, 2 }, { 3, 5 }, { 6, 8 });
      } },
    { "chevron-right", 10, 10,
      [](const Rect& r, Color c, Painter& p) {
          Chevron(r, c, p, { 4, 2 }, { 7, 5 }, { 4, 8 });
      } },
    { "check", 10, 10,
      [](const Rect& r, Color c, Painter& p) {
          Chevron(r, c, p, { 2, 5 }, { 4, 7 }, { 8, 3 });
      } },
    { "cross", 10, 10,
      [](const Rect& r, Color c, Painter& p) {
          p.DrawLines({ At(r, 2, 2), At(r, 8, 8) }, 2, c);
          p.DrawLines({ At(r, 8, 2), At(r, 2, 8) }, 2, c);
      } },
    { "calendar", 14, 14, Calendar },
};

const Glyph* Find(const std::wstring& url)
{
    if (!IsStockImage(url))
        return nullptr;
    std::string name(url.begin() + 6, url.end());
    for (const Glyph& glyph : kGlyphs)
        if (name == glyph.name)
            return &glyph;
    return nullptr;
}

}  // namespace

bool IsStockImage(const std::wstring& url)
{
    return url.compare(0, 6, L"stock:") == 0;
}

bool StockImageSize(const std::wstring& url, Size& size)
{
    const Glyph* glyph = Find(url);
    if (glyph)
        size = { glyph->width, glyph->height };
    return glyph != nullptr;
}

void PaintStockImage(const std::wstring& url, const Rect& area, Color color, Painter& painter)
{
    if (const Glyph* glyph = Find(url))
        glyph->draw(area, color, painter);
}

}  // namespace htmlengine
