// Box properties: display, positioning, sizes, margins, paddings, overflow, visibility,
// stacking, cursor, lists and tables.
#include "htmlengine/document/style/StyleProperties.h"

#include <cmath>

namespace htmlengine {

namespace {

const Keyword<Display> kDisplays[] = {
    { L"none", Display::None },
    { L"inline", Display::Inline },
    { L"block", Display::Block },
    { L"inline-block", Display::InlineBlock },
    { L"list-item", Display::ListItem },
    { L"table", Display::Table },
    { L"inline-table", Display::InlineTable },
    { L"table-row-group", Display::TableRowGroup },
    { L"table-header-group", Display::TableHeaderGroup },
    { L"table-footer-group", Display::TableFooterGroup },
    { L"table-row", Display::TableRow },
    { L"table-cell", Display::TableCell },
    { L"table-caption", Display::TableCaption },
    { L"flex", Display::Flex },
    { L"inline-flex", Display::InlineFlex },
    { L"table-column", Display::None },  // columns carry no boxes here
    { L"table-column-group", Display::None },
};
const Keyword<Position> kPositions[] = { { L"static", Position::Static },
                                         { L"relative", Position::Relative },
                                         { L"absolute", Position::Absolute },
                                         { L"fixed", Position::Fixed } };
const Keyword<Float> kFloats[] = { { L"none", Float::None }, { L"left", Float::Left }, { L"right", Float::Right } };
const Keyword<Clear> kClears[] = {
    { L"none", Clear::None }, { L"left", Clear::Left }, { L"right", Clear::Right }, { L"both", Clear::Both }
};
const Keyword<BoxSizing> kBoxSizings[] = { { L"content-box", BoxSizing::ContentBox },
                                           { L"border-box", BoxSizing::BorderBox } };
const Keyword<Overflow> kOverflows[] = { { L"visible", Overflow::Visible }, { L"hidden", Overflow::Hidden },
                                         { L"clip", Overflow::Hidden },     { L"auto", Overflow::Auto },
                                         { L"overlay", Overflow::Auto },    { L"scroll", Overflow::Scroll } };
const Keyword<Visibility> kVisibilities[] = { { L"visible", Visibility::Visible },
                                              { L"hidden", Visibility::Hidden },
                                              { L"collapse", Visibility::Collapse } };
const Keyword<Cursor> kCursors[] = {
    { L"auto", Cursor::Auto },          { L"default", Cursor::Default },     { L"pointer", Cursor::Pointer },
    { L"hand", Cursor::Pointer },       { L"text", Cursor::Text },           { L"wait", Cursor::Wait },
    { L"progress", Cursor::Progress },  { L"move", Cursor::Move },           { L"not-allowed", Cursor::NotAllowed },
    { L"no-drop", Cursor::NotAllowed }, { L"help", Cursor::Help },           { L"crosshair", Cursor::Crosshair },
    { L"ew-resize", Cursor::ResizeEW }, { L"col-resize", Cursor::ResizeEW }, { L"e-resize", Cursor::ResizeEW },
    { L"w-resize", Cursor::ResizeEW },  { L"ns-resize", Cursor::ResizeNS },  { L"row-resize", Cursor::ResizeNS },
    { L"n-resize", Cursor::ResizeNS },  { L"s-resize", Cursor::ResizeNS }
};
const Keyword<ListStyleType> kListStyles[] = { { L"none", ListStyleType::None },
                                               { L"disc", ListStyleType::Disc },
                                               { L"circle", ListStyleType::Circle },
                                               { L"square", ListStyleType::Square },
                                               { L"decimal", ListStyleType::Decimal },
                                               { L"lower-alpha", ListStyleType::LowerAlpha },
                                               { L"lower-latin", ListStyleType::LowerAlpha },
                                               { L"upper-alpha", ListStyleType::UpperAlpha },
                                               { L"upper-latin", ListStyleType::UpperAlpha } };
const Keyword<bool> kCollapses[] = { { L"collapse", true }, { L"separate", false } };
const Keyword<bool> kPointerEvents[] = { { L"auto", true }, { L"none", false }, { L"all", true } };
const Keyword<bool> kFocusScopes[] = { { L"contain", true }, { L"none", false } };

template <Length ComputedStyle::*Field>
bool ApplySize(ComputedStyle& style, std::wstring_view value, const PropertyContext& context)
{
    Length length;
    if (!ParseLengthOrAuto(value, context.lengths, length) || length.value < 0)
        return false;
    style.*Field = length;
    return true;
}

template <Length ComputedStyle::*Field>
PropertyDefinition SizeProperty(const char* name)
{
    return { name, &ApplySize<Field>, &CopyField<Length, Field> };
}

// One entry of a four-side array (offsets, margins, paddings).
template <Length (ComputedStyle::*Field)[4], int SideIndex, bool AllowAuto, bool AllowNegative>
bool ApplySide(ComputedStyle& style, std::wstring_view value, const PropertyContext& context)
{
    Length length;
    bool read =
        AllowAuto ? ParseLengthOrAuto(value, context.lengths, length) : ParseLength(value, context.lengths, length);
    if (!read || (!AllowNegative && length.value < 0))
        return false;
    (style.*Field)[SideIndex] = length;
    return true;
}

template <Length (ComputedStyle::*Field)[4], int SideIndex>
void CopySide(ComputedStyle& to, const ComputedStyle& from)
{
    (to.*Field)[SideIndex] = (from.*Field)[SideIndex];
}

template <Length (ComputedStyle::*Field)[4], bool AllowAuto, bool AllowNegative>
bool ApplyFourSides(ComputedStyle& style, std::wstring_view value, const PropertyContext& context)
{
    return ReadFourSides(value, style.*Field, [&](std::wstring_view part, Length& length) {
        bool read =
            AllowAuto ? ParseLengthOrAuto(part, context.lengths, length) : ParseLength(part, context.lengths, length);
        return read && (AllowNegative || length.value >= 0);
    });
}

template <Length (ComputedStyle::*Field)[4], bool AllowAuto, bool AllowNegative>
void AddSides(std::vector<PropertyDefinition>& table, const char* shorthand, const char* const (&names)[4])
{
    table.push_back({ shorthand, &ApplyFourSides<Field, AllowAuto, AllowNegative>, &CopyArray<Length, 4, Field> });
    table.push_back({ names[0], &ApplySide<Field, kTop, AllowAuto, AllowNegative>, &CopySide<Field, kTop> });
    table.push_back({ names[1], &ApplySide<Field, kRight, AllowAuto, AllowNegative>, &CopySide<Field, kRight> });
    table.push_back({ names[2], &ApplySide<Field, kBottom, AllowAuto, AllowNegative>, &CopySide<Field, kBottom> });
    table.push_back({ names[3], &ApplySide<Field, kLeft, AllowAuto, AllowNegative>, &CopySide<Field, kLeft> });
}

bool ApplyOverflow(ComputedStyle& style, std::wstring_view value, const PropertyContext&)
{
    std::vector<std::wstring_view> parts = SplitValue(value);
    if (parts.empty() || parts.size() > 2)
        return false;
    Overflow x, y;
    if (!ParseKeyword(parts[0], kOverflows, x) || !ParseKeyword(parts.back(), kOverflows, y))
        return false;
    style.overflowX = x;
    style.overflowY = y;
    return true;
}

void CopyOverflow(ComputedStyle& to, const ComputedStyle& from)
{
    to.overflowX = from.overflowX;
    to.overflowY = from.overflowY;
}

bool ApplyZIndex(ComputedStyle& style, std::wstring_view value, const PropertyContext&)
{
    float number = 0;
    if (EqualsKeyword(value, L"auto")) {
        style.zIndex = 0;
        style.zIndexAuto = true;
        return true;
    }
    if (!ParseNumber(value, number) || number != std::floor(number))
        return false;
    style.zIndex = int(number);
    style.zIndexAuto = false;
    return true;
}

void CopyZIndex(ComputedStyle& to, const ComputedStyle& from)
{
    to.zIndex = from.zIndex;
    to.zIndexAuto = from.zIndexAuto;
}

bool ApplyOpacity(ComputedStyle& style, std::wstring_view value, const PropertyContext&)
{
    bool percent = !value.empty() && value.back() == L'%';
    float number = 0;
    if (!ParseNumber(percent ? value.substr(0, value.size() - 1) : value, number))
        return false;
    style.opacity = std::fmin(1.0f, std::fmax(0.0f, percent ? number / 100 : number));
    return true;
}

// A list of url(...) fall-backs ends with a keyword: the keyword is what we show.
bool ApplyCursor(ComputedStyle& style, std::wstring_view value, const PropertyContext&)
{
    std::vector<std::wstring_view> parts = SplitValue(value);
    return !parts.empty() && ParseKeyword(parts.back(), kCursors, style.cursor);
}

bool ApplyListStyle(ComputedStyle& style, std::wstring_view value, const PropertyContext&)
{
    bool any = false;
    for (std::wstring_view part : SplitValue(value))
        any = ParseKeyword(part, kListStyles, style.listStyleType) || EqualsKeyword(part, L"inside") ||
              EqualsKeyword(part, L"outside") || any;
    return any;
}

bool ApplyBorderSpacing(ComputedStyle& style, std::wstring_view value, const PropertyContext& context)
{
    std::vector<std::wstring_view> parts = SplitValue(value);
    Length x, y;
    if (parts.empty() || parts.size() > 2 || !ParseLength(parts[0], context.lengths, x, false) ||
        !ParseLength(parts.back(), context.lengths, y, false) || x.value < 0 || y.value < 0)
        return false;
    style.borderSpacingX = int(std::lround(x.value));
    style.borderSpacingY = int(std::lround(y.value));
    return true;
}

void CopyBorderSpacing(ComputedStyle& to, const ComputedStyle& from)
{
    to.borderSpacingX = from.borderSpacingX;
    to.borderSpacingY = from.borderSpacingY;
}

bool ApplyBehavior(ComputedStyle& style, std::wstring_view value, const PropertyContext&)
{
    style.behavior = EqualsKeyword(value, L"none") ? std::wstring() : std::wstring(value);
    return true;
}

const char* const kOffsetNames[4] = { "top", "right", "bottom", "left" };
const char* const kMarginNames[4] = { "margin-top", "margin-right", "margin-bottom", "margin-left" };
const char* const kPaddingNames[4] = { "padding-top", "padding-right", "padding-bottom", "padding-left" };

}  // namespace

void AddBoxProperties(std::vector<PropertyDefinition>& table)
{
    table.push_back(KeywordProperty<Display, &ComputedStyle::display, std::size(kDisplays), kDisplays>("display"));
    table.push_back(KeywordProperty<Position, &ComputedStyle::position, std::size(kPositions), kPositions>("position"));
    table.push_back(KeywordProperty<Float, &ComputedStyle::floating, std::size(kFloats), kFloats>("float"));
    table.push_back(KeywordProperty<Clear, &ComputedStyle::clear, std::size(kClears), kClears>("clear"));
    table.push_back(
        KeywordProperty<BoxSizing, &ComputedStyle::boxSizing, std::size(kBoxSizings), kBoxSizings>("box-sizing"));
    table.push_back(
        KeywordProperty<Visibility, &ComputedStyle::visibility, std::size(kVisibilities), kVisibilities>("visibility"));
    table.push_back(
        KeywordProperty<Overflow, &ComputedStyle::overflowX, std::size(kOverflows), kOverflows>("overflow-x"));
    table.push_back(
        KeywordProperty<Overflow, &ComputedStyle::overflowY, std::size(kOverflows), kOverflows>("overflow-y"));
    table.push_back({ "overflow", &ApplyOverflow, &CopyOverflow });
    table.push_back(KeywordProperty<ListStyleType, &ComputedStyle::listStyleType, std::size(kListStyles), kListStyles>(
        "list-style-type"));
    table.push_back({ "list-style", &ApplyListStyle, &CopyField<ListStyleType, &ComputedStyle::listStyleType> });
    table.push_back(
        KeywordProperty<bool, &ComputedStyle::borderCollapse, std::size(kCollapses), kCollapses>("border-collapse"));
    table.push_back({ "border-spacing", &ApplyBorderSpacing, &CopyBorderSpacing });
    table.push_back(KeywordProperty<bool, &ComputedStyle::pointerEvents, std::size(kPointerEvents), kPointerEvents>(
        "pointer-events"));
    table.push_back({ "cursor", &ApplyCursor, &CopyField<Cursor, &ComputedStyle::cursor> });
    table.push_back({ "z-index", &ApplyZIndex, &CopyZIndex });
    table.push_back({ "opacity", &ApplyOpacity, &CopyField<float, &ComputedStyle::opacity> });
    table.push_back({ "behavior", &ApplyBehavior, &CopyField<std::wstring, &ComputedStyle::behavior> });
    table.push_back(
        KeywordProperty<bool, &ComputedStyle::focusScope, std::size(kFocusScopes), kFocusScopes>("focus-scope"));
    table.push_back(SizeProperty<&ComputedStyle::width>("width"));
    table.push_back(SizeProperty<&ComputedStyle::height>("height"));
    table.push_back(SizeProperty<&ComputedStyle::minWidth>("min-width"));
    table.push_back(SizeProperty<&ComputedStyle::minHeight>("min-height"));
    table.push_back(SizeProperty<&ComputedStyle::maxWidth>("max-width"));
    table.push_back(SizeProperty<&ComputedStyle::maxHeight>("max-height"));
    AddSides<&ComputedStyle::offsets, true, true>(table, "inset", kOffsetNames);
    AddSides<&ComputedStyle::margin, true, true>(table, "margin", kMarginNames);
    AddSides<&ComputedStyle::padding, false, false>(table, "padding", kPaddingNames);
}

}  // namespace htmlengine
