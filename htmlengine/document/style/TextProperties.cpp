// Colour, fonts (CSS Fonts 3 §3) and text (CSS Text 3, Inline 3's vertical-align, Overflow 3's
// text-overflow).
#include "htmlengine/document/style/StyleProperties.h"

#include "htmlengine/document/dom/AsciiCase.h"

#include <cmath>

namespace htmlengine {

namespace {

const Keyword<TextAlign> kAligns[] = { { L"left", TextAlign::Left },     { L"start", TextAlign::Left },
                                       { L"right", TextAlign::Right },   { L"end", TextAlign::Right },
                                       { L"center", TextAlign::Center }, { L"justify", TextAlign::Justify } };
const Keyword<TextTransform> kTransforms[] = { { L"none", TextTransform::None },
                                               { L"uppercase", TextTransform::Uppercase },
                                               { L"lowercase", TextTransform::Lowercase },
                                               { L"capitalize", TextTransform::Capitalize } };
const Keyword<WhiteSpace> kWhiteSpaces[] = { { L"normal", WhiteSpace::Normal },
                                             { L"nowrap", WhiteSpace::NoWrap },
                                             { L"pre", WhiteSpace::Pre },
                                             { L"pre-wrap", WhiteSpace::PreWrap },
                                             { L"pre-line", WhiteSpace::PreLine } };
const Keyword<TextOverflow> kTextOverflows[] = { { L"clip", TextOverflow::Clip },
                                                 { L"ellipsis", TextOverflow::Ellipsis } };
const Keyword<VerticalAlign> kVerticalAligns[] = {
    { L"baseline", VerticalAlign::Baseline }, { L"middle", VerticalAlign::Middle },
    { L"top", VerticalAlign::Top },           { L"bottom", VerticalAlign::Bottom },
    { L"text-top", VerticalAlign::TextTop },  { L"text-bottom", VerticalAlign::TextBottom },
    { L"sub", VerticalAlign::Sub },           { L"super", VerticalAlign::Super }
};
const Keyword<uint8_t> kDecorations[] = {
    { L"none", 0 }, { L"underline", kUnderline }, { L"line-through", kLineThrough }, { L"overline", kOverline }
};
const Keyword<float> kFontSizes[] = { { L"xx-small", 9 }, { L"x-small", 10 }, { L"small", 13 },   { L"medium", 16 },
                                      { L"large", 18 },   { L"x-large", 24 }, { L"xx-large", 32 } };
const Keyword<int> kWeights[] = { { L"normal", 400 }, { L"bold", 700 }, { L"lighter", -1 }, { L"bolder", -2 } };
const Keyword<bool> kFontStyles[] = { { L"normal", false }, { L"italic", true }, { L"oblique", true } };
// The system fonts of the shorthand are the message font of a current Windows desktop.
const wchar_t* const kSystemFonts[] = { L"caption", L"icon", L"menu", L"message-box", L"small-caption", L"status-bar" };

Font Modified(const ComputedStyle& style)
{
    return style.font ? *style.font : Font();
}

std::wstring FamilyName(std::wstring_view text)
{
    std::wstring name;
    for (std::wstring_view part : SplitValue(text)) {
        if (part.size() >= 2 && (part[0] == L'"' || part[0] == L'\'') && part.back() == part[0])
            part = part.substr(1, part.size() - 2);
        if (!name.empty())
            name += L' ';
        name += part;
    }
    return name;
}

bool ReadFamilies(std::wstring_view value, std::vector<std::wstring>& families)
{
    std::vector<std::wstring> read;
    size_t start = 0;
    while (start <= value.size()) {
        size_t comma = value.find(L',', start);
        if (comma == std::wstring_view::npos)
            comma = value.size();
        std::wstring name = FamilyName(value.substr(start, comma - start));
        if (name.empty())
            return false;
        read.push_back(name);
        start = comma + 1;
    }
    families = std::move(read);
    return !families.empty();
}

bool ReadSize(std::wstring_view part, const PropertyContext& context, int& size)
{
    float pixels = 0;
    float parentSize = float(context.parent.font ? context.parent.font->size : 12);
    Length length;
    if (ParseKeyword(part, kFontSizes, pixels)) {
    } else if (EqualsKeyword(part, L"smaller")) {
        pixels = parentSize / 1.2f;
    } else if (EqualsKeyword(part, L"larger")) {
        pixels = parentSize * 1.2f;
    } else if (ParseLength(part, { parentSize, context.lengths.rootFontSize }, length) && length.value >= 0) {
        pixels = length.unit == Length::Unit::Percent ? parentSize * length.value / 100 : length.value;
    } else {
        return false;
    }
    size = std::max(1, int(std::lround(pixels)));
    return true;
}

bool ReadWeight(std::wstring_view part, const PropertyContext& context, int& weight)
{
    int parentWeight = context.parent.font ? context.parent.font->weight : 400;
    int keyword = 0;
    float number = 0;
    if (ParseKeyword(part, kWeights, keyword)) {
        weight = keyword == -1   ? (parentWeight > 500 ? 400 : 100)
                 : keyword == -2 ? (parentWeight < 600 ? 700 : 900)
                                 : keyword;
        return true;
    }
    if (!ParseNumber(part, number) || number < 1 || number > 1000)
        return false;
    weight = int(number);
    return true;
}

bool ReadLineHeight(std::wstring_view part, const PropertyContext& context, int fontSize, LineHeight& lineHeight)
{
    float number = 0;
    Length length;
    if (EqualsKeyword(part, L"normal")) {
        lineHeight = LineHeight();
    } else if (ParseNumber(part, number) && number >= 0) {
        lineHeight = { LineHeight::Kind::Factor, number };
    } else if (ParseLength(part, { float(fontSize), context.lengths.rootFontSize }, length) && length.value >= 0) {
        float pixels = length.unit == Length::Unit::Percent ? fontSize * length.value / 100 : length.value;
        lineHeight = { LineHeight::Kind::Px, pixels };
    } else {
        return false;
    }
    return true;
}

bool ApplyFamily(ComputedStyle& style, std::wstring_view value, const PropertyContext&)
{
    Font font = Modified(style);
    if (!ReadFamilies(value, font.families))
        return false;
    style.font = InternFont(font);
    return true;
}

bool ApplySize(ComputedStyle& style, std::wstring_view value, const PropertyContext& context)
{
    Font font = Modified(style);
    if (!ReadSize(value, context, font.size))
        return false;
    style.font = InternFont(font);
    return true;
}

bool ApplyWeight(ComputedStyle& style, std::wstring_view value, const PropertyContext& context)
{
    Font font = Modified(style);
    if (!ReadWeight(value, context, font.weight))
        return false;
    style.font = InternFont(font);
    return true;
}

bool ApplyFontStyle(ComputedStyle& style, std::wstring_view value, const PropertyContext&)
{
    Font font = Modified(style);
    if (!ParseKeyword(value, kFontStyles, font.italic))
        return false;
    style.font = InternFont(font);
    return true;
}

bool IsSystemFont(std::wstring_view value)
{
    for (const wchar_t* name : kSystemFonts)
        if (EqualsKeyword(value, name))
            return true;
    return false;
}

// CSS Fonts 3 §3.7: [style || variant || weight] size[/line-height] family, or a system font.
bool ApplyFont(ComputedStyle& style, std::wstring_view value, const PropertyContext& context)
{
    Font font;
    LineHeight lineHeight;
    if (IsSystemFont(value)) {
        font.families = { L"Segoe UI", L"Tahoma", L"sans-serif" };
        style.font = InternFont(font);
        style.lineHeight = lineHeight;
        return true;
    }
    std::vector<std::wstring_view> parts = SplitValue(value);
    size_t i = 0;
    for (; i < parts.size(); ++i) {
        if (EqualsKeyword(parts[i], L"normal") || EqualsKeyword(parts[i], L"small-caps"))
            continue;
        if (ParseKeyword(parts[i], kFontStyles, font.italic))
            continue;
        if (!EqualsKeyword(parts[i], L"lighter") && !EqualsKeyword(parts[i], L"bolder") &&
            ReadWeight(parts[i], context, font.weight))
            continue;
        break;
    }
    if (i >= parts.size() || !ReadSize(parts[i], context, font.size))
        return false;
    ++i;
    if (i + 1 < parts.size() && parts[i] == L"/") {
        if (!ReadLineHeight(parts[i + 1], context, font.size, lineHeight))
            return false;
        i += 2;
    }
    if (i >= parts.size())
        return false;
    size_t familyStart = parts[i].data() - value.data();
    if (!ReadFamilies(value.substr(familyStart), font.families))
        return false;
    style.font = InternFont(font);
    style.lineHeight = lineHeight;
    return true;
}

void CopyFont(ComputedStyle& to, const ComputedStyle& from)
{
    to.font = from.font;
    to.lineHeight = from.lineHeight;
}

bool ApplyColor(ComputedStyle& style, std::wstring_view value, const PropertyContext& context)
{
    return ParseColor(value, context.parent.color, style.color);
}

bool ApplyAccentColor(ComputedStyle& style, std::wstring_view value, const PropertyContext&)
{
    return ParseColor(value, style.color, style.accentColor);
}

bool ApplyLineHeight(ComputedStyle& style, std::wstring_view value, const PropertyContext& context)
{
    return ReadLineHeight(value, context, style.font ? style.font->size : 12, style.lineHeight);
}

// Line keywords only; a decoration colour or style that comes with them is left to the text colour.
bool ApplyDecoration(ComputedStyle& style, std::wstring_view value, const PropertyContext&)
{
    uint8_t lines = 0;
    bool any = false;
    for (std::wstring_view part : SplitValue(value)) {
        uint8_t line = 0;
        if (ParseKeyword(part, kDecorations, line)) {
            lines |= line;
            any = true;
        }
    }
    if (any)
        style.textDecoration = lines;
    return any;
}

bool ApplyVerticalAlign(ComputedStyle& style, std::wstring_view value, const PropertyContext& context)
{
    if (ParseKeyword(value, kVerticalAligns, style.verticalAlign))
        return true;
    Length length;
    if (!ParseLength(value, context.lengths, length))
        return false;
    int lineHeight = style.LineHeightPx(style.font ? style.font->size : 12);
    style.verticalAlign = VerticalAlign::Offset;
    style.verticalOffset = length.Resolve(lineHeight);
    return true;
}

void CopyVerticalAlign(ComputedStyle& to, const ComputedStyle& from)
{
    to.verticalAlign = from.verticalAlign;
    to.verticalOffset = from.verticalOffset;
}

}  // namespace

bool IsFontProperty(const std::string& name)
{
    return name == "font" || name == "font-family" || name == "font-size" || name == "font-weight" ||
           name == "font-style" || name == "color";
}

void AddTextProperties(std::vector<PropertyDefinition>& table)
{
    table.push_back({ "color", &ApplyColor, &CopyField<Color, &ComputedStyle::color> });
    table.push_back({ "accent-color", &ApplyAccentColor, &CopyField<Color, &ComputedStyle::accentColor> });
    table.push_back({ "font", &ApplyFont, &CopyFont });
    table.push_back({ "font-family", &ApplyFamily, &CopyFont });
    table.push_back({ "font-size", &ApplySize, &CopyFont });
    table.push_back({ "font-weight", &ApplyWeight, &CopyFont });
    table.push_back({ "font-style", &ApplyFontStyle, &CopyFont });
    table.push_back({ "line-height", &ApplyLineHeight, &CopyField<LineHeight, &ComputedStyle::lineHeight> });
    table.push_back({ "text-decoration", &ApplyDecoration, &CopyField<uint8_t, &ComputedStyle::textDecoration> });
    table.push_back({ "text-decoration-line", &ApplyDecoration, &CopyField<uint8_t, &ComputedStyle::textDecoration> });
    table.push_back({ "vertical-align", &ApplyVerticalAlign, &CopyVerticalAlign });
    table.push_back(KeywordProperty<TextAlign, &ComputedStyle::textAlign, std::size(kAligns), kAligns>("text-align"));
    table.push_back(KeywordProperty<TextTransform, &ComputedStyle::textTransform, std::size(kTransforms), kTransforms>(
        "text-transform"));
    table.push_back(
        KeywordProperty<WhiteSpace, &ComputedStyle::whiteSpace, std::size(kWhiteSpaces), kWhiteSpaces>("white-space"));
    table.push_back(
        KeywordProperty<TextOverflow, &ComputedStyle::textOverflow, std::size(kTextOverflows), kTextOverflows>(
            "text-overflow"));
}

}  // namespace htmlengine
