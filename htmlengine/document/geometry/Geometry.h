#pragma once
// Whole-pixel geometry shared by controls, layout, painting and input.
#include <algorithm>

namespace htmlengine {

struct Point {
    int x = 0, y = 0;
    bool operator==(const Point& other) const { return x == other.x && y == other.y; }
    bool operator!=(const Point& other) const { return !(*this == other); }
};

struct Size {
    int width = 0, height = 0;
    bool operator==(const Size& other) const { return width == other.width && height == other.height; }
    bool operator!=(const Size& other) const { return !(*this == other); }
};

struct Rect {
    int x = 0, y = 0, width = 0, height = 0;

    int Right() const { return x + width; }
    int Bottom() const { return y + height; }
    bool Empty() const { return width <= 0 || height <= 0; }
    bool Contains(Point p) const { return p.x >= x && p.y >= y && p.x < Right() && p.y < Bottom(); }
    bool Intersects(const Rect& o) const
    {
        return !Empty() && !o.Empty() && x < o.Right() && o.x < Right() && y < o.Bottom() && o.y < Bottom();
    }
    Rect Offset(int dx, int dy) const { return { x + dx, y + dy, width, height }; }
    Rect Intersection(const Rect& o) const
    {
        int left = std::max(x, o.x), top = std::max(y, o.y);
        int right = std::min(Right(), o.Right()), bottom = std::min(Bottom(), o.Bottom());
        return right > left && bottom > top ? Rect { left, top, right - left, bottom - top } : Rect { left, top, 0, 0 };
    }
    Rect Union(const Rect& o) const
    {
        if (Empty())
            return o;
        if (o.Empty())
            return *this;
        int left = std::min(x, o.x), top = std::min(y, o.y);
        return { left, top, std::max(Right(), o.Right()) - left, std::max(Bottom(), o.Bottom()) - top };
    }
    bool operator==(const Rect& o) const { return x == o.x && y == o.y && width == o.width && height == o.height; }
    bool operator!=(const Rect& o) const { return !(*this == o); }
};

struct Edges {
    int top = 0, right = 0, bottom = 0, left = 0;
    int Horizontal() const { return left + right; }
    int Vertical() const { return top + bottom; }
};

// The rectangle shrunk by the edges.
inline Rect Inset(const Rect& r, const Edges& e)
{
    return { r.x + e.left, r.y + e.top, std::max(0, r.width - e.Horizontal()), std::max(0, r.height - e.Vertical()) };
}

}  // namespace htmlengine
