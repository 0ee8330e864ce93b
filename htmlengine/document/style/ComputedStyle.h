#pragma once
// The typed computed style of an element: every property layout and painting use, resolved
// once per style generation from the cascade and the parent's style. Lengths written in em,
// pt or px are pixels here; percentages and auto stay as written, because only layout knows
// what they refer to. Inherited properties (colour, font, text, cursor, visibility,
// list-style, white-space) come from the parent unless the element sets them.
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace htmlengine {

class Element;

struct Color {
    uint8_t r = 0, g = 0, b = 0;
    uint8_t a = 0;  // 0 transparent, 255 opaque
    bool Visible() const { return a != 0; }
    bool operator==(const Color& other) const { return r == other.r && g == other.g && b == other.b && a == other.a; }
    bool operator!=(const Color& other) const { return !(*this == other); }
};

struct Length {
    enum class Unit : uint8_t { Auto, Px, Percent };
    Unit unit = Unit::Auto;
    float value = 0;

    static Length Px(float pixels) { return { Unit::Px, pixels }; }
    static Length Percent(float percent) { return { Unit::Percent, percent }; }
    bool IsAuto() const { return unit == Unit::Auto; }
    // Whole pixels: a percentage of `base`, or `fallback` for auto.
    int Resolve(int base, int fallback = 0) const;
    bool operator==(const Length& other) const { return unit == other.unit && value == other.value; }
    bool operator!=(const Length& other) const { return !(*this == other); }
};

// A font as the style asks for it. Styles and text runs hold interned fonts (InternFont), so
// one pointer names one font and measurers can cache by it.
struct Font {
    std::vector<std::wstring> families;  // in order, quotes removed; generic names kept as written
    int size = 12;  // px
    int weight = 400;  // 100-900
    bool italic = false;
    bool operator==(const Font& other) const
    {
        return size == other.size && weight == other.weight && italic == other.italic && families == other.families;
    }
};
const Font* InternFont(const Font& font);

enum class Display : uint8_t {
    None,
    Inline,
    Block,
    InlineBlock,
    ListItem,
    Table,
    InlineTable,
    TableRowGroup,
    TableHeaderGroup,
    TableFooterGroup,
    TableRow,
    TableCell,
    TableCaption,
    Flex,
    InlineFlex,
};
enum class Position : uint8_t { Static, Relative, Absolute, Fixed };
enum class Float : uint8_t { None, Left, Right };
enum class Clear : uint8_t { None, Left, Right, Both };
enum class BoxSizing : uint8_t { ContentBox, BorderBox };
enum class BorderStyle : uint8_t { None, Hidden, Solid, Dotted, Dashed, Double, Groove, Ridge, Inset, Outset };
enum class BackgroundRepeat : uint8_t { Repeat, RepeatX, RepeatY, NoRepeat };
enum class TextAlign : uint8_t { Left, Right, Center, Justify };
enum class TextTransform : uint8_t { None, Uppercase, Lowercase, Capitalize };
enum class WhiteSpace : uint8_t { Normal, NoWrap, Pre, PreWrap, PreLine };
enum class TextOverflow : uint8_t { Clip, Ellipsis };
enum class VerticalAlign : uint8_t { Baseline, Middle, Top, Bottom, TextTop, TextBottom, Sub, Super, Offset };
enum class Overflow : uint8_t { Visible, Hidden, Auto, Scroll };
enum class Visibility : uint8_t { Visible, Hidden, Collapse };
enum class Cursor : uint8_t {
    Auto,
    Default,
    Pointer,
    Text,
    Wait,
    Progress,
    Move,
    NotAllowed,
    Help,
    Crosshair,
    ResizeEW,
    ResizeNS
};
enum class ListStyleType : uint8_t { None, Disc, Circle, Square, Decimal, LowerAlpha, UpperAlpha };
enum class FlexDirection : uint8_t { Row, RowReverse, Column, ColumnReverse };
enum class JustifyContent : uint8_t { FlexStart, FlexEnd, Center, SpaceBetween, SpaceAround, SpaceEvenly };
enum class AlignItems : uint8_t { Auto, Stretch, FlexStart, FlexEnd, Center, Baseline };  // Auto: align-self only

enum TextDecorationBits : uint8_t { kUnderline = 1, kLineThrough = 2, kOverline = 4 };
enum Side { kTop = 0, kRight = 1, kBottom = 2, kLeft = 3 };
enum Corner { kTopLeft = 0, kTopRight = 1, kBottomRight = 2, kBottomLeft = 3 };

struct BorderSide {
    int width = 0;  // px; 0 whenever the style is none or hidden
    BorderStyle style = BorderStyle::None;
    Color color;  // currentColor already resolved
};

// "normal" line height comes from the font; a plain number is a factor of the font size.
struct LineHeight {
    enum class Kind : uint8_t { Normal, Px, Factor };
    Kind kind = Kind::Normal;
    float value = 0;
};

struct ComputedStyle {
    // Box
    Display display = Display::Inline;
    Position position = Position::Static;
    Float floating = Float::None;
    Clear clear = Clear::None;
    BoxSizing boxSizing = BoxSizing::ContentBox;
    Length offsets[4];  // top, right, bottom, left (by Side)
    Length width, height, minWidth, minHeight;
    Length maxWidth, maxHeight;  // auto: none
    Length margin[4] = { Length::Px(0), Length::Px(0), Length::Px(0), Length::Px(0) };
    Length padding[4] = { Length::Px(0), Length::Px(0), Length::Px(0), Length::Px(0) };
    BorderSide border[4];
    int radius[4] = { 0, 0, 0, 0 };  // px, by Corner
    BorderSide outline;
    int outlineOffset = 0;
    Overflow overflowX = Overflow::Visible, overflowY = Overflow::Visible;
    Visibility visibility = Visibility::Visible;
    int zIndex = 0;
    bool zIndexAuto = true;
    float opacity = 1;
    Cursor cursor = Cursor::Auto;
    bool pointerEvents = true;  // false: never hit; the pointer reaches what lies below

    // Background
    Color color = { 0, 0, 0, 255 };
    // CSS Basic UI 4 §6.2: what the engine draws in a control's accent (a check box's fill, a
    // radio's dot, the calendar's chosen day, an edit's selection); the default sheet gives it.
    Color accentColor = { 0, 0, 0, 255 };
    Color backgroundColor;
    std::wstring backgroundImage;  // the URL inside url(...), "stock:..." names kept; empty: none
    BackgroundRepeat backgroundRepeat = BackgroundRepeat::Repeat;
    Length backgroundPositionX = Length::Percent(0), backgroundPositionY = Length::Percent(0);

    // Text
    const Font* font = nullptr;  // never null in a computed style
    TextAlign textAlign = TextAlign::Left;
    uint8_t textDecoration = 0;  // TextDecorationBits
    TextTransform textTransform = TextTransform::None;
    WhiteSpace whiteSpace = WhiteSpace::Normal;
    TextOverflow textOverflow = TextOverflow::Clip;
    LineHeight lineHeight;
    VerticalAlign verticalAlign = VerticalAlign::Baseline;
    int verticalOffset = 0;  // px, for VerticalAlign::Offset
    ListStyleType listStyleType = ListStyleType::Disc;

    // Tables
    bool borderCollapse = false;
    int borderSpacingX = 2, borderSpacingY = 2;

    // Flex
    FlexDirection flexDirection = FlexDirection::Row;
    float flexGrow = 0, flexShrink = 1;
    Length flexBasis;  // auto: the item's width or height
    JustifyContent justifyContent = JustifyContent::FlexStart;
    AlignItems alignItems = AlignItems::Stretch;
    AlignItems alignSelf = AlignItems::Auto;
    int rowGap = 0, columnGap = 0;

    // The custom properties ("--name") in force, inherited; null when there are none.
    std::shared_ptr<const std::map<std::string, std::wstring>> custom;

    // The engine's own
    std::wstring behavior;
    // "focus-scope: contain": while shown, the element holds the keyboard as a modal panel does.
    bool focusScope = false;

    bool Scrolls() const { return overflowX != Overflow::Visible || overflowY != Overflow::Visible; }
    bool IsPositioned() const { return position != Position::Static; }
    bool IsOutOfFlow() const { return position == Position::Absolute || position == Position::Fixed; }
    int LineHeightPx(int normal) const;
};

// The element's computed style, brought up to date with the document's styles (its
// ancestors' too). Never null; the object is shared by elements that style alike and stays
// valid as long as a holder of the pointer keeps it.
std::shared_ptr<const ComputedStyle> ComputedStyleOf(Element& element);

// The style of an anonymous box inside a box of style `parent`: the inherited properties,
// initial values for the rest.
std::shared_ptr<const ComputedStyle> AnonymousStyle(const ComputedStyle& parent, Display display);

}  // namespace htmlengine
