// Borders, their radii, and the outline (CSS Backgrounds 3 §4-5, Basic UI 3 §5).
#include "htmlengine/document/style/StyleProperties.h"

#include <cmath>

namespace htmlengine {

namespace {

const Keyword<BorderStyle> kBorderStyles[] = { { L"none", BorderStyle::None },     { L"hidden", BorderStyle::Hidden },
                                               { L"solid", BorderStyle::Solid },   { L"dotted", BorderStyle::Dotted },
                                               { L"dashed", BorderStyle::Dashed }, { L"double", BorderStyle::Double },
                                               { L"groove", BorderStyle::Groove }, { L"ridge", BorderStyle::Ridge },
                                               { L"inset", BorderStyle::Inset },   { L"outset", BorderStyle::Outset } };
const Keyword<int> kBorderWidths[] = { { L"thin", 1 }, { L"medium", 3 }, { L"thick", 5 } };

bool ReadWidth(std::wstring_view part, const PropertyContext& context, int& width)
{
    if (ParseKeyword(part, kBorderWidths, width))
        return true;
    Length length;
    if (!ParseLength(part, context.lengths, length, false) || length.value < 0)
        return false;
    width = int(std::lround(length.value));
    if (width == 0 && length.value > 0)
        width = 1;  // a hairline still shows
    return true;
}

// "border: 1px solid #ccc" in any order; what is left out takes its initial value.
bool ReadBorderSide(std::wstring_view value, const ComputedStyle& style, const PropertyContext& context,
                    BorderSide& side)
{
    BorderSide read;
    read.width = kMediumBorderWidth;
    read.color = style.color;
    std::vector<std::wstring_view> parts = SplitValue(value);
    if (parts.empty() || parts.size() > 3)
        return false;
    for (std::wstring_view part : parts)
        if (!ParseKeyword(part, kBorderStyles, read.style) && !ReadWidth(part, context, read.width) &&
            !ParseColor(part, style.color, read.color))
            return false;
    side = read;
    return true;
}

template <int SideIndex>
bool ApplySide(ComputedStyle& style, std::wstring_view value, const PropertyContext& context)
{
    return ReadBorderSide(value, style, context, style.border[SideIndex]);
}

bool ApplyBorder(ComputedStyle& style, std::wstring_view value, const PropertyContext& context)
{
    BorderSide side;
    if (!ReadBorderSide(value, style, context, side))
        return false;
    for (BorderSide& each : style.border)
        each = side;
    return true;
}

template <int SideIndex>
void CopySide(ComputedStyle& to, const ComputedStyle& from)
{
    to.border[SideIndex] = from.border[SideIndex];
}

template <int SideIndex>
bool ApplySideWidth(ComputedStyle& style, std::wstring_view value, const PropertyContext& context)
{
    return ReadWidth(value, context, style.border[SideIndex].width);
}

template <int SideIndex>
bool ApplySideStyle(ComputedStyle& style, std::wstring_view value, const PropertyContext&)
{
    return ParseKeyword(value, kBorderStyles, style.border[SideIndex].style);
}

template <int SideIndex>
bool ApplySideColor(ComputedStyle& style, std::wstring_view value, const PropertyContext&)
{
    return ParseColor(value, style.color, style.border[SideIndex].color);
}

bool ApplyWidths(ComputedStyle& style, std::wstring_view value, const PropertyContext& context)
{
    int widths[4];
    if (!ReadFourSides(value, widths,
                       [&](std::wstring_view part, int& width) { return ReadWidth(part, context, width); }))
        return false;
    for (int side = 0; side < 4; ++side)
        style.border[side].width = widths[side];
    return true;
}

bool ApplyStyles(ComputedStyle& style, std::wstring_view value, const PropertyContext&)
{
    BorderStyle styles[4];
    if (!ReadFourSides(value, styles,
                       [](std::wstring_view part, BorderStyle& s) { return ParseKeyword(part, kBorderStyles, s); }))
        return false;
    for (int side = 0; side < 4; ++side)
        style.border[side].style = styles[side];
    return true;
}

bool ApplyColors(ComputedStyle& style, std::wstring_view value, const PropertyContext&)
{
    Color colors[4];
    if (!ReadFourSides(value, colors,
                       [&](std::wstring_view part, Color& c) { return ParseColor(part, style.color, c); }))
        return false;
    for (int side = 0; side < 4; ++side)
        style.border[side].color = colors[side];
    return true;
}

bool ReadRadius(std::wstring_view part, const PropertyContext& context, int& radius)
{
    Length length;
    if (!ParseLength(part, context.lengths, length, false) || length.value < 0)
        return false;
    radius = int(std::lround(length.value));
    return true;
}

// Elliptic radii ("a / b") keep the horizontal ones.
bool ApplyRadii(ComputedStyle& style, std::wstring_view value, const PropertyContext& context)
{
    size_t slash = value.find(L'/');
    return ReadFourSides(value.substr(0, slash), style.radius,
                         [&](std::wstring_view part, int& radius) { return ReadRadius(part, context, radius); });
}

template <int CornerIndex>
bool ApplyCorner(ComputedStyle& style, std::wstring_view value, const PropertyContext& context)
{
    std::vector<std::wstring_view> parts = SplitValue(value);
    return !parts.empty() && ReadRadius(parts[0], context, style.radius[CornerIndex]);
}

template <int CornerIndex>
void CopyCorner(ComputedStyle& to, const ComputedStyle& from)
{
    to.radius[CornerIndex] = from.radius[CornerIndex];
}

bool ApplyOutline(ComputedStyle& style, std::wstring_view value, const PropertyContext& context)
{
    return ReadBorderSide(value, style, context, style.outline);
}

bool ApplyOutlineWidth(ComputedStyle& style, std::wstring_view value, const PropertyContext& context)
{
    return ReadWidth(value, context, style.outline.width);
}

bool ApplyOutlineStyle(ComputedStyle& style, std::wstring_view value, const PropertyContext&)
{
    return ParseKeyword(value, kBorderStyles, style.outline.style);
}

bool ApplyOutlineColor(ComputedStyle& style, std::wstring_view value, const PropertyContext&)
{
    return ParseColor(value, style.color, style.outline.color);
}

bool ApplyOutlineOffset(ComputedStyle& style, std::wstring_view value, const PropertyContext& context)
{
    Length length;
    if (!ParseLength(value, context.lengths, length, false))
        return false;
    style.outlineOffset = int(std::lround(length.value));
    return true;
}

template <int SideIndex>
void AddSide(std::vector<PropertyDefinition>& table, const char* side, const char* width, const char* style,
             const char* color)
{
    table.push_back({ side, &ApplySide<SideIndex>, &CopySide<SideIndex> });
    table.push_back({ width, &ApplySideWidth<SideIndex>, &CopySide<SideIndex> });
    table.push_back({ style, &ApplySideStyle<SideIndex>, &CopySide<SideIndex> });
    table.push_back({ color, &ApplySideColor<SideIndex>, &CopySide<SideIndex> });
}

}  // namespace

const wchar_t* BorderStyleName(BorderStyle style)
{
    for (const Keyword<BorderStyle>& keyword : kBorderStyles)
        if (keyword.value == style)
            return keyword.name;
    return L"none";
}

void AddBorderProperties(std::vector<PropertyDefinition>& table)
{
    table.push_back({ "border", &ApplyBorder, &CopyArray<BorderSide, 4, &ComputedStyle::border> });
    table.push_back({ "border-width", &ApplyWidths, &CopyArray<BorderSide, 4, &ComputedStyle::border> });
    table.push_back({ "border-style", &ApplyStyles, &CopyArray<BorderSide, 4, &ComputedStyle::border> });
    table.push_back({ "border-color", &ApplyColors, &CopyArray<BorderSide, 4, &ComputedStyle::border> });
    AddSide<kTop>(table, "border-top", "border-top-width", "border-top-style", "border-top-color");
    AddSide<kRight>(table, "border-right", "border-right-width", "border-right-style", "border-right-color");
    AddSide<kBottom>(table, "border-bottom", "border-bottom-width", "border-bottom-style", "border-bottom-color");
    AddSide<kLeft>(table, "border-left", "border-left-width", "border-left-style", "border-left-color");
    table.push_back({ "border-radius", &ApplyRadii, &CopyArray<int, 4, &ComputedStyle::radius> });
    table.push_back({ "border-top-left-radius", &ApplyCorner<kTopLeft>, &CopyCorner<kTopLeft> });
    table.push_back({ "border-top-right-radius", &ApplyCorner<kTopRight>, &CopyCorner<kTopRight> });
    table.push_back({ "border-bottom-right-radius", &ApplyCorner<kBottomRight>, &CopyCorner<kBottomRight> });
    table.push_back({ "border-bottom-left-radius", &ApplyCorner<kBottomLeft>, &CopyCorner<kBottomLeft> });
    table.push_back({ "outline", &ApplyOutline, &CopyField<BorderSide, &ComputedStyle::outline> });
    table.push_back({ "outline-width", &ApplyOutlineWidth, &CopyField<BorderSide, &ComputedStyle::outline> });
    table.push_back({ "outline-style", &ApplyOutlineStyle, &CopyField<BorderSide, &ComputedStyle::outline> });
    table.push_back({ "outline-color", &ApplyOutlineColor, &CopyField<BorderSide, &ComputedStyle::outline> });
    table.push_back({ "outline-offset", &ApplyOutlineOffset, &CopyField<int, &ComputedStyle::outlineOffset> });
}

}  // namespace htmlengine
